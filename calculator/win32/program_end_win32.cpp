// Ending the calculator's process after its fatal message.
#include <windows.h>

#include "calculator/win32/services_win32.h"

namespace calculator::win32 {

void ExitProcessEnd::endProcess() {
  ExitProcess(1);
}

}  // namespace calculator::win32

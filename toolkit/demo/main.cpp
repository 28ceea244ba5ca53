// ToolkitDemo: every control kind of the window toolkit on the real Win32 backend.
#include <windows.h>

#include "common/files.h"
#include "toolkit/demo/demo_handlers.h"
#include "toolkit/win32/backend.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  common::enterDirectory(common::runDirectory());
  toolkit::win32::Backend backend;
  toolkit::demo::Demo demo(backend);
  demo.start();
  backend.run();
  return 0;
}

// The maker's program entry: works from its own folder, carries the calculator's program
// file inside itself and runs the wizard on real windows.
#include <windows.h>

#include "common/files.h"
#include "maker/maker.h"
#include "maker/win32/windows_shell.h"
#include "toolkit/win32/backend.h"

COMMON_DECLARE_EMBEDDED(calculator_image);

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const common::Text runDirectory = common::runDirectory();
  common::enterDirectory(runDirectory);
  toolkit::win32::Backend backend;
  maker::win32::WindowsShell shell;
  maker::Maker maker(backend, shell, runDirectory, COMMON_EMBEDDED(calculator_image).view());
  maker.start();
  return 0;
}

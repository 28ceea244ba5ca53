// The calculator's program entry: works from its own folder, carries the skin library and
// runs the main window on real windows.
#include <windows.h>

#include "calculator/startup.h"
#include "calculator/win32/services_win32.h"
#include "common/clock.h"
#include "common/files.h"
#include "skinengine/library_image.h"
#include "toolkit/win32/backend.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const common::Text runDirectory = common::runDirectory();
  common::enterDirectory(runDirectory);
  toolkit::win32::Backend backend;
  calculator::win32::DllSkinLibrary skinLibrary;
  const common::SystemClock clock;
  calculator::win32::ExitProcessEnd programEnd;
  const calculator::Context context{
      backend, skinLibrary, clock, programEnd, skinengine::skinLibraryImage(), runDirectory};
  calculator::startCalculator(context);
  return 0;
}

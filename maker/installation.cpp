// Step 4's "完成": writes the calculator beside the maker, puts its shortcut on the desktop
// and ends the maker.
#include "common/files.h"
#include "maker/maker.h"
#include "maker/messages.h"
#include "maker/step1_window.h"

namespace maker {

void Maker::finishInstallation() {
  const common::Text calculator = common::pathIn(runDirectory_, kCalculatorFile);
  // The write replaces the file whole or not at all, so a failure keeps an earlier calculator.
  if (!common::writeFile(calculator, calculatorImage_)) {
    showCreationFailed();
    return;
  }
  // Without a desktop folder the link's name would fall into the drive's root: no shortcut.
  const common::Text desktop = shell_.desktopFolder();
  if (!desktop.empty()) shell_.saveShortcut(common::pathIn(desktop, kShortcutFile), calculator);
  // Step 1's closing handler takes step 4 with it, and the waiting steps follow.
  toolkit_.destroy(kStep1Window);
}

}  // namespace maker

// The parts of the Windows shell the maker needs: the desktop folder and shell link files.
// maker/win32/ holds the real one; tests use a fake.
#pragma once

#include "common/text.h"

namespace maker {

class Shell {
 public:
  virtual ~Shell() = default;
  // The file-system folder behind the current user's desktop; empty when there is none.
  virtual common::Text desktopFolder() = 0;
  // Creates or replaces the shell link file `linkPath` pointing at `target`, shown in its
  // window's current size and position (show command 5), with no arguments, working
  // folder or description and the target's own icon.
  virtual bool saveShortcut(const common::Text& linkPath, const common::Text& target) = 0;
};

}  // namespace maker

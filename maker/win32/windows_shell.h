// The Windows shell behind maker::Shell: the desktop folder from the shell's known folders
// and shell links made through IShellLinkA and IPersistFile.
#pragma once

#include "maker/shell.h"

namespace maker::win32 {

class WindowsShell final : public Shell {
 public:
  common::Text desktopFolder() override;
  bool saveShortcut(const common::Text& linkPath, const common::Text& target) override;
};

}  // namespace maker::win32

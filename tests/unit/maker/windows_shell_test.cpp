// The Windows shell under Wine: the desktop folder and the shell link files it saves.
#include "maker/win32/windows_shell.h"

#include <gtest/gtest.h>

#include "common/files.h"
#include "tests/unit/maker/folders.h"
#include "tests/unit/maker/shell_links.h"
#include "tests/unit/support/temp_folder.h"

namespace maker::win32 {
namespace {

TEST(WindowsShell, SavesALinkToTheTargetShownInItsCurrentPlace) {
  testing_support::TempFolder folder;
  const common::Text target = common::pathIn(folder.text(), "Zavo计算器.exe");
  const common::Text linkPath = common::pathIn(folder.text(), "Zavo计算器.lnk");
  testing::writeWhole(target, "MZ");
  testing::writeWhole(linkPath, "an older file of the same name, not a link at all");
  WindowsShell shell;

  ASSERT_TRUE(shell.saveShortcut(linkPath, target));

  const common::ByteBlock link = common::readFile(linkPath);
  ASSERT_GT(link.size(), 0x40u);
  EXPECT_EQ(link[0], 0x4C) << "a shell link header replaced the older file";
  EXPECT_EQ(link[0x3C], 5) << "show command";
  EXPECT_EQ(testing::linkTarget(linkPath), target);
}

TEST(WindowsShell, ReportsALinkThatCannotBeSaved) {
  testing_support::TempFolder folder;
  WindowsShell shell;
  EXPECT_FALSE(shell.saveShortcut(common::pathIn(folder.text(), "no such folder\\Zavo计算器.lnk"),
                                  common::pathIn(folder.text(), "a.exe")));
  EXPECT_FALSE(folder.exists("no such folder"));
}

TEST(WindowsShell, TheDesktopFolderIsAnExistingFolder) {
  WindowsShell shell;
  const common::Text desktop = shell.desktopFolder();
  ASSERT_FALSE(desktop.empty());
  EXPECT_TRUE(common::fileExists(desktop));
}

}  // namespace
}  // namespace maker::win32

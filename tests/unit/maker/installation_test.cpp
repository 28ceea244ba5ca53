// Step 4's "完成": the calculator written beside the maker, its desktop shortcut, and the end
// of the maker; and a write that fails, which keeps step 4 open.
#include "tests/unit/maker/maker_run.h"

namespace maker::testing {
namespace {

TEST_F(MakerRun, FinishingWritesTheCalculatorMakesTheShortcutAndEnds) {
  writeWhole(inRun("Zavo计算器.exe"), std::string(3 * kImage.size(), 'x'));  // older, longer
  reachStep(4);
  pressForward(4);
  noteIfStillRunning();
  run();

  EXPECT_EQ(readWhole(inRun("Zavo计算器.exe")), kImageBytes);
  EXPECT_EQ(shell.saved(),
            (std::vector<FakeShell::Shortcut>{
                {desktop.text() + "\\Zavo计算器.lnk", runFolder.text() + "\\Zavo计算器.exe"}}));
  EXPECT_FALSE(stillRunning) << "the maker ends with its last window";
  EXPECT_FALSE(anyWindowLoaded());
  EXPECT_TRUE(model.messages().empty());
  EXPECT_EQ(model.loopDepth(), 0);
}

TEST_F(MakerRun, AFailedWriteKeepsStepFourOpenUntilAPressSucceeds) {
  makeFolder(inRun("Zavo计算器.exe"));
  reachStep(4);
  std::vector<int> shownAfterEachFailure;
  for (int press = 0; press < 2; ++press) {
    pressForward(4);
    step([&] { shownAfterEachFailure.push_back(visibleSteps().back()); });
  }
  step([&] { removeFolder(inRun("Zavo计算器.exe")); });
  pressForward(4);
  noteIfStillRunning();
  run();

  ASSERT_EQ(model.messages().size(), 2u);
  for (const toolkit::model::Message& message : model.messages()) {
    EXPECT_EQ(message.text, kCreationFailedMessage);
    EXPECT_EQ(message.title, "错误");
  }
  EXPECT_EQ(shownAfterEachFailure, (std::vector<int>{4, 4}));
  EXPECT_EQ(shell.saved().size(), 1u) << "a shortcut only once the calculator is written";
  EXPECT_EQ(readWhole(inRun("Zavo计算器.exe")), kImageBytes);
  EXPECT_FALSE(stillRunning);
  EXPECT_FALSE(anyWindowLoaded());
}

struct DesktopCase {
  const char* what;
  common::Text desktop;
  bool saveSucceeds;
  std::vector<common::Text> links;  // the shortcut files asked for
};
void PrintTo(const DesktopCase& row, std::ostream* out) {
  *out << row.what;
}

class Desktops : public MakerRun, public ::testing::WithParamInterface<DesktopCase> {};

TEST_P(Desktops, TheShortcutGoesOnlyIntoTheDesktopFolderAndTheMakerEndsAnyway) {
  const DesktopCase& row = GetParam();
  shell.useDesktop(row.desktop);
  if (!row.saveSucceeds) shell.failSaving();
  reachStep(4);
  pressForward(4);
  noteIfStillRunning();
  run();

  std::vector<common::Text> links;
  for (const FakeShell::Shortcut& saved : shell.saved()) {
    links.push_back(saved.link);
    EXPECT_EQ(saved.target, runFolder.text() + "\\Zavo计算器.exe");
  }
  EXPECT_EQ(links, row.links);
  EXPECT_TRUE(model.messages().empty()) << "nothing about the shortcut is reported";
  EXPECT_FALSE(stillRunning);
  EXPECT_FALSE(anyWindowLoaded());
  EXPECT_EQ(readWhole(inRun("Zavo计算器.exe")), kImageBytes);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Maker, Desktops, ::testing::Values(
  DesktopCase{"as Wine gives it",         "C:\\users\\me\\Desktop",  true,  {"C:\\users\\me\\Desktop\\Zavo计算器.lnk"}},
  DesktopCase{"with a trailing separator", "C:\\桌面\\",             true,  {"C:\\桌面\\\\Zavo计算器.lnk"}},
  DesktopCase{"the link cannot be saved",  "C:\\users\\me\\Desktop", false, {"C:\\users\\me\\Desktop\\Zavo计算器.lnk"}},
  DesktopCase{"no desktop folder",         "",                       true,  {}}));
// clang-format on

}  // namespace
}  // namespace maker::testing

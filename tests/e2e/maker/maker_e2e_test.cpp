// The real maker under Wine, driven from outside as a user drives it: the four steps in a
// fresh folder, the photo through the real open-file dialog, and what "完成" leaves behind:
// the three files, the calculator, the desktop shortcut and a calculator that starts.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "assets/assets.h"
#include "tests/e2e/maker/maker_windows.h"
#include "tests/unit/support/temp_folder.h"

namespace maker::e2e_testing {
namespace {

constexpr const char* kCreationFailed = "创建失败，请联系QQ：" MAKER_VENDOR_CONTACT;

// The window and every control of the step where its design puts them, as it shows them.
void expectAsDesigned(const StepWindow& step) {
  const toolkit::WindowDesign& design = step.design();
  const e2e::Box outer = e2e::windowBox(step.hwnd());
  EXPECT_EQ(outer.width, design.width);
  EXPECT_EQ(outer.height, design.height);
  const LONG_PTR style = GetWindowLongPtrA(step.hwnd(), GWL_STYLE);
  EXPECT_EQ((style & WS_MINIMIZEBOX) != 0, design.minimiseBox);
  EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
  EXPECT_EQ(GetWindowLongPtrA(step.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  for (const toolkit::ControlDesign& row : design.controls) {
    if (row.kind == toolkit::Kind::OpenFileDialog) continue;
    HWND control = step[row.name];
    ASSERT_NE(control, nullptr) << row.name;
    EXPECT_EQ(e2e::controlBox(control), e2e::designBox(design, row.name)) << row.name;
    EXPECT_TRUE(e2e::visible(control)) << row.name;
    EXPECT_EQ(e2e::enabled(control), (row.flags & toolkit::kDisabled) == 0) << row.name;
    if (row.kind != toolkit::Kind::PictureBox) {
      EXPECT_EQ(e2e::text(control), row.text) << row.name;
    }
  }
}

class MakerProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteFileA(shortcutPath().c_str());
    ASSERT_TRUE(common::writeFile(photo, assets::kDefaultPhoto.view()));
    ASSERT_TRUE(maker.started());
  }
  void TearDown() override { DeleteFileA(shortcutPath().c_str()); }

  Text inRun(const Text& name) const { return common::pathIn(folder.text(), name); }

  // Presses "选择照片" and picks `path` in the open-file dialog.
  void choosePhoto(const StepWindow& step3, const Text& path) {
    e2e::click(step3["按钮1"]);
    HWND dialog = maker.fileDialog();
    ASSERT_NE(dialog, nullptr);
    e2e::chooseInFileDialog(dialog, path);
    EXPECT_TRUE(e2e::waitUntil([&] { return step3.answer() == path; }));
  }
  // From step 1 to step `last` with the default answers and the photo.
  StepWindow walkTo(int last) {
    for (int step = 1; step < last; ++step) {
      const StepWindow shown = waitForStep(maker, step);
      if (!shown.hwnd()) break;
      if (step == 3) choosePhoto(shown, photo);
      shown.pressForward();
    }
    return waitForStep(maker, last);
  }

  testing_support::TempFolder folder;
  const Text photo = inRun("合影.JPG");
  e2e::Program maker{e2e::installCopy(E2E_PROGRAM(maker_exe), folder.text())};
};

TEST_F(MakerProgram, TheWholeWizardInstallsThePersonalCalculator) {
  const StepWindow step1 = waitForStep(maker, 1);
  ASSERT_NE(step1.hwnd(), nullptr);
  expectAsDesigned(step1);
  saveScreenshot({step1.hwnd()}, "maker-step1.bmp");
  step1.answer("运动会计分");
  step1.pressForward();

  const StepWindow step2 = waitForStep(maker, 2);
  ASSERT_NE(step2.hwnd(), nullptr);
  EXPECT_FALSE(e2e::visible(step1.hwnd())) << "step 1 waits hidden";
  expectAsDesigned(step2);
  saveScreenshot({step2.hwnd()}, "maker-step2.bmp");
  step2.answer("北京时间：");
  step2.pressForward();

  const StepWindow step3 = waitForStep(maker, 3);
  ASSERT_NE(step3.hwnd(), nullptr);
  expectAsDesigned(step3);
  choosePhoto(step3, photo);
  saveScreenshot({step3.hwnd()}, "maker-step3.bmp");
  step3.pressForward();

  const StepWindow step4 = waitForStep(maker, 4);
  ASSERT_NE(step4.hwnd(), nullptr);
  expectAsDesigned(step4);
  EXPECT_TRUE(e2e::checked(step4["单选框1"]));
  saveScreenshot({step4.hwnd()}, "maker-step4.bmp");
  step4.pressForward();
  ASSERT_TRUE(maker.waitForExit()) << "\"完成\" ends the maker with every window closed";

  EXPECT_EQ(readWhole(inRun("1.txt")), "运动会计分");
  EXPECT_EQ(readWhole(inRun("2.txt")), "北京时间：");
  EXPECT_EQ(readWhole(inRun("3.txt")), photo);
  const Text calculator = inRun("Zavo计算器.exe");
  const common::ByteBlock written = common::readFile(calculator);
  EXPECT_GT(written.size(), 0u);
  EXPECT_TRUE(written == common::readFile(E2E_PROGRAM(calculator_exe)))
      << "the calculator is written byte for byte";

  const common::ByteBlock link = common::readFile(shortcutPath());
  ASSERT_GT(link.size(), 0x3Cu);
  EXPECT_EQ(link[0x3C], 5) << "shown in its current size and place";
  EXPECT_EQ(testing::linkTarget(shortcutPath()), calculator);
  if (const char* home = std::getenv("HOME")) {
    EXPECT_TRUE(common::fileExists(Text("Z:") + home + "/Desktop/Zavo计算器.lnk"));
  }

  e2e::Program started(calculator);
  HWND personal = started.window("运动会计分");
  ASSERT_NE(personal, nullptr) << "the calculator starts with the answered title";
  e2e::pressEscape(personal);
  EXPECT_TRUE(started.waitForExit());
}

struct EmptyAnswer {
  int step;
  const char* message;
};

// clang-format off
constexpr EmptyAnswer kEmptyAnswers[] = {
  {1, "Zavo计算器标题不能为空"},
  {2, "Zavo时间前缀不能为空"},
  {3, "请选择照片路径"},
};
// clang-format on

TEST_F(MakerProgram, EachStepRefusesAnEmptyAnswerAndStays) {
  for (const EmptyAnswer& row : kEmptyAnswers) {
    SCOPED_TRACE(row.step);
    const StepWindow step = waitForStep(maker, row.step);
    ASSERT_NE(step.hwnd(), nullptr);
    const Text answer = step.answer();
    step.answer("");
    step.pressForward();
    HWND message = maker.messageBox();
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(e2e::messageText(message), row.message);
    EXPECT_EQ(e2e::text(message), "错误");
    if (row.step == 1) saveScreenshot({step.hwnd(), message}, "maker-empty-title.bmp");
    e2e::pressOk(message);
    EXPECT_TRUE(e2e::waitUntil([&] { return !IsWindow(message); }));
    EXPECT_TRUE(step.isShown()) << "the step stays";
    EXPECT_FALSE(common::fileExists(inRun(std::to_string(row.step) + ".txt")));
    if (row.step == 3)
      choosePhoto(step, photo);
    else
      step.answer(answer);
    step.pressForward();
  }
  ASSERT_NE(waitForStep(maker, 4).hwnd(), nullptr);
}

TEST_F(MakerProgram, AFailedInstallationKeepsStepFourAndClosingItEndsTheMaker) {
  ASSERT_TRUE(CreateDirectoryA(inRun("Zavo计算器.exe").c_str(), nullptr));
  const StepWindow step4 = walkTo(4);
  ASSERT_NE(step4.hwnd(), nullptr);
  step4.pressForward();
  HWND message = maker.messageBox();
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(e2e::messageText(message), kCreationFailed);
  EXPECT_EQ(e2e::text(message), "错误");
  e2e::pressOk(message);
  EXPECT_TRUE(e2e::waitUntil([&] { return !IsWindow(message); }));
  EXPECT_TRUE(step4.isShown());
  EXPECT_FALSE(common::fileExists(shortcutPath()));

  e2e::pressEscape(step4.hwnd());
  EXPECT_TRUE(maker.waitForExit()) << "closing step 4 ends the maker";
  EXPECT_FALSE(common::fileExists(shortcutPath()));
}

TEST_F(MakerProgram, ClosingStepTwoEndsTheMaker) {
  const StepWindow step2 = walkTo(2);
  ASSERT_NE(step2.hwnd(), nullptr);
  e2e::pressEscape(step2[kAnswerBox]);
  EXPECT_TRUE(maker.waitForExit());
  EXPECT_TRUE(common::fileExists(inRun("1.txt")));
  EXPECT_FALSE(common::fileExists(inRun("2.txt")));
}

}  // namespace
}  // namespace maker::e2e_testing

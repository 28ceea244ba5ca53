// The demo's ways out and ways to the system: Esc and the close box, a deferred destroy,
// the message box, the open-file dialog and the browser control's link.

#include "tests/e2e/toolkit/demo_fixture.h"

namespace toolkit::demo {
namespace {

struct CloseCase {
  const char* what;
  const char* target;  // a control of the main window; "" for the window itself
  bool closeBox;       // the close box instead of Esc
};

class Closing : public DemoTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(Closing, EndsTheProgramAfterItsDestroyingHandler) {
  const CloseCase& closing = GetParam();
  const HWND target = *closing.target ? control(closing.target) : main_;
  if (closing.closeBox)
    PostMessageA(main_, WM_SYSCOMMAND, SC_CLOSE, 0);
  else
    e2e::pressEscape(target);
  EXPECT_TRUE(demo_->waitForExit());
  EXPECT_EQ(folder_.read(kLastLogFile), "创建");
}

// clang-format off
const CloseCase kCloseCases[] = {
  {"EscInTheWindow",          "",          false},
  {"EscInAOneLineEditBox",    "编辑框1",   false},
  {"EscInAMultiLineEditBox",  "编辑框3",   false},
  {"EscOnAButton",            "按钮1",     false},
  {"TheCloseBox",             "",          true},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Demo, Closing, ::testing::ValuesIn(kCloseCases),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(DemoTest, DestroyWaitsForTheRequestingHandlerToReturn) {
  e2e::click(control("按钮8"));  // destroy(), then one more log entry
  EXPECT_TRUE(demo_->waitForExit());
  EXPECT_EQ(folder_.read(kLastLogFile), "创建 请求关闭");
}

TEST_F(DemoTest, EscDuringAWaitClosesAtOnceAndTheProgramEndsWithTheWait) {
  e2e::click(control("按钮3"));
  ASSERT_TRUE(logReads("创建 等1"));
  const DWORD pressed = GetTickCount();
  e2e::pressEscape(control("编辑框1"));
  EXPECT_TRUE(e2e::waitUntil([&] { return !IsWindow(main_); }, 1000));
  EXPECT_LT(GetTickCount() - pressed, 1500u) << "the window went only with the wait";
  EXPECT_TRUE(demo_->waitForExit(4000));
  EXPECT_EQ(folder_.read(kLastLogFile), "创建 等1");
}

TEST_F(DemoTest, MessageBoxHoldsItsHandlerAndTheWindowsUntilOk) {
  e2e::click(control("按钮4"));
  const HWND box = demo_->messageBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(e2e::messageText(box), "这是一个消息框。");
  EXPECT_EQ(e2e::text(box), "ToolkitDemo");
  EXPECT_NE(GetWindowLongPtrA(box, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_EQ(GetTopWindow(nullptr), box) << "above the always-on-top main window";
  EXPECT_FALSE(e2e::enabled(main_));  // modal to the program
  EXPECT_EQ(log(), "创建");
  e2e::pressOk(box);
  EXPECT_TRUE(logReads("创建 消息框已关"));
  EXPECT_TRUE(e2e::enabled(main_));
}

TEST_F(DemoTest, FileDialogGivesTheChosenFullPath) {
  const common::Text path = folder_.text() + "\\照片.jpg";  // GBK bytes, as the program keeps them
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  e2e::click(control("按钮6"));
  const HWND dialog = demo_->fileDialog();
  ASSERT_NE(dialog, nullptr);
  e2e::chooseInFileDialog(dialog, path);
  EXPECT_TRUE(logReads("创建 已选"));
  EXPECT_EQ(e2e::text(control("编辑框5")), path);
}

TEST_F(DemoTest, CancelledFileDialogChangesNothing) {
  e2e::setText(control("编辑框5"), "之前的路径");
  e2e::click(control("按钮6"));
  const HWND dialog = demo_->fileDialog();
  ASSERT_NE(dialog, nullptr);
  e2e::cancelFileDialog(dialog);
  EXPECT_TRUE(logReads("创建 未选"));
  EXPECT_EQ(e2e::text(control("编辑框5")), "之前的路径");
}

TEST_F(DemoTest, FileOutsideCodePage936ComesBackAsItsShortPath) {
  const std::wstring folder(folder_.path().wstring());
  const std::wstring path = folder + L"\\\xD55C\xAE00.jpg";  // Hangul: not in code page 936
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  e2e::click(control("按钮6"));
  const HWND dialog = demo_->fileDialog();
  ASSERT_NE(dialog, nullptr);
  e2e::chooseInFileDialog(dialog, path);
  ASSERT_TRUE(logReads("创建 已选"));
  const common::Text chosen = e2e::text(control("编辑框5"));
  EXPECT_EQ(chosen.find('?'), common::Text::npos) << chosen;
  EXPECT_NE(GetFileAttributesA(chosen.c_str()), INVALID_FILE_ATTRIBUTES) << chosen;
}

TEST_F(DemoTest, LinkIsHandedOverAndTheHandlerReturnsAtOnce) {
  e2e::click(control("按钮7"));
  EXPECT_TRUE(logReads("创建 链接已交", 3000));
  EXPECT_EQ(demo_->messageBox(500), nullptr);  // no program owns the scheme: nothing shows
  EXPECT_TRUE(demo_->running());
}

}  // namespace
}  // namespace toolkit::demo

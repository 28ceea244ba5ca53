// The demo driven from outside: the order of handlers around program writes and typing,
// integer-only typing, nested modal windows and waits with clicks inside them.
#include <cstring>
#include <functional>
#include <string>

#include "tests/e2e/toolkit/demo_fixture.h"

namespace toolkit::demo {
namespace {

using ChangeScript = std::function<void(HWND scoreBox, HWND addTen, HWND rewrite)>;

struct ChangeCase {
  const char* what;
  ChangeScript script;
  const char* expectedLog;
};

class ChangedOrder : public DemoTest, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(ChangedOrder, RunsOnceAfterEveryChangeInsideTheWritingHandler) {
  GetParam().script(control("编辑框1"), control("按钮1"), control("按钮2"));
  EXPECT_TRUE(logReads(GetParam().expectedLog));
}

// clang-format off
const ChangeCase kChangeCases[] = {
  {"ProgramWriteBetweenTheWritersSteps",
   [](HWND, HWND addTen, HWND) { e2e::click(addTen); },
   "创建 加前 变为10 加后"},
  {"RewritingTheSameTextStillRaisesItOnce",
   [](HWND, HWND, HWND rewrite) { e2e::click(rewrite); },
   "创建 重写前 变为0 重写后"},
  {"EachTypedKeyRaisesItOnce",
   [](HWND scoreBox, HWND, HWND) { e2e::setText(scoreBox, ""); e2e::type(scoreBox, "12"); },
   "创建 变为 变为1 变为12"},
  {"TwoWritesInARowRaiseItTwice",
   [](HWND, HWND addTen, HWND) { e2e::click(addTen); e2e::click(addTen); },
   "创建 加前 变为10 加后 加前 变为20 加后"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Demo, ChangedOrder, ::testing::ValuesIn(kChangeCases),
                         [](const auto& info) { return std::string(info.param.what); });

struct TypingCase {
  const char* keys;
  const char* expected;
};

TEST_F(DemoTest, IntegerOnlyBoxDropsTypedCharactersOtherThanDigitsAndMinus) {
  // clang-format off
  const TypingCase cases[] = {
    {"a1b-2",       "1-2"},
    {"--9x--",      "--9--"},
    {"中文 .+",     ""},
    {"12\b3",       "13"},   // Backspace keeps its effect
    {"0123456789",  "0123456789"},
  };
  // clang-format on
  const HWND box = control("编辑框2");
  for (const TypingCase& typing : cases) {
    SCOPED_TRACE(typing.keys);
    e2e::setText(box, "");
    e2e::type(box, typing.keys);
    EXPECT_EQ(e2e::text(box), typing.expected);
  }
}

TEST_F(DemoTest, IntegerOnlyBoxTakesPastedTextUnfiltered) {
  const common::Text letters = "abc中";
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, letters.size() + 1);
  std::memcpy(GlobalLock(memory), letters.c_str(), letters.size() + 1);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
  const HWND box = control("编辑框2");
  e2e::type(box, "7");
  SendMessageA(box, WM_PASTE, 0, 0);
  EXPECT_EQ(e2e::text(box), "7abc中");
}

TEST_F(DemoTest, ModalLoadsReturnInsideOutAsTheirWindowsGo) {
  e2e::click(control("按钮5"));
  const HWND inner = demo_->window(kInnerWindow.title);
  ASSERT_NE(inner, nullptr);
  EXPECT_TRUE(logReads("创建 开一层"));
  e2e::click(e2e::control(inner, kInnerWindow, "按钮1"));
  const HWND innermost = demo_->window(kInnermostWindow.title);
  ASSERT_NE(innermost, nullptr);
  EXPECT_TRUE(logReads("创建 开一层 开二层"));

  e2e::click(e2e::control(innermost, kInnermostWindow, "按钮2"));  // its "关闭": destroy()
  EXPECT_TRUE(logReads("创建 开一层 开二层 二层已关"));
  EXPECT_FALSE(IsWindow(innermost));
  EXPECT_TRUE(e2e::visible(inner));

  e2e::pressEscape(e2e::control(inner, kInnerWindow, "编辑框1"));
  EXPECT_TRUE(logReads("创建 开一层 开二层 二层已关 一层已关"));
  EXPECT_FALSE(IsWindow(inner));
  EXPECT_TRUE(demo_->running());
}

TEST_F(DemoTest, OuterModalLoadWaitsForTheInnerOneEvenWhenItsWindowGoesFirst) {
  e2e::click(control("按钮5"));
  const HWND inner = demo_->window(kInnerWindow.title);
  ASSERT_NE(inner, nullptr);
  e2e::click(e2e::control(inner, kInnerWindow, "按钮1"));
  const HWND innermost = demo_->window(kInnermostWindow.title);
  ASSERT_NE(innermost, nullptr);

  e2e::pressEscape(inner);  // the first level goes while the second still runs inside it
  ASSERT_TRUE(e2e::waitUntil([&] { return !IsWindow(inner); }));
  EXPECT_TRUE(logReads("创建 开一层 开二层"));
  e2e::pressEscape(innermost);
  EXPECT_TRUE(logReads("创建 开一层 开二层 二层已关 一层已关"));
}

TEST_F(DemoTest, ClicksAndTicksRunInsideAWait) {
  const HWND star = control("图片框2");
  const HWND clock = control("透明标签2");
  ASSERT_FALSE(e2e::visible(star));
  const DWORD start = GetTickCount();
  e2e::click(control("按钮3"));
  ASSERT_TRUE(logReads("创建 等1"));
  EXPECT_TRUE(e2e::visible(star));

  const common::Text clockBefore = e2e::text(clock);
  e2e::click(control("按钮1"));
  EXPECT_TRUE(logReads("创建 等1 加前 变为10 加后", 1500));
  EXPECT_EQ(e2e::text(control("编辑框1")), "10");
  EXPECT_TRUE(e2e::waitUntil([&] { return e2e::text(clock) != clockBefore; }, 1500));
  EXPECT_TRUE(e2e::visible(star)) << "a wait of 2 s is not over after " << GetTickCount() - start
                                  << " ms";

  EXPECT_TRUE(logReads("创建 等1 加前 变为10 加后 完1"));
  EXPECT_GE(GetTickCount() - start, 1900u);
  EXPECT_FALSE(e2e::visible(star));
}

TEST_F(DemoTest, AnOuterWaitEndsOnlyAfterTheWaitStartedInsideIt) {
  const HWND star = control("图片框2");
  e2e::click(control("按钮3"));
  ASSERT_TRUE(logReads("创建 等1"));
  const DWORD first = GetTickCount();
  Sleep(700);
  e2e::click(control("按钮3"));
  ASSERT_TRUE(logReads("创建 等1 等2"));
  const DWORD second = GetTickCount();

  // The first wait's own 2 s pass while the second runs: nothing may end yet.
  while (GetTickCount() - first < 2300) Sleep(20);
  if (GetTickCount() - second < 1800) {
    EXPECT_EQ(log(), "创建 等1 等2");
    EXPECT_TRUE(e2e::visible(star));
  }
  EXPECT_TRUE(logReads("创建 等1 等2 完2 完1"));
  EXPECT_FALSE(e2e::visible(star));
}

}  // namespace
}  // namespace toolkit::demo

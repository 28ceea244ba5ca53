// The backend's event semantics, in process: Changed after program writes and typing,
// destroy deferred to the end of the requesting handler, modal loads and run().
#include <vector>

#include "tests/e2e/toolkit/backend_fixture.h"

namespace toolkit::win32 {
namespace {

TEST_F(BackendTest, ProgramWriteRaisesChangedOnceAfterTheTextIsInPlace) {
  std::vector<Text> seen;
  backend_.load(
      window_,
      {{"编辑框1", Event::Changed, [&] { seen.push_back(backend_.text(window_, "编辑框1")); }}},
      Mode::Ordinary);
  ASSERT_TRUE(seen.empty()) << "creating the box is no change";
  backend_.setText(window_, "编辑框1", "新值");
  EXPECT_EQ(seen, std::vector<Text>{"新值"});
  backend_.setText(window_, "编辑框1", "新值");  // unchanged: still once
  EXPECT_EQ(seen, (std::vector<Text>{"新值", "新值"}));
  backend_.setText(window_, "编辑框1", "");
  EXPECT_EQ(seen, (std::vector<Text>{"新值", "新值", ""}));
}

TEST_F(BackendTest, UserChangesRaiseChangedPerChange) {
  int changes = 0;
  backend_.load(window_, {{"编辑框1", Event::Changed, [&] { ++changes; }}}, Mode::Ordinary);
  const HWND box = controlOf(window_, "编辑框1");
  e2e::type(box, "abc");
  EXPECT_EQ(changes, 3);
  e2e::setText(box, "另一个");  // WM_SETTEXT from outside the toolkit is the user's change
  EXPECT_EQ(changes, 4);
  SendMessageA(box, EM_SETSEL, 0, -1);  // WM_SETTEXT left the caret at the start
  e2e::type(box, "\b");
  EXPECT_EQ(changes, 5);
  EXPECT_EQ(e2e::text(box), "");
}

TEST_F(BackendTest, WritingOtherKindsRaisesNothing) {
  int changes = 0;
  backend_.load(window_,
                {{"按钮1", Event::Changed, [&] { ++changes; }},
                 {"标签1", Event::Changed, [&] { ++changes; }}},
                Mode::Ordinary);
  backend_.setText(window_, "按钮1", "新按钮");
  backend_.setText(window_, "标签1", "新标签");
  backend_.setText(window_, "分组框1", "新分组");
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(backend_.text(window_, "按钮1"), "新按钮");
  EXPECT_EQ(backend_.text(window_, "标签1"), "新标签");
  EXPECT_EQ(backend_.text(window_, "分组框1"), "新分组");
}

TEST_F(BackendTest, DestroyWaitsForTheRequestingHandlerAndRaisesDestroyingFirst) {
  std::vector<Text> steps;
  HWND hwnd = nullptr;
  backend_.load(
      window_,
      {{"按钮1", Event::Clicked,
        [&] {
          backend_.destroy(window_);
          steps.push_back(backend_.isLoaded(window_) ? "still loaded" : "gone");
        }},
       {"", Event::Destroying,
        [&] { steps.push_back(IsWindow(hwnd) ? "destroying, window there" : "destroying late"); }}},
      Mode::Ordinary);
  hwnd = hwndOf(window_);
  PostMessageA(controlOf(window_, "按钮1"), BM_CLICK, 0, 0);
  backend_.run();
  EXPECT_EQ(steps, (std::vector<Text>{"still loaded", "destroying, window there"}));
  EXPECT_FALSE(backend_.isLoaded(window_));
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(BackendTest, DestroyOutsideAnyHandlerIsCarriedOutAtOnce) {
  int destroying = 0;
  backend_.load(window_, {{"", Event::Destroying, [&] { ++destroying; }}}, Mode::Ordinary);
  backend_.destroy(window_);
  EXPECT_EQ(destroying, 1);
  EXPECT_FALSE(backend_.isLoaded(window_));
  backend_.destroy(window_);  // nothing left to destroy
  EXPECT_EQ(destroying, 1);
}

TEST_F(BackendTest, ModalLoadReturnsWhenItsWindowIsDestroyed) {
  int ticks = 0;
  backend_.load(other_,
                {{"", Event::Created, [&] { backend_.setTimerPeriod(other_, "时间", 30); }},
                 {"时间", Event::Tick,
                  [&] {
                    if (++ticks == 3) backend_.destroy(other_);
                  }}},
                Mode::Modal);
  EXPECT_EQ(ticks, 3);
  EXPECT_FALSE(backend_.isLoaded(other_));
}

TEST_F(BackendTest, ModalWindowDestroyedByItsCreatedHandlerReturnsAtOnce) {
  bool created = false;
  backend_.load(other_,
                {{"", Event::Created,
                  [&] {
                    created = true;
                    backend_.destroy(other_);
                  }}},
                Mode::Modal);
  EXPECT_TRUE(created);
  EXPECT_FALSE(backend_.isLoaded(other_));
}

TEST_F(BackendTest, NestedModalLoadsReturnInsideOut) {
  std::vector<Text> steps;
  backend_.load(window_,
                {{"", Event::Created,
                  [&] {
                    backend_.load(other_, {{"", Event::Created, [&] { backend_.destroy(other_); }}},
                                  Mode::Modal);
                    steps.push_back("inner returned");
                    backend_.destroy(window_);
                  }}},
                Mode::Modal);
  steps.push_back("outer returned");
  EXPECT_EQ(steps, (std::vector<Text>{"inner returned", "outer returned"}));
}

TEST_F(BackendTest, RunEndsWhenNoWindowIsLeft) {
  int ticks = 0;
  backend_.load(window_,
                {{"时间", Event::Tick,
                  [&] {
                    if (++ticks == 2) backend_.destroy(window_);
                  }}},
                Mode::Ordinary);
  backend_.setTimerPeriod(window_, "时间", 20);
  backend_.run();
  EXPECT_EQ(ticks, 2);
  EXPECT_FALSE(backend_.isLoaded(window_));
}

TEST_F(BackendTest, EscInAnEditBoxClosesTheWindowAsTheCloseBoxDoes) {
  int destroying = 0;
  backend_.load(window_, {{"", Event::Destroying, [&] { ++destroying; }}}, Mode::Ordinary);
  PostMessageA(controlOf(window_, "编辑框1"), WM_KEYDOWN, VK_ESCAPE, 1);
  backend_.wait(300);
  EXPECT_EQ(destroying, 1);
  EXPECT_FALSE(backend_.isLoaded(window_));
}

// Presses a key in the focused control, with Shift held or not, and lets the loop run.
void pressKey(Backend& backend, WPARAM key, bool shift) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(keys);
  PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
  backend.wait(50);
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
}

TEST_F(BackendTest, TabMovesTheFocusInDesignOrderAndEnterDoesNot) {
  backend_.load(window_, {}, Mode::Ordinary);
  const HWND first = controlOf(window_, "编辑框1");
  const HWND second = controlOf(window_, "编辑框2");
  const HWND button = controlOf(window_, "按钮1");
  SetFocus(first);
  ASSERT_EQ(GetFocus(), first);
  pressKey(backend_, VK_RETURN, false);
  EXPECT_EQ(GetFocus(), first);
  pressKey(backend_, VK_TAB, false);
  EXPECT_EQ(GetFocus(), second);
  pressKey(backend_, VK_TAB, false);
  EXPECT_EQ(GetFocus(), button);
  pressKey(backend_, VK_TAB, false);  // labels, group boxes and pictures take no focus
  EXPECT_EQ(GetFocus(), first);
  pressKey(backend_, VK_TAB, true);
  EXPECT_EQ(GetFocus(), button);
  backend_.setVisible(window_, "编辑框2", false);
  SetFocus(first);
  pressKey(backend_, VK_TAB, false);  // a hidden box is passed over
  EXPECT_EQ(GetFocus(), button);
  EXPECT_EQ(backend_.text(window_, "编辑框1"), "初值") << "no tab character typed";
}

TEST_F(BackendTest, HiddenWindowIgnoresTheCloseBox) {
  backend_.load(window_, {}, Mode::Ordinary);
  backend_.setWindowVisible(window_, false);
  PostMessageA(hwndOf(window_), WM_CLOSE, 0, 0);
  backend_.wait(100);
  EXPECT_TRUE(backend_.isLoaded(window_));
  backend_.setWindowVisible(window_, true);
  PostMessageA(hwndOf(window_), WM_CLOSE, 0, 0);
  backend_.run();
  EXPECT_FALSE(backend_.isLoaded(window_));
}

}  // namespace
}  // namespace toolkit::win32

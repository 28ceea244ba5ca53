// Waits and timers in process: a wait processes events, nests hundreds deep with the
// inner waits ending first, lets timers tick, and the window can go in the middle of one.
#include <vector>

#include "tests/e2e/toolkit/backend_fixture.h"

namespace toolkit::win32 {
namespace {

TEST_F(BackendTest, WaitLastsItsTimeAndRunsEventsMeanwhile) {
  int clicks = 0;
  backend_.load(window_, {{"按钮1", Event::Clicked, [&] { ++clicks; }}}, Mode::Ordinary);
  PostMessageA(controlOf(window_, "按钮1"), BM_CLICK, 0, 0);
  const DWORD start = GetTickCount();
  backend_.wait(200);
  EXPECT_GE(GetTickCount() - start, 200u);
  EXPECT_EQ(clicks, 1);
}

TEST_F(BackendTest, WaitEndsOnTimeWhileEventsKeepComing) {
  int clicks = 0;
  const DWORD floodStart = GetTickCount();
  backend_.load(window_,
                {{"按钮1", Event::Clicked,
                  [&] {
                    // Each click asks for the next one, for three seconds.
                    ++clicks;
                    if (GetTickCount() - floodStart < 3000)
                      PostMessageA(controlOf(window_, "按钮1"), BM_CLICK, 0, 0);
                  }}},
                Mode::Ordinary);
  PostMessageA(controlOf(window_, "按钮1"), BM_CLICK, 0, 0);
  const DWORD start = GetTickCount();
  backend_.wait(100);
  EXPECT_LT(GetTickCount() - start, 1000u);
  EXPECT_GT(clicks, 1);
}

TEST_F(BackendTest, WaitOfNothingReturnsAtOnce) {
  backend_.load(window_, {}, Mode::Ordinary);
  for (const int milliseconds : {0, -1, -2000}) {
    const DWORD start = GetTickCount();
    backend_.wait(milliseconds);
    EXPECT_LT(GetTickCount() - start, 50u) << milliseconds;
  }
}

TEST_F(BackendTest, TimersTickDuringAWaitAndStopAtPeriodZero) {
  int ticks = 0;
  backend_.load(window_, {{"时间", Event::Tick, [&] { ++ticks; }}}, Mode::Ordinary);
  backend_.wait(150);
  EXPECT_EQ(ticks, 0) << "a timer with period 0 does not tick";
  backend_.setTimerPeriod(window_, "时间", 30);
  backend_.wait(400);
  EXPECT_GE(ticks, 4);
  backend_.setTimerPeriod(window_, "时间", 0);
  const int stopped = ticks;
  backend_.wait(200);
  EXPECT_EQ(ticks, stopped);
}

TEST_F(BackendTest, TimerSkipsTicksWhileItsOwnHandlerWaits) {
  int running = 0, mostAtOnce = 0, ticks = 0;
  backend_.load(window_,
                {{"时间", Event::Tick,
                  [&] {
                    ++ticks;
                    mostAtOnce = std::max(mostAtOnce, ++running);
                    if (running == 1) backend_.wait(150);  // a tick inside it ends at once
                    --running;
                  }}},
                Mode::Ordinary);
  backend_.setTimerPeriod(window_, "时间", 20);
  backend_.wait(600);
  EXPECT_GE(ticks, 2);
  EXPECT_EQ(mostAtOnce, 1);
}

TEST_F(BackendTest, HundredsOfNestedWaitsEndInsideOut) {
  constexpr int kClicks = 500;
  int depth = 0, deepest = 0, started = 0;
  std::vector<int> endings;
  backend_.load(window_,
                {{"按钮1", Event::Clicked,
                  [&] {
                    const int mine = ++started;
                    deepest = std::max(deepest, ++depth);
                    backend_.wait(300);
                    endings.push_back(mine);
                    --depth;
                  }}},
                Mode::Ordinary);
  const HWND button = controlOf(window_, "按钮1");
  for (int click = 0; click < kClicks; ++click) PostMessageA(button, BM_CLICK, 0, 0);
  const DWORD start = GetTickCount();
  while (static_cast<int>(endings.size()) < kClicks && GetTickCount() - start < 60000)
    backend_.wait(50);
  EXPECT_EQ(deepest, kClicks);
  ASSERT_EQ(static_cast<int>(endings.size()), kClicks);
  for (int at = 0; at < kClicks; ++at) EXPECT_EQ(endings[at], kClicks - at) << at;
}

TEST_F(BackendTest, ClosingTheWindowDuringAWaitRemovesItAtOnce) {
  DWORD waitStarted = 0, destroyedAt = 0;
  bool loadedAfterWait = true;
  backend_.load(window_,
                {{"按钮1", Event::Clicked,
                  [&] {
                    PostMessageA(controlOf(window_, "编辑框1"), WM_KEYDOWN, VK_ESCAPE, 1);
                    waitStarted = GetTickCount();
                    backend_.wait(600);
                    loadedAfterWait = backend_.isLoaded(window_);
                    backend_.setText(window_, "编辑框1", "窗口已去");  // does nothing, safely
                  }},
                 {"", Event::Destroying, [&] { destroyedAt = GetTickCount(); }}},
                Mode::Ordinary);
  PostMessageA(controlOf(window_, "按钮1"), BM_CLICK, 0, 0);
  const DWORD start = GetTickCount();
  backend_.run();
  EXPECT_FALSE(loadedAfterWait);
  ASSERT_NE(destroyedAt, 0u);
  EXPECT_LT(destroyedAt - waitStarted, 300u);
  EXPECT_GE(GetTickCount() - start, 600u) << "run() ends with the wait, not before";
}

}  // namespace
}  // namespace toolkit::win32

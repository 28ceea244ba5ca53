// The figures tools/bench-wait prints: the demo's processor time during one two-second
// wait (all of it, and its middle where only the loop runs) beside the same time idle, and how long
// 500 waits nested by 500 quick clicks take to unwind. A benchmark reports; it never fails on a
// time.
#include <cstdio>
#include <string>

#include "tests/e2e/driver/driver.h"
#include "tests/unit/support/temp_folder.h"
#include "toolkit/demo/demo_windows.h"

namespace {

using toolkit::demo::kMainWindow;

constexpr int kNestedClicks = 500;
constexpr int kNestedPatience = 300000;

bool logEndsWith(HWND log, const std::string& ending) {
  const std::string text = e2e::text(log);
  return text.size() >= ending.size() &&
         text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

int count(const std::string& text, const std::string& part) {
  int found = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++found;
  return found;
}

}  // namespace

int main() {
  testing_support::TempFolder folder;
  e2e::Program demo(e2e::installCopy(E2E_PROGRAM(ToolkitDemo), folder.text()));
  const HWND main = demo.window(kMainWindow.title);
  if (!main) {
    std::printf("the demo did not start\n");
    return 1;
  }
  const HWND log = e2e::control(main, kMainWindow, "标签1");
  const HWND flash = e2e::control(main, kMainWindow, "按钮3");
  Sleep(500);

  const double idleStart = demo.processorMilliseconds();
  Sleep(2000);
  const double idle = demo.processorMilliseconds() - idleStart;

  const double waitStart = demo.processorMilliseconds();
  const DWORD clicked = GetTickCount();
  e2e::click(flash);
  e2e::waitUntil([&] { return logEndsWith(log, "等1"); });
  // The middle of the wait: only the waiting loop (and the clock's ticks) run.
  Sleep(200);
  const double middleStart = demo.processorMilliseconds();
  Sleep(1500);
  const double middle = demo.processorMilliseconds() - middleStart;
  e2e::waitUntil([&] { return logEndsWith(log, "完1"); });
  const DWORD waited = GetTickCount() - clicked;
  const double waiting = demo.processorMilliseconds() - waitStart;
  std::printf(
      "one 2000 ms wait: %lu ms long, %.0f ms of processor time in all, %.0f ms in its "
      "middle 1500 ms (idle for 2000 ms: %.0f ms)\n",
      static_cast<unsigned long>(waited), waiting, middle, idle);

  const double nestedStart = demo.processorMilliseconds();
  const DWORD firstClick = GetTickCount();
  for (int click = 0; click < kNestedClicks; ++click) e2e::click(flash);
  const bool unwound = e2e::waitUntil([&] { return logEndsWith(log, "完2"); }, kNestedPatience);
  const DWORD nestedTime = GetTickCount() - firstClick;
  const std::string text = e2e::text(log);
  std::printf(
      "%d nested waits: %s after %lu ms, %d started, %d ended, %.0f ms of processor time; "
      "the demo is %s\n",
      kNestedClicks, unwound ? "all ended" : "NOT all ended",
      static_cast<unsigned long>(nestedTime), count(text, "等") - 1, count(text, "完") - 1,
      demo.processorMilliseconds() - nestedStart, demo.running() ? "still running" : "gone");
  e2e::pressEscape(main);
  demo.waitForExit();
  return 0;
}

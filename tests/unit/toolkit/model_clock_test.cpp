// The virtual clock: scheduled actions, waits and how they nest, timers, and the end of
// the event loop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/toolkit/test_windows.h"
#include "toolkit/model/model.h"

namespace toolkit::model {
namespace {

using namespace testing_windows;

using Log = std::vector<std::string>;

std::string at(const Model& model, const std::string& what) {
  return what + "@" + std::to_string(model.now());
}

// The main window with 按钮1 waiting `firstWait` ms and 按钮2 waiting `secondWait` ms, each
// noting when its click and its wait's end happen.
class ModelClock : public ::testing::Test {
 protected:
  void loadWaiting(int firstWait, int secondWait) {
    model.load(kMain,
               {{"按钮1", Event::Clicked, waiting("first", firstWait)},
                {"按钮2", Event::Clicked, waiting("second", secondWait)},
                {"时间", Event::Tick, [this] { log.push_back(at(model, "tick")); }}},
               Mode::Ordinary);
  }
  std::function<void()> waiting(std::string name, int milliseconds) {
    return [this, name, milliseconds] {
      log.push_back(at(model, name));
      model.wait(milliseconds);
      log.push_back(at(model, name + " done"));
    };
  }

  Model model;
  Log log;
};

TEST_F(ModelClock, ActionsRunInTimeOrderAndTiesInTheOrderScheduled) {
  model.load(kMain, {}, Mode::Ordinary);
  model.after(30, [&] { log.push_back(at(model, "c")); });
  model.after(10, [&] {
    log.push_back(at(model, "a"));
    model.after(0, [&] { log.push_back(at(model, "a's follow-up")); });
  });
  model.after(10, [&] { log.push_back(at(model, "b")); });
  model.after(-5, [&] { log.push_back(at(model, "negative is now")); });
  model.run();
  EXPECT_EQ(log, (Log{"negative is now@0", "a@10", "b@10", "a's follow-up@10", "c@30"}));
}

TEST_F(ModelClock, WaitRunsWhatIsDueBeforeItsDeadlineAndLeavesTheRestForLater) {
  loadWaiting(2000, 0);
  model.after(0, [&] { model.click(kMain, "按钮1"); });
  model.after(1999, [&] { log.push_back(at(model, "inside")); });
  model.after(2000, [&] { log.push_back(at(model, "at the deadline")); });
  model.run();
  EXPECT_EQ(log, (Log{"first@0", "inside@1999", "first done@2000", "at the deadline@2000"}));
}

TEST_F(ModelClock, OuterWaitWithItsDeadlinePassedStillEndsAfterTheInnerOne) {
  loadWaiting(2000, 2000);
  model.after(0, [&] { model.click(kMain, "按钮1"); });
  model.after(500, [&] { model.click(kMain, "按钮2"); });
  model.after(2100, [&] { log.push_back(at(model, "between")); });
  model.run();
  EXPECT_EQ(log,
            (Log{"first@0", "second@500", "between@2100", "second done@2500", "first done@2500"}));
}

TEST_F(ModelClock, OuterWaitWithTimeLeftGoesOnAfterTheInnerOne) {
  loadWaiting(3000, 1000);
  model.after(0, [&] { model.click(kMain, "按钮1"); });
  model.after(500, [&] { model.click(kMain, "按钮2"); });
  model.after(2000, [&] { log.push_back(at(model, "outer still waiting")); });
  model.run();
  EXPECT_EQ(log, (Log{"first@0", "second@500", "second done@1500", "outer still waiting@2000",
                      "first done@3000"}));
}

TEST_F(ModelClock, TimersTickDuringWaits) {
  loadWaiting(2000, 0);
  model.after(0, [&] {
    model.setTimerPeriod(kMain, "时间", 500);
    model.click(kMain, "按钮1");
  });
  model.after(2200, [&] { model.setTimerPeriod(kMain, "时间", 0); });
  model.after(5000, [&] { log.push_back(at(model, "end")); });
  model.run();
  EXPECT_EQ(log, (Log{"first@0", "tick@500", "tick@1000", "tick@1500", "first done@2000",
                      "tick@2000", "end@5000"}));
}

TEST_F(ModelClock, PeriodChangesRestartTheRhythmAndZeroStops) {
  loadWaiting(0, 0);
  model.setTimerPeriod(kMain, "时间", 300);
  EXPECT_EQ(model.timerPeriod(kMain, "时间"), 300);
  model.advance(700);  // ticks at 300 and 600
  model.setTimerPeriod(kMain, "时间", 1000);
  model.advance(1500);  // from 700: one tick at 1700
  model.setTimerPeriod(kMain, "时间", 0);
  EXPECT_EQ(model.timerPeriod(kMain, "时间"), 0);
  model.advance(5000);
  EXPECT_EQ(log, (Log{"tick@300", "tick@600", "tick@1700"}));
  EXPECT_EQ(model.now(), 7200u);
}

TEST_F(ModelClock, TimerDoesNotTickWhileItsOwnTickHandlerRuns) {
  Log ticks;
  model.load(kMain,
             {{"时间", Event::Tick,
               [&] {
                 ticks.push_back(at(model, "slow tick"));
                 model.wait(1200);
               }},
              {"时间2", Event::Tick, [&] { ticks.push_back(at(model, "other tick")); }}},
             Mode::Ordinary);
  model.setTimerPeriod(kMain, "时间", 500);
  model.setTimerPeriod(kMain, "时间2", 400);
  model.advance(2100);
  // The slow timer is due at 1000 and 1500 while its 500 tick waits until 1700; it keeps
  // its rhythm and ticks again at 2000 (scheduled before the other timer's 2000 tick).
  // The other timer ticks throughout, also inside the second slow tick's wait.
  EXPECT_EQ(ticks, (Log{"other tick@400", "slow tick@500", "other tick@800", "other tick@1200",
                        "other tick@1600", "slow tick@2000", "other tick@2000", "other tick@2400",
                        "other tick@2800"}));
  EXPECT_EQ(model.now(), 3200u) << "the inner wait took the clock past the advance";
}

TEST_F(ModelClock, RunEndsWhenNothingIsScheduledOrNoWindowIsLeft) {
  Log script;
  model.after(10, [&] { script.push_back("without a window"); });
  model.run();
  EXPECT_TRUE(script.empty()) << "with no window run() returns at once";

  loadWaiting(0, 0);
  model.setTimerPeriod(kMain, "时间", 100);
  model.run();  // the action due at 10 runs; timers alone do not keep it going
  EXPECT_EQ(script, (Log{"without a window"}));
  EXPECT_EQ(model.now(), 10u);
  EXPECT_TRUE(model.isLoaded(kMain));

  model.after(150, [&] { model.destroy(kMain); });
  model.after(1000, [&] { script.push_back("after the last window"); });
  model.run();
  EXPECT_FALSE(model.isLoaded(kMain));
  EXPECT_EQ(model.now(), 160u);
  EXPECT_EQ(script.size(), 1u);
  EXPECT_EQ(log, (Log{"tick@100"})) << "the timer keeps the rhythm it started with";
}

TEST_F(ModelClock, LoopDepthCountsRunningLoops) {
  std::vector<int> depths;
  model.load(kMain,
             {{"按钮1", Event::Clicked,
               [&] {
                 depths.push_back(model.loopDepth());
                 model.after(10, [&] { depths.push_back(model.loopDepth()); });
                 model.wait(100);
               }}},
             Mode::Ordinary);
  depths.push_back(model.loopDepth());
  model.after(0, [&] { model.click(kMain, "按钮1"); });
  model.run();
  depths.push_back(model.loopDepth());
  EXPECT_EQ(depths, (std::vector<int>{0, 1, 2, 0}));
}

TEST_F(ModelClock, FiveHundredNestedWaitsAllComplete) {
  constexpr int kClicks = 500;
  int waiting = 0;
  int deepest = 0;
  std::vector<std::uint32_t> ends;
  model.load(kMain,
             {{"按钮1", Event::Clicked,
               [&] {
                 ++waiting;
                 deepest = std::max(deepest, model.loopDepth());
                 model.wait(2000);
                 ends.push_back(model.now());
                 --waiting;
               }}},
             Mode::Ordinary);
  for (int click = 1; click <= kClicks; ++click)
    model.after(click, [&] { model.click(kMain, "按钮1"); });
  model.run();
  EXPECT_EQ(waiting, 0);
  EXPECT_EQ(deepest, kClicks) << "each click waited inside the one before it";
  ASSERT_EQ(ends.size(), static_cast<std::size_t>(kClicks));
  for (const std::uint32_t end : ends) EXPECT_EQ(end, kClicks + 2000u);
}

}  // namespace
}  // namespace toolkit::model

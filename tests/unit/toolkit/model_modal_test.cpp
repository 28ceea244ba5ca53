// Modal loads: a chain of step windows like a wizard, each waiting inside the handler
// that loaded it, and loops that end when their window goes or the script is over.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/toolkit/test_windows.h"
#include "toolkit/model/model.h"

namespace toolkit::model {
namespace {

using namespace testing_windows;

using Log = std::vector<std::string>;

inline constexpr const WindowDesign* kChain[] = {&kStep1, &kStep2, &kStep3};

// Each step's "下一步" hides its window and loads the next step modally, noting when it
// comes back; the last step has no button handler.
class ModelModalChain : public ::testing::Test {
 protected:
  Bindings stepBindings(std::size_t step) {
    if (step + 1 >= std::size(kChain)) return {};
    return {{"按钮1", Event::Clicked, [this, step] {
               model.setWindowVisible(*kChain[step], false);
               model.load(*kChain[step + 1], stepBindings(step + 1), Mode::Modal);
               log.push_back("step" + std::to_string(step + 1) + " resumes at " +
                             std::to_string(model.now()));
             }}};
  }
  std::vector<const WindowDesign*> shown() const {
    std::vector<const WindowDesign*> windows;
    for (const WindowDesign* window : kChain)
      if (model.windowVisible(*window)) windows.push_back(window);
    return windows;
  }

  Model model;
  Log log;
};

TEST_F(ModelModalChain, ClosingTheInnermostReturnsControlToTheHandlerWaitingForIt) {
  model.load(kStep1, stepBindings(0), Mode::Ordinary);
  std::vector<int> depths;
  std::vector<std::vector<const WindowDesign*>> views;
  auto look = [&] {
    depths.push_back(model.loopDepth());
    views.push_back(shown());
  };
  model.after(10, [&] { model.click(kStep1, "按钮1"); });
  model.after(20, [&] { model.click(kStep2, "按钮1"); });
  model.after(30, look);
  model.after(40, [&] { model.closeWindow(kStep3); });
  model.after(45, look);
  // The earlier steps stay hidden, out of the user's reach: the program closes them.
  model.after(50, [&] { model.destroy(kStep2); });
  model.after(55, look);
  model.after(60, [&] { model.destroy(kStep1); });
  model.after(70, [&] { log.push_back("never: run ends with its last window"); });
  model.run();

  EXPECT_EQ(log, (Log{"step2 resumes at 40", "step1 resumes at 50"}));
  EXPECT_EQ(depths, (std::vector<int>{3, 2, 1}));
  using Shown = std::vector<const WindowDesign*>;
  EXPECT_EQ(views, (std::vector<Shown>{{&kStep3}, {}, {}}))
      << "only the newest step shows; closing it shows no earlier one";
  EXPECT_FALSE(model.isLoaded(kStep1));
  EXPECT_FALSE(model.isLoaded(kStep2));
  EXPECT_FALSE(model.isLoaded(kStep3));
  EXPECT_EQ(model.loopDepth(), 0);
}

TEST_F(ModelModalChain, HiddenEarlierStepsStayLoadedWhileLaterOnesShow) {
  model.load(kStep1, stepBindings(0), Mode::Ordinary);
  bool allLoaded = false;
  model.after(0, [&] { model.click(kStep1, "按钮1"); });
  model.after(0, [&] { model.click(kStep2, "按钮1"); });
  model.after(0, [&] {
    allLoaded = model.isLoaded(kStep1) && model.isLoaded(kStep2) && model.isLoaded(kStep3);
  });
  model.run();
  EXPECT_TRUE(allLoaded);
  EXPECT_EQ(log, (Log{"step2 resumes at 0", "step1 resumes at 0"}))
      << "when the script is over each modal load returns";
  EXPECT_EQ(shown(), (std::vector<const WindowDesign*>{&kStep3}));
}

TEST(ModelModal, LoadReturnsWhenNothingIsScheduled) {
  Model model;
  int ticks = 0;
  model.load(kMain,
             {{"", Event::Created, [&] { model.setTimerPeriod(kMain, "时间", 100); }},
              {"时间", Event::Tick, [&] { ++ticks; }}},
             Mode::Modal);
  EXPECT_TRUE(model.isLoaded(kMain)) << "a timer alone does not keep a modal loop going";
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(model.loopDepth(), 0);
}

TEST(ModelModal, ModalLoopRunsTheScriptAndTimersUntilItsWindowGoes) {
  Model model;
  Log log;
  model.after(250, [&] { log.push_back("action at " + std::to_string(model.now())); });
  model.after(350, [&] { model.destroy(kMain); });
  model.after(900, [&] { log.push_back("after the window"); });
  model.load(
      kMain,
      {{"", Event::Created, [&] { model.setTimerPeriod(kMain, "时间", 100); }},
       {"时间", Event::Tick, [&] { log.push_back("tick at " + std::to_string(model.now())); }}},
      Mode::Modal);
  log.push_back("load returned at " + std::to_string(model.now()));
  EXPECT_EQ(log, (Log{"tick at 100", "tick at 200", "action at 250", "tick at 300",
                      "load returned at 350"}));
}

}  // namespace
}  // namespace toolkit::model

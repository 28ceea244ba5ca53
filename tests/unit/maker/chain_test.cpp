// The chain of step windows: each step hides itself and waits in a modal load of the next,
// and closing any step ends the maker with every window closed.
#include "tests/unit/maker/maker_run.h"

namespace maker::testing {
namespace {

struct ChainState {
  std::vector<int> visible;
  std::vector<int> loaded;
  int loops;  // run() and the modal loads waiting in it
  bool operator==(const ChainState&) const = default;
};

void PrintTo(const ChainState& state, std::ostream* out) {
  *out << "visible " << ::testing::PrintToString(state.visible) << ", loaded "
       << ::testing::PrintToString(state.loaded) << ", loops " << state.loops;
}

TEST_F(MakerRun, OnlyTheNewestStepShowsWhileTheEarlierOnesWaitHidden) {
  std::vector<ChainState> states;
  auto look = [&] {
    step([&] { states.push_back({visibleSteps(), loadedSteps(), model.loopDepth()}); });
  };
  look();
  for (int answered = 1; answered <= 3; ++answered) {
    if (answered == 3) choosePhoto(kPhotoPath);
    pressForward(answered);
    look();
  }
  run();

  EXPECT_EQ(states,
            (std::vector<ChainState>{
                {{1}, {1}, 1}, {{2}, {1, 2}, 2}, {{3}, {1, 2, 3}, 3}, {{4}, {1, 2, 3, 4}, 4}}));
  EXPECT_FALSE(anyWindowLoaded());
}

TEST_F(MakerRun, StepsShowTheirTitleAndDefaults) {
  common::Text title, titleAnswer, prefixAnswer, photoAnswer;
  step([&] {
    title = model.title(kStep1Window);
    titleAnswer = model.text(kStep1Window, kAnswerBox);
  });
  pressForward(1);
  step([&] { prefixAnswer = model.text(kStep2Window, kAnswerBox); });
  pressForward(2);
  step([&] { photoAnswer = model.text(kStep3Window, kAnswerBox); });
  run();

  EXPECT_EQ(title, "ZavoMorvek计算器专属版制作器");
  EXPECT_EQ(titleAnswer, "ZavoYelvi计算器专属版");
  EXPECT_EQ(prefixAnswer, "Yelvi：");
  EXPECT_EQ(photoAnswer, "");
}

enum class Closing { CloseBox, Escape };

struct ClosedStep {
  int step;
  Closing how;
};
void PrintTo(const ClosedStep& row, std::ostream* out) {
  *out << "step " << row.step << (row.how == Closing::CloseBox ? " by its close box" : " by Esc");
}

class ClosingAStep : public MakerRun, public ::testing::WithParamInterface<ClosedStep> {};

TEST_P(ClosingAStep, EndsTheMakerWithEveryWindowClosedAndNothingInstalled) {
  const ClosedStep& row = GetParam();
  reachStep(row.step);
  step([&] {
    if (row.how == Closing::CloseBox)
      model.closeWindow(stepWindow(row.step));
    else
      model.pressEscape(stepWindow(row.step));
  });
  noteIfStillRunning();
  run();

  EXPECT_FALSE(stillRunning) << "the maker ends when the step is closed";
  EXPECT_FALSE(anyWindowLoaded());
  EXPECT_TRUE(model.messages().empty());
  EXPECT_FALSE(common::fileExists(inRun("Zavo计算器.exe")));
  EXPECT_TRUE(shell.saved().empty());
  for (int answered = 1; answered < row.step; ++answered)
    EXPECT_TRUE(common::fileExists(inRun(std::to_string(answered) + ".txt")));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Maker, ClosingAStep, ::testing::Values(
  ClosedStep{1, Closing::CloseBox}, ClosedStep{1, Closing::Escape},
  ClosedStep{2, Closing::CloseBox}, ClosedStep{2, Closing::Escape},
  ClosedStep{3, Closing::CloseBox}, ClosedStep{3, Closing::Escape},
  ClosedStep{4, Closing::CloseBox}, ClosedStep{4, Closing::Escape}));
// clang-format on

}  // namespace
}  // namespace maker::testing

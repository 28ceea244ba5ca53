// The tally: bonus buttons with their flashes, typed amounts, restart, and the flash
// timing on the model's virtual clock.
#include <gtest/gtest.h>

#include <optional>

#include "assets/assets.h"
#include "calculator_fixture.h"

namespace calculator::testing {
namespace {

struct BonusCase {
  const char* button;
  const char* scoreBox;
  const char* flashBox;
  const char* score;                     // from "0"
  const common::EmbeddedBytes* picture;  // nullptr: nothing flashes
};

constexpr const common::EmbeddedBytes* kNone = nullptr;

// clang-format off
const BonusCase kBonusCases[] = {
  {"按钮1",  kScore1, kFlash1, "10",   kNone},
  {"按钮2",  kScore1, kFlash1, "33",   kNone},
  {"按钮3",  kScore1, kFlash1, "66",   kNone},
  {"按钮4",  kScore1, kFlash1, "199",  kNone},
  {"按钮5",  kScore1, kFlash1, "520",  &assets::kFlashAngel},
  {"按钮6",  kScore1, kFlash1, "521",  &assets::kFlashLollipop},
  {"按钮7",  kScore1, kFlash1, "1000", &assets::kFlashLollipop},
  {"按钮8",  kScore1, kFlash1, "1314", &assets::kFlashLollipop},
  {"按钮9",  kScore1, kFlash1, "1880", &assets::kFlashLips},
  {"按钮10", kScore1, kFlash1, "1990", &assets::kFlashFireworks},
  {"按钮11", kScore1, kFlash1, "5200", &assets::kFlashAngel},
  {"按钮22", kScore2, kFlash2, "10",   kNone},
  {"按钮21", kScore2, kFlash2, "33",   kNone},
  {"按钮20", kScore2, kFlash2, "66",   kNone},
  {"按钮19", kScore2, kFlash2, "199",  kNone},
  {"按钮18", kScore2, kFlash2, "520",  &assets::kFlashAngel},
  {"按钮17", kScore2, kFlash2, "521",  &assets::kFlashDuck},
  {"按钮16", kScore2, kFlash2, "1000", &assets::kFlashDuck},
  {"按钮15", kScore2, kFlash2, "1314", &assets::kFlashDuck},
  {"按钮14", kScore2, kFlash2, "1880", &assets::kFlashLips},
  {"按钮13", kScore2, kFlash2, "1990", &assets::kFlashFireworks},
  {"按钮12", kScore2, kFlash2, "5200", &assets::kFlashAngel},
};
// clang-format on

using Tally = CalculatorTest;

// What a flash box showed halfway through its wait.
struct Seen {
  bool visible;
  common::ByteBlock picture;
};

TEST_F(Tally, EveryBonusButtonAddsItsAmountAndFlashesItsTeamsPicture) {
  startWithConfiguration();
  for (const BonusCase& c : kBonusCases) {
    SCOPED_TRACE(c.button);
    click("按钮23");
    std::optional<Seen> seen;
    model.after(1000, [&] {
      seen = Seen{visible(c.flashBox), model.picture(kMainWindow, c.flashBox)};
    });
    const std::uint32_t clickedAt = model.now();
    click(c.button);
    EXPECT_EQ(text(c.scoreBox), c.score);
    EXPECT_EQ(text(c.scoreBox == kScore1 ? kScore2 : kScore1), "0");
    EXPECT_FALSE(visible(c.flashBox));
    if (c.picture) {
      EXPECT_EQ(model.now() - clickedAt, 2000u);
      ASSERT_TRUE(seen.has_value()) << "the click returned before its flash was over";
      EXPECT_TRUE(seen->visible);
      EXPECT_EQ(seen->picture, bytesOf(*c.picture));
      EXPECT_EQ(model.picture(kMainWindow, c.flashBox), bytesOf(*c.picture))
          << "the picture stays in the hidden box";
    } else {
      EXPECT_EQ(model.now(), clickedAt) << "no wait without a picture";
      model.advance(1001);
      ASSERT_TRUE(seen.has_value());
      EXPECT_FALSE(seen->visible);
    }
  }
}

TEST_F(Tally, EachBonusAddsToWhatTheScoreBoxHolds) {
  startWithConfiguration();
  struct Step {
    const char* typed;  // put into team 1's score box first, or nullptr
    const char* button;
    const char* score;
  };
  // clang-format off
  const Step kSteps[] = {
    {nullptr,      "按钮1", "10"},
    {nullptr,      "按钮2", "43"},
    {"abc",        "按钮5", "520"},   // text that holds no number counts as 0
    {"",           "按钮3", "66"},
    {"１２ａ",     "按钮1", "22"},    // full-width digits count
    {"-100",       "按钮4", "99"},
    {"2147483647", "按钮1", "2147483657"},   // the sum is a real: no wrap on the way out
    {nullptr,      "按钮1", "-2147483629"},  // read back with 32-bit wrap-around
  };
  // clang-format on
  for (const Step& step : kSteps) {
    SCOPED_TRACE(step.score);
    if (step.typed) put(kScore1, step.typed);
    click(step.button);
    EXPECT_EQ(text(kScore1), step.score);
  }
}

struct FreeAmountCase {
  const char* score;
  const char* amount;
  const char* result;
};

// clang-format off
const FreeAmountCase kFreeAmountCases[] = {
  {"1000",       "250",  "1250"},
  {"1000",       "",     "1000"},
  {"1000",       "-1-2", "999"},
  {"",           "7",    "7"},
  {"5",          "4294967306", "15"},
  {"2147483647", "2147483647", "4294967294"},
  {"-2147483648", "-2147483648", "-4294967296"},
};
// clang-format on

TEST_F(Tally, PlusAddsTheTypedAmountAndEmptiesItsBox) {
  startWithConfiguration();
  const struct {
    const char* scoreBox;
    const char* amountBox;
    const char* plus;
  } kTeamsUnderTest[] = {{kScore1, "编辑框6", "按钮25"}, {kScore2, "编辑框7", "按钮26"}};
  for (const auto& team : kTeamsUnderTest) {
    for (const FreeAmountCase& c : kFreeAmountCases) {
      SCOPED_TRACE(std::string(team.plus) + " " + c.score + " + " + c.amount);
      put(team.scoreBox, c.score);
      put(team.amountBox, c.amount);
      const std::uint32_t clickedAt = model.now();
      click(team.plus);
      EXPECT_EQ(text(team.scoreBox), c.result);
      EXPECT_EQ(text(team.amountBox), "");
      EXPECT_EQ(model.now(), clickedAt) << "a typed amount flashes nothing";
    }
  }
}

TEST_F(Tally, AmountBoxesTakeOnlyDigitsAndMinusFromTheKeyboard) {
  startWithConfiguration();
  for (const char* box : {"编辑框6", "编辑框7"}) {
    SCOPED_TRACE(box);
    type(box, "a1b-2 +.");
    EXPECT_EQ(text(box), "1-2");
    type(box, "\b");
    EXPECT_EQ(text(box), "1-");
    model.paste(kMainWindow, box, "xy");
    EXPECT_EQ(text(box), "1-xy") << "pasted text is not filtered";
  }
  put("编辑框7", "-");
  put(kScore2, "40");
  click("按钮26");
  EXPECT_EQ(text(kScore2), "40") << "a lone minus counts as 0";
}

TEST_F(Tally, RestartWritesTheScoresAndTheDifferenceInItsOrder) {
  startWithConfiguration();
  click("按钮5");
  click("按钮15");
  type("编辑框4", "甲乙");
  type("编辑框5", "丙");
  put("编辑框6", "12");
  ASSERT_EQ(text(kScore1), "520");
  ASSERT_EQ(text(kScore2), "1314");
  toolkit.log.clear();

  click("按钮23");

  const std::vector<common::Text> expected = {
      "编辑框1=0",
      // The comparison with team 1 at 0 and team 2 still at its old score.
      "编辑框2=1314",
      "hide 外形框1",
      "show 外形框2",
      "编辑框2=0",
      "编辑框3=0",
      // The comparison with both at 0.
      "hide 外形框1",
      "hide 外形框2",
      "编辑框2=0",
      "编辑框4=",
      "编辑框5=",
      "hide 外形框2",
      "hide 外形框1",
  };
  EXPECT_EQ(toolkit.log, expected);
  for (const char* zero : {kScore1, "编辑框2", kScore2}) EXPECT_EQ(text(zero), "0");
  EXPECT_EQ(text("编辑框6"), "12") << "amount boxes are not reset";
}

TEST_F(Tally, AFlashShowsForTwoSecondsWhileTheClockGoesOn) {
  startWithConfiguration();
  model.advance(1);
  clock.time = {2025, 6, 1, 10, 0, 0};
  std::vector<bool> shown;
  for (int at : {1, 1000, 1999}) model.after(at, [&] { shown.push_back(visible(kFlash1)); });
  model.after(1200, [&] { clock.time.second = 42; });
  const std::uint32_t clickedAt = model.now();
  click("按钮5");
  EXPECT_EQ(shown, (std::vector<bool>{true, true, true}));
  EXPECT_EQ(model.now() - clickedAt, 2000u);
  EXPECT_FALSE(visible(kFlash1));
  EXPECT_EQ(text(kClockLabel), "10时0分42秒") << "the clock ticked during the wait";
  EXPECT_EQ(text("编辑框2"), "520") << "the comparison ran before the flash";
  EXPECT_TRUE(visible("外形框1"));
}

TEST_F(Tally, ASecondFlashOfTheSameTeamReplacesThePictureAndExtendsTheShow) {
  startWithConfiguration();
  common::ByteBlock pictureAfterSecond;
  bool visibleAfterFirstWait = false;
  model.after(1000, [&] {
    click("按钮8");  // "+1314": the lollipop, two seconds from now
  });
  model.after(1001, [&] { pictureAfterSecond = model.picture(kMainWindow, kFlash1); });
  model.after(2500, [&] { visibleAfterFirstWait = visible(kFlash1); });
  const std::uint32_t clickedAt = model.now();
  click("按钮5");  // "+520": the angel
  EXPECT_EQ(pictureAfterSecond, bytesOf(assets::kFlashLollipop));
  EXPECT_TRUE(visibleAfterFirstWait);
  EXPECT_EQ(model.now() - clickedAt, 3000u) << "hidden two seconds after the second click";
  EXPECT_FALSE(visible(kFlash1));
  EXPECT_EQ(text(kScore1), "1834");
}

TEST_F(Tally, TheOtherTeamsFlashKeepsTheFirstShownUntilItsOwnWaitEnds) {
  startWithConfiguration();
  std::optional<Seen> team1At2500, team2At2500;
  model.after(1000, [&] { click("按钮18"); });
  model.after(2500, [&] {
    team1At2500 = Seen{visible(kFlash1), model.picture(kMainWindow, kFlash1)};
    team2At2500 = Seen{visible(kFlash2), model.picture(kMainWindow, kFlash2)};
  });
  const std::uint32_t clickedAt = model.now();
  click("按钮5");
  ASSERT_TRUE(team1At2500 && team2At2500);
  EXPECT_TRUE(team1At2500->visible) << "its own 2000 ms are over, the inner wait is not";
  EXPECT_TRUE(team2At2500->visible);
  EXPECT_EQ(team2At2500->picture, bytesOf(assets::kFlashAngel));
  EXPECT_EQ(model.now() - clickedAt, 3000u);
  EXPECT_FALSE(visible(kFlash1));
  EXPECT_FALSE(visible(kFlash2));
  EXPECT_EQ(text("编辑框2"), "0");
}

TEST_F(Tally, RestartDuringAFlashLeavesThePictureToItsWait) {
  startWithConfiguration();
  bool shownAfterRestart = false;
  model.after(500, [&] {
    click("按钮23");
    shownAfterRestart = visible(kFlash1);
  });
  click("按钮11");
  EXPECT_TRUE(shownAfterRestart);
  EXPECT_FALSE(visible(kFlash1));
  EXPECT_EQ(text(kScore1), "0");
}

TEST_F(Tally, ClosingTheWindowDuringAFlashEndsTheProgramByTheEndOfTheWait) {
  startWithConfiguration();
  model.after(500, [&] { model.closeWindow(kMainWindow); });
  bool goneAt501 = false;
  model.after(501, [&] { goneAt501 = !model.isLoaded(kMainWindow); });
  const std::uint32_t clickedAt = model.now();
  click("按钮5");
  EXPECT_TRUE(goneAt501) << "the window goes at once";
  EXPECT_LE(model.now() - clickedAt, 2000u);
  EXPECT_FALSE(model.isLoaded(kMainWindow));
  toolkit.run();  // the program's loop finds no window and returns
}

}  // namespace
}  // namespace calculator::testing

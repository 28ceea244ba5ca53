// The lead comparison as the score boxes set it off: the difference and the lead bars.
#include <gtest/gtest.h>

#include <algorithm>

#include "calculator_fixture.h"

namespace calculator::testing {
namespace {

struct ComparisonCase {
  const char* score1;
  const char* score2;
  const char* difference;
  bool team1Leads, team2Leads;
};

// clang-format off
const ComparisonCase kComparisonCases[] = {
  {"1314",        "520",         "794",        true,  false},
  {"520",         "1314",        "794",        false, true},
  {"66",          "66",          "0",          false, false},
  {"0",           "0",           "0",          false, false},
  {"-5",          "0",           "5",          false, true},
  {"",            "66",          "66",         false, true},
  {"abc",         "",            "0",          false, false},
  {"１２",        "12",          "0",          false, false},
  // Subtracted as reals: far-apart scores give their whole difference.
  {"2147483647",  "-2147483648", "4294967295", true,  false},
  {"-2147483648", "2147483647",  "4294967295", false, true},
  // A score written beyond 32 bits compares as the text rules read it back.
  {"2147483657",  "0",           "2147483639", false, true},
};
// clang-format on

using Comparison = CalculatorTest;

TEST_F(Comparison, EitherScoreBoxChangingSetsTheDifferenceAndTheLeader) {
  startWithConfiguration();
  for (const ComparisonCase& c : kComparisonCases) {
    for (const bool team1Last : {false, true}) {
      SCOPED_TRACE(std::string(c.score1) + " : " + c.score2 + (team1Last ? ", team 1 last" : ""));
      put(kDifference, "stale");
      put(team1Last ? kScore2 : kScore1, team1Last ? c.score2 : c.score1);
      put(team1Last ? kScore1 : kScore2, team1Last ? c.score1 : c.score2);
      EXPECT_EQ(text(kDifference), c.difference);
      EXPECT_EQ(visible(kLead1), c.team1Leads);
      EXPECT_EQ(visible(kLead2), c.team2Leads);
      EXPECT_EQ(text(kScore1), c.score1) << "the scores are only read";
      EXPECT_EQ(text(kScore2), c.score2);
    }
  }
}

TEST_F(Comparison, TypingRunsItOncePerKeystroke) {
  startWithConfiguration();
  type(kScore1, "\b");  // the design's "0"
  toolkit.log.clear();
  type(kScore1, "-5");
  const auto differenceWrites =
      std::count_if(toolkit.log.begin(), toolkit.log.end(),
                    [](const common::Text& line) { return line.starts_with("编辑框2="); });
  EXPECT_EQ(differenceWrites, 2);
  EXPECT_EQ(text(kDifference), "5");
  EXPECT_TRUE(visible(kLead2));
  EXPECT_FALSE(visible(kLead1));

  type(kScore2, "\b66");
  type(kScore1, "\b\b");
  EXPECT_EQ(text(kScore1), "");
  EXPECT_EQ(text(kDifference), "66") << "a deleted text counts as 0 at once";
}

TEST_F(Comparison, RewritingTheSameScoreStillRunsIt) {
  startWithConfiguration();
  put(kScore2, "7");
  toolkit.log.clear();
  put(kScore2, "7");
  const std::vector<common::Text> expected = {"编辑框2=7", "hide 外形框1", "show 外形框2"};
  EXPECT_EQ(toolkit.log, expected);
}

TEST_F(Comparison, OtherBoxesDoNotSetItOff) {
  startWithConfiguration();
  put(kScore1, "10");
  toolkit.log.clear();
  for (const char* box :
       {"编辑框2", "编辑框4", "编辑框5", "编辑框6", "编辑框7", "编辑框8", "编辑框13"}) {
    SCOPED_TRACE(box);
    type(box, "1");
  }
  EXPECT_TRUE(toolkit.log.empty());
  EXPECT_TRUE(visible(kLead1));
}

}  // namespace
}  // namespace calculator::testing

// The settings panel: the toggle button's caption-driven heights, the team labels and
// the contact link.
#include <gtest/gtest.h>

#include "calculator_fixture.h"

namespace calculator::testing {
namespace {

constexpr const char* kToggle = "按钮24";

using SettingsPanel = CalculatorTest;

TEST_F(SettingsPanel, TheToggleCaptionDecidesTheHeight) {
  startWithConfiguration();
  const common::Text down = repeated("↓", 32), up = repeated("↑", 32);
  struct Step {
    const char* what;
    common::Text captionBefore;  // put on the button first; empty: leave it
    int height;
    common::Text caption;
  };
  const Step kSteps[] = {
      {"first click opens", "", 380, up},
      {"second click closes, four pixels above the design", "", 237, down},
      {"third click opens again", "", 380, up},
      {"a foreign caption counts as open", "设置", 237, down},
      {"31 arrows are not the closed caption", repeated("↓", 31), 237, down},
      {"33 arrows neither", repeated("↓", 33), 237, down},
      {"the height is not read", down, 380, up},
  };
  for (const Step& step : kSteps) {
    SCOPED_TRACE(step.what);
    if (!step.captionBefore.empty()) put(kToggle, step.captionBefore);
    click(kToggle);
    EXPECT_EQ(model.height(kMainWindow), step.height);
    EXPECT_EQ(text(kToggle), step.caption);
  }
}

TEST_F(SettingsPanel, SaveSetsTheFiveCaptionsFromTheirBoxes) {
  startWithConfiguration();
  struct Pair {
    const char* box;
    const char* group;
    const char* typed;
  };
  // clang-format off
  const Pair kPairs[] = {
    {"编辑框8",  "分组框1", "红队"},
    {"编辑框9",  "分组框2", ""},
    {"编辑框10", "分组框3", " 蓝队 "},
    {"编辑框11", "分组框4", "红队队员"},
    {"编辑框12", "分组框5", "蓝队队员"},
  };
  // clang-format on
  for (const Pair& pair : kPairs) {
    type(pair.box, repeated("\b", 8));
    type(pair.box, pair.typed);
  }
  EXPECT_EQ(text("分组框1"), "棒棒糖") << "typing alone changes nothing";

  click("按钮27");

  for (const Pair& pair : kPairs) EXPECT_EQ(text(pair.group), pair.typed) << pair.group;
  EXPECT_EQ(text("分组框6"), "棒棒糖") << "the bonus groups keep their captions";
  EXPECT_EQ(text("分组框7"), "小黄鸭");
  EXPECT_EQ(text("编辑框1"), "0") << "the scores are not touched";
}

TEST_F(SettingsPanel, ContactHandsTheVendorsChatLinkToTheBrowser) {
  startWithConfiguration();
  click("按钮29");
  click("按钮29");
  const common::Text link = "tencent://message/?uin=" VENDOR_CONTACT "&Site=&Menu=yes";
  EXPECT_EQ(model.navigations(), (std::vector<common::Text>{link, link}));
  EXPECT_TRUE(model.messages().empty());
}

}  // namespace
}  // namespace calculator::testing

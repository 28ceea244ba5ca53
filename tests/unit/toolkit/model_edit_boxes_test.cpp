// Edit boxes: the Changed event of program writes, typing, integer-only boxes, pasting,
// and what a user can reach at all.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/toolkit/test_windows.h"
#include "toolkit/model/model.h"

namespace toolkit::model {
namespace {

using namespace testing_windows;

// The main window with every edit box logging "name=content" on Changed.
class ModelEditBoxes : public ::testing::Test {
 protected:
  void SetUp() override {
    Bindings bindings;
    for (const char* box : {"编辑框1", "编辑框2", "编辑框3", "编辑框4"})
      bindings.push_back({box, Event::Changed, [this, box] {
                            log.push_back(std::string(box) + "=" + model.text(kMain, box));
                          }});
    // A Changed binding on a button must never fire: only edit boxes raise it.
    bindings.push_back({"按钮1", Event::Changed, [this] { log.push_back("button changed"); }});
    model.load(kMain, std::move(bindings), Mode::Ordinary);
  }

  Model model;
  std::vector<std::string> log;
};

TEST_F(ModelEditBoxes, WriteRaisesChangedOnceAfterTheTextIsInPlaceAlsoWhenUnchanged) {
  model.setText(kMain, "编辑框1", "520");
  EXPECT_EQ(log, (std::vector<std::string>{"编辑框1=520"}));
  model.setText(kMain, "编辑框1", "520");
  EXPECT_EQ(log, (std::vector<std::string>{"编辑框1=520", "编辑框1=520"}));
}

TEST_F(ModelEditBoxes, ChangedHandlerRunsToItsEndBeforeTheWriteReturns) {
  // A Changed handler that writes another box, as a tally writes the difference box.
  Model nested;
  std::vector<std::string> order;
  nested.load(kMain,
              {{"编辑框1", Event::Changed,
                [&] {
                  order.push_back("score changed to " + nested.text(kMain, "编辑框1"));
                  nested.setText(kMain, "编辑框2", nested.text(kMain, "编辑框1"));
                  order.push_back("score handler ends");
                }},
               {"编辑框2", Event::Changed,
                [&] { order.push_back("difference changed to " + nested.text(kMain, "编辑框2")); }},
               {"按钮1", Event::Clicked,
                [&] {
                  order.push_back("click");
                  nested.setText(kMain, "编辑框1", "10");
                  order.push_back("after write: difference " + nested.text(kMain, "编辑框2"));
                }}},
              Mode::Ordinary);
  nested.click(kMain, "按钮1");
  EXPECT_EQ(order,
            (std::vector<std::string>{"click", "score changed to 10", "difference changed to 10",
                                      "score handler ends", "after write: difference 10"}));
}

TEST_F(ModelEditBoxes, WritingOtherKindsSetsTheCaptionAndRaisesNothing) {
  model.setText(kMain, "按钮1", "新");
  model.setText(kMain, "标签1", "新标签");
  EXPECT_EQ(model.text(kMain, "按钮1"), "新");
  EXPECT_EQ(model.text(kMain, "标签1"), "新标签");
  EXPECT_TRUE(log.empty());
}

TEST_F(ModelEditBoxes, ProgramWritesAreNeverFiltered) {
  model.setText(kMain, "编辑框2", "abc-1");
  EXPECT_EQ(model.text(kMain, "编辑框2"), "abc-1");
  model.setText(kMain, "编辑框4", "程序写");  // disabled boxes take program writes too
  EXPECT_EQ(model.text(kMain, "编辑框4"), "程序写");
}

struct TypingCase {
  const char* what;
  const char* box;
  const char* before;
  const char* keys;
  const char* after;
  std::vector<std::string> changes;  // the content each Changed saw
};

TEST_F(ModelEditBoxes, TypingFollowsTheKeysOneAtATime) {
  // clang-format off
  const TypingCase cases[] = {
    {"plain box takes every key",  "编辑框1", "",     "a1",      "a1",     {"a", "a1"}},
    {"integer-only drops letters", "编辑框2", "",     "a1b-2",   "1-2",    {"1", "1-", "1-2"}},
    {"minus anywhere, repeated",   "编辑框2", "5",    "--",      "5--",    {"5-", "5--"}},
    {"integer-only drops GBK",     "编辑框2", "",     "二3",     "3",      {"3"}},
    {"Backspace in integer-only",  "编辑框2", "12",   "\b",      "1",      {"1"}},
    {"Backspace on empty",         "编辑框2", "",     "\b",      "",       {}},
    {"Backspace a GBK character",  "编辑框1", "初值", "\b",      "初",     {"初"}},
    {"GBK character is one key",   "编辑框1", "",     "值x",     "值x",    {"值", "值x"}},
    {"Enter in a one-line box",    "编辑框1", "a",    "\r",      "a",      {}},
    {"Enter in a multi-line box",  "编辑框3", "a",    "\rb",     "a\r\nb", {"a\r\n", "a\r\nb"}},
    {"Backspace a line break",     "编辑框3", "a\r\n", "\b",     "a",      {"a"}},
    {"Tab changes nothing",        "编辑框2", "1",    "\t",      "1",      {}},
    {"type then delete",           "编辑框2", "",     "9\b\b8",  "8",      {"9", "", "8"}},
  };
  // clang-format on
  for (const TypingCase& typing : cases) {
    SCOPED_TRACE(typing.what);
    model.setText(kMain, typing.box, typing.before);
    log.clear();
    model.type(kMain, typing.box, typing.keys);
    EXPECT_EQ(model.text(kMain, typing.box), typing.after);
    std::vector<std::string> expected;
    for (const std::string& content : typing.changes)
      expected.push_back(std::string(typing.box) + "=" + content);
    EXPECT_EQ(log, expected);
  }
}

TEST_F(ModelEditBoxes, PasteAppendsUnfilteredWithOneChanged) {
  model.type(kMain, "编辑框2", "1");
  log.clear();
  model.paste(kMain, "编辑框2", "abc");
  EXPECT_EQ(model.text(kMain, "编辑框2"), "1abc");
  EXPECT_EQ(log, (std::vector<std::string>{"编辑框2=1abc"}));
  model.paste(kMain, "编辑框2", "");
  EXPECT_EQ(log.size(), 1u) << "pasting nothing changes nothing";
}

TEST_F(ModelEditBoxes, UserCannotReachWhatIsHiddenOrDisabled) {
  int clicks = 0;
  Model other;
  other.load(kMain,
             {{"按钮1", Event::Clicked, [&] { ++clicks; }},
              {"按钮3", Event::Clicked, [&] { ++clicks; }},
              {"按钮4", Event::Clicked, [&] { ++clicks; }}},
             Mode::Ordinary);
  other.click(kMain, "按钮3");  // disabled
  other.type(kMain, "编辑框4", "1");
  other.paste(kMain, "编辑框4", "1");
  EXPECT_EQ(other.text(kMain, "编辑框4"), "锁定");

  other.click(kMain, "按钮4");  // inside a shown group box
  EXPECT_EQ(clicks, 1);
  other.setVisible(kMain, "分组框1", false);
  other.click(kMain, "按钮4");  // its container is hidden
  other.setVisible(kMain, "按钮1", false);
  other.click(kMain, "按钮1");
  EXPECT_EQ(clicks, 1);

  other.setVisible(kMain, "按钮1", true);
  other.setWindowVisible(kMain, false);
  other.click(kMain, "按钮1");
  other.type(kMain, "编辑框1", "x");
  other.pressEscape(kMain);
  other.closeWindow(kMain);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(other.text(kMain, "编辑框1"), "初值");
  EXPECT_TRUE(other.isLoaded(kMain)) << "a hidden window has no focus and no close box";

  other.setWindowVisible(kMain, true);
  other.click(kMain, "按钮1");
  EXPECT_EQ(clicks, 2);
}

TEST(ModelTyping, StopsWhenAChangedHandlerRemovesTheWindow) {
  Model model;
  std::vector<std::string> seen;
  model.load(kMain,
             {{"编辑框1", Event::Changed,
               [&] {
                 seen.push_back(model.text(kMain, "编辑框1"));
                 model.destroy(kMain);
               }}},
             Mode::Ordinary);
  model.type(kMain, "编辑框1", "12");
  EXPECT_EQ(seen, (std::vector<std::string>{"初值1"}));
  EXPECT_FALSE(model.isLoaded(kMain));
}

}  // namespace
}  // namespace toolkit::model

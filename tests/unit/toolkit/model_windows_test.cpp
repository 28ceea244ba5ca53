// Loading windows from their designs, the window operations, and operations on windows
// and controls that are not there.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/unit/toolkit/test_windows.h"
#include "toolkit/model/model.h"

namespace toolkit::model {
namespace {

using namespace testing_windows;

TEST(ModelWindows, LoadTakesEveryValueFromTheDesign) {
  Model model;
  model.load(kMain, {}, Mode::Ordinary);
  ASSERT_TRUE(model.isLoaded(kMain));
  EXPECT_TRUE(model.windowVisible(kMain));
  EXPECT_EQ(model.title(kMain), "测试主窗口");
  EXPECT_EQ(model.height(kMain), 233);
  for (const ControlDesign& row : kMainControls) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(model.text(kMain, row.name), row.text);
    EXPECT_EQ(model.visible(kMain, row.name), row.visible);
    EXPECT_EQ(model.timerPeriod(kMain, row.name), 0);
  }
  EXPECT_EQ(model.picture(kMain, "图片框1"),
            common::ByteBlock(std::begin(kPictureFile), std::end(kPictureFile)));
  EXPECT_TRUE(model.picture(kMain, "标签1").empty());
}

TEST(ModelWindows, CreatedIsRaisedOnceWhenTheControlsExist) {
  Model model;
  std::vector<std::string> seen;
  model.load(kMain,
             {{"", Event::Created,
               [&] {
                 seen.push_back(model.text(kMain, "编辑框1"));
                 seen.push_back(model.isLoaded(kMain) ? "loaded" : "not loaded");
               }}},
             Mode::Ordinary);
  EXPECT_EQ(seen, (std::vector<std::string>{"初值", "loaded"}));
  model.load(kMain, {{"", Event::Created, [&] { seen.push_back("again"); }}}, Mode::Ordinary);
  EXPECT_EQ(seen.size(), 2u) << "a second load of a loaded design must do nothing";
}

TEST(ModelWindows, LoadingALoadedDesignKeepsItsStateAndBindings) {
  Model model;
  int clicks = 0;
  model.load(kMain, {{"按钮1", Event::Clicked, [&] { ++clicks; }}}, Mode::Ordinary);
  model.setText(kMain, "编辑框1", "改过");
  model.load(kMain, {{"按钮1", Event::Clicked, [&] { clicks += 100; }}}, Mode::Modal);
  EXPECT_EQ(model.text(kMain, "编辑框1"), "改过");
  model.click(kMain, "按钮1");
  EXPECT_EQ(clicks, 1);
}

TEST(ModelWindows, WindowOperationsStoreTheirValues) {
  Model model;
  model.load(kMain, {}, Mode::Ordinary);
  model.setTitle(kMain, "新标题");
  model.setHeight(kMain, 380);
  model.setWindowVisible(kMain, false);
  EXPECT_EQ(model.title(kMain), "新标题");
  EXPECT_EQ(model.height(kMain), 380);
  EXPECT_FALSE(model.windowVisible(kMain));
  EXPECT_TRUE(model.isLoaded(kMain)) << "a hidden window stays loaded";
  model.setWindowVisible(kMain, true);
  EXPECT_TRUE(model.windowVisible(kMain));
}

TEST(ModelWindows, ControlOperationsStoreTheirValues) {
  Model model;
  model.load(kMain, {}, Mode::Ordinary);
  model.setText(kMain, "按钮1", "↓↓");
  model.setText(kMain, "分组框1", "新分组");
  model.setVisible(kMain, "图片框1", true);
  model.setVisible(kMain, "编辑框1", false);
  const common::ByteBlock other{1, 2, 3};
  model.setPicture(kMain, "图片框1", other);
  EXPECT_EQ(model.text(kMain, "按钮1"), "↓↓");
  EXPECT_EQ(model.text(kMain, "分组框1"), "新分组");
  EXPECT_TRUE(model.visible(kMain, "图片框1"));
  EXPECT_FALSE(model.visible(kMain, "编辑框1"));
  EXPECT_EQ(model.picture(kMain, "图片框1"), other);
  model.setPicture(kMain, "图片框1", {});
  EXPECT_TRUE(model.picture(kMain, "图片框1").empty()) << "an empty block means no picture";
}

TEST(ModelWindows, ReloadingAfterDestroyStartsFromTheDesignAgain) {
  Model model;
  model.load(kMain, {}, Mode::Ordinary);
  model.setText(kMain, "编辑框1", "改过");
  model.setTitle(kMain, "新标题");
  model.destroy(kMain);
  ASSERT_FALSE(model.isLoaded(kMain));
  model.load(kMain, {}, Mode::Ordinary);
  EXPECT_EQ(model.text(kMain, "编辑框1"), "初值");
  EXPECT_EQ(model.title(kMain), "测试主窗口");
}

// Every operation aimed at a window that is not loaded, or at a control the window lacks,
// must leave everything as it is and raise nothing.
struct AbsentTarget {
  const char* what;
  std::function<void(Model&)> operate;
};

TEST(ModelWindows, OperationsOnAbsentWindowsAndControlsDoNothing) {
  // clang-format off
  const AbsentTarget cases[] = {
    {"setText on a missing control",   [](Model& m) { m.setText(kMain, "编辑框9", "x"); }},
    {"setText on an unloaded window",  [](Model& m) { m.setText(kStep1, "编辑框1", "x"); }},
    {"setVisible on a missing control",[](Model& m) { m.setVisible(kMain, "图片框9", true); }},
    {"setPicture on a label",          [](Model& m) { m.setPicture(kMain, "标签1", common::ByteBlock{1}); }},
    {"setTimerPeriod on a button",     [](Model& m) { m.setTimerPeriod(kMain, "按钮1", 10); }},
    {"setTimerPeriod, unloaded",       [](Model& m) { m.setTimerPeriod(kStep1, "时间", 10); }},
    {"navigate on a missing control",  [](Model& m) { m.navigate(kMain, "超文本浏览框9", "x"); }},
    {"navigate on an unloaded window", [](Model& m) { m.navigate(kStep1, "超文本浏览框1", "x"); }},
    {"click on a missing button",      [](Model& m) { m.click(kMain, "按钮9"); }},
    {"click on an unloaded window",    [](Model& m) { m.click(kStep1, "按钮1"); }},
    {"type into a missing box",        [](Model& m) { m.type(kMain, "编辑框9", "1"); }},
    {"type into a button",             [](Model& m) { m.type(kMain, "按钮1", "1"); }},
    {"paste into an unloaded window",  [](Model& m) { m.paste(kStep1, "编辑框1", "1"); }},
    {"destroy an unloaded window",     [](Model& m) { m.destroy(kStep1); }},
    {"Esc on an unloaded window",      [](Model& m) { m.pressEscape(kStep1); }},
    {"close an unloaded window",       [](Model& m) { m.closeWindow(kStep1); }},
    {"window setters, unloaded",       [](Model& m) { m.setTitle(kStep1, "x"); m.setHeight(kStep1, 1);
                                                      m.setWindowVisible(kStep1, true); }},
  };
  // clang-format on
  for (const AbsentTarget& target : cases) {
    SCOPED_TRACE(target.what);
    Model model;
    std::vector<std::string> events;
    auto note = [&](const char* what) { return [&events, what] { events.push_back(what); }; };
    model.load(kMain,
               {{"编辑框1", Event::Changed, note("changed")},
                {"按钮1", Event::Clicked, note("clicked")},
                {"", Event::Destroying, note("destroying")}},
               Mode::Ordinary);
    target.operate(model);
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(model.isLoaded(kMain));
    EXPECT_FALSE(model.isLoaded(kStep1));
    EXPECT_EQ(model.text(kMain, "编辑框1"), "初值");
    EXPECT_EQ(model.text(kMain, "按钮1"), "确定");
    EXPECT_TRUE(model.picture(kMain, "标签1").empty());
    EXPECT_EQ(model.timerPeriod(kMain, "按钮1"), 0);
    EXPECT_TRUE(model.navigations().empty());
    model.advance(100);
    EXPECT_TRUE(events.empty()) << "nothing may have been scheduled";
  }
}

TEST(ModelWindows, ObserversOfAbsentWindowsGiveEmptyValues) {
  Model model;
  EXPECT_FALSE(model.isLoaded(kMain));
  EXPECT_FALSE(model.windowVisible(kMain));
  EXPECT_EQ(model.title(kMain), "");
  EXPECT_EQ(model.height(kMain), 0);
  EXPECT_EQ(model.text(kMain, "编辑框1"), "");
  EXPECT_FALSE(model.visible(kMain, "编辑框1"));
  EXPECT_TRUE(model.picture(kMain, "图片框1").empty());
  model.load(kMain, {}, Mode::Ordinary);
  EXPECT_EQ(model.text(kMain, "没有这个"), "");
  EXPECT_FALSE(model.visible(kMain, "没有这个"));
}

TEST(ModelWindows, EventsWithoutABindingDoNothing) {
  Model model;
  int clicks = 0;
  model.load(kMain, {{"按钮1", Event::Clicked, [&] { ++clicks; }}, {"按钮2", Event::Clicked, {}}},
             Mode::Ordinary);
  model.click(kMain, "按钮2");  // bound to an empty handler
  model.setText(kMain, "编辑框1", "x");
  model.setTimerPeriod(kMain, "时间", 10);
  model.advance(100);
  model.destroy(kMain);
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(model.isLoaded(kMain));
}

}  // namespace
}  // namespace toolkit::model

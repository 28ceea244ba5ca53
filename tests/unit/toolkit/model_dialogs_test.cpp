// The message box, the open-file dialog and the browser control.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/toolkit/test_windows.h"
#include "toolkit/model/model.h"

namespace toolkit::model {
namespace {

using namespace testing_windows;

TEST(ModelDialogs, MessageBoxIsRecordedAndTheUserActsWhileItIsOpen) {
  Model model;
  std::vector<std::string> log;
  model.load(kMain,
             {{"按钮1", Event::Clicked,
               [&] {
                 model.messageBox("请选择照片路径", "错误");
                 log.push_back("box closed");
               }},
              {"按钮2", Event::Clicked, [&] { log.push_back("clicked while the box is open"); }}},
             Mode::Ordinary);
  model.onMessageBox([&](const Message& shown) {
    log.push_back(shown.title + ":" + shown.text);
    model.click(kMain, "按钮2");
  });
  model.advance(100);
  model.click(kMain, "按钮1");
  EXPECT_EQ(log, (std::vector<std::string>{"错误:请选择照片路径", "clicked while the box is open",
                                           "box closed"}));
  ASSERT_EQ(model.messages().size(), 1u);
  EXPECT_EQ(model.messages()[0].text, "请选择照片路径");
  EXPECT_EQ(model.messages()[0].title, "错误");
  EXPECT_EQ(model.now(), 100u) << "a message box does not move the clock";
}

TEST(ModelDialogs, MessagesAccumulateInOrderAlsoWithoutAReaction) {
  Model model;
  model.messageBox("一", "甲");
  model.onMessageBox([&](const Message&) {
    if (model.messages().size() < 3) model.messageBox("嵌套", "乙");
  });
  model.messageBox("二", "甲");
  ASSERT_EQ(model.messages().size(), 3u);
  EXPECT_EQ(model.messages()[0].text, "一");
  EXPECT_EQ(model.messages()[1].text, "二");
  EXPECT_EQ(model.messages()[2].text, "嵌套");
}

TEST(ModelDialogs, FileDialogGivesTheQueuedAnswersThenCancels) {
  Model model;
  model.load(kMain, {}, Mode::Ordinary);
  model.answerFileDialog("C:\\照片\\我.JPG");
  model.answerFileDialog(std::nullopt);
  const Text filter = "照片文件（*.JPG）|*.JPG";
  EXPECT_EQ(model.chooseFile(kMain, "通用对话框1", filter),
            std::optional<Text>("C:\\照片\\我.JPG"));
  EXPECT_EQ(model.chooseFile(kMain, "通用对话框1", filter), std::nullopt);
  EXPECT_EQ(model.chooseFile(kMain, "通用对话框1", "other"), std::nullopt) << "nothing queued";
  EXPECT_EQ(model.fileDialogFilters(), (std::vector<Text>{filter, filter, "other"}));
}

TEST(ModelDialogs, FileDialogOfAnAbsentWindowOrComponentShowsNothing) {
  Model model;
  model.answerFileDialog("C:\\a.jpg");
  EXPECT_EQ(model.chooseFile(kMain, "通用对话框1", "f"), std::nullopt);
  model.load(kMain, {}, Mode::Ordinary);
  EXPECT_EQ(model.chooseFile(kMain, "按钮1", "f"), std::nullopt);
  EXPECT_TRUE(model.fileDialogFilters().empty());
  EXPECT_EQ(model.chooseFile(kMain, "通用对话框1", "f"), std::optional<Text>("C:\\a.jpg"))
      << "the answer stays queued for a dialog that really opens";
}

TEST(ModelDialogs, NavigateRecordsTheLinkAndReturnsAtOnce) {
  Model model;
  model.load(kMain, {}, Mode::Ordinary);
  model.navigate(kMain, "超文本浏览框1", "tencent://message/?uin=10000");
  model.navigate(kMain, "按钮1", "not a browser");
  EXPECT_EQ(model.navigations(), (std::vector<Text>{"tencent://message/?uin=10000"}));
  EXPECT_EQ(model.now(), 0u);
}

}  // namespace
}  // namespace toolkit::model

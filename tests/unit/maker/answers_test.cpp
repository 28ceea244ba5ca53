// Steps 1 to 3: what each stores in its configuration file, the empty answer it refuses, and
// a file it cannot write.
#include "tests/unit/maker/maker_run.h"

namespace maker::testing {
namespace {

using toolkit::model::Message;

struct StoredAnswer {
  int step;
  // Typed on steps 1 and 2 (nothing: the default is kept); chosen in the dialog on step 3.
  std::optional<common::Text> typed;
  const char* file;
  common::Text stored;
};
void PrintTo(const StoredAnswer& row, std::ostream* out) {
  *out << "step " << row.step << (row.typed ? " answered" : " default");
}

class StoredAnswers : public MakerRun, public ::testing::WithParamInterface<StoredAnswer> {};

TEST_P(StoredAnswers, TheFileHoldsExactlyTheAnswerAndTheNextStepShows) {
  const StoredAnswer& row = GetParam();
  reachStep(row.step);
  if (row.step == 3)
    choosePhoto(row.typed);
  else if (row.typed)
    typeAnswer(row.step, *row.typed);
  pressForward(row.step);
  std::vector<int> shown;
  step([&] { shown = visibleSteps(); });
  run();

  EXPECT_EQ(readWhole(inRun(row.file)), row.stored);
  EXPECT_EQ(shown, std::vector<int>{row.step + 1});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Maker, StoredAnswers, ::testing::Values(
  StoredAnswer{1, std::nullopt,              "1.txt", "ZavoYelvi计算器专属版"},
  StoredAnswer{1, " ",                       "1.txt", "\x20"},
  StoredAnswer{1, "  我的 计算器  ",         "1.txt", "  我的 计算器  "},
  StoredAnswer{2, std::nullopt,              "2.txt", "Yelvi："},
  StoredAnswer{2, " ",                       "2.txt", " "},
  StoredAnswer{2, "北京时间：",              "2.txt", "北京时间："},
  StoredAnswer{3, "C:\\照片\\小黄鸭.JPG",    "3.txt", "C:\\照片\\小黄鸭.JPG"},
  StoredAnswer{3, "D:\\My Photos\\a b.GIF",  "3.txt", "D:\\My Photos\\a b.GIF"}));
// clang-format on

struct EmptyAnswer {
  int step;
  const char* message;
  const char* file;
};
void PrintTo(const EmptyAnswer& row, std::ostream* out) {
  *out << "step " << row.step;
}

class EmptyAnswers : public MakerRun, public ::testing::WithParamInterface<EmptyAnswer> {};

TEST_P(EmptyAnswers, AreRefusedWithTheStepsMessageAndTheStepStays) {
  const EmptyAnswer& row = GetParam();
  reachStep(row.step);
  // Step 3's path box starts empty and cannot be typed into.
  if (row.step != 3) step([&] { model.setText(stepWindow(row.step), kAnswerBox, ""); });
  std::vector<Message> seenWhileOpen;
  model.onMessageBox([&](const Message& message) { seenWhileOpen.push_back(message); });
  pressForward(row.step);
  std::vector<int> shown, loaded;
  common::Text answerAfter = "untouched?";
  step([&] {
    shown = visibleSteps();
    loaded = loadedSteps();
    answerAfter = model.text(stepWindow(row.step), kAnswerBox);
  });
  noteIfStillRunning();
  run();

  ASSERT_EQ(seenWhileOpen.size(), 1u);
  EXPECT_EQ(seenWhileOpen[0].text, row.message);
  EXPECT_EQ(seenWhileOpen[0].title, "错误");
  EXPECT_EQ(shown, std::vector<int>{row.step});
  EXPECT_EQ(loaded.back(), row.step) << "the next step is not loaded";
  EXPECT_EQ(answerAfter, "");
  EXPECT_FALSE(common::fileExists(inRun(row.file)));
  EXPECT_TRUE(stillRunning);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Maker, EmptyAnswers, ::testing::Values(
  EmptyAnswer{1, "Zavo计算器标题不能为空", "1.txt"},
  EmptyAnswer{2, "Zavo时间前缀不能为空",   "2.txt"},
  EmptyAnswer{3, "请选择照片路径",         "3.txt"}));
// clang-format on

// A folder where the file should go makes its write fail, as a read-only folder would.
class UnwritableAnswers : public MakerRun, public ::testing::WithParamInterface<int> {};

TEST_P(UnwritableAnswers, ShowTheCreationFailedMessageAndTheStepStays) {
  const int failing = GetParam();
  const std::string file = std::to_string(failing) + ".txt";
  makeFolder(inRun(file));
  reachStep(failing);
  if (failing == 3) choosePhoto(kPhotoPath);
  pressForward(failing);
  std::vector<int> shown;
  step([&] { shown = visibleSteps(); });
  pressForward(failing);  // and again: the step still answers
  noteIfStillRunning();
  run();

  ASSERT_EQ(model.messages().size(), 2u);
  for (const Message& message : model.messages()) {
    EXPECT_EQ(message.text, kCreationFailedMessage);
    EXPECT_EQ(message.title, "错误");
  }
  EXPECT_EQ(shown, std::vector<int>{failing});
  for (int earlier = 1; earlier < failing; ++earlier)
    EXPECT_TRUE(common::fileExists(inRun(std::to_string(earlier) + ".txt")));
  EXPECT_TRUE(stillRunning);
}

INSTANTIATE_TEST_SUITE_P(Maker, UnwritableAnswers, ::testing::Values(1, 2, 3));

// Each run is a new maker process in the same folder.
void runMakerWithAnswers(const testing_support::TempFolder& folder, const common::Text& title,
                         const common::Text& prefix, const common::Text& photo) {
  toolkit::model::Model model;
  FakeShell shell("");
  Maker maker(model, shell, folder.text(), kImage);
  model.after(0, [&] {
    model.setText(kStep1Window, kAnswerBox, title);
    model.click(kStep1Window, "按钮1");
  });
  model.after(0, [&] {
    model.setText(kStep2Window, kAnswerBox, prefix);
    model.click(kStep2Window, "按钮19");
  });
  model.after(0, [&] {
    model.answerFileDialog(photo);
    model.click(kStep3Window, "按钮1");
    model.click(kStep3Window, "按钮2");
  });
  maker.start();
}

TEST(MakerRuns, ASecondRunOverwritesEveryFileWithItsOwnAnswers) {
  testing_support::TempFolder folder;
  runMakerWithAnswers(folder, "第一次的很长很长的标题", "第一次的前缀：",
                      "C:\\第一次\\很长的路径\\照片.JPG");
  ASSERT_EQ(folder.read("1.txt"), "第一次的很长很长的标题");
  runMakerWithAnswers(folder, "甲", "乙", "C:\\丙.BMP");

  EXPECT_EQ(folder.read("1.txt"), "甲");
  EXPECT_EQ(folder.read("2.txt"), "乙");
  EXPECT_EQ(folder.read("3.txt"), "C:\\丙.BMP");
}

}  // namespace
}  // namespace maker::testing

// Start-up: the design as the window first shows it, the three configuration files and
// the refusal to run without one of them, and the clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "calculator/main_window.h"
#include "calculator_fixture.h"
#include "skinengine/skin_blocks.h"

namespace calculator::testing {
namespace {

constexpr const char* kMissingMessage = "文件已损坏，请勿删除文件夹的配置信息！";
constexpr const char* kMissingTitle = "请联系QQ：" VENDOR_CONTACT;
constexpr const char* kDesignTitle = "ZavoYelvi计算器专属版";
constexpr const char* kDesignPrefix = "Ostra：";

using StartUp = CalculatorTest;

TEST_F(StartUp, ShowsTheDesignWhereTheConfigurationDoesNotReach) {
  startWithConfiguration();
  EXPECT_EQ(model.height(kMainWindow), 233);
  for (const char* scoreStyled : {"编辑框1", "编辑框2", "编辑框3"})
    EXPECT_EQ(text(scoreStyled), "0");
  for (const char* hidden : {"外形框1", "外形框2", "图片框1", "图片框4"})
    EXPECT_FALSE(visible(hidden));
  for (const char* empty : {"编辑框4", "编辑框5", "编辑框6", "编辑框7"}) EXPECT_EQ(text(empty), "");
  EXPECT_EQ(text("编辑框13"), "13");
  EXPECT_EQ(text("按钮24"), repeated("↓", 32));
  EXPECT_EQ(text(kClockLabel), "") << "no tick has come yet";
}

TEST_F(StartUp, TakesTitlePrefixAndPhotoFromTheFiles) {
  startWithConfiguration();
  EXPECT_EQ(model.title(kMainWindow), kTitle);
  EXPECT_EQ(text(kPrefixLabel), kPrefix);
  EXPECT_EQ(model.picture(kMainWindow, kPhotoBox), bytesOf(kPhoto));
  EXPECT_EQ(model.timerPeriod(kMainWindow, kClockTimer), 500);
  ASSERT_EQ(skinLibrary.received.size(), 1u);
  EXPECT_EQ(skinLibrary.received[0], bytesOf(skinengine::skinBlock(4)));
}

TEST_F(StartUp, AppliesTheSkinAndTheClockBeforeLookingAtTheFiles) {
  writeConfiguration();
  start();
  const std::vector<common::Text> expected = {"period 时间=500", "title " + common::Text(kTitle),
                                              "透明标签2=" + common::Text(kPrefix),
                                              "picture 图片框3"};
  EXPECT_EQ(toolkit.log, expected);
  EXPECT_EQ(skinLibrary.received.size(), 1u);
}

struct MissingFileCase {
  const char* missing;
  const char* titleAtMessage;  // what the title bar shows while the message is open
  const char* prefixAtMessage;
};

// clang-format off
const MissingFileCase kMissingFileCases[] = {
  {"1.txt", kDesignTitle,           kDesignPrefix},
  {"2.txt", kTitle, kDesignPrefix},
  {"3.txt", kTitle, kPrefix},
};
// clang-format on

TEST_F(StartUp, RefusesToRunWithoutEachFileAndReadsNoLaterOne) {
  for (const MissingFileCase& c : kMissingFileCases) {
    SCOPED_TRACE(c.missing);
    testing_support::TempFolder runFolder;
    toolkit::model::Model freshModel;
    RecordingToolkit freshToolkit{freshModel};
    FakeSkinLibrary freshSkins;
    Context freshContext{freshToolkit, freshSkins,   clock,
                         programEnd,   libraryImage, runFolder.text()};
    runFolder.write("1.txt", kTitle);
    runFolder.write("2.txt", kPrefix);
    runFolder.write("photo.jpg", kPhoto);
    runFolder.write("3.txt", runFolder.file("photo.jpg"));
    std::filesystem::remove(runFolder.path() / c.missing);

    bool checkedWhileOpen = false;
    freshModel.onMessageBox([&](const toolkit::model::Message&) {
      checkedWhileOpen = true;
      EXPECT_TRUE(freshModel.isLoaded(kMainWindow)) << "the window goes after the message";
      EXPECT_EQ(freshModel.title(kMainWindow), c.titleAtMessage);
      EXPECT_EQ(freshModel.text(kMainWindow, kPrefixLabel), c.prefixAtMessage);
      EXPECT_EQ(freshModel.picture(kMainWindow, kPhotoBox), bytesOf(assets::kDefaultPhoto));
      EXPECT_EQ(freshSkins.received.size(), 1u) << "the skin is applied first";
      EXPECT_EQ(freshModel.timerPeriod(kMainWindow, kClockTimer), 500);
      EXPECT_TRUE(runFolder.exists("SkinH_EL.dll"));
    });
    startCalculator(freshContext);

    EXPECT_TRUE(checkedWhileOpen);
    ASSERT_EQ(freshModel.messages().size(), 1u);
    EXPECT_EQ(freshModel.messages()[0].text, kMissingMessage);
    EXPECT_EQ(freshModel.messages()[0].title, kMissingTitle);
    EXPECT_FALSE(freshModel.isLoaded(kMainWindow));
    EXPECT_EQ(freshToolkit.log.back(), "destroy") << "nothing happens after the refusal";
  }
  EXPECT_EQ(programEnd.ends, 0) << "the program ends by its window going, not by force";
}

TEST_F(StartUp, TheClockTicksWhileTheMissingFileMessageIsOpen) {
  folder.write("1.txt", kTitle);
  clock.time = {2024, 1, 1, 8, 30, 15};
  model.onMessageBox([&](const toolkit::model::Message&) { model.advance(501); });
  start();
  EXPECT_EQ(model.messages().size(), 1u);
  EXPECT_NE(std::find(toolkit.log.begin(), toolkit.log.end(), "透明标签1=8时30分15秒"),
            toolkit.log.end());
}

struct FileContentCase {
  const char* what;
  std::string bytes;
  std::string text;  // what the title and the prefix become
};

const FileContentCase kFileContentCases[] = {
    {"empty file", "", ""},
    {"one blank", " ", " "},
    {"a zero byte cuts the text", std::string("ab\0cd", 5), "ab"},
    {"a leading zero byte gives nothing", std::string("\0ab", 3), ""},
    {"line ends are kept", "标题\r\n", "标题\r\n"},
    {"bytes above 0x7F pass unconverted", "\x81\x40\xFE\xFE", "\x81\x40\xFE\xFE"},
};

TEST_F(StartUp, UsesTheFilesBytesAsTheyAre) {
  for (const FileContentCase& c : kFileContentCases) {
    SCOPED_TRACE(c.what);
    testing_support::TempFolder runFolder;
    toolkit::model::Model freshModel;
    FakeSkinLibrary freshSkins;
    Context freshContext{freshModel, freshSkins, clock, programEnd, libraryImage, runFolder.text()};
    runFolder.write("1.txt", c.bytes);
    runFolder.write("2.txt", c.bytes);
    runFolder.write("3.txt", "");
    startCalculator(freshContext);
    EXPECT_TRUE(freshModel.messages().empty());
    EXPECT_EQ(freshModel.title(kMainWindow), c.text);
    EXPECT_EQ(freshModel.text(kMainWindow, kPrefixLabel), c.text);
    EXPECT_TRUE(freshModel.picture(kMainWindow, kPhotoBox).empty()) << "an empty photo path";
  }
}

TEST_F(StartUp, APhotoThatCannotBeReadLeavesTheBoxBlankAndRunsOn) {
  const std::pair<const char*, std::string> kUnreadablePhotos[] = {
      {"deleted since", folder.file("gone.jpg")},
      {"a folder", folder.text()},
      {"a zero byte before the path", std::string("\0", 1) + folder.file("photo.jpg")},
  };
  for (const auto& [what, photoPath] : kUnreadablePhotos) {
    SCOPED_TRACE(what);
    toolkit::model::Model freshModel;
    Context freshContext{freshModel, skinLibrary, clock, programEnd, libraryImage, folder.text()};
    writeConfiguration();
    folder.write("3.txt", photoPath);
    startCalculator(freshContext);
    EXPECT_TRUE(freshModel.messages().empty());
    EXPECT_TRUE(freshModel.isLoaded(kMainWindow));
    EXPECT_TRUE(freshModel.picture(kMainWindow, kPhotoBox).empty());
  }
}

TEST_F(StartUp, ThePhotoPathMayUseBackslashes) {
  writeConfiguration();
  common::Text windowsStyle = folder.file("photo.jpg");
  std::replace(windowsStyle.begin(), windowsStyle.end(), '/', '\\');
  folder.write("3.txt", windowsStyle);
  start();
  EXPECT_EQ(model.picture(kMainWindow, kPhotoBox), bytesOf(kPhoto));
}

struct ClockCase {
  int hour, minute, second;
  const char* text;
};

// clang-format off
const ClockCase kClockCases[] = {
  {9, 5, 7,    "9时5分7秒"},
  {0, 0, 0,    "0时0分0秒"},
  {23, 59, 59, "23时59分59秒"},
  {9, 0, 1,    "9时0分1秒"},
  {12, 30, 10, "12时30分10秒"},
};
// clang-format on

TEST_F(StartUp, TheClockShowsTheTimeOfDayOnEveryTick) {
  startWithConfiguration();
  model.advance(1);  // each step below then holds exactly one tick
  for (const ClockCase& c : kClockCases) {
    SCOPED_TRACE(c.text);
    clock.time = {2025, 12, 31, c.hour, c.minute, c.second};
    model.advance(500);
    EXPECT_EQ(text(kClockLabel), c.text);
    EXPECT_EQ(text(kPrefixLabel), kPrefix) << "the prefix stays apart from the clock";
  }
}

TEST_F(StartUp, TheClockWaitsForItsFullPeriod) {
  startWithConfiguration();
  clock.time = {2025, 1, 1, 7, 0, 0};
  model.advance(499);
  EXPECT_EQ(text(kClockLabel), "");
  model.advance(2);
  EXPECT_EQ(text(kClockLabel), "7时0分0秒");
}

}  // namespace
}  // namespace calculator::testing

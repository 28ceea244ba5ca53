// What the calculator's handler tests share: the model window behind a toolkit that logs
// every write (so the order of a handler's effects can be checked), fakes for the skin
// library, the clock and the end of the process, and a temporary run folder.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string_view>
#include <vector>

#include "calculator/context.h"
#include "calculator/main_window.h"
#include "calculator/startup.h"
#include "tests/unit/support/temp_folder.h"
#include "toolkit/model/model.h"

namespace calculator::testing {

// Forwards to the model and writes one line per change a handler makes.
class RecordingToolkit final : public toolkit::Toolkit {
 public:
  explicit RecordingToolkit(toolkit::model::Model& model) : model_(model) {}

  std::vector<common::Text> log;

  void load(const toolkit::WindowDesign& window, toolkit::Bindings bindings,
            toolkit::Mode mode) override {
    model_.load(window, std::move(bindings), mode);
  }
  void destroy(const toolkit::WindowDesign& window) override {
    log.push_back("destroy");
    model_.destroy(window);
  }
  bool isLoaded(const toolkit::WindowDesign& window) const override {
    return model_.isLoaded(window);
  }
  void setWindowVisible(const toolkit::WindowDesign& window, bool visible) override {
    model_.setWindowVisible(window, visible);
  }
  void setTitle(const toolkit::WindowDesign& window, const common::Text& title) override {
    log.push_back("title " + title);
    model_.setTitle(window, title);
  }
  void setHeight(const toolkit::WindowDesign& window, int height) override {
    log.push_back("height " + std::to_string(height));
    model_.setHeight(window, height);
  }
  common::Text text(const toolkit::WindowDesign& window, std::string_view control) const override {
    return model_.text(window, control);
  }
  void setText(const toolkit::WindowDesign& window, std::string_view control,
               const common::Text& text) override {
    log.push_back(common::Text(control) + "=" + text);
    model_.setText(window, control, text);
  }
  void setVisible(const toolkit::WindowDesign& window, std::string_view control,
                  bool visible) override {
    log.push_back((visible ? "show " : "hide ") + common::Text(control));
    model_.setVisible(window, control, visible);
  }
  void setPicture(const toolkit::WindowDesign& window, std::string_view control,
                  common::ByteView picture) override {
    log.push_back("picture " + common::Text(control));
    model_.setPicture(window, control, picture);
  }
  void setTimerPeriod(const toolkit::WindowDesign& window, std::string_view control,
                      int milliseconds) override {
    log.push_back("period " + common::Text(control) + "=" + std::to_string(milliseconds));
    model_.setTimerPeriod(window, control, milliseconds);
  }
  void navigate(const toolkit::WindowDesign& window, std::string_view control,
                const common::Text& link) override {
    model_.navigate(window, control, link);
  }
  std::optional<common::Text> chooseFile(const toolkit::WindowDesign& window,
                                         std::string_view dialog,
                                         const common::Text& filter) override {
    return model_.chooseFile(window, dialog, filter);
  }
  void messageBox(const common::Text& text, const common::Text& title) override {
    log.push_back("message");
    model_.messageBox(text, title);
  }
  void wait(int milliseconds) override {
    log.push_back("wait " + std::to_string(milliseconds));
    model_.wait(milliseconds);
  }
  void run() override { model_.run(); }

 private:
  toolkit::model::Model& model_;
};

class FakeSkinLibrary final : public SkinLibrary {
 public:
  bool available = true;
  std::vector<common::ByteBlock> received;  // one block per successful call
  std::function<void()> onAttach;           // runs at the start of every call

  bool attachSkin(common::ByteView skin) override {
    if (onAttach) onAttach();
    if (!available) return false;
    received.emplace_back(skin.begin(), skin.end());
    return true;
  }
};

class FakeClock final : public common::Clock {
 public:
  common::DateTime time{2024, 5, 20, 13, 14, 0};
  common::DateTime now() const override { return time; }
};

class FakeProgramEnd final : public ProgramEnd {
 public:
  int ends = 0;
  void endProcess() override { ++ends; }
};

inline common::ByteBlock bytesOf(std::string_view text) {
  return {text.begin(), text.end()};
}
inline common::ByteBlock bytesOf(common::ByteView bytes) {
  return {bytes.begin(), bytes.end()};
}
inline common::ByteBlock bytesOf(const common::EmbeddedBytes& embedded) {
  return bytesOf(embedded.view());
}
inline common::Text repeated(const common::Text& piece, int times) {
  common::Text text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

// The design names the tests look at most, spelled out here rather than taken from the
// code's own tables, so a wrong name there shows.
inline constexpr const char* kScore1 = "编辑框1";
inline constexpr const char* kScore2 = "编辑框3";
inline constexpr const char* kDifference = "编辑框2";
inline constexpr const char* kLead1 = "外形框1";
inline constexpr const char* kLead2 = "外形框2";
inline constexpr const char* kFlash1 = "图片框1";
inline constexpr const char* kFlash2 = "图片框4";

// What the maker's three files say in most tests.
inline constexpr const char* kTitle = "赛场计分";
inline constexpr const char* kPrefix = "北京时间：";
inline constexpr const char* kPhoto = "\xFF\xD8\xFF\xE0 a photo \xFF\xD9";

class CalculatorTest : public ::testing::Test {
 protected:
  testing_support::TempFolder folder;
  toolkit::model::Model model;
  RecordingToolkit toolkit{model};
  FakeSkinLibrary skinLibrary;
  FakeClock clock;
  FakeProgramEnd programEnd;
  common::ByteBlock libraryImage = bytesOf("MZ the skin library");
  Context context{toolkit, skinLibrary, clock, programEnd, libraryImage, folder.text()};

  // The three files the maker leaves, with the photo beside them.
  void writeConfiguration() const {
    folder.write("1.txt", kTitle);
    folder.write("2.txt", kPrefix);
    folder.write("photo.jpg", kPhoto);
    folder.write("3.txt", folder.file("photo.jpg"));
  }
  void start() { startCalculator(context); }
  void startWithConfiguration() {
    writeConfiguration();
    start();
    ASSERT_TRUE(model.isLoaded(kMainWindow));
    ASSERT_TRUE(model.messages().empty());
  }

  common::Text text(std::string_view control) const { return model.text(kMainWindow, control); }
  bool visible(std::string_view control) const { return model.visible(kMainWindow, control); }
  void click(std::string_view button) { model.click(kMainWindow, button); }
  void type(std::string_view box, const common::Text& keys) { model.type(kMainWindow, box, keys); }
  // A write as the program makes it: unfiltered, raising the box's Changed once.
  void put(std::string_view box, const common::Text& text) {
    model.setText(kMainWindow, box, text);
  }
};

}  // namespace calculator::testing

// A maker run on the headless model, in a fresh run folder with a fake shell, driven by a
// script of user actions: each step() runs, in order, once the maker has started; the
// helpers name what the user does on each step window.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "maker/maker.h"
#include "maker/step1_window.h"
#include "maker/step2_window.h"
#include "maker/step3_window.h"
#include "maker/step4_window.h"
#include "tests/unit/maker/fake_shell.h"
#include "tests/unit/maker/folders.h"
#include "tests/unit/support/temp_folder.h"
#include "toolkit/model/model.h"

namespace maker::testing {

inline constexpr const toolkit::WindowDesign* kSteps[] = {&kStep1Window, &kStep2Window,
                                                          &kStep3Window, &kStep4Window};
// The button that moves each step on: "下一步" on steps 1 to 3, "完成" on step 4.
inline constexpr const char* kForwardButtons[] = {"按钮1", "按钮19", "按钮2", "按钮1"};
inline constexpr const char* kPhotoButton = "按钮1";

inline const toolkit::WindowDesign& stepWindow(int step) {
  return *kSteps[step - 1];
}

inline const common::Text kCreationFailedMessage = "创建失败，请联系QQ：" MAKER_VENDOR_CONTACT;

// A small stand-in for the calculator's program file, with the bytes text handling would spoil.
inline const common::ByteBlock kImage{'M', 'Z', 0x90, 0x00, 0x0D, 0x0A, 0x1A, 0xFF, 0x00, 0x5C};
inline const std::string kImageBytes(kImage.begin(), kImage.end());

class MakerRun : public ::testing::Test {
 protected:
  // Queues an action for the user or a look at the windows; actions run in the order queued.
  void step(std::function<void()> action) { model.after(0, std::move(action)); }

  // Replaces a step's answer the way a user does: clears the box, then types.
  void typeAnswer(int stepNumber, const common::Text& answer) {
    step([this, stepNumber, answer] {
      model.setText(stepWindow(stepNumber), kAnswerBox, "");
      model.type(stepWindow(stepNumber), kAnswerBox, answer);
    });
  }
  void pressForward(int stepNumber) {
    step([this, stepNumber] {
      model.click(stepWindow(stepNumber), kForwardButtons[stepNumber - 1]);
    });
  }
  // Presses "选择照片" and answers the open-file dialog with a path, or cancels it.
  void choosePhoto(std::optional<common::Text> path) {
    step([this, path] {
      model.answerFileDialog(path);
      model.click(kStep3Window, kPhotoButton);
    });
  }
  // Walks from step 1 to `stepNumber` with the default answers and a chosen photo.
  void reachStep(int stepNumber) {
    for (int done = 1; done < stepNumber; ++done) {
      if (done == 3) choosePhoto(kPhotoPath);
      pressForward(done);
    }
  }
  // Notes whether the script went on after its last action: it stops when the maker ends.
  void noteIfStillRunning() {
    step([this] { stillRunning = true; });
  }

  // Runs the maker through the queued script.
  void run() { maker.start(); }

  bool anyWindowLoaded() const {
    for (const toolkit::WindowDesign* window : kSteps)
      if (model.isLoaded(*window)) return true;
    return false;
  }
  // The steps whose windows are on the screen, and those loaded at all.
  std::vector<int> visibleSteps() const {
    std::vector<int> steps;
    for (int n = 1; n <= 4; ++n)
      if (model.windowVisible(stepWindow(n))) steps.push_back(n);
    return steps;
  }
  std::vector<int> loadedSteps() const {
    std::vector<int> steps;
    for (int n = 1; n <= 4; ++n)
      if (model.isLoaded(stepWindow(n))) steps.push_back(n);
    return steps;
  }

  common::Text inRun(const common::Text& name) const {
    return common::pathIn(runFolder.text(), name);
  }

  const common::Text kPhotoPath = "C:\\照片\\小黄鸭.JPG";

  testing_support::TempFolder runFolder;
  testing_support::TempFolder desktop;
  toolkit::model::Model model;
  FakeShell shell{desktop.text()};
  Maker maker{model, shell, runFolder.text(), kImage};
  bool stillRunning = false;
};

}  // namespace maker::testing

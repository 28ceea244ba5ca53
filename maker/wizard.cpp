// The wizard's chain: steps 1 to 3 store their answers and load the next step as a modal
// dialog; step 3 takes its photo from the open-file dialog.
#include <utility>

#include "common/files.h"
#include "maker/event_tables.h"
#include "maker/maker.h"
#include "maker/messages.h"
#include "maker/step1_window.h"
#include "maker/step2_window.h"
#include "maker/step3_window.h"
#include "maker/step4_window.h"

namespace maker {

using toolkit::Kind;
using toolkit::WindowDesign;

struct AnswerStep {
  const WindowDesign* window;
  const WindowDesign* next;
  const char* file;
  const char* emptyMessage;
};

namespace {

// clang-format off
constexpr AnswerStep kTitleStep  {&kStep1Window, &kStep2Window, "1.txt", "Zavo计算器标题不能为空"};
constexpr AnswerStep kPrefixStep {&kStep2Window, &kStep3Window, "2.txt", "Zavo时间前缀不能为空"};
constexpr AnswerStep kPhotoStep  {&kStep3Window, &kStep4Window, "3.txt", "请选择照片路径"};
// clang-format on
static_assert(hasControl(kStep1Controls, kAnswerBox, Kind::EditBox));
static_assert(hasControl(kStep2Controls, kAnswerBox, Kind::EditBox));
static_assert(hasControl(kStep3Controls, kAnswerBox, Kind::EditBox));
static_assert(hasControl(kStep3Controls, kPhotoDialog, Kind::OpenFileDialog));

constexpr const char* kPhotoFilter =
    "照片文件（*.JPG）|*.JPG|照片文件（*.BMP）|*.BMP|照片文件（*.GIF）|*.GIF";

}  // namespace

Maker::Maker(toolkit::Toolkit& toolkit, Shell& shell, common::Text runDirectory,
             common::ByteView calculatorImage)
    : toolkit_(toolkit),
      shell_(shell),
      runDirectory_(std::move(runDirectory)),
      calculatorImage_(calculatorImage) {}

void Maker::start() {
  load(kStep1Window, toolkit::Mode::Ordinary);
  toolkit_.run();
}

void Maker::load(const WindowDesign& window, toolkit::Mode mode) {
  toolkit_.load(window, bindingsFor(window, *this), mode);
}

void Maker::showCreationFailed() {
  toolkit_.messageBox(kCreationFailed, kErrorTitle);
}

void Maker::confirmTitle() {
  confirmAnswer(kTitleStep);
}
void Maker::confirmPrefix() {
  confirmAnswer(kPrefixStep);
}
void Maker::confirmPhoto() {
  confirmAnswer(kPhotoStep);
}

void Maker::confirmAnswer(const AnswerStep& step) {
  const common::Text answer = toolkit_.text(*step.window, kAnswerBox);
  if (answer.empty()) {
    toolkit_.messageBox(step.emptyMessage, kErrorTitle);
    return;
  }
  // The answer is stored as typed: blanks and all, no line end.
  if (!common::writeFile(common::pathIn(runDirectory_, step.file), common::asBytes(answer))) {
    showCreationFailed();
    return;
  }
  toolkit_.setWindowVisible(*step.window, false);
  load(*step.next, toolkit::Mode::Modal);
  // The later steps are gone, finished or closed: nothing is left to come back to, so this
  // step goes too and the maker ends with every window closed.
  toolkit_.destroy(*step.window);
}

void Maker::choosePhoto() {
  if (const auto path = toolkit_.chooseFile(kStep3Window, kPhotoDialog, kPhotoFilter))
    toolkit_.setText(kStep3Window, kAnswerBox, *path);
}

void Maker::closeChainFromStep1() {
  toolkit_.destroy(kStep4Window);
}
void Maker::closeChainFromStep3() {
  toolkit_.destroy(kStep4Window);
}

}  // namespace maker

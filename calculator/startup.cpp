#include "calculator/startup.h"

#include "calculator/contact.h"
#include "calculator/event_table.h"
#include "calculator/main_window.h"
#include "calculator/skins.h"
#include "calculator/text_rules.h"
#include "common/files.h"

namespace calculator {
namespace {

constexpr int kStartSkin = 4;
constexpr int kClockPeriod = 500;
constexpr const char* kMissingFileMessage = "文件已损坏，请勿删除文件夹的配置信息！";

void applyTitle(const Context& context, const common::Text& text) {
  context.toolkit.setTitle(kMainWindow, text);
}
void applyPrefix(const Context& context, const common::Text& text) {
  context.toolkit.setText(kMainWindow, kPrefixLabel, text);
}
void applyPhoto(const Context& context, const common::Text& photoPath) {
  context.toolkit.setPicture(kMainWindow, kPhotoBox, common::readFile(photoPath));
}

struct ConfigurationFile {
  const char* name;
  void (*apply)(const Context&, const common::Text&);
};

// Read in this order; the first missing one ends the program before the next is looked at.
// clang-format off
constexpr ConfigurationFile kConfigurationFiles[] = {
  {"1.txt", applyTitle},
  {"2.txt", applyPrefix},
  {"3.txt", applyPhoto},
};
// clang-format on

void refuseToRun(const Context& context) {
  context.toolkit.messageBox(kMissingFileMessage, contactTitle());
  context.toolkit.destroy(kMainWindow);
}

}  // namespace

void startCalculator(const Context& context) {
  context.toolkit.load(kMainWindow, mainWindowBindings(context), toolkit::Mode::Ordinary);
  context.toolkit.run();
}

void prepareMainWindow(const Context& context) {
  if (!applySkin(context, kStartSkin)) return;
  context.toolkit.setTimerPeriod(kMainWindow, kClockTimer, kClockPeriod);
  for (const ConfigurationFile& file : kConfigurationFiles) {
    const common::Text path = common::pathIn(context.runDirectory, file.name);
    if (!common::fileExists(path)) {
      refuseToRun(context);
      return;
    }
    file.apply(context, bytesToText(common::readFile(path)));
  }
}

void showClock(const Context& context) {
  const common::DateTime now = currentLocalTime(context.clock);
  context.toolkit.setText(kMainWindow, kClockLabel,
                          integerToText(hourOf(now)) + "时" + integerToText(minuteOf(now)) + "分" +
                              integerToText(secondOf(now)) + "秒");
}

}  // namespace calculator

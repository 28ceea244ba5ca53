#include "calculator/settings_panel.h"

#include "calculator/contact.h"
#include "calculator/main_window.h"

namespace calculator {
namespace {

constexpr int kOpenHeight = 380;
// Four pixels more than the design height: the window never returns to 233.
constexpr int kClosedHeight = 237;

struct LabelSetting {
  const char* settingBox;
  const char* groupBox;
};

// clang-format off
constexpr LabelSetting kLabelSettings[] = {
  {"编辑框8",  "分组框1"},
  {"编辑框9",  "分组框2"},
  {"编辑框10", "分组框3"},
  {"编辑框11", "分组框4"},
  {"编辑框12", "分组框5"},
};
// clang-format on

constexpr bool labelSettingsAreInTheDesign() {
  for (const LabelSetting& setting : kLabelSettings)
    if (!design::isControl(setting.settingBox, toolkit::Kind::EditBox) ||
        !design::isControl(setting.groupBox, toolkit::Kind::GroupBox))
      return false;
  return true;
}
static_assert(labelSettingsAreInTheDesign());

}  // namespace

void toggleSettingsPanel(const Context& context) {
  toolkit::Toolkit& toolkit = context.toolkit;
  const bool closed = toolkit.text(kMainWindow, kPanelToggle) == design::kPanelClosedCaption;
  toolkit.setHeight(kMainWindow, closed ? kOpenHeight : kClosedHeight);
  toolkit.setText(kMainWindow, kPanelToggle,
                  closed ? design::kPanelOpenCaption : design::kPanelClosedCaption);
}

void saveTeamLabels(const Context& context) {
  for (const LabelSetting& setting : kLabelSettings)
    context.toolkit.setText(kMainWindow, setting.groupBox,
                            context.toolkit.text(kMainWindow, setting.settingBox));
}

void contactSupport(const Context& context) {
  context.toolkit.navigate(kMainWindow, kContactBrowser, contactLink());
}

}  // namespace calculator

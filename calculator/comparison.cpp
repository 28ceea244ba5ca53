#include "calculator/comparison.h"

#include "calculator/main_window.h"
#include "calculator/teams.h"
#include "calculator/text_rules.h"

namespace calculator {
namespace {

void showLead(const Context& context, bool team1Leads, bool team2Leads) {
  context.toolkit.setVisible(kMainWindow, kTeam1.leadBar, team1Leads);
  context.toolkit.setVisible(kMainWindow, kTeam2.leadBar, team2Leads);
}

}  // namespace

void compareScores(const Context& context) {
  toolkit::Toolkit& toolkit = context.toolkit;
  const std::int32_t a = textToInteger(toolkit.text(kMainWindow, kTeam1.scoreBox));
  const std::int32_t b = textToInteger(toolkit.text(kMainWindow, kTeam2.scoreBox));
  // Subtracted as reals: two far-apart 32-bit scores still give their whole difference.
  if (a > b) {
    toolkit.setText(kMainWindow, kDifferenceBox, realToText(static_cast<double>(a) - b));
    showLead(context, true, false);
  } else if (a < b) {
    toolkit.setText(kMainWindow, kDifferenceBox, realToText(static_cast<double>(b) - a));
    showLead(context, false, true);
  } else {
    showLead(context, false, false);
    toolkit.setText(kMainWindow, kDifferenceBox, "0");
  }
}

}  // namespace calculator

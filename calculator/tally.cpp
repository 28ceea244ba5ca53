#include "calculator/tally.h"

#include "calculator/bonus_table.h"
#include "calculator/main_window.h"
#include "calculator/text_rules.h"

namespace calculator {
namespace {

constexpr int kFlashMilliseconds = 2000;

std::int32_t numberIn(const Context& context, std::string_view editBox) {
  return textToInteger(context.toolkit.text(kMainWindow, editBox));
}

// The sum is a real, so it is written in full even beyond 32 bits; the write runs the
// comparison before this returns.
void addToScore(const Context& context, const Team& team, std::int32_t amount) {
  const double sum = static_cast<double>(numberIn(context, team.scoreBox)) + amount;
  context.toolkit.setText(kMainWindow, team.scoreBox, realToText(sum));
}

}  // namespace

void addBonus(const Context& context, const Team& team, int amount,
              const common::EmbeddedBytes& picture) {
  addToScore(context, team, amount);
  if (flashes(picture)) flashPicture(context, team.flashBox, picture.view());
}

void flashPicture(const Context& context, std::string_view box, common::ByteView picture) {
  context.toolkit.setVisible(kMainWindow, box, true);
  context.toolkit.setPicture(kMainWindow, box, picture);
  context.toolkit.wait(kFlashMilliseconds);
  context.toolkit.setVisible(kMainWindow, box, false);
}

void addFreeAmount(const Context& context, const Team& team) {
  addToScore(context, team, numberIn(context, team.amountBox));
  context.toolkit.setText(kMainWindow, team.amountBox, "");
}

void restartTally(const Context& context) {
  toolkit::Toolkit& toolkit = context.toolkit;
  toolkit.setText(kMainWindow, kTeam1.scoreBox, "0");
  toolkit.setText(kMainWindow, kDifferenceBox, "0");
  toolkit.setText(kMainWindow, kTeam2.scoreBox, "0");
  toolkit.setText(kMainWindow, kTeam1.memberBox, "");
  toolkit.setText(kMainWindow, kTeam2.memberBox, "");
  toolkit.setVisible(kMainWindow, kTeam2.leadBar, false);
  toolkit.setVisible(kMainWindow, kTeam1.leadBar, false);
}

}  // namespace calculator

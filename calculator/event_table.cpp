#include "calculator/event_table.h"

#include "calculator/bonus_table.h"
#include "calculator/comparison.h"
#include "calculator/main_window.h"
#include "calculator/settings_panel.h"
#include "calculator/skins.h"
#include "calculator/startup.h"
#include "calculator/tally.h"
#include "calculator/teams.h"

namespace calculator {
namespace {

using toolkit::Event;

struct EventRow {
  const char* control;  // "" for the window itself
  Event event;
  void (*handler)(const Context&);
};

// The handlers that take nothing but the context; the bonus and "+" buttons of both
// teams are bound from the team and bonus tables below.
// clang-format off
constexpr EventRow kEventRows[] = {
  {"",                Event::Created, prepareMainWindow},
  {kClockTimer,       Event::Tick,    showClock},
  {kTeam1.scoreBox,   Event::Changed, compareScores},
  {kTeam2.scoreBox,   Event::Changed, compareScores},
  {kRestartButton,    Event::Clicked, restartTally},
  {kPanelToggle,      Event::Clicked, toggleSettingsPanel},
  {kSaveLabelsButton, Event::Clicked, saveTeamLabels},
  {kSaveSkinButton,   Event::Clicked, saveSkinChoice},
  {kContactButton,    Event::Clicked, contactSupport},
};
// clang-format on

}  // namespace

toolkit::Bindings mainWindowBindings(const Context& context) {
  toolkit::Bindings bindings;
  for (const EventRow& row : kEventRows)
    bindings.push_back(
        {row.control, row.event, [&context, handler = row.handler] { handler(context); }});
  for (const Team& team : kTeams)
    bindings.push_back(
        {team.plusButton, Event::Clicked, [&context, &team] { addFreeAmount(context, team); }});
  for (const BonusRow& row : kBonusRows) {
    for (std::size_t index = 0; index < std::size(kTeams); ++index) {
      const Team& team = kTeams[index];
      const common::EmbeddedBytes& picture = row.pictures[index];
      bindings.push_back({row.buttons[index], Event::Clicked, [&context, &team, &row, &picture] {
                            addBonus(context, team, row.amount, picture);
                          }});
    }
  }
  return bindings;
}

}  // namespace calculator

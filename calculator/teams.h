// The two teams as the tally and the comparison address them: each team's controls.
#pragma once

#include "calculator/main_window.h"

namespace calculator {

struct Team {
  const char* scoreBox;
  const char* amountBox;
  const char* plusButton;
  const char* flashBox;
  const char* memberBox;
  const char* leadBar;
  const char* bonusGroup;
};

// clang-format off
inline constexpr Team kTeams[] = {
  // score      amount     "+"       flash      member     lead bar   bonus group
  {"编辑框1", "编辑框6", "按钮25", "图片框1", "编辑框4", "外形框1", "分组框6"},
  {"编辑框3", "编辑框7", "按钮26", "图片框4", "编辑框5", "外形框2", "分组框7"},
};
// clang-format on
inline constexpr const Team& kTeam1 = kTeams[0];
inline constexpr const Team& kTeam2 = kTeams[1];

constexpr bool teamControlsAreInTheDesign(const Team& team) {
  using design::isControl;
  using toolkit::Kind;
  return isControl(team.scoreBox, Kind::EditBox) && isControl(team.amountBox, Kind::EditBox) &&
         isControl(team.plusButton, Kind::Button) && isControl(team.flashBox, Kind::PictureBox) &&
         isControl(team.memberBox, Kind::EditBox) && isControl(team.leadBar, Kind::ShapeBox) &&
         isControl(team.bonusGroup, Kind::GroupBox);
}
static_assert(teamControlsAreInTheDesign(kTeam1) && teamControlsAreInTheDesign(kTeam2));

}  // namespace calculator

// The bonus buttons: one row per amount, with each team's button and the picture it
// flashes. The bindings of every bonus button are made from this table.
#pragma once

#include <iterator>
#include <string_view>

#include "assets/assets.h"
#include "calculator/main_window.h"
#include "calculator/teams.h"

namespace calculator {

inline constexpr common::EmbeddedBytes kNoPicture{};

struct BonusRow {
  const char* caption;
  int amount;
  const char* buttons[2];             // team 1's, team 2's
  common::EmbeddedBytes pictures[2];  // kNoPicture: the button flashes nothing
};

// clang-format off
inline constexpr BonusRow kBonusRows[] = {
  // caption   amount  team 1    team 2     team 1's picture          team 2's picture
  {"+10",     10,    {"按钮1",  "按钮22"}, {kNoPicture,              kNoPicture}},
  {"+33",     33,    {"按钮2",  "按钮21"}, {kNoPicture,              kNoPicture}},
  {"+66",     66,    {"按钮3",  "按钮20"}, {kNoPicture,              kNoPicture}},
  {"+199",    199,   {"按钮4",  "按钮19"}, {kNoPicture,              kNoPicture}},
  {"+520",    520,   {"按钮5",  "按钮18"}, {assets::kFlashAngel,     assets::kFlashAngel}},
  {"+521",    521,   {"按钮6",  "按钮17"}, {assets::kFlashLollipop,  assets::kFlashDuck}},
  {"+1000",   1000,  {"按钮7",  "按钮16"}, {assets::kFlashLollipop,  assets::kFlashDuck}},
  {"+1314",   1314,  {"按钮8",  "按钮15"}, {assets::kFlashLollipop,  assets::kFlashDuck}},
  {"+1880",   1880,  {"按钮9",  "按钮14"}, {assets::kFlashLips,      assets::kFlashLips}},
  {"+1990",   1990,  {"按钮10", "按钮13"}, {assets::kFlashFireworks, assets::kFlashFireworks}},
  {"+5200",   5200,  {"按钮11", "按钮12"}, {assets::kFlashAngel,     assets::kFlashAngel}},
};
// clang-format on
static_assert(std::size(kBonusRows) == 11);

constexpr bool flashes(const common::EmbeddedBytes& picture) {
  return picture.begin != nullptr;
}

constexpr bool captionShowsAmount(const BonusRow& row) {
  const std::string_view caption = row.caption;
  if (caption.size() < 2 || caption[0] != '+') return false;
  int value = 0;
  for (const char digit : caption.substr(1)) {
    if (digit < '0' || digit > '9') return false;
    value = value * 10 + (digit - '0');
  }
  return value == row.amount;
}

// Every row's buttons stand in their team's bonus group with the row's caption.
constexpr bool bonusButtonsMatchTheDesign() {
  for (const BonusRow& row : kBonusRows) {
    if (!captionShowsAmount(row)) return false;
    for (int team = 0; team < 2; ++team) {
      const toolkit::ControlDesign* button = design::findControl(row.buttons[team]);
      if (!button || button->kind != toolkit::Kind::Button) return false;
      if (std::string_view(button->parent) != kTeams[team].bonusGroup) return false;
      if (std::string_view(button->text) != row.caption) return false;
    }
  }
  return true;
}
static_assert(bonusButtonsMatchTheDesign());

}  // namespace calculator

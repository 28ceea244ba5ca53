// Step 4 of the maker: installs the calculator. The shortcut option is shown ticked and
// cannot be unticked: the shortcut is always made.
#pragma once

#include "maker/step_parts.h"

namespace maker {

// clang-format off
inline constexpr toolkit::ControlDesign kStep4Controls[] = {
  stepGroupBox("安装步骤【4】", {1, 0, 384, 96}),
  kWelcomeLabel,
  {toolkit::Kind::RadioButton, "单选框1", kStepGroup, {111, 64, 128, 16}, true, "创建桌面快捷方式",
   toolkit::kDefaultColour, toolkit::kDefaultColour, toolkit::kDefaultFont,
   toolkit::kTicked | toolkit::kDisabled},
  button("按钮1", "", {272, 98, 112, 24}, "完成"),
};
// clang-format on
static_assert(isSoundDesign(kStep4Controls));

inline constexpr toolkit::WindowDesign kStep4Window = stepWindow(392, 151, true, kStep4Controls);

}  // namespace maker

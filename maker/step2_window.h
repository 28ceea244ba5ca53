// Step 2 of the maker: the time prefix shown before the calculator's clock.
#pragma once

#include "maker/step_parts.h"

namespace maker {

// clang-format off
inline constexpr toolkit::ControlDesign kStep2Controls[] = {
  stepGroupBox("安装步骤【2】", {0, 3, 384, 382}),
  kWelcomeLabel,
  stepIllustration(assets::kStep2Clock),
  promptLabel("请输入时间前缀："),
  answerBox({119, 348, 248, 24}, "Yelvi："),
  button("按钮19", "", {271, 388, 112, 24}, "下一步"),
};
// clang-format on
static_assert(isSoundDesign(kStep2Controls));

inline constexpr toolkit::WindowDesign kStep2Window = stepWindow(391, 442, false, kStep2Controls);

}  // namespace maker

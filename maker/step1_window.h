// Step 1 of the maker: the calculator's window title.
#pragma once

#include "maker/step_parts.h"

namespace maker {

// clang-format off
inline constexpr toolkit::ControlDesign kStep1Controls[] = {
  stepGroupBox("安装步骤【1】", {0, 2, 384, 382}),
  kWelcomeLabel,
  stepIllustration(assets::kStep1Welcome),
  promptLabel("请输入窗口标题："),
  answerBox({119, 348, 248, 24}, "ZavoYelvi计算器专属版"),
  button("按钮1", "", {271, 385, 112, 24}, "下一步"),
};
// clang-format on
static_assert(isSoundDesign(kStep1Controls));

inline constexpr toolkit::WindowDesign kStep1Window = stepWindow(391, 441, false, kStep1Controls);

}  // namespace maker

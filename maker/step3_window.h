// Step 3 of the maker: the photo, chosen only through the open-file dialog (its path box is
// disabled, so nothing can be typed there).
#pragma once

#include "maker/step_parts.h"

namespace maker {

inline constexpr const char* kPhotoDialog = "通用对话框1";

// clang-format off
inline constexpr toolkit::ControlDesign kStep3Controls[] = {
  stepGroupBox("安装步骤【3】", {0, 2, 384, 382}),
  kWelcomeLabel,
  stepIllustration(assets::kStep3Photo),
  answerBox({16, 346, 224, 24}, "", toolkit::kDisabled),
  button("按钮1", kStepGroup, {248, 344, 120, 24}, "选择照片"),
  button("按钮2", "", {272, 386, 112, 24}, "下一步"),
  {toolkit::Kind::OpenFileDialog, kPhotoDialog, "", {0, 0, 0, 0}, false, ""},
};
// clang-format on
static_assert(isSoundDesign(kStep3Controls));

inline constexpr toolkit::WindowDesign kStep3Window = stepWindow(391, 442, false, kStep3Controls);

}  // namespace maker

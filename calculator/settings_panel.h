// The settings panel: opening and closing it, the team labels and the contact button.
#pragma once

#include "calculator/context.h"

namespace calculator {

// The toggle button's caption alone decides: the closed caption opens, any other closes.
void toggleSettingsPanel(const Context& context);

// "保存" of "队员设置": each setting box's text becomes its group box's caption.
void saveTeamLabels(const Context& context);

// "联系客服": hands the vendor's chat link to the browser control.
void contactSupport(const Context& context);

}  // namespace calculator

// Skins: deploying SkinH_EL.dll beside the program and handing it a skin by number.
#pragma once

#include <cstdint>

#include "calculator/context.h"

namespace calculator {

// Deploys the library if needed, then hands it skin `number` (1..33; any other number
// hands the empty block). When the library cannot be reached it shows the fatal message
// and ends the process; false then, so a caller goes no further.
bool applySkin(const Context& context, std::int32_t number);

// "保存" of "皮肤设置": the skin number box's text, read by the text rules.
void saveSkinChoice(const Context& context);

// Writes SkinH_EL.dll beside the program, hidden, unless a file of that name is there.
void deploySkinLibrary(const Context& context);

}  // namespace calculator

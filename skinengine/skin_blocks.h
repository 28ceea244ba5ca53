// The 33 skin blocks the calculator carries, numbered 1 to 33. They are generated at build
// time from skins.tsv by make_skins.py; the calculator hands them to the skin library unread.
#pragma once

#include "common/text.h"

namespace skinengine {

inline constexpr int kSkinCount = 33;

// Skin `number` (1..kSkinCount); any other number gives an empty view.
common::ByteView skinBlock(int number);

}  // namespace skinengine

// The calculator's conversions between texts, whole numbers, reals, byte blocks and clock
// fields. They are the only place that parses or formats a number; none of them fails.
#pragma once

#include <cstdint>

#include "common/clock.h"
#include "common/text.h"

namespace calculator {

using common::ByteView;
using common::DateTime;
using common::Text;

// The leading decimal number of `text` after full-width folding, wrapped to 32 bits;
// 0 when there is none.
std::int32_t textToInteger(const Text& text);

// 13 significant digits, plain notation for exponents -4..12, otherwise "d.ddde+XXX".
Text realToText(double value);

// Plain decimal, "-" for negatives, no padding.
Text integerToText(std::int32_t value);

// The bytes up to the first zero byte, unconverted.
Text bytesToText(ByteView bytes);

DateTime currentLocalTime(const common::Clock& clock);
inline int hourOf(const DateTime& time) { return time.hour; }
inline int minuteOf(const DateTime& time) { return time.minute; }
inline int secondOf(const DateTime& time) { return time.second; }

}  // namespace calculator

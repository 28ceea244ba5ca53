// Colour arithmetic of the skin engine: relative luminance and contrast (as in WCAG 2),
// conversion to and from hue / saturation / lightness, and the lightness adjustment that
// keeps a program's explicit text colour legible on a skin's background.
// Pure code: built into the skin library and tested on the host.
#pragma once

#include <cstdint>

namespace skinengine {

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

struct Hsl {
  double hue = 0;         // degrees, 0 <= hue < 360 (0 for greys)
  double saturation = 0;  // 0..1
  double lightness = 0;   // 0..1
};

// Every text colour the engine lets through stands out from its background at least this much.
inline constexpr double kMinimumTextContrast = 3.0;

double relativeLuminance(Rgb colour);
// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double contrastRatio(Rgb first, Rgb second);

Hsl toHsl(Rgb colour);
Rgb fromHsl(Hsl colour);

// `text` itself when it already reaches `minimum` against `background`; otherwise the
// colour of the same hue and saturation whose lightness is the nearest one that does.
Rgb legibleOn(Rgb text, Rgb background, double minimum = kMinimumTextContrast);

}  // namespace skinengine

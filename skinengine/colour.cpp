// Colour arithmetic of the skin engine (see colour.h).
#include "skinengine/colour.h"

#include <cmath>

namespace skinengine {
namespace {

double linearChannel(std::uint8_t channel) {
  const double value = channel / 255.0;
  return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

std::uint8_t toChannel(double value) {
  if (value <= 0) return 0;
  if (value >= 1) return 255;
  return static_cast<std::uint8_t>(value * 255.0 + 0.5);
}

double hueChannel(double p, double q, double t) {
  if (t < 0) t += 1;
  if (t >= 1) t -= 1;
  if (t < 1.0 / 6) return p + (q - p) * 6 * t;
  if (t < 0.5) return q;
  if (t < 2.0 / 3) return p + (q - p) * (2.0 / 3 - t) * 6;
  return p;
}

Rgb withLightness(Hsl colour, double lightness) {
  colour.lightness = lightness;
  return fromHsl(colour);
}

// The lightness nearest to `from`, on the way to `limit`, whose colour reaches `target`
// against `background`, or a negative value when even `limit` does not. Luminance grows
// with lightness at a fixed hue and saturation, so the answer is found by bisection.
double nearestLegibleLightness(Hsl colour, double from, double limit, Rgb background,
                               double target) {
  if (contrastRatio(withLightness(colour, limit), background) < target) return -1;
  double near = from, far = limit;
  for (int step = 0; step < 40; ++step) {
    const double middle = (near + far) / 2;
    if (contrastRatio(withLightness(colour, middle), background) >= target)
      far = middle;
    else
      near = middle;
  }
  return far;
}

}  // namespace

double relativeLuminance(Rgb colour) {
  return 0.2126 * linearChannel(colour.red) + 0.7152 * linearChannel(colour.green) +
         0.0722 * linearChannel(colour.blue);
}

double contrastRatio(Rgb first, Rgb second) {
  const double a = relativeLuminance(first), b = relativeLuminance(second);
  return a > b ? (a + 0.05) / (b + 0.05) : (b + 0.05) / (a + 0.05);
}

Hsl toHsl(Rgb colour) {
  const double r = colour.red / 255.0, g = colour.green / 255.0, b = colour.blue / 255.0;
  const double high = std::fmax(r, std::fmax(g, b)), low = std::fmin(r, std::fmin(g, b));
  Hsl result;
  result.lightness = (high + low) / 2;
  const double chroma = high - low;
  if (chroma <= 0) return result;
  result.saturation = chroma / (1 - std::fabs(2 * result.lightness - 1));
  double hue;
  if (high == r)
    hue = std::fmod((g - b) / chroma, 6.0);
  else if (high == g)
    hue = (b - r) / chroma + 2;
  else
    hue = (r - g) / chroma + 4;
  hue *= 60;
  result.hue = hue < 0 ? hue + 360 : hue;
  return result;
}

Rgb fromHsl(Hsl colour) {
  const double l = colour.lightness, s = colour.saturation;
  if (s <= 0) {
    const std::uint8_t grey = toChannel(l);
    return {grey, grey, grey};
  }
  const double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
  const double p = 2 * l - q;
  const double h = colour.hue / 360;
  return {toChannel(hueChannel(p, q, h + 1.0 / 3)), toChannel(hueChannel(p, q, h)),
          toChannel(hueChannel(p, q, h - 1.0 / 3))};
}

Rgb legibleOn(Rgb text, Rgb background, double minimum) {
  if (contrastRatio(text, background) >= minimum) return text;
  // A little above the minimum, so rounding to whole channel values cannot undo it.
  const double target = minimum + 0.05;
  const Hsl colour = toHsl(text);
  const double lighter = nearestLegibleLightness(colour, colour.lightness, 1, background, target);
  const double darker = nearestLegibleLightness(colour, colour.lightness, 0, background, target);
  double chosen;
  if (lighter < 0)
    chosen = darker;
  else if (darker < 0)
    chosen = lighter;
  else
    chosen = lighter - colour.lightness <= colour.lightness - darker ? lighter : darker;
  // Black and white stand 4.58:1 or more from any colour, so one side always works.
  return withLightness(colour, chosen);
}

}  // namespace skinengine

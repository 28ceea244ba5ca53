// The colour arithmetic, and the promise the engine makes with it: every explicit text
// colour of the calculator's design stays legible (3:1 or better) on every skin's face and
// field, with its hue kept.
#include "skinengine/colour.h"

#include <gtest/gtest.h>

#include <cmath>

#include "skinengine/skin_blocks.h"
#include "skinengine/skin_reader.h"

namespace skinengine {
namespace {

constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255};

TEST(Colour, ContrastMatchesKnownValues) {
  struct Case {
    Rgb first, second;
    double ratio;
  };
  // clang-format off
  const Case cases[] = {
    {kBlack,        kWhite,          21.0},
    {kWhite,        kBlack,          21.0},
    {kWhite,        kWhite,           1.0},
    {{255, 0, 0},   kWhite,           4.00},
    {{0, 0, 255},   kWhite,           8.59},
    {{119, 119, 119}, kWhite,         4.48},
    {{255, 0, 255}, kWhite,           3.14},
  };
  // clang-format on
  for (const Case& test : cases)
    EXPECT_NEAR(contrastRatio(test.first, test.second), test.ratio, 0.01)
        << int(test.first.red) << "," << int(test.first.green) << "," << int(test.first.blue);
}

TEST(Colour, HueSaturationLightnessRoundTrips) {
  // clang-format off
  const Rgb colours[] = {
    kBlack, kWhite, {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {144, 0, 255},
    {255, 0, 255}, {12, 200, 99}, {250, 240, 190}, {27, 37, 64}, {1, 2, 3},
  };
  // clang-format on
  for (const Rgb colour : colours) EXPECT_EQ(fromHsl(toHsl(colour)), colour);
  EXPECT_NEAR(toHsl({144, 0, 255}).hue, 273.9, 0.1);
  EXPECT_NEAR(toHsl({255, 0, 255}).hue, 300.0, 0.1);
  EXPECT_DOUBLE_EQ(toHsl({255, 0, 0}).hue, 0.0);
}

TEST(Colour, LegibleColoursAreLeftAlone) {
  EXPECT_EQ(legibleOn({255, 0, 0}, kWhite), (Rgb{255, 0, 0}));
  EXPECT_EQ(legibleOn(kBlack, {240, 240, 240}), kBlack);
}

TEST(Colour, IllegibleColoursMoveTowardTheFartherSide) {
  // Black on near-black turns light; white on near-white turns dark; both stay grey.
  const Rgb lightened = legibleOn(kBlack, {20, 20, 20});
  EXPECT_GT(lightened.red, 80);
  EXPECT_GE(contrastRatio(lightened, {20, 20, 20}), kMinimumTextContrast);
  EXPECT_TRUE(lightened.red == lightened.green && lightened.green == lightened.blue);
  const Rgb darkened = legibleOn(kWhite, {250, 250, 250});
  EXPECT_LT(darkened.red, 160);
  EXPECT_GE(contrastRatio(darkened, {250, 250, 250}), kMinimumTextContrast);
  // Violet on a dark navy becomes a lighter violet, not the nearest legible grey.
  const Rgb violet = legibleOn({144, 0, 255}, {27, 37, 64});
  EXPECT_GT(violet.blue, violet.green);
  EXPECT_GT(violet.red, violet.green);
}

double hueDistance(double a, double b) {
  const double d = std::fabs(a - b);
  return d > 180 ? 360 - d : d;
}

TEST(Colour, DesignColoursStayLegibleWithTheirHueOnEverySkin) {
  struct DesignColour {
    const char* what;
    Rgb colour;
  };
  // clang-format off
  const DesignColour design[] = {
    {"red scores and member texts",   {255, 0, 0}},
    {"violet score captions",         {144, 0, 255}},
    {"magenta amounts",               {255, 0, 255}},
    {"black captions",                {0, 0, 0}},
  };
  // clang-format on
  const Role backgrounds[] = {Role::Face, Role::Field, Role::ButtonBottom};
  for (int number = 1; number <= kSkinCount; ++number) {
    Skin skin;
    ASSERT_TRUE(readSkin(skinBlock(number), skin)) << "skin " << number;
    for (const Role background : backgrounds) {
      const Rgb under = skin.colour(background);
      for (const DesignColour& text : design) {
        const Rgb shown = legibleOn(text.colour, under);
        SCOPED_TRACE(testing::Message() << "skin " << number << ", " << text.what
                                        << ", background role " << int(background));
        EXPECT_GE(contrastRatio(shown, under), kMinimumTextContrast);
        const Hsl before = toHsl(text.colour), after = toHsl(shown);
        if (before.saturation == 0) {
          EXPECT_EQ(after.saturation, 0);
        } else if (after.lightness > 0.03 && after.lightness < 0.97) {
          // Near black or white the hue of 8-bit channels is no longer well defined.
          EXPECT_LE(hueDistance(before.hue, after.hue), 3.0);
        }
      }
    }
  }
}

}  // namespace
}  // namespace skinengine

// The generated skins: numbered 1 to 33 and nothing else, each readable, carrying the
// colours of its row of skins.tsv, readable texts on every surface, and no two alike.
#include "skinengine/skin_blocks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "skinengine/colour.h"
#include "skinengine/skin_reader.h"

COMMON_DECLARE_EMBEDDED(skin_table);

namespace skinengine {
namespace {

Skin skinNumber(int number) {
  Skin skin;
  EXPECT_TRUE(readSkin(skinBlock(number), skin)) << "skin " << number;
  return skin;
}

TEST(SkinBlocks, OnlyNumbersOneToThirtyThreeGiveABlock) {
  for (const int number : {-1, 0, kSkinCount + 1, 1000}) EXPECT_TRUE(skinBlock(number).empty());
  for (int number = 1; number <= kSkinCount; ++number) {
    Skin skin;
    EXPECT_TRUE(readSkin(skinBlock(number), skin)) << "skin " << number;
    EXPECT_GT(std::string(skin.name).size(), 0u) << "skin " << number;
  }
}

Rgb hexColour(const std::string& text) {
  const unsigned long value = std::stoul(text.substr(1), nullptr, 16);
  return {static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
          static_cast<std::uint8_t>(value)};
}

TEST(SkinBlocks, CarryTheColoursOfTheirTableRows) {
  const auto bytes = COMMON_EMBEDDED(skin_table).view();
  std::istringstream table(std::string(bytes.begin(), bytes.end()));
  std::vector<std::string> header;
  int rows = 0;
  for (std::string line; std::getline(table, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> cells;
    std::stringstream split(line);
    for (std::string cell; std::getline(split, cell, '\t');) cells.push_back(cell);
    if (header.empty()) {
      header = cells;
      continue;
    }
    auto cell = [&](const std::string& column) {
      for (std::size_t i = 0; i < header.size(); ++i)
        if (header[i] == column) return cells.at(i);
      ADD_FAILURE() << "no column " << column;
      return std::string("#000000");
    };
    const int number = std::stoi(cell("number"));
    ++rows;
    const Skin skin = skinNumber(number);
    SCOPED_TRACE(testing::Message() << "skin " << number);
    // clang-format off
    const struct { const char* column; Role role; } columns[] = {
      {"face", Role::Face},   {"text", Role::Text},         {"field", Role::Field},
      {"field_text", Role::FieldText}, {"accent", Role::Focus}, {"button_text", Role::ButtonText},
    };
    // clang-format on
    for (const auto& column : columns)
      EXPECT_EQ(skin.colour(column.role), hexColour(cell(column.column))) << column.column;
  }
  EXPECT_EQ(rows, kSkinCount);
}

TEST(SkinBlocks, DefaultTextsReadWellOnTheirSurfaces) {
  struct Pairing {
    Role text, background;
    double minimum;
  };
  // clang-format off
  const Pairing pairings[] = {
    {Role::Text,       Role::Face,          4.5},
    {Role::Caption,    Role::Face,          4.5},
    {Role::FieldText,  Role::Field,         4.5},
    {Role::ButtonText, Role::ButtonTop,     4.5},
    {Role::ButtonText, Role::ButtonBottom,  4.5},
    {Role::ButtonText, Role::HotTop,        4.5},
    {Role::ButtonText, Role::HotBottom,     4.5},
    {Role::ButtonText, Role::PressedTop,    4.5},
    {Role::ButtonText, Role::PressedBottom, 4.5},
    // Borders and frames are lines, not text: they need only to be seen.
    {Role::Border,     Role::Field,         1.5},
    {Role::Frame,      Role::Face,          1.5},
  };
  // clang-format on
  for (int number = 1; number <= kSkinCount; ++number) {
    const Skin skin = skinNumber(number);
    for (const Pairing& pairing : pairings)
      EXPECT_GE(contrastRatio(skin.colour(pairing.text), skin.colour(pairing.background)),
                pairing.minimum)
          << "skin " << number << ": role " << int(pairing.text) << " on role "
          << int(pairing.background);
  }
}

double distance(Rgb a, Rgb b) {
  const double dr = a.red - b.red, dg = a.green - b.green, db = a.blue - b.blue;
  return std::sqrt(dr * dr + dg * dg + db * db);
}

TEST(SkinBlocks, NoTwoLookAlike) {
  // Two skins count as alike when both their face and their buttons are near the same colour.
  for (int first = 1; first <= kSkinCount; ++first)
    for (int second = first + 1; second <= kSkinCount; ++second) {
      const Skin a = skinNumber(first), b = skinNumber(second);
      const double apart = distance(a.colour(Role::Face), b.colour(Role::Face)) +
                           distance(a.colour(Role::ButtonBottom), b.colour(Role::ButtonBottom)) +
                           distance(a.colour(Role::Focus), b.colour(Role::Focus));
      EXPECT_GT(apart, 40.0) << "skins " << first << " and " << second;
    }
}

}  // namespace
}  // namespace skinengine

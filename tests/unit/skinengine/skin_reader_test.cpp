// The skin reader on well-formed blocks, on every truncation, and on the malformed headers,
// records and counts a damaged or hostile block can carry.
#include "skinengine/skin_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "skinengine/skin_blocks.h"

namespace skinengine {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Builds blocks record by record; finish() writes the header with the true total length.
class BlockBuilder {
 public:
  BlockBuilder& record(std::uint8_t tag, const Bytes& payload) {
    body_.push_back(tag);
    body_.push_back(static_cast<std::uint8_t>(payload.size() & 0xFF));
    body_.push_back(static_cast<std::uint8_t>(payload.size() >> 8));
    body_.insert(body_.end(), payload.begin(), payload.end());
    return *this;
  }
  Bytes finish(std::uint8_t major = kSkinFormatVersion, std::uint8_t minor = 0) const {
    const std::size_t total = kSkinHeaderLength + body_.size();
    Bytes block{'Z',
                'S',
                'K',
                'N',
                major,
                minor,
                static_cast<std::uint8_t>(total & 0xFF),
                static_cast<std::uint8_t>(total >> 8)};
    block.insert(block.end(), body_.begin(), body_.end());
    return block;
  }

 private:
  Bytes body_;
};

// Colour of role r: (10 + r, 100 + r, 200 + r), easy to recognise.
Bytes colourPayload(int roles = static_cast<int>(kRoleCount), int firstRole = 0) {
  Bytes payload{static_cast<std::uint8_t>(roles)};
  for (int role = firstRole; role < firstRole + roles; ++role) {
    payload.push_back(static_cast<std::uint8_t>(role));
    payload.push_back(static_cast<std::uint8_t>(10 + role));
    payload.push_back(static_cast<std::uint8_t>(100 + role));
    payload.push_back(static_cast<std::uint8_t>(200 + role));
  }
  return payload;
}

const Bytes kShape{static_cast<std::uint8_t>(FrameStyle::Rounded), 5, 7};
const Bytes kName{'T', 'e', 's', 't'};

Bytes wellFormed() {
  return BlockBuilder().record(1, kName).record(2, colourPayload()).record(3, kShape).finish();
}

TEST(SkinReader, ReadsEveryFieldOfAWellFormedBlock) {
  Skin skin;
  ASSERT_TRUE(readSkin(wellFormed(), skin));
  for (std::size_t role = 0; role < kRoleCount; ++role) {
    const Rgb expected{static_cast<std::uint8_t>(10 + role), static_cast<std::uint8_t>(100 + role),
                       static_cast<std::uint8_t>(200 + role)};
    EXPECT_EQ(skin.colours[role], expected) << "role " << role;
  }
  EXPECT_EQ(skin.frameStyle, FrameStyle::Rounded);
  EXPECT_EQ(skin.buttonRadius, 5);
  EXPECT_EQ(skin.frameRadius, 7);
  EXPECT_STREQ(skin.name, "Test");
}

TEST(SkinReader, AcceptsWhatALaterMinorVersionMayAdd) {
  Bytes longerShape = kShape;
  longerShape.push_back(9);  // a field this reader does not know
  Bytes moreColours = colourPayload(static_cast<int>(kRoleCount) + 2);  // roles 17 and 18
  const Bytes block = BlockBuilder()
                          .record(0x40, {1, 2, 3})  // an unknown record
                          .record(2, moreColours)
                          .record(3, longerShape)
                          .record(0x41, {})
                          .finish(kSkinFormatVersion, 9);
  Skin skin;
  ASSERT_TRUE(readSkin(block, skin));
  EXPECT_EQ(skin.colour(Role::ButtonBorder), (Rgb{26, 116, 216}));
  EXPECT_STREQ(skin.name, "");  // the name is optional
}

TEST(SkinReader, RefusesEveryTruncation) {
  // Both with the header's length left as it was and with it patched to the shorter length,
  // so the records themselves are cut.
  std::vector<Bytes> blocks{wellFormed()};
  for (int number = 1; number <= kSkinCount; ++number) {
    const auto block = skinBlock(number);
    blocks.emplace_back(block.begin(), block.end());
  }
  for (const Bytes& whole : blocks) {
    for (std::size_t length = 0; length < whole.size(); ++length) {
      Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
      Skin skin;
      EXPECT_FALSE(readSkin(cut, skin)) << "length " << length;
      if (length >= kSkinHeaderLength) {
        cut[6] = static_cast<std::uint8_t>(length & 0xFF);
        cut[7] = static_cast<std::uint8_t>(length >> 8);
        EXPECT_FALSE(readSkin(cut, skin)) << "patched length " << length;
      }
    }
  }
}

struct Malformed {
  const char* what;
  Bytes block;
};

std::vector<Malformed> malformedBlocks() {
  std::vector<Malformed> cases;
  auto patched = [](std::size_t at, std::uint8_t value) {
    Bytes block = wellFormed();
    block[at] = value;
    return block;
  };
  cases.push_back({"wrong magic", patched(0, 'X')});
  cases.push_back({"magic in lower case", patched(3, 'n')});
  cases.push_back({"major version 0", patched(4, 0)});
  cases.push_back({"major version 2", patched(4, 2)});
  cases.push_back({"total length larger than the block", patched(7, 0xFF)});
  cases.push_back({"total length smaller than the block", patched(6, wellFormed()[6] - 1)});
  {
    Bytes block = wellFormed();
    block.push_back(0);  // one stray byte after the last record
    cases.push_back({"block longer than its total length", block});
  }
  {
    Bytes colours = colourPayload();
    colours[0] = 255;  // claims 255 entries, holds 17
    cases.push_back({"colour count larger than the record",
                     BlockBuilder().record(2, colours).record(3, kShape).finish()});
  }
  {
    Bytes colours = colourPayload();
    colours[0] = 3;  // claims 3 entries, holds 17
    cases.push_back({"colour count smaller than the record",
                     BlockBuilder().record(2, colours).record(3, kShape).finish()});
  }
  {
    Bytes block = wellFormed();
    block[kSkinHeaderLength + 1] = 0xFF;  // the name record claims 65,535 bytes
    block[kSkinHeaderLength + 2] = 0xFF;
    cases.push_back({"record length past the end", block});
  }
  cases.push_back(
      {"a role missing", BlockBuilder().record(2, colourPayload(16)).record(3, kShape).finish()});
  {
    Bytes colours = colourPayload();
    colours[1 + 4 * 5] = 4;  // role 5 written as a second role 4
    cases.push_back({"a role twice", BlockBuilder().record(2, colours).record(3, kShape).finish()});
  }
  cases.push_back({"no colour record", BlockBuilder().record(3, kShape).finish()});
  cases.push_back({"no shape record", BlockBuilder().record(2, colourPayload()).finish()});
  cases.push_back({"two colour records", BlockBuilder()
                                             .record(2, colourPayload())
                                             .record(2, colourPayload())
                                             .record(3, kShape)
                                             .finish()});
  cases.push_back({"two names", BlockBuilder()
                                    .record(1, kName)
                                    .record(1, kName)
                                    .record(2, colourPayload())
                                    .record(3, kShape)
                                    .finish()});
  cases.push_back(
      {"shape too short", BlockBuilder().record(2, colourPayload()).record(3, {0, 1}).finish()});
  cases.push_back({"unknown frame style",
                   BlockBuilder().record(2, colourPayload()).record(3, {3, 1, 1}).finish()});
  cases.push_back({"button radius too large",
                   BlockBuilder().record(2, colourPayload()).record(3, {0, 13, 0}).finish()});
  cases.push_back({"frame radius too large",
                   BlockBuilder().record(2, colourPayload()).record(3, {2, 0, 200}).finish()});
  cases.push_back(
      {"empty name",
       BlockBuilder().record(1, {}).record(2, colourPayload()).record(3, kShape).finish()});
  cases.push_back({"name with a NUL byte", BlockBuilder()
                                               .record(1, {'a', 0, 'b'})
                                               .record(2, colourPayload())
                                               .record(3, kShape)
                                               .finish()});
  cases.push_back({"name too long", BlockBuilder()
                                        .record(1, Bytes(kSkinNameMaxLength + 1, 'n'))
                                        .record(2, colourPayload())
                                        .record(3, kShape)
                                        .finish()});
  cases.push_back({"block larger than any skin", BlockBuilder()
                                                     .record(0x40, Bytes(kSkinMaxLength, 0))
                                                     .record(2, colourPayload())
                                                     .record(3, kShape)
                                                     .finish()});
  cases.push_back({"empty block", {}});
  return cases;
}

TEST(SkinReader, RefusesMalformedBlocksAndLeavesTheSkinAsItWas) {
  Skin before;
  ASSERT_TRUE(readSkin(wellFormed(), before));
  for (const Malformed& test : malformedBlocks()) {
    Skin skin = before;
    EXPECT_FALSE(readSkin(test.block, skin)) << test.what;
    EXPECT_EQ(skin.colour(Role::Face), before.colour(Role::Face)) << test.what;
    EXPECT_STREQ(skin.name, before.name) << test.what;
  }
}

}  // namespace
}  // namespace skinengine

// Reads a skin block (see FORMAT.md). Every length is checked against what is left of the
// block before anything is read, and the result lives in a fixed-size struct.
#include "skinengine/skin_reader.h"

namespace skinengine {
namespace {

// A read position that refuses to move past the end of its bytes.
class Cursor {
 public:
  explicit Cursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t left() const { return bytes_.size() - position_; }
  bool byte(std::uint8_t& value) {
    if (left() < 1) return false;
    value = bytes_[position_++];
    return true;
  }
  bool word(std::uint16_t& value) {
    if (left() < 2) return false;
    value = static_cast<std::uint16_t>(bytes_[position_] | (bytes_[position_ + 1] << 8));
    position_ += 2;
    return true;
  }
  bool take(std::size_t length, std::span<const std::uint8_t>& part) {
    if (left() < length) return false;
    part = bytes_.subspan(position_, length);
    position_ += length;
    return true;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

bool readName(std::span<const std::uint8_t> payload, Skin& skin) {
  if (payload.empty() || payload.size() > kSkinNameMaxLength) return false;
  std::size_t i = 0;
  for (; i < payload.size(); ++i) {
    if (payload[i] == 0) return false;
    skin.name[i] = static_cast<char>(payload[i]);
  }
  skin.name[i] = 0;
  return true;
}

bool readColours(std::span<const std::uint8_t> payload, Skin& skin) {
  Cursor cursor(payload);
  std::uint8_t count;
  if (!cursor.byte(count) || cursor.left() != std::size_t{count} * 4) return false;
  bool seen[kRoleCount] = {};
  for (int entry = 0; entry < count; ++entry) {
    std::uint8_t role = 0, red = 0, green = 0, blue = 0;
    cursor.byte(role), cursor.byte(red), cursor.byte(green), cursor.byte(blue);
    // Roles of a later minor version are skipped; ours must each come once.
    if (role >= kRoleCount) continue;
    if (seen[role]) return false;
    seen[role] = true;
    skin.colours[role] = {red, green, blue};
  }
  for (bool present : seen)
    if (!present) return false;
  return true;
}

bool readShape(std::span<const std::uint8_t> payload, Skin& skin) {
  // A later minor version may append fields: only the first three are ours.
  if (payload.size() < 3) return false;
  if (payload[0] >= static_cast<std::uint8_t>(FrameStyle::Count)) return false;
  if (payload[1] > kMaxRadius || payload[2] > kMaxRadius) return false;
  skin.frameStyle = static_cast<FrameStyle>(payload[0]);
  skin.buttonRadius = payload[1];
  skin.frameRadius = payload[2];
  return true;
}

}  // namespace

bool readSkin(std::span<const std::uint8_t> block, Skin& skin) {
  if (block.size() < kSkinHeaderLength || block.size() > kSkinMaxLength) return false;
  Cursor cursor(block);
  std::span<const std::uint8_t> magic;
  std::uint8_t major = 0, minor = 0;
  std::uint16_t total = 0;
  cursor.take(sizeof kSkinMagic, magic), cursor.byte(major), cursor.byte(minor), cursor.word(total);
  for (std::size_t i = 0; i < sizeof kSkinMagic; ++i)
    if (magic[i] != kSkinMagic[i]) return false;
  if (major != kSkinFormatVersion || total != block.size()) return false;

  Skin read;
  bool seen[4] = {};
  while (cursor.left() > 0) {
    std::uint8_t tag = 0;
    std::uint16_t length = 0;
    std::span<const std::uint8_t> payload;
    if (!cursor.byte(tag) || !cursor.word(length) || !cursor.take(length, payload)) return false;
    bool ok = true;
    switch (static_cast<RecordTag>(tag)) {
      case RecordTag::Name:
        ok = !seen[tag] && readName(payload, read);
        break;
      case RecordTag::Colours:
        ok = !seen[tag] && readColours(payload, read);
        break;
      case RecordTag::Shape:
        ok = !seen[tag] && readShape(payload, read);
        break;
      default:
        continue;  // records of a later minor version
    }
    if (!ok) return false;
    seen[tag] = true;
  }
  if (!seen[static_cast<int>(RecordTag::Colours)] || !seen[static_cast<int>(RecordTag::Shape)])
    return false;
  skin = read;
  return true;
}

}  // namespace skinengine

// Reads the directory of an icon file, checking every offset against the file's length.
#include "toolkit/win32/icon_file.h"

#include <cstdint>
#include <cstdlib>

namespace toolkit::win32 {

namespace {

// clang-format off
constexpr std::size_t kHeaderSize   = 6;   // reserved, type (1 = icon), image count
constexpr std::size_t kEntrySize    = 16;  // one directory entry
constexpr std::size_t kWidthAt      = 0;   // byte: width, 0 meaning 256
constexpr std::size_t kBitCountAt   = 6;   // word: bits per pixel
constexpr std::size_t kByteCountAt  = 8;   // dword: size of the image
constexpr std::size_t kOffsetAt     = 12;  // dword: where the image starts in the file
// clang-format on
constexpr unsigned kIconType = 1;

unsigned word(common::ByteView bytes, std::size_t at) {
  return bytes[at] | (bytes[at + 1] << 8);
}

std::uint32_t dword(common::ByteView bytes, std::size_t at) {
  return word(bytes, at) | (static_cast<std::uint32_t>(word(bytes, at + 2)) << 16);
}

}  // namespace

common::ByteView iconImageNearest(common::ByteView file, int size) {
  if (file.size() < kHeaderSize || word(file, 0) != 0 || word(file, 2) != kIconType) return {};
  const std::size_t count = word(file, 4);
  if (count == 0 || file.size() < kHeaderSize + count * kEntrySize) return {};
  common::ByteView best;
  int bestDistance = 0;
  unsigned bestBits = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const common::ByteView entry = file.subspan(kHeaderSize + i * kEntrySize, kEntrySize);
    const std::uint32_t bytes = dword(entry, kByteCountAt);
    const std::uint32_t offset = dword(entry, kOffsetAt);
    if (bytes == 0 || offset > file.size() || bytes > file.size() - offset) continue;
    const int width = entry[kWidthAt] == 0 ? 256 : entry[kWidthAt];
    const int distance = std::abs(width - size);
    const unsigned bits = word(entry, kBitCountAt);
    if (best.empty() || distance < bestDistance || (distance == bestDistance && bits > bestBits)) {
      best = file.subspan(offset, bytes);
      bestDistance = distance;
      bestBits = bits;
    }
  }
  return best;
}

}  // namespace toolkit::win32

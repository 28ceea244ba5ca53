// The generated skin blocks, addressed by number.
#include "skinengine/skin_blocks.h"

#include <cstdint>
#include <iterator>

namespace skinengine {
namespace {
#include "skin_blocks_data.inc"
static_assert(std::size(kSkinBlocks) == kSkinCount, "skins.tsv must give every skin number");
}  // namespace

common::ByteView skinBlock(int number) {
  if (number < 1 || number > kSkinCount) return {};
  return kSkinBlocks[number - 1];
}

}  // namespace skinengine

// Fuzzes the skin reader with any bytes and checks what must hold of every block it accepts:
// no read outside the block (ASan sees the exact heap copy), fields within their ranges, a
// terminated name, the same answer on a second read, and the colour rule's promise (3:1 at
// least) for every pair of colours the block carries.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "skinengine/colour.h"
#include "skinengine/skin_reader.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skinengine;
  const std::vector<std::uint8_t> block(data, data + size);
  Skin skin;
  if (!readSkin(block, skin)) return 0;

  check(size >= kSkinHeaderLength && size <= kSkinMaxLength);
  check(std::memcmp(block.data(), kSkinMagic, sizeof kSkinMagic) == 0);
  check(skin.frameStyle < FrameStyle::Count);
  check(skin.buttonRadius <= kMaxRadius && skin.frameRadius <= kMaxRadius);
  check(std::memchr(skin.name, 0, sizeof skin.name) != nullptr);

  Skin again;
  check(readSkin(block, again));
  check(std::memcmp(&skin, &again, sizeof skin) == 0);

  for (const Rgb text : skin.colours)
    for (const Rgb background : skin.colours)
      check(contrastRatio(legibleOn(text, background), background) >= kMinimumTextContrast);
  return 0;
}

// Reads a skin block (the format is described in FORMAT.md) into a fixed-size Skin.
// Pure code, built into the skin library and tested and fuzzed on the host: it never reads
// outside the block it is given and allocates nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "skinengine/colour.h"

namespace skinengine {

inline constexpr std::uint8_t kSkinMagic[4] = {'Z', 'S', 'K', 'N'};
inline constexpr std::uint8_t kSkinFormatVersion = 1;  // readers refuse other major versions
inline constexpr std::size_t kSkinHeaderLength = 8;
inline constexpr std::size_t kSkinMaxLength = 4096;
inline constexpr std::size_t kSkinNameMaxLength = 32;

enum class RecordTag : std::uint8_t { Name = 1, Colours = 2, Shape = 3 };

// The colours a skin gives, in the order of their role numbers in the Colours record.
enum class Role : std::uint8_t {
  Face,            // window and control backgrounds
  Text,            // texts the program left at the default colour, on Face
  Field,           // edit-box backgrounds
  FieldText,       // default edit-box text, on Field
  Border,          // edit-box borders
  Focus,           // the border of the focused edit box and the focus mark of a button
  Frame,           // group-box frame
  FrameHighlight,  // second line of an etched frame
  Caption,         // group-box captions left at the default colour
  ButtonTop,       // push button, top and bottom of its fill
  ButtonBottom,
  ButtonText,
  HotTop,  // push button under the mouse
  HotBottom,
  PressedTop,  // push button held down
  PressedBottom,
  ButtonBorder,
  Count
};
inline constexpr std::size_t kRoleCount = static_cast<std::size_t>(Role::Count);

enum class FrameStyle : std::uint8_t { Line, Etched, Rounded, Count };

struct Skin {
  Rgb colours[kRoleCount] = {};
  FrameStyle frameStyle = FrameStyle::Line;
  std::uint8_t buttonRadius = 0;           // corner radius of push buttons, pixels
  std::uint8_t frameRadius = 0;            // corner radius of rounded group-box frames, pixels
  char name[kSkinNameMaxLength + 1] = {};  // GBK, NUL-terminated

  Rgb colour(Role role) const { return colours[static_cast<std::size_t>(role)]; }
};

// The largest radius a skin may ask for; keeps small controls drawable.
inline constexpr std::uint8_t kMaxRadius = 12;

// True and `skin` filled when `block` is a whole, well-formed skin of our major version;
// false (and `skin` left as it was) otherwise.
bool readSkin(std::span<const std::uint8_t> block, Skin& skin);

}  // namespace skinengine

// Window designs as data: one WindowDesign per window, one ControlDesign row per control.
// The same table builds the headless model window and the real Win32 window.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "common/text.h"

namespace toolkit {

enum class Kind : std::uint8_t {
  EditBox,
  Button,
  Label,
  TransparentLabel,
  GroupBox,
  PictureBox,
  RadioButton,
  ShapeBox,  // always a rectangle here
  Timer,
  Browser,
  OpenFileDialog,
};

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
};

// An RGB colour, or the default (the system's button face for backgrounds, the system's
// window text colour for texts).
struct Colour {
  std::int32_t rgb = -1;
  constexpr bool isDefault() const { return rgb < 0; }
  constexpr int red() const { return rgb & 0xFF; }
  constexpr int green() const { return (rgb >> 8) & 0xFF; }
  constexpr int blue() const { return (rgb >> 16) & 0xFF; }
};
constexpr Colour rgb(int red, int green, int blue) { return {red | (green << 8) | (blue << 16)}; }
inline constexpr Colour kDefaultColour{};
inline constexpr Colour kWhite = rgb(255, 255, 255);
inline constexpr Colour kBlack = rgb(0, 0, 0);

// Height 0 is the system's default control font; otherwise a GB2312 font of that
// character height in pixels that names no face.
struct Font {
  int height = 0;
  bool bold = false;
};
inline constexpr Font kDefaultFont{};

// The kind's flags.
enum Flag : unsigned {
  kMultiLine = 1u << 0,    // edit box: several lines, wraps, scrolls, Enter is a new line
  kCentred = 1u << 1,      // edit box or label: text centred horizontally
  kThinBorder = 1u << 2,   // edit box: single-line border instead of the sunken one
  kIntegerOnly = 1u << 3,  // edit box: typed characters >= 32 only if "0".."9" or "-"
  kDisabled = 1u << 4,
  kTicked = 1u << 5,       // radio button
  kWrapping = 1u << 6,     // label: lines break to fit, starting at the top
  kBorderless = 1u << 7,   // edit box: no border at all
};

struct ControlDesign {
  Kind kind;
  const char* name;    // design name, unique within its window, such as "编辑框1"
  const char* parent;  // "" for the window itself, else a group box's or picture box's name
  Rect rect;           // relative to the parent's client area
  bool visible;
  const char* text;    // edit box text, caption, label text
  Colour textColour = kDefaultColour;
  Colour background = kDefaultColour;
  Font font = kDefaultFont;
  unsigned flags = 0;
  int borderWidth = 0;               // shape box: width of its border, drawn inside its edges
  common::EmbeddedBytes picture{};   // picture box: a whole image file; window icon unused
};

struct WindowDesign {
  const char* title;
  int width, height;  // outer size, frame and title bar included
  bool minimiseBox;
  bool alwaysOnTop;
  common::EmbeddedBytes icon;  // a whole icon file
  Colour background = kDefaultColour;
  std::span<const ControlDesign> controls = {};
};

// The Win32 backend gives the control in row i of a design the child-window id
// kFirstControlId + i, so a driver outside the program can find it by its design name.
// Ids stay clear of IDOK (1) and IDCANCEL (2).
inline constexpr int kFirstControlId = 100;

// Compile-time checks a design table can state about itself.
constexpr bool namesAreUnique(std::span<const ControlDesign> controls) {
  for (std::size_t i = 0; i < controls.size(); ++i)
    for (std::size_t j = i + 1; j < controls.size(); ++j)
      if (std::string_view(controls[i].name) == controls[j].name) return false;
  return true;
}
constexpr bool parentsComeFirst(std::span<const ControlDesign> controls) {
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const std::string_view parent = controls[i].parent;
    if (parent.empty()) continue;
    bool found = false;
    for (std::size_t j = 0; j < i && !found; ++j)
      found = controls[j].name == parent &&
              (controls[j].kind == Kind::GroupBox || controls[j].kind == Kind::PictureBox);
    if (!found) return false;
  }
  return true;
}

}  // namespace toolkit

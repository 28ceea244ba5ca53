// The fonts and brushes of every window's looks, made on first use and kept until the
// backend goes: a design has a handful of looks, and a control never owns one.
#include "toolkit/win32/state.h"

namespace toolkit::win32 {

GdiCache::~GdiCache() {
  for (const FontLook& made : fonts_) DeleteObject(made.font);
  for (const BrushLook& made : brushes_) DeleteObject(made.brush);
}

HFONT GdiCache::font(Font font) {
  if (font.height <= 0) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (const FontLook& made : fonts_)
    if (made.look.height == font.height && made.look.bold == font.bold) return made.font;
  // A negative height asks for that character height; no face name lets the system pick
  // its face for the character set.
  HFONT made = CreateFontA(-font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                           FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, nullptr);
  fonts_.push_back({font, made});
  return made;
}

HBRUSH GdiCache::brush(COLORREF colour) {
  for (const BrushLook& made : brushes_)
    if (made.colour == colour) return made.brush;
  HBRUSH made = CreateSolidBrush(colour);
  brushes_.push_back({colour, made});
  return made;
}

COLORREF textColourOf(const ControlDesign& control) {
  const Colour colour = control.textColour;
  return colour.isDefault() ? GetSysColor(COLOR_WINDOWTEXT)
                            : RGB(colour.red(), colour.green(), colour.blue());
}

COLORREF backgroundOf(const ControlDesign& control) {
  const Colour colour = control.background;
  return colour.isDefault() ? GetSysColor(COLOR_BTNFACE)
                            : RGB(colour.red(), colour.green(), colour.blue());
}

COLORREF windowBackgroundOf(const WindowDesign& window) {
  const Colour colour = window.background;
  return colour.isDefault() ? GetSysColor(COLOR_BTNFACE)
                            : RGB(colour.red(), colour.green(), colour.blue());
}

}  // namespace toolkit::win32

// The fonts and brushes of every window's looks, made on first use and kept until the
// backend goes: a design has a handful of looks, and a control never owns one.
#include "toolkit/win32/state.h"

namespace toolkit::win32 {

GdiCache::~GdiCache() {
  for (const auto& [look, font] : fonts_) DeleteObject(font);
  for (const auto& [colour, brush] : brushes_) DeleteObject(brush);
}

HFONT GdiCache::font(Font font) {
  if (font.height <= 0) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  const std::pair look{font.height, font.bold};
  if (const auto found = fonts_.find(look); found != fonts_.end()) return found->second;
  // A negative height asks for that character height; no face name lets the system pick
  // its face for the character set.
  HFONT made = CreateFontA(-font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                           FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, nullptr);
  fonts_.emplace(look, made);
  return made;
}

HBRUSH GdiCache::brush(COLORREF colour) {
  if (const auto found = brushes_.find(colour); found != brushes_.end()) return found->second;
  HBRUSH made = CreateSolidBrush(colour);
  brushes_.emplace(colour, made);
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

// Small drawing helpers shared by the engine's painters. They draw with the DC's own brush
// and pen (DC_BRUSH, DC_PEN), so painting creates no GDI objects.
#include <windows.h>

#include "skinengine/dll/engine.h"

namespace skinengine {

COLORREF toColorRef(Rgb colour) {
  return RGB(colour.red, colour.green, colour.blue);
}

Rgb fromColorRef(COLORREF colour) {
  return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

Rgb skinColour(Role role) {
  return engine().skin.colour(role);
}

void fillSolid(HDC dc, const RECT& rect, Rgb colour) {
  SetDCBrushColor(dc, toColorRef(colour));
  FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void fillVertical(HDC dc, const RECT& rect, Rgb top, Rgb bottom) {
  const int height = rect.bottom - rect.top;
  for (int row = 0; row < height; ++row) {
    const int span = height > 1 ? height - 1 : 1;
    const auto blend = [&](std::uint8_t from, std::uint8_t to) {
      return static_cast<std::uint8_t>(from + (to - from) * row / span);
    };
    const RECT line{rect.left, rect.top + row, rect.right, rect.top + row + 1};
    fillSolid(
        dc, line,
        {blend(top.red, bottom.red), blend(top.green, bottom.green), blend(top.blue, bottom.blue)});
  }
}

void outline(HDC dc, const RECT& rect, Rgb colour, int radius) {
  const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(DC_PEN));
  const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  SetDCPenColor(dc, toColorRef(colour));
  if (radius > 0)
    RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, 2 * radius, 2 * radius);
  else
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
}

}  // namespace skinengine

// Push buttons drawn by the engine (they are owner-drawn while a skin is in force): the
// skin's fill for the normal, hot (mouse over) and pressed states, its border, a focus mark,
// and the caption in the button's own font.
#include <windows.h>

#include "skinengine/dll/engine.h"

namespace skinengine {
namespace {

struct Fill {
  Role top, bottom;
};

Fill fillFor(bool pressed, bool hot) {
  if (pressed) return {Role::PressedTop, Role::PressedBottom};
  if (hot) return {Role::HotTop, Role::HotBottom};
  return {Role::ButtonTop, Role::ButtonBottom};
}

void drawBody(HDC dc, RECT rect, Fill fill, int radius) {
  const HRGN shape = CreateRoundRectRgn(rect.left, rect.top, rect.right + 1, rect.bottom + 1,
                                        2 * radius, 2 * radius);
  if (shape) SelectClipRgn(dc, shape);
  fillVertical(dc, rect, skinColour(fill.top), skinColour(fill.bottom));
  SelectClipRgn(dc, nullptr);
  if (shape) DeleteObject(shape);
}

void drawCaption(const DRAWITEMSTRUCT& item, RECT rect, bool pressed) {
  char caption[256] = {};
  GetWindowTextA(item.hwndItem, caption, sizeof caption);
  const HDC dc = item.hDC;
  // The parent's colour answer runs through the engine, which keeps an explicit colour legible.
  SendMessageA(GetParent(item.hwndItem), WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(item.hwndItem));
  if (item.itemState & ODS_DISABLED) SetTextColor(dc, toColorRef(skinColour(Role::ButtonBorder)));
  const auto font = reinterpret_cast<HFONT>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0));
  const HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
  SetBkMode(dc, TRANSPARENT);
  if (pressed) OffsetRect(&rect, 1, 1);
  DrawTextA(dc, caption, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
  if (oldFont) SelectObject(dc, oldFont);
}

}  // namespace

void drawPushButton(const DRAWITEMSTRUCT& item, bool hot) {
  const HDC dc = item.hDC;
  const int saved = SaveDC(dc);
  const bool pressed = item.itemState & ODS_SELECTED;
  const bool focused = item.itemState & ODS_FOCUS;
  RECT rect = item.rcItem;
  // Small buttons (the calculator's are 19 pixels high) keep their corners gentle.
  const int height = rect.bottom - rect.top, width = rect.right - rect.left;
  int radius = engine().skin.buttonRadius;
  if (radius > height / 3) radius = height / 3;
  if (radius > width / 3) radius = width / 3;

  // What shows outside the rounded corners is the face the button stands on.
  fillSolid(dc, rect, skinColour(Role::Face));
  drawBody(dc, rect, fillFor(pressed, hot), radius);
  RECT border{rect.left, rect.top, rect.right, rect.bottom};
  outline(dc, border, skinColour(focused ? Role::Focus : Role::ButtonBorder), radius);
  if (focused) {
    RECT inner{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    outline(dc, inner, skinColour(Role::Focus), radius > 1 ? radius - 1 : 0);
  }
  drawCaption(item, rect, pressed);
  RestoreDC(dc, saved);
}

}  // namespace skinengine

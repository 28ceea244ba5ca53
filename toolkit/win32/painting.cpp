// Drawing the owner-drawn kinds: the picture box (its stretched picture or its background),
// the shape box (a solid frame; its window region leaves the inside out) and the
// transparent label (what lies beneath it, then only its text), each in one pass.
#include <algorithm>

#include "toolkit/win32/state.h"

namespace toolkit::win32 {

namespace {

void fill(HDC dc, const RECT& rect, COLORREF colour, GdiCache& gdi) {
  FillRect(dc, &rect, gdi.brush(colour));
}

void copyBitmap(HDC dc, int left, int top, int width, int height, HBITMAP bitmap, int fromLeft,
                int fromTop) {
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(source, bitmap);
  BitBlt(dc, left, top, width, height, source, fromLeft, fromTop, SRCCOPY);
  SelectObject(source, previous);
  DeleteDC(source);
}

void paintPicture(HDC dc, const ControlRecord& box, const RECT& rect, GdiCache& gdi) {
  if (box.picture)
    copyBitmap(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, box.picture,
               0, 0);
  else
    fill(dc, rect, backgroundOf(*box.design), gdi);
}

// What a transparent label stands on: its container's picture where the picture reaches,
// else the container's (or the window's) background.
void paintBeneath(HDC dc, const WindowRecord& window, const ControlRecord& label, int width,
                  int height, GdiCache& gdi) {
  const RECT whole{0, 0, width, height};
  if (label.parent == kNoParent) {
    fill(dc, whole, windowBackgroundOf(*window.design), gdi);
    return;
  }
  const ControlRecord& container = window.controls[label.parent];
  fill(dc, whole, backgroundOf(*container.design), gdi);
  if (!container.picture) return;
  const int fromLeft = label.origin.x - container.origin.x;
  const int fromTop = label.origin.y - container.origin.y;
  const int left = std::max(0, -fromLeft), top = std::max(0, -fromTop);
  const int right = std::min(width, container.design->rect.width - fromLeft);
  const int bottom = std::min(height, container.design->rect.height - fromTop);
  if (right > left && bottom > top)
    copyBitmap(dc, left, top, right - left, bottom - top, container.picture, fromLeft + left,
               fromTop + top);
}

void paintTransparentLabel(HDC dc, const WindowRecord& window, const ControlRecord& label,
                           const RECT& rect, GdiCache& gdi) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  HGDIOBJ previousBitmap = SelectObject(memory, bitmap);
  paintBeneath(memory, window, label, width, height, gdi);

  Text text(static_cast<std::size_t>(GetWindowTextLengthA(label.hwnd)) + 1, '\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextA(label.hwnd, text.data(), static_cast<int>(text.size()))));
  const unsigned flags = label.design->flags;
  UINT format = DT_NOPREFIX | ((flags & kCentred) ? DT_CENTER : DT_LEFT);
  format |= (flags & kWrapping) ? DT_WORDBREAK : (DT_SINGLELINE | DT_VCENTER);
  HGDIOBJ previousFont = SelectObject(memory, gdi.font(label.design->font));
  SetBkMode(memory, TRANSPARENT);
  SetTextColor(memory, textColourOf(*label.design));
  RECT inside{0, 0, width, height};
  DrawTextA(memory, text.c_str(), static_cast<int>(text.size()), &inside, format);
  SelectObject(memory, previousFont);

  BitBlt(dc, rect.left, rect.top, width, height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, previousBitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

}  // namespace

void paintOwnerDrawn(const WindowRecord& window, const ControlRecord& control,
                     const DRAWITEMSTRUCT& item, GdiCache& gdi) {
  switch (control.design->kind) {
    case Kind::PictureBox:
      paintPicture(item.hDC, control, item.rcItem, gdi);
      break;
    case Kind::ShapeBox:
      fill(item.hDC, item.rcItem, textColourOf(*control.design), gdi);
      break;
    case Kind::TransparentLabel:
      paintTransparentLabel(item.hDC, window, control, item.rcItem, gdi);
      break;
    default:
      break;
  }
}

}  // namespace toolkit::win32

// Window backgrounds in the skin's face colour: top-level windows and dialogs, windows
// whose class paints the system's button face, and group boxes that hold controls.
#include <windows.h>

#include <utility>

#include "skinengine/dll/engine.h"

namespace skinengine {
namespace {

bool classPaintsFace(HWND window) {
  const auto brush = static_cast<UINT_PTR>(GetClassLongPtrA(window, GCLP_HBRBACKGROUND));
  if (brush == COLOR_BTNFACE + 1) return true;
  if (brush == reinterpret_cast<UINT_PTR>(GetSysColorBrush(COLOR_BTNFACE))) return true;
  // A top-level window without a class brush paints itself: a face below does no harm.
  return brush == 0 && !(GetWindowLongA(window, GWL_STYLE) & WS_CHILD);
}

bool isDialog(HWND window) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  return lstrcmpA(className, "#32770") == 0;
}

BOOL CALLBACK excludeChild(HWND child, LPARAM parameter) {
  const auto* context = reinterpret_cast<const std::pair<HWND, HDC>*>(parameter);
  if (GetParent(child) != context->first || !IsWindowVisible(child)) return TRUE;
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, context->first, reinterpret_cast<POINT*>(&rect), 2);
  ExcludeClipRect(context->second, rect.left, rect.top, rect.right, rect.bottom);
  return TRUE;
}

}  // namespace

bool eraseWithFace(HWND window, HDC dc, Part part) {
  if (!engine().active) return false;
  const bool container = part == Part::GroupBox && GetWindow(window, GW_CHILD) != nullptr;
  if (!container && (part != Part::Container || !(isDialog(window) || classPaintsFace(window))))
    return false;
  RECT client;
  GetClientRect(window, &client);
  const int saved = SaveDC(dc);
  // A group box draws no background of its own: paint around its controls, never over them.
  if (container) {
    std::pair<HWND, HDC> context{window, dc};
    EnumChildWindows(window, excludeChild, reinterpret_cast<LPARAM>(&context));
  }
  FillRect(dc, &client, engine().faceBrush);
  RestoreDC(dc, saved);
  return true;
}

}  // namespace skinengine

// The top-level window procedure: turns control notifications, colour requests, owner
// drawing, timer messages and the close box into toolkit events and looks. Nothing below
// the backend sees a message.
//
// A handler may remove the window (Esc or the close box inside a wait), so after raising an
// event the procedure touches its window record no more.
#include "toolkit/win32/state.h"

namespace toolkit::win32 {

namespace {

ControlRecord* controlWithId(WindowRecord& window, int id) {
  const int row = id - kFirstControlId;
  if (row < 0 || row >= static_cast<int>(window.controls.size())) return nullptr;
  return &window.controls[row];
}

void onCommand(WindowRecord& window, int id, int code) {
  const ControlRecord* control = controlWithId(window, id);
  if (!control) return;
  const Kind kind = control->design->kind;
  // A program write raises its own Changed once the text is in place (controls.cpp).
  if (kind == Kind::EditBox && code == EN_CHANGE && !control->writing)
    window.state->raise(window.id, control->design->name, Event::Changed);
  else if (kind == Kind::Button && code == BN_CLICKED)
    PostMessageA(window.hwnd, kRunClick, static_cast<WPARAM>(id - kFirstControlId), 0);
}

// A timer skips the ticks that fall due while its own tick handler is still running.
void onTimer(WindowRecord& window, int id) {
  ControlRecord* timer = controlWithId(window, id);
  if (!timer || timer->design->kind != Kind::Timer || timer->tickRunning) return;
  const std::size_t row = static_cast<std::size_t>(timer - window.controls.data());
  const WindowId windowId = window.id;
  Backend::State* state = window.state;
  timer->tickRunning = true;
  state->raise(windowId, timer->design->name, Event::Tick);
  if (WindowRecord* still = state->find(windowId)) still->controls[row].tickRunning = false;
}

LRESULT onControlColour(WindowRecord& window, HDC dc, HWND child) {
  const ControlRecord* control = controlWithId(window, GetDlgCtrlID(child));
  if (!control) return 0;
  const COLORREF background = backgroundOf(*control->design);
  SetTextColor(dc, textColourOf(*control->design));
  SetBkColor(dc, background);
  return reinterpret_cast<LRESULT>(window.state->gdi.brush(background));
}

bool onDrawItem(WindowRecord& window, const DRAWITEMSTRUCT& item) {
  const ControlRecord* control = controlWithId(window, static_cast<int>(item.CtlID));
  if (!control) return false;
  paintOwnerDrawn(window, *control, item, window.state->gdi);
  return true;
}

void onEraseBackground(const WindowRecord& window, HDC dc) {
  RECT client;
  GetClientRect(window.hwnd, &client);
  FillRect(dc, &client, window.state->gdi.brush(windowBackgroundOf(*window.design)));
}

}  // namespace

void runClick(WindowRecord& window, WPARAM row) {
  if (row < window.controls.size())
    window.state->raise(window.id, window.controls[row].design->name, Event::Clicked);
}

LRESULT CALLBACK topLevelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* record =
        static_cast<WindowRecord*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    record->hwnd = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(record));
  }
  auto* window = reinterpret_cast<WindowRecord*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!window) return DefWindowProcA(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_COMMAND:
      if (lParam) onCommand(*window, LOWORD(wParam), HIWORD(wParam));
      return 0;
    case kRunClick:  // reached here only through a message loop not ours (a message box's)
      runClick(*window, wParam);
      return 0;
    case WM_TIMER:
      onTimer(*window, static_cast<int>(wParam));
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      if (LRESULT brush = onControlColour(*window, reinterpret_cast<HDC>(wParam),
                                          reinterpret_cast<HWND>(lParam)))
        return brush;
      break;
    case WM_DRAWITEM:
      if (onDrawItem(*window, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_ERASEBKGND:
      onEraseBackground(*window, reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_CLOSE:
      window->state->close(window->id);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace toolkit::win32

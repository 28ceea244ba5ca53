// The event loops: run(), the nested loop of a modal load, and wait(). All hand their
// messages to pump(), which runs posted clicks itself and takes the keys the toolkit owns
// (Esc closes the window, Tab moves the focus) before the controls see them: a focused
// one-line EDIT swallows Esc.
//
// A wait sleeps in MsgWaitForMultipleObjectsEx until a message or its deadline comes, so
// it costs no processor time, and measures elapsed time as an unsigned difference of tick
// counts, which survives the counter's wrap-around. Clicks run from here, not from inside
// a window procedure, so a level of nested waits costs only these small frames (about
// 0.5 KB of stack measured) and no window procedure nesting.
#include "toolkit/win32/state.h"

namespace toolkit::win32 {

namespace {

WindowRecord* topLevelOf(const Backend::State& state, HWND hwnd) {
  HWND root = GetAncestor(hwnd, GA_ROOT);
  for (const auto& window : state.windows)
    if (window->hwnd == root) return window.get();
  return nullptr;
}

// Tab order is the design's row order; Shift+Tab goes back.
void moveFocus(const WindowRecord& window, bool backwards) {
  const int count = static_cast<int>(window.controls.size());
  HWND focus = GetFocus();
  int current = backwards ? count : -1;
  for (int row = 0; row < count; ++row)
    if (window.controls[row].hwnd && window.controls[row].hwnd == focus) current = row;
  for (int step = 1; step <= count; ++step) {
    const int row = ((current + (backwards ? -step : step)) % count + count) % count;
    const ControlRecord& control = window.controls[row];
    if (!takesFocus(control)) continue;
    SetFocus(control.hwnd);
    if (control.design->kind == Kind::EditBox && !(control.design->flags & kMultiLine))
      SendMessageA(control.hwnd, EM_SETSEL, 0, -1);
    return;
  }
}

}  // namespace

bool takesFocus(const ControlRecord& control) {
  const Kind kind = control.design->kind;
  return (kind == Kind::EditBox || kind == Kind::Button || kind == Kind::Browser) && control.hwnd &&
         IsWindowVisible(control.hwnd) && IsWindowEnabled(control.hwnd);
}

void Backend::State::pump(const MSG& message) {
  if (message.message == kRunClick) {
    if (WindowRecord* window = topLevelOf(*this, message.hwnd)) {
      runClick(*window, message.wParam);
      return;
    }
  }
  if (message.message == WM_KEYDOWN && (message.wParam == VK_ESCAPE || message.wParam == VK_TAB)) {
    if (const WindowRecord* window = topLevelOf(*this, message.hwnd)) {
      if (message.wParam == VK_ESCAPE)
        close(window->id);
      else
        moveFocus(*window, GetKeyState(VK_SHIFT) < 0);
      return;
    }
  }
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

void Backend::State::loopWhileLoaded(WindowId window) {
  MSG message;
  while (find(window) && GetMessageA(&message, nullptr, 0, 0) > 0) pump(message);
}

void Backend::run() {
  MSG message;
  while (!state_->windows.empty() && GetMessageA(&message, nullptr, 0, 0) > 0)
    state_->pump(message);
}

void Backend::wait(int milliseconds) {
  const DWORD length = milliseconds > 0 ? static_cast<DWORD>(milliseconds) : 0;
  const DWORD start = GetTickCount();
  for (DWORD elapsed = 0; elapsed < length; elapsed = GetTickCount() - start) {
    // MWMO_INPUTAVAILABLE: also wake for messages an inner wait left in the queue.
    MsgWaitForMultipleObjectsEx(0, nullptr, length - elapsed, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    // What is due once the deadline has passed is left to the loop outside the wait.
    MSG message;
    while (GetTickCount() - start < length && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
      state_->pump(message);
  }
}

}  // namespace toolkit::win32

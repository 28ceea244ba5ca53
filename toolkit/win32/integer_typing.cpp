// Integer-only typing: a subclass of the EDIT procedure that drops typed characters of
// code 32 and above other than the digits and the minus sign, silently. Control keys
// (Backspace, the copy, cut and paste shortcuts), pasted text and program writes pass.
#include "toolkit/win32/state.h"

namespace toolkit::win32 {

namespace {

constexpr WPARAM kFirstPrintable = 32;

bool acceptsKey(WPARAM character) {
  return character < kFirstPrintable || (character >= '0' && character <= '9') || character == '-';
}

LRESULT CALLBACK integerOnlyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto* control =
      reinterpret_cast<const ControlRecord*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  const WNDPROC original = control->originalProc;
  if (message == WM_CHAR && !acceptsKey(wParam)) return 0;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
  }
  return CallWindowProcA(original, hwnd, message, wParam, lParam);
}

}  // namespace

void keepIntegerTyping(ControlRecord& editBox) {
  // The record lives as long as the window: records are made before any control and go
  // after DestroyWindow.
  SetWindowLongPtrA(editBox.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&editBox));
  editBox.originalProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(editBox.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(integerOnlyProc)));
}

}  // namespace toolkit::win32

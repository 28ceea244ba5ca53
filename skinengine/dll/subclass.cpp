// Subclassing: which windows the engine takes over and how, the one subclass procedure
// that routes their messages to the drawing code, and the way back to the native look.
// Per-window state lives in the subclass reference data, so no window costs an allocation.
#include <windows.h>

#include <cstring>

#include "skinengine/dll/engine.h"

namespace skinengine {
namespace {

constexpr UINT_PTR kSubclassId = 0x534B4E31;
// Every packed state has this bit, so an answer of 0 means "not one of ours".
constexpr DWORD_PTR kStatePresent = 1u << 9;

// Asks a window for its engine state; only the engine's subclass answers it.
UINT stateQuery() {
  static const UINT message = RegisterWindowMessageA("SkinEngine.WindowState");
  return message;
}

// Windows the engine leaves alone: input-method, menu and tooltip windows draw themselves.
// clang-format off
constexpr const char* kUntouchedClasses[] = {
  "IME", "MSCTFIME UI", "#32768", "#32769", "tooltips_class32", "ScrollBar",
};
// clang-format on

bool isUntouched(const char* className) {
  for (const char* untouched : kUntouchedClasses)
    if (lstrcmpiA(className, untouched) == 0) return true;
  return false;
}

bool isPushButtonType(LONG type) {
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

void makeOwnerDrawn(HWND button) {
  const LONG style = GetWindowLongA(button, GWL_STYLE);
  SetWindowLongA(button, GWL_STYLE, (style & ~BS_TYPEMASK) | BS_OWNERDRAW);
}

void restoreButtonType(HWND button, std::uint8_t type) {
  const LONG style = GetWindowLongA(button, GWL_STYLE);
  if ((style & BS_TYPEMASK) == BS_OWNERDRAW)
    SetWindowLongA(button, GWL_STYLE, (style & ~BS_TYPEMASK) | type);
}

void setHot(HWND button, WindowState state, bool hot) {
  if (state.hot == hot) return;
  state.hot = hot;
  storeState(button, state);
  if (hot) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, button, 0};
    TrackMouseEvent(&track);
  }
  InvalidateRect(button, nullptr, FALSE);
}

// A button the engine draws keeps what the dialog manager knows of it: its default-button
// status, asked for through WM_GETDLGCODE and changed through BM_SETSTYLE.
LRESULT pushButtonMessage(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                          WindowState state, bool& handled) {
  handled = true;
  switch (message) {
    case WM_CREATE: {
      const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
      makeOwnerDrawn(button);
      return result;
    }
    case WM_GETDLGCODE:
      return DLGC_BUTTON |
             (state.buttonType == BS_DEFPUSHBUTTON ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    case BM_SETSTYLE: {
      const LONG type = static_cast<LONG>(wParam) & BS_TYPEMASK;
      if (!isPushButtonType(type)) break;
      state.buttonType = static_cast<std::uint8_t>(type);
      storeState(button, state);
      const WPARAM kept = (wParam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW;
      return DefSubclassProc(button, message, kept, lParam);
    }
    case WM_MOUSEMOVE:
      setHot(button, state, true);
      break;
    case WM_MOUSELEAVE:
      setHot(button, state, false);
      break;
    default:
      break;
  }
  handled = false;
  return 0;
}

LRESULT partMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, WindowState state,
                    bool& handled) {
  handled = false;
  switch (state.part) {
    case Part::PushButton:
      return pushButtonMessage(window, message, wParam, lParam, state, handled);
    case Part::GroupBox:
      if (message == WM_PAINT || message == WM_PRINTCLIENT) {
        handled = true;
        if (message == WM_PRINTCLIENT) {
          paintGroupBox(window, reinterpret_cast<HDC>(wParam));
          return 0;
        }
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        paintGroupBox(window, dc);
        EndPaint(window, &paint);
        return 0;
      }
      if (message == WM_ENABLE) {
        // The native control redraws itself at once; draw it our way afterwards.
        handled = true;
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        InvalidateRect(window, nullptr, TRUE);
        return result;
      }
      return 0;
    case Part::Edit:
      if (message == WM_NCPAINT) {
        handled = true;
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        paintEditBorder(window);
        return result;
      }
      if (message == WM_SETFOCUS || message == WM_KILLFOCUS) {
        handled = true;
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        return result;
      }
      return 0;
    case Part::Container:
      return 0;
  }
  return 0;
}

LRESULT CALLBACK skinnedWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR data) {
  const WindowState state = unpackState(data);
  if (message == stateQuery()) return static_cast<LRESULT>(data);
  switch (message) {
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, skinnedWindow, kSubclassId);
      return DefSubclassProc(window, message, wParam, lParam);
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
      return answerControlColour(window, message, wParam, lParam);
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      WindowState button;
      if (item->CtlType == ODT_BUTTON && stateOf(item->hwndItem, button) &&
          button.part == Part::PushButton) {
        drawPushButton(*item, button.hot);
        return TRUE;
      }
      break;
    }
    case WM_ERASEBKGND:
      if (eraseWithFace(window, reinterpret_cast<HDC>(wParam), state.part)) return 1;
      break;
    default: {
      bool handled;
      const LRESULT result = partMessage(window, message, wParam, lParam, state, handled);
      if (handled) return result;
      break;
    }
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

BOOL CALLBACK attachChild(HWND window, LPARAM) {
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  WindowState state;
  if (stateOf(window, state)) return TRUE;
  attachWindow(window, className, style);
  // An existing button is past WM_CREATE: give it the engine's drawing now.
  if (stateOf(window, state) && state.part == Part::PushButton) makeOwnerDrawn(window);
  return TRUE;
}

BOOL CALLBACK attachTopLevel(HWND window, LPARAM) {
  attachChild(window, 0);
  EnumChildWindows(window, attachChild, 0);
  return TRUE;
}

BOOL CALLBACK detachChild(HWND window, LPARAM) {
  WindowState state;
  if (!stateOf(window, state)) return TRUE;
  RemoveWindowSubclass(window, skinnedWindow, kSubclassId);
  if (state.part == Part::PushButton) restoreButtonType(window, state.buttonType);
  return TRUE;
}

BOOL CALLBACK detachTopLevel(HWND window, LPARAM) {
  detachChild(window, 0);
  EnumChildWindows(window, detachChild, 0);
  return TRUE;
}

}  // namespace

DWORD_PTR packState(WindowState state) {
  return static_cast<DWORD_PTR>(state.part) | (static_cast<DWORD_PTR>(state.buttonType) << 4) |
         (state.hot ? 1u << 8 : 0u) | kStatePresent;
}

WindowState unpackState(DWORD_PTR data) {
  WindowState state;
  state.part = static_cast<Part>(data & 0xF);
  state.buttonType = static_cast<std::uint8_t>((data >> 4) & 0xF);
  state.hot = (data >> 8) & 1;
  return state;
}

bool stateOf(HWND window, WindowState& state) {
  if (!window || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return false;
  const auto data = static_cast<DWORD_PTR>(SendMessageA(window, stateQuery(), 0, 0));
  if (!(data & kStatePresent)) return false;
  state = unpackState(data);
  return true;
}

void storeState(HWND window, WindowState state) {
  SetWindowSubclass(window, skinnedWindow, kSubclassId, packState(state));
}

void attachWindow(HWND window, const char* className, LONG style) {
  if (isUntouched(className)) return;
  WindowState state;
  if (lstrcmpiA(className, "Button") == 0) {
    const LONG type = style & BS_TYPEMASK;
    if (isPushButtonType(type)) {
      state.part = Part::PushButton;
      state.buttonType = static_cast<std::uint8_t>(type);
    } else if (type == BS_GROUPBOX) {
      state.part = Part::GroupBox;
    }
  } else if (lstrcmpiA(className, "Edit") == 0) {
    state.part = Part::Edit;
  }
  storeState(window, state);
}

void attachExistingWindows() {
  EnumThreadWindows(engine().thread, attachTopLevel, 0);
}

void detachAllWindows() {
  EnumThreadWindows(engine().thread, detachTopLevel, 0);
}

}  // namespace skinengine

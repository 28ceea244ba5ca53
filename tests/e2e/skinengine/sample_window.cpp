// The sample window: it sets its design colours the way the calculator does, through
// WM_CTLCOLOR* replies and fonts, and forwards its settings group's messages to itself.
#include "sample_window.h"

#include <commctrl.h>

namespace skin_sample {
namespace {

enum ControlId {
  kScoreGroupId = 100,
  kScoreBoxId,
  kMemberBoxId,
  kAmountBoxId,
  kBonusId,
  kRestartId,
  kPrefixId,
  kSettingsId,
  kPromptId,
  kNumberId,
  kSaveId,
};

struct ControlRow {
  ControlId id;
  const char* className;
  const char* text;
  DWORD style;
  DWORD extendedStyle;
  RECT rect;
  bool inSettings;  // a child of the settings group rather than of the window
};

// clang-format off
const ControlRow kControls[] = {
  {kScoreGroupId, "BUTTON", "棒棒糖",        BS_GROUPBOX,                  0,                kScoreGroup,    false},
  {kScoreBoxId,   "EDIT",   "520",           ES_CENTER | WS_BORDER,        0,                kScoreBox,      false},
  {kMemberBoxId,  "EDIT",   "小明\r\n小红",  ES_MULTILINE | WS_VSCROLL,    WS_EX_CLIENTEDGE, kMemberBox,     false},
  {kAmountBoxId,  "EDIT",   "1314",          ES_CENTER,                    WS_EX_CLIENTEDGE, kAmountBox,     false},
  {kBonusId,      "BUTTON", "+10",           BS_PUSHBUTTON,                0,                kBonusButton,   false},
  {kRestartId,    "BUTTON", "重新开始",      BS_PUSHBUTTON,                0,                kRestartButton, false},
  {kPrefixId,     "STATIC", "Ostra：",       SS_LEFT,                      0,                kPrefixLabel,   false},
  {kSettingsId,   "BUTTON", "皮肤设置",      BS_GROUPBOX,                  0,                kSettingsGroup, false},
  {kPromptId,     "STATIC", "请输入【1-33】", SS_LEFT,                     0,                {9, 18, 130, 36},  true},
  {kNumberId,     "EDIT",   "13",            ES_CENTER,                    WS_EX_CLIENTEDGE, {17, 42, 81, 62},  true},
  {kSaveId,       "BUTTON", "保存",          BS_PUSHBUTTON,                0,                {9, 72, 89, 94},   true},
};
// clang-format on

HFONT scoreFont, captionFont, memberFont, amountFont;

HFONT makeFont(int height, bool bold) {
  return CreateFontA(-height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0,
                     0, nullptr);
}

HFONT fontFor(int id) {
  switch (id) {
    case kScoreBoxId:
      return scoreFont;
    case kScoreGroupId:
    case kPrefixId:
      return captionFont;
    case kMemberBoxId:
      return memberFont;
    case kAmountBoxId:
      return amountFont;
    default:
      return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
}

// The design's colours, answered as the calculator's toolkit answers them.
LRESULT designColours(HDC dc, HWND control) {
  switch (GetDlgCtrlID(control)) {
    case kScoreBoxId:
      SetTextColor(dc, kScoreRed);
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case kScoreGroupId:
      SetTextColor(dc, kCaptionViolet);
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case kMemberBoxId:
      SetTextColor(dc, kScoreRed);
      SetBkColor(dc, RGB(255, 255, 255));
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    case kAmountBoxId:
      SetTextColor(dc, kAmountMagenta);
      SetBkColor(dc, RGB(255, 255, 255));
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    case kPrefixId:  // a transparent label
      SetTextColor(dc, kScoreRed);
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    default:
      return 0;
  }
}

LRESULT CALLBACK sampleWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (const LRESULT brush =
              designColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
        return brush;
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// A group box does not pass its children's messages on: the settings group forwards them.
LRESULT CALLBACK forwardToWindow(HWND group, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR) {
  switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (reinterpret_cast<HWND>(lParam) != group)
        return SendMessageA(GetParent(group), message, wParam, lParam);
      break;
    default:
      break;
  }
  return DefSubclassProc(group, message, wParam, lParam);
}

}  // namespace

HWND createSampleWindow(int left, int top) {
  static const char kClass[] = "SkinSampleWindow";
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = sampleWindow;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClass;
  RegisterClassA(&windowClass);
  if (!scoreFont) {
    scoreFont = makeFont(19, true);
    captionFont = makeFont(14, true);
    memberFont = makeFont(14, true);
    amountFont = makeFont(14, false);
  }

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT outer{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&outer, style, FALSE, WS_EX_TOPMOST);
  const HWND window = CreateWindowExA(WS_EX_TOPMOST, kClass, "Zavo计算器 皮肤样张", style, left,
                                      top, outer.right - outer.left, outer.bottom - outer.top,
                                      nullptr, nullptr, windowClass.hInstance, nullptr);
  HWND settings = nullptr;
  for (const ControlRow& row : kControls) {
    const HWND parent = row.inSettings ? settings : window;
    const HWND control = CreateWindowExA(
        row.extendedStyle, row.className, row.text, WS_CHILD | WS_VISIBLE | row.style,
        row.rect.left, row.rect.top, row.rect.right - row.rect.left, row.rect.bottom - row.rect.top,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), windowClass.hInstance,
        nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(row.id)), FALSE);
    if (row.id == kSettingsId) {
      settings = control;
      SetWindowSubclass(settings, forwardToWindow, 1, 0);
    }
  }
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  settle();
  return window;
}

void settle() {
  for (int round = 0; round < 3; ++round) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    GdiFlush();
    Sleep(30);
  }
}

}  // namespace skin_sample

// Building a top-level window and its controls from a design.
//
// Every control is a direct child of the top-level window, at its design rectangle offset
// by its containers' places, so WM_COMMAND, WM_CTLCOLOR* and WM_DRAWITEM all reach one
// window procedure (a group box would not forward them). Later rows stand above earlier
// ones and every control clips its siblings, so a container's children and the flash
// pictures and lead bars listed after what they cover are drawn on top.
#include <iterator>

#include "toolkit/win32/pictures.h"
#include "toolkit/win32/state.h"

namespace toolkit::win32 {

namespace {

struct KindLook {
  Kind kind;
  const char* windowClass;  // nullptr: the kind has no window
  DWORD style;
};

// clang-format off
constexpr KindLook kKindLooks[] = {
  {Kind::EditBox,          "EDIT",   WS_TABSTOP},
  {Kind::Button,           "BUTTON", WS_TABSTOP | BS_PUSHBUTTON},
  {Kind::Label,            "STATIC", SS_NOPREFIX},
  {Kind::TransparentLabel, "STATIC", SS_OWNERDRAW},
  {Kind::GroupBox,         "BUTTON", BS_GROUPBOX},
  {Kind::PictureBox,       "STATIC", SS_OWNERDRAW},
  {Kind::RadioButton,      "BUTTON", BS_RADIOBUTTON},
  {Kind::ShapeBox,         "STATIC", SS_OWNERDRAW},
  {Kind::Timer,            nullptr,  0},
  {Kind::Browser,          "STATIC", 0},
  {Kind::OpenFileDialog,   nullptr,  0},
};
// clang-format on
constexpr bool looksFollowKinds() {
  for (std::size_t i = 0; i < std::size(kKindLooks); ++i)
    if (static_cast<std::size_t>(kKindLooks[i].kind) != i) return false;
  return true;
}
static_assert(looksFollowKinds(), "one look per kind, in the order of Kind");
static_assert(std::size(kKindLooks) == static_cast<std::size_t>(Kind::OpenFileDialog) + 1);

const KindLook& lookOf(Kind kind) {
  return kKindLooks[static_cast<std::size_t>(kind)];
}

DWORD editStyle(unsigned flags) {
  DWORD style = (flags & kCentred) ? ES_CENTER : ES_LEFT;
  if (flags & kMultiLine)
    style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
  else
    style |= ES_AUTOHSCROLL;
  if (flags & kThinBorder) style |= WS_BORDER;
  return style;
}

DWORD labelStyle(unsigned flags) {
  DWORD style = (flags & kCentred) ? SS_CENTER : SS_LEFT;
  if (!(flags & kWrapping)) style |= SS_CENTERIMAGE;  // one line, vertically centred
  return style;
}

DWORD styleOf(const ControlDesign& control) {
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | lookOf(control.kind).style;
  if (control.kind == Kind::EditBox) style |= editStyle(control.flags);
  if (control.kind == Kind::Label) style |= labelStyle(control.flags);
  if (control.flags & kDisabled) style |= WS_DISABLED;
  return style;
}

DWORD extendedStyleOf(const ControlDesign& control) {
  const bool sunken =
      control.kind == Kind::EditBox && !(control.flags & (kThinBorder | kBorderless));
  return sunken ? WS_EX_CLIENTEDGE : 0;
}

int textHeight(HFONT font) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(screen, &metrics);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return metrics.tmHeight;
}

// A one-line edit box too short for its font grows downwards to fit it.
int heightOf(const ControlDesign& control, HFONT font) {
  if (control.kind != Kind::EditBox || (control.flags & kMultiLine)) return control.rect.height;
  const int needed = textHeight(font) + 2 * GetSystemMetrics(SM_CYEDGE);
  return control.rect.height < needed ? needed : control.rect.height;
}

int parentRow(const WindowDesign& design, std::size_t row) {
  const std::string_view parent = design.controls[row].parent ? design.controls[row].parent : "";
  if (parent.empty()) return kNoParent;
  for (std::size_t i = 0; i < row; ++i)
    if (parent == design.controls[i].name) return static_cast<int>(i);
  return kNoParent;
}

// The shape box is a frame of borderWidth pixels: what lies inside it shows through.
void makeFrameRegion(HWND hwnd, int width, int height, int border) {
  HRGN frame = CreateRectRgn(0, 0, width, height);
  if (border * 2 < width && border * 2 < height) {
    HRGN inside = CreateRectRgn(border, border, width - border, height - border);
    CombineRgn(frame, frame, inside, RGN_DIFF);
    DeleteObject(inside);
  }
  SetWindowRgn(hwnd, frame, FALSE);  // the window owns the region from now on
}

void createControl(WindowRecord& window, std::size_t row) {
  ControlRecord& control = window.controls[row];
  const ControlDesign& design = *control.design;
  const KindLook& look = lookOf(design.kind);
  if (!look.windowClass) return;
  HFONT font = window.state->gdi.font(design.font);
  const int height = heightOf(design, font);
  control.hwnd = CreateWindowExA(
      extendedStyleOf(design), look.windowClass, design.text ? design.text : "", styleOf(design),
      control.origin.x, control.origin.y, design.rect.width, height, window.hwnd,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + row)),
      GetModuleHandleA(nullptr), nullptr);
  if (!control.hwnd) return;
  SetWindowPos(control.hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageA(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  switch (design.kind) {
    case Kind::EditBox:
      SendMessageA(control.hwnd, EM_SETLIMITTEXT, 0, 0);
      if (design.flags & kIntegerOnly) keepIntegerTyping(control);
      break;
    case Kind::RadioButton:
      if (design.flags & kTicked) SendMessageA(control.hwnd, BM_SETCHECK, BST_CHECKED, 0);
      break;
    case Kind::ShapeBox:
      makeFrameRegion(control.hwnd, design.rect.width, design.rect.height, design.borderWidth);
      break;
    case Kind::PictureBox:
      if (design.picture.begin)
        control.picture = stretchedPicture(design.picture.view(), design.rect.width,
                                           design.rect.height, backgroundOf(design));
      break;
    default:
      break;
  }
}

void setIcons(WindowRecord& window) {
  if (!window.design->icon.begin) return;
  const common::ByteView file = window.design->icon.view();
  window.bigIcon = iconFromFile(file, GetSystemMetrics(SM_CXICON));
  window.smallIcon = iconFromFile(file, GetSystemMetrics(SM_CXSMICON));
  if (window.bigIcon)
    SendMessageA(window.hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(window.bigIcon));
  if (window.smallIcon)
    SendMessageA(window.hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(window.smallIcon));
}

}  // namespace

bool buildWindow(WindowRecord& window) {
  const WindowDesign& design = *window.design;
  window.controls.reserve(design.controls.size());
  for (std::size_t row = 0; row < design.controls.size(); ++row) {
    ControlRecord control{&design.controls[row]};
    control.parent = parentRow(design, row);
    control.origin = {control.design->rect.left, control.design->rect.top};
    if (control.parent != kNoParent) {
      control.origin.x += window.controls[control.parent].origin.x;
      control.origin.y += window.controls[control.parent].origin.y;
    }
    control.shown = control.design->visible;
    window.controls.push_back(control);
  }

  // No WS_CLIPCHILDREN: a group box draws only its frame and caption, so the window's own
  // background must show inside it.
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  if (design.minimiseBox) style |= WS_MINIMIZEBOX;
  const DWORD extendedStyle = WS_EX_APPWINDOW | (design.alwaysOnTop ? WS_EX_TOPMOST : 0);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - design.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - design.height) / 2;
  // WM_NCCREATE attaches the record to the window (window_proc.cpp).
  if (!CreateWindowExA(extendedStyle, kWindowClass, design.title ? design.title : "", style, left,
                       top, design.width, design.height, nullptr, nullptr,
                       GetModuleHandleA(nullptr), &window))
    return false;
  for (std::size_t row = 0; row < window.controls.size(); ++row) createControl(window, row);
  for (std::size_t row = 0; row < window.controls.size(); ++row) applyVisibility(window, row);
  setIcons(window);
  return true;
}

void applyVisibility(WindowRecord& window, std::size_t row) {
  // Parents come first, so a row's descendants all follow it.
  for (std::size_t current = row; current < window.controls.size(); ++current) {
    bool shown = true, descends = false;
    for (int at = static_cast<int>(current); at != kNoParent; at = window.controls[at].parent) {
      shown = shown && window.controls[at].shown;
      descends = descends || at == static_cast<int>(row);
    }
    if (!descends) continue;
    if (HWND hwnd = window.controls[current].hwnd) ShowWindow(hwnd, shown ? SW_SHOWNA : SW_HIDE);
  }
}

void redrawTransparentChildren(const WindowRecord& window, std::size_t container) {
  for (const ControlRecord& control : window.controls)
    if (control.parent == static_cast<int>(container) &&
        control.design->kind == Kind::TransparentLabel && control.hwnd)
      InvalidateRect(control.hwnd, nullptr, FALSE);
}

}  // namespace toolkit::win32

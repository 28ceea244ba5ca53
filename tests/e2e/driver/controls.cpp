// Finding controls by design name or place, reading them and acting on them by messages.
// Sends use a timeout, so a program that hangs fails the test instead of stopping it.
#include "tests/e2e/driver/driver.h"

namespace e2e {

namespace {

constexpr UINT kSendTimeout = 5000;

LRESULT send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(hwnd, message, wParam, lParam, SMTO_NORMAL, kSendTimeout, &result);
  return static_cast<LRESULT>(result);
}

int rowOf(const toolkit::WindowDesign& design, std::string_view name) {
  for (std::size_t row = 0; row < design.controls.size(); ++row)
    if (name == design.controls[row].name) return static_cast<int>(row);
  return -1;
}

struct PlaceSearch {
  HWND window;
  Box box;
  HWND found = nullptr;
};

BOOL CALLBACK considerChild(HWND child, LPARAM parameter) {
  auto& search = *reinterpret_cast<PlaceSearch*>(parameter);
  if (GetParent(child) != search.window || controlBox(child) != search.box) return TRUE;
  search.found = child;
  return FALSE;
}

}  // namespace

HWND control(HWND window, const toolkit::WindowDesign& design, std::string_view name) {
  const int row = rowOf(design, name);
  return row < 0 ? nullptr : GetDlgItem(window, toolkit::kFirstControlId + row);
}

HWND controlAt(HWND window, Box box) {
  PlaceSearch search{window, box};
  EnumChildWindows(window, considerChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

Box designBox(const toolkit::WindowDesign& design, std::string_view name) {
  Box box;
  for (int row = rowOf(design, name); row >= 0;) {
    const toolkit::ControlDesign& control = design.controls[row];
    if (box.width == 0 && box.height == 0) box = {0, 0, control.rect.width, control.rect.height};
    box.left += control.rect.left;
    box.top += control.rect.top;
    row = control.parent && *control.parent ? rowOf(design, control.parent) : -1;
  }
  return box;
}

Box controlBox(HWND control) {
  RECT place;
  GetWindowRect(control, &place);
  MapWindowPoints(HWND_DESKTOP, GetAncestor(control, GA_ROOT), reinterpret_cast<POINT*>(&place), 2);
  return {place.left, place.top, place.right - place.left, place.bottom - place.top};
}

Box windowBox(HWND window) {
  RECT place;
  GetWindowRect(window, &place);
  return {place.left, place.top, place.right - place.left, place.bottom - place.top};
}

bool visible(HWND hwnd) {
  return hwnd && IsWindowVisible(hwnd);
}
bool enabled(HWND hwnd) {
  return hwnd && IsWindowEnabled(hwnd);
}
bool checked(HWND radioButton) {
  return send(radioButton, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

Text text(HWND hwnd) {
  const LRESULT length = send(hwnd, WM_GETTEXTLENGTH, 0, 0);
  Text content(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied =
      send(hwnd, WM_GETTEXT, content.size(), reinterpret_cast<LPARAM>(content.data()));
  content.resize(static_cast<std::size_t>(copied));
  return content;
}

void setText(HWND hwnd, const Text& text) {
  send(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void click(HWND button) {
  PostMessageA(button, BM_CLICK, 0, 0);
}

void type(HWND editBox, const Text& keys) {
  for (const char key : keys) send(editBox, WM_CHAR, static_cast<unsigned char>(key), 1);
}

void pressEscape(HWND target) {
  PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 1);
  PostMessageA(target, WM_KEYUP, VK_ESCAPE, 0xC0000001);
}

Text messageText(HWND messageBox) {
  return text(GetDlgItem(messageBox, kMessageTextId));
}

void pressOk(HWND dialog) {
  click(GetDlgItem(dialog, IDOK));
}

void chooseInFileDialog(HWND dialog, const Text& path) {
  setText(GetDlgItem(dialog, kFileNameBoxId), path);
  pressOk(dialog);
}

void chooseInFileDialog(HWND dialog, const std::wstring& path) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(GetDlgItem(dialog, kFileNameBoxId), WM_SETTEXT, 0,
                      reinterpret_cast<LPARAM>(path.c_str()), SMTO_NORMAL, kSendTimeout, &ignored);
  pressOk(dialog);
}

void cancelFileDialog(HWND dialog) {
  click(GetDlgItem(dialog, IDCANCEL));
}

}  // namespace e2e

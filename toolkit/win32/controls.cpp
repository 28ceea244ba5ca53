// The control operations: texts, visibility, pictures, timer periods and the browser's
// link. Each does nothing when the window or the control is not there.
#include "toolkit/win32/pictures.h"
#include "toolkit/win32/state.h"

// After <windows.h>, which state.h brings.
#include <shellapi.h>

namespace toolkit::win32 {

namespace {

std::size_t rowOf(const WindowRecord& window, const ControlRecord& control) {
  return static_cast<std::size_t>(&control - window.controls.data());
}

}  // namespace

Text Backend::text(const WindowDesign& window, std::string_view control) const {
  const ControlRecord* found = state_->findControl(window, control);
  if (!found || !found->hwnd) return {};
  Text content(static_cast<std::size_t>(GetWindowTextLengthA(found->hwnd)) + 1, '\0');
  content.resize(static_cast<std::size_t>(
      GetWindowTextA(found->hwnd, content.data(), static_cast<int>(content.size()))));
  return content;
}

void Backend::setText(const WindowDesign& window, std::string_view control, const Text& text) {
  ControlRecord* found = state_->findControl(window, control);
  if (!found || !found->hwnd) return;
  const Kind kind = found->design->kind;
  if (kind != Kind::EditBox) {
    SetWindowTextA(found->hwnd, text.c_str());
    if (kind == Kind::TransparentLabel) InvalidateRect(found->hwnd, nullptr, FALSE);
    return;
  }
  // The control's own EN_CHANGE is held back so that Changed comes exactly once, after the
  // text is in place, also when the text is unchanged.
  found->writing = true;
  SetWindowTextA(found->hwnd, text.c_str());
  found->writing = false;
  state_->raise(state_->find(window)->id, found->design->name, Event::Changed);
}

void Backend::setVisible(const WindowDesign& window, std::string_view control, bool visible) {
  WindowRecord* loaded = state_->find(window);
  ControlRecord* found = state_->findControl(window, control);
  if (!found) return;
  found->shown = visible;
  applyVisibility(*loaded, rowOf(*loaded, *found));
}

void Backend::setPicture(const WindowDesign& window, std::string_view control, ByteView picture) {
  WindowRecord* loaded = state_->find(window);
  ControlRecord* found = state_->findControl(window, control);
  if (!found || found->design->kind != Kind::PictureBox) return;
  const Rect& box = found->design->rect;
  HBITMAP stretched =
      stretchedPicture(picture, box.width, box.height, backgroundOf(*found->design));
  if (found->picture) DeleteObject(found->picture);
  found->picture = stretched;
  InvalidateRect(found->hwnd, nullptr, FALSE);
  redrawTransparentChildren(*loaded, rowOf(*loaded, *found));
}

void Backend::setTimerPeriod(const WindowDesign& window, std::string_view control,
                             int milliseconds) {
  const WindowRecord* loaded = state_->find(window);
  const ControlRecord* found = state_->findControl(window, control);
  if (!found || found->design->kind != Kind::Timer) return;
  const UINT_PTR id = kFirstControlId + rowOf(*loaded, *found);
  if (milliseconds > 0)
    SetTimer(loaded->hwnd, id, static_cast<UINT>(milliseconds), nullptr);
  else
    KillTimer(loaded->hwnd, id);
}

void Backend::navigate(const WindowDesign& window, std::string_view control, const Text& link) {
  const WindowRecord* loaded = state_->find(window);
  const ControlRecord* found = state_->findControl(window, control);
  if (!found || found->design->kind != Kind::Browser) return;
  // The system opens the link with whatever program owns its scheme; with no such program
  // nothing shows, as no page would load in the never-seen browser control either.
  SHELLEXECUTEINFOA request{};
  request.cbSize = sizeof request;
  request.fMask = SEE_MASK_FLAG_NO_UI;
  request.hwnd = loaded->hwnd;
  request.lpVerb = "open";
  request.lpFile = link.c_str();
  request.nShow = SW_SHOWNORMAL;
  ShellExecuteExA(&request);
}

}  // namespace toolkit::win32

// The backend's life and its windows: registering the window class, loading a design
// (ordinary or modal), finding windows and controls, and the window operations.
#include "toolkit/win32/state.h"

// After <windows.h>, which state.h brings.
#include <ole2.h>

namespace toolkit::win32 {

namespace {

void focusFirstControl(const WindowRecord& window) {
  for (const ControlRecord& control : window.controls)
    if (takesFocus(control)) {
      SetFocus(control.hwnd);
      return;
    }
}

}  // namespace

Backend::Backend() : state_(std::make_unique<State>()) {
  // The picture loader and the shell want COM on this thread.
  state_->comInitialised = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = topLevelProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExA(&windowClass);
}

Backend::~Backend() {
  // Windows still loaded go quietly: their handlers may refer to logic already gone.
  for (const auto& window : state_->windows) {
    window->destroying = true;
    DestroyWindow(window->hwnd);
    releaseResources(*window);
  }
  state_->windows.clear();
  UnregisterClassA(kWindowClass, GetModuleHandleA(nullptr));
  if (state_->comInitialised) CoUninitialize();
}

WindowRecord* Backend::State::find(const WindowDesign& design) const {
  for (const auto& window : windows)
    if (window->design == &design) return window.get();
  return nullptr;
}

WindowRecord* Backend::State::find(WindowId id) const {
  for (const auto& window : windows)
    if (window->id == id) return window.get();
  return nullptr;
}

ControlRecord* Backend::State::findControl(const WindowDesign& design,
                                           std::string_view name) const {
  WindowRecord* window = find(design);
  if (!window) return nullptr;
  for (ControlRecord& control : window->controls)
    if (control.design->name && name == control.design->name) return &control;
  return nullptr;
}

void Backend::load(const WindowDesign& window, Bindings bindings, Mode mode) {
  if (state_->find(window)) return;
  const WindowId id = state_->nextWindowId++;
  auto record = std::make_unique<WindowRecord>();
  WindowRecord& built = *record;
  built.id = id;
  built.design = &window;
  built.bindings = std::move(bindings);
  built.state = state_.get();
  state_->windows.push_back(std::move(record));
  if (!buildWindow(built)) {
    if (built.hwnd) DestroyWindow(built.hwnd);
    std::erase_if(state_->windows, [id](const auto& loaded) { return loaded->id == id; });
    return;
  }
  ShowWindow(built.hwnd, SW_SHOW);
  UpdateWindow(built.hwnd);
  focusFirstControl(built);
  state_->raise(id, "", Event::Created);
  if (mode == Mode::Modal) state_->loopWhileLoaded(id);
}

bool Backend::isLoaded(const WindowDesign& window) const {
  return state_->find(window) != nullptr;
}

void Backend::setWindowVisible(const WindowDesign& window, bool visible) {
  if (const WindowRecord* loaded = state_->find(window))
    ShowWindow(loaded->hwnd, visible ? SW_SHOW : SW_HIDE);
}

void Backend::setTitle(const WindowDesign& window, const Text& title) {
  if (const WindowRecord* loaded = state_->find(window))
    SetWindowTextA(loaded->hwnd, title.c_str());
}

void Backend::setHeight(const WindowDesign& window, int height) {
  const WindowRecord* loaded = state_->find(window);
  if (!loaded) return;
  RECT outer;
  GetWindowRect(loaded->hwnd, &outer);
  SetWindowPos(loaded->hwnd, nullptr, 0, 0, outer.right - outer.left, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace toolkit::win32

// Raising events and the nesting of handlers, with destroy requests carried out after the
// handler that made them has returned, and the removal of a window.
//
// Every handler runs as one frame of a depth counter. A destroy request remembers the depth
// it was made at; whenever a frame ends, the requests made deeper than the depth now current
// are carried out, oldest first. A request made with no handler running is carried out at
// once.
#include <algorithm>

#include "toolkit/win32/state.h"

namespace toolkit::win32 {

void releaseResources(WindowRecord& window) {
  for (ControlRecord& control : window.controls)
    if (control.picture) DeleteObject(control.picture);
  if (window.bigIcon) DestroyIcon(window.bigIcon);
  if (window.smallIcon) DestroyIcon(window.smallIcon);
}

void Backend::State::raise(WindowId window, std::string_view control, Event event) {
  const WindowRecord* target = find(window);
  if (!target) return;
  const auto binding =
      std::find_if(target->bindings.begin(), target->bindings.end(), [&](const Binding& candidate) {
        return candidate.control == control && candidate.event == event && candidate.handler;
      });
  if (binding == target->bindings.end()) return;
  // A copy: the window, and with it its bindings, may go while the handler runs.
  const std::function<void()> handler = binding->handler;
  destroys.runHandler(handler, [this](WindowId doomed) { destroyNow(doomed); });
}

void Backend::State::requestDestroy(WindowId window) {
  destroys.request(window, [this](WindowId doomed) { destroyNow(doomed); });
}

void Backend::State::destroyNow(WindowId window) {
  WindowRecord* target = find(window);
  if (!target || target->destroying) return;
  target->destroying = true;
  raise(window, "", Event::Destroying);
  // Still there: the flag keeps every other removal away while Destroying runs.
  DestroyWindow(target->hwnd);
  releaseResources(*target);
  std::erase_if(windows, [target](const auto& record) { return record.get() == target; });
}

void Backend::State::close(WindowId window) {
  const WindowRecord* target = find(window);
  if (target && IsWindowVisible(target->hwnd)) destroyNow(window);
}

void Backend::destroy(const WindowDesign& window) {
  if (const WindowRecord* loaded = state_->find(window)) state_->requestDestroy(loaded->id);
}

}  // namespace toolkit::win32

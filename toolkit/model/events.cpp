// Raising events and the nesting of handlers, with destroy requests carried out after the
// handler that made them has returned.
//
// Every handler, and every scheduled action, runs as one frame of a depth counter. A
// destroy request remembers the depth it was made at; whenever a frame ends, the requests
// made deeper than the depth now current are carried out, oldest first. A request made
// with no frame running is carried out at once.
#include <algorithm>

#include "toolkit/model/state.h"

namespace toolkit::model {

void Model::State::raise(WindowId window, std::string_view control, Event event) {
  const WindowState* target = find(window);
  if (!target) return;
  for (const Binding& binding : target->bindings) {
    if (binding.control == control && binding.event == event && binding.handler) {
      // A copy: the window, and with it its bindings, may go while the handler runs.
      runHandler(binding.handler);
      return;
    }
  }
}

void Model::State::runHandler(std::function<void()> handler) {
  destroys.runHandler(handler, [this](WindowId window) { destroyNow(window); });
}

void Model::State::requestDestroy(WindowId window) {
  destroys.request(window, [this](WindowId doomed) { destroyNow(doomed); });
}

void Model::State::destroyNow(WindowId window) {
  WindowState* target = find(window);
  if (!target || target->destroying) return;
  target->destroying = true;
  raise(window, "", Event::Destroying);
  remove(window);
}

void Model::destroy(const WindowDesign& window) {
  if (const WindowState* loaded = state_->find(window)) state_->requestDestroy(loaded->id);
}

}  // namespace toolkit::model

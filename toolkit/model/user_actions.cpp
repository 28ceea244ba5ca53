// What the user does: clicks, keys, pastes, Esc and the close box. A user reaches only
// what is on the screen: a control of a visible window that is itself shown, inside shown
// containers, and not disabled; anything else ignores the action.
#include "toolkit/model/keys.h"
#include "toolkit/model/state.h"

namespace toolkit::model {

namespace {

bool isShownWithItsContainers(const WindowState& window, const ControlState& control) {
  const ControlState* current = &control;
  while (current) {
    if (!current->visible) return false;
    const std::string_view parent = current->design->parent ? current->design->parent : "";
    if (parent.empty()) return true;
    const ControlState* container = nullptr;
    for (const ControlState& candidate : window.controls)
      if (candidate.design->name && parent == candidate.design->name) container = &candidate;
    current = container;
  }
  return false;
}

}  // namespace

ControlState* Model::State::reachable(const WindowDesign& design, std::string_view name,
                                      Kind kind) const {
  const WindowState* window = find(design);
  ControlState* control = findControl(design, name);
  if (!window || !control || !window->visible) return nullptr;
  if (control->design->kind != kind || (control->design->flags & kDisabled)) return nullptr;
  return isShownWithItsContainers(*window, *control) ? control : nullptr;
}

void Model::click(const WindowDesign& window, std::string_view button) {
  const ControlState* found = state_->reachable(window, button, Kind::Button);
  if (found) state_->raise(state_->find(window)->id, found->design->name, Event::Clicked);
}

void Model::type(const WindowDesign& window, std::string_view editBox, const Text& keys) {
  for (std::size_t at = 0; at < keys.size();) {
    const std::size_t length = characterLength(keys, at);
    const std::string_view key = std::string_view(keys).substr(at, length);
    at += length;
    // Looked up again for every key: a Changed handler may hide or remove the box.
    ControlState* box = state_->reachable(window, editBox, Kind::EditBox);
    if (!box) return;
    if (std::optional<Text> content = contentAfterKey(box->text, key, box->design->flags))
      state_->replaceContent(window, *box, std::move(*content));
  }
}

void Model::paste(const WindowDesign& window, std::string_view editBox, const Text& text) {
  ControlState* box = state_->reachable(window, editBox, Kind::EditBox);
  if (box && !text.empty()) state_->replaceContent(window, *box, box->text + text);
}

void Model::pressEscape(const WindowDesign& window) {
  closeWindow(window);
}

void Model::closeWindow(const WindowDesign& window) {
  const WindowState* loaded = state_->find(window);
  if (loaded && loaded->visible) state_->destroyNow(loaded->id);
}

}  // namespace toolkit::model

// The model's windows: loading a design, finding windows and controls, and the window
// operations and observers.
#include <algorithm>

#include "toolkit/model/state.h"

namespace toolkit::model {

namespace {

Text designText(const char* text) {
  return text ? Text(text) : Text();
}

std::vector<ControlState> controlsOf(const WindowDesign& design) {
  std::vector<ControlState> controls;
  controls.reserve(design.controls.size());
  for (const ControlDesign& row : design.controls) {
    const ByteView picture = row.picture.begin ? row.picture.view() : ByteView();
    controls.push_back({&row, designText(row.text), row.visible,
                        common::ByteBlock(picture.begin(), picture.end())});
  }
  return controls;
}

}  // namespace

WindowState* Model::State::find(const WindowDesign& design) const {
  for (const auto& window : windows)
    if (window->design == &design) return window.get();
  return nullptr;
}

WindowState* Model::State::find(WindowId id) const {
  for (const auto& window : windows)
    if (window->id == id) return window.get();
  return nullptr;
}

ControlState* Model::State::findControl(const WindowDesign& design, std::string_view name) const {
  WindowState* window = find(design);
  if (!window) return nullptr;
  for (ControlState& control : window->controls)
    if (control.design->name && name == control.design->name) return &control;
  return nullptr;
}

void Model::State::remove(WindowId id) {
  std::erase_if(windows, [id](const auto& window) { return window->id == id; });
}

Model::Model() : state_(std::make_unique<State>()) {}
Model::~Model() = default;

void Model::load(const WindowDesign& window, Bindings bindings, Mode mode) {
  if (state_->find(window)) return;
  const WindowId id = state_->nextWindowId++;
  state_->windows.push_back(std::make_unique<WindowState>(
      WindowState{id, &window, std::move(bindings), controlsOf(window), designText(window.title),
                  window.height}));
  state_->raise(id, "", Event::Created);
  if (mode == Mode::Modal) state_->loopWhile([this, id] { return state_->find(id) != nullptr; });
}

bool Model::isLoaded(const WindowDesign& window) const {
  return state_->find(window) != nullptr;
}

void Model::setWindowVisible(const WindowDesign& window, bool visible) {
  if (WindowState* loaded = state_->find(window)) loaded->visible = visible;
}

void Model::setTitle(const WindowDesign& window, const Text& title) {
  if (WindowState* loaded = state_->find(window)) loaded->title = title;
}

void Model::setHeight(const WindowDesign& window, int height) {
  if (WindowState* loaded = state_->find(window)) loaded->height = height;
}

bool Model::windowVisible(const WindowDesign& window) const {
  const WindowState* loaded = state_->find(window);
  return loaded && loaded->visible;
}

Text Model::title(const WindowDesign& window) const {
  const WindowState* loaded = state_->find(window);
  return loaded ? loaded->title : Text();
}

int Model::height(const WindowDesign& window) const {
  const WindowState* loaded = state_->find(window);
  return loaded ? loaded->height : 0;
}

}  // namespace toolkit::model

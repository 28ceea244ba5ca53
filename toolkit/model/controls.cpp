// The model's control operations and what they leave for a test to observe.
#include "toolkit/model/state.h"

namespace toolkit::model {

void Model::State::replaceContent(const WindowDesign& design, ControlState& editBox, Text content) {
  editBox.text = std::move(content);
  if (const WindowState* window = find(design))
    raise(window->id, editBox.design->name, Event::Changed);
}

Text Model::text(const WindowDesign& window, std::string_view control) const {
  const ControlState* found = state_->findControl(window, control);
  return found ? found->text : Text();
}

void Model::setText(const WindowDesign& window, std::string_view control, const Text& text) {
  ControlState* found = state_->findControl(window, control);
  if (!found) return;
  if (found->design->kind == Kind::EditBox)
    state_->replaceContent(window, *found, text);
  else
    found->text = text;
}

void Model::setVisible(const WindowDesign& window, std::string_view control, bool visible) {
  if (ControlState* found = state_->findControl(window, control)) found->visible = visible;
}

void Model::setPicture(const WindowDesign& window, std::string_view control, ByteView picture) {
  ControlState* found = state_->findControl(window, control);
  if (found && found->design->kind == Kind::PictureBox)
    found->picture.assign(picture.begin(), picture.end());
}

void Model::setTimerPeriod(const WindowDesign& window, std::string_view control, int milliseconds) {
  WindowState* loaded = state_->find(window);
  ControlState* found = state_->findControl(window, control);
  if (!found || found->design->kind != Kind::Timer) return;
  state_->startTimer(*loaded, static_cast<std::size_t>(found - loaded->controls.data()),
                     milliseconds);
}

void Model::navigate(const WindowDesign& window, std::string_view control, const Text& link) {
  const ControlState* found = state_->findControl(window, control);
  if (found && found->design->kind == Kind::Browser) state_->navigations.push_back(link);
}

bool Model::visible(const WindowDesign& window, std::string_view control) const {
  const ControlState* found = state_->findControl(window, control);
  return found && found->visible;
}

common::ByteBlock Model::picture(const WindowDesign& window, std::string_view control) const {
  const ControlState* found = state_->findControl(window, control);
  return found ? found->picture : common::ByteBlock();
}

int Model::timerPeriod(const WindowDesign& window, std::string_view control) const {
  const ControlState* found = state_->findControl(window, control);
  return found ? found->timerPeriod : 0;
}

const std::vector<Text>& Model::navigations() const {
  return state_->navigations;
}

}  // namespace toolkit::model

// The message box and the open-file dialog: what the program showed is recorded, and the
// test answers in the user's place.
#include "toolkit/model/state.h"

namespace toolkit::model {

void Model::messageBox(const Text& text, const Text& title) {
  state_->messages.push_back({text, title});
  // Copies: the reaction may show another box, or replace itself, while it runs.
  const Message shown = state_->messages.back();
  if (const auto reaction = state_->messageBoxReaction) reaction(shown);
}

void Model::onMessageBox(std::function<void(const Message&)> reaction) {
  state_->messageBoxReaction = std::move(reaction);
}

std::optional<Text> Model::chooseFile(const WindowDesign& window, std::string_view dialog,
                                      const Text& filter) {
  const ControlState* found = state_->findControl(window, dialog);
  if (!found || found->design->kind != Kind::OpenFileDialog) return std::nullopt;
  state_->fileDialogFilters.push_back(filter);
  if (state_->fileDialogAnswers.empty()) return std::nullopt;
  std::optional<Text> answer = std::move(state_->fileDialogAnswers.front());
  state_->fileDialogAnswers.pop_front();
  return answer;
}

void Model::answerFileDialog(std::optional<Text> path) {
  state_->fileDialogAnswers.push_back(std::move(path));
}

const std::vector<Message>& Model::messages() const {
  return state_->messages;
}

const std::vector<Text>& Model::fileDialogFilters() const {
  return state_->fileDialogFilters;
}

}  // namespace toolkit::model

// The headless model: a Toolkit with no screen, for tests. It holds the named controls of
// every loaded window with their design values, raises the same events in the same order
// as the Win32 backend, and runs timers and waits on a virtual millisecond clock, so a
// two-second flash takes no real time.
//
// Driving it: user actions (click, type, paste, close) run their handlers at once, like a
// real click delivered to an idle program. Actions scheduled with after() run when the
// virtual clock reaches their time, inside whatever is running then: the event loop of
// run(), a modal load, or a wait. run() and a modal load return when their window is
// gone or when nothing is scheduled any more (the script is over); timers alone do not
// keep them going.
//
// Where the interface leaves room, the model chooses (the Win32 backend behaves alike):
// - A wait runs what falls due before its deadline; what is due at the deadline itself
//   runs after the wait, in the loop outside it.
// - Scheduled actions run as handlers do: a destroy() asked for in one is carried out when
//   it returns. Esc and the close box destroy at once, even inside a wait.
// - A timer skips the ticks that fall due while its own tick handler is still running.
// - The user reaches only what is shown: clicks, keys and pastes on a hidden window, a
//   hidden control (or one inside a hidden container) or a disabled control do nothing,
//   and so do Esc and the close box on a hidden window.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "toolkit/toolkit.h"

namespace toolkit::model {

struct Message {
  Text text;
  Text title;
};

class Model final : public Toolkit {
 public:
  Model();
  ~Model() override;

  // Toolkit.
  void load(const WindowDesign& window, Bindings bindings, Mode mode) override;
  void destroy(const WindowDesign& window) override;
  bool isLoaded(const WindowDesign& window) const override;
  void setWindowVisible(const WindowDesign& window, bool visible) override;
  void setTitle(const WindowDesign& window, const Text& title) override;
  void setHeight(const WindowDesign& window, int height) override;
  Text text(const WindowDesign& window, std::string_view control) const override;
  void setText(const WindowDesign& window, std::string_view control, const Text& text) override;
  void setVisible(const WindowDesign& window, std::string_view control, bool visible) override;
  void setPicture(const WindowDesign& window, std::string_view control, ByteView picture) override;
  void setTimerPeriod(const WindowDesign& window, std::string_view control,
                      int milliseconds) override;
  void navigate(const WindowDesign& window, std::string_view control, const Text& link) override;
  std::optional<Text> chooseFile(const WindowDesign& window, std::string_view dialog,
                                 const Text& filter) override;
  void messageBox(const Text& text, const Text& title) override;
  void wait(int milliseconds) override;
  void run() override;

  // The virtual clock.
  std::uint32_t now() const;
  // Runs `action` when the clock has moved on by `milliseconds`; ties run in order.
  void after(int milliseconds, std::function<void()> action);
  // Moves the clock on while no loop is running, firing timers and scheduled actions.
  void advance(int milliseconds);

  // What the user does. Each does nothing when the window or control is not there.
  void click(const WindowDesign& window, std::string_view button);
  // Types keys one at a time into an edit box: each accepted key raises Changed once.
  // "\b" deletes the last character; integer-only boxes drop other keys >= 32.
  void type(const WindowDesign& window, std::string_view editBox, const Text& keys);
  // Pastes at the end of the content, unfiltered; raises Changed once.
  void paste(const WindowDesign& window, std::string_view editBox, const Text& text);
  // Esc in the window or any of its controls; closes it like the close box.
  void pressEscape(const WindowDesign& window);
  void closeWindow(const WindowDesign& window);
  // The answer the next chooseFile() gives: a path, or nothing for Cancel. Without an
  // answer queued, the dialog is cancelled.
  void answerFileDialog(std::optional<Text> path);
  // Called while a message box is open (it is modal: the handler showing it waits).
  void onMessageBox(std::function<void(const Message&)> reaction);

  // What the user sees.
  bool windowVisible(const WindowDesign& window) const;
  Text title(const WindowDesign& window) const;
  int height(const WindowDesign& window) const;
  bool visible(const WindowDesign& window, std::string_view control) const;
  common::ByteBlock picture(const WindowDesign& window, std::string_view control) const;
  int timerPeriod(const WindowDesign& window, std::string_view control) const;
  const std::vector<Message>& messages() const;
  const std::vector<Text>& navigations() const;
  const std::vector<Text>& fileDialogFilters() const;
  // How many event loops (run, modal loads, waits) are running now.
  int loopDepth() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace toolkit::model

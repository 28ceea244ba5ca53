// The interface the programs' logic uses to make windows and talk to their controls.
// No platform type appears here; toolkit/model/ and toolkit/win32/ implement it with the
// same semantics:
// - Writing an edit box's text raises its Changed event exactly once, synchronously, after
//   the new text is in place, also when the text is unchanged.
// - load() with Mode::Modal runs a nested event loop and returns when that window is gone.
// - destroy() is carried out after the handler that asked for it has returned.
// - wait() processes events while it lasts; waits nest, and an outer wait never ends before
//   an inner one. Timers tick during waits.
// - Operations on a window that is not loaded, or a control it lacks, do nothing.
// - Esc and the close box destroy a window (raising Destroying first).
// A window is addressed by its design: each design is loaded at most once at a time.
#pragma once

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "common/text.h"
#include "toolkit/design.h"

namespace toolkit {

using common::ByteView;
using common::Text;

enum class Event : std::uint8_t {
  Created,     // the window: once, when it and all its controls exist
  Destroying,  // the window: about to be destroyed
  Clicked,     // button
  Changed,     // edit box: its content changed, by the user or by the program
  Tick,        // timer
};

// One row of a window's event table. `control` is "" for the window's own events.
struct Binding {
  std::string_view control;
  Event event;
  std::function<void()> handler;
};
using Bindings = std::vector<Binding>;

enum class Mode : std::uint8_t { Ordinary, Modal };

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Creates the window and its controls, shows it (centred on the screen) and raises its
  // Created event. Ordinary returns then; Modal returns once the window is destroyed.
  virtual void load(const WindowDesign& window, Bindings bindings, Mode mode) = 0;
  // Raises Destroying, then removes the window; deferred while a handler is running.
  virtual void destroy(const WindowDesign& window) = 0;
  virtual bool isLoaded(const WindowDesign& window) const = 0;
  // Hides or shows a whole window; it stays loaded.
  virtual void setWindowVisible(const WindowDesign& window, bool visible) = 0;
  virtual void setTitle(const WindowDesign& window, const Text& title) = 0;
  // Outer height in pixels; the width and the top edge stay.
  virtual void setHeight(const WindowDesign& window, int height) = 0;

  // An edit box's content, or the caption of a button, group box, label or radio button.
  virtual Text text(const WindowDesign& window, std::string_view control) const = 0;
  // Replaces it; for an edit box this raises Changed once, after the text is in place.
  virtual void setText(const WindowDesign& window, std::string_view control, const Text& text) = 0;
  virtual void setVisible(const WindowDesign& window, std::string_view control, bool visible) = 0;
  // A whole image file; an empty block leaves the box showing its background.
  virtual void setPicture(const WindowDesign& window, std::string_view control, ByteView picture) = 0;
  // Milliseconds between ticks; 0 stops the timer.
  virtual void setTimerPeriod(const WindowDesign& window, std::string_view control, int milliseconds) = 0;
  // Hands a link to the browser control and returns at once.
  virtual void navigate(const WindowDesign& window, std::string_view control, const Text& link) = 0;
  // Runs the open-file dialog component with a "description|pattern|..." filter; the
  // chosen full path, or nothing when the user cancels.
  virtual std::optional<Text> chooseFile(const WindowDesign& window, std::string_view dialog,
                                         const Text& filter) = 0;

  // Text, title and one OK button, no icon, modal to the program; returns when closed.
  virtual void messageBox(const Text& text, const Text& title) = 0;
  // Waits on the system's millisecond tick counter while processing events.
  virtual void wait(int milliseconds) = 0;
  // Runs the event loop until no window of the program is left.
  virtual void run() = 0;
};

}  // namespace toolkit

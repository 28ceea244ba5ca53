// Internal state of the headless model: the loaded windows with their controls, the
// virtual clock with its schedule, handler nesting with the deferred destroy requests,
// and what the dialogs recorded. Windows are addressed by a never-reused id, so a handler
// or request that outlives its window finds nothing instead of a dangling pointer.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "toolkit/deferred_destroy.h"
#include "toolkit/model/model.h"

namespace toolkit::model {

using WindowId = std::uint64_t;

struct ControlState {
  const ControlDesign* design;
  Text text;
  bool visible;
  common::ByteBlock picture;
  int timerPeriod = 0;
  // Bumped by every period change, so ticks scheduled under an old period are ignored.
  std::uint64_t timerGeneration = 0;
  bool tickRunning = false;
};

struct WindowState {
  WindowId id;
  const WindowDesign* design;
  Bindings bindings;
  std::vector<ControlState> controls;
  Text title;
  int height;
  bool visible = true;
  bool destroying = false;
};

// One entry of the schedule: a scheduled action, or the next tick of one timer.
struct Scheduled {
  std::function<void()> action;  // empty for a tick
  WindowId window = 0;
  std::size_t control = 0;
  std::uint64_t timerGeneration = 0;
};

struct Model::State {
  std::vector<std::unique_ptr<WindowState>> windows;
  WindowId nextWindowId = 1;

  // Virtual clock in milliseconds, kept wide so long scripts never wrap.
  std::int64_t now = 0;
  std::uint64_t nextSequence = 0;
  // Ordered by due time, then by the order of scheduling.
  std::map<std::pair<std::int64_t, std::uint64_t>, Scheduled> schedule;
  int pendingActions = 0;

  int loopDepth = 0;
  DeferredDestroy destroys;

  std::vector<Message> messages;
  std::function<void(const Message&)> messageBoxReaction;
  std::vector<Text> navigations;
  std::vector<Text> fileDialogFilters;
  std::deque<std::optional<Text>> fileDialogAnswers;

  // Windows and controls (windows.cpp).
  WindowState* find(const WindowDesign& design) const;
  WindowState* find(WindowId id) const;
  ControlState* findControl(const WindowDesign& design, std::string_view name) const;
  void remove(WindowId id);

  // Puts new content into an edit box and raises its Changed (controls.cpp).
  void replaceContent(const WindowDesign& design, ControlState& editBox, Text content);

  // The control if the user can act on it: see user_actions.cpp.
  ControlState* reachable(const WindowDesign& design, std::string_view name, Kind kind) const;

  // Events and handler nesting (events.cpp).
  void raise(WindowId window, std::string_view control, Event event);
  void runHandler(std::function<void()> handler);
  void requestDestroy(WindowId window);
  void destroyNow(WindowId window);

  // Clock and schedule (schedule.cpp).
  void enqueue(std::int64_t due, Scheduled entry);
  void startTimer(WindowState& window, std::size_t control, int period);
  void runNext();
  void runUntil(std::int64_t deadline);
  void loopWhile(const std::function<bool()>& keepGoing);
};

}  // namespace toolkit::model

// The virtual clock: scheduled actions, timer ticks, waits and the event loops.
//
// Entries run in order of due time, ties in order of scheduling. A wait runs every entry
// due before its deadline, then sets the clock to the deadline unless an inner wait has
// already moved it further. A timer whose tick handler is still running (it waits, or a
// loop runs inside it) skips the ticks that fall due meanwhile and keeps its rhythm.
#include <algorithm>

#include "toolkit/model/state.h"

namespace toolkit::model {

void Model::State::enqueue(std::int64_t due, Scheduled entry) {
  if (entry.action) ++pendingActions;
  schedule.emplace(std::pair{due, nextSequence++}, std::move(entry));
}

void Model::State::startTimer(WindowState& window, std::size_t control, int period) {
  ControlState& timer = window.controls[control];
  timer.timerPeriod = std::max(period, 0);
  ++timer.timerGeneration;
  if (timer.timerPeriod > 0)
    enqueue(now + timer.timerPeriod, {{}, window.id, control, timer.timerGeneration});
}

void Model::State::runNext() {
  auto node = schedule.extract(schedule.begin());
  now = std::max(now, node.key().first);
  Scheduled& entry = node.mapped();
  if (entry.action) {
    --pendingActions;
    runHandler(std::move(entry.action));
    return;
  }
  const WindowId id = entry.window;
  const std::size_t index = entry.control;
  WindowState* window = find(id);
  if (!window) return;
  ControlState& timer = window->controls[index];
  if (timer.timerGeneration != entry.timerGeneration || timer.timerPeriod <= 0) return;
  enqueue(node.key().first + timer.timerPeriod, std::move(entry));
  if (timer.tickRunning) return;
  timer.tickRunning = true;
  raise(id, timer.design->name, Event::Tick);
  if (WindowState* still = find(id)) still->controls[index].tickRunning = false;
}

void Model::State::runUntil(std::int64_t deadline) {
  while (!schedule.empty() && schedule.begin()->first.first < deadline) runNext();
  now = std::max(now, deadline);
}

void Model::State::loopWhile(const std::function<bool()>& keepGoing) {
  ++loopDepth;
  while (pendingActions > 0 && keepGoing()) runNext();
  --loopDepth;
}

std::uint32_t Model::now() const {
  return static_cast<std::uint32_t>(state_->now);
}

void Model::after(int milliseconds, std::function<void()> action) {
  if (!action) return;
  state_->enqueue(state_->now + std::max(milliseconds, 0), {std::move(action)});
}

void Model::advance(int milliseconds) {
  state_->runUntil(state_->now + std::max(milliseconds, 0));
}

void Model::wait(int milliseconds) {
  ++state_->loopDepth;
  state_->runUntil(state_->now + std::max(milliseconds, 0));
  --state_->loopDepth;
}

void Model::run() {
  state_->loopWhile([this] { return !state_->windows.empty(); });
}

int Model::loopDepth() const {
  return state_->loopDepth;
}

}  // namespace toolkit::model

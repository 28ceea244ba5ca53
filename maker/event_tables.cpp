// The step windows' event tables: one row per (control, event), checked against the designs.
#include "maker/event_tables.h"

#include <span>
#include <string_view>

#include "maker/step1_window.h"
#include "maker/step2_window.h"
#include "maker/step3_window.h"
#include "maker/step4_window.h"

namespace maker {
namespace {

using toolkit::Event;
using toolkit::Kind;
using toolkit::WindowDesign;

struct EventRow {
  std::string_view control;  // "" for the window's own events
  Event event;
  void (Maker::*handler)();
};

// clang-format off
constexpr EventRow kStep1Events[] = {
  {"按钮1",  Event::Clicked,    &Maker::confirmTitle},
  {"",       Event::Destroying, &Maker::closeChainFromStep1},
};
constexpr EventRow kStep2Events[] = {
  {"按钮19", Event::Clicked,    &Maker::confirmPrefix},
};
constexpr EventRow kStep3Events[] = {
  {"按钮1",  Event::Clicked,    &Maker::choosePhoto},
  {"按钮2",  Event::Clicked,    &Maker::confirmPhoto},
  {"",       Event::Destroying, &Maker::closeChainFromStep3},
};
constexpr EventRow kStep4Events[] = {
  {"按钮1",  Event::Clicked,    &Maker::finishInstallation},
};
// clang-format on

// A row names the window itself, or a control of the kind that raises its event.
constexpr bool rowMatchesDesign(const EventRow& row,
                                std::span<const toolkit::ControlDesign> controls) {
  switch (row.event) {
    case Event::Created:
    case Event::Destroying:
      return row.control.empty();
    case Event::Clicked:
      return hasControl(controls, row.control, Kind::Button);
    case Event::Changed:
      return hasControl(controls, row.control, Kind::EditBox);
    case Event::Tick:
      return hasControl(controls, row.control, Kind::Timer);
  }
  return false;
}
struct WindowEvents {
  const WindowDesign* window;
  std::span<const EventRow> events;
};

// clang-format off
constexpr WindowEvents kWindowEvents[] = {
  {&kStep1Window, kStep1Events},
  {&kStep2Window, kStep2Events},
  {&kStep3Window, kStep3Events},
  {&kStep4Window, kStep4Events},
};
// clang-format on

constexpr bool eventTablesMatchTheirWindows() {
  for (const WindowEvents& entry : kWindowEvents)
    for (const EventRow& row : entry.events)
      if (!rowMatchesDesign(row, entry.window->controls)) return false;
  return true;
}
static_assert(eventTablesMatchTheirWindows());

}  // namespace

toolkit::Bindings bindingsFor(const WindowDesign& window, Maker& maker) {
  toolkit::Bindings bindings;
  for (const WindowEvents& entry : kWindowEvents) {
    if (entry.window != &window) continue;
    for (const EventRow& row : entry.events)
      bindings.push_back(
          {row.control, row.event, [&maker, handler = row.handler] { (maker.*handler)(); }});
  }
  return bindings;
}

}  // namespace maker

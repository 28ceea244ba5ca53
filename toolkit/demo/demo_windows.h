// The demo's window designs: a main window with one control of every kind in the looks the
// programs use, and two small windows for nested modal loads. The e2e tests read the same
// tables to find controls and check their geometry.
#pragma once

#include "toolkit/design.h"

namespace toolkit::demo {

extern const WindowDesign kMainWindow;
// Two windows of one layout: a design is a window's identity, so each nesting level has its own.
extern const WindowDesign kInnerWindow;
extern const WindowDesign kInnermostWindow;

// The file the main window's Destroying handler writes into the run directory: the log
// as it stood when the window went.
inline constexpr char kLastLogFile[] = "demo-log.txt";

}  // namespace toolkit::demo

// The calculator's start: loading the main window, the start-up that reads the three
// configuration files (refusing to run without them), and the clock.
#pragma once

#include "calculator/context.h"

namespace calculator {

// Loads the main window and runs the event loop until it is gone.
void startCalculator(const Context& context);

// The main window's created event: skin 4, the clock, then title, prefix and photo.
void prepareMainWindow(const Context& context);

// The clock timer's tick: the time of day as "9时5分7秒".
void showClock(const Context& context);

}  // namespace calculator

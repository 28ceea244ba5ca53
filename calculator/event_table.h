// Which event of which control of the main window runs which handler.
#pragma once

#include "calculator/context.h"
#include "toolkit/toolkit.h"

namespace calculator {

// The main window's bindings, each handler running with `context` (which must outlive
// the window).
toolkit::Bindings mainWindowBindings(const Context& context);

}  // namespace calculator

// Which handler of the maker each event of its step windows runs.
#pragma once

#include "maker/maker.h"
#include "toolkit/toolkit.h"

namespace maker {

// The bindings of one step window, calling `maker`'s handlers.
toolkit::Bindings bindingsFor(const toolkit::WindowDesign& window, Maker& maker);

}  // namespace maker

// The lead comparison: the difference between the two scores and the leader's bar.
#pragma once

#include "calculator/context.h"

namespace calculator {

// The content-changed event of either score box.
void compareScores(const Context& context);

}  // namespace calculator

// The team score tally: bonus buttons with their picture flashes, typed amounts, restart.
// The scores are the score boxes' texts; every write to one sets off the comparison.
#pragma once

#include <string_view>

#include "calculator/context.h"
#include "calculator/teams.h"

namespace calculator {

// A bonus button's click: adds `amount` to the team's score, then flashes `picture`
// unless it is kNoPicture.
void addBonus(const Context& context, const Team& team, int amount,
              const common::EmbeddedBytes& picture);

// Shows `picture` in `box` for two seconds while events go on, then hides the box.
void flashPicture(const Context& context, std::string_view box, common::ByteView picture);

// The team's "+": adds the typed amount and empties the amount box.
void addFreeAmount(const Context& context, const Team& team);

// "重新开始": both scores and the difference to "0", members emptied, lead bars hidden.
void restartTally(const Context& context);

}  // namespace calculator

#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The town square: its description and menu, then its prompt. Shops are
// opened from the prompt; one that hands control back finds the bare ">"
// waiting, and one that leaves "back to town" returns to the square afresh.
Transition town(Player* player);

}  // namespace vaskarn

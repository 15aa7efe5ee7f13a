#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The barracks of the Swamplands: the war against the Rune King's army and
// its leader, the Wizard King; after the quest, the war as a game for gold.
// Hands control back to the place that opened it when the visit ends.
Transition swamplandsbarracks(Player* player);

}  // namespace vaskarn

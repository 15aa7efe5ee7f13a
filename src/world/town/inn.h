#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The Blue Moon Inn: the bar, the old man, upstairs, a room for the night
// and the bank counter. The town opens it; it leaves only "back to town"
// (or, for a hero the old man knocks out for good, to the crossroads).
Transition inn(Player* player);

}  // namespace vaskarn

#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The pastimes of the Ocean City inn. Each is opened by the inn's menu and
// hands control back to it when it is over.
Transition playdarts(Player* player);
Transition fillupwaterintoballoon(Player* player);
Transition gamble(Player* player);
Transition shootthehorsegame(Player* player);
Transition joincontest(Player* player);

}  // namespace vaskarn

#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The mixing pot: tokens become potions. "0" hands control Back to the opener.
Transition makepotion(Player* player);

}  // namespace vaskarn

#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The anvil: bars become a weapon, which the hero may wield at once or lose.
// "0" hands control Back to the opener.
Transition smithweapon(Player* player);

// The anvil: bars become a helm, which the hero may wear at once or lose.
// "0", or anything but yes or no at the helm question, hands control Back.
Transition smitharmor(Player* player);

}  // namespace vaskarn

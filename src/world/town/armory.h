#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

Transition armory(Player* player);

}  // namespace vaskarn

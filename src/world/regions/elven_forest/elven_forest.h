#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The Elven Forest: where the crossroads leads, and where its shops, its
// workers and the middle of the forest hand control back.
Transition elven_forest(Player* player);

}  // namespace vaskarn

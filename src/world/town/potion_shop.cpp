#include "world/town/potion_shop.h"

namespace vaskarn {

// Not open yet: the square's prompt comes back.
Transition potionshop(Player*) { return Back(); }

}  // namespace vaskarn

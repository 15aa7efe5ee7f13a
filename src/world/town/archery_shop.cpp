#include "world/town/archery_shop.h"

namespace vaskarn {

// Not open yet: the square's prompt comes back.
Transition archery_shop(Player*) { return Back(); }

}  // namespace vaskarn

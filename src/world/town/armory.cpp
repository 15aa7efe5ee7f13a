#include "world/town/armory.h"

namespace vaskarn {

// Not open yet: the square's prompt comes back.
Transition armory(Player*) { return Back(); }

}  // namespace vaskarn

#include "world/town/blacksmith.h"

namespace vaskarn {

// Not open yet: the square's prompt comes back.
Transition blacksmith(Player*) { return Back(); }

}  // namespace vaskarn

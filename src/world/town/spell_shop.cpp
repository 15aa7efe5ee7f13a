#include "world/town/spell_shop.h"

namespace vaskarn {

// Not open yet: the square's prompt comes back.
Transition spellshop(Player*) { return Back(); }

}  // namespace vaskarn

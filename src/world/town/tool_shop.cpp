#include "world/town/tool_shop.h"

namespace vaskarn {

// Not open yet: the square's prompt comes back.
Transition tool(Player*) { return Back(); }

}  // namespace vaskarn

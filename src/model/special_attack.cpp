#include "model/special_attack.h"

namespace vaskarn {

// The generic special attack is a record without a kind: it does nothing.
void Special_Attack::Attack(Entity*, int) {}

}  // namespace vaskarn

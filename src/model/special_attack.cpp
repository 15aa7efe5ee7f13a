#include "model/special_attack.h"

namespace vaskarn {

void Special_Attack::AttackOn(Entity&) {}

}  // namespace vaskarn

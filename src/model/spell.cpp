#include "model/spell.h"

namespace vaskarn {

// The generic spell is a record without a kind: casting it does nothing.
void Spell::Cast(Entity*, int) {}

}  // namespace vaskarn

#include "model/spell.h"

namespace vaskarn {

void Spell::CastOn(Entity&) {}

}  // namespace vaskarn

#include "world/town/spell_shop.h"

#include "abilities/spells.h"
#include "world/ability_shop.h"
#include "world/town/town.h"

namespace vaskarn {
namespace {

// The kinds on sale, in the order of the shop's list.
constexpr MakeAbility<Spell> kOffers[] = {
    Offer<Spell, Fireball>,      Offer<Spell, Inferno>, Offer<Spell, Probe>,        Offer<Spell, Minor_Healing>,
    Offer<Spell, Major_Healing>, Offer<Spell, Blaze>,   Offer<Spell, Cleave>,       Offer<Spell, Wave>,
    Offer<Spell, Spirit>,        Offer<Spell, Poison>,  Offer<Spell, Unpoison>,     Offer<Spell, Magic_Bullet>,
    Offer<Spell, Lightning>,     Offer<Spell, Alchemy>, Offer<Spell, Random>,       Offer<Spell, Sapphire>,
};

constexpr AbilityShopWords kWords{"You bought the spell ", "!\n", "You can't afford that spell.\n"};

}  // namespace

Transition spellshop(Player* player) {
    return SellAbilities<Spell>(*player, kOffers, kWords, ReturnTo(town));
}

}  // namespace vaskarn

#pragma once

#include <string_view>

namespace vaskarn {

class Player;
class Spell;
class Special_Attack;

// The gear the late quests give. The hero wears it at once; the castle's
// Sword Master hands the same pieces back to a hero who has worn something
// else since.
void WearLightGear(Player& hero);     // the Sword Of Light and three pieces of Magic Armor
void WearEldmyrsSword(Player& hero);  // the Sword Of Eldmyrs
void WearEldmyrsArmor(Player& hero);  // the five Eldmyrs pieces

// A quest's reward is given once: what the hero already holds is not added
// again. A spell or special attack added again would refund a price that was
// never paid, and a second god power or blessing of a name only fills a slot.
void GrantGodPower(Player& hero, std::string_view name, int power);
void GrantBlessing(Player& hero, std::string_view name, int value);
void GrantSpell(Player& hero, const Spell& spell);
void GrantSpecialAttack(Player& hero, const Special_Attack& attack);

}  // namespace vaskarn

#pragma once

#include <span>
#include <string_view>

#include "model/entity.h"

namespace vaskarn {

// An opponent: an Entity whose gold and XP are what it yields when killed,
// with an attack and a defense. Copied as a whole value.
class Monster : public Entity {
public:
    Monster() = default;

    // A name that does not fit (empty, or over 35 characters) is left unset.
    // `poisoned` is non-zero for a monster that enters the fight poisoned.
    void CreateMonster(std::string_view newname, int newhp, int newmaxhp, int newgold, int newxp, int newattack,
                       int newdefense, int newpoisoned);

    void SetAttack(int newattack) { attack = newattack; }
    int GetAttack() const { return attack; }
    void SetDefense(int newdefense) { defense = newdefense; }
    int GetDefense() const { return defense; }

private:
    int attack = 0;
    int defense = 0;
};

// Fills monster[0 .. monstercount-1] with copies of candidates from
// monsterlist: with monsternumber > 0 each position draws one raw value (no
// re-seeding) and takes candidate value % monsternumber; with 0 every position
// takes the first candidate; with a negative number nothing is copied. The
// caller keeps both counts within its arrays.
void GenerateMonsterByType(Monster* monster, int monstercount, const Monster* monsterlist, int monsternumber);

// The same, sized by the arrays themselves: fills the whole group from the
// whole pool (an empty pool leaves the group as it is).
void GenerateMonsterByType(std::span<Monster> group, std::span<const Monster> pool);

}  // namespace vaskarn

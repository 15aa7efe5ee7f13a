#include "world/encounter.h"

#include <vector>

#include "combat/battle.h"
#include "core/services.h"
#include "model/player.h"

namespace vaskarn {

Monster MonsterTemplate::Make() const {
    Monster made;
    made.CreateMonster(name, hp, maxhp, gold, xp, attack, defense, poisoned ? 1 : 0);
    return made;
}

int GroupSizeByLevel(int level) {
    if (level <= 9) return Draw(2) + 1;
    if (level <= 20) return Draw(3) + 1;
    return Draw(4) + 1;
}

FightResult Fight(Player& hero, std::span<Monster> group) {
    if (battle(&hero, group.data(), static_cast<int>(group.size()))) return FightResult::Won;
    return hero.GetHP() <= 0 ? FightResult::Slain : FightResult::Fled;
}

FightResult FightGroup(Player& hero, std::span<const MonsterTemplate> pool, int size) {
    std::vector<Monster> candidates;
    candidates.reserve(pool.size());
    for (const MonsterTemplate& kind : pool) candidates.push_back(kind.Make());
    std::vector<Monster> group(static_cast<std::size_t>(size > 0 ? size : 0));
    GenerateMonsterByType(group, candidates);
    return Fight(hero, group);
}

FightResult FightOne(Player& hero, const MonsterTemplate& monster) {
    Monster one = monster.Make();
    return Fight(hero, std::span<Monster>(&one, 1));
}

FightResult FightInOrder(Player& hero, std::span<const MonsterTemplate> kinds, int copies) {
    std::vector<Monster> group;
    if (copies > 0) group.reserve(kinds.size() * static_cast<std::size_t>(copies));
    for (const MonsterTemplate& kind : kinds)
        for (int i = 0; i < copies; ++i) group.push_back(kind.Make());
    return Fight(hero, group);
}

}  // namespace vaskarn

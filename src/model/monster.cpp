#include "model/monster.h"

#include <limits>

#include "core/services.h"

namespace vaskarn {

void Monster::CreateMonster(std::string_view newname, int newhp, int newmaxhp, int newgold, int newxp,
                            int newattack, int newdefense, int newpoisoned) {
    SetName(newname);
    SetHP(newhp);
    SetMaxHP(newmaxhp);
    SetGold(newgold);
    SetXP(newxp);
    SetAttack(newattack);
    SetDefense(newdefense);
    SetPoisoned(newpoisoned != 0);
}

void GenerateMonsterByType(Monster* monster, int monstercount, const Monster* monsterlist, int monsternumber) {
    if (monstercount <= 0 || monsternumber < 0) return;
    for (int i = 0; i < monstercount; ++i) {
        if (monsternumber == 0) {
            monster[i] = monsterlist[0];
        } else {
            monster[i] = monsterlist[Draw(monsternumber)];
        }
    }
}

void GenerateMonsterByType(std::span<Monster> group, std::span<const Monster> pool) {
    constexpr std::size_t kMaxCount = std::numeric_limits<int>::max();
    if (pool.empty() || group.size() > kMaxCount || pool.size() > kMaxCount) return;
    GenerateMonsterByType(group.data(), static_cast<int>(group.size()), pool.data(), static_cast<int>(pool.size()));
}

}  // namespace vaskarn

#include "combat/attacks.h"

#include <algorithm>

#include "core/pause.h"
#include "core/services.h"
#include "model/arith.h"

namespace vaskarn {
namespace {

// One roll of ten decides a miss, so nine blows in ten land: melee stays the
// dependable choice that costs nothing.
constexpr int kMissRolls = 10;
constexpr int kMissRoll = 9;
constexpr int kPoisonRolls = 15;
constexpr int kPoisonRoll = 5;

int ArmourProtection(const Player& hero) {
    int total = 0;
    for (const Armor* piece : {hero.GetCape(), hero.GetHelm(), hero.GetPlatebody(), hero.GetPlatelegs(),
                               hero.GetShield(), hero.GetGauntlets()})
        total = SatAdd(total, piece->GetProtection());
    return total;
}

}  // namespace

bool PlayerAttack(Player* player, Monster* monster) {
    random();
    const int base = SatAdd(SatAdd(player->GetAttack(), player->GetStrength() / 4), player->GetWeapon()->GetDamage());
    const int a = Draw(5);
    const int b = Draw(5);
    int damage = SatSub(SatSub(SatAdd(base, a), b), monster->GetDefense());
    const int missroll = Draw(kMissRolls);
    const int poisonroll = Draw(kPoisonRolls);

    if (missroll == kMissRoll) {
        io() << "You missed the " << monster->GetName() << ".\n";
        wait();
        return false;
    }
    damage = std::max(damage, 0);
    io() << "You hit the " << monster->GetName() << " for " << damage << " damage.\n";
    monster->LoseHP(damage);
    if (poisonroll == kPoisonRoll) {
        io() << "You poisoned the " << monster->GetName() << " luckily.\n";
        monster->SetPoisoned(true);
    }
    wait();
    return true;
}

bool MonsterAttack(Monster* monster, Player* player) {
    random();
    int bonus = 0;
    const int bonusroll = Draw(10);
    if (bonusroll == 8 || bonusroll == 9) bonus = Draw(11);

    const int atk = monster->GetAttack();
    const int x = Draw(3);
    const int y = Draw(3);
    int damage = SatAdd(SatSub(SatAdd(atk, x), y), bonus);
    damage = SatSub(SatSub(damage, player->GetDefense()), ArmourProtection(*player));
    damage = std::max(damage, 0);

    const int missroll = Draw(15);
    const int fierceroll = Draw(50);
    const int poisonroll = Draw(20);

    if (missroll == 3 || missroll == 7 || missroll == 10 || missroll == 13) {
        io() << "The " << monster->GetName() << " has missed you.\n";
        return true;
    }
    if (fierceroll == 21 || fierceroll == 39) {
        const int r = Draw(11);
        // The hero's defense counts twice here: once inside `damage` already.
        int fierce = SatSub(SatAdd(SatAdd(atk / 4, damage), r), player->GetDefense());
        fierce = std::max(fierce, 0);
        io() << "The " << monster->GetName() << " fiercely attacked you for " << fierce << " damage.\n";
        player->LoseHP(fierce);
    } else {
        io() << "The " << monster->GetName() << " hit you for " << damage << " damage.\n";
        player->LoseHP(damage);
    }
    if (poisonroll == 17) {
        io() << "The " << monster->GetName() << " has poisoned you.\n";
        player->SetPoisoned(true);
    }
    return true;
}

void ListMonsters(const Monster* monsters, int count) {
    for (int i = 0; i < count; ++i) {
        const Monster& m = monsters[i];
        if (m.GetHP() <= 0) continue;
        io() << i + 1 << ". " << m.GetName() << " - " << m.GetHP() << "/" << m.GetMaxHP() << " "
             << (m.IsPoisoned() ? "(Poisoned)\n" : "\n");
    }
    io() << "\n";
}

}  // namespace vaskarn

#include "world/regions/hellfire.h"

#include <string_view>

#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "world/encounter.h"
#include "world/quest_rewards.h"
#include "world/town/crossroads.h"

namespace vaskarn {
namespace {

constexpr MonsterTemplate kDemonOfDarkness{"Abyssal Demon Of Darkness", 10000, 10000, 1000000, 200000, 15000, 1200};

constexpr std::string_view kPowerOfTheUnderworld = "The Power Of The Underworld";
constexpr int kPowerOfTheUnderworldValue = 500;

}  // namespace

// Every fight lost or fled here counts as a death.
Transition hellfireabyss(Player* player) {
    Player& hero = *player;
    io() << "You stand on a narrow ledge of black rock. Below you the abyss\n"
            "goes down and down without end, and far at its bottom a sea of\n"
            "fire roars. The heat is almost too much to bear.\n";
    wait();
    io() << "Suddenly, the fire rises up out of the abyss, and out of the\n"
            "flames climbs a huge demon with wings of smoke: the Abyssal\n"
            "Demon Of Darkness!\n"
            "It's time to FIGHT!!!\n";
    wait();
    if (FightOne(hero, kDemonOfDarkness) != FightResult::Won) {
        io() << "The Abyssal Demon Of Darkness has killed you!\n";
        hero.HasDied();
        wait();
        return ReturnTo(crossroads);
    }
    GrantGodPower(hero, kPowerOfTheUnderworld, kPowerOfTheUnderworldValue);
    hero.SetHellFire(true);
    io() << "The Abyssal Demon Of Darkness falls back into the abyss, and the\n"
            "fire swallows him up.\n"
            "You obtain a new god power, The Power Of The Underworld!\n"
            "Congratulations! You have completed the Hell Fire Quest!\n";
    wait();
    return ReturnTo(crossroads);
}

}  // namespace vaskarn

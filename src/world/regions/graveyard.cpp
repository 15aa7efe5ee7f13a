#include "world/regions/graveyard.h"

#include <iterator>
#include <span>
#include <string>
#include <string_view>

#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "world/encounter.h"
#include "world/quest_rewards.h"
#include "world/town/crossroads.h"

namespace vaskarn {
namespace {

constexpr MonsterTemplate kZombieWarrior[] = {{"Zombie Warrior", 200, 200, 1500, 700, 1000, 500}};
constexpr MonsterTemplate kEnt[] = {{"Ent", 350, 350, 2500, 1000, 900, 700}};
constexpr MonsterTemplate kArmy[] = {
    {"Ent Leader", 600, 600, 12000, 3000, 1200, 1050},
    {"Zombie Ogre", 800, 800, 15000, 4000, 1300, 1400},
    {"Dead Dog", 100, 100, 2000, 350, 1100, 800},
    {"Undead Rock Golem", 1500, 1500, 70000, 20000, 1500, 1000},
    {"Undead Bird", 250, 250, 5000, 800, 1000, 800},
};
constexpr MonsterTemplate kTermite[] = {{"Termite", 50, 50, 500, 100, 1150, 0, true}};
constexpr MonsterTemplate kBat[] = {{"Bat", 60, 60, 100, 75, 1150, 0}};
constexpr MonsterTemplate kGiantBat[] = {{"Giant Bat", 600, 600, 10000, 2000, 1200, 500}};
constexpr MonsterTemplate kShadowSpirit[] = {{"Shadow Spirit", 10000, 10000, 600000, 100000, 1500, 6000}};

constexpr std::string_view kBringerOfLight = "The Bringer Of Light";
constexpr int kBringerOfLightValue = 10000;
constexpr std::string_view kPowerOfTheShadows = "The Power Of The Shadows";
constexpr int kPowerOfTheShadowsValue = 250;

Transition pathfight(Player* player, int fight);
Transition equationstone(Player* player);
Transition threedoors(Player* player);
Transition graveyardcleared(Player* player);

// One fight of the path: `copies` of each kind, as one group.
struct PathFight {
    std::span<const MonsterTemplate> kinds;
    int copies;
    const char* approach;  // before the fight
    const char* defeat;    // after a fight lost or fled
    Screen detour{};       // where a win leads instead of the next fight
};

// The fights in the order of the path. The stone and the well lie between
// the termites and the bats, the three doors between the Giant Bat and the
// Shadow Spirit: the path comes back at these fights.
constexpr int kBats = 4;
constexpr int kShadow = 6;

constexpr PathFight kPath[] = {
    {kZombieWarrior, 1,
     "You walk along the path between the old graves. Suddenly, the\n"
     "ground in front of you cracks open, and a Zombie Warrior climbs\n"
     "out of it, his rusty sword raised high.\n",
     "The Zombie Warrior has killed you!\n"},
    {kEnt, 6,
     "You walk on, deeper into the graveyard, where dead trees grow\n"
     "between the graves. As you pass them, the trees begin to move.\n"
     "They are not trees at all: six Ents block your way!\n",
     "The Ents have killed you!\n"},
    {kArmy, 1,
     "Past the trees, the path leads into an open field. There, an army\n"
     "of the dead waits for you in a line: an Ent Leader, a Zombie Ogre,\n"
     "a Dead Dog, an Undead Rock Golem and an Undead Bird. Their leader\n"
     "raises his arm, and they charge!\n",
     "The army of the dead has killed you!\n"},
    {kTermite, 80,
     "You walk into an old chapel, its walls eaten away by termites.\n"
     "You hear a crunching sound all around you, and then they come\n"
     "pouring out of the walls: 80 poisoned Termites!\n",
     "The Termites have killed you!\n", Screen(equationstone)},
    {kBat, 36,
     "You fall down the well, and land in a dark cave at its bottom.\n"
     "Something flutters above your head, and then another, and another.\n"
     "36 Bats fly down at you!\n",
     "The Bats have killed you!\n"},
    {kGiantBat, 1,
     "As the last of the bats falls, a great shriek fills the cave. The\n"
     "mother of them all, a Giant Bat, flies out of the darkness!\n",
     "The Giant Bat has killed you!\n", Screen(threedoors)},
    {kShadowSpirit, 1,
     "You stand in the last section of the graveyard, a great round hall\n"
     "under the ground, where no light has ever reached. The darkness\n"
     "in the middle of the hall begins to move, and rises up before you.\n"
     "It is the Shadow Spirit, the master of the graveyard!\n"
     "It's time to FIGHT!!!\n",
     "The Shadow Spirit has killed you!\n", Screen(graveyardcleared)},
};
static_assert(kPath[kBats].kinds.data() == kBat && kPath[kShadow].kinds.data() == kShadowSpirit);

// Every fight lost or fled ends the path as a death.
Transition pathfight(Player* player, int fight) {
    Player& hero = *player;
    if (fight < 0 || fight >= static_cast<int>(std::size(kPath))) return ReturnTo(crossroads);
    const PathFight& step = kPath[fight];
    io() << step.approach;
    wait();
    if (FightInOrder(hero, step.kinds, step.copies) != FightResult::Won) {
        io() << step.defeat;
        hero.HasDied();
        wait();
        return ReturnTo(crossroads);
    }
    return GoTo(step.detour.IsSet() ? step.detour : Screen(pathfight, fight + 1));
}

// Every answer is wrong, the right one too; the way on is the well.
Transition equationstone(Player*) {
    io() << "Behind the chapel stands a large stone with an equation carved\n"
            "into it. A deep voice comes from the stone:\n"
            "Solve my equation, or you shall not pass!\n"
            "\n"
            "   (12 x 12) - (7 x 9) + 56 = ?\n"
            "\n";
    io().Prompt();
    io().ReadWord();
    io() << "Wrong!\n";
    wait();
    io() << "The stone sinks slowly into the ground, and behind it you see an\n"
            "old well. There is no other way on, so you climb onto its edge,\n"
            "take a deep breath, and jump into the well.\n";
    wait();
    return GoTo(Screen(pathfight, kBats));
}

// The red and the blue door are traps; only the green one leads on.
Transition threedoors(Player* player) {
    Player& hero = *player;
    io() << "At the end of the cave there are three doors: a red one, a blue\n"
            "one and a green one. Which door do you open?\n"
            "1. Red Door\n"
            "2. Blue Door\n"
            "3. Green Door\n";
    io().Prompt();
    switch (io().ReadChar()) {
    case '1':
        io() << "You open the red door. A cold wind rushes out at you, and you\n"
                "feel all of your magic being drained away. You lost all of your MP!\n";
        hero.SetMP(0);
        wait();
        return Stay();
    case '2':
        io() << "You open the blue door. A cloud of green smoke pours out, and\n"
                "you breathe it in before you can shut the door. You have been poisoned!\n";
        hero.SetPoisoned(true);
        wait();
        return Stay();
    case '3':
        io() << "You open the green door, and behind it a long staircase leads\n"
                "down into the last section of the graveyard.\n";
        wait();
        return GoTo(Screen(pathfight, kShadow));
    default:
        return Stay();
    }
}

Transition graveyardcleared(Player* player) {
    Player& hero = *player;
    io() << "The Shadow Spirit screams, and breaks apart into a thousand\n"
            "shadows that fade away into nothing. Light floods the hall for\n"
            "the first time in a thousand years.\n";
    wait();
    GrantBlessing(hero, kBringerOfLight, kBringerOfLightValue);
    GrantGodPower(hero, kPowerOfTheShadows, kPowerOfTheShadowsValue);
    hero.SetGraveyard(true);
    io() << "You have been given a new blessing, The Bringer Of Light!\n"
            "You obtain a new god power, The Power Of The Shadows!\n"
            "Congratulations! You have completed the Graveyard Of Spirits Quest!\n";
    wait();
    return ReturnTo(crossroads);
}

}  // namespace

Transition graveyard(Player*) {
    io() << "You are about to take on, a path quest.\n"
            "Are you sure you want to continue? (y/n)\n";
    io().Prompt();
    const std::string answer = io().ReadWord();
    if (IsNo(answer)) return ReturnTo(crossroads);
    if (!IsYes(answer)) return Stay();
    io() << "Be warned: you may not retreat from any battle on this path.\n"
            "If you run away, you will be counted as dead, just as if you\n"
            "had been killed.\n";
    wait();
    return GoTo(Screen(pathfight, 0));
}

}  // namespace vaskarn

#include "world/regions/rainforest/story.h"

#include <algorithm>
#include <array>
#include <string>

#include "abilities/spells.h"
#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "world/encounter.h"
#include "world/quest_rewards.h"
#include "world/regions/rainforest/rainforest.h"
#include "world/stats.h"

namespace vaskarn {
namespace {

// The story's steps before and after the camp.
enum Step { kSetOut = 0, kMeetWolf, kMeetWarrior, kCrossing, kMeetChief };

constexpr MonsterTemplate kWolf{"Wolf", 30, 30, 50, 20, 8, 5};
constexpr MonsterTemplate kBlueFlagWarrior{"Blue Flag Warrior", 75, 75, 200, 50, 15, 10};
constexpr MonsterTemplate kJaguarChief{"Aztec Jaguar Chief", 600, 600, 10000, 600, 75, 60};

// The three guardians of the crossing, in the order of their keys.
constexpr std::array<MonsterTemplate, 3> kGuardians{{
    {"White Rabbit", 100, 100, 500, 85, 20, 10},
    {"Floating Sword", 150, 150, 1000, 150, 30, 30},
    {"Giant Monkey", 500, 500, 5000, 400, 40, 30},
}};

constexpr std::array<MonsterTemplate, 6> kCampRaiders{{
    {"Giant Ape", 600, 600, 6000, 500, 50, 30},
    {"Giant Snake", 400, 400, 2500, 200, 30, 10},
    {"Ninja", 200, 200, 1500, 150, 35, 30},
    {"Crossbow Men", 50, 50, 200, 70, 10, 5},
    {"Arbalest", 200, 200, 600, 150, 30, 10},
    {"Fire Nation Soldier", 100, 100, 500, 120, 20, 10},
}};

constexpr int kDaysInCamp = 10;  // morning fights to win
constexpr int kRests = 3;
constexpr int kChances = 5;      // deaths the camp allows
constexpr int kRaidSizes = 5;    // a raid is 1 to 5 strong
constexpr int kPoisonRolls = 15;
constexpr int kPoisonRoll = 5;

constexpr const char* kButton = "Blank Carved Button";


// Every defeat on the path ends the story: the hero wakes where it began,
// at the cost of a death.
Transition StoryLost(Player& hero) {
    io() << "Everything goes dark...\n"
            "You wake up at the edge of the rainforest, where the path began.\n";
    wait();
    hero.HasDied();
    return GoTo(rainforest);
}

// A fight of the chain: the meeting, the fight, and the next step.
Transition StoryFight(Player& hero, const MonsterTemplate& foe, const char* meeting, const char* defeat, Step next) {
    io() << meeting;
    wait();
    if (FightOne(hero, foe) != FightResult::Won) {
        io() << defeat;
        wait();
        return StoryLost(hero);
    }
    return GoTo(Screen(rainforest_storyline1, next));
}

Transition SetOut() {
    io() << "You follow a narrow path deep into the rainforest. The trees close\n"
            "in behind you, and the sounds of the forest grow louder with every\n"
            "step. Once you walk this path, there is no turning back until\n"
            "its end.\n"
            "Do you want to go on? (y/n)\n";
    io().Prompt();
    const std::string answer = io().ReadWord();
    if (IsYes(answer)) return GoTo(Screen(rainforest_storyline1, kMeetWolf));
    if (IsNo(answer)) return GoTo(rainforest);
    return Stay();
}

Transition Crossing(Player& hero) {
    io() << "The path comes to a wooden bridge over a deep river. Three\n"
            "guardians stand before it: a White Rabbit with red eyes, a Sword\n"
            "that floats in the air all by itself, and a Giant Monkey.\n"
            "Rabbit: Only one of us will fight you. Choose well, traveller!\n"
            "\n"
            "Which one will you fight?\n"
            "1. White Rabbit\n"
            "2. Sword\n"
            "3. Monkey\n";
    io().Prompt();
    const char key = io().ReadChar();
    if (key < '1' || key > '3') return Stay();
    const MonsterTemplate& guardian = kGuardians[static_cast<std::size_t>(key - '1')];
    io() << "The " << guardian.name << " steps forward.\n";
    wait();
    if (FightOne(hero, guardian) != FightResult::Won) {
        io() << "The " << guardian.name << " has killed you!\n";
        wait();
        return StoryLost(hero);
    }
    io() << "The other two guardians bow to you and disappear into the trees.\n"
            "Where they stood, something small lies on the ground: a button\n"
            "of wood, carved smooth, with nothing on it at all.\n"
            "You got the Blank Carved Button!\n";
    Inventory button;
    button.CreateItem(kButton, 0);
    hero.AddItem(&button);
    wait();
    io() << "You cross the bridge, and the path leads you into a clearing, where\n"
            "you find an old camp with a tent and a fire pit. The animals beyond\n"
            "the clearing are fierce, and they block the way ahead. You must\n"
            "hold out in this camp for 10 days before you can continue your\n"
            "journey.\n";
    wait();
    return GoTo(Screen(rainforestcamp, 0, 0, 0));
}

Transition FightTheChief(Player& hero) {
    io() << "At the end of the path stands an ancient stone temple, half\n"
            "swallowed by the trees. On its steps waits a tall warrior in the\n"
            "skin of a jaguar, a spear in his hand: the Aztec Jaguar Chief.\n"
            "Chief: No one walks into my forest and lives! Prepare to die!\n";
    wait();
    if (FightOne(hero, kJaguarChief) != FightResult::Won) {
        io() << "The Aztec Jaguar Chief has killed you!\n";
        wait();
        return StoryLost(hero);
    }
    io() << "The Aztec Jaguar Chief falls down the steps of his temple.\n"
            "Inside the temple you find two old scrolls, and from them you\n"
            "learn the spells Black Magic and For Camelot.\n"
            "You have completed the Rainforest Quest!\n";
    wait();
    // A second walk of the path teaches nothing new, and refunds nothing.
    GrantSpell(hero, Black_Magic());
    GrantSpell(hero, For_Camelot());
    hero.RestoreAll();
    hero.SetForest(true);
    return GoTo(rainforest);
}

// --- The camp's night and morning. ---

Transition Sleep(Player& hero, int kills, int rests, int deaths) {
    io() << "You go into your tent, and sleep through the night.\n";
    wait();
    io() << "In the morning, you wake up to the noise of animals attacking\n"
            "your camp!\n";
    random();
    if (Draw(kPoisonRolls) == kPoisonRoll) {
        io() << "You suddenly becomes poisoned.\n";
        hero.SetPoisoned(true);
    }
    wait();
    const int size = Draw(kRaidSizes) + 1;
    if (FightGroup(hero, kCampRaiders, size) == FightResult::Won) {
        ++kills;
        io() << "You successfully killed the animals!\n"
             << "You have already killed " << kills << " animals.\n";
        if (kills >= kDaysInCamp) {
            io() << "Congratulations! " << hero.GetName() << " has survived the 10 days.\n"
                 << "You pack up your tent, and walk on along the path.\n";
            wait();
            return GoTo(Screen(rainforest_storyline1, kMeetChief));
        }
        io() << "Only " << kDaysInCamp - kills << " more before you can continue your journey.\n";
        wait();
        return GoTo(Screen(rainforestcamp, kills, rests, deaths));
    }

    ++deaths;
    io() << "You have been killed!\n"
         << "You already been killed " << deaths << " times!\n";
    if (deaths >= kChances) {
        io() << "You have no more chances left.\n"
             << hero.GetName() << " falls to the ground, dead.\n";
        wait();
        return StoryLost(hero);
    }
    io() << "You better be careful, you only have " << kChances - deaths << " chances left.\n";
    wait();
    // A chance is a new life: the hero gets up whole.
    hero.RestoreAll();
    return GoTo(Screen(rainforestcamp, kills, rests, deaths));
}

Transition Rest(Player& hero, int kills, int rests, int deaths) {
    if (rests >= kRests) {
        io() << "You can't rest anymore.\n"
                "You have already rested 3 times.\n";
        wait();
        return Stay();
    }
    io() << "HP, MP, and energy restored!\n";
    if (hero.IsPoisoned()) io() << "You are no longer poisoned!\n";
    hero.RestoreAll();
    wait();
    return GoTo(Screen(rainforestcamp, kills, rests + 1, deaths));
}

}  // namespace

Transition rainforest_storyline1(Player* player, int step) {
    Player& hero = *player;
    switch (step) {
    case kSetOut:
        return SetOut();
    case kMeetWolf:
        return StoryFight(hero, kWolf,
                          "You have not walked far when a Wolf jumps out of the bushes,\n"
                          "growling and showing its teeth.\n",
                          "The Wolf has killed you!\n", kMeetWarrior);
    case kMeetWarrior:
        return StoryFight(hero, kBlueFlagWarrior,
                          "You walk on. Soon a warrior steps onto the path, carrying a\n"
                          "blue flag on his back.\n"
                          "Blue Flag Warrior: This path belongs to the Blue Flag! Turn back,\n"
                          "or fight me!\n",
                          "The Blue Flag Warrior has killed you!\n", kCrossing);
    case kCrossing:
        return Crossing(hero);
    case kMeetChief:
        return FightTheChief(hero);
    default:
        return GoTo(rainforest);
    }
}

Transition rainforestcamp(Player* player, int kills, int rests, int deaths) {
    Player& hero = *player;
    io() << "\n\n"
            "You sit by the fire in your camp. The animals are quiet for now.\n"
            "What would you like to do?\n"
            "1. Go In Your Tent And Sleep Through The Night\n"
         << "2. Rest (" << std::max(kRests - rests, 0) << " rests left)\n"
         << "3. Stats\n";
    io().Prompt();
    switch (io().ReadChar()) {
    case '1':
        return Sleep(hero, kills, rests, deaths);
    case '2':
        return Rest(hero, kills, rests, deaths);
    case '3':
        return Open(stats);
    default:
        return Stay();
    }
}

}  // namespace vaskarn

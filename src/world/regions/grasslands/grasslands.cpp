#include "world/regions/grasslands/grasslands.h"

#include <array>
#include <iterator>
#include <string>
#include <string_view>

#include "core/pause.h"
#include "core/services.h"
#include "crafting/herblore.h"
#include "crafting/smithing.h"
#include "model/player.h"
#include "world/encounter.h"
#include "world/place_menu.h"
#include "world/regions/grasslands/dungeon.h"
#include "world/regions/grasslands/peter.h"
#include "world/regions/grasslands/tunnel.h"
#include "world/stats.h"
#include "world/town/crossroads.h"

namespace vaskarn {
namespace {

constexpr std::array<MonsterTemplate, 11> kAnimals{{
    {"Deer", 50, 50, 70, 35, 6, 3},
    {"Bear", 70, 70, 100, 50, 15, 6},
    {"Gazelle", 40, 40, 80, 30, 5, 2},
    {"Bird", 25, 25, 10, 4, 2, 0},
    {"Baby Cub", 50, 50, 30, 20, 5, 3},
    {"Wild Boar", 200, 200, 600, 100, 20, 15},
    {"Hawk", 10, 10, 5, 2, 1, 0},
    {"Wolf", 50, 50, 100, 15, 5, 2},
    {"Giant Snake", 150, 150, 300, 70, 15, 11},
    {"Chicken", 5, 5, 5, 2, 1, 0},
    {"Horse", 30, 30, 50, 30, 7, 5},
}};

constexpr std::string_view kGrass = "Grass";
constexpr std::string_view kFish = "Fish";
constexpr int kFishValue = 15;
constexpr std::string_view kBoat = "Wooden Boat";
constexpr int kBoatValue = 50;
constexpr std::string_view kStoneKey = "Stone Key";
constexpr std::string_view kEarthGodPower = "Earth God Power";

constexpr int kFishingEnergy = 10;
constexpr int kClimbingEnergy = 20;

Transition pondmenu(Player* player);


void AddItemNamed(Player& hero, std::string_view name, int value) {
    Inventory item;
    item.CreateItem(name, value);
    hero.AddItem(&item);
}

bool HoldsEarthGodPower(const Player& h) { return Holds(h.GetGodPower(), kEarthGodPower); }
bool TunnelUnfound(const Player& h) { return !HoldsEarthGodPower(h); }
bool QuestOpen(const Player& h) { return !h.GetGrasslands(); }
bool Always(const Player&) { return true; }

// --- The plain. ---

Transition PickGrass(Player& hero) {
    if (Holds(hero.GetInventory(), kGrass)) {
        io() << "I already have a piece of grass. One piece is enough.\n";
    } else {
        io() << "You bend down and take a piece of grass.\n"
                "The grass is now in your special items inventory.\n";
        AddItemNamed(hero, kGrass, 0);
    }
    wait();
    return Stay();
}

Transition fight_animals(Player* player);

Transition OfferHunt(Player&) {
    io() << "You see a lot of animals drinking water and eating grass.\n"
            "Want to kill some?(y/n)\n";
    io().Prompt();
    return IsYes(io().ReadWord()) ? GoTo(fight_animals) : Stay();
}

constexpr PlaceEntry kPlain[] = {
    {.number = 1, .label = "1.Pick Up Some Grass\n", .act = PickGrass},
    {.number = 2, .label = "2.Pond\n", .then = GoTo(pond)},
    {.number = 3, .label = "3.Kill The Animals\n", .act = OfferHunt},
    {.number = 4, .label = "4.View Stats\n", .then = Open(stats)},
    {.number = 5, .label = "5.Smith Weapon\n", .then = Open(smithweapon)},
    {.number = 6, .label = "6.Smith Armor\n", .then = Open(smitharmor)},
    {.number = 7, .label = "7.Craft Potions\n", .then = Open(makepotion)},
    {.number = 8, .label = "8.Back to Village\n", .then = ReturnTo(crossroads)},
};

// A lost hunt is never fatal: half the gold, and the hero is made whole.
Transition fight_animals(Player* player) {
    Player& hero = *player;
    random();
    const int size = GroupSizeByLevel(hero.GetLevel());
    // Any defeat, a flight too, costs what a death does, silently.
    if (FightGroup(hero, kAnimals, size) != FightResult::Won) hero.HasDied();
    return GoTo(grasslands);
}

// --- The pond and the places around it. ---

Transition FollowFootsteps(Player& hero) {
    if (HoldsEarthGodPower(hero)) {
        io() << "\n";
        return GoTo(pond);
    }
    io() << "You examine the footsteps. They lead to a tunnel.\n"
            "Go inside it?(y/n)\n";
    io().Prompt();
    if (!IsYes(io().ReadWord())) return Stay();
    io() << "You walk into the tunnel.\n";
    wait();
    return GoTo(Screen(tunnel, 9, 0));
}

Transition stream(Player* player);
Transition catch_fish(Player* player);
Transition mountain(Player* player);

constexpr PlaceEntry kPond[] = {
    {.number = 1, .label = "1. Stream\n", .text = "You walk to the stream.\n", .pause = true, .then = GoTo(stream)},
    {.number = 2,
     .label = "2. Wooden House\n",
     .text = "You walk into the wooden house.\n",
     .pause = true,
     .then = GoTo(wooden_house)},
    {.number = 3, .label = "3. Footsteps\n", .listed = TunnelUnfound, .entered = Always, .act = FollowFootsteps},
    {.number = 4, .label = "4. Catch Fish\n", .then = GoTo(catch_fish)},
    {.number = 5,
     .label = "5. Mountain\n",
     .text = "You walk to the bottom of the mountain.\n",
     .pause = true,
     .then = GoTo(mountain)},
    {.number = 6, .label = "6. Back to Grasslands\n", .then = GoTo(grasslands)},
};

// The pond's menu, where the places around it come back to.
Transition pondmenu(Player* player) {
    return ChooseByKey(kPond, *player, "");
}

Transition stream(Player* player) {
    io() << "You look at the stream. You could sail across it if you had\n"
            "a boat.\n";
    wait();
    if (!Holds(player->GetInventory(), kBoat)) {
        io() << "Hmmm...I wonder where I can get a boat.\n";
        wait();
        io() << "\n";
        return GoTo(pondmenu);
    }
    io() << "\n\n\n"
            "Want to use your wooden boat? (y/n)\n";
    io().Prompt();
    if (io().ReadChar() != 'y') return GoTo(pondmenu);
    io() << "You place your wooden boat in the water and happily\n"
            "sail over the stream.\n";
    wait();
    return GoTo(over_the_stream);
}

// What to do with a fish just caught; any other key asks again.
Transition caughtfish(Player* player) {
    Player& hero = *player;
    io() << "You caught a fish. You can either eat it to restore 40 HP\n"
            "20 MP, and 10 energy. Or you can keep it in your inventory.\n"
            "\n"
            "What would you like?\n"
            "1. Eat Fish\n"
            "2. Keep Fish In Inventory\n";
    io().Prompt();
    switch (io().ReadChar()) {
    case '1':
        io() << "You eat the fish.\n";
        hero.AddHP(40);
        hero.AddMP(20);
        hero.AddEnergy(10);
        wait();
        return GoTo(pondmenu);
    case '2':
        AddItemNamed(hero, kFish, kFishValue);
        io() << "You keep the fish in your inventory for later\n"
                "viewing. It might be worth using later.\n";
        wait();
        return GoTo(pondmenu);
    default:
        return Stay();
    }
}

Transition catch_fish(Player* player) {
    Player& hero = *player;
    io() << "There are fish swimming in the water.\n"
            "Want to catch some?(y/n)\n";
    io().Prompt();
    const std::string answer = io().ReadWord();
    if (IsNo(answer)) return GoTo(pondmenu);
    if (!IsYes(answer)) return Stay();

    io() << "It takes you 10 energy per try for fishing.\n";
    if (hero.GetEnergy() < kFishingEnergy) {
        io() << "I'm sorry, but you need at least 10 energy to fish.\n";
        wait();
        return GoTo(pondmenu);
    }
    random();
    io() << "You take a stick from the ground, and get\n"
            "ready to catch fish.\n";
    hero.UseEnergy(kFishingEnergy);
    const int r = Draw(10);
    if (r == 3 || r == 4 || r == 7 || r == 9) {
        io() << "Oh! That was so close!\n"
                "You were about to catch a fish, when all of a sudden\n"
                "it just swam away and you couldn't catch it.\n"
                "Better luck next time.\n";
        wait();
        return GoTo(pondmenu);
    }
    return GoTo(caughtfish);
}

// --- The mountain: one climb that costs energy, then four free ones. ---

Transition mountainlevel(Player*, int level);
Transition mountaintop(Player* player);

// A ledge of the mountain, from the second level to the sixth.
struct Ledge {
    const char* arrival;
    const char* climbLabel;
    const char* climb;
};

constexpr int kLowestLedge = 2;
constexpr int kHighestLedge = 6;

constexpr Ledge kLedges[] = {
    {"You are now on the second level of the mountain.\n", "1. Climb\n",
     "You climb to the third level of the mountain.\n"},
    {"You are now on the third level of the mountain.\n", "1. Climb\n",
     "You climb to the fourth level of the mountain.\n"},
    {"You are now on the fourth level of the mountain.\n", "1. Climb\n",
     "You climb to the fifth level of the mountain.\n"},
    {"You are now on the fifth level of the mountain.\n", "1. Climb\n",
     "You climb to the sixth level of the mountain.\n"},
    {"Well, this is it. You're finally on the sixth level of the mountain.\n"
     "You can now climb to the top and jump off.\n",
     "1. Climb To The Top\n", "You finally climb to the top of the mountain.\n"},
};
static_assert(std::size(kLedges) == kHighestLedge - kLowestLedge + 1);

Transition mountain(Player* player) {
    Player& hero = *player;
    io() << "There are several cliffs that you are able to climb, that is,\n"
            "if you have at least 20 energy. Want to climb?(y/n)\n";
    io().Prompt();
    if (io().ReadChar() != 'y') return GoTo(pondmenu);
    if (hero.GetEnergy() < kClimbingEnergy) {
        io() << "You don't have enough energy.\n";
        return GoTo(pondmenu);
    }
    hero.UseEnergy(kClimbingEnergy);
    io() << "You climb to the second level of the mountain.\n";
    wait();
    return GoTo(Screen(mountainlevel, kLowestLedge));
}

// There is no way down but the jump from the top.
Transition mountainlevel(Player*, int level) {
    if (level < kLowestLedge || level > kHighestLedge) return GoTo(mountaintop);
    const Ledge& ledge = kLedges[level - kLowestLedge];
    io() << ledge.arrival;
    wait();
    io() << ledge.climbLabel << "2. Stats\n";
    io().Prompt();
    switch (io().ReadChar()) {
    case '1':
        io() << ledge.climb;
        wait();
        return level == kHighestLedge ? GoTo(mountaintop) : GoTo(Screen(mountainlevel, level + 1));
    case '2':
        return Open(stats);
    default:
        return Stay();
    }
}

Transition mountaintop(Player* player) {
    Player& hero = *player;
    const bool boatThere = !Holds(hero.GetInventory(), kBoat);
    io() << "You stand at the top of the mountain.\n"
            "\n";
    if (boatThere)
        io() << "There is a wooden boat on the ground that you can take.\n";
    else
        io() << "There is nothing here anymore except for the scrunched\n"
                "up dirt from when you got your wooden boat here.\n";
    wait();
    io() << "\n\n"
            "1. Jump Off\n"
            "2. Stats\n";
    if (boatThere) io() << "3. Take the Wooden Boat\n";
    io().Prompt();
    switch (io().ReadChar()) {
    case '1':
        io() << "You take a deep breath, run to the edge and jump off.\n"
                "The wind roars past you as you fall, faster and faster,\n"
                "until you land with a great splash in the middle of the pond.\n"
                "You swim to the shore, soaking wet but unhurt.\n";
        wait();
        return GoTo(pond);
    case '2':
        return Open(stats);
    case '3':
        if (boatThere) {
            io() << "You take the wooden boat.\n";
            AddItemNamed(hero, kBoat, kBoatValue);
            wait();
        } else {
            io() << "\nInvalid command\n\n";
        }
        return Stay();
    default:
        return Stay();
    }
}

// --- Beyond the stream. ---

Transition TryTheDungeon(Player& hero) {
    if (hero.GetGrasslands()) {
        io() << "\n";
        return Stay();
    }
    io() << "Hmmm...there seems to be a key lock here. If you had a key\n"
            "then you could go into here.\n";
    wait();
    if (!Holds(hero.GetInventory(), kStoneKey)) {
        io() << "Hmmm...I wonder where I can get a stone key...\n";
        wait();
        return Stay();
    }
    io() << "\n\n"
            "Want to use your stone key?(y/n)\n";
    io().Prompt();
    if (!IsYes(io().ReadWord())) return Stay();
    io() << "You walk into the dungeon.\n";
    wait();
    return GoTo(gldungeon);
}

constexpr PlaceEntry kBeyondTheStream[] = {
    {.number = 1, .label = "1. Dungeon\n", .listed = QuestOpen, .entered = Always, .act = TryTheDungeon},
    {.number = 2, .label = "2. Stats\n", .then = Open(stats)},
    {.number = 3, .label = "3. Leave\n", .then = GoTo(pond)},
};

}  // namespace

Transition grasslands(Player* player) {
    Player& hero = *player;
    io() << "You stand on an open plain, where the grass grows tall and sways\n"
            "in the wind, and animals graze all around you. To the north,\n"
            "towards the forest, a small pond glitters in the sun.\n";
    wait();
    io() << "What would you like to do?\n";
    return ChooseByKey(kPlain, hero, "");
}

Transition pond(Player*) {
    io() << "You stand by a small pond in the middle of the grasslands.\n"
            "To the north a stream runs past, too deep to wade across.\n"
            "To the west there are footsteps in the mud, leading away.\n"
            "To the east stands a wooden house with smoke rising from it.\n"
            "To the northeast is a quiet spot where people come to fish,\n"
            "and to the northwest a great mountain rises over the grass.\n";
    wait();
    return GoTo(pondmenu);
}

Transition over_the_stream(Player* player) {
    Player& hero = *player;
    io() << "You stand in the land beyond the stream. There seems\n"
            "to be a dungeon to your north.\n";
    wait();
    return ChooseByKey(kBeyondTheStream, hero, "");
}

}  // namespace vaskarn

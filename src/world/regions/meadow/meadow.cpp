#include "world/regions/meadow/meadow.h"

#include <iterator>
#include <string>
#include <string_view>

#include "core/pause.h"
#include "core/services.h"
#include "crafting/herblore.h"
#include "crafting/smithing.h"
#include "model/player.h"
#include "model/slots.h"
#include "world/encounter.h"
#include "world/place_menu.h"
#include "world/regions/meadow/huts.h"
#include "world/stats.h"
#include "world/town/crossroads.h"

namespace vaskarn {
namespace {

constexpr std::string_view kGrail = "Holy Grail";
constexpr std::string_view kCake = "Chef's Cake";
constexpr int kChefsGold = 50000;

constexpr MonsterTemplate kGodOfThunder{"Ancient God Of Thunder", 700, 700, 100000, 10000, 175, 85};

// The doors that open the hidden house, knocked on in this order.
constexpr int kSecretKnocks[] = {3, 1, 6};
constexpr int kKnocksNeeded = static_cast<int>(std::size(kSecretKnocks));


void GiveItem(Player& hero, std::string_view name, int value) {
    Inventory item;
    item.CreateItem(name, value);
    hero.AddItem(&item);
}

bool TrailOpen(const Player& h) { return !Holds(h.GetInventory(), kGrail) && !h.GetMeadow(); }
bool HousesOpen(const Player& h) { return !Holds(h.GetInventory(), kCake); }

// --- The river and the west corner: a guardian each, and any defeat there,
// a flight included, is a death. ---

struct Lair {
    const char* arrival;
    MonsterTemplate guardian;
    const char* defeat;
    const char* escape;
};

constexpr Lair kRiver{
    "You walk down to the river. The water is brown and slow, and\n"
    "something big moves under its surface.\n"
    "Suddenly, an Alligator crawls out of the water towards you!\n",
    {"Alligator", 400, 400, 1000, 220, 55, 40},
    "The Alligator has killed you!\n",
    "You run back to the meadow before it can reach you.\n",
};

constexpr Lair kWestCorner{
    "You walk to the west corner of the meadow, where the trees grow\n"
    "close together. One of the trees opens its eyes, and pulls its\n"
    "roots out of the ground. It is a Tree Spirit, and it is angry!\n",
    {"Tree Spirit", 220, 220, 5000, 600, 75, 70},
    "The Tree Spirit has killed you!\n",
    "You run back to the meadow, and the Tree Spirit goes back to sleep.\n",
};

Transition FaceTheGuardian(Player& hero, const Lair& lair) {
    io() << lair.arrival << "1. Fight!\n"
         << "2. Run!\n";
    io().Prompt();
    switch (io().ReadChar()) {
    case '1':
        if (FightOne(hero, lair.guardian) != FightResult::Won) {
            io() << lair.defeat;
            wait();
            hero.HasDied();
        }
        return GoTo(meadow);
    case '2':
        io() << lair.escape;
        wait();
        return GoTo(meadow);
    default:
        return Stay();
    }
}

Transition river(Player* player) { return FaceTheGuardian(*player, kRiver); }
Transition westcorner(Player* player) { return FaceTheGuardian(*player, kWestCorner); }

// --- The trail to the north and its god. ---

Transition fightboss(Player* player);

Transition meadowtrail(Player*) {
    io() << "You follow the trail to the north. The grass grows higher, and dark\n"
            "clouds gather in the sky above you. Far ahead, lightning strikes\n"
            "the top of a lonely hill, again and again.\n"
            "1. Keep Walking\n"
            "2. Go Back To The Meadow\n";
    io().Prompt();
    switch (io().ReadChar()) {
    case '1':
        return GoTo(fightboss);
    case '2':
        return GoTo(meadow);
    default:
        return Stay();
    }
}

// Only a defeat below 1 HP is a death; a flight leads back to the meadow.
Transition fightboss(Player* player) {
    Player& hero = *player;
    io() << "You climb the hill. At its top, in a ring of burnt grass, stands a\n"
            "giant made of storm and light: the Ancient God Of Thunder. In his\n"
            "hand he holds a golden cup that shines brighter than his lightning.\n"
            "God Of Thunder: Who dares to climb my hill? You shall burn!\n";
    wait();
    switch (FightOne(hero, kGodOfThunder)) {
    case FightResult::Won:
        io() << "The Ancient God Of Thunder falls, and the storm falls silent with him.\n"
                "The golden cup rolls to your feet. It is the Holy Grail!\n"
                "You got the Holy Grail!\n";
        GiveItem(hero, kGrail, 0);
        wait();
        break;
    case FightResult::Slain:
        io() << "The Ancient God Of Thunder has killed you!\n";
        wait();
        hero.HasDied();
        break;
    case FightResult::Fled:
        io() << "You run down the hill, all the way back to the meadow.\n";
        wait();
        break;
    }
    return GoTo(meadow);
}

// --- The rocks of the east corner, which only the grail opens. ---

Transition eastcorner(Player* player) {
    Player& hero = *player;
    io() << "You walk to the east corner of the meadow, where a huge pile of\n"
            "rocks blocks the way. Between two of the rocks there is a narrow\n"
            "gap, but it looks far too small to climb through.\n"
            "Try anyway? (y/n) \n";
    io().Prompt();
    const std::string answer = io().ReadWord();
    if (IsNo(answer)) {
        io() << "You decide not to try.\n";
        wait();
        return GoTo(meadow);
    }
    if (!IsYes(answer)) return Stay();
    if (!Holds(hero.GetInventory(), kGrail)) {
        io() << "You try to squeeze into the gap, when suddenly a spiritual voice\n"
                "speaks from the rocks:\n"
                "Voice: You shall not climb\n"
                "through here, for you do not have the holy grail.\n"
                "You must find the holy grail first, and only then shall\n"
                "you pass.\n";
        wait();
        return GoTo(meadow);
    }
    io() << "You squeeze into the gap. As you do, the Holy Grail begins to glow,\n"
            "and the rocks move aside to let you climb through.\n";
    wait();
    io() << "On the other side, an old man sits by a small fire.\n"
            "Old Man: So you have come at last. I have bad news for you. The\n"
            "Rune King has already reached the village. His Wraiths were seen\n"
            "in its streets last night. You must grow stronger, and quickly.\n";
    wait();
    hero.SetMeadow(true);
    io() << "Well done, " << hero.GetName() << ", you have completed the meadow quest!\n\n";
    wait();
    return GoTo(meadow);
}

// --- The houses by the road, and the one that hides behind them. ---

constexpr const char* kDoors[] = {
    "A woman opens the door with a baby in her arms.\n"
    "Woman: Shh! He has only just fallen asleep. Please go away.\n",
    "An old man opens the door, and looks at you for a long time.\n"
    "Old Man: You are looking for the chef, aren't you? She lives in a\n"
    "house that nobody can find. Knock on the third house, then on the\n"
    "first, then on the sixth, and she will know that a friend is calling.\n"
    "If you knock on a wrong door, hit the button and start over.\n",
    "You knock on the door, but nobody opens it.\n",
    "A big man opens the door, with flour all over his apron.\n"
    "Man: The bread's not ready yet! Come back tomorrow!\n"
    "He slams the door shut.\n",
    "A little girl opens the door.\n"
    "Girl: My mom says I'm not allowed to talk to strangers.\n"
    "She closes the door again.\n",
    "You knock on the door, but nobody opens it. Through the window you\n"
    "can see a cat asleep on a chair.\n",
};
constexpr int kHouses = static_cast<int>(std::size(kDoors));

Transition hiddenhouse(Player* player) {
    Player& hero = *player;
    io() << "You walk into the hidden house. It is warm inside, and it smells of\n"
            "fresh bread and sweet cakes.\n"
            "Chef: Welcome, friend! Not many find their way to my kitchen. Sit\n"
            "down, eat, and rest a while.\n";
    wait();
    io() << "The chef gives you a great meal, and you feel fully restored.\n"
            "Then she hands you a heavy bag with 50000 gold, and a cake for\n"
            "the road.\n"
            "You got the Chef's Cake!\n";
    hero.AddGold(kChefsGold);
    hero.RestoreAll();
    GiveItem(hero, kCake, 0);
    wait();
    return GoTo(meadow);
}

Transition Knock(int house, int knocks) {
    io() << kDoors[house - 1];
    if (knocks >= 0 && house == kSecretKnocks[knocks]) {
        ++knocks;
        io() << "Somewhere behind the houses, a little bell rings.\n";
        wait();
        if (knocks == kKnocksNeeded) {
            io() << "The ground shakes, and between the fifth and the sixth house a\n"
                    "hidden path appears. It leads to a house you have never seen.\n";
            wait();
            return GoTo(hiddenhouse);
        }
        return GoTo(Screen(meadowhouses, knocks));
    }
    if (knocks >= 0) io() << "Somewhere behind the houses, something goes clunk.\n";
    wait();
    return GoTo(Screen(meadowhouses, -1));
}

constexpr PlaceEntry kMenu[] = {
    {.number = 1, .label = "1.Visit the Huts\n", .then = GoTo(huts)},
    {.number = 2, .label = "2.Go To The River\n", .then = GoTo(river)},
    {.number = 3, .label = "3.Go To The West Corner With The Trees\n", .then = GoTo(westcorner)},
    {.number = 4, .label = "4.Go To The East Corner With the Rocks\n", .then = GoTo(eastcorner)},
    {.number = 5, .label = "5.Keep Following The Trail To The North\n", .listed = TrailOpen, .then = GoTo(meadowtrail)},
    {.number = 6,
     .label = "6.Knock On The Doors Of The Houses\n",
     .listed = HousesOpen,
     .then = GoTo(Screen(meadowhouses, 0))},
    {.number = 7, .label = "7.View Stats\n", .then = Open(stats)},
    {.number = 8, .label = "8.Smith Weapon\n", .then = Open(smithweapon)},
    {.number = 9, .label = "9.Smith Armor\n", .then = Open(smitharmor)},
    {.number = 10, .label = "10.Craft Potions\n", .then = Open(makepotion)},
    {.number = 11, .label = "11.Back To Village\n", .then = ReturnTo(crossroads)},
};

}  // namespace

Transition meadow(Player* player) {
    Player& hero = *player;
    io() << "You stand in a wide, quiet meadow. A few huts stand near the trail,\n"
            "and a river runs slowly along the south side. In the west corner\n"
            "grows a group of old trees, and in the east corner lies a pile of\n"
            "great rocks. A row of houses stands by the road, and the trail\n"
            "itself goes on to the north, towards dark clouds.\n";
    wait();
    io() << "What would you like to do?\n";
    return ChooseByNumber(kMenu, hero, -1, "");
}

Transition meadowhouses(Player*, int knocks) {
    io() << "You walk along a row of six small houses. Next to the first one\n"
            "stands a wooden post with a big red button on it.\n"
            "1.Knock On First House\n"
            "2.Knock On Second House\n"
            "3.Knock On Third House\n"
            "4.Knock On Fourth House\n"
            "5.Knock On Fifth House\n"
            "6.Knock On Sixth House\n"
            "7.Hit The Reset Button\n"
            "8.Back To The Meadow\n";
    io().Prompt();
    const int key = KeyNumber(io().ReadChar());
    if (key >= 1 && key <= kHouses) return Knock(key, knocks < kKnocksNeeded ? knocks : -1);
    if (key == 7) {
        io() << "You hit the red button. Somewhere behind the houses, something\n"
                "clicks softly.\n";
        wait();
        return GoTo(Screen(meadowhouses, 0));
    }
    if (key == 8) return GoTo(meadow);
    return Stay();
}

}  // namespace vaskarn

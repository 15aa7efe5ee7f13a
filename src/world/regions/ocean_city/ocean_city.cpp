#include "world/regions/ocean_city/ocean_city.h"
#include "world/regions/ocean_city/inn_games.h"

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
#include "world/purchase.h"
#include "world/stats.h"
#include "world/town/crossroads.h"

namespace vaskarn {
namespace {

constexpr MonsterTemplate kToa{"Toa", 1000, 1000, 50000, 10000, 400, 100};

constexpr MonsterTemplate kSeaCreatures[] = {
    {"Manta Ray", 75, 75, 500, 100, 20, 12},
    {"Shark", 220, 220, 1200, 250, 55, 40},
    {"Killer Whale", 200, 200, 1000, 200, 45, 40},
    {"Octopus", 120, 120, 500, 90, 35, 10},
    {"King Crab", 300, 300, 700, 150, 60, 65},
};
constexpr int kMostInTheCave = 3;

constexpr std::string_view kTrophy = "Shiny Gold Trophy";
constexpr int kDrinkPrice = 10;
constexpr int kDrinkBoost = 10;

constexpr std::string_view kToyFish = "Toy Fish";
constexpr int kToyFishPrice = 500;

constexpr int kFishInTheTank = 60;
constexpr int kRefills = 3;
constexpr int kEnergyPerCatch = 10;
constexpr int kMostFishPerCatch = 5;
constexpr int kLabReward = 5000;
constexpr std::string_view kFishBlessing = "The Blessing Of The Fish";
constexpr int kFishBlessingValue = 5000;

bool NoTrophy(const Player& h) { return !Holds(h.GetInventory(), kTrophy); }

Transition oceancitymenu(Player* player);
Transition toyshop(Player* player);
Transition fishlab(Player* player);
Transition oceancityhotel(Player* player);
Transition cave(Player* player);

constexpr PlaceEntry kCity[] = {
    {.number = 1,
     .label = "1.Walk Into The Inn \n",
     .text = "You walk into the inn. Sailors and fishermen sit at the long\n"
             "tables, laughing and drinking, and the smell of fried fish fills\n"
             "the air. A bartender stands behind the bar, cleaning a glass.\n",
     .pause = true,
     .then = GoTo(oceancityinn)},
    {.number = 2, .label = "2.Enter The Toy Shop \n", .then = Open(toyshop)},
    {.number = 3, .label = "3.Visit The Fish Lab \n", .then = Open(fishlab)},
    {.number = 4, .label = "4.Enter The Ocean City Hotel \n", .then = Open(oceancityhotel)},
    {.number = 5,
     .label = "5.Go To The Cave \n",
     .text = "You walk to the edge of the city, where the glass dome meets the\n"
             "rocks, and climb down into a dark cave. Cold water drips from the\n"
             "ceiling, and something large moves in the pools ahead of you.\n\n",
     .then = Open(cave)},
    {.number = 6, .label = "6.View Stats \n", .then = Open(stats)},
    {.number = 7, .label = "7.Smith Weapon \n", .then = Open(smithweapon)},
    {.number = 8, .label = "8.Smith Armor \n", .then = Open(smitharmor)},
    {.number = 9, .label = "9.Craft Potions \n", .then = Open(makepotion)},
    {.number = 10, .label = "10.Back To The Village \n", .then = ReturnTo(crossroads)},
};

// --- The inn. ---

Transition Drink(Player& hero) {
    io() << "You walk past the tables and to the bartender. \n\n"
            "Bartender:\n"
            "Hello, would you like a drink, only 10 coins? (y/n) \n";
    io().Prompt();
    const std::string answer = io().ReadWord();
    io() << "\n\n";
    if (!IsYes(answer)) return Stay();
    if (!CanPay(hero, kDrinkPrice)) {
        io() << "Bartender:\n"
                "Oh, doesn't seem like you got enough money.\n\n";
        wait();
        return Stay();
    }
    Pay(hero, kDrinkPrice);
    io() << "Bartender:\n"
            "Cheers mate! \n\n"
            "The bartender hands you a beer, and you drink it down.\n"
            "You feel slightly regenerated.\n";
    hero.AddHP(kDrinkBoost);
    hero.AddMP(kDrinkBoost);
    hero.AddEnergy(kDrinkBoost);
    wait();
    return Stay();
}

// The pastimes hand control back to this menu when they are over.
constexpr PlaceEntry kInn[] = {
    {.number = 1, .label = "1. Ask The Bartender For A Drink \n", .act = Drink},
    {.number = 2, .label = "2. Play Darts \n", .then = Open(playdarts)},
    {.number = 3, .label = "3. Fill Up Some Water In A Balloon \n", .then = Open(fillupwaterintoballoon)},
    {.number = 4, .label = "4. Gamble With The People To Your Left \n", .then = Open(gamble)},
    {.number = 5, .label = "5. Shoot The Horse (Game) \n", .then = Open(shootthehorsegame)},
    {.number = 6, .label = "6. Join The Contest Of Combat\n", .listed = NoTrophy, .then = Open(joincontest)},
    {.number = 7,
     .label = "7. Leave \n",
     .text = "You walk out of the inn. \n",
     .pause = true,
     .then = ReturnTo(ocean_city)},
};

// --- The toy shop. ---

Transition BuyToyFish(Player& hero) {
    switch (SellItem(hero, kToyFish, kToyFishPrice, kToyFishPrice)) {
    case ItemSale::ShortOfGold:
        io() << "Shopkeeper:\n"
                "Oh, I'm sorry, but you don't have enough gold for that.\n";
        wait();
        return Stay();
    case ItemSale::NoRoom:
        return Stay();
    case ItemSale::Sold:
        break;
    }
    io() << "Shopkeeper:\n"
            "Here you go, one Toy Fish! Take good care of it.\n\n"
            "You bought a Toy Fish!\n";
    wait();
    return Stay();
}

constexpr PlaceEntry kToyShop[] = {
    {.number = 1, .label = "1. Buy A Toy Fish - Price: 500\n", .act = BuyToyFish},
    {.number = 2, .label = "2. Leave\n", .text = "You walk out of the toy shop.\n", .pause = true, .then = Back()},
};

Transition toyshopmenu(Player* player) {
    return ChooseByKey(kToyShop, *player);
}

Transition toyshop(Player*) {
    io() << "You walk into a small toy shop. Wooden boats, painted shells and\n"
            "little fish made of cloth fill every shelf, and a music box plays\n"
            "softly in the corner.\n\n"
            "Shopkeeper:\n"
            "Welcome, welcome! Our Toy Fish are the best in all of Narshia.\n"
            "Have a look around.\n";
    wait();
    return GoTo(toyshopmenu);
}

// --- The fish lab: a task that starts afresh on every visit. ---

Transition FishLabWon(Player& hero) {
    io() << "Congratulations! You have caught all of the fish!\n"
            "A machine nearby drops out 5000 gold, which you take.\n"
            "Oh, and you just got The Blessing Of The Fish! Yay!\n";
    hero.AddGold(kLabReward);
    Blessings blessing;
    blessing.CreateBlessing(kFishBlessing, kFishBlessingValue);
    hero.AddBlessing(&blessing);
    wait();
    return Back();
}

// One round at the tank, with the fish and the refills still left.
Transition fishtank(Player* player, int fish, int refills) {
    Player& hero = *player;
    io() << "There are " << fish << " fish in the tank.\n"
         << "To catch a fish each time, you have to use up 10 energy.\n"
         << "Your energy right now: " << hero.GetEnergy() << "/" << hero.GetMaxEnergy() << "\n\n"
         << "1. Catch A Fish\n"
         << "2. Refill Energy Gauge (" << refills << " left)\n"
         << "3. Stop Catching, And Leave The Lab\n";
    io().Prompt();
    const char key = io().ReadChar();
    io() << "\n\n";
    switch (key) {
    case '1': {
        if (hero.GetEnergy() <= 0) {
            io() << "You have no more energy left. Either refill it, or leave.\n\n";
            wait();
            return Stay();
        }
        const int caught = Draw(kMostFishPerCatch + 1);
        io() << "You caught " << caught << " fish!\n";
        wait();
        const int left = fish - caught;
        // The catch that empties the tank ends the task before it costs energy.
        if (left <= 0) return FishLabWon(hero);
        hero.UseEnergy(kEnergyPerCatch);
        return GoTo(Screen(fishtank, left, refills));
    }
    case '2':
        if (refills > 0) {
            hero.RestoreFullEnergy();
            io() << "Full Energy Restored!\n\n";
            wait();
            return GoTo(Screen(fishtank, fish, refills - 1));
        }
        io() << "You have no more refill energy gauges anymore.\n\n";
        wait();
        return Stay();
    case '3':
        return ReturnTo(ocean_city);
    default:
        return Stay();
    }
}

Transition fishlab(Player*) {
    random();
    io() << "You walk into the fish lab. In the middle of the room stands a\n"
            "huge glass tank full of fish, and on the wall next to it hangs\n"
            "a sign:\n\n"
            "    The water in this tank has been polluted, and the fish will\n"
            "    not live much longer in it. Please catch every one of them\n"
            "    and put it in the clean tank, before it is too late!\n"
            "    Whoever saves all of the fish will be rewarded.\n";
    wait();
    return GoTo(Screen(fishtank, kFishInTheTank, kRefills));
}

// --- The hotel, where Toa waits. ---

// Any defeat, a flight included, is a death.
Transition FightToa(Player& hero) {
    io() << "Toa raises his trident, and the water in the fountains behind\n"
            "him rises up like a wall. It's time to FIGHT!!!\n";
    wait();
    if (FightOne(hero, kToa) != FightResult::Won) {
        io() << "Toa has killed you...\n";
        wait();
        hero.HasDied();
        return Back();
    }
    io() << "Toa falls to his knees, beaten, and his trident slips out of\n"
            "his hand. The people of the Ocean City cheer for you!\n"
            "You have now completed the Ocean City quest!\n";
    hero.SetOceanCity(true);
    wait();
    return Back();
}

constexpr PlaceEntry kHotel[] = {
    {.number = 1, .label = "1. Fight!\n", .act = FightToa},
    {.number = 2,
     .label = "2. Run!\n",
     .text = "You turn around and run out of the hotel as fast as you can.\n",
     .pause = true,
     .then = Back()},
};

Transition toachoice(Player* player) {
    return ChooseByKey(kHotel, *player);
}

Transition oceancityhotel(Player*) {
    io() << "You walk into the Ocean City Hotel. The great hall is empty, and\n"
            "the lights flicker on and off. At the top of the stairs stands a\n"
            "tall man in a dark blue cloak, with a golden trident in his hand.\n\n"
            "Toa:\n"
            "So, you are the one who has been walking around my city.\n"
            "The sea belongs to me, and so does every city beneath it.\n"
            "Leave now, or you will never see the sky again!\n";
    wait();
    return GoTo(toachoice);
}

// --- The cave. ---

// Only a hero brought below 1 HP dies here; a flight leaves the cave.
Transition cave(Player* player) {
    Player& hero = *player;
    io() << "1.Fight! \n"
            "2.Run! \n";
    io().Prompt();
    const std::string answer = io().ReadWord();
    io() << "\n\n";
    if (answer == "2") return Back();
    if (answer != "1") return Stay();
    random();
    const int size = Draw(kMostInTheCave) + 1;
    if (FightGroup(hero, kSeaCreatures, size) == FightResult::Slain) {
        io() << "The creatures of the cave have killed you...\n";
        wait();
        hero.HasDied();
    }
    return Back();
}

// The city's menu, where its shops, the lab, the hotel and the cave hand
// control back.
Transition oceancitymenu(Player* player) {
    io() << "What would you like to do?\n";
    return ChooseByNumber(kCity, *player, -1);
}

}  // namespace

Transition ocean_city(Player*) {
    io() << "You stand in the middle of the Ocean City Of Narshia. High above\n"
            "you, beyond a great dome of glass, fish swim through the blue\n"
            "water. Around the square stand an inn, a toy shop, a fish lab and\n"
            "a tall hotel, and at the edge of the city a dark cave opens in\n"
            "the rocks.\n";
    wait();
    return GoTo(oceancitymenu);
}

Transition oceancityinn(Player* player) {
    io() << "\n";
    return ChooseByNumber(kInn, *player, 0);
}

}  // namespace vaskarn

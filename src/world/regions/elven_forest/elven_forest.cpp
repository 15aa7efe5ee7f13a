#include "world/regions/elven_forest/elven_forest.h"

#include <string_view>

#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "model/slots.h"
#include "world/encounter.h"
#include "world/place_menu.h"
#include "world/purchase.h"
#include "world/regions/elven_forest/elven_shops.h"
#include "world/stats.h"
#include "world/town/crossroads.h"

namespace vaskarn {
namespace {

constexpr MonsterTemplate kAncientElvenGod{"Ancient Elven God", 2500, 2500, 100000, 20000, 700, 200};

constexpr std::string_view kBalsaWood = "Balsa Wood";
constexpr int kBalsaWoodValue = 20000;
constexpr int kBalsaWoodPrice = 10000;

bool HoldsTheThingsForTheWood(const Player& h) {
    return Holds(h.GetInventory(), "Grass") && Holds(h.GetInventory(), "Blank Carved Button") &&
           Holds(h.GetPotion(), "Frog Mana Potion");
}
bool LacksTheThingsForTheWood(const Player& h) { return !HoldsTheThingsForTheWood(h); }

Transition talktoworkers(Player* player);
Transition middleofforest(Player* player);
Transition legarthshouse(Player* player);
Transition fightelvenforestboss(Player* player);
Transition workersmenu(Player* player);
Transition itemofpeace(Player* player);

// The guard lets only the bearer of the Balsa Wood pass.
Transition TakeThePath(Player&) {
    if (!world().hasitem) {
        io() << "You are about to take the path, when suddenly a guard stops you.\n\n\n"
                "Guard:\n"
                "Halt! No one may walk this path without the item of peace.\n"
                "Turn back, stranger.\n";
        wait();
        return Stay();
    }
    io() << "You show the guard your Balsa Wood. He nods, and steps aside.\n"
            "You walk along the path, deeper and deeper into the forest.\n";
    wait();
    return Open(middleofforest);
}

constexpr PlaceEntry kForest[] = {
    {.number = 1, .label = "1.Enter The Bow Shop \n", .then = Open(elvenbowshop)},
    {.number = 2, .label = "2.Enter The Arena \n", .then = Open(elvenarena)},
    {.number = 3, .label = "3.Take The Path To The Middle Of The Forest \n", .act = TakeThePath},
    {.number = 4, .label = "4.Talk To The Workers \n", .then = Open(talktoworkers)},
    {.number = 5, .label = "5.View Stats \n", .then = Open(stats)},
    {.number = 6, .label = "6.Leave The Elven Forest \n", .then = ReturnTo(crossroads)},
};

// --- The workers. ---

// The trade leaves the grass, the button and the potion with the hero.
Transition TradeForBalsaWood(Player& hero) {
    switch (SellItem(hero, kBalsaWood, kBalsaWoodValue, kBalsaWoodPrice)) {
    case ItemSale::ShortOfGold:
        io() << "Woodchopper:\n"
                "You have the grass, the button and the potion, but where are\n"
                "the 10,000 coins? Come back when you have them.\n";
        wait();
        return Stay();
    case ItemSale::NoRoom:
        return Stay();
    case ItemSale::Sold:
        break;
    }
    io() << "You hand the woodchopper 10,000 coins. He takes a piece of light,\n"
            "pale wood from his cart, and gives it to you.\n\n"
            "Woodchopper:\n"
            "Here is your Balsa Wood. Show it to the guard.\n"
            "Now you can get past to the path! Yay!\n\n";
    wait();
    return Stay();
}

// Entry 2 changes once the hero carries what the woodchopper asks for.
constexpr PlaceEntry kWorkers[] = {
    {.number = 1,
     .label = "1. Why are you chopping wood?\n",
     .text = "Woodchopper:\n"
             "We are building new houses for the village. The forest gives us\n"
             "all the wood we need, and for every tree we cut down, we plant\n"
             "two more.\n",
     .pause = true},
    {.number = 2,
     .label = "2. Why did the guard block my way to the path?\n",
     .listed = LacksTheThingsForTheWood,
     .text = "Woodchopper:\n"
             "The guard lets no one pass who does not carry the item that\n"
             "symbolizes peace. You don't have it, so he stopped you.\n\n",
     .then = GoTo(itemofpeace)},
    {.number = 2,
     .label = "2. I have the items that you told me to get for the Balsa Wood\n",
     .listed = HoldsTheThingsForTheWood,
     .act = TradeForBalsaWood},
    {.number = 3,
     .label = "3. Is this your job?\n",
     .text = "Woodchopper:\n"
             "It is. Every elf in the village has a job, and mine is to chop\n"
             "wood. It is hard work, but I like being out among the trees.\n",
     .pause = true},
    {.number = 4,
     .label = "4. Can I chop wood too?\n",
     .text = "Woodchopper:\n"
             "Ha! I'm sorry, but only elves may cut the trees of this forest.\n"
             "Our fathers planted them, and their fathers before them.\n",
     .pause = true},
    {.number = 5, .label = "5. Nothing, Bye\n", .then = Back()},
};

constexpr PlaceEntry kItemOfPeace[] = {
    {.number = 1,
     .label = "1. What is the item of peace?\n",
     .text = "Woodchopper:\n"
             "The item of peace is Balsa Wood, and I am the one who gives it\n"
             "out. Bring me a piece of grass, a blank carved button, a Frog\n"
             "Mana Potion and 10,000 coins, and the Balsa Wood is yours.\n",
     .pause = true},
    {.number = 2, .label = "2. Ok, I will remember that\n", .then = GoTo(workersmenu)},
};

Transition workersmenu(Player* player) {
    return ChooseByKey(kWorkers, *player);
}

Transition itemofpeace(Player* player) {
    return ChooseByKey(kItemOfPeace, *player);
}

Transition talktoworkers(Player*) {
    io() << "You walk over to the Elven workers, who are chopping down trees\n"
            "and cutting them into logs. One of them, a woodchopper with a\n"
            "great axe, puts it down and walks over to you.\n\n"
            "Woodchopper:\n"
            "Hello there, traveller. What can I do for you?\n";
    wait();
    return GoTo(workersmenu);
}

// --- The middle of the forest. ---

constexpr PlaceEntry kMiddle[] = {
    {.number = 1, .label = "1. Enter The House\n", .then = Open(legarthshouse)},
    {.number = 2, .label = "2. Fight The Ancient Elven God\n", .then = Open(fightelvenforestboss)},
    {.number = 3, .label = "3. Leave\n", .then = Back()},
};

Transition middleofforest(Player* player) {
    io() << "You stand in the middle of the Elven Forest. The trees here are\n"
            "older and taller than anywhere else, and the air is very still.\n"
            "In a clearing stands a small wooden house, and beyond it, on a\n"
            "throne of roots, sits the Ancient Elven God.\n";
    wait();
    return ChooseByKey(kMiddle, *player);
}

// Legarth tells his story once; after that he only lets the hero rest.
Transition legarthshouse(Player* player) {
    Player& hero = *player;
    if (!world().enteredhouse) {
        io() << "You knock on the door of the small house, and it opens by itself.\n"
                "Inside, an old high elf with long silver hair sits by the fire.\n\n"
                "Legarth:\n"
                "Ah, you must be "
             << hero.GetName()
             << ". My friend in the Ocean City told me\n"
                "you would come. My name is Legarth. Come in, come in.\n";
        wait();
        io() << "Legarth:\n"
                "The Ancient Elven God has watched over this forest for a\n"
                "thousand years. He is stronger than anything you have faced,\n"
                "and he lets no one pass to the lands that lie beyond it.\n"
                "If you mean to fight him, rest here first. My door is always\n"
                "open to you.\n";
        wait();
        world().enteredhouse = true;
    } else {
        io() << "Legarth:\n"
                "Welcome back, "
             << hero.GetName()
             << ". Sit down by the fire, and rest for a while.\n\n";
    }
    io() << "You rest in Legarth's house, and feel your strength return.\n";
    hero.RestoreAll();
    wait();
    return Back();
}

// Any defeat, a flight included, is a death.
Transition fightelvenforestboss(Player* player) {
    Player& hero = *player;
    io() << "You walk up to the Ancient Elven God. He slowly rises from his\n"
            "throne of roots, and the whole forest falls silent.\n\n"
            "Ancient Elven God:\n"
            "Who dares to disturb my rest? You shall never leave this forest!\n";
    wait();
    if (FightOne(hero, kAncientElvenGod) != FightResult::Won) {
        io() << "The Ancient Elven God has killed you...\n";
        wait();
        hero.HasDied();
        return Back();
    }
    io() << "The Ancient Elven God falls to his knees, and bows his head\n"
            "before you. The leaves of the forest rustle, as if the trees\n"
            "themselves were whispering your name.\n"
            "You have now completed the Elven Forest quest!\n";
    hero.SetForest2(true);
    wait();
    return Back();
}

}  // namespace

// Coming into the forest with the Balsa Wood opens the path for the rest of
// the run.
Transition elven_forest(Player* player) {
    Player& hero = *player;
    if (Holds(hero.GetInventory(), kBalsaWood)) world().hasitem = true;
    io() << "You stand in the village of the elves. Their houses are built high\n"
            "up in the branches, joined by bridges of rope. Near the foot of\n"
            "the trees stand a bow shop and an arena, and to the north a path\n"
            "leads into the middle of the forest, where Elven workers are\n"
            "busy chopping wood.\n";
    wait();
    io() << "What would you like to do?\n";
    return ChooseByKey(kForest, hero);
}

}  // namespace vaskarn

#include "world/regions/rainforest/rainforest.h"

#include <array>
#include <string_view>

#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "world/encounter.h"
#include "world/place_menu.h"
#include "world/regions/rainforest/story.h"
#include "world/stats.h"
#include "world/town/crossroads.h"

namespace vaskarn {
namespace {

constexpr std::array<MonsterTemplate, 14> kAnimals{{
    {"Pony", 80, 80, 100, 30, 8, 5},
    {"Sheep", 25, 25, 30, 10, 1, 0},
    {"Goblin", 70, 70, 200, 40, 15, 3},
    {"Elephant", 150, 150, 2000, 50, 20, 30},
    {"Lion", 70, 70, 200, 40, 10, 7},
    {"Tiger", 150, 150, 600, 120, 18, 13},
    {"Alligator", 350, 350, 1000, 200, 35, 20},
    {"Crocodile", 250, 250, 1200, 120, 25, 15},
    {"Gnome", 35, 35, 100, 50, 5, 0},
    {"Farmer", 25, 25, 30, 10, 3, 0},
    {"Monkey", 50, 50, 80, 35, 5, 3},
    {"Giant Ape", 150, 150, 400, 60, 15, 20},
    {"Ox", 225, 225, 450, 85, 40, 35},
    {"Troll", 200, 200, 250, 100, 30, 25},
}};

constexpr int kAnimalGroupSizes = 2;  // one or two animals at a time

// --- What the ground may hold. ---

enum class Find { Potion, Gold, Herb, Item };

// A band of the search's draw (0 to 1000) and what lies there; the first
// band that holds the draw wins.
struct GroundFind {
    int low;
    int high;
    const char* text;
    Find kind;
    std::string_view item = "";  // the item's name
    int amount = 0;              // the gold found, or the item's value
};

constexpr int kGroundDraws = 1001;

constexpr GroundFind kGround[] = {
    {5, 14, "You found a Medium Health Potion!\n", Find::Potion},
    {500, 500, "You found 8000 gold on the ground!\n", Find::Gold, "", 8000},
    {253, 253, "You found 50 gold on the ground!\n", Find::Gold, "", 50},
    {601, 601, "You find a herb on the ground. It heals you.\n", Find::Herb},
    {650, 650, "You find a Charred Staff on the ground.\n", Find::Item, "Charred Staff", 40},
    {782, 782, "You find a Charred Staff on the ground.\n", Find::Item, "Charred Staff", 40},
    {403, 403, "You find a Torch on the ground.\n", Find::Item, "Torch", 10},
    {506, 506, "You find a Blue Wool Shirt on the ground.\n", Find::Item, "Blue Wool Shirt", 25},
    {900, 900, "You find Batteries on the ground.\n", Find::Item, "Batteries", 5},
    {808, 849, "You find a Bloated Frog on the ground.\n", Find::Item, "Bloated Frog", 15},
};

// The potion shop's own Medium Health Potion.
struct PotionKind {
    std::string_view name;
    int hp;
    int mp;
    int price;
};

constexpr PotionKind kMediumHealthPotion{"Medium Health Potion", 20, 0, 50};
constexpr PotionKind kRootPotion{"Rainforest Root Potion", 50, 20, 40};

// One climb in this many finds a potion.
constexpr int kTreeDraws = 3;

// A find is no purchase: a potion with no room left is simply left behind,
// where the potion list's own overflow would pay its price.
void GivePotion(Player& hero, const PotionKind& kind) {
    if (!hero.HasRoomForPotion(kind.name)) {
        io() << "You can't hold any more potions, your potion inventory is full.\n";
        return;
    }
    Potion potion;
    potion.CreatePotion(kind.name, kind.hp, kind.mp, kind.price);
    hero.AddPotion(&potion);
}

Transition ExamineGround(Player& hero) {
    io() << "You search on the ground for any items...\n";
    random();
    const int r = Draw(kGroundDraws);
    const GroundFind* found = nullptr;
    for (const GroundFind& band : kGround) {
        if (r >= band.low && r <= band.high) {
            found = &band;
            break;
        }
    }
    if (found == nullptr) {
        io() << "You found nothing though. Better luck next time!\n";
        wait();
        return Stay();
    }
    io() << found->text;
    switch (found->kind) {
    case Find::Potion:
        GivePotion(hero, kMediumHealthPotion);
        break;
    case Find::Gold:
        hero.AddGold(found->amount);
        break;
    case Find::Herb:
        hero.RestoreAll();
        break;
    case Find::Item: {
        Inventory item;
        item.CreateItem(found->item, found->amount);
        hero.AddItem(&item);
        break;
    }
    }
    wait();
    return Stay();
}

// Any fight lost here, a flight included, is a death.
Transition FightAnimals(Player& hero) {
    random();
    const int size = Draw(kAnimalGroupSizes) + 1;
    if (FightGroup(hero, kAnimals, size) != FightResult::Won) {
        io() << "The animals of the rainforest have killed you!\n";
        wait();
        hero.HasDied();
    }
    return Stay();
}

Transition ClimbTheTree(Player& hero) {
    io() << "You climb up the tallest tree, branch after branch.\n";
    random();
    if (Draw(kTreeDraws) == 0) {
        io() << "In a hollow near the top, you find a Rainforest Root Potion!\n";
        GivePotion(hero, kRootPotion);
    } else {
        io() << "You look everywhere, but there are no potions up here today.\n";
    }
    io() << "You climb back down.\n";
    wait();
    return Stay();
}

Transition EatHealingPlant(Player& hero) {
    io() << "You kneel by the healing plant and eat one of its leaves.\n"
            "You feel the strength come back into your body.\n";
    hero.RestoreAll();
    wait();
    return Stay();
}

Transition bird(Player* player);

constexpr PlaceEntry kMenu[] = {
    {.number = 1, .label = "1.Path\n", .then = GoTo(Screen(rainforest_storyline1, 0))},
    {.number = 2, .label = "2.Examine The Ground\n", .act = ExamineGround},
    {.number = 3, .label = "3.Fight Animals\n", .act = FightAnimals},
    {.number = 4, .label = "4.Communicate With The Bird\n", .then = GoTo(bird)},
    {.number = 5, .label = "5.Climb Up The Tree And Get Some Potions\n", .act = ClimbTheTree},
    {.number = 6, .label = "6.View Stats\n", .then = Open(stats)},
    {.number = 7, .label = "7.Healing Plant\n", .act = EatHealingPlant},
    {.number = 8, .label = "8.Back To Village\n", .then = ReturnTo(crossroads)},
};

// --- The bird. ---

// How the bird comes down, by the key chosen.
constexpr const char* kGreetings[] = {
    "You shout at the bird as loud as you can.\n"
    "Bird: Squawk! No need to shout, I can hear you just fine!\n"
    "The bird flies down and lands on a branch next to you.\n",
    "You pick up a rock and throw it at the bird. It misses by far.\n"
    "Bird: Hey! What was that for? Is that how you greet everyone?\n"
    "The bird flies down and lands on a branch next to you, annoyed.\n",
    "You wait patiently. After a while, the bird flies down and lands\n"
    "on a branch next to you.\n"
    "Bird: You have good manners, traveller. Not many do.\n",
    "You don't do anything, and just look at the bird.\n"
    "After a while it gets curious, and flies down to you.\n"
    "Bird: Well? Aren't you going to say anything?\n",
};

Transition bird_talk(Player* player);

Transition bird(Player*) {
    io() << "High up in a tree sits a big bird with feathers of every colour.\n"
            "It looks down at you and tilts its head, as if it wanted to say\n"
            "something.\n"
            "What do you do?\n"
            "1. Shout At It\n"
            "2. Throw A Rock At It\n"
            "3. Wait For It To Come Down\n"
            "4. Don't Do Anything\n";
    io().Prompt();
    const char key = io().ReadChar();
    if (key < '1' || key > '4') return Stay();
    io() << kGreetings[key - '1'];
    wait();
    return GoTo(bird_talk);
}

constexpr PlaceEntry kQuestions[] = {
    {.number = 1,
     .label = "1. What are spirits of the rainforest?\n",
     .text = "Bird: The spirits of the rainforest are as old as the trees\n"
             "themselves. They live in the roots, in the rivers and in the wind,\n"
             "and they watch over every creature here. They heal those who\n"
             "respect the forest. That plant over there, the one that heals\n"
             "you? That is their gift.\n",
     .pause = true},
    {.number = 2,
     .label = "2. What lies at the end of the path?\n",
     .text = "Bird: An old temple, where the Aztec Jaguar Chief lives. He lets\n"
             "no one pass into his part of the forest. Before you reach him, you\n"
             "have to hold out for ten days in the camp on the way, where the\n"
             "fiercest animals attack every morning. Rest when you can!\n",
     .pause = true},
    {.number = 3,
     .label = "3. Where can I find potions here?\n",
     .text = "Bird: Climb the tall tree! The monkeys hide Rainforest Root\n"
             "Potions in its branches. And look on the ground, too. People drop\n"
             "all kinds of things in this forest.\n",
     .pause = true},
    {.number = 4,
     .label = "4. Where do the elves live?\n",
     .text = "Bird: Far to the north, beyond the rainforest, is the forest that\n"
             "the elves made. They are a careful people. I heard that their\n"
             "woodchopper wants a blank carved button for something. There is\n"
             "one to be found on the path, if you are brave enough.\n",
     .pause = true},
    {.number = 5,
     .label = "5. How is it that you can talk?\n",
     .text = "Bird: How is it that YOU can talk? Squawk! Every bird in this\n"
             "forest can talk. We just don't talk to people who throw rocks.\n",
     .pause = true},
    {.number = 6,
     .label = "6. You have answered all my questions\n",
     .text = "Bird: Then fly safely, traveller! Squawk!\n",
     .pause = true,
     .then = GoTo(rainforest)},
};

Transition bird_talk(Player* player) {
    io() << "\n"
            "Bird: What would you like to know?\n";
    return ChooseByKey(kQuestions, *player, "");
}

}  // namespace

Transition rainforest(Player* player) {
    Player& hero = *player;
    io() << "You stand in the middle of the rainforest. Tall trees rise all\n"
            "around you, and their leaves hide the sky. Water drips from every\n"
            "branch, a healing plant grows by your feet, and somewhere above\n"
            "you a bird is singing. A narrow path leads deeper into the forest.\n";
    wait();
    io() << "What would you like to do?\n";
    return ChooseByKey(kMenu, hero, "");
}

}  // namespace vaskarn

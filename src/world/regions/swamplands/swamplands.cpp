#include "world/regions/swamplands/swamplands.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

#include "abilities/special_attacks.h"
#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "world/ability_shop.h"
#include "world/place_menu.h"
#include "world/purchase.h"
#include "world/regions/swamplands/war.h"
#include "world/stats.h"
#include "world/town/crossroads.h"

namespace vaskarn {
namespace {

// --- Fred's answers. ---

// Fred reads one line of at most this many characters.
constexpr std::size_t kLongestQuestion = 100;

struct FredAnswer {
    std::string_view line;  // what the hero types, in lower case
    const char* answer;
    bool spoken = true;  // said by Fred, after "Fred:"
};

// "bye" and "rune king" are answered by the chat itself.
constexpr FredAnswer kFredAnswers[] = {
    {"fred", "Yup, that's me.\n"},
    {"i hate you", "But... but... why?\n"},
    {"kill",
     "Syntax for using the keyword 'kill':\n"
     "kill (name of person) \n",
     false},
    {"kill (fred)", "No, don't kill me!\n"},
    {"kill (myself)", "Noooooo... don't kill yourself!!!\n"},
    {"lol", "What's there to laugh about?\n"},
    {"vesk",
     "Oh, I know what that is. They are Vesk Sheep, very tasty, I'd\n"
     "have to admit.\n"},
    {"help",
     "Find out a way to wash yourself, and then enter the barracks.\n"
     "There, lead our army in the war against the Rune King's army.\n"
     "Win it, and then beat the one who leads the enemy army.\n"},
    {"you stink", "You have serious issues...\n"},
};

// --- The shops. ---

constexpr MakeAbility<Special_Attack> kSpecialAttacks[] = {
    Offer<Special_Attack, Cutter2>, Offer<Special_Attack, Flash2>,    Offer<Special_Attack, Throw2>,
    Offer<Special_Attack, Spin2>,   Offer<Special_Attack, Multiply2>,
};

constexpr const char* kDishes[] = {
    "Ugunthian Kebab",      "Roasted Vesk Sheep", "Swamp Frog Legs",      "Marshian Mud Pie",
    "Ogre Stew With Reeds", "Fried Swamp Roots",  "A Nice Warm Egg Roll",
};
constexpr int kDishPrice = 500;

// --- Washing and the barracks. ---

Transition Wash(Player&) {
    io() << "You kneel down by the running water. It is cold, and a little\n"
            "muddy, but it is the only water around here.\n"
            "Wash yourself anyway? (y/n)\n";
    io().Prompt();
    const std::string answer = io().ReadWord();
    if (IsYes(answer)) {
        world().haswashed = true;
        io() << "You wash yourself in the running water. You feel clean!\n";
        wait();
    }
    return Stay();
}

Transition EnterBarracks(Player&) {
    if (world().haswashed) return Open(swamplandsbarracks);
    io() << "Ogre In Charge:\n"
            "I'm sorry, but you are not permitted to enter yet.\n"
            "Nobody goes into the barracks smelling like the swamp.\n"
            "Go and wash yourself first, and then come back.\n";
    wait();
    return Stay();
}

Transition talktoogres(Player* player);
Transition swamplandsshops(Player* player);

constexpr PlaceEntry kSwamplands[] = {
    {.number = 1, .label = "1.Visit The Shops\n", .then = Open(swamplandsshops)},
    {.number = 2, .label = "2.Talk To Some Of The Ogres\n", .then = Open(talktoogres)},
    {.number = 3, .label = "3.Wash Yourself With The Running Water\n", .act = Wash},
    {.number = 4, .label = "4.Enter The Barracks\n", .act = EnterBarracks},
    {.number = 5, .label = "5.View Stats\n", .then = Open(stats)},
    {.number = 6, .label = "6.Leave The Swamplands\n", .then = ReturnTo(crossroads)},
};

// The menu that every place of the region comes back to.
Transition swamplandsmenu(Player* player) {
    io() << "What would you like to do?\n";
    return ChooseByKey(kSwamplands, *player, "");
}

// --- Fred. ---

std::string Lowered(std::string line) {
    std::transform(line.begin(), line.end(), line.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return line;
}

Transition fredchat(Player* player) {
    io() << "Type something below to ask Fred.\n\n"
            "You:\n";
    std::string line = io().ReadLine();
    if (line.size() > kLongestQuestion) line.resize(kLongestQuestion);
    line = Lowered(std::move(line));

    if (line == "bye") {
        io() << "Fred:\n"
                "Bye!!!\n\n";
        wait();
        return Back();
    }
    if (line == "rune king") {
        io() << "Fred:\n"
                "The Rune King rules us all, at least for now.\n"
             << "You are the hero, " << player->GetName() << ", and you will be\n"
             << "the one to defeat him.\n";
        wait();
        return Stay();
    }
    const auto known = std::find_if(std::begin(kFredAnswers), std::end(kFredAnswers),
                                    [&line](const FredAnswer& a) { return a.line == line; });
    if (known == std::end(kFredAnswers)) {
        io() << "Fred:\n"
                "Hmmm... Fred doesn't seem to know what you are saying.\n";
    } else {
        if (known->spoken) io() << "Fred:\n";
        io() << known->answer;
    }
    wait();
    return Stay();
}

Transition talktoogres(Player*) {
    io() << "You walk over to an ogre who is resting from his work.\n"
            "Fred:\n"
            "Hello there, stranger! My name is Fred. Ask me anything you\n"
            "like: type in a keyword, and I will tell you what I know.\n"
            "You may use up to 100 characters.\n"
            "It does not matter whether you use capital letters or not.\n"
            "Type bye when you are done talking.\n";
    wait();
    return GoTo(fredchat);
}

// --- The shops. ---

Transition SoldOutOfSpells(Player&) {
    io() << "Shop Owner:\n"
            "I'm sorry, but I am sold out of spells. I'm afraid that I won't be\n"
            "getting any more of them for a long time, either. The Rune King's\n"
            "army took every last one of them.\n";
    wait();
    return Stay();
}

Transition swampspecialattacks(Player* player) {
    static constexpr AbilityShopWords kWords{"You bought the special attack ", "!\n",
                                             "You don't have enough money.\n"};
    return SellAbilities<Special_Attack>(*player, kSpecialAttacks, kWords, Back());
}

Transition swamprestaurant(Player* player);

constexpr PlaceEntry kShops[] = {
    {.number = 1, .label = "1. Spell Shop\n", .act = SoldOutOfSpells},
    {.number = 2,
     .label = "2. Special Attack Shop\n",
     .text = "Shop Owner:\n"
     "Welcome! These are the best special attacks in the Swamplands.\n\n",
     .then = Open(swampspecialattacks)},
    {.number = 3, .label = "3. Dining Restaurant\n", .then = Open(swamprestaurant)},
    {.number = 4, .label = "4. Leave\n", .then = Back()},
};

Transition swamplandsshops(Player* player) {
    io() << "You walk along a row of huts, where the ogres sell their goods.\n"
            "Which shop would you like to go to?\n";
    return ChooseByKey(kShops, *player);
}

// A meal is for the taste of it: it costs gold and gives nothing else.
Transition swamprestaurant(Player* player) {
    Player& hero = *player;
    const int dishes = static_cast<int>(std::size(kDishes));
    io() << "Waiter:\n"
            "Welcome to our restaurant! Every dish is 500 gold.\n"
            "What would you like to eat?\n";
    for (int i = 0; i < dishes; ++i) io() << i + 1 << ". " << kDishes[i] << "\n";
    io() << dishes + 1 << ". Nothing, Thank You\n";
    io().Prompt();
    const int choice = KeyNumber(io().ReadChar());
    io() << "\n\n";
    if (choice == dishes + 1) return Back();
    if (choice < 1 || choice > dishes) return Stay();
    if (!CanPay(hero, kDishPrice)) {
        io() << "Waiter:\n"
                "I'm sorry, but you don't have enough gold for that.\n";
        wait();
        return Stay();
    }
    Pay(hero, kDishPrice);
    io() << "The waiter brings you your meal: " << kDishes[choice - 1] << ".\n"
         << "You eat every last bite of it. Delicious!\n";
    wait();
    return Stay();
}

}  // namespace

Transition swamplands(Player*) {
    io() << "You stand in the Swamplands Of Marshia. Mud and reeds stretch\n"
            "as far as you can see, and ogres are hard at work all around\n"
            "you. Nearby, a stream of clear water runs down from the hills,\n"
            "and behind it stand the great wooden barracks of the ogres'\n"
            "army, and a row of huts where the ogres sell their goods.\n";
    wait();
    return GoTo(swamplandsmenu);
}

}  // namespace vaskarn

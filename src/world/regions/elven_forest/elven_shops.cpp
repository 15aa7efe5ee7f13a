#include "world/regions/elven_forest/elven_shops.h"

#include <cstddef>
#include <iterator>

#include "abilities/special_attacks.h"
#include "abilities/spells.h"
#include "core/numbered_list.h"
#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "world/ability_shop.h"
#include "world/place_menu.h"
#include "world/purchase.h"

namespace vaskarn {
namespace {

// Name, price, ranged power.
constexpr GearOffer kBows[] = {
    {"Maple Longbow", 6000, 18},
    {"Maple Longrange Bow", 10000, 25},
    {"Birchbark Shortbow", 12000, 30},
    {"Birchbark Longbow", 15000, 36},
    {"Elven Wood Shortbow", 18000, 40},
    {"Elven Wood Longbow", 30000, 50},
    {"Light Bamboo Shortbow", 32000, 55},
    {"Light Bamboo Longbow", 35000, 60},
    {"Medium Bamboo Shortbow", 50000, 68},
    {"Medium Bamboo Longbow", 60000, 75},
    {"Heavy Bamboo Shortbow", 65000, 80},
    {"Heavy Bamboo Longbow", 80000, 90},
    {"Jungle Wood Shortbow", 90000, 100},
    {"Jungle Wood Longbow", 100000, 115},
    {"Yew Shortbow", 110000, 120},
    {"Yew Longbow", 120000, 136},
};

// The arena teaches at the kinds' own values.
constexpr MakeAbility<Spell> kSpells[] = {Offer<Spell, Unleash>, Offer<Spell, Barrel_Fire>};

constexpr MakeAbility<Special_Attack> kSpecialAttacks[] = {
    Offer<Special_Attack, Fire_Blade>,
    Offer<Special_Attack, Water_Blade>,
    Offer<Special_Attack, Earth_Blade3>,
    Offer<Special_Attack, Light_Blade3>,
};

Transition arenamenu(Player* player);
Transition arenaspells(Player* player);
Transition arenaspecialattacks(Player* player);

constexpr PlaceEntry kArena[] = {
    {.number = 1, .label = "1. Buy Spells \n", .then = GoTo(arenaspells)},
    {.number = 2, .label = "2. Buy Special Attacks \n", .then = GoTo(arenaspecialattacks)},
    {.number = 3,
     .label = "3. Leave \n",
     .text = "You walk out of the arena, and back into the forest.\n",
     .pause = true,
     .then = Back()},
};

// --- The bow shop. ---

Transition bowlist(Player* player) {
    Player& hero = *player;
    for (std::size_t i = 0; i < std::size(kBows); ++i)
        io() << i + 1 << ". " << kBows[i].name << "\n Ranged Power: " << kBows[i].power
             << " - Price: " << kBows[i].price << "\n";
    const ListChoice choice = ChooseFromList(static_cast<int>(std::size(kBows)), -1);
    io() << "\n\n";
    if (choice.Cancelled()) return Back();
    if (!choice.IsEntry()) {
        io() << "\n";
        return Stay();
    }
    const GearOffer& bow = kBows[choice.number - 1];
    if (!CanPay(hero, bow.price)) {
        io() << "Shop Owner:\n"
                "Oh dear, you seem to be a bit short on money.\n"
                "Come back when you have enough, and I will be happy to sell it to you.\n";
        wait();
        return Stay();
    }
    io() << "You bought the " << bow.name << "!\n";
    hero.SetBow(true);
    Pay(hero, bow.price);
    hero.SetBowName(bow.name);
    hero.SetBowPower(bow.power);
    wait();
    return Stay();
}

// --- The arena. ---

Transition arenamenu(Player* player) {
    io() << "\n";
    return ChooseByKey(kArena, *player);
}

Transition arenaspells(Player* player) {
    static constexpr AbilityShopWords kWords{"\n\nElf Master:\nYou have learned the spell ", ". Use it wisely.\n",
                                             "\n\nElf Master:\nYou do not have enough gold to learn that spell.\n"};
    return SellAbilities<Spell>(*player, kSpells, kWords, GoTo(arenamenu));
}

Transition arenaspecialattacks(Player* player) {
    static constexpr AbilityShopWords kWords{
        "\n\nElf Master:\nYou have learned the special attack ", ". Use it wisely.\n",
        "\n\nElf Master:\nYou do not have enough gold to learn that special attack.\n"};
    return SellAbilities<Special_Attack>(*player, kSpecialAttacks, kWords, GoTo(arenamenu));
}

}  // namespace

Transition elvenbowshop(Player*) {
    io() << "You walk into a small shop built around the trunk of a great tree.\n"
            "Bows of every size hang on its walls, from little shortbows of\n"
            "maple to great longbows of yew, taller than a man.\n\n"
            "Shop Owner:\n"
            "Welcome, traveller! Every bow here was made by elven hands.\n"
            "Take a look, and tell me which one you would like.\n";
    wait();
    return GoTo(bowlist);
}

Transition elvenarena(Player*) {
    io() << "You walk into the arena, where elves are practising their magic\n"
            "and their swordplay. An old elf in a green robe walks over to you.\n\n"
            "Elf Master:\n"
            "Welcome to the Elven Arena. Here we teach the spells and the\n"
            "special attacks of our people, to anyone who can pay for them.\n";
    wait();
    return GoTo(arenamenu);
}

}  // namespace vaskarn

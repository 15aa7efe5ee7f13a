#include "world/regions/grasslands/peter.h"

#include <cstdint>
#include <iterator>
#include <span>
#include <string>
#include <string_view>

#include "abilities/special_attacks.h"
#include "abilities/spells.h"
#include "core/numbered_list.h"
#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "world/ability_shop.h"
#include "world/place_menu.h"
#include "world/purchase.h"
#include "world/regions/grasslands/grasslands.h"

namespace vaskarn {
namespace {

// --- Catalogues. ---

// Gauntlets by class; the mage and the scout find none (their refusals below).
constexpr GearOffer kWarriorGauntlets[] = {
    {"Leather Vambraces", 20, 2},       {"Bronze Gauntlets", 80, 4},
    {"Iron Gauntlets", 200, 8},         {"Steel Vambraces", 1000, 14},
    {"Mithril Gauntlets", 5000, 20},    {"Runite Chain Gauntlets", 8000, 28},
    {"Dragon Gauntlets", 15000, 36},    {"Dragon Ore Gauntlets", 30000, 44},
    {"Eldmyr's Gauntlets", 32000, 48},
};

constexpr GearOffer kArcherGauntlets[] = {
    {"Leather Vambraces", 20, 3},         {"Silk Vambraces", 150, 6},
    {"Archer Vambraces", 500, 10},        {"Crossbowman Vambraces", 1200, 15},
    {"Snakeskin Vambraces", 4500, 23},    {"Elf Crystal Vambraces", 8000, 30},
    {"Dragonhide Vambraces", 20000, 40},  {"Kalphite Queen Vambraces", 30000, 48},
    {"Robin Hood's Vambraces", 45000, 60},
};

constexpr GearOffer kThiefGauntlets[] = {
    {"Leather Gloves", 20, 1},        {"Bronze Claws", 150, 5},    {"Iron Claws", 500, 10},
    {"Steel Claws", 1000, 15},        {"Black Claws", 4000, 23},   {"Mithril Claws", 10000, 30},
    {"Adamantite Claws", 18000, 40},  {"Runite Claws", 25000, 48}, {"Dragon Claws", 36000, 55},
};

struct ClassGauntlets {
    std::span<const GearOffer> offers;
    const char* refusal;  // for a class with no offers
};

// Indexed by the hero's class number, 1 to 5.
constexpr ClassGauntlets kGauntletsByClass[] = {
    {{}, ""},
    {kWarriorGauntlets, ""},
    {{}, "\n\n\nThere are no gauntlets available for the mage class.\n\n\n"},
    {kArcherGauntlets, ""},
    {kThiefGauntlets, ""},
    {{}, "\n\n\nThere are no gauntlets available for the scout class.\n\n\n"},
};

struct PotionOffer {
    std::string_view name;
    int hp;
    int mp;
    int price;
};

constexpr PotionOffer kPotions[] = {
    {"Tree Root Health Potion", 10, 0, 5},
    {"Bark Health Potion", 20, 0, 10},
    {"Green Root Health Potion", 50, 0, 100},
    {"Redwood Health Potion", 100, 0, 400},
    {"Tree Root Mana Potion", 0, 50, 100},
    {"Bark Mana Potion", 0, 100, 600},
    {"Green Apple Mana Potion", 0, 200, 1500},
    {"Redwood Combo Potion", 1000, 500, 8000},
    {"Green Apple Combo Potion", 1500, 600, 10000},
    {"Nature's Combo Potion", 2000, 2000, 12000},
};

// Peter sells spells and special attacks at the kinds' own values.
constexpr MakeAbility<Spell> kSpells[] = {
    Offer<Spell, Magic_Bullet>, Offer<Spell, Soul_Charge>, Offer<Spell, Vesk_Song>,
    Offer<Spell, Fusion>,       Offer<Spell, Parry>,       Offer<Spell, Head_Bash>,
};

constexpr MakeAbility<Special_Attack> kSpecialAttacks[] = {
    Offer<Special_Attack, Cleave1>,    Offer<Special_Attack, Rampage>,     Offer<Special_Attack, Sweep>,
    Offer<Special_Attack, Puncturing>, Offer<Special_Attack, Poison_Blade>,
};

constexpr int kLeastForRumours = 100;

Transition petermenu(Player* player);

// --- The house. ---

Transition Sleep(Player& hero) {
    io() << "Peter leads you up to a bedroom, and you fall asleep.\n";
    wait();
    hero.RestoreAll();
    return Stay();
}

// Peter talks for money: 100 gold or more buys his rumours.
Transition Rumours(Player& hero) {
    io() << "Peter: Oh, I know a thing or two about the grasslands, all right.\n"
            "But my stories aren't free. I'll only talk for some coins.\n";
    wait();
    io() << "Pay Peter?(y/n)\n";
    io().Prompt();
    // The whole line goes with the answer: words typed after it must not
    // stand in for the amount asked next.
    const std::string answer = io().ReadWord();
    if (IsNo(answer)) return GoTo(wooden_house);
    if (!IsYes(answer)) return Stay();

    io() << "Peter: How much will you pay me?\n";
    io().Prompt();
    const int offered = io().ReadNumber(-1);
    if (offered < 0) {
        io() << "\n"
                "Peter: \n"
                "Ha! That's not even gold! Don't you try to fool me!\n";
        wait();
        io() << "\n";
    } else if (offered > hero.GetGold()) {
        // Peter pretends not to have heard.
    } else if (offered < kLeastForRumours) {
        io() << "Peter: I'm sorry, but that's not enough.\n";
        wait();
    } else {
        hero.SpendGold(offered);
        io() << "Peter:\n"
                "They say there is a monster living in the tunnels behind the\n"
                "pond, and another in the dungeon beyond the stream. You can\n"
                "only reach that dungeon by boat, so you'll need one first.\n"
                "Don't you go into the tunnel before you are level 10 or\n"
                "higher, or you won't come back out of it.\n"
                "The monster in the tunnel is a Rock Golem, big as a house.\n"
                "The one in the dungeon is a warrior in black armour, who\n"
                "holds a Black Blade that has cut down many brave men.\n"
                "Be careful out there, my friend.\n";
        wait();
    }
    return Stay();
}

Transition AboutPeter(Player&) {
    io() << "Peter:\n"
            "I built this house with my own two hands, many years ago,\n"
            "from the trees that grew by the pond, and I have lived here\n"
            "ever since. I used to be a smith, and I still make gauntlets\n"
            "for the travellers who pass by. I brew rare potions, too,\n"
            "from the roots and the bark of the trees out here.\n"
            "Not many people come this way anymore, so I'm always glad\n"
            "of some company. If you are tired from your journey, you\n"
            "are welcome to sleep in my spare bedroom, free of charge.\n"
            "Travellers need all the help they can get out here.\n";
    wait();
    return Stay();
}

Transition gauntlets(Player* player);
Transition potions(Player* player);
Transition glspellshop(Player* player);
Transition special_attack_store(Player* player);

constexpr PlaceEntry kPeter[] = {
    {.number = 1, .label = "1. I would like to stay for the night please\n", .act = Sleep},
    {.number = 2, .label = "2. Is there anything interesting I might find in the grasslands?\n", .act = Rumours},
    {.number = 3, .label = "3. I would like to buy some armor please\n", .then = GoTo(gauntlets)},
    {.number = 4, .label = "4. I would like to buy potions\n", .then = GoTo(potions)},
    {.number = 5, .label = "5. Tell me a little about yourself\n", .act = AboutPeter},
    {.number = 6, .label = "6. I would like to buy some spells\n", .then = GoTo(glspellshop)},
    {.number = 7, .label = "7. I would like to buy some special attacks\n", .then = GoTo(special_attack_store)},
    {.number = 8, .label = "8. No thanks, I'll leave\n", .then = GoTo(pond)},
};

// Peter's menu, where his bed, his stories and his potions come back to.
Transition petermenu(Player* player) {
    return ChooseByKey(kPeter, *player);
}

// --- The shops. ---

Transition gauntlets(Player* player) {
    Player& hero = *player;
    const int group = hero.GetGroup();
    if (group < 1 || group >= static_cast<int>(std::size(kGauntletsByClass))) return GoTo(wooden_house);
    const ClassGauntlets& stock = kGauntletsByClass[group];
    if (stock.offers.empty()) {
        io() << stock.refusal;
        wait();
        return GoTo(wooden_house);
    }

    const int size = static_cast<int>(stock.offers.size());
    for (int i = 0; i < size; ++i) {
        const GearOffer& offer = stock.offers[static_cast<std::size_t>(i)];
        io() << i + 1 << ". " << offer.name << ":\n Defense: " << offer.power << "\n Price: " << offer.price
             << "\n\n";
    }
    io() << "\n";
    const ListChoice choice = ChooseFromList(size, -1);
    if (choice.Cancelled()) return GoTo(wooden_house);
    if (!choice.IsEntry()) {
        io() << "\n";
        return Stay();
    }
    const GearOffer& offer = stock.offers[static_cast<std::size_t>(choice.number - 1)];
    if (!CanPay(hero, offer.price)) {
        io() << "You don't have enough money.\n";
        wait();
        return Stay();
    }
    Pay(hero, offer.price);
    io() << "You bought the " << offer.name << "!\n";
    hero.SetGauntlets(offer.AsArmor());
    wait();
    return Stay();
}

Transition potionlist(Player* player);

Transition potions(Player*) {
    io() << "Peter shows you a bunch of potions.\n"
            "Peter: Feel free to buy any of these great potions, at extremely\n"
            "reasonable prices.\n";
    wait();
    return GoTo(potionlist);
}

Transition potionlist(Player* player) {
    Player& hero = *player;
    const int size = static_cast<int>(std::size(kPotions));
    for (int i = 0; i < size; ++i) {
        const PotionOffer& offer = kPotions[i];
        io() << i + 1 << ". " << offer.name << " HP Restore: " << offer.hp << " :: MP Restore: " << offer.mp
             << " - Price: " << offer.price << "\n";
    }
    io() << "\n";
    const ListChoice choice = ChooseFromList(size, -1);
    if (choice.Cancelled()) return GoTo(petermenu);
    if (!choice.IsEntry()) {
        io() << "\n";
        return Stay();
    }

    const PotionOffer& offer = kPotions[choice.number - 1];
    io() << "How many " << offer.name << "s would you like to buy?\n";
    io().Prompt();
    int quantity = io().ReadNumber(-1);
    if (quantity < 0) quantity = 0;
    Potion bought;
    bought.CreatePotion(offer.name, offer.hp, offer.mp, offer.price);
    SellPotionsAtCounter(hero, bought, quantity);
    return Stay();
}

Transition glspellshop(Player* player) {
    static constexpr AbilityShopWords kWords{"You bought the spell ", ".\n", "You don't have enough money.\n"};
    return SellAbilities<Spell>(*player, kSpells, kWords, GoTo(wooden_house));
}

Transition special_attack_store(Player* player) {
    static constexpr AbilityShopWords kWords{"You bought the special attack ", "!\n",
                                             "You don't have enough money.\n"};
    return SellAbilities<Special_Attack>(*player, kSpecialAttacks, kWords, GoTo(wooden_house));
}

}  // namespace

Transition wooden_house(Player*) {
    io() << "You walk into a small room, warm from the fire in its hearth.\n"
            "An old man sits in a rocking chair beside the fire. He puts\n"
            "down his pipe, looks up at you and smiles.\n";
    wait();
    io() << "Man:\n"
            "Hello, my name is Peter. Is there anything I can do for you?\n"
            "\n\n";
    return GoTo(petermenu);
}

}  // namespace vaskarn

#include "world/town/potion_shop.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/numbered_list.h"
#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "world/purchase.h"
#include "world/town/town.h"

namespace vaskarn {
namespace {

// One potion on sale: what it restores (HP or MP, by its list) and its price.
struct PotionOffer {
    std::string_view name;
    int restore;
    int price;
};

constexpr PotionOffer kHealth[] = {
    {"Small Health Potion", 10, 20},
    {"Medium Health Potion", 20, 50},
    {"Large Health Potion", 50, 200},
    {"Elven Health Potion (Small)", 100, 600},
    {"Elven Health Potion (Medium)", 150, 1000},
    {"Elven Health Potion (Large)", 200, 1200},
    {"Dwarven Health Potion", 250, 1500},
    {"Infinite Health Potion", 400, 5000},
    {"Eldmyrs Health Potion", 1000, 10000},
};

constexpr PotionOffer kMana[] = {
    {"Small Mana Potion", 10, 20},
    {"Medium Mana Potion", 20, 50},
    {"Large Mana Potion", 50, 100},
    {"Elven Mana Potion (Small)", 70, 200},
    {"Elven Mana Potion (Medium)", 150, 600},
    {"Elven Mana Potion (Large)", 200, 1000},
    {"Infinite Mana Potion", 400, 5000},
    {"Eldmyrs Mana Potion", 1000, 10000},
};

// The two lists differ only in their offers and their words.
struct PotionList {
    std::span<const PotionOffer> offers;
    const char* restoreLabel;
    const char* question;
    bool mana;
};

constexpr PotionList kLists[] = {
    {kHealth, " - HP Restore: ", "How many do you want to buy?\n", false},
    {kMana, " - MP Restore: ", "How many would you like to buy?\n", true},
};
constexpr int kHealthList = 0;
constexpr int kManaList = 1;

Potion AsPotion(const PotionList& list, const PotionOffer& offer) {
    Potion potion;
    if (list.mana)
        potion.CreateManaPotion(offer.name, offer.restore, offer.price);
    else
        potion.CreateHealthPotion(offer.name, offer.restore, offer.price);
    return potion;
}

// Asks how many of one offer until the answer is not negative, then sells them.
Transition potionquantity(Player* player, int listIndex, int offerIndex) {
    const PotionList& list = kLists[listIndex];
    const PotionOffer& offer = list.offers[static_cast<std::size_t>(offerIndex)];
    io() << list.question;
    io().Prompt();
    const int quantity = io().ReadNumber(-1);
    if (quantity < 0) return Stay();

    SellPotionsAtCounter(*player, AsPotion(list, offer), quantity);
    return GoTo(potionshop);
}

Transition potionlist(Player*, int listIndex) {
    const PotionList& list = kLists[listIndex];
    const int size = static_cast<int>(list.offers.size());
    for (int i = 0; i < size; ++i) {
        const PotionOffer& offer = list.offers[static_cast<std::size_t>(i)];
        io() << i + 1 << ". " << offer.name << list.restoreLabel << offer.restore << " :: Price: " << offer.price
             << "\n";
    }
    io() << "\n";

    const ListChoice choice = ChooseFromList(size, -1);
    if (choice.IsEntry()) return GoTo(Screen(potionquantity, listIndex, choice.number - 1));
    io() << "\n";
    // Cancelling the mana list leaves the shop for whoever opened it; every
    // other way out of a list leads to the shop's menu.
    if (choice.Cancelled() && listIndex == kManaList) return Back();
    return GoTo(potionshop);
}

}  // namespace

Transition potionshop(Player*) {
    io() << "1. Health Potions\n"
            "2. Mana Potions\n"
            "3. Back To Town\n";
    io().Prompt();
    const std::string word = io().ReadWord();
    if (word == "1") return GoTo(Screen(potionlist, kHealthList));
    if (word == "2") return GoTo(Screen(potionlist, kManaList));
    if (word == "3") return ReturnTo(town);
    io() << "\n";
    return Stay();
}

}  // namespace vaskarn

#include "world/town/archery_shop.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>

#include "core/numbered_list.h"
#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "world/place_menu.h"
#include "world/purchase.h"
#include "world/town/town.h"

namespace vaskarn {
namespace {

constexpr int kArrowPrice = 20;

// The same for every class: name, price, ranged power.
constexpr GearOffer kBows[] = {
    {"Shortbow", 200, 3},
    {"Oak Shortbow", 1000, 7},
    {"Maple Shortbow", 5000, 11},
};

Transition bowlist(Player* player);
Transition arrowcounter(Player* player);

constexpr PlaceEntry kMenu[] = {
    {.number = 1, .label = "1. Buy Bows\n", .then = GoTo(bowlist)},
    {.number = 2, .label = "2. Buy Arrows\n", .then = GoTo(arrowcounter)},
    {.number = 3,
     .label = "3. Back To Town\n",
     .text = "You walk back to town.\n",
     .pause = true,
     .then = ReturnTo(town)},
};

Transition archerymenu(Player* player) {
    return ChooseByKey(kMenu, *player);
}

Transition bowlist(Player* player) {
    for (std::size_t i = 0; i < std::size(kBows); ++i)
        io() << i + 1 << ". " << kBows[i].name << "\n Ranged Power: " << kBows[i].power
             << " - Price: " << kBows[i].price << "\n\n";
    io() << "\n";
    const ListChoice choice = ChooseFromList(static_cast<int>(std::size(kBows)), -1);
    io() << "\n\n";
    if (choice.Cancelled()) return ReturnTo(town);
    if (!choice.IsEntry()) {
        io() << "\n";
        return Stay();
    }
    const GearOffer& bow = kBows[choice.number - 1];
    if (!CanPay(*player, bow.price)) {
        io() << "\nLowe:\nYou seem to be a bit short on money.\n";
        wait();
        return Stay();
    }
    io() << "You bought the " << bow.name << "!\n";
    Pay(*player, bow.price);
    player->SetBow(true);
    player->SetBowName(bow.name);
    player->SetBowPower(bow.power);
    wait();
    return Stay();
}

// The question of the arrow counter, asked again after a negative number.
Transition arrowquantity(Player* player) {
    io() << "\n";
    // Every positive number is a quantity; only 0 cancels and only a negative
    // number (or a non-number) is outside.
    const ListChoice choice = ChooseFromList(std::numeric_limits<int>::max(), -1);
    if (choice.Cancelled()) return GoTo(archery_shop);
    if (!choice.IsEntry()) {
        io() << "\n";
        return Stay();
    }
    const int quantity = choice.number;
    // Exact: no hero holds the gold for a total past 32 bits, so such a
    // quantity is refused like any other the hero cannot afford.
    const std::int64_t total = TotalPrice(kArrowPrice, quantity);
    if (!CanPay(*player, total)) {
        io() << "\nYou don't have enough money.\n\n";
        wait();
        io() << "\n";
        return GoTo(archerymenu);
    }
    io() << "You pay Lowe " << total << " gold coins, and he\n"
         << "hands you " << quantity << " arrows.\n";
    Pay(*player, total);
    player->AddArrows(quantity);
    io() << "You have " << player->GetGold() << " gold left to spend.\n"
         << "You now have " << player->GetArrows() << " arrows.\n";
    wait();
    return GoTo(archerymenu);
}

Transition arrowcounter(Player*) {
    io() << "Lowe:\n"
            "Arrows cost 20 gold coins each. How many would\n"
            "you like to buy?\n";
    return GoTo(arrowquantity);
}

}  // namespace

Transition archery_shop(Player*) {
    io() << "You stand in a market full of bows and arrows of all kinds.\n"
            "To your left is Lowe, who is sorting out some arrows.\n\n"
            "Lowe:\n"
            "Oh, hello. My name is Lowe. Look around the area and\n"
            "buy all the archery equipment you want.\n\n";
    wait();
    return GoTo(archerymenu);
}

}  // namespace vaskarn

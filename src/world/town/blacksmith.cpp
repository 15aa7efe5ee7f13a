#include "world/town/blacksmith.h"

#include <cstddef>
#include <iterator>

#include "core/numbered_list.h"
#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "world/purchase.h"
#include "world/town/town.h"

namespace vaskarn {
namespace {

// One list per class (Warrior, Mage, Archer, Thief, Scout): name, price, damage.
constexpr GearOffer kWeapons[5][10] = {
    {  // Warrior
        {"Bronze Sword", 30, 4},
        {"Iron Sword", 120, 8},
        {"Steel Sword", 500, 14},
        {"Mithril Sword", 4000, 24},
        {"Mithril Forging", 7000, 30},
        {"Adamant Sword", 15000, 42},
        {"Runite Longsword", 30000, 50},
        {"Beloth's Sword", 60000, 58},
        {"Beloth's Forging", 90000, 64},
        {"Sword Of The Gods", 150000, 74},
    },
    {  // Mage
        {"Magic Staff", 15, 2},
        {"Air Staff", 150, 6},
        {"Earth Staff", 400, 10},
        {"Water Staff", 500, 12},
        {"Fire Staff", 1000, 14},
        {"Rune Staff", 2000, 18},
        {"Inferno Staff", 5000, 24},
        {"Gold Staff", 20000, 30},
        {"Guilded Staff", 30000, 36},
        {"Crystallite Staff", 80000, 50},
    },
    {  // Archer
        {"Wood Knife", 30, 3},
        {"Wood Dagger", 150, 6},
        {"Oak Sword", 500, 12},
        {"Oak 2 Hander", 1000, 16},
        {"Willow Longsword", 5000, 24},
        {"Maple Sword", 10000, 30},
        {"Maple Longsword", 15000, 36},
        {"Redwood Sword", 30000, 44},
        {"Redwood Longsword", 70000, 50},
        {"Magic Longsword", 100000, 60},
    },
    {  // Thief
        {"Sharp Dagger", 200, 8},
        {"Sharp Sword", 400, 12},
        {"Sharp Longsword", 2000, 20},
        {"Heavy Battleaxe", 5000, 25},
        {"Black Blade", 20000, 36},
        {"Black Longsword", 50000, 44},
        {"Mithril Blade", 80000, 50},
        {"Adamantite Blade", 100000, 56},
        {"Adamantite 2 Hander", 120000, 64},
        {"Runite Blade", 150000, 70},
    },
    {  // Scout
        {"Guard's Dagger", 50, 5},
        {"Guard's Short Sword", 400, 10},
        {"Guard's Longsword", 1000, 16},
        {"Guard's Battleaxe", 5000, 24},
        {"Guard's Warhammer", 10000, 30},
        {"Guard's 2 Hander", 50000, 40},
        {"Royal Guardian's Blade", 60000, 45},
        {"Royal Guardian's Longsword", 80000, 50},
        {"Gold Longsword", 140000, 67},
        {"Guilded Longsword", 180000, 80},
    },
};

Transition blacksmithlist(Player* player) {
    const GearOffer(&offers)[10] = kWeapons[ClassColumn(*player)];
    for (std::size_t i = 0; i < std::size(offers); ++i)
        io() << i + 1 << ":\n"
             << offers[i].name << " - Price: " << offers[i].price << "\n Atk Power: " << offers[i].power << "\n\n";
    io() << "\n";
    const ListChoice choice = ChooseFromList(static_cast<int>(std::size(offers)), -1);
    if (choice.Cancelled()) return ReturnTo(town);
    if (!choice.IsEntry()) {
        io() << "\n";
        return Stay();
    }
    const GearOffer& offer = offers[choice.number - 1];
    if (!CanPay(*player, offer.price)) {
        io() << "\n\nBlacksmith:\nOh dear, you seem to be a bit short on money.\n";
        wait();
        return Stay();
    }
    // The weapon is in hand before it is paid for; the price was checked above.
    player->SetWeapon(offer.AsWeapon());
    io() << "Congratulations! You bought " << player->GetWeapon()->GetName() << "!\n";
    Pay(*player, offer.price);
    wait();
    return Stay();
}

}  // namespace

Transition blacksmith(Player*) {
    io() << "The shop is full of weapons: swords hang on every wall, axes and\n"
            "hammers lie in heaps on the tables, and staffs lean in the corners.\n"
            "The blacksmith puts down his hammer, wipes his hands and leads you\n"
            "into a room surrounded by weapons of every kind.\n";
    wait();
    return GoTo(blacksmithlist);
}

}  // namespace vaskarn

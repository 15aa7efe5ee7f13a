#include "world/purchase.h"

#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"

namespace vaskarn {

bool CanPay(const Player& hero, std::int64_t total) { return hero.GetGold() >= total; }

void Pay(Player& hero, std::int64_t total) {
    if (total <= 0 || !CanPay(hero, total)) return;
    hero.SpendGold(static_cast<int>(total));  // not above the gold, so it fits
}

void SellPotionsAtCounter(Player& hero, const Potion& potion, int quantity) {
    const std::int64_t total = TotalPrice(potion.GetPrice(), quantity);
    if (!CanPay(hero, total)) {
        io() << "You don't have enough money.\n";
        wait();
        return;
    }
    if (quantity > 0 && !hero.HasRoomForPotion(potion.GetName())) {
        io() << "You can't hold any more potions, your potion inventory is full.\n";
        wait();
        io() << "\n";
        return;
    }
    Pay(hero, total);
    hero.AddPotions(&potion, quantity);
    io() << "You bought " << quantity << " " << potion.GetName() << "s.\n";
    wait();
}

ItemSale SellItem(Player& hero, std::string_view name, int value, int price) {
    if (!CanPay(hero, price)) return ItemSale::ShortOfGold;
    if (!LowestFree(hero.GetInventory())) {
        io() << "You don't have enough room in your inventory to store any more items.\n";
        wait();
        return ItemSale::NoRoom;
    }
    Pay(hero, price);
    Inventory item;
    item.CreateItem(name, value);
    hero.AddItem(&item);
    return ItemSale::Sold;
}

std::size_t ClassColumn(const Player& hero) {
    const int group = hero.GetGroup();
    return group >= 1 && group <= 5 ? static_cast<std::size_t>(group - 1) : 0;
}

Weapon GearOffer::AsWeapon() const {
    Weapon weapon;
    weapon.CreateWeapon(name, power, price);
    return weapon;
}

Armor GearOffer::AsArmor() const {
    Armor armor;
    armor.CreateArmor(name, power, price);
    return armor;
}

}  // namespace vaskarn

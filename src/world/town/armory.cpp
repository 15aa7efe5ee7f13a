#include "world/town/armory.h"

#include <array>
#include <cstddef>
#include <iterator>
#include <span>

#include "core/numbered_list.h"
#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "world/place_menu.h"
#include "world/purchase.h"
#include "world/town/town.h"

namespace vaskarn {
namespace {

// Pads a class's list to the size of its shop; never listed, never sold.
constexpr GearOffer kEmptySpot{"Empty Spot", 0, 0};

// Each shop's lists, one per class (Warrior, Mage, Archer, Thief, Scout):
// name, price, protection.
constexpr GearOffer kHelms[5][15] = {
    {  // Warrior
        {"Soft Leather Helm", 10, 2},
        {"Cowhide Helm", 90, 4},
        {"Hard Leather Helm", 200, 8},
        {"Bronze Medium Helmet", 600, 14},
        {"Bronze Full Helmet", 1000, 20},
        {"Iron Helmet", 3000, 28},
        {"Steel Medium Helmet", 5000, 36},
        {"Steel Full Helm", 7000, 42},
        {"Adamant Helmet", 10000, 56},
        {"Runite Helm", 14000, 68},
        {"Rhean's Helmet", 20000, 74},
        {"Helm Of Elementals", 30000, 80},
        {"Dragon Rider's Helm", 40000, 90},
        {"Champion's Guilded Helm", 45000, 94},
        {"Beloth's Helmet", 50000, 100},
    },
    {  // Mage
        {"Wizard's Hat", 2, 1},
        {"Wizard's Blue Hat", 25, 2},
        {"Wizard's Black Hat", 80, 4},
        {"Enchanted Hat", 200, 8},
        {"Mystical Hat", 500, 14},
        {"Elemental Hat", 800, 18},
        {"Sara'man Hat", 2000, 24},
        {"Witchcraft Hat", 3000, 30},
        {"White Hat", 4500, 36},
        {"Holy Hat", 8000, 44},
        {"Spirit Hat", 10000, 50},
        {"Temple Hat", 15000, 55},
        {"Rune Wind Hat", 18000, 60},
        {"Goddess's Hat", 24000, 64},
        {"Avatar's Hat", 30000, 67},
    },
    {  // Archer
        {"Leather Coif", 10, 2},
        {"Hardleather Coif", 120, 5},
        {"Woodbark Cowl", 150, 8},
        {"Brown Chompy Bird Hat", 1500, 16},
        {"Purple Chompy Bird Hat", 2000, 20},
        {"Green Chompy Bird Hat", 3000, 28},
        {"Yellow Chompy Bird Hat", 5000, 36},
        {"Blue Chompy Bird Hat", 9000, 44},
        {"White Chompy Bird Hat", 12000, 50},
        {"Golden Chompy Bird Hat", 25000, 60},
        {"Green Dragonhide Mask", 40000, 70},
        {"Blue Dragonhide Mask", 42000, 74},
        {"Red Dragonhide Mask", 50000, 80},
        {"Black Dragonhide Mask", 55000, 85},
        {"Robin Hood Hat", 60000, 90},
    },
    {  // Thief
        {"Hood", 20, 2},
        {"Iron Hood", 150, 6},
        {"Steel Hood", 800, 10},
        {"Mithril Hood", 2500, 20},
        {"Battle Helm", 3000, 25},
        {"Adamantite Hood", 5000, 36},
        {"Runite Hood", 10000, 45},
        {"Master Thief's Hood", 12000, 50},
        kEmptySpot,
        kEmptySpot,
        kEmptySpot,
        kEmptySpot,
        kEmptySpot,
        kEmptySpot,
        kEmptySpot,
    },
    {  // Scout
        {"Leather Flaps", 30, 2},
        {"Hardleather Flaps", 150, 5},
        {"Iron Medium Helm", 500, 10},
        {"Iron Full Helm", 1500, 15},
        {"Scouting Helm", 2100, 20},
        {"Adventurer's Helm", 3000, 25},
        {"Wilderness Helm", 5500, 36},
        {"Thorn's Helm", 8000, 45},
        {"Odron's Helm", 14000, 55},
        {"Makalon's Helm", 40000, 68},
        {"Eldmyrary Helm", 50000, 80},
        kEmptySpot,
        kEmptySpot,
        kEmptySpot,
        kEmptySpot,
    },
};

constexpr GearOffer kPlatebodies[5][13] = {
    {  // Warrior
        {"Cloth Tunic", 150, 8},
        {"Leather Platebody", 500, 12},
        {"Wooden Platebody", 1000, 18},
        {"Glass Platebody", 3000, 28},
        {"Hard Wood Platebody", 6000, 36},
        {"Bronze Platebody", 9000, 44},
        {"Iron Platebody", 15000, 50},
        {"Mithril Platebody", 28000, 58},
        {"Adamant Platebody", 60000, 68},
        {"Runite Platebody", 80000, 82},
        {"Unbreakable Platebody", 120000, 100},
        {"Enchanted Platebody", 150000, 120},
        {"Eldmyr's Platebody", 200000, 150},
    },
    {  // Mage
        {"Blue Mage Shirt", 20, 1},
        {"Green Mage Shirt", 100, 4},
        {"Magical Shirt", 250, 10},
        {"Enchanted Robe Top", 1000, 16},
        {"Crystal Robes Top", 1500, 20},
        {"Warmage Robes Top", 3000, 28},
        {"Enchanted Warmage Robes Top", 6000, 34},
        {"Crystal Warmage Robes Top", 10000, 40},
        {"Cosmic Robes Top", 15000, 50},
        {"Enchanted Rune Robes Top", 40000, 60},
        {"Crystal Rune Robes Top", 60000, 70},
        {"Belroth's Robes Top", 90000, 85},
        kEmptySpot,
    },
    {  // Archer
        {"Padded Archer Armor", 50, 5},
        {"Leather Archer Armor", 200, 10},
        {"Hardleather Archer Armor", 800, 16},
        {"Studded Archer Armor", 1000, 20},
        {"Magical Archer Armor", 5000, 30},
        {"Chompy Bird Armor", 8000, 36},
        {"Marksman Armor", 15000, 45},
        {"Green Dragonhide Body", 25000, 55},
        {"Blue Dragonhide Body", 36000, 60},
        {"Red Dragonhide Body", 80000, 75},
        {"Black Dragonhide Body", 110000, 90},
        {"Gold Dragonhide Body", 150000, 120},
        {"Guilded Dragonhide Body", 175000, 136},
    },
    {  // Thief
        {"Raincoat Top", 25, 2},
        {"Winter Jacket Top", 150, 7},
        {"Steel Chest Armor", 600, 15},
        {"Mithril Chest Armor", 1000, 20},
        {"Agility Chest Armor", 4000, 28},
        {"Ancient Robes Top", 10000, 40},
        {"Paklon's Platebody", 20000, 50},
        {"Black Robes Top", 30000, 60},
        {"Dark Thief's Chest Armor", 60000, 75},
        {"Shadow Thief's Chest Armor", 80000, 85},
        {"Silver Moon Platebody", 120000, 100},
        {"Hrothgath's Platebody", 150000, 120},
        {"Crested Platebody", 200000, 140},
    },
    {  // Scout
        {"Battle Chest Armor", 100, 10},
        {"Sparring Chest Armor", 500, 15},
        {"White Platebody", 2000, 25},
        {"Guard's Platebody", 6000, 35},
        {"Guardian's Platebody", 8000, 40},
        {"White Guardian's Platebody", 15000, 50},
        {"Royal Guardian's Platebody", 60000, 70},
        {"Adventurer's Platebody", 80000, 85},
        {"White Spirit's Robes", 120000, 100},
        kEmptySpot,
        kEmptySpot,
        kEmptySpot,
        kEmptySpot,
    },
};

// Sold under these names as they are, the Warrior's twice-listed "Adamant
// Platelegs" and the Archer's "Body" legs included.
constexpr GearOffer kPlatelegs[5][10] = {
    {  // Warrior
        {"Leather Chaps", 80, 6},
        {"Bronze Platelegs", 200, 14},
        {"Iron Platelegs", 500, 24},
        {"Steel Platelegs", 2000, 36},
        {"Adamant Platelegs", 6000, 48},
        {"Granite Platelegs", 12000, 62},
        {"Adamant Platelegs", 20000, 74},
        {"Runite Platelegs", 60000, 90},
        {"Holy Legs Of The Priest", 100000, 100},
        {"Louie's Grand Platelegs", 120000, 120},
    },
    {  // Mage
        {"Blue Mage Bottom", 10, 1},
        {"Green Mage Bottom", 100, 3},
        {"Magical Robes Bottom", 200, 7},
        {"Enchanted Robe Bottom", 800, 15},
        {"Crystal Robes Bottom", 1000, 18},
        {"Warmage Robes Bottom", 2500, 25},
        {"Enchanted Warmage Robes Bottom", 5000, 30},
        {"Crystal Warmage Robes Bottom", 10000, 40},
        {"Crystal Rune Robes Bottom", 35000, 60},
        {"Belroth's Robes Bottom", 45000, 70},
    },
    {  // Archer
        {"Padded Archer Chaps", 30, 3},
        {"Leather Archerh Chaps", 150, 8},
        {"Hardleather Archer Chaps", 500, 12},
        {"Studded Archer Chaps", 1000, 20},
        {"Magical Archer Chaps", 3000, 28},
        {"Chompy Bird Chaps", 5000, 32},
        {"Snakeskin Chaps", 15000, 45},
        {"Red Dragonhide Chaps", 45000, 60},
        {"Gold Dragonhide Body", 85000, 85},
        {"Guided Dragonhide Body", 100000, 100},
    },
    {  // Thief
        {"Raincoat Bottom", 20, 1},
        {"Winter Pants", 100, 5},
        {"Steel Platelegs", 500, 12},
        {"Mithril Platelegs", 1000, 15},
        {"Agility Platelegs", 3000, 25},
        {"Ancient Robes Bottom", 8000, 35},
        {"Paklon's Platelegs", 15000, 50},
        {"Dark Thief's Platelegs", 55000, 70},
        {"Silver Moon Plateleegs", 100000, 90},
        {"Crested Platelegs", 150000, 120},
    },
    {  // Scout
        {"Battle Platelegs", 70, 8},
        {"Sparring Platelegs", 250, 12},
        {"White Platelegs", 1000, 20},
        {"Guard's Platelegs", 5000, 30},
        {"Guardian's Platelegs", 8000, 36},
        {"White Guardian's Platelegs", 12000, 45},
        {"Royal Guardian's Platelegs", 50000, 65},
        {"Adventurer's Platelegs", 80000, 75},
        {"Light Spirit's Robes", 90000, 85},
        {"White Spirit's Robes", 100000, 90},
    },
};

// The shields of the two classes that carry one.
constexpr GearOffer kShields[2][11] = {
    {  // Warrior
        {"Wooden Shield", 20, 3},
        {"Rusty Shield", 100, 6},
        {"Bronze Shield", 500, 10},
        {"Iron Shield", 1000, 16},
        {"Circle Shield Of Granite", 4000, 24},
        {"Square Granite Shield", 6000, 28},
        {"Crystal Shield", 10000, 35},
        {"Elemental Shield", 15000, 48},
        {"Dragon Shield", 24000, 56},
        {"Beloth's Shield", 50000, 68},
        {"Eldmyr's Shield", 75000, 82},
    },
    {  // Scout
        {"Metal Shield", 500, 10},
        {"Granite Shield", 3500, 20},
        {"Mithril Shield", 10000, 36},
        {"Adamantite Shield", 12000, 40},
        {"Adventurer's Shield", 20000, 48},
        {"Runite Shield", 40000, 60},
        kEmptySpot,
        kEmptySpot,
        kEmptySpot,
        kEmptySpot,
        kEmptySpot,
    },
};

// For every class alike.
constexpr GearOffer kCapes[] = {
    {"Ragged Cape", 10, 1},
    {"Blue Cape", 25, 5},
    {"Green Cape", 25, 5},
    {"Red Cape", 25, 5},
    {"Orange Cape", 25, 5},
    {"Purple Cape", 25, 5},
    {"Black Cape", 25, 5},
    {"Gray Cape", 25, 5},
    {"Brown Cape", 25, 5},
    {"White Cape", 100, 20},
    {"Cloak", 500, 36},
    {"Golden Cape", 1000, 44},
};

// Not in order of price.
constexpr GearOffer kRareHelms[] = {
    {"Golden Helm", 90000, 70},
    {"God Helm", 70000, 50},
    {"Spike Granite Helm", 1000, 15},
    {"Bear Head", 500, 10},
    {"Frog Head", 100, 10},
    {"Silver Crown", 100000, 75},
    {"Gold Crown", 180000, 100},
    {"Eldmyr's Helm", 400000, 220},
};

using ClassLists = std::array<std::span<const GearOffer>, 5>;

template <std::size_t N>
constexpr ClassLists PerClass(const GearOffer (&lists)[5][N]) {
    return {lists[0], lists[1], lists[2], lists[3], lists[4]};
}

template <std::size_t N>
constexpr ClassLists SameForAll(const GearOffer (&list)[N]) {
    return {list, list, list, list, list};
}

// One kind of armour: what each class is offered (or told instead), how the
// list is written and the slot a purchase goes to.
struct ArmorKind {
    ClassLists lists;
    std::array<const char*, 5> refusal{};  // for a class that is offered nothing
    const char* before = "";               // written before the list
    const char* afterName = ":\n Price: ";
    void (Player::*equip)(const Armor&);
};

constexpr ArmorKind kHelmKind{.lists = PerClass(kHelms), .before = "\n\n", .equip = &Player::SetHelm};
constexpr ArmorKind kPlatebodyKind{.lists = PerClass(kPlatebodies), .equip = &Player::SetPlatebody};
constexpr ArmorKind kPlatelegKind{.lists = PerClass(kPlatelegs), .equip = &Player::SetPlatelegs};
constexpr ArmorKind kShieldKind{
    .lists = {kShields[0], {}, {}, {}, kShields[1]},
    .refusal = {nullptr, "\n\n\nThere are no shields available for the mage class.\n\n\n",
                "\n\n\nThere are no shields available for the archer class.\n\n\n",
                "\n\n\nThere are no shields available for the thief class.\n\n\n", nullptr},
    .equip = &Player::SetShield};
constexpr ArmorKind kCapeKind{.lists = SameForAll(kCapes), .equip = &Player::SetCape};
constexpr ArmorKind kRareHelmKind{
    .lists = SameForAll(kRareHelms), .before = "\n\n", .afterName = "\n Price: ", .equip = &Player::SetHelm};

Transition helms(Player* player);
Transition platebodies(Player* player);
Transition platelegs(Player* player);
Transition shields(Player* player);
Transition capes(Player* player);
Transition rarehelms(Player* player);

// The sub-shops never hand control back, so going to one forgets whatever
// was waiting for the armory.
constexpr PlaceEntry kFront[] = {
    {.number = 1, .label = "1. Helms\n", .then = ReturnTo(helms)},
    {.number = 2, .label = "2. Platebodies\n", .then = ReturnTo(platebodies)},
    {.number = 3, .label = "3. Platelegs\n", .then = ReturnTo(platelegs)},
    {.number = 4, .label = "4. Shields\n", .then = ReturnTo(shields)},
    {.number = 5, .label = "5. Capes\n", .then = ReturnTo(capes)},
    {.number = 6, .label = "6. Rare Helms\n", .then = ReturnTo(rarehelms)},
    {.number = 7, .label = "7. Back To Town\n", .then = ReturnTo(town)},
};

bool IsEmptySpot(const GearOffer& offer) { return offer.name == kEmptySpot.name; }

void Greet() {
    io() << "All around you there are helms, platebodies, capes, and much more.\n"
            "The shopkeeper stands a distance away, polishing a breastplate.\n"
            "Brannock:\n"
            "Hello, interested in anything?\n";
    wait();
}

// The front screen's question. `handsBack` is 0 when no screen waits for the
// armory (after the shields refusal): an unknown key then asks again.
Transition armoryquestion(Player* player, int handsBack) {
    io() << "What kind of armor would you like to buy?\n\n";
    ShowMenu(kFront, *player);
    io().Prompt();
    const int key = KeyNumber(io().ReadChar());
    if (key < 1 || key > static_cast<int>(std::size(kFront))) return handsBack ? Back() : Stay();
    return Choose(kFront, key, *player);
}

// The front screen reached after the shields refusal, with nothing waiting.
Transition armoryalone(Player*) {
    Greet();
    return GoTo(Screen(armoryquestion, 0));
}

// Every sub-shop: lists the pieces for the hero's class and sells one.
// Cancelling opens the front screen, which resumes this list on a key it
// does not know.
Transition ShopFor(Player& hero, const ArmorKind& kind) {
    const std::size_t cls = ClassColumn(hero);
    if (kind.refusal[cls]) {
        io() << kind.refusal[cls];
        wait();
        return GoTo(armoryalone);
    }
    const std::span<const GearOffer> offers = kind.lists[cls];
    io() << kind.before;
    for (std::size_t i = 0; i < offers.size(); ++i) {
        const GearOffer& offer = offers[i];
        if (IsEmptySpot(offer)) continue;
        io() << i + 1 << ". " << offer.name << kind.afterName << offer.price << "\n Defense: " << offer.power
             << "\n\n";
    }
    io() << "\n";
    const ListChoice choice = ChooseFromList(static_cast<int>(offers.size()), -1);
    if (choice.Cancelled()) return Open(armory);
    if (!choice.IsEntry()) {
        io() << "\n";
        return Stay();
    }
    const GearOffer& offer = offers[static_cast<std::size_t>(choice.number - 1)];
    if (!CanPay(hero, offer.price)) {
        io() << "You don't have enough money.\n";
        wait();
        return Stay();
    }
    if (IsEmptySpot(offer)) {
        io() << "\n";
        return Stay();
    }
    io() << "Congratulations! You bought the " << offer.name << "!\n";
    Pay(hero, offer.price);
    (hero.*kind.equip)(offer.AsArmor());
    wait();
    return Stay();
}

Transition helms(Player* player) { return ShopFor(*player, kHelmKind); }
Transition platebodies(Player* player) { return ShopFor(*player, kPlatebodyKind); }
Transition platelegs(Player* player) { return ShopFor(*player, kPlatelegKind); }
Transition shields(Player* player) { return ShopFor(*player, kShieldKind); }
Transition capes(Player* player) { return ShopFor(*player, kCapeKind); }
Transition rarehelms(Player* player) { return ShopFor(*player, kRareHelmKind); }

}  // namespace

Transition armory(Player*) {
    Greet();
    return GoTo(Screen(armoryquestion, 1));
}

}  // namespace vaskarn

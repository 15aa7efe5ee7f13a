#include "crafting/smithing.h"

#include <span>
#include <string>

#include "core/numbered_list.h"
#include "core/pause.h"
#include "core/services.h"
#include "model/arith.h"
#include "model/player.h"
#include "world/purchase.h"

namespace vaskarn {
namespace {

// What the anvil can make: the price is the cost in bars, the power the
// weapon's damage or the helm's protection.
constexpr GearOffer kWeapons[] = {
    {"Bronze Sword", 2, 4},
    {"Bronze Scimitar", 5, 8},
    {"Iron Axe", 10, 16},
    {"Iron 2H", 16, 22},
    {"Steel Battle Axe", 22, 30},
    {"Mithril Longsword", 30, 36},
    {"Mithril 2H", 50, 48},
    {"Crystal Longsword", 80, 60},
    {"Eldmyr's Longsword", 200, 85},
};

constexpr GearOffer kHelms[] = {
    {"Bronze Med Helm", 3, 2},
    {"Iron Med Helm", 5, 6},
    {"Steel Med Helm", 10, 12},
    {"Granite Spiky Helm", 18, 20},
    {"Light Elf Helm", 25, 28},
    {"Dwarven Helm", 32, 36},
    {"Runite Med Helm", 40, 45},
    {"Dragon Rider's Helm", 44, 50},
    {"King's Helm", 50, 60},
    {"Golden Crown", 64, 74},
    {"Inferno Helm", 90, 85},
    {"Guilded Elf Helm", 120, 100},
};

constexpr int kWeaponXPPerBar = 10;
constexpr int kHelmXPPerBar = 20;
// A weapon can lift the smith through many levels at once; a helm, one.
constexpr int kWeaponLevelChecks = 20;
constexpr int kHelmLevelChecks = 1;

enum class Answer { Yes, No, Other };

// The prompt of a y/n question, whose text is already written.
Answer Ask() {
    io().Prompt();
    const std::string word = io().ReadWord();
    io() << "\n\n";
    if (IsYes(word)) return Answer::Yes;
    if (IsNo(word)) return Answer::No;
    return Answer::Other;
}

// The stock numbered from 1, an empty line after each piece; `describe`
// writes a piece's lines after its number.
template <typename Describe>
ListChoice ChooseFrom(std::span<const GearOffer> stock, Describe describe) {
    for (std::size_t i = 0; i < stock.size(); ++i) {
        io() << i + 1 << ". ";
        describe(stock[i]);
        io() << "\n\n";
    }
    io() << "\n";
    return ChooseFromList(static_cast<int>(stock.size()), -1);
}

// Takes the bars of `piece` and pays its smithing XP; false, with nothing
// taken, when the hero holds too few bars.
bool Forge(Player& hero, const GearOffer& piece, int xpPerBar) {
    if (hero.GetBars() < piece.price) return false;
    hero.UseBars(piece.price);
    hero.AddSmithingXP(SatMul(piece.price, xpPerBar));
    return true;
}

void CheckSmithing(Player& hero, int times) {
    for (int i = 0; i < times; ++i) hero.AddSmithingLevel(&hero);
}

// The weapon just made (its number in the stock, from 0): wield it or lose it.
Transition wieldweapon(Player* player, int made) {
    Player& hero = *player;
    const GearOffer& weapon = kWeapons[made];
    io() << "Do you want to use the " << weapon.name << " as your main weapon?(y/n)\n";
    switch (Ask()) {
    case Answer::Yes:
        hero.SetWeapon(weapon.AsWeapon());
        io() << "Congratulations! Your weapon is now the " << hero.GetWeapon()->GetName() << "!\n";
        wait();
        CheckSmithing(hero, kWeaponLevelChecks);
        break;
    case Answer::No:
        CheckSmithing(hero, kWeaponLevelChecks);
        break;
    case Answer::Other:
        break;  // lost, and its XP waits for the next check
    }
    return GoTo(smithweapon);
}

// The helm just made: wear it or lose it; any other answer leaves the anvil.
Transition wearhelm(Player* player, int made) {
    Player& hero = *player;
    io() << "Do you want to use it as your main helm?(y/n)\n";
    switch (Ask()) {
    case Answer::Yes:
        hero.SetHelm(kHelms[made].AsArmor());
        io() << "Your main helm is now the " << hero.GetHelm()->GetName() << ".\n";
        wait();
        CheckSmithing(hero, kHelmLevelChecks);
        return GoTo(smitharmor);
    case Answer::No:
        CheckSmithing(hero, kHelmLevelChecks);
        return GoTo(smitharmor);
    case Answer::Other:
        break;
    }
    return Back();
}

}  // namespace

Transition smithweapon(Player* player) {
    Player& hero = *player;
    const ListChoice choice = ChooseFrom(kWeapons, [](const GearOffer& w) {
        io() << w.name << ":\n Atk Power: " << w.power << "   Bars: " << w.price;
    });
    if (choice.Cancelled()) return Back();
    if (!choice.IsEntry()) {
        io() << "\n";
        return Stay();
    }
    const int made = choice.number - 1;
    const GearOffer& weapon = kWeapons[made];
    io() << "Are you sure you want to make the " << weapon.name << " for " << weapon.price << " bars?(y/n)\n";
    switch (Ask()) {
    case Answer::Yes:
        break;
    case Answer::No:
        io() << "\n";
        return Stay();
    case Answer::Other:
        return Stay();
    }
    if (!Forge(hero, weapon, kWeaponXPPerBar)) {
        io() << "You don't have enough bars to make that weapon.\n";
        wait();
        return Stay();
    }
    io() << "You make the " << weapon.name << ".\n";
    wait();
    io() << "\n\n";
    return GoTo(Screen(wieldweapon, made));
}

Transition smitharmor(Player* player) {
    Player& hero = *player;
    const ListChoice choice = ChooseFrom(kHelms, [](const GearOffer& h) {
        io() << h.name << ":\n Defense: " << h.power << "\n Bars: " << h.price;
    });
    if (choice.Cancelled()) return Back();
    if (!choice.IsEntry()) {
        io() << "\n";
        return Stay();
    }
    const int made = choice.number - 1;
    const GearOffer& helm = kHelms[made];
    io() << "Are you sure you want to smith the " << helm.name << " for " << helm.price << " bars?(y/n)\n";
    if (Ask() != Answer::Yes) return Stay();
    if (!Forge(hero, helm, kHelmXPPerBar)) {
        io() << "You don't have enough bars to make that armor.\n";
        wait();
        return Stay();
    }
    io() << "You make the " << helm.name << ".\n";
    return GoTo(Screen(wearhelm, made));
}

}  // namespace vaskarn

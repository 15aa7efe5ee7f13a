#include "crafting/herblore.h"

#include <string_view>

#include "core/numbered_list.h"
#include "core/pause.h"
#include "core/services.h"
#include "model/arith.h"
#include "model/items.h"
#include "model/player.h"

namespace vaskarn {
namespace {

struct Recipe {
    std::string_view name;
    int hp;      // HP restored
    int mp;      // MP restored
    int tokens;  // tokens it costs
};

constexpr Recipe kRecipes[] = {
    {"Small Tree Mana Potion", 0, 10, 2},
    {"Medium Tree Mana Potion", 0, 20, 4},
    {"Large Tree Mana Potion", 0, 50, 8},
    {"Elvish Tree Mana Potion", 0, 100, 12},
    {"Dwarven Mana Potion", 0, 200, 20},
    {"Frog Mana Potion", 0, 400, 32},
    {"Nature's Mana Potion", 0, 600, 44},
    {"Bamboo Tree Mana Potion", 0, 1200, 60},
    {"Frog Health Potion", 10, 0, 2},
    {"Bullfrog Health Potion", 20, 0, 4},
    {"Tree Sap Health Potion", 50, 0, 8},
    {"Vesk Health Potion", 100, 0, 12},
    {"Nature Health Potion", 200, 0, 18},
    {"Thick Honey Health Potion", 400, 0, 30},
    {"Bear Health Potion", 600, 0, 44},
    {"Wizard's Health Potion", 700, 0, 52},
    {"Mega Health Potion", 800, 0, 60},
    {"Eldmyr's Health Potion", 2000, 0, 82},
};

constexpr int kXPPerToken = 20;
constexpr int kLevelChecks = 20;

}  // namespace

Transition makepotion(Player* player) {
    Player& hero = *player;
    int number = 0;
    for (const Recipe& r : kRecipes)
        io() << ++number << ". " << r.name << " - HP: " << r.hp << " - MP: " << r.mp
             << " :: Tokens Required: " << r.tokens << "\n";
    io() << "\n";
    const ListChoice choice = ChooseFromList(number, -1);
    if (choice.Cancelled()) return Back();
    if (!choice.IsEntry()) {
        io() << "\n";
        return Stay();
    }
    const Recipe& recipe = kRecipes[choice.number - 1];
    if (hero.GetTokens() < recipe.tokens) {
        io() << "You don't have enough tokens.\n";
        wait();
        return Stay();
    }
    // A full potion list would refund the potion's price, which here counts
    // tokens, as gold: refuse before anything is mixed instead.
    if (!hero.HasRoomForPotion(recipe.name)) {
        io() << "You can't hold any more potions, your potion inventory is full.\n";
        wait();
        return Stay();
    }
    io() << "You mix " << recipe.tokens << " tokens in a cauldron, and when it's\n"
         << "done, you take out the " << recipe.name << ".\n";
    hero.UseTokens(recipe.tokens);
    Potion made;
    made.CreatePotion(recipe.name, recipe.hp, recipe.mp, recipe.tokens);
    hero.AddPotion(&made);
    hero.AddHerbloreXP(SatMul(recipe.tokens, kXPPerToken));
    wait();
    for (int i = 0; i < kLevelChecks; ++i) hero.AddHerbloreLevel(&hero);
    return Stay();
}

}  // namespace vaskarn

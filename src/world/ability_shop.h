#pragma once

#include <memory>
#include <span>
#include <vector>

#include "core/numbered_list.h"
#include "core/pause.h"
#include "core/screen.h"
#include "core/services.h"
#include "model/player.h"
#include "world/purchase.h"

namespace vaskarn {

// An offer of a shop that teaches spells or special attacks: a new object of
// its kind, made with the kind's own defaults, so a name, price or strength
// lives only in the kinds' tables.
template <typename Ability>
using MakeAbility = std::unique_ptr<Ability> (*)();

template <typename Ability, typename Kind>
std::unique_ptr<Ability> Offer() {
    return std::make_unique<Kind>();
}

// What a teacher says.
struct AbilityShopWords {
    const char* bought;     // before the name of what was bought
    const char* boughtEnd;  // after it
    const char* refusal;    // when the gold is short
};

inline void Learn(Player& hero, const Spell& spell) { hero.AddSpell(&spell); }
inline void Learn(Player& hero, const Special_Attack& attack) { hero.AddSpecialAttack(&attack); }

// One round of a teacher's list: the offers numbered from 1 with their
// prices, then "0. Cancel". 0 leads to `cancel`; a number outside the list
// writes an empty line; short gold gets the refusal and a pause; a purchase
// is announced, paid, paused over, then learned (a kind already known is
// replaced and refunded by the hero's own list). Every case but 0 stays.
template <typename Ability>
Transition SellAbilities(Player& hero, std::span<const MakeAbility<Ability>> makers, const AbilityShopWords& words,
                         Transition cancel) {
    std::vector<std::unique_ptr<Ability>> offers;
    for (const MakeAbility<Ability> make : makers) {
        offers.push_back(make());
        io() << offers.size() << ". " << offers.back()->GetName() << " - Price: " << offers.back()->GetPrice() << "\n";
    }
    io() << "\n";
    const ListChoice choice = ChooseFromList(static_cast<int>(offers.size()), -1);
    if (choice.Cancelled()) return cancel;
    if (!choice.IsEntry()) {
        io() << "\n";
        return Stay();
    }
    const Ability& offer = *offers[static_cast<std::size_t>(choice.number - 1)];
    if (!CanPay(hero, offer.GetPrice())) {
        io() << words.refusal;
        wait();
        return Stay();
    }
    io() << words.bought << offer.GetName() << words.boughtEnd;
    Pay(hero, offer.GetPrice());
    wait();
    Learn(hero, offer);
    return Stay();
}

}  // namespace vaskarn

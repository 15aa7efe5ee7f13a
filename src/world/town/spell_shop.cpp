#include "world/town/spell_shop.h"

#include <array>
#include <cstddef>
#include <memory>

#include "abilities/spells.h"
#include "core/numbered_list.h"
#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "world/purchase.h"
#include "world/town/town.h"

namespace vaskarn {
namespace {

using MakeOffer = std::unique_ptr<Spell> (*)();

template <class Kind>
std::unique_ptr<Spell> Make() {
    return std::make_unique<Kind>();
}

// The kinds on sale, in the order of the shop's list. Each offer is made
// with its kind's own defaults, so a name, price or strength lives only in
// the kinds' table.
constexpr MakeOffer kOffers[] = {
    Make<Fireball>, Make<Inferno>, Make<Probe>, Make<Minor_Healing>,
    Make<Major_Healing>, Make<Blaze>, Make<Cleave>, Make<Wave>,
    Make<Spirit>, Make<Poison>, Make<Unpoison>, Make<Magic_Bullet>,
    Make<Lightning>, Make<Alchemy>, Make<Random>, Make<Sapphire>,
};
constexpr int kOfferCount = static_cast<int>(std::size(kOffers));

}  // namespace

Transition spellshop(Player* player) {
    std::array<std::unique_ptr<Spell>, kOfferCount> offers;
    for (int i = 0; i < kOfferCount; ++i) {
        offers[i] = kOffers[i]();
        io() << i + 1 << ". " << offers[i]->GetName() << " - Price: " << offers[i]->GetPrice() << "\n";
    }
    io() << "\n";

    const ListChoice choice = ChooseFromList(kOfferCount, -1);
    if (choice.Cancelled()) return ReturnTo(town);
    if (!choice.IsEntry()) {
        io() << "\n";
        return Stay();
    }

    const Spell& offer = *offers[choice.number - 1];
    if (!CanPay(*player, offer.GetPrice())) {
        io() << "You can't afford that spell.\n";
        wait();
        return Stay();
    }
    io() << "You bought the spell " << offer.GetName() << "!\n";
    Pay(*player, offer.GetPrice());
    wait();
    // A spell already known is replaced and its price refunded by the hero's
    // own collection, with its own words.
    player->AddSpell(&offer);
    return Stay();
}

}  // namespace vaskarn

#include <algorithm>
#include <memory>

#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"

namespace vaskarn {

void Player::AddPotion(const Potion* p) {
    if (p == nullptr) return;
    if (Potion* held = FindByName(potion, p->GetName())) {
        held->AddAmount(1);  // one unit per call, whatever the offer's amount
        return;
    }
    if (auto* slot = LowestFree(potion)) {
        auto made = std::make_unique<Potion>();
        made->CreatePotion(p->GetName(), p->GetHPRestore(), p->GetMPRestore(), p->GetPrice());
        made->SetAmount(p->GetAmount());
        *slot = std::move(made);
        return;
    }
    io() << "You can't hold any more potions, your potion inventory is full.\n";
    AddGold(p->GetPrice());
    wait();
    io() << "\n";
}

void Player::AddPotions(const Potion* p, int count) {
    if (p == nullptr || count < 1) return;
    if (Potion* held = FindByName(potion, p->GetName())) {
        held->AddAmount(count);
        return;
    }
    if (auto* slot = LowestFree(potion)) {
        auto made = std::make_unique<Potion>();
        made->CreatePotion(p->GetName(), p->GetHPRestore(), p->GetMPRestore(), p->GetPrice());
        made->SetAmount(SatAdd(p->GetAmount(), count - 1));
        *slot = std::move(made);
        return;
    }
    // Each unit refunds its price, as that many single additions would; the
    // refusal is said once.
    io() << "You can't hold any more potions, your potion inventory is full.\n";
    AddGold(SatMul(p->GetPrice(), count));
    wait();
    io() << "\n";
}

bool Player::HasRoomForPotion(std::string_view name) const {
    return Holds(potion, name) || std::find(potion.begin(), potion.end(), nullptr) != potion.end();
}

void Player::AddSpell(const Spell* s) {
    if (s == nullptr) return;
    for (auto& held : spell) {
        if (held && held->GetName() == s->GetName()) {
            io() << "You already have the spell " << s->GetName() << ".\n";
            AddGold(s->GetPrice());
            held.reset();
            wait();
        }
    }
    auto* slot = LowestFree(spell);
    if (slot == nullptr) return;
    *slot = MakeSpell(s);  // nothing for a type that names no kind
}

void Player::AddSpecialAttack(const Special_Attack* a) {
    if (a == nullptr) return;
    for (auto& held : specialattack) {
        if (held && held->GetName() == a->GetName()) {
            io() << "You already have the special attack " << a->GetName() << ".\n";
            held.reset();
            AddGold(a->GetPrice());
            wait();
        }
    }
    auto* slot = LowestFree(specialattack);
    if (slot == nullptr) return;
    *slot = MakeSpecialAttack(a);  // nothing for a type that names no kind
}

void Player::AddItem(const Inventory* i) {
    if (i == nullptr) return;
    if (auto* slot = LowestFree(inventory)) {
        auto made = std::make_unique<Inventory>();
        made->CreateItem(i->GetName(), i->GetPrice());
        *slot = std::move(made);
        return;
    }
    io() << "You don't have enough room in your inventory to store any more items.\n";
    wait();
}

void Player::AddGod_Power(const God_Power* g) {
    if (g == nullptr) return;
    if (auto* slot = LowestFree(godpower)) {
        auto made = std::make_unique<God_Power>();
        made->CreateGodPower(g->GetName(), g->GetPower());
        *slot = std::move(made);
    }
}

void Player::AddBlessing(const Blessings* b) {
    if (b == nullptr) return;
    if (auto* slot = LowestFree(blessings)) {
        auto made = std::make_unique<Blessings>();
        made->CreateBlessing(b->GetName(), b->GetValue());
        *slot = std::move(made);
    }
}

}  // namespace vaskarn

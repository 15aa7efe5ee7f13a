#include "abilities/special_attacks.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "core/pause.h"
#include "core/services.h"
#include "model/arith.h"

namespace vaskarn {
namespace {

using Maker = std::unique_ptr<Special_Attack> (*)(const Special_Attack*);

template <typename Kind>
std::unique_ptr<Special_Attack> Make(const Special_Attack* from) {
    return std::make_unique<Kind>(from);
}

struct KindRow {
    Special_Attack_Type type;
    SpecialAttackDefaults defaults;
    Maker make;
};

// Every kind in type order: its class, name, price, energy cost and power.
constexpr std::array<KindRow, kLastSpecialAttackType + 1> kKinds{{
    {ST_0, {"", 0, 0, 0}, &Make<Special_Attack>},
    {ST_CLEAVE1, {"Cleave", 8000, 55, 36}, &Make<Cleave1>},
    {ST_RAMPAGE, {"Rampage", 2000, 50, 20}, &Make<Rampage>},
    {ST_SWEEP, {"Sweep", 2000, 40, 25}, &Make<Sweep>},
    {ST_PUNCTURE, {"Puncture", 500, 20, 10}, &Make<Puncturing>},
    {ST_PBLADE, {"Poison Blade", 100, 20, 5}, &Make<Poison_Blade>},
    {ST_THRUST, {"Thrust", 3000, 45, 15}, &Make<Thrust>},
    {ST_STAB, {"Stab", 2000, 20, 5}, &Make<Stab>},
    {ST_JAB, {"Jab", 4000, 45, 15}, &Make<Jab>},
    {ST_CRUSH, {"Crush", 10000, 70, 50}, &Make<Crush>},
    {ST_FIREBLADE, {"Fire Blade", 5000, 60, 45}, &Make<Fire_Blade>},
    {ST_WATERBLADE, {"Water Blade", 3000, 40, 30}, &Make<Water_Blade>},
    {ST_EARTHBLADE, {"Earth Blade", 4000, 55, 45}, &Make<Earth_Blade3>},
    {ST_LIGHTBLADE, {"Light Blade", 4000, 45, 36}, &Make<Light_Blade3>},
    {ST_CUTTER, {"Cutter", 7000, 55, 120}, &Make<Cutter2>},
    {ST_FLASH, {"Flash", 8000, 60, 140}, &Make<Flash2>},
    {ST_THROW, {"Throw", 5000, 30, 45}, &Make<Throw2>},
    {ST_SPIN, {"Spin", 6000, 40, 70}, &Make<Spin2>},
    {ST_MULTIPLY, {"Multiply", 20000, 170, 40}, &Make<Multiply2>},
    {ST_FORGEDSWORD, {"Forged Sword", 200000, 270, 500}, &Make<Forged_Sword>},
    {ST_FINISHER, {"Finisher", 400000, 250, 1500}, &Make<Finisher1>},
    {ST_MIDAIRCUT, {"Midair Cut", 200000, 120, 220}, &Make<Midair_Cut>},
    {ST_FINALCUTTER, {"Final Cutter", 200000, 220, 600}, &Make<Final_Cutter>},
}};

constexpr bool RowsAreInTypeOrder() {
    for (std::size_t i = 0; i < kKinds.size(); ++i) {
        if (static_cast<std::size_t>(kKinds[i].type) != i) return false;
    }
    return true;
}
static_assert(RowsAreInTypeOrder(), "the kinds' table must be indexed by Special_Attack_Type");

bool NamesAKind(std::int32_t type) { return type >= 0 && type <= kLastSpecialAttackType; }

// A draw that only advances the generator.
void DiscardDraw() { static_cast<void>(rng().Next()); }

}  // namespace

const SpecialAttackDefaults& DefaultsFor(Special_Attack_Type kind) {
    return kKinds[NamesAKind(kind) ? static_cast<std::size_t>(kind) : std::size_t{0}].defaults;
}

std::unique_ptr<Special_Attack> MakeSpecialAttack(const Special_Attack* from) {
    if (from == nullptr || !NamesAKind(from->GetAttackType())) return nullptr;
    return kKinds[static_cast<std::size_t>(from->GetAttackType())].make(from);
}

void Cleave1::AttackOn(Entity& target) {
    random();
    const int x = Draw(10);
    const int y = Draw(10);
    const int damage = SatAdd(SatAdd(x, power), y);
    io() << "You hold your sword high up in the air, and it comes slashing\n"
         << "down with a sharp sound at the " << target.GetName() << ".\n"
         << "The " << target.GetName() << " is hit for " << damage << " damage.\n";
    target.LoseHP(damage);
}

void Rampage::AttackOn(Entity& target) {
    random();
    const int r = Draw(3);
    const int damage = r == 0 ? 0 : r == 1 ? power : SatMul(2, power);
    io() << "You swing your sword at the " << target.GetName() << ", damaging him for\n" << damage << ".\n";
    target.LoseHP(damage);
}

void Sweep::AttackOn(Entity& target) {
    io() << "You hold up your weapon and sweep it at the " << target.GetName() << ".\n"
         << "You hit him for " << power << ".\n";
    target.LoseHP(power);
}

void Puncturing::AttackOn(Entity& target) {
    io() << "You hold your weapon towards the " << target.GetName() << ", preparing\n"
         << "to hit him. You charge at him, hitting him for " << power << ".\n";
    target.LoseHP(power);
}

void Poison_Blade::AttackOn(Entity& target) {
    random();
    // The blade still spends three draws, which keeps later draws in step.
    DiscardDraw();
    DiscardDraw();
    DiscardDraw();
    io() << "You poison the " << target.GetName() << ".\n";
    target.SetPoisoned(true);
}

void Thrust::AttackOn(Entity& target) {
    io() << "You spin your sword as if you were twisting it, and hit the\n"
         << target.GetName() << " for " << power << " damage.\n";
    target.LoseHP(power);
}

void Stab::AttackOn(Entity& target) {
    const int x = Draw(5);
    const int y = Draw(5);
    const int z = Draw(5);
    const int damage = SatAdd(SatAdd(x, power), y);
    io() << "You perform a stabbing move at the " << target.GetName() << ",\n"
         << "hitting him for " << damage << " damage.\n";
    target.LoseHP(damage);
    if (z == 1 || z == 3) {
        io() << "You also poisoned the " << target.GetName() << ".\n";
        target.SetPoisoned(true);
    }
}

void Jab::AttackOn(Entity& target) {
    const int damage = SatAdd(power, Draw(6));
    const int hit = Draw(10);
    if (hit == 0) {
        io() << "Your jab move missed.\n";
        return;
    }
    io() << "You jab your sword at the " << target.GetName() << ", hitting him\n"
         << "for " << damage << ".\n";
    target.LoseHP(damage);
}

void Crush::AttackOn(Entity& target) {
    if (Draw(20) < 16) {
        io() << "Your crushing move missed the " << target.GetName() << ".\n";
        return;
    }
    io() << "You hold up your sword, and bring it down flying at the\n"
         << target.GetName() << ", damaging it for " << power << " damage.\n";
    target.LoseHP(power);
}

void Fire_Blade::AttackOn(Entity& target) {
    random();
    const int damage = SatAdd(power, Draw(15));
    io() << "You charge up your sword for a massive inferno, and when you\n"
         << "release it, the inferno immediately burns the\n"
         << target.GetName() << ", dealing it for " << damage << " damage.\n";
    target.LoseHP(damage);
}

void Water_Blade::AttackOn(Entity& target) {
    random();
    const int damage = SatAdd(power, Draw(15));
    io() << "You charge up your sword for a massive wave of water.\n"
         << "When you release it, a huge wave covers up the\n"
         << target.GetName() << " completely and hits him for " << damage << "\n"
         << "damage.\n";
    target.LoseHP(damage);
}

void Earth_Blade3::AttackOn(Entity& target) {
    const int damage = SatAdd(power, Draw(10));
    io() << "You bring a rock from the ground, and it flies at the\n"
         << target.GetName() << ", damaging it for " << damage << " damage.\n";
    target.LoseHP(damage);
}

void Light_Blade3::AttackOn(Entity& target) {
    const int damage = SatAdd(power, Draw(15));
    io() << "You flash a wide beam of light at the " << target.GetName() << ".\n"
         << "The " << target.GetName() << " is hit for " << damage << ".\n";
    target.LoseHP(damage);
}

void Cutter2::AttackOn(Entity& target) {
    const int damage = SatAdd(power, Draw(20));
    io() << "You swing your sword in a circular motion at an extremely fast speed,\n"
         << "and charge at the " << target.GetName() << ". The sword\n"
         << "hits it, damaging it for " << damage << ".\n";
    target.LoseHP(damage);
}

void Flash2::AttackOn(Entity& target) {
    const int damage = SatAdd(power, Draw(30));
    io() << "A flash shines from your sword, and flies at the " << target.GetName() << ".\n"
         << "The " << target.GetName() << " is hit for " << damage << ".\n";
    target.LoseHP(damage);
}

void Throw2::AttackOn(Entity& target) {
    io() << "You throw your sword at the " << target.GetName() << ", damaging it\n"
         << "for " << power << " damage.\n";
    target.LoseHP(power);
}

void Spin2::AttackOn(Entity& target) {
    io() << "You spin your sword, and throw it like a boomerang at the\n"
         << target.GetName() << ". The " << target.GetName() << " is hit for\n"
         << power << " damage.\n";
    target.LoseHP(power);
}

void Multiply2::AttackOn(Entity& target) {
    const int n = 1 + Draw(10);
    const int damage = SatMul(power, n);
    io() << "Your sword starts to gain energy. On the handle of your sword,\n"
         << "you see a number. It is " << n << ". The " << target.GetName() << "\n"
         << "is hit for " << damage << " damage.\n";
    target.LoseHP(damage);
}

void Forged_Sword::AttackOn(Entity& target) {
    const int damage = 202 + 2 * Draw(400);
    io() << "You hold your sword up in the sky. It charges up, as the heat\n"
         << "flows into it. Soon, it is all charged, and you lunge at the\n"
         << target.GetName() << ". The " << target.GetName() << " is\n"
         << "hit for " << damage << " damage.\n";
    target.LoseHP(damage);
}

void Finisher1::AttackOn(Entity& target) {
    const int r = Draw(25);
    io() << "You charge at the " << target.GetName() << " with your sword...\n";
    if (r != 21) {
        io() << "You missed him, better luck next time.\n";
        return;
    }
    io() << "You hit him for " << power << " damage.\n";
    target.LoseHP(power);
}

void Midair_Cut::AttackOn(Entity& target) {
    io() << "You jump up in midair, taken the " << target.GetName() << " with\n"
         << "you. Then, you slash at him with your sword, hitting him\n";
    const int damage = SatAdd(power, Draw(40));
    io() << "for " << damage << " damage.\n";
    target.LoseHP(damage);
}

void Final_Cutter::AttackOn(Entity& target) {
    io() << "You charge up your sword from the sky, and lunge at the\n"
         << target.GetName() << ", hitting it for " << power << " damage.\n";
    target.LoseHP(power);
}

}  // namespace vaskarn

#include "abilities/spells.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/pause.h"
#include "core/services.h"
#include "model/arith.h"
#include "model/name.h"

namespace vaskarn {
namespace {

using Maker = std::unique_ptr<Spell> (*)(const Spell*);

template <typename Kind>
std::unique_ptr<Spell> Make(const Spell* from) {
    return std::make_unique<Kind>(from);
}

struct KindRow {
    Spell_Type type;
    SpellDefaults defaults;
    Maker make;
};

// Every kind in type order: its class, name, price, MP cost and power.
constexpr std::array<KindRow, kLastSpellType + 1> kKinds{{
    {ST_GENERIC, {"", 0, 0, 0}, &Make<Spell>},
    {ST_FIREBALL, {"Fireball", 50, 10, 10}, &Make<Fireball>},
    {ST_INFERNO, {"Inferno", 1000, 30, 20}, &Make<Inferno>},
    {ST_SAPPHIRE, {"Sapphire Energy", 50000, 80, 50}, &Make<Sapphire>},
    {ST_PROBE, {"Probe", 100, 5, 0}, &Make<Probe>},
    {ST_MINOR_HEALING, {"Minor Healing", 200, 5, 20}, &Make<Minor_Healing>},
    {ST_MAJOR_HEALING, {"Major Healing", 500, 20, 70}, &Make<Major_Healing>},
    {ST_BLAZE, {"Blaze", 2000, 50, 20}, &Make<Blaze>},
    {ST_CLEAVE, {"Cleave", 2000, 30, 30}, &Make<Cleave>},
    {ST_WAVE, {"Wave", 1500, 40, 20}, &Make<Wave>},
    {ST_SPIRIT, {"Spirit Summoning Level 1", 10000, 80, 45}, &Make<Spirit>},
    {ST_POISON, {"Poison", 100, 10, 0}, &Make<Poison>},
    {ST_LIGHTNING, {"Lightning", 2000, 55, 25}, &Make<Lightning>},
    {ST_SOUL_CHARGE, {"Soul Charge", 75000, 150, 81}, &Make<Soul_Charge>},
    {ST_UNPOISON, {"Unpoison", 100, 10, 0}, &Make<Unpoison>},
    {ST_ALCHEMY, {"Alchemy", 1000, 15, 0}, &Make<Alchemy>},
    {ST_FUSION, {"Fusion", 5000, 40, 10}, &Make<Fusion>},
    {ST_MAGIC_BULLET, {"Magic Bullet", 50, 15, 15}, &Make<Magic_Bullet>},
    {ST_FOR_CAMELOT, {"For Camelot", 15000, 40, 20}, &Make<For_Camelot>},
    {ST_BLACK_MAGIC, {"Black Magic", 20000, 70, 40}, &Make<Black_Magic>},
    {ST_RANDOM, {"Random", 1000, 20, 20}, &Make<Random>},
    {ST_PARRY, {"Parry", 4000, 25, 0}, &Make<Parry>},
    {ST_HEAD_BASH, {"Head Bash", 50, 0, 5}, &Make<Head_Bash>},
    {ST_VESK_SONG, {"Vesk Song", 2000, 20, 20}, &Make<Vesk_Song>},
    {ST_LIGHT_ORB, {"Light Orb", 1000, 50, 10}, &Make<Light_Orb2>},
    {ST_UNLEASH, {"Unleash", 10000, 75, 80}, &Make<Unleash>},
    {ST_BARRELFIRE, {"Barrel Fire", 25000, 100, 120}, &Make<Barrel_Fire>},
    {ST_GODSHAND, {"God's Hand", 200000, 100, 20}, &Make<Gods_Hand>},
    {ST_GODSARROW, {"God's Arrow", 200000, 140, 20}, &Make<Gods_Arrow>},
    {ST_GODSFIRE, {"God's Fire", 200000, 180, 50}, &Make<Gods_Fire>},
    {ST_UNLEASHED, {"Unleashed", 600000, 270, 200}, &Make<Unleashed2>},
    {ST_FLAMETHROWER, {"Flamethrower", 200000, 200, 250}, &Make<Flamethrower>},
    {ST_FLAMINGTORCH, {"Flaming Torch", 200000, 230, 500}, &Make<Flaming_Torch>},
}};

constexpr bool RowsAreInTypeOrder() {
    for (std::size_t i = 0; i < kKinds.size(); ++i) {
        if (static_cast<std::size_t>(kKinds[i].type) != i) return false;
    }
    return true;
}
static_assert(RowsAreInTypeOrder(), "the kinds' table must be indexed by Spell_Type");

// The fixed strength of a kind that ignores its record's power field, so a
// record carrying another value (from an old save, say) still hits as sold.
constexpr int StandardPower(Spell_Type kind) { return kKinds[static_cast<std::size_t>(kind)].defaults.power; }

// Some kinds take a draw whose value plays no part: the generator still moves on.
void DrawAndDiscard() { static_cast<void>(rng().Next()); }

// The target's name with " (Cursed)" behind it, cut to what the name field holds.
std::string CursedName(std::string_view name) {
    std::string cursed(name);
    cursed += " (Cursed)";
    cursed.resize(std::min(cursed.size(), Name::kCapacity));
    return cursed;
}

void Heal(Entity& target, int amount) {
    io() << "You heal " << target.GetName() << " for " << amount << ".\n";
    target.AddHP(amount);
}

}  // namespace

const SpellDefaults& DefaultsFor(Spell_Type kind) {
    if (kind < 0 || kind > kLastSpellType) return kKinds[ST_GENERIC].defaults;
    return kKinds[static_cast<std::size_t>(kind)].defaults;
}

std::unique_ptr<Spell> MakeSpell(const Spell* from) {
    if (from == nullptr) return nullptr;
    const std::int32_t type = from->GetSpellType();
    if (type < 0 || type > kLastSpellType) return nullptr;
    return kKinds[static_cast<std::size_t>(type)].make(from);
}

void Fireball::CastOn(Entity& target) {
    io() << "From your hand, you summon a ball of fire that flies at the " << target.GetName() << ",\n"
         << "damaging him for " << power << " damage.\n";
    target.LoseHP(power);
}

void Inferno::CastOn(Entity& target) {
    const int r = Draw(5);
    io() << "You summon a blazing wall of fire at the " << target.GetName() << ".\n";
    if (r >= 3) {
        const int damage = StandardPower(ST_INFERNO);
        io() << "The blazing wall of fire blasts the " << target.GetName() << " for\n" << damage << " damage.\n";
        target.LoseHP(damage);
    } else {
        io() << "Your wall of fire burns out.\n";
    }
}

void Sapphire::CastOn(Entity& target) {
    io() << "From your hand, a powerful ball of Sapphire Energy smotes the\n"
         << target.GetName() << " on the chest. He falls to the ground, bleeding.\n";
    target.LoseHP(StandardPower(ST_SAPPHIRE));
}

void Probe::CastOn(Entity& target) {
    io() << target.GetName() << "\n"
         << "XP: " << target.GetXP() << "\n"
         << "HP: " << target.GetHP() << "\n"
         << "Max HP: " << target.GetMaxHP() << "\n"
         << "Gold: " << target.GetGold() << "\n";
}

void Minor_Healing::CastOn(Entity& target) { Heal(target, StandardPower(ST_MINOR_HEALING)); }

void Major_Healing::CastOn(Entity& target) { Heal(target, StandardPower(ST_MAJOR_HEALING)); }

void Blaze::CastOn(Entity& target) {
    io() << "You begin to charge up a powerful blast.\n"
         << "How much energy would you like to charge?\n";
    io().Prompt();
    // Anything that is not a number reads as 0, a charge too weak to fire.
    const int energy = io().ExtractNumber(0);
    io().DiscardLine(20);
    if (energy >= 5 && energy <= 20) {
        io() << "You hit the " << target.GetName() << " for " << energy << " damage.\n";
        target.LoseHP(energy);
    } else {
        io() << "Your ball of energy fizzles.\n";
    }
}

void Cleave::CastOn(Entity&) {
    DrawAndDiscard();
    io() << "You miss the target.\n";
}

void Wave::CastOn(Entity& target) {
    if (Draw(100) >= 51) {
        const int damage = StandardPower(ST_WAVE);
        io() << "You summon a huge wave of water that hits the " << target.GetName() << "\n"
             << "It damages the " << target.GetName() << " for " << damage << ".\n";
        target.LoseHP(damage);
    } else {
        io() << "Your wave collapses.\n";
    }
}

void Spirit::CastOn(Entity& target) {
    DrawAndDiscard();
    const int damage = StandardPower(ST_SPIRIT);
    io() << "You summon a black dog, that attacks the " << target.GetName() << "\n"
         << "for " << damage << " damage.\n";
    target.LoseHP(damage);
    io() << "The " << target.GetName() << " is now also poisoned.\n";
    target.SetPoisoned(true);
    io() << "The " << target.GetName() << " takes 10 damage because of the\n"
         << "dog bite.\n";
    target.LoseHP(10);
}

void Poison::CastOn(Entity& target) {
    if (target.IsPoisoned()) {
        io() << "The " << target.GetName() << " is already poisoned.\n";
    } else {
        io() << "You poison the " << target.GetName() << ".\n";
        target.SetPoisoned(true);
    }
}

void Lightning::CastOn(Entity& target) {
    const int damage = StandardPower(ST_LIGHTNING);
    io() << "From your hand you summon a streak of lightning that hits the\n"
         << target.GetName() << " for " << damage << " damage.\n";
    target.LoseHP(damage);
}

void Soul_Charge::CastOn(Entity&) {
    DrawAndDiscard();
    io() << "You begin to charge up a powerful beam of energy...\n"
         << "Your spell fails.\n";
}

void Unpoison::CastOn(Entity& target) {
    if (target.IsPoisoned()) {
        io() << target.GetName() << " is no longer poisoned.\n";
        target.SetPoisoned(false);
    } else {
        io() << target.GetName() << " is not poisoned.\n";
    }
}

void Alchemy::CastOn(Entity& target) {
    io() << "How much gold would you like to convert to HP?\n";
    io().Prompt();
    // A negative amount would turn into a loss of HP, so it is refused like a
    // non-number (which reads as -1).
    const int amount = io().ReadNumber(-1);
    if (amount < 0 || target.GetGold() < amount) {
        io() << "You fail to complete the spell because " << target.GetName() << " does\n"
             << "not have enough gold.\n";
        return;
    }
    target.SpendGold(amount);
    target.AddHP(amount);
    io() << "You convert " << amount << " gold into " << amount << " HP.\n"
         << "The " << target.GetName() << " has " << target.GetGold() << " gold left and now "
         << target.GetHP() << " HP.\n";
}

void Fusion::CastOn(Entity& target) {
    if (Draw(20) == 1) {
        const int damage = StandardPower(ST_FUSION);
        io() << "You fuse the " << target.GetName() << "'s attributes in half.\n"
             << "The " << target.GetName() << " is damaged for " << damage << "\n"
             << "during the fusion process.\n";
        target.SetMaxHP(1);
        target.LoseHP(damage);
    } else {
        io() << "Your fusion fails.\n";
    }
}

void Magic_Bullet::CastOn(Entity& target) {
    const int damage = StandardPower(ST_MAGIC_BULLET) + Draw(5);
    io() << "A magic bullet flies at the " << target.GetName() << " and hits him\n"
         << "for " << damage << " damage.\n";
    target.LoseHP(damage);
}

void For_Camelot::CastOn(Entity& target) {
    const int healing = StandardPower(ST_FOR_CAMELOT);
    io() << "You swing your sword high up in the air and shout\n"
         << "\"For Camelot!\". " << target.GetName() << " is healed for\n"
         << healing << ".\n";
    target.AddHP(healing);
}

void Black_Magic::CastOn(Entity& target) {
    // The draws are taken one by one, in this order, so the sequence is fixed.
    int damage = StandardPower(ST_BLACK_MAGIC);
    damage += Draw(4);
    DrawAndDiscard();
    damage += Draw(2);
    damage += Draw(5);
    damage += Draw(5);
    damage += Draw(4);
    damage += Draw(15);
    DrawAndDiscard();
    io() << "You cast a dark magic of black lightning, which hits the\n"
         << target.GetName() << " and explodes, dealing him for " << damage << "\n"
         << "damage.\n";
    target.LoseHP(damage);
}

void Random::CastOn(Entity& target) {
    const int r = Draw(6);
    io() << "You mutter some random words...\n";
    switch (r) {
        case 0: {
            const int damage = StandardPower(ST_RANDOM);
            io() << "The " << target.GetName() << " is hit for " << damage << " damage.\n";
            target.LoseHP(damage);
            break;
        }
        case 1:
            io() << "The " << target.GetName() << " is now poisoned.\n";
            target.SetPoisoned(true);
            break;
        case 2:
            io() << "The " << target.GetName() << " is healed for 50.\n";
            target.AddHP(50);
            break;
        case 3:
            io() << "The " << target.GetName() << " is now dead.\n";
            target.SetHP(0);
            break;
        case 4:
            if (target.IsPoisoned()) {
                io() << "The " << target.GetName() << " takes 10 damage from poison.\n";
                target.LoseHP(10);
            } else {
                io() << "The " << target.GetName() << " is now poisoned.\n";
                target.SetPoisoned(true);
            }
            break;
        default:
            io() << "But nothing happens.\n";
            break;
    }
}

void Parry::CastOn(Entity& target) {
    if (Draw(6) == 3) {
        io() << "You parry the " << target.GetName() << "'s attack and hit him\n"
             << "back for 15 damage.\n";
        target.LoseHP(15);
    } else {
        io() << "You fail the parry move, and end up hitting the " << target.GetName() << "\n"
             << "for " << StandardPower(ST_PARRY) << " damage.\n";
    }
}

void Head_Bash::CastOn(Entity& target) {
    const int damage = StandardPower(ST_HEAD_BASH);
    io() << "You run toward the " << target.GetName() << ", and then hit him\n"
         << "with your head for " << damage << " damage.\n";
    target.LoseHP(damage);
}

void Vesk_Song::CastOn(Entity& target) {
    io() << "You begin to sing a song.\n"
         << "What kind of song would you like to sing?\n"
         << "1. Rock\n"
         << "2. Rap\n"
         << "3. Techno\n";
    io().Prompt();
    const int standard = StandardPower(ST_VESK_SONG);
    // Other words are passed over silently until a song is named; the end of
    // input ends the game, so this never spins without reading.
    for (;;) {
        const std::string song = io().ExtractWord();
        io().DiscardChar();
        if (song == "1") {
            const int x = Draw(4);
            const int y = Draw(5);
            const int damage = 5 + standard - x + y / 2;
            io() << "You sing a rock song, even though there is no music.\n"
                 << "The " << target.GetName() << " is damaged for " << damage << ".\n";
            target.LoseHP(damage);
            return;
        }
        if (song == "2") {
            const int a = Draw(7);
            const int b = Draw(10);
            const int c = Draw(14);
            const int damage = a + standard - b + c;
            io() << "You start to rap. You are a terrible rapper!\n"
                 << "The " << target.GetName() << " is so annoyed about the song\n"
                 << "that he hits himself on the head for " << damage << " damage.\n";
            target.LoseHP(damage);
            return;
        }
        if (song == "3") {
            io() << "You begin to sing techno. The " << target.GetName() << " hates\n"
                 << "your song so much, that he is now poisoned.\n";
            target.SetPoisoned(true);
            return;
        }
    }
}

void Light_Orb2::CastOn(Entity& target) {
    io() << "You flash an extremely bright light at the " << target.GetName() << ".\n"
         << "It blinds the " << target.GetName() << ", causing him to weaken from the light.\n";
    const int damage = SatAdd(power, Draw(50));
    io() << "The " << target.GetName() << " is hit for " << damage << ".\n";
    target.LoseHP(damage);
}

void Unleash::CastOn(Entity& target) {
    random();
    const int r = Draw(3);
    const int damage = SatAdd(target.GetHP() / (r + 1), power);
    io() << "You cast a blazing beam of fire, water, and energy at the\n"
         << target.GetName() << ". The " << target.GetName() << " is hit for\n"
         << damage << " damage.\n";
    target.LoseHP(damage);
}

void Barrel_Fire::CastOn(Entity& target) {
    const int damage = SatAdd(power, Draw(40));
    io() << "You cast a barrel of fire at the " << target.GetName() << ".\n"
         << "All of a sudden, the " << target.GetName() << " bursts into flames, and\n"
         << "the body collapses to the ground. You have hit it for " << damage << "\n"
         << "damage.\n";
    target.LoseHP(damage);
    io() << "\n";
    if (target.GetHP() <= 0) {
        io() << "Well, looks like the body is completely burned. You won't be seeing that anymore.\n";
    } else {
        io() << "Uh oh, seems like the body is still alive.\n";
    }
    io() << "\n";
}

void Gods_Hand::CastOn(Entity& target) {
    target.LoseHP(target.GetHP() / 4);
    target.SetPoisoned(true);
    io() << "The " << target.GetName() << " is now poisoned. The punishment, has been\n"
         << "done. He will have learned his lesson, from this day on.\n";
}

void Gods_Arrow::CastOn(Entity& target) {
    io() << "You see from the sky, God shoots an arrow at the\n"
         << target.GetName() << ". The " << target.GetName() << " loses\n"
         << "half his HP.\n";
    target.SetHP(target.GetHP() / 2);
}

void Gods_Fire::CastOn(Entity& target) {
    io() << "You see from the sky, God sends a massive string of flame, that comes\n"
         << "flying at the " << target.GetName() << ". The " << target.GetName() << "\n"
         << "is now poisoned, and has lost half his HP.\n";
    target.SetHP(target.GetHP() / 2);
    target.SetPoisoned(true);
}

void Unleashed2::CastOn(Entity& target) {
    io() << "With the 3 combined God spells, you charge a massive\n"
         << "sphere of the combined elements of air, fire, water, earth,\n"
         << "nature, light, dark, and wind, and blast it at the\n"
         << target.GetName() << ". The " << target.GetName() << " is\n"
         << "now poisoned, lost half his HP, lost half his Max HP limit,\n"
         << "and is now, one of The Cursed.\n";
    target.SetPoisoned(true);
    target.SetHP(target.GetHP() / 2);
    target.SetMaxHP(target.GetMaxHP() / 2);
    target.SetName(CursedName(target.GetName()));
}

void Flamethrower::CastOn(Entity& target) {
    const int x = Draw(50);
    const int y = Draw(50);
    const int damage = SatSub(SatAdd(power, x), y);
    io() << "You blow a huge flame at the " << target.GetName() << ". The\n"
         << target.GetName() << " is hit for " << damage << " damage.\n";
    target.LoseHP(damage);
}

void Flaming_Torch::CastOn(Entity& target) {
    const int r = Draw(6);
    io() << "You attempt to burn the " << target.GetName() << " using\n"
         << "your mind...\n";
    if (r == 5) {
        io() << "The " << target.GetName() << " is hit for " << power << " damage.\n";
        target.LoseHP(power);
    } else {
        io() << "Your attack missed.\n";
    }
}

}  // namespace vaskarn

#include <array>
#include <cstdint>
#include <string_view>

#include "core/pause.h"
#include "core/services.h"
#include "model/arith.h"
#include "model/player.h"

namespace vaskarn {
namespace {

// XP (cumulative) needed to rise from `level`: factor x level x level. Beyond
// a million the product is far above any 32-bit XP, so it is capped there to
// stay inside 64 bits.
std::int64_t Threshold(int factor, int level) {
    constexpr std::int64_t kCap = 1'000'000;
    std::int64_t l = level < 0 ? -std::int64_t{level} : std::int64_t{level};
    if (l > kCap) l = kCap;
    return factor * l * l;
}

struct Rung {
    int level;  // held at exactly this level; a ladder's last rung from this level up
    std::string_view title;
};

struct Ladder {
    std::array<Rung, 9> rungs;
    std::size_t size;
    std::string_view heroWord;  // "of" or "for" in the last rung's message
};

constexpr int kTopLevel = 70;

// The ladder of class number n sits at index n - 1.
constexpr std::array<Ladder, 5> kLadders{{
    {{{{5, "Long Swordsman"},
       {10, "Knight"},
       {15, "Two Handed Swordsman"},
       {20, "Champion"},
       {30, "Legion"},
       {40, "Paladin"},
       {50, "White Hand"},
       {60, "Silver Hand"},
       {kTopLevel, "Guilded Paladin"}}},
     9,
     "of"},
    {{{{5, "Sage"},
       {10, "Spell Caster"},
       {25, "Sorcerer"},
       {30, "White Wizard"},
       {40, "Sara'man"},
       {55, "Morning Sun"},
       {60, "Wise"},
       {kTopLevel, "Avatar"}}},
     8,
     "for"},
    {{{{5, "Shortbow Man"},
       {10, "Longbow Man"},
       {20, "Composite Bowman"},
       {30, "Crossbow Man"},
       {40, "Arbalest"},
       {50, "Chu Ko Nu"},
       {60, "Master Marksman"},
       {kTopLevel, "Robin Hood"}}},
     8,
     "for"},
    {{{{5, "Rogue"},
       {10, "Agile"},
       {15, "Brave"},
       {20, "Cunning"},
       {30, "Powerful"},
       {40, "Hooded"},
       {50, "Rider"},
       {60, "Dragon"},
       {kTopLevel, "Wraith"}}},
     9,
     "for"},
    {{{{5, "Traveler"},
       {10, "Guard"},
       {20, "Bishop"},
       {30, "Archbishop"},
       {40, "Royal Guardian"},
       {50, "Adventurer"},
       {60, "Great"},
       {kTopLevel, "Spirit Of Light"}}},
     8,
     "for"},
}};

void ShowPickMenu(int newlevel, int pointsleft) {
    io() << "You are now level " << newlevel << "!\n"
         << "You have 4 pickpoints that you can use.\n"
         << "\n\n"
         << "Pick a stat class to increase.\n"
         << "You have " << pointsleft << " pickpoints left.\n\n"
         << "1. Combat\n"
         << "2. Intelligence\n"
         << "3. Agility\n";
    io().Prompt();
}

// One skill level at most per call, read from `skilllevel` and checked
// against `hero`'s skill XP.
template <typename Setter>
void RaiseSkill(int skilllevel, int skillxp, std::string_view skill, Setter setLevel) {
    if (skillxp < Threshold(20, skilllevel)) return;
    const int next = SatAdd(skilllevel, 1);
    setLevel(next);
    io() << "Congratulations! Your " << skill << " level is now " << next << "!\n";
    wait();
}

}  // namespace

bool Player::CheckForLevelUp() {
    constexpr int kPoints = 4;
    if (GetXP() < Threshold(30, level)) return true;
    const int newlevel = SatAdd(level, 1);
    int spent = 0;
    while (spent < kPoints) {
        ShowPickMenu(newlevel, kPoints - spent);
        const char choice = io().ReadChar();
        io() << "\n\n";
        switch (choice) {
        case '1':
            SetMaxHP(SatAdd(GetMaxHP(), 5));
            RestoreFullHP();
            AddAttack(1);
            AddStrength(1);
            io() << "Your Max HP went up by 5.\n"
                 << "Your attack rised up 1.\n"
                 << "Your strength rised up by 1.\n";
            break;
        case '2':
            SetMaxMP(SatAdd(GetMaxMP(), 5));
            RestoreFullMP();
            io() << "Your Max MP went up by 5.\n";
            break;
        case '3':
            SetMaxEnergy(SatAdd(GetMaxEnergy(), 5));
            RestoreFullEnergy();
            AddDefense(1);
            io() << "Your energy went up by 5.\n"
                 << "Your defense went up by 1.\n";
            break;
        default:
            continue;  // no point spent; the menu is shown again
        }
        ++spent;
        wait();
    }
    SetPoisoned(false);
    level = newlevel;
    RestoreAll();
    return true;
}

bool Player::CheckRank(Player* hero) {
    if (groupnumber < 1 || groupnumber > static_cast<int>(kLadders.size())) return true;
    const Ladder& ladder = kLadders[static_cast<std::size_t>(groupnumber - 1)];
    const int herolevel = hero->GetLevel();
    for (std::size_t i = 0; i < ladder.size; ++i) {
        const Rung& rung = ladder.rungs[i];
        const bool last = i + 1 == ladder.size;
        const bool holds = last ? herolevel >= rung.level : herolevel == rung.level;
        if (!holds || hero->GetGroupName() == rung.title) continue;
        io() << "You are now in the " << rung.title;
        if (last)
            io() << " class, the class " << ladder.heroWord << " Heros!\n";
        else
            io() << " class!\n";
        hero->SetGroupName(rung.title);
        wait();
        break;
    }
    return true;
}

void Player::AddHerbloreLevel(Player* hero) {
    RaiseSkill(herblore_level, hero->GetHerbloreXP(), "herblore", [hero](int v) { hero->SetHerbloreLevel(v); });
}

void Player::AddSmithingLevel(Player* hero) {
    RaiseSkill(smithing_level, hero->GetSmithingXP(), "smithing", [hero](int v) { hero->SetSmithingLevel(v); });
}

void Player::HasDied() {
    SetGold(GetGold() / 2);
    RestoreAll();
}

void Player::RestoreAll() {
    RestoreFullHP();
    RestoreFullMP();
    RestoreFullEnergy();
    SetPoisoned(false);
}

}  // namespace vaskarn

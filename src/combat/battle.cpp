#include "combat/battle.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "combat/attacks.h"
#include "core/numbered_list.h"
#include "core/pause.h"
#include "core/services.h"
#include "model/arith.h"

namespace vaskarn {
namespace {

constexpr int kPoisonDamage = 10;
constexpr int kDefendUpkeep = 10;
constexpr int kMaxRainfireArrows = 10;
constexpr int kLevelChecks = 10;  // level checks after a win: up to ten levels at once

// What a menu entry leaves behind.
enum class Outcome {
    Menu,      // cancelled or refused: the menu is shown again
    TurnEnds,  // the monsters act next
    Fled,      // the battle is over, lost
};

// The first word of the reward line differs by what made the kill.
enum class Reward { Gain, Get };

// How a typed monster number turned out.
enum class Pick { Cancel, Outside, Dead, Alive };

struct Choice {
    Pick pick;
    Monster* monster = nullptr;
};

// Whom a spell or special attack goes at: the hero or one monster (then
// `monster` is set too). No entity means back to the menu.
struct CastTarget {
    Entity* entity = nullptr;
    Monster* monster = nullptr;
};

bool Alive(const Entity& e) { return e.GetHP() >= 1; }

// The bow moves ask for their target among several monsters in slightly
// different words.
struct BowPrompt {
    const char* heading;    // before the list
    const char* afterList;  // between the list and "0. Cancel"
    const char* onCancel;
    const char* onOutside;
};

constexpr BowPrompt kPowershotPrompt{"", "", "\n", "\nInvalid Monster\n\n"};
constexpr BowPrompt kRainfirePrompt{"\nTarget?\n\n", "\n", "", "Invalid Monster\n\n"};
constexpr BowPrompt kPoisonedArrowPrompt{"\nTarget?\n\n\n", "\n", "\n", "\nInvalid Monster\n\n"};

class Battle {
public:
    Battle(Player* hero, std::span<Monster> group) : hero_(hero), group_(group) {}
    bool Run();

private:
    int Count() const { return static_cast<int>(group_.size()); }
    int SelfNumber() const { return SatAdd(Count(), 1); }  // the hero's number in a target list
    bool Single() const { return group_.size() == 1; }
    Monster& Only() { return group_[0]; }

    // --- The round. ---
    bool Slain();
    void ShowMonsters();
    void DefenceUpkeep();
    void ShowStatus();
    Outcome HeroTurn();
    void MonstersPhase();
    bool AllDead() const;
    void Win();

    // --- The seven menu entries and the three bow moves. ---
    Outcome Attack();
    Outcome CastSpell();
    Outcome DrinkPotion();
    Outcome UseSpecialAttack();
    Outcome Defend();
    Outcome FireArrow();
    Outcome Retreat();
    Outcome Powershot();
    Outcome Rainfire();
    Outcome PoisonedArrow();

    // --- Shared pieces. ---
    void List() { ListMonsters(group_.data(), Count()); }
    ListChoice ChooseMonster() { return ChooseFromList(Count(), 0); }
    Choice Classify(ListChoice typed);
    CastTarget ChooseCastTarget(std::string_view cancelLines);
    Monster* ChooseBowTarget(const BowPrompt& prompt);
    void PayIfKilled(Monster& monster, Reward word);
    void Pay(Monster& monster, Reward word);
    void ShiftAttacks(int delta);

    Player* hero_;
    std::span<Monster> group_;
    bool defending_ = false;
};

bool Battle::Run() {
    random();
    defending_ = false;
    io() << "You hold up your " << hero_->GetWeapon()->GetName() << " and prepare to fight.\n";
    wait();
    io() << "\n\n\n";
    for (;;) {
        if (Slain()) return false;
        io() << "\n\n";
        if (hero_->IsPoisoned()) {
            io() << "You take 10 damage from poison.\n";
            hero_->LoseHP(kPoisonDamage);
            wait();
            if (Slain()) return false;
        }
        ShowMonsters();
        DefenceUpkeep();
        ShowStatus();
        if (HeroTurn() == Outcome::Fled) return false;
        MonstersPhase();
        if (AllDead()) {
            Win();
            return true;
        }
    }
}

bool Battle::Slain() {
    if (Alive(*hero_)) return false;
    io() << "You have been slain.\n";
    wait();
    return true;
}

void Battle::ShowMonsters() {
    if (Single()) {
        const Monster& m = Only();
        io() << m.GetName() << " - " << m.GetHP() << "/" << m.GetMaxHP() << " "
             << (m.IsPoisoned() ? "(Poisoned) \n" : "\n");
    } else {
        List();
    }
    io() << "\n\n";
}

void Battle::DefenceUpkeep() {
    if (!defending_) return;
    if (hero_->GetEnergy() < kDefendUpkeep) {
        io() << "You don't have enough energy to defend anymore.\n";
        ShiftAttacks(SatMul(hero_->GetDefense(), 2));
        wait();
        defending_ = false;
    } else {
        hero_->UseEnergy(kDefendUpkeep);
    }
}

void Battle::ShowStatus() {
    io() << hero_->GetName() << " the " << hero_->GetGroupName() << " - Level " << hero_->GetLevel() << " "
         << (hero_->IsPoisoned() ? "(Poisoned) \n" : "\n");
    io() << "HP: " << hero_->GetHP() << "/" << hero_->GetMaxHP() << "\n"
         << "MP: " << hero_->GetMP() << "/" << hero_->GetMaxMP() << "\n"
         << "Energy: " << hero_->GetEnergy() << "/" << hero_->GetMaxEnergy() << "\n"
         << "Arrows: " << hero_->GetArrows() << "\n";
    if (defending_) io() << "Defending\n";
    io() << "\n";
}

Outcome Battle::HeroTurn() {
    using Entry = Outcome (Battle::*)();
    static constexpr std::array<Entry, 7> kEntries{&Battle::Attack,           &Battle::CastSpell, &Battle::DrinkPotion,
                                                   &Battle::UseSpecialAttack, &Battle::Defend,    &Battle::FireArrow,
                                                   &Battle::Retreat};
    for (;;) {
        io() << "1. Attack\n"
             << "2. Spell\n"
             << "3. Potion\n"
             << "4. Special Attack\n"
             << "5. Defend\n"
             << "6. Fire Arrow\n"
             << "7. Retreat\n";
        io().Prompt();
        const std::string word = io().ReadWord();
        io() << "\n\n";
        // Only the exact words "1" to "7" count: "01" or "attack" do not.
        if (word.size() != 1 || word[0] < '1' || word[0] > '7') continue;
        const Outcome outcome = (this->*kEntries[static_cast<std::size_t>(word[0] - '1')])();
        if (outcome != Outcome::Menu) return outcome;
    }
}

void Battle::MonstersPhase() {
    for (Monster& m : group_) {
        if (Alive(m) && m.IsPoisoned()) {
            io() << "The " << m.GetName() << " takes 10 damage from poison.\n";
            wait();
            if (SatSub(m.GetHP(), kPoisonDamage) <= 0) Pay(m, Reward::Gain);
            m.LoseHP(kPoisonDamage);
        }
        if (Alive(m)) {
            MonsterAttack(&m, hero_);
            wait();
            // A fallen hero is not struck again; the rest of the group waits.
            if (!Alive(*hero_)) return;
        }
    }
}

bool Battle::AllDead() const {
    for (const Monster& m : group_)
        if (Alive(m)) return false;
    return true;
}

void Battle::Win() {
    io() << "You Win!\n";
    wait();
    hero_->CheckRank(hero_);
    for (int i = 0; i < kLevelChecks; ++i) hero_->CheckForLevelUp();
}

// --- Shared pieces. ---

// Sorts a typed monster number; a dead monster's line is printed here.
Choice Battle::Classify(ListChoice typed) {
    if (typed.Cancelled()) return {Pick::Cancel};
    if (!typed.IsEntry()) return {Pick::Outside};
    Monster& m = group_[static_cast<std::size_t>(typed.number - 1)];
    if (!Alive(m)) {
        io() << "You do know that " << m.GetName() << " is already dead, right?\n";
        return {Pick::Dead};
    }
    return {Pick::Alive, &m};
}

// With one monster there is nothing to ask. nullptr sends the hero back to
// the menu.
Monster* Battle::ChooseBowTarget(const BowPrompt& prompt) {
    if (Single()) return &Only();
    io() << prompt.heading;
    List();
    io() << prompt.afterList;
    const Choice choice = Classify(ChooseMonster());
    if (choice.pick == Pick::Cancel) io() << prompt.onCancel;
    if (choice.pick == Pick::Outside) io() << prompt.onOutside;
    return choice.pick == Pick::Alive ? choice.monster : nullptr;
}

// The target question of spells and special attacks, which may also aim at
// the hero.
CastTarget Battle::ChooseCastTarget(std::string_view cancelLines) {
    const ListChoice typed = ChooseMonster();
    if (typed.number == SelfNumber()) return {hero_, nullptr};
    const Choice choice = Classify(typed);
    if (choice.pick == Pick::Cancel) io() << cancelLines;
    if (choice.pick != Pick::Alive) return {};
    return {choice.monster, choice.monster};
}

void Battle::PayIfKilled(Monster& monster, Reward word) {
    if (!Alive(monster)) Pay(monster, word);
}

void Battle::Pay(Monster& monster, Reward word) {
    io() << "You killed the " << monster.GetName() << ".\n"
         << (word == Reward::Gain ? "You gain " : "You get ") << monster.GetXP() << " XP and " << monster.GetGold()
         << " gold.\n";
    hero_->AddXP(monster.GetXP());
    hero_->AddGold(monster.GetGold());
    wait();
}

// Every record of the group, dead or alive, moves by the same amount.
void Battle::ShiftAttacks(int delta) {
    for (Monster& m : group_) m.SetAttack(SatAdd(m.GetAttack(), delta));
}

// --- 1. Attack ---

Outcome Battle::Attack() {
    if (Single()) {
        PlayerAttack(hero_, &Only());
        PayIfKilled(Only(), Reward::Gain);
        return Outcome::TurnEnds;
    }
    io() << "Which monster?\n\n";
    List();
    io() << "\n";
    const Choice choice = Classify(ChooseMonster());
    if (choice.pick == Pick::Cancel) io() << "\n\n\n";
    if (choice.pick != Pick::Alive) return Outcome::Menu;
    PlayerAttack(hero_, choice.monster);
    PayIfKilled(*choice.monster, Reward::Gain);
    return Outcome::TurnEnds;
}

// --- 2. Spell ---

Outcome Battle::CastSpell() {
    SpellSlots& spells = hero_->GetSpell();
    ListHeld(spells, [](const Spell& s) { io() << " - MP Cost: " << s.GetMPCost(); });
    io() << "\n";
    const ListChoice typed = ChooseFromList(static_cast<int>(kSpellSlots), 0);
    if (typed.Cancelled()) {
        io() << "\n\n";
        return Outcome::Menu;
    }
    Spell* spell = SlotAt(spells, typed.number);
    if (spell == nullptr) {
        io() << "There is no such spell\n\n";
        return Outcome::Menu;
    }
    if (hero_->GetMP() < spell->GetMPCost()) {
        io() << "You don't have enough MP to cast " << spell->GetName() << ".\n";
        wait();
        io() << "\n\n";
        return Outcome::Menu;
    }

    io() << "Target?\n\n";
    if (Single()) {
        io() << "2. Self\n"
             << "1. " << Only().GetName() << "\n";
    } else {
        io() << SelfNumber() << ". Self\n";
        List();
    }
    io() << "\n";
    const CastTarget target = ChooseCastTarget("\n\n");
    if (target.entity == nullptr) return Outcome::Menu;

    hero_->LoseMP(spell->GetMPCost());
    spell->Cast(target.entity, 1);
    wait();
    // Hurting himself never counts as a kill.
    if (target.monster != nullptr) PayIfKilled(*target.monster, Single() ? Reward::Get : Reward::Gain);
    return Outcome::TurnEnds;
}

// --- 3. Potion ---

Outcome Battle::DrinkPotion() {
    PotionSlots& potions = hero_->GetPotion();
    ListHeld(potions, [](const Potion& p) {
        io() << " (" << p.GetAmount() << ") - HP Restore: " << p.GetHPRestore() << " :: MP Restore: " << p.GetMPRestore();
    });
    io() << "\n";
    // A non-number is an invalid choice here, not a cancel.
    const ListChoice typed = ChooseFromList(static_cast<int>(kPotionSlots), -1);
    if (typed.Cancelled()) {
        io() << "\n";
        return Outcome::Menu;
    }
    Potion* potion = SlotAt(potions, typed.number);
    if (potion == nullptr) {
        io() << "\nInvalid potion\n\n";
        return Outcome::Menu;
    }
    io() << "You drink the " << potion->GetName() << ".\n"
         << "You get restored for " << potion->GetHPRestore() << " HP and " << potion->GetMPRestore() << " MP.\n";
    hero_->AddHP(potion->GetHPRestore());
    hero_->AddMP(potion->GetMPRestore());
    wait();
    potion->UseAmount(1);
    if (potion->GetAmount() <= 0) potions[static_cast<std::size_t>(typed.number - 1)].reset();
    return Outcome::TurnEnds;
}

// --- 4. Special attack ---

Outcome Battle::UseSpecialAttack() {
    SpecialAttackSlots& attacks = hero_->GetSpecialAttack();
    ListHeld(attacks, [](const Special_Attack& a) {
        io() << " - Energy Cost: " << a.GetEnergyCost() << " :: Power: " << a.GetPower();
    });
    io() << "\n";
    const ListChoice typed = ChooseFromList(static_cast<int>(kSpecialAttackSlots), 0);
    if (typed.Cancelled()) {
        io() << "\n\n";
        return Outcome::Menu;
    }
    Special_Attack* attack = SlotAt(attacks, typed.number);
    if (attack == nullptr) {
        io() << "\nInvalid special attack\n\n";
        return Outcome::Menu;
    }
    if (hero_->GetEnergy() < attack->GetEnergyCost()) {
        io() << "\nYou don't have enough energy.\n";
        wait();
        io() << "\n";
        return Outcome::Menu;
    }

    io() << SelfNumber() << ". Self\n";
    List();
    io() << "\n";
    const CastTarget target = ChooseCastTarget("\n");
    if (target.entity == nullptr) return Outcome::Menu;

    hero_->UseEnergy(attack->GetEnergyCost());
    attack->Attack(target.entity, 1);
    wait();
    if (target.monster != nullptr) PayIfKilled(*target.monster, Reward::Get);
    return Outcome::TurnEnds;
}

// --- 5. Defend ---

// The stance lowers the stored attack of every monster by twice the hero's
// defense, and stopping it raises them again.
Outcome Battle::Defend() {
    const int d = SatMul(hero_->GetDefense(), 2);
    if (defending_) {
        io() << "You stop defending.\n";
        ShiftAttacks(d);
        defending_ = false;
        wait();
        return Outcome::Menu;
    }
    if (hero_->GetEnergy() < kDefendUpkeep) {
        io() << "You don't have enough energy to defend.\n";
        wait();
        io() << "\n\n\n";
        return Outcome::Menu;
    }
    io() << "You start defending.\n";
    ShiftAttacks(SatSub(0, d));
    defending_ = true;
    wait();
    io() << "\n\n";
    return Outcome::TurnEnds;
}

// --- 6. Fire Arrow ---

Outcome Battle::FireArrow() {
    if (!hero_->HasBow()) {
        io() << "\nYou don't have a bow yet.\n";
        wait();
        io() << "\n";
        return Outcome::Menu;
    }
    io() << "Bow: " << hero_->GetBowName() << "\n"
         << "Ranged Power: " << hero_->GetBowPower() << "\n\n"
         << "Which bow move would you like to use?\n\n"
         << "1. Powershot\n"
         << "2. Rainfire\n"
         << "3. Poisoned Arrow\n";
    io().Prompt();
    const std::string move = io().ReadWord();
    io() << "\n\n";
    if (move == "1") return Powershot();
    if (move == "2") return Rainfire();
    if (move == "3") return PoisonedArrow();
    return Outcome::Menu;
}

// One arrow; the monster's defense plays no part, and a weak bow's negative
// damage heals the target.
Outcome Battle::Powershot() {
    Monster* target = ChooseBowTarget(kPowershotPrompt);
    if (target == nullptr) return Outcome::Menu;
    if (hero_->GetArrows() < 1) {
        io() << (Single() ? "\nYou don't have any arrows.\n\n" : "\nYou don't have any arrows.\n");
        wait();
        io() << "\n";
        return Outcome::Menu;
    }
    const int plus = Draw(10);
    const int minus = Draw(5);
    const int damage = SatSub(SatAdd(hero_->GetBowPower(), plus), minus);
    io() << "You hold up your " << hero_->GetBowName()
         << (Single() ? ", and shoot an arrow at the " : " and shoot an arrow at the ") << target->GetName()
         << (Single() ? ".\n" : "\n");
    io() << "The " << target->GetName() << " is hit for " << damage << ".\n";
    hero_->UseArrows(1);
    target->LoseHP(damage);
    wait();
    PayIfKilled(*target, Reward::Get);
    return Outcome::TurnEnds;
}

Outcome Battle::Rainfire() {
    Monster* target = ChooseBowTarget(kRainfirePrompt);
    if (target == nullptr) return Outcome::Menu;
    io() << "How many arrows would you like to fire? (1 - 10)\n";
    io().Prompt();
    const int k = io().ReadNumber(0);
    if (k == 0) {
        io() << "\n";
        return Outcome::Menu;
    }
    if (k < 1 || k > kMaxRainfireArrows) {
        io() << "\nYou can't fire " << k << " arrows.\n";
        if (Single()) wait();
        io() << "\n";
        return Outcome::Menu;
    }
    if (k > hero_->GetArrows()) {
        io() << "\nYou don't have that many arrows.\n";
        if (!Single()) wait();
        io() << "\n";
        return Outcome::Menu;
    }
    const int r = 1 + Draw(10);
    const int damage = SatAdd(hero_->GetBowPower(), r * k);
    io() << "You hold out " << k << " arrows and rain down a group of them\n"
         << "at the " << target->GetName() << ". The " << target->GetName() << " is hit for " << damage << ".\n";
    hero_->UseArrows(k);
    target->LoseHP(damage);
    wait();
    PayIfKilled(*target, Reward::Get);
    return Outcome::TurnEnds;
}

Outcome Battle::PoisonedArrow() {
    Monster* target = ChooseBowTarget(kPoisonedArrowPrompt);
    if (target == nullptr) return Outcome::Menu;
    if (hero_->GetArrows() < 1) {
        io() << "\nYou don't have any arrows.\n";
        wait();
        io() << "\n";
        return Outcome::Menu;
    }
    const int damage = Draw(5);
    io() << "You fire a poisoned arrow at the " << target->GetName() << ".\n"
         << "You watch as the blight hits the " << target->GetName() << " for " << damage << ".\n";
    hero_->UseArrows(1);
    target->SetPoisoned(true);
    target->LoseHP(damage);
    wait();
    PayIfKilled(*target, Reward::Get);
    return Outcome::TurnEnds;
}

// --- 7. Retreat ---

// No re-seeding here: the draw follows on from the last one.
Outcome Battle::Retreat() {
    const int r = Draw(5);
    if (r <= 2) {
        io() << "You run as quickly as you can out of the area, and luckily,\n"
             << "you make it without being harmed.\n";
        wait();
        return Outcome::Fled;
    }
    if (r == 3) {
        io() << "You run as quickly as you can out of the area, but\n"
             << "you get hit and lose half your HP.\n";
        wait();
        hero_->SetHP(hero_->GetHP() / 2);
        return Outcome::Fled;
    }
    io() << "You fail to escape.\n";
    wait();
    return Outcome::TurnEnds;
}

}  // namespace

bool battle(Player* player, Monster* monster, int count) {
    // Nothing to fight is no fight at all: no text, no reward, no level check.
    if (player == nullptr || monster == nullptr || count < 1) return false;
    return Battle(player, std::span<Monster>(monster, static_cast<std::size_t>(count))).Run();
}

}  // namespace vaskarn

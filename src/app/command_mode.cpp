#include "app/command_mode.h"

#include <array>
#include <cctype>
#include <optional>
#include <string>

#include "app/new_game.h"
#include "app/title.h"
#include "core/pause.h"
#include "core/services.h"
#include "model/name.h"
#include "model/player.h"
#include "world/town/crossroads.h"

namespace vaskarn {
namespace {

std::string LowerCased(std::string line) {
    for (char& c : line) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return line;
}

// Reads up to N numbers in a row; once one cannot be read, the rest keep
// their defaults. Then the rest of the line is discarded.
template <std::size_t N>
std::array<int, N> ReadNumbersInARow(const std::array<int, N>& defaults) {
    std::array<int, N> values = defaults;
    for (int& value : values) {
        const std::optional<int> read = io().TryExtractNumber();
        if (!read) break;
        value = *read;
    }
    io().DiscardLine();
    return values;
}

struct Recovered {
    const char* label;  // for the reader of this table only
    int fallback;
    int lowest;  // applied when the value is at least this
    void (*apply)(Player&, int);
};

constexpr std::array<Recovered, 13> kRestOfTheRecord = {{
    {"HP", 30, 0, [](Player& h, int v) { h.SetHP(v); }},
    {"Max HP", 30, 20, [](Player& h, int v) { h.SetMaxHP(v); }},
    {"MP", 20, 0, [](Player& h, int v) { h.SetMP(v); }},
    {"Max MP", 20, 20, [](Player& h, int v) { h.SetMaxMP(v); }},
    {"Energy", 20, 0, [](Player& h, int v) { h.SetEnergy(v); }},
    {"Max Energy", 20, 20, [](Player& h, int v) { h.SetMaxEnergy(v); }},
    {"Tokens", 0, 0, [](Player& h, int v) { h.SetTokens(v); }},
    {"Bars", 0, 0, [](Player& h, int v) { h.SetBars(v); }},
    {"Herblore Level", 1, 1, [](Player& h, int v) { h.SetHerbloreLevel(v); }},
    {"Herblore XP", 0, 0, [](Player& h, int v) { h.SetHerbloreXP(v); }},
    {"Smithing Level", 1, 1, [](Player& h, int v) { h.SetSmithingLevel(v); }},
    {"Smithing XP", 0, 0, [](Player& h, int v) { h.SetSmithingXP(v); }},
    {"Amount Of Arrows", 0, 0, [](Player& h, int v) { h.SetArrows(v); }},
}};

void AskClass(Player& hero) {
    for (;;) {
        io() << "What are you?\n\n";
        ShowClassMenu();
        io().Prompt();
        const int answer = io().ReadNumber(0);
        for (const HeroClass& entry : HeroClasses()) {
            if (entry.group != answer) continue;
            hero.SetGroupName(entry.title);
            // The Squire's class number is the record's own, 1 on a new record.
            if (entry.group != 1) hero.SetGroup(entry.group);
            return;
        }
    }
}

void AskBow(Player& hero) {
    io() << "\n\nDo you have a bow? (y/n) \n";
    io().Prompt();
    const std::string answer = io().ReadWord();
    if (IsYes(answer)) {
        hero.SetBow(true);
        hero.SetBowPower(0);
        io() << "\n\nYou have now been given a bow.\n"
                "However, your bow power is 0, and you need to buy another\n"
                "bow at the shop.\n\n";
    }
    wait();
}

void WriteHistoryFile(const std::string& command) {
    if (!gameDir().WriteAtomically(kHistoryFile, "History_File_Output")) {
        io() << "The history file could not be written.\n\n";
        wait();
        return;
    }
    io() << "Command '" << command << "' performed correctly.\n\n";
    wait();
    io() << "\n\n";
}

void ArmSpellRepair(GameState& game, const std::string& command) {
    game.repairUnleashed = true;
    io() << "Bug cleaning has been activated. The Unleashed spell bug\n"
            "will be fixed, when you load your game.\n";
    wait();
    io() << "Command '" << command << "' performed correctly.\n\n";
    wait();
    io() << "\n\n";
}

// The numbers of the record, each applied only when it passes its test.
void AskNumbers(Player& hero) {
    Console& con = io();
    con << "Enter level.\n";
    con.Prompt();
    if (const int level = con.ReadNumber(1); level > 0) hero.SetLevel(level);
    con << "Enter XP.\n";
    con.Prompt();
    if (const int xp = con.ReadNumber(0); xp >= 0) hero.SetXP(xp);
    con << "Enter gold.\n";
    con.Prompt();
    if (const int gold = con.ReadNumber(0); gold >= 0) hero.SetGold(gold);

    con << "Enter the rest in this order: HP, Max HP, MP, Max MP, Energy,\n"
           "Max Energy, Tokens, Bars, Herblore Level, Herblore XP,\n"
           "Smithing Level, Smithing XP, Amount Of Arrows.\n";
    con.Prompt();
    std::array<int, kRestOfTheRecord.size()> defaults{};
    for (std::size_t i = 0; i < defaults.size(); ++i) defaults[i] = kRestOfTheRecord[i].fallback;
    const auto rest = ReadNumbersInARow(defaults);
    for (std::size_t i = 0; i < rest.size(); ++i)
        if (rest[i] >= kRestOfTheRecord[i].lowest) kRestOfTheRecord[i].apply(hero, rest[i]);

    con << "Enter combat stats in this order: Attack, Defense, Strength.\n";
    con.Prompt();
    const auto combat = ReadNumbersInARow<3>({1, 1, 1});
    if (combat[0] > 0) hero.SetAttack(combat[0]);
    if (combat[1] > 0) hero.SetDefense(combat[1]);
    if (combat[2] > 0) hero.SetStrength(combat[2]);
}

// Saves the rebuilt hero. The backup advice only follows a save that worked.
void SaveRecovered(const Player& hero) {
    Console& con = io();
    con << "\n\nYour file has been successfully recovered!\n"
           "You can get the rest of your stuff at the shop, since\n"
           "you restored your gold. Next time, please make backup copies of\n"
           "your files, and do not play in a zipped folder.\n"
           "Your file will be now saved.\n\n";
    const bool saved = hero.Save();
    if (!saved) con << "The game could not be saved.\n";
    wait();
    if (!saved) return;
    con << "Your file has been saved successfully. At this time, please\n"
           "create a backup file of your data. To do so, go to the location\n"
           "where you are running Vaskarn in. You should see\n"
           "a file called Player.dll. Copy it, and paste it. You should\n"
           "see a new file, which should be called Copy Of Player.dll.\n"
           "Then, rename it to whatever you like, but whatever you name\n"
           "it, it must end with .dll. Ok, once that is complete, you\n"
           "can continue on.\n\n";
    wait();
}

}  // namespace

void RecoverFile(Player& hero) {
    Console& con = io();
    con << "This command is to be used for someone who has lost their file due\n"
           "to a save failure, or something like that. Please remember that\n"
           "recovering a file will not recover potions, spells, special attacks,\n"
           "god powers, blessings, inventory items, weapons, and armor.\n"
           "It will also not restore quest data. You have to get all of those again.\n"
           "However, everything else is recoverable.\n\n";
    wait();

    con << "Enter name.\n";
    con.Prompt();
    std::string name = con.ReadWord();
    if (name.size() > Name::kCapacity) name.resize(Name::kCapacity);
    hero.SetName(name);

    AskClass(hero);
    AskNumbers(hero);
    AskBow(hero);
    hero.SetPoisoned(false);
    SaveRecovered(hero);

    con << "You will now be teleported to the village.\n"
           "Please stand by.\n\n";
    wait();
}

void CommandMode(GameState& game) {
    io() << "Command Script Mode Activated \n\n"
            "Command? \n";
    io().Prompt();
    const std::string command = LowerCased(io().ReadLine());
    io() << "\n\n";
    if (command == "output history file") {
        WriteHistoryFile(command);
    } else if (command == "fix unleashed spell bug") {
        ArmSpellRepair(game, command);
    } else if (command == "recover file") {
        RecoverFile(game.loaded);
        RunScreens(&game.loaded, crossroads);
    } else {
        io() << "Invalid Syntax \n\n";
        wait();
    }
}

}  // namespace vaskarn

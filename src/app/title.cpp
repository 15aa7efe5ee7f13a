#include "app/title.h"

#include <sstream>
#include <string>

#include "app/command_mode.h"
#include "app/load_game.h"
#include "app/new_game.h"
#include "core/end_of_game.h"
#include "core/pause.h"
#include "core/services.h"

namespace vaskarn {
namespace {

void ShowTitleBox() {
    Console& con = io();
    const std::string indent(6, ' ');
    const std::string blank(68, ' ');
    std::string title = std::string(23, ' ') + "Vaskarn";
    title.resize(68, ' ');
    con << "\n" << indent << std::string(69, '_') << "\n";
    for (int line = 0; line < 8; ++line)
        con << indent << '|' << (line == 1 ? title : blank) << "| \n";
    con << indent << '|' << std::string(68, '_') << "|\n\n\n";
}

void ShowAbout() {
    io() << "Vaskarn is a text role-playing game. You wake at a crossroads with\n"
            "a name, a trade and very little else. From there every road is a\n"
            "numbered choice: the town and its shops, the training arena, and\n"
            "the wide regions beyond, each with its own people and its own quest.\n"
            "Fight for gold and experience, learn spells and special attacks,\n"
            "smith your own weapons, brew your own potions, and follow the quests\n"
            "one region after another until you stand before the Rune King.\n"
            "\n"
            "Save your hero from the View Stats screen at the crossroads; Load\n"
            "Game brings that hero back. Your banked gold is kept apart from your\n"
            "hero, and every hero played in this folder shares the one bank.\n"
            "\n"
            "Good luck, Hero.\n"
            "-Odrin\n";
    wait();
}

struct JournalEntry {
    const char* heading;
    const char* text;
};

constexpr JournalEntry kJournal[] = {
    {"Introduction\n\nNovember 12, 1921 - 11:00 P.M.\n\n",
     "Whoever finds this, know that the great village of Kharim is no more.\n"
     "Tonight the Wraiths came out of the dark, hundreds of them, and behind\n"
     "them walked the one they serve, the Rune King. Our walls burned like\n"
     "paper. I write this so that someone, someday, will know what happened.\n"},
    {"12:00 P.M.\n\n",
     "No one survived the first attack but the few of us hiding in the keep.\n"
     "From the window I watched the Wraiths stand in rows across the square.\n"
     "Then they parted, without a sound, to make a road for the Rune King.\n"
     "Our King would not hide any longer. He took up his sword and his crown\n"
     "and walked out through the gates alone, to meet the Rune King face to\n"
     "face. We begged him to stay. He only told us to keep the records.\n"},
    {"3:00 P.M.\n\n",
     "They fought in the middle of the square for what felt like hours.\n"
     "Our King was strong, and twice he drove the Rune King to his knees.\n"
     "But the Rune King only laughed, and raised his hand to the sky.\n"
     "A blast of Ruby Energy tore out of it, red as blood and bright as fire,\n"
     "and struck our King in the chest. He fell, and he did not rise again.\n"
     "The Wraiths howled so loudly that the glass of the keep cracked.\n"},
    {"4:00 P.M.\n\n",
     "Our King is dead. The Wraiths have taken Kharim, every street of it,\n"
     "and the Rune King sits on the throne that was never his.\n"
     "I have crawled into the cellar beneath the old library to hide.\n"
     "I can hear them walking above me. I do not think they know I am here.\n"
     "I will write for as long as the candle lasts.\n"},
    {"4:15 P.M.\n\n",
     "And now, you must confront the Rune King, to whom had read this\n"
     "first. I wish you good luck, Hero, for the World needs You!\n"},
};

void ShowJournal() {
    io() << "                          Ahrim's Journal\n\n\n";
    for (const JournalEntry& entry : kJournal) {
        io() << entry.heading << entry.text << "\n";
        wait();
    }
}

// The history-file check. Prints the notice and ends the game when a
// command-mode history file is present.
void CheckHistoryFile() {
    const auto content = gameDir().Read(kHistoryFile);
    if (!content) return;
    std::istringstream words(*content);
    std::string first;
    if (!(words >> first) || first != "History_File_Output") return;
    io() << "\n"
            "You are running Vaskarn inside of a zipped folder,\n"
            "unless, that is, you have accessed the Command Script and\n"
            "and executed a history file script. Running inside a zipped folder\n"
            "can erase your save data if you ever do extract this folder.\n"
            "To prevent this from happening, please extract this zipped folder,\n"
            "and then run Vaskarn again. If you have made a history\n"
            "file script, then find the file Output History File.DAT, and delete\n"
            "it. The Command Script that creates a history file has already been\n"
            "done by the game programmer, and you do not need to do it again, and\n"
            "you cannot see the history file if you are running inside a zipped\n"
            "folder.\n"
            "\n"
            "To fix this problem, extract this zipped folder, or delete the file\n"
            "Output History File.DAT. Thank you for your understanding.\n"
            "-Odrin\n"
            "\n"
            "Vaskarn will now close.\n\n";
    wait();
    throw EndOfGame{};
}

// The title screen and its menu, until a game is started or the program ends.
void TitleMenu(GameState& game) {
    for (;;) {
        ShowTitleBox();
        io() << "1. New Game\n2. Load Game\n3. About\n4. Ahrim's Journal\n0. Exit\n";
        io().Prompt();
        const char key = io().ReadChar();
        io() << "\n\n";
        switch (key) {
        case '1':
            NewGame(game);
            break;
        case '2':
            LoadGame(game);
            break;
        case 'C':
        case 'c':
            CommandMode(game);
            break;
        case '3':
            ShowAbout();
            break;
        case '4':
            ShowJournal();
            break;
        case '0':
            throw EndOfGame{};
        default:
            break;
        }
    }
}

}  // namespace

void PlayGame() {
    CheckHistoryFile();
    GameState game;
    game.repairUnleashed = false;
    TitleMenu(game);
}

}  // namespace vaskarn

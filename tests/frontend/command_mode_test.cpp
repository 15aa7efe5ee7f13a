#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "frontend/command_mode.h"
#include "frontend/title.h"
#include "model/player.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

const std::string kPause = "\nPress the Enter key to continue\n\n";
const std::string kOpening = "Command Script Mode Activated \n\nCommand? \n>\n\n";

// The recovery answers up to (not including) the thirteen numbers.
std::string Opening(const std::string& name = "Ayla", const std::string& group = "4") {
    return "\n" + name + "\n" + group + "\n7\n300\n5000\n";
}

TEST(CommandModeTest, HistoryFileCommandIgnoresCaseAndEchoesItLowered) {
    TestWorld world("OUTPUT History FILE\n\n\n");
    GameState game;
    CommandMode(game);
    EXPECT_EQ(world.ReadFile("Output History File.DAT"), "History_File_Output");
    EXPECT_EQ(world.Output(), kOpening + "Command 'output history file' performed correctly.\n\n" + kPause + "\n\n");
}

TEST(CommandModeTest, HistoryFileThatCannotBeWrittenIsNotReportedDone) {
    TestWorld world("output history file\n\n");
    std::filesystem::create_directory(world.Dir() / "Output History File.DAT.tmp");
    GameState game;
    CommandMode(game);
    EXPECT_FALSE(world.ReadFile("Output History File.DAT"));
    EXPECT_EQ(world.Output(), kOpening + "The history file could not be written.\n\n" + kPause);
}

TEST(CommandModeTest, SpellRepairIsArmedForLaterLoads) {
    TestWorld world("Fix Unleashed Spell Bug\n\n\n");
    GameState game;
    CommandMode(game);
    EXPECT_TRUE(game.repairUnleashed);
    EXPECT_EQ(world.Output(), kOpening +
                                  "Bug cleaning has been activated. The Unleashed spell bug\n"
                                  "will be fixed, when you load your game.\n" +
                                  kPause + "Command 'fix unleashed spell bug' performed correctly.\n\n" + kPause +
                                  "\n\n");
}

TEST(CommandModeTest, AnythingElseIsInvalidSyntax) {
    const std::string huge(100000, 'a');
    for (const std::string& line : {std::string("output history file "), std::string("recover"), std::string(""),
                                    std::string("fix unleashed spell bug\r"), huge, huge + "output history file"}) {
        TestWorld world(line + "\n\n");
        GameState game;
        CommandMode(game);
        EXPECT_EQ(world.Output(), kOpening + "Invalid Syntax \n\n" + kPause);
        EXPECT_FALSE(game.repairUnleashed);
        EXPECT_FALSE(world.ReadFile("Output History File.DAT"));
    }
}

TEST(CommandModeTest, RecoveryAppliesEveryValueThatPassesItsTest) {
    TestWorld world(Opening() +
                    "25 20 19 40 0 35 3 4 2 50 3 60 12\n"
                    "9 8 7\n"
                    "yes\n\n\n\n\n");
    Player hero;
    RecoverFile(hero);
    EXPECT_EQ(hero.GetName(), "Ayla");
    EXPECT_EQ(hero.GetGroupName(), "Knave");
    EXPECT_EQ(hero.GetGroup(), 4);
    EXPECT_EQ(hero.GetLevel(), 7);
    EXPECT_EQ(hero.GetXP(), 300);
    EXPECT_EQ(hero.GetGold(), 5000);
    EXPECT_EQ(hero.GetHP(), 25);
    EXPECT_EQ(hero.GetMaxHP(), 20);  // 20 is enough
    EXPECT_EQ(hero.GetMP(), 19);
    EXPECT_EQ(hero.GetMaxMP(), 40);
    EXPECT_EQ(hero.GetEnergy(), 0);
    EXPECT_EQ(hero.GetMaxEnergy(), 35);
    EXPECT_EQ(hero.GetTokens(), 3);
    EXPECT_EQ(hero.GetBars(), 4);
    EXPECT_EQ(hero.GetHerbloreLevel(), 2);
    EXPECT_EQ(hero.GetHerbloreXP(), 50);
    EXPECT_EQ(hero.GetSmithingLevel(), 3);
    EXPECT_EQ(hero.GetSmithingXP(), 60);
    EXPECT_EQ(hero.GetArrows(), 12);
    EXPECT_EQ(hero.GetAttack(), 9);
    EXPECT_EQ(hero.GetDefense(), 8);
    EXPECT_EQ(hero.GetStrength(), 7);
    EXPECT_TRUE(hero.HasBow());
    EXPECT_EQ(hero.GetBowPower(), 0);
    EXPECT_TRUE(world.ReadFile("Player.dll"));
    const std::string out = world.Output();
    EXPECT_NE(out.find("bow at the shop.\n\n" + kPause + "\n\nYour file has been successfully recovered!\n"),
              std::string::npos);
    EXPECT_NE(out.find("Your file will be now saved.\n\n" + kPause + "Your file has been saved successfully."),
              std::string::npos);
    EXPECT_NE(out.find("can continue on.\n\n" + kPause +
                       "You will now be teleported to the village.\nPlease stand by.\n\n" + kPause),
              std::string::npos);
}

TEST(CommandModeTest, RecoveryKeepsDefaultsAndRejectsValuesBelowTheirFloor) {
    TestWorld world(Opening("Ayla", "1") +
                    "-1 19 -1 19 -1 19 -1 -1 0 -1 0 -1 -1\n"
                    "0 -2 0\n"
                    "Y\n\n\n\n\n");
    Player hero;
    hero.SetPoisoned(true);
    RecoverFile(hero);
    EXPECT_EQ(hero.GetGroupName(), "Squire");
    EXPECT_EQ(hero.GetGroup(), 1);
    // Nothing passed, so the record keeps its own values.
    EXPECT_EQ(hero.GetHP(), 40);
    EXPECT_EQ(hero.GetMaxHP(), 40);
    EXPECT_EQ(hero.GetMaxMP(), 10);
    EXPECT_EQ(hero.GetMaxEnergy(), 20);
    EXPECT_EQ(hero.GetHerbloreLevel(), 1);
    EXPECT_EQ(hero.GetAttack(), 1);
    EXPECT_EQ(hero.GetDefense(), 1);
    EXPECT_FALSE(hero.HasBow());  // "Y" is not "y"
    EXPECT_FALSE(hero.IsPoisoned());
}

TEST(CommandModeTest, RecoveryStopsReadingNumbersAtTheFirstThatFails) {
    // The first three numbers span two lines; "x" stops the row, so the rest
    // take their defaults and the remainder of that line is dropped.
    TestWorld world("\nayla\nwizard\n0\n2\nlots\n-5\n-5\n"
                    "50\n60 70 x 80 90\n"
                    "4 nope 6\n"
                    "no\n\n\n\n\n");
    Player hero;
    hero.SetTokens(9);
    hero.SetArrows(4);
    RecoverFile(hero);
    EXPECT_EQ(hero.GetName(), "ayla");  // stored as typed
    EXPECT_EQ(hero.GetGroupName(), "Monk");
    EXPECT_EQ(hero.GetGroup(), 2);
    EXPECT_EQ(hero.GetLevel(), 1);  // default level
    EXPECT_EQ(hero.GetXP(), 0);
    EXPECT_EQ(hero.GetGold(), 100);  // -5 is refused
    EXPECT_EQ(hero.GetHP(), 50);
    EXPECT_EQ(hero.GetMaxHP(), 60);
    EXPECT_EQ(hero.GetMP(), 70);
    EXPECT_EQ(hero.GetMaxMP(), 20);  // defaults from here on
    EXPECT_EQ(hero.GetEnergy(), 20);
    EXPECT_EQ(hero.GetMaxEnergy(), 20);
    EXPECT_EQ(hero.GetTokens(), 0);
    EXPECT_EQ(hero.GetArrows(), 0);
    EXPECT_EQ(hero.GetAttack(), 4);
    EXPECT_EQ(hero.GetDefense(), 1);
    EXPECT_EQ(hero.GetStrength(), 1);
    EXPECT_FALSE(hero.HasBow());
    // Three class questions: "wizard" and 0 are asked again.
    const std::string question = "What are you?\n\n";
    std::size_t count = 0;
    for (std::size_t at = world.Output().find(question); at != std::string::npos;
         at = world.Output().find(question, at + 1))
        ++count;
    EXPECT_EQ(count, 3u);
}

TEST(CommandModeTest, RecoveryCutsALongNameAndReportsAFailedSave) {
    TestWorld world("\n" + std::string(50, 'n') + "\n5\n1\n0\n0\n1 2 3 4 5 6 7 8 9 10 11 12 13\n1 1 1\nn\n\n\n\n");
    std::filesystem::create_directory(world.Dir() / "Player.dll.tmp");
    Player hero;
    RecoverFile(hero);
    EXPECT_EQ(hero.GetName(), std::string(35, 'n'));
    EXPECT_FALSE(world.ReadFile("Player.dll"));
    const std::string out = world.Output();
    EXPECT_NE(out.find("Your file will be now saved.\n\nThe game could not be saved.\n" + kPause +
                       "You will now be teleported"),
              std::string::npos);
    EXPECT_EQ(out.find("saved successfully"), std::string::npos);
}

TEST(CommandModeTest, RecoverCommandHandsTheHeroToTheCrossroads) {
    TestWorld world("recover file\n" + Opening() + "x\nx\nn\n\n\n\n\n");
    GameState game;
    EXPECT_TRUE(world.EndsGame([&] { CommandMode(game); }));
    EXPECT_EQ(game.loaded.GetName(), "Ayla");
    EXPECT_EQ(game.player.GetName(), "Hero");
    EXPECT_NE(world.Output().find("Please stand by.\n\n" + kPause + "\n\n\n\nYou stand where many roads meet"),
              std::string::npos);
}

}  // namespace
}  // namespace vaskarn

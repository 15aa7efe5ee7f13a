#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "model/player.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

// A missing file is the won-game transcript's. A file too short, or one that
// cannot be read, leaves the balance alone and is not replaced.
TEST(BankFileTest, FourLittleEndianBytesAndBadFilesKeepTheAmount) {
    testing::TestWorld world;
    Player hero;
    hero.SetBankAmount(10);
    EXPECT_TRUE(hero.SaveBank());
    EXPECT_EQ(world.ReadFile("Bank.dll"), std::string("\x0a\0\0\0", 4));
    world.WriteFile("Bank.dll", std::string("\xce\xff\xff\xff", 4));
    hero.LoadBank();
    EXPECT_EQ(hero.GetBankAmount(), -50);  // as stored
    world.WriteFile("Bank.dll", std::string("\x01\x02\x03", 3));
    hero.LoadBank();
    EXPECT_EQ(hero.GetBankAmount(), -50);
    std::filesystem::remove(world.Dir() / "Bank.dll");
    std::filesystem::create_directory(world.Dir() / "Bank.dll");
    hero.LoadBank();
    EXPECT_EQ(hero.GetBankAmount(), -50);
    EXPECT_TRUE(std::filesystem::is_directory(world.Dir() / "Bank.dll"));
    EXPECT_EQ(world.Output(), "");
}

// Moving gold saves the player file, and a save that fails says so.
TEST(BankFileTest, DepositsAndWithdrawalsClampAtZeroAndSaveThePlayerFile) {
    testing::TestWorld world;
    Player hero;
    hero.SetBankAmount(-50);
    EXPECT_TRUE(hero.AddBankAmount(10));
    EXPECT_EQ(hero.GetBankAmount(), 0);
    hero.SetBankAmount(200);
    EXPECT_TRUE(hero.SubtractBankAmount(500) && hero.GetBankAmount() == 0);
    EXPECT_TRUE(world.ReadFile("Player.dll") && !world.ReadFile("Bank.dll"));
    std::filesystem::remove(world.Dir() / "Player.dll");
    std::filesystem::create_directory(world.Dir() / "Player.dll");  // nothing can replace a directory
    EXPECT_FALSE(hero.Save() || hero.SubtractBankAmount(1));
}

}  // namespace
}  // namespace vaskarn

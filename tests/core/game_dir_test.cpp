#include "core/game_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "support/test_world.h"
#include "support/watched_files.h"

namespace vaskarn {
namespace {

namespace fs = std::filesystem;
using testing::TestWorld;
using testing::WatchedFiles;
using Names = std::vector<std::string>;

Names Listing(const fs::path& dir) {
    Names names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Steps of saving the bank and then the hero, failing in turn: both files
// are written and synced before either is renamed, and the directory is
// synced last, so the hero's file is only ever replaced by a save that
// succeeds.
TEST(GameDirTest, AFailedStepReportsFailureAndLeavesTheHeroFileAsItWas) {
    const struct {
        const char *kind, *bank, *hero;  // Bank.dll and Player.dll afterwards
        int number;
    } cases[] = {
        {"create", "old bank", "old hero", 2}, {"write", "old bank", "old hero", 1},
        {"sync", "old bank", "old hero", 2},   {"close", "old bank", "old hero", 1},
        {"rename", "old bank", "old hero", 1},
        {"rename", "bank", "old hero", 2},  // the bank goes first, so only it can have been replaced
        {"syncdir", "bank", "hero", 1},     // in place, but not yet safe from a crash: still a failure
    };
    for (const auto& c : cases) {
        TestWorld world;
        world.WriteFile("Bank.dll", "old bank");
        world.WriteFile("Player.dll", "old hero");
        WatchedFiles watched;
        watched.failKind = c.kind;
        watched.failNumber = c.number;
        const GameDir dir(world.Dir(), watched);
        const std::string label = c.kind + std::to_string(c.number);
        EXPECT_FALSE(dir.WriteAllAtomically({{"Bank.dll", "bank"}, {"Player.dll", "hero"}})) << label;
        EXPECT_EQ(dir.Read("Bank.dll"), c.bank) << label;
        EXPECT_EQ(dir.Read("Player.dll"), c.hero) << label;
        EXPECT_EQ(Listing(world.Dir()), (Names{"Bank.dll", "Player.dll"})) << label << ": a temporary file was left";
    }
}

// A link (or a directory: the same refusal) planted where the temporary file
// used to go, and where this save first tries.
TEST(GameDirTest, APlantedLinkIsNeverWrittenThrough) {
    TestWorld world;
    world.WriteFile("victim", "precious");
    fs::create_symlink("victim", world.Dir() / "Player.dll.tmp");
    WatchedFiles watched;
    watched.beforeCreate = [&](const fs::path& path) {
        fs::create_symlink("victim", path);
        watched.beforeCreate = nullptr;
    };
    const GameDir dir(world.Dir(), watched);
    EXPECT_TRUE(dir.WriteAtomically("Player.dll", "hero"));
    EXPECT_EQ(world.ReadFile("victim"), "precious");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(world.Dir() / "Player.dll")));
    EXPECT_EQ(world.ReadFile("Player.dll"), "hero");
    EXPECT_EQ(std::count(watched.calls.begin(), watched.calls.end(), "create Player.dll~"), 2);
}

// A missing file and a directory in a file's place are in the transcripts.
TEST(GameDirTest, ReadingTellsMissingFromUnreadableAndStopsAtTheLimit) {
    using State = FileContent::State;
    const struct {
        const char* what;
        std::function<void(const fs::path&)> make;
        State state;
        std::size_t size;
    } cases[] = {
        {"a dangling link", [](const fs::path& p) { fs::create_symlink("nowhere", p); }, State::Missing, 0},
        {"a pipe", [](const fs::path& p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }, State::Unreadable, 0},
        {"a huge file", [](const fs::path& p) { std::ofstream{p}, fs::resize_file(p, 3 * GameDir::kReadLimit); },
         State::Read, GameDir::kReadLimit},
    };
    for (const auto& c : cases) {
        TestWorld world;
        c.make(world.Dir() / "Player.dll");
        const FileContent content = GameDir(world.Dir()).ReadFile("Player.dll");
        EXPECT_EQ(content.state, c.state) << c.what;
        EXPECT_EQ(content.bytes.size(), c.size) << c.what;
    }
}

}  // namespace
}  // namespace vaskarn

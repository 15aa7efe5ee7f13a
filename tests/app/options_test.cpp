#include "app/options.h"

#include <gtest/gtest.h>

namespace vaskarn {
namespace {

TEST(OptionsTest, EveryOptionIsReadAndBadOnesAreRefusedWithTheReason) {
    std::string error;
    const auto options = ParseOptions(
        {"--seed", "-3", "--dir", "my saves", "--record", "s.txt", "--version", "--help"}, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->seed, -3);
    EXPECT_EQ(options->dir, "my saves");
    EXPECT_EQ(options->record, "s.txt");
    EXPECT_FALSE(options->replay);
    EXPECT_TRUE(options->help && options->version);
    EXPECT_EQ(ParseOptions({"--replay", "s.txt", "--dir", "d"}, error)->replay, "s.txt");

    const struct {
        std::vector<std::string> args;
        std::string error;
    } refused[] = {
        {{"--dir"}, "option '--dir' needs a directory"},
        {{"--dir", ""}, "option '--dir' needs a directory"},
        {{"--record"}, "option '--record' needs a file to record to"},
        {{"--replay", ""}, "option '--replay' needs a recorded file"},
        {{"--seed", "1x"}, "option '--seed' needs a whole number, not '1x'"},
        {{"--record", "a", "--replay", "b"}, "options '--record' and '--replay' cannot be used together"},
        {{"--replay", "b", "--seed", "1"},
         "options '--seed' and '--replay' cannot be used together: the record holds the clock"},
        {{"--dir=x"}, "unknown option '--dir=x'"},
    };
    for (const auto& c : refused) {
        error.clear();
        EXPECT_FALSE(ParseOptions(c.args, error)) << c.error;
        EXPECT_EQ(error, c.error);
    }
}

// The game-directory shell test plays in the chosen directory.
TEST(OptionsTest, TheOptionBeatsTheVariableAndAnEmptyVariableIsUnset) {
    using From = GameDirChoice::From;
    Options none, given;
    given.dir = "mine";
    const auto choice = [](const Options& options, const char* variable) {
        const GameDirChoice chosen = ChooseGameDir(options, variable);
        return std::pair(chosen.path.string(), chosen.from);
    };
    EXPECT_EQ(choice(given, "theirs"), std::pair(std::string("mine"), From::Option));
    EXPECT_EQ(choice(none, "theirs"), std::pair(std::string("theirs"), From::Environment));
    EXPECT_EQ(choice(none, ""), std::pair(std::string("."), From::Default));
    EXPECT_EQ(choice(none, nullptr), std::pair(std::string("."), From::Default));
}

}  // namespace
}  // namespace vaskarn

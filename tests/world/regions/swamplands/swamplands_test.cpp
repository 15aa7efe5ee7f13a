#include <gtest/gtest.h>

#include <string>

#include "model/player.h"
#include "support/test_world.h"
#include "world/regions/swamplands/swamplands.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

const std::string P = "\nPress the Enter key to continue\n\n";
const std::string kAsk = "Type something below to ask Fred.\n\nYou:\n";
const std::string kUnknown = "Fred:\nHmmm... Fred doesn't seem to know what you are saying.\n" + P;

// Fred compares the whole line, in lower case; a line of any length is
// one question, and the chat goes on after it.
TEST(FredTest, AWholeLineIsOneQuestion) {
    Player hero;
    TestWorld world("\n2\n\n" + std::string(5000, 'x') + "bye\n\n bye\n\nByE\n\n");
    ScreenLoop loop(&hero);
    EXPECT_TRUE(world.EndsGame([&] { loop.Run(swamplands); }));
    const std::string out = world.Output();
    EXPECT_NE(out.find("done talking.\n" + P + kAsk + kUnknown + kAsk + kUnknown + kAsk + "Fred:\nBye!!!\n\n" + P +
                       "What would you like to do?\n"),
              std::string::npos);
}

}  // namespace
}  // namespace vaskarn

#include <gtest/gtest.h>

#include <string>

#include "model/player.h"
#include "support/visit.h"
#include "world/regions/swamplands/swamplands.h"

namespace vaskarn {
namespace {

using testing::kPause;

// Fred compares the whole line, in lower case; a line of any length is
// one question, and the chat goes on after it.
TEST(FredTest, AWholeLineIsOneQuestion) {
    const std::string ask = "Type something below to ask Fred.\n\nYou:\n";
    const std::string unknown = "Fred:\nHmmm... Fred doesn't seem to know what you are saying.\n" + kPause;
    Player hero;
    const std::string out =
        testing::Visit(hero, swamplands, "\n2\n\n" + std::string(5000, 'x') + "bye\n\n bye\n\nByE\n\n");
    EXPECT_TRUE(testing::Has(out, "done talking.\n" + kPause + ask + unknown + ask + unknown + ask +
                                      "Fred:\nBye!!!\n\n" + kPause + "What would you like to do?\n"));
}

}  // namespace
}  // namespace vaskarn

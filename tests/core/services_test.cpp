#include <gtest/gtest.h>

#include <stdexcept>

#include "support/test_world.h"

namespace vaskarn {
namespace {

// A test that forgets its TestWorld must fail loudly, not play on the real
// terminal or write saves into the working directory.
TEST(ServicesTest, ASeamNobodyInstalledThrowsInsteadOfReachingTheMachine) {
    EXPECT_THROW(io(), std::logic_error);
    EXPECT_THROW(gameDir(), std::logic_error);
    EXPECT_THROW(gameClock(), std::logic_error);
    EXPECT_THROW(rng(), std::logic_error);
    EXPECT_THROW(world(), std::logic_error);
    {
        testing::TestWorld installed;
        world().hasitem = true;
        EXPECT_TRUE(installed.state.hasitem);
    }
    EXPECT_THROW(world(), std::logic_error);  // and the scope puts things back
}

}  // namespace
}  // namespace vaskarn

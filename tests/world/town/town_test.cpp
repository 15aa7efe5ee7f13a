#include <gtest/gtest.h>

#include <string>

#include "core/screen.h"
#include "model/player.h"
#include "support/test_world.h"
#include "world/town/town.h"

namespace vaskarn {
namespace {

using testing::TestWorld;


// The square from its description, with `typed` after the first pause; the
// walk ends where the input ends. Returns everything after the menu's ">".
std::string AfterTheMenu(const std::string& typed) {
    TestWorld world("\n" + typed);
    Player hero;
    EXPECT_TRUE(world.EndsGame([&] { RunScreens(&hero, town); }));
    const std::string out = world.Output();
    const std::size_t menu = out.find("11.Back To Village\n>");
    EXPECT_NE(menu, std::string::npos);
    EXPECT_EQ(out.find("Lowe's Archery  Shop.\n"), out.find("Lowe's Archery")) << "two blanks in the description";
    return out.substr(menu + 20);
}

TEST(TownTest, NumbersOutsideTheMenuOnlyBringBackTheBarePrompt) {
    EXPECT_EQ(AfterTheMenu("0\n12\n-3\nabc\n"), "\n\n>\n\n>\n\n>\n\n>");
}


}  // namespace
}  // namespace vaskarn

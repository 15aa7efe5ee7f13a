#include <gtest/gtest.h>

#include <string>

#include "abilities/spells.h"
#include "model/player.h"
#include "support/test_world.h"
#include "world/town/spell_shop.h"
#include "world/town/town.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

const std::string P = "\nPress the Enter key to continue\n\n";

TEST(SpellShopTest, ExactGoldBuysTheKindItself) {
    TestWorld world("1\n\n");
    Player hero;
    hero.SetGold(50);
    EXPECT_EQ(spellshop(&hero).kind, Transition::Kind::Stay);
    const std::string out = world.Output();
    EXPECT_EQ(out.substr(out.find("0. Cancel\n>")), "0. Cancel\n>You bought the spell Fireball!\n" + P);
    EXPECT_EQ(hero.GetGold(), 0);
    EXPECT_NE(dynamic_cast<Fireball*>(hero.GetSpell()[0].get()), nullptr);
}

// Each answer that buys nothing: what follows the prompt, and where it leads.
TEST(SpellShopTest, RefusalsAndCancelTakeNothing) {
    struct Case { std::string typed; std::string said; Transition::Kind leads; };
    const Case cases[] = {
        {"1\n\n", "You can't afford that spell.\n" + P, Transition::Kind::Stay},
        {"17\n", "\n", Transition::Kind::Stay},
        {"many\n", "\n", Transition::Kind::Stay},
        {"0\n", "", Transition::Kind::ReturnTo},
    };
    for (const Case& c : cases) {
        TestWorld world(c.typed);
        Player hero;
        hero.SetGold(49);
        const Transition t = spellshop(&hero);
        EXPECT_EQ(t.kind, c.leads) << c.typed;
        EXPECT_EQ(t.target == town, t.kind == Transition::Kind::ReturnTo) << c.typed;
        const std::string out = world.Output();
        EXPECT_EQ(out.substr(out.find("0. Cancel\n>") + 11), c.said) << c.typed;
        EXPECT_EQ(hero.GetGold(), 49);
        EXPECT_EQ(CountHeld(hero.GetSpell()), 0u);
    }
}

}  // namespace
}  // namespace vaskarn

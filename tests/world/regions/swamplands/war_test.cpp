#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string>

#include "model/player.h"
#include "model/slots.h"
#include "support/visit.h"
#include "world/regions/swamplands/war.h"

namespace vaskarn {
namespace {

using testing::Has;
using testing::kPause;
using testing::TestWorld;

// The war is entered as a replay (no request to answer: one pause, then the
// first turn). Draws are 0 unless scripted; a turn's draws of 0 and an enemy
// attack of 0 leave both armies as they were.
struct War {
    explicit War(const std::string& orders) : world("\n" + orders) { hero.SetSwamp(true); }
    // The first of a turn's twelve draws; the rest are 0.
    War& Turn(std::initializer_list<std::uint32_t> draws) {
        world.scripted.Push(draws);
        for (std::size_t i = draws.size(); i < 12; ++i) world.scripted.Push({0});
        return *this;
    }
    // The enemy attack's draws that follow.
    War& Then(std::initializer_list<std::uint32_t> draws) {
        world.scripted.Push(draws);
        return *this;
    }
    // A war that is over hands control back; one cut short ends the game.
    std::string Run() {
        ScreenLoop loop(&hero);
        world.EndsGame([&] { loop.Run(swamplandsbarracks); });
        return world.Output();
    }
    Player hero;
    TestWorld world;
};

// The twelve turn draws in their order: troop luck 1, attack divisor 17,
// enemy luck 0, enemy divisor 8, arrows kill 5, guns 12, ballista 49 x 3,
// catapult 99 x 5, trebuchet 169 x 5. (Arrows and guns are the transcripts'.)
constexpr std::initializer_list<std::uint32_t> kHighRolls = {1, 9, 0, 0, 4, 9, 29, 2, 59, 4, 99, 4};

TEST(WarTest, EachOrderUsesItsOwnDrawOfTheTurn) {
    const struct {
        std::string orders;
        std::string report;
        int enemiesLeft;
    } cases[] = {
        {"1\n100\n",
         "You send out 100 to attack the enemy soldiers.\n100 enemy soldiers get killed.\n"
         "5 of your troops get killed.\n", 9900},
        {"6\n", "You shoot a ballista missle at the approaching army.\nIt takes out 147 enemy soldiers.\n", 9853},
        {"7\n", "You fling a catapult rock at the approaching army.\nIt takes out 495 enemy soldiers.\n", 9505},
        {"8\n\n9\n", "killing 845 enemy warriors.\n", 9155},
    };
    for (const auto& c : cases) {
        War war(c.orders + "\n");
        if (c.orders[0] == '8') war.Turn({}).Then({0});  // loading, and its quiet enemy attack
        const std::string out = war.Turn(kHighRolls).Run();
        EXPECT_TRUE(Has(out, c.report + "The enemy warriors attack your army.\n1 enemy warriors attack")) << c.orders;
        EXPECT_TRUE(Has(out, "Enemy Troops: " + std::to_string(c.enemiesLeft) + "\n")) << c.orders;
    }
}

TEST(WarTest, TheEnemyAttack) {
    // Attackers never outnumber the enemy left: 5000 arrows' and 4800 guns'
    // worth of kills leave 200, who all attack and kill 200.
    War capped("4\n1000\n\n5\n400\n\n");
    capped.Turn({0, 0, 0, 0, 4}).Then({0}).Turn({0, 0, 1, 0, 0, 9}).Then({4999});
    EXPECT_TRUE(Has(capped.Run(),
                    "200 enemy warriors attack your army.\n200 of your troops get killed.\n"
                    "25 of the enemy troops were killed.\n"));

    // 5000 attackers against 2000 are halved; 2500 losses are above 2000
    // and stay 2500 (divided by 1), then capped at 500. Against the 1500
    // left, 1800 attack whole (divided by 1) and the losses become 1 to 60.
    War heavy("6\n\n6\n\n");
    heavy.Turn({0, 0, 1}).Then({4999, 1, 0}).Turn({0, 0, 1}).Then({1799, 0, 41});
    const std::string out = heavy.Run();
    EXPECT_TRUE(Has(out, "2500 enemy warriors attack your army.\n500 of your troops get killed.\n"));
    EXPECT_TRUE(Has(out, "1800 enemy warriors attack your army.\n42 of your troops get killed.\n"));
    EXPECT_TRUE(Has(out, "Ally Troops: 1458\n"));
}

// A defended attack never kills fewer than none. (Defending twice, and
// leaving the position, are the swamplands_war_lost transcript, as is a
// counterattack that works.)
TEST(WarTest, DefendingShieldsTheNextAttackDownToNone) {
    War war("2\n\n");
    war.Turn({0, 0, 1}).Then({449});  // 450 attack
    EXPECT_TRUE(Has(war.Run(),
                    "450 enemy warriors attack your army.\n0 of your troops get killed.\n"
                    "You were defending, so 500 less troops were killed.\n"));
}

TEST(WarTest, AFailedCounterattackKillsNone) {
    War war("3\n\n\n");
    war.Turn({}).Then({0, 7});  // roll 7: failed
    EXPECT_TRUE(Has(
        war.Run(), "Sorry, but your counterattacking failed.\n" + kPause + "Ally Troops: 2000\nEnemy Troops: 10000\n"));
}

TEST(WarTest, TheTrebuchetPileAndTheEmpsReach) {
    // Five rocks loaded and fired one by one; the sixth cannot be loaded.
    std::string orders = "9\n\n";
    for (int i = 0; i < 5; ++i) orders += "8\n\n9\n\n";
    War trebuchet(orders + "8\n\n9\n\n");
    const std::string out = trebuchet.Run();
    EXPECT_TRUE(Has(out, "Enemy Troops: 9650\nDefending: No\nCounterattacking: No\n"));
    EXPECT_TRUE(Has(out, ">You have no more trebuchet rocks left to load.\n" + kPause));
    EXPECT_TRUE(Has(out, ">You have no more trebuchet rocks left.\n" + kPause));

    // 5000 arrows' worth leaves exactly 5000: the EMP works, once.
    War emp("10\n\n4\n1000\n\n10\n\n10\n\n");
    emp.Turn({}).Turn({0, 0, 0, 0, 4});
    const std::string fired = emp.Run();
    EXPECT_TRUE(Has(fired, ">You can only fire the EMP, after there is only 5,000 or less\nenemy troops remaining.\n"));
    EXPECT_TRUE(Has(fired, "Suddenly, 2000 of them all die\n"));
    EXPECT_TRUE(Has(fired, ">You don't have any more EMP's.\n"));

    // One fewer kill leaves 5001, out of its reach.
    War short_("4\n999\n\n5\n1\n\n10\n\n");
    short_.Turn({0, 0, 0, 0, 4}).Then({0}).Turn({0, 0, 0, 0, 0, 1});
    EXPECT_TRUE(Has(short_.Run(), "Enemy Troops: 5001\n"));
    EXPECT_EQ(short_.world.Output().find("Suddenly"), std::string::npos);
}

TEST(WarTest, ARefusedOrderDrawsOnlyTheTurn) {
    War war("1\n0\n\n");
    const std::string out = war.Run();
    EXPECT_TRUE(Has(out, ">How many troops do you want to use to attack?\n>You can't attack with 0 troops.\n" + kPause +
                             "Ally Troops: 2000\n"));
    EXPECT_EQ(war.world.scripted.draws, 24);  // two turns' draws, no attack between
}

// 1000 arrows kill 5000, 500 guns 6000: a replay won in two turns.
TEST(WarTest, AWonReplayPaysWithoutWrappingAndALostOneDoesNot) {
    War won("4\n1000\n\n5\n500\n\n");
    won.hero.SetGold(std::numeric_limits<int>::max() - 1000);
    won.Turn({0, 0, 0, 0, 4}).Then({0}).Turn({0, 0, 0, 0, 0, 9});
    EXPECT_TRUE(Has(won.Run(), "killing 6000 enemy soldiers.\nYou Won... Yay!\nYou get 6000 gold!\n" + kPause));
    EXPECT_EQ(won.hero.GetGold(), std::numeric_limits<int>::max());
    EXPECT_EQ(CountHeld(won.hero.GetBlessings()), 0u);

    // Four attacks of 500 each leave none.
    War lost("6\n\n6\n\n6\n\n6\n\n\n");
    lost.hero.SetGold(100);
    for (int i = 0; i < 4; ++i) lost.Turn({0, 0, 1}).Then({4999, 0, 0});
    const std::string lostOut = lost.Run();
    EXPECT_TRUE(Has(lostOut, "You Lost... Sorry!\nTry again next time!\n" + kPause));
    EXPECT_EQ(lost.hero.GetGold(), 100);
}

TEST(WarTest, AnyLossToTheWizardKingIsADeath) {
    // Either blessing alone leads to him; fleeing counts as dying.
    Player hero;
    hero.SetGold(101);
    Blessings blessing;
    blessing.CreateBlessing("Swamplands Blessing", 50000);
    hero.AddBlessing(&blessing);
    TestWorld world("\n\n\n7\n\n\n");
    ScreenLoop loop(&hero);
    world.EndsGame([&] { loop.Run(swamplandsbarracks); });
    EXPECT_TRUE(Has(world.Output(), "without being harmed.\n" + kPause + "The Wizard King has killed you!\n" + kPause));
    EXPECT_EQ(hero.GetGold(), 50);
    EXPECT_FALSE(hero.GetSwamp());
}

}  // namespace
}  // namespace vaskarn

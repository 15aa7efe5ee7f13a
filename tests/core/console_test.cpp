#include <gtest/gtest.h>

#include "core/pause.h"
#include "core/services.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

TEST(ConsoleTest, NumberReadsKeepDefaultOnBadInputAndDiscardTheLine) {
    TestWorld world("\n\n  42 and more\nabc 7\n99999999999\n-3");
    EXPECT_EQ(io().ReadNumber(5), 42);   // blank lines skipped, rest of line dropped
    EXPECT_EQ(io().ReadNumber(5), 5);    // not a number: the default, stream usable
    EXPECT_EQ(io().ReadNumber(-1), -1);  // too large for an int counts as not a number
    EXPECT_EQ(io().ReadNumber(0), -3);   // a last line without a line end still counts
    EXPECT_TRUE(world.EndsGame([] { io().ReadNumber(0); }));
}

TEST(ConsoleTest, CharAndWordReadsSkipBlanksAndTakeOnlyTheFirstToken) {
    TestWorld world("\n   12\n 1   attack\nyes please\n");
    EXPECT_EQ(io().ReadChar(), '1');
    EXPECT_EQ(io().ReadWord(), "1");
    EXPECT_EQ(io().ReadWord(), "yes");
    EXPECT_EQ(world.Output(), "");
}

TEST(ConsoleTest, LineReadKeepsSpacesAndEmptyLines) {
    TestWorld world("Output History File  \n\nlast");
    EXPECT_EQ(io().ReadLine(), "Output History File  ");
    EXPECT_EQ(io().ReadLine(), "");
    EXPECT_EQ(io().ReadLine(), "last");
}

TEST(ConsoleTest, EveryReaderEndsTheGameWhenInputIsExhausted) {
    TestWorld world("");
    EXPECT_TRUE(world.EndsGame([] { io().ReadNumber(0); }));
    EXPECT_TRUE(world.EndsGame([] { io().ReadChar(); }));
    EXPECT_TRUE(world.EndsGame([] { io().ReadWord(); }));
    EXPECT_TRUE(world.EndsGame([] { io().ReadLine(); }));
    EXPECT_TRUE(world.EndsGame([] { wait(); }));
    world.SetInput("   \n\n  \n");
    EXPECT_TRUE(world.EndsGame([] { io().ReadNumber(0); }));
}

TEST(ConsoleTest, WaitConsumesThePendingRestOfALine) {
    TestWorld world("5 extra words\nnext\n");
    EXPECT_EQ(io().ExtractNumber(0), 5);
    wait();  // takes " extra words\n" without a fresh key press
    EXPECT_EQ(world.TakeOutput(), "\nPress the Enter key to continue\n\n");
    EXPECT_EQ(io().ReadWord(), "next");
}

TEST(ConsoleTest, WaitsWaitsForAFreshLineAfterAPendingOne) {
    TestWorld world("5\nfresh\nafter\n");
    EXPECT_EQ(io().ExtractNumber(0), 5);
    waits();
    EXPECT_EQ(io().ReadWord(), "after");
}

TEST(ConsoleTest, PromptIsFlushedBeforeTheRead) {
    TestWorld world("1\n");
    io().Prompt();
    io().ReadChar();
    EXPECT_EQ(world.Output(), ">");
}

TEST(HelpersTest, RandomReseedsFromTheClockSoDrawsRepeatWithinASecond) {
    TestWorld world("", TestWorld::Generator::Portable);
    random();
    const int first = Draw(1000);
    random();
    EXPECT_EQ(Draw(1000), first);
    world.clock.SetNow(1001);
    random();
    EXPECT_NE(Draw(1000), first);  // a new second, a new sequence
}

TEST(HelpersTest, PortableGeneratorMatchesTheReferenceSequence) {
    // The C standard's example rand() seeded with 1 starts 16838, 5758, 10113.
    PortableRandom generator;
    generator.Seed(1);
    EXPECT_EQ(generator.Next(), 16838u);
    EXPECT_EQ(generator.Next(), 5758u);
    EXPECT_EQ(generator.Next(), 10113u);
}

TEST(HelpersTest, DrawReducesModuloAndNeverDividesByZero) {
    TestWorld world;
    world.scripted.Push({17, 17});
    EXPECT_EQ(Draw(5), 2);
    EXPECT_EQ(Draw(0), 0);  // no draw is taken from an empty range
    EXPECT_EQ(Draw(-3), 0);
    EXPECT_EQ(world.scripted.draws, 1);
}


}  // namespace
}  // namespace vaskarn

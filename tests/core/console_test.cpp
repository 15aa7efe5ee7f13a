#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "core/fd_stream.h"
#include "core/pause.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

// The end of input at each kind of read, and the Enter pauses, are in the
// transcripts.
TEST(ConsoleTest, NumberReadsKeepDefaultOnBadInputAndDiscardTheLine) {
    TestWorld world("\n\n  42 and more\nabc 7\n99999999999\n-3");
    EXPECT_EQ(io().ReadNumber(5), 42);   // blank lines skipped, rest of line dropped
    EXPECT_EQ(io().ReadNumber(5), 5);    // not a number: the default, stream usable
    EXPECT_EQ(io().ReadNumber(-1), -1);  // too large for an int counts as not a number
    EXPECT_EQ(io().ReadNumber(0), -3);   // a last line without a line end still counts
    EXPECT_TRUE(world.EndsGame([] { io().ReadNumber(0); }));
    world.SetInput("   \n\n  \n");  // only blanks left: the end too, not a default for ever
    EXPECT_TRUE(world.EndsGame([] { io().ReadNumber(0); }));
}

TEST(ConsoleTest, CharWordAndLineReadsTakeTheirShare) {
    TestWorld world("\n   12\n 1   attack\nyes please\nOutput History File  \n\nlast");
    EXPECT_EQ(io().ReadChar(), '1');
    EXPECT_EQ(io().ReadWord(), "1");
    EXPECT_EQ(io().ReadWord(), "yes");
    EXPECT_EQ(io().ReadLine(), "Output History File  ");  // spaces and empty lines kept
    EXPECT_EQ(io().ReadLine(), "");
    EXPECT_EQ(io().ReadLine(), "last");
    EXPECT_EQ(world.Output(), "");
}

// Bounded memory for a line of any length is the long-line shell test's.
TEST(ConsoleTest, LongWordsAndLinesAreCutAndTheRestPassedOver) {
    const std::string x(300, 'x'), y(300, 'y');
    TestWorld world(x + " second\nnext\n" + y + "  \nafter\n");
    EXPECT_EQ(io().ExtractWord(), x.substr(0, Console::kLongestKept));
    EXPECT_EQ(io().ReadWord(), "second");  // the long word ended where it ended
    EXPECT_EQ(io().ReadWord(), "next");
    EXPECT_EQ(io().ReadLine(), y.substr(0, Console::kLongestKept));
    EXPECT_EQ(io().ReadLine(), "after");
}

// An output that takes nothing, like a full disk.
class RefusingOutput : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

// The output shell test shows the reason the player is given.
TEST(ConsoleTest, OutputThatCannotBeWrittenEndsTheGameAtTheNextRead) {
    std::istringstream in("1\n1\n1\n");
    RefusingOutput refusing;
    std::ostream out(&refusing);
    Console console(in, out);
    console << "A menu\n";
    EXPECT_THROW(console.ReadNumber(0), WriteFailed);
    EXPECT_THROW(console.ReadLine(), WriteFailed);
    EXPECT_THROW(console.Wait(), WriteFailed);
}

TEST(HelpersTest, DrawReducesModuloAndNeverDividesByZero) {
    TestWorld world;
    world.scripted.Push({17, 17});
    EXPECT_EQ(Draw(5), 2);
    EXPECT_EQ(Draw(0), 0);  // no draw is taken from an empty range
    EXPECT_EQ(Draw(-3), 0);
    EXPECT_EQ(world.scripted.draws, 1);
}

TEST(HelpersTest, PortableGeneratorMatchesTheReferenceSequence) {
    PortableRandom generator;  // the C standard's example rand() seeded with 1
    generator.Seed(1);
    for (const std::uint32_t expected : {16838u, 5758u, 10113u}) EXPECT_EQ(generator.Next(), expected);
}

// Without a key source the whole input is there: each key is its next
// character, line ends too, and one is waiting while any is unread.
TEST(ConsoleKeysTest, KeysAreTheNextCharactersAndALookLeavesThemWaiting) {
    TestWorld world("a\nb");
    EXPECT_EQ(getch(), 'a');
    EXPECT_EQ(getch(), '\n');
    EXPECT_TRUE(kbhit() && kbhit());
    EXPECT_EQ(io().ReadWord(), "b");
    EXPECT_TRUE(world.EndsGame([] { kbhit(); }));  // a counter never outruns the input
    EXPECT_TRUE(world.EndsGame([] { getch(); }));
}

}  // namespace
}  // namespace vaskarn

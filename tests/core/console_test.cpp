#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <streambuf>
#include <string>

#include "core/fd_stream.h"
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

// An input of `size` copies of one character and then a line end, made as
// it is read, so that the test itself never holds the long line.
class LongLine : public std::streambuf {
public:
    LongLine(std::size_t size, char fill, std::string after) : left_(size), fill_(fill), after_(std::move(after)) {}

protected:
    int_type underflow() override {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
        if (left_ > 0) {
            const std::size_t n = std::min(left_, chunk_.size());
            chunk_.assign(n, fill_);
            left_ -= n;
        } else if (!after_.empty()) {
            chunk_ = std::move(after_);
            after_.clear();
        } else {
            return traits_type::eof();
        }
        setg(chunk_.data(), chunk_.data(), chunk_.data() + chunk_.size());
        return traits_type::to_int_type(*gptr());
    }

private:
    std::size_t left_;
    char fill_;
    std::string after_;
    std::string chunk_ = std::string(4096, ' ');
};

TEST(ConsoleTest, WordsAndLinesOfAnyLengthAreCutAndTheRestPassedOver) {
    const std::size_t huge = 5'000'000;
    {
        LongLine source(huge, 'x', " second\nnext\n");
        std::istream in(&source);
        std::ostringstream out;
        Console console(in, out);
        const std::string word = console.ExtractWord();
        EXPECT_EQ(word, std::string(Console::kLongestKept, 'x'));
        EXPECT_EQ(console.ReadWord(), "second");  // the long word ended where it ended
        EXPECT_EQ(console.ReadWord(), "next");
    }
    {
        LongLine source(huge, 'y', "  \nafter\n");
        std::istream in(&source);
        std::ostringstream out;
        Console console(in, out);
        EXPECT_EQ(console.ReadLine(), std::string(Console::kLongestKept, 'y'));
        EXPECT_EQ(console.ReadLine(), "after");
    }
    // A word one character short of the cut, and one exactly at it, are whole.
    TestWorld world(std::string(Console::kLongestKept - 1, 'a') + " " + std::string(Console::kLongestKept, 'b') + "\n");
    EXPECT_EQ(io().ExtractWord().size(), Console::kLongestKept - 1);
    EXPECT_EQ(io().ReadWord(), std::string(Console::kLongestKept, 'b'));
}

// An output that takes nothing, like a full disk.
class RefusingOutput : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    int sync() override { return -1; }
};

TEST(ConsoleTest, OutputThatCannotBeWrittenEndsTheGameAtTheNextRead) {
    std::istringstream in("1\n1\n1\n");
    RefusingOutput refusing;
    std::ostream out(&refusing);
    Console console(in, out);
    const auto lost = [&console](void (*read)(Console&)) {
        try {
            read(console);
        } catch (const WriteFailed& failure) {
            return failure.what == "the game's output";
        }
        return false;
    };
    console << "A menu\n";
    console.Prompt();
    EXPECT_TRUE(lost([](Console& c) { c.ReadNumber(0); }));
    EXPECT_TRUE(lost([](Console& c) { c.ReadLine(); }));
    EXPECT_TRUE(lost([](Console& c) { c.Wait(); }));
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

// Without a key source the whole input is there: each key is its next
// character, line ends too, and one is waiting while any is unread.
TEST(ConsoleKeysTest, KeysAreTheNextCharactersAndALookLeavesThemWaiting) {
    TestWorld world("a\nb");
    EXPECT_EQ(getch(), 'a');
    EXPECT_EQ(getch(), '\n');
    EXPECT_TRUE(kbhit());
    EXPECT_TRUE(kbhit());
    EXPECT_EQ(io().ReadWord(), "b");
    EXPECT_TRUE(world.EndsGame([] { kbhit(); }));  // a counter never outruns the input
    EXPECT_TRUE(world.EndsGame([] { getch(); }));
}

}  // namespace
}  // namespace vaskarn

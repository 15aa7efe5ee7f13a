#include "core/session_record.h"

#include <gtest/gtest.h>

#include <fstream>
#include <istream>
#include <iterator>
#include <string>

#include "core/end_of_game.h"
#include "support/held_keys.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    return bytes;
}

TEST(SessionRecordTest, EscapingKeepsEveryByteOnOnePrintableLine) {
    const std::string bytes = AllBytes() + "ends in a space ";
    const std::string text = EscapeRecordBytes(bytes);
    for (const char c : text) EXPECT_TRUE(c >= 0x20 && c <= 0x7e) << static_cast<int>(c);
    EXPECT_NE(text.back(), ' ');  // a trailing space would not survive an editor
    EXPECT_EQ(UnescapeRecordBytes(text), bytes);
    EXPECT_EQ(EscapeRecordBytes("Bob\n"), "Bob\\n");
    EXPECT_EQ(EscapeRecordBytes("a\\b\t"), "a\\\\b\\x09");
    EXPECT_EQ(UnescapeRecordBytes("\\X41\\x4A"), std::nullopt);
    for (const char* malformed : {"\\", "\\q", "\\x4", "\\x4g", "tab\there"})
        EXPECT_EQ(UnescapeRecordBytes(malformed), std::nullopt) << malformed;
}

class RecordFileTest : public ::testing::Test {
protected:
    std::filesystem::path Write(const std::string& bytes) {
        const std::filesystem::path path = world_.Dir() / "session.txt";
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        return path;
    }
    static std::string Read(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    testing::TestWorld world_;
};

TEST_F(RecordFileTest, ARecordedSessionReadsBackInOrderKindByKind) {
    const std::filesystem::path path = world_.Dir() / "session.txt";
    std::string reason;
    {
        auto recorder = SessionRecorder::Create(path, "9.9", reason);
        ASSERT_NE(recorder, nullptr) << reason;
        FixedClock source(1700000000, 3725000);
        RecordingClock clock(source, *recorder);
        EXPECT_TRUE(recorder->Input("1\n\nBob"));  // one piece of three lines
        EXPECT_EQ(clock.Now(), 1700000000);
        EXPECT_TRUE(recorder->Input("\n12 \n"));
        EXPECT_EQ(clock.ProcessMillis(), 3725000);
        source.SetNow(-5);
        EXPECT_EQ(clock.Now(), -5);
    }
    EXPECT_EQ(Read(path),
              "vaskarn-record 1\ngame 9.9\nin 1\\n\nin \\n\nin Bob\ntime 1700000000\nin \\n\n"
              "in 12 \\n\nplay 3725000\ntime -5\n");

    const RecordCheck check = CheckRecord(path);
    EXPECT_EQ(check.problem, "");
    EXPECT_EQ(check.gameVersion, "9.9");

    ReplayInput input(path);
    std::istream in(&input);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()),
              "1\n\nBob\n12 \n");
    ReplayClock clock(path);
    EXPECT_EQ(clock.ProcessMillis(), 3725000);  // each clock in its own order
    EXPECT_EQ(clock.Now(), 1700000000);
    EXPECT_EQ(clock.Now(), -5);
    EXPECT_TRUE(world_.EndsGame([&clock] { clock.Now(); }));  // past the end of the recording
    EXPECT_TRUE(world_.EndsGame([&clock] { clock.ProcessMillis(); }));
}

// Whether a key had arrived is recorded as the number of looks that found
// none before one that found a key; looks after the last key, when the
// session ends, are not, and a replay that comes to them ends the game.
TEST_F(RecordFileTest, KeyAnswersAreRecordedAsLooksBeforeAKeyAndReplayedAlike) {
    const std::filesystem::path path = world_.Dir() / "session.txt";
    std::stringbuf held;
    const bool session[] = {false, false, false, true, true, false, false};
    {
        std::string reason;
        auto recorder = SessionRecorder::Create(path, "9.9", reason);
        ASSERT_NE(recorder, nullptr) << reason;
        testing::HeldKeys source;
        source.idles = {3, 0, 9};
        RecordingKeys keys(source, *recorder);
        for (const bool arrived : session) EXPECT_EQ(keys.Arrived(held), arrived);
        keys.SingleKeys(true);
        EXPECT_EQ(source.ons, 1);
    }
    EXPECT_EQ(Read(path), "vaskarn-record 1\ngame 9.9\nidle 3\nidle 0\n");
    ReplayKeys keys(path);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(keys.Arrived(held), session[i]);
    EXPECT_TRUE(world_.EndsGame([&] { keys.Arrived(held); }));
}

TEST_F(RecordFileTest, ForeignAndDamagedRecordsAreRefusedWithTheReason) {
    const std::string head = "vaskarn-record 1\ngame 0.1.0\n";
    const struct {
        std::string bytes;
        std::string problem;
    } cases[] = {
        {head + "in 1\\n\ntime 5\nplay 0\n", ""},
        {head, ""},
        {"", "it is not a Vaskarn session record"},
        {"#!/bin/sh\necho hello\n", "it is not a Vaskarn session record"},
        {"vaskarn-record 1", "it is damaged: line 1 is cut short"},
        {"vaskarn-record 2\ngame 0.2.0\n",
         "it is a session record of another format (vaskarn-record 2); this game plays vaskarn-record 1"},
        {"vaskarn-record 1\n", "it is damaged: line 2 does not name the game that recorded it"},
        {"vaskarn-record 1\ngame \n", "it is damaged: line 2 does not name the game that recorded it"},
        {head + "in 1\\n\ntime 5", "it is damaged: line 4 is cut short"},
        {head + "in 1\\n\r\n", "it is damaged: line 3 holds a malformed input record"},
        {head + "in \\q\n", "it is damaged: line 3 holds a malformed input record"},
        {head + "in\n", "it is damaged: line 3 holds an input record without input"},
        {head + "in \n", "it is damaged: line 3 holds an input record without input"},
        {head + "time soon\n", "it is damaged: line 3 holds a clock reading that is not a whole number"},
        {head + "play 99999999999999999999\n",
         "it is damaged: line 3 holds a clock reading that is not a whole number"},
        {head + "time\n", "it is damaged: line 3 holds a clock reading that is not a whole number"},
        {head + "seed 5\n", "it is damaged: line 3 is not a record this game knows"},
        {head + "\n", "it is damaged: line 3 is not a record this game knows"},
        {head + "idle 0\nidle 4096\n", ""},
        {head + "idle -1\n", "it is damaged: line 3 holds an idle count that is not a whole number of 0 or more"},
        {head + "idle\n", "it is damaged: line 3 holds an idle count that is not a whole number of 0 or more"},
        {head + "in " + std::string(kLongestRecordLine, 'a') + "\n", "it is damaged: line 3 is too long"},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckRecord(Write(c.bytes)).problem, c.problem) << c.bytes.substr(0, 60);

    EXPECT_EQ(CheckRecord(world_.Dir() / "missing").problem, "it cannot be read (No such file or directory)");
    EXPECT_EQ(CheckRecord(world_.Dir()).problem, "it is not a plain file");
}

}  // namespace
}  // namespace vaskarn

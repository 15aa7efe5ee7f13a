#include "core/session_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "support/held_keys.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

// Recording and replaying whole sessions, the record's lines and what the
// player is told of a record that cannot be played are the record-replay
// shell test's.

TEST(SessionRecordTest, EscapingKeepsEveryByteOnOnePrintableLine) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    bytes += "ends in a space ";
    const std::string text = EscapeRecordBytes(bytes);
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c <= 0x7e; }));
    EXPECT_NE(text.back(), ' ');  // a trailing space would not survive an editor
    EXPECT_EQ(UnescapeRecordBytes(text), bytes);
    EXPECT_EQ(EscapeRecordBytes("a\\b\t\n"), "a\\\\b\\x09\\n");
    for (const char* malformed : {"\\", "\\q", "\\x4", "\\x4g", "tab\there"})
        EXPECT_EQ(UnescapeRecordBytes(malformed), std::nullopt) << malformed;
}

// Whether a key had arrived is recorded as the number of looks that found
// none before one that found a key; looks after the last key, when the
// session ends, are not, and a replay that comes to them ends the game.
TEST(SessionRecordTest, KeyAnswersAreRecordedAsLooksBeforeAKeyAndReplayedAlike) {
    testing::TestWorld world;
    const std::filesystem::path path = world.Dir() / "session.txt";
    std::stringbuf held;
    const bool session[] = {false, false, false, true, true, false, false};
    {
        std::string reason;
        const auto recorder = SessionRecorder::Create(path, "9.9", reason);
        ASSERT_NE(recorder, nullptr) << reason;
        testing::HeldKeys source;
        source.idles = {3, 0, 9};
        RecordingKeys keys(source, *recorder);
        for (const bool arrived : session) EXPECT_EQ(keys.Arrived(held), arrived);
        keys.SingleKeys(true);
        EXPECT_EQ(source.ons, 1);
    }
    std::ifstream in(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "vaskarn-record 1\ngame 9.9\nidle 3\nidle 0\n");
    ReplayKeys keys(path);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(keys.Arrived(held), session[i]);
    EXPECT_TRUE(world.EndsGame([&] { keys.Arrived(held); }));
}

TEST(SessionRecordTest, ForeignAndDamagedRecordsAreRefusedWithTheReason) {
    testing::TestWorld world;
    const std::filesystem::path path = world.Dir() / "session.txt";
    const std::string head = "vaskarn-record 1\ngame 0.1.0\n", damaged = "it is damaged: line ";
    const std::string idle = "3 holds an idle count that is not a whole number of 0 or more";
    const struct {
        std::string bytes, problem;
    } cases[] = {
        {head + "in 1\\n\ntime -5\nplay 0\nidle 0\nidle 4096\n", ""},
        {head, ""},
        {"", "it is not a Vaskarn session record"},
        {"vaskarn-record 1", damaged + "1 is cut short"},
        {"vaskarn-record 2\ngame 0.2.0\n",
         "it is a session record of another format (vaskarn-record 2); this game plays vaskarn-record 1"},
        {"vaskarn-record 1\n", damaged + "2 does not name the game that recorded it"},
        {"vaskarn-record 1\ngame \n", damaged + "2 does not name the game that recorded it"},
        {head + "in 1\\n\r\n", damaged + "3 holds a malformed input record"},
        {head + "in\n", damaged + "3 holds an input record without input"},
        {head + "in \n", damaged + "3 holds an input record without input"},
        {head + "time\n", damaged + "3 holds a clock reading that is not a whole number"},
        {head + "play 99999999999999999999\n", damaged + "3 holds a clock reading that is not a whole number"},
        {head + "seed 5\n", damaged + "3 is not a record this game knows"},
        {head + "idle -1\n", damaged + idle},
        {head + "idle\n", damaged + idle},
        {head + "in " + std::string(kLongestRecordLine, 'a') + "\n", damaged + "3 is too long"},
    };
    for (const auto& c : cases) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << c.bytes;
        EXPECT_EQ(CheckRecord(path).problem, c.problem) << c.bytes.substr(0, 60);
    }
    EXPECT_EQ(CheckRecord(world.Dir()).problem, "it is not a plain file");
}

}  // namespace
}  // namespace vaskarn

#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>

#include "core/clock.h"
#include "core/console.h"
#include "core/fd_stream.h"

namespace vaskarn {

// A session record holds everything a session's output depends on besides
// the game directory: every byte of input and every clock reading, in the
// order they were taken. It is a text file of lines:
//
//   vaskarn-record 1        the format and its version, always first
//   game 0.1.0              the version of the game that recorded it
//   in Bob\n                the next bytes of input, escaped (below)
//   time 1717171717         a reading of the calendar clock, in seconds
//   play 5230               a reading of the play clock, in milliseconds
//   idle 312                a game looked for a key 312 times and found none,
//                           then found one (or the end of the input)
//
// In an input record, a byte from space to tilde stands for itself, except
// the backslash, written \\; a line end is \n; any other byte, and a space
// that would end the line, is \xHH. An input record holds at most one line
// end, at its end; a long line may take several records.
inline constexpr std::string_view kRecordHeader = "vaskarn-record 1";
// No line of a record is longer than this; a longer one marks a damaged file.
inline constexpr std::size_t kLongestRecordLine = 65536;

std::string EscapeRecordBytes(std::string_view bytes);
// The bytes an escaped text stands for; nothing when the text is malformed.
std::optional<std::string> UnescapeRecordBytes(std::string_view text);

// Writes a session record as the session goes: every record is handed to
// the system as soon as it is made, so a session that crashes or is killed
// leaves a record of everything up to that moment. A clock reading that
// cannot be recorded throws WriteFailed; input that cannot be recorded is
// refused (Input answers false), which ends the session's input.
class SessionRecorder {
    struct Key {
        explicit Key() = default;
    };

public:
    // Only Create makes one.
    SessionRecorder(Key, std::filesystem::path path, int fd) : path_(std::move(path)), out_(fd, true) {}

    // Creates (or empties) the file and writes the header; nothing, with
    // the reason, when it cannot.
    static std::unique_ptr<SessionRecorder> Create(const std::filesystem::path& path,
                                                   std::string_view gameVersion,
                                                   std::string& reason);

    bool Input(std::string_view bytes);
    void Time(std::int64_t seconds);
    void Play(std::int64_t millis);
    void Idle(std::int64_t looks);

    // True once a write has failed; the failure as WriteFailed describes it.
    bool Failed() const { return out_.Error() != 0; }
    WriteFailed Failure() const;

private:
    // Writes one line; false when it could not.
    bool TryPut(std::string_view line);
    void Put(std::string_view line);

    std::filesystem::path path_;
    FdOutput out_;
};

// A clock that passes on another clock's readings and records each one.
class RecordingClock : public Clock {
public:
    RecordingClock(Clock& source, SessionRecorder& recorder) : source_(source), recorder_(recorder) {}
    std::int64_t Now() override;
    std::int64_t ProcessMillis() override;

private:
    Clock& source_;
    SessionRecorder& recorder_;
};

// Key answers that pass on another source's and record them: the keys
// themselves are input, recorded as it is read, but whether one had arrived
// yet depends on the moment the game looked.
class RecordingKeys : public KeySource {
public:
    RecordingKeys(KeySource& source, SessionRecorder& recorder) : source_(source), recorder_(recorder) {}
    bool Arrived(std::streambuf& held) override;
    void SingleKeys(bool on) override { source_.SingleKeys(on); }

private:
    KeySource& source_;
    SessionRecorder& recorder_;
    std::int64_t idle_ = 0;
};

// What CheckRecord found: the problem that keeps the record from being
// played (empty when it can be), and the version of the game that made it.
struct RecordCheck {
    std::string problem;
    std::string gameVersion;  // escaped, at most 40 bytes of it
};

// Reads a whole record once, before it is replayed, so that a damaged or
// foreign file is refused before the game starts.
RecordCheck CheckRecord(const std::filesystem::path& path);

// Reads the records of one kind ("in", "time", "play" or "idle") in order, passing
// over the others. Each kind is read on its own, so a replay never depends
// on how the pieces of input and the clock readings interleave.
class RecordCursor {
public:
    RecordCursor(const std::filesystem::path& path, std::string kind);
    // The next record's text after its kind; false at the end of the record.
    bool Next(std::string& text);

private:
    std::ifstream in_;
    std::string prefix_;
    bool ended_ = false;
};

// The input of a recorded session, piece by piece; its end is the end of
// input.
class ReplayInput : public std::streambuf {
public:
    explicit ReplayInput(const std::filesystem::path& path) : pieces_(path, "in") {}

protected:
    int_type underflow() override;

private:
    RecordCursor pieces_;
    std::string piece_;
};

// The clock readings of a recorded session, in order. A replay that asks for
// more readings than the session took has gone past the end of the
// recording, and the game ends as at the end of input.
class ReplayClock : public Clock {
public:
    explicit ReplayClock(const std::filesystem::path& path) : times_(path, "time"), plays_(path, "play") {}
    std::int64_t Now() override { return Next(times_); }
    std::int64_t ProcessMillis() override { return Next(plays_); }

private:
    static std::int64_t Next(RecordCursor& cursor);

    RecordCursor times_;
    RecordCursor plays_;
};

// The key answers of a recorded session, in order; the keys themselves come
// with the recorded input. A replay that looks for a key more often than the
// session did has gone past the end of the recording, and the game ends.
class ReplayKeys : public KeySource {
public:
    explicit ReplayKeys(const std::filesystem::path& path) : idles_(path, "idle") {}
    bool Arrived(std::streambuf& held) override;
    void SingleKeys(bool) override {}

private:
    RecordCursor idles_;
    std::optional<std::int64_t> left_;
};

}  // namespace vaskarn

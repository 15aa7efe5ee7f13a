#include "core/session_record.h"

#include <charconv>
#include <system_error>

#include "core/end_of_game.h"

namespace vaskarn {
namespace {

constexpr char kHex[] = "0123456789abcdef";

enum class LineRead { Line, End, TooLong, CutShort };

// One line of a record without its line end, in bounded memory.
LineRead ReadRecordLine(std::istream& in, std::string& line) {
    using Traits = std::char_traits<char>;
    line.clear();
    std::streambuf& buffer = *in.rdbuf();
    bool any = false;
    bool tooLong = false;
    for (;;) {
        const Traits::int_type next = buffer.sbumpc();
        if (Traits::eq_int_type(next, Traits::eof())) return any ? LineRead::CutShort : LineRead::End;
        any = true;
        const char c = Traits::to_char_type(next);
        if (c == '\n') return tooLong ? LineRead::TooLong : LineRead::Line;
        if (line.size() < kLongestRecordLine) {
            line.push_back(c);
        } else {
            tooLong = true;
        }
    }
}

std::optional<std::int64_t> ParseWhole(std::string_view text) {
    std::int64_t value = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, status] = std::from_chars(text.data(), end, value);
    if (text.empty() || status != std::errc() || stop != end) return std::nullopt;
    return value;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Splits "kind text" at its first space.
std::pair<std::string_view, std::optional<std::string_view>> SplitRecord(std::string_view line) {
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos) return {line, std::nullopt};
    return {line.substr(0, space), line.substr(space + 1)};
}

// What is wrong with one record line after the first two; empty when nothing.
std::string RecordProblem(std::string_view line) {
    const auto [kind, text] = SplitRecord(line);
    if (kind == "in") {
        if (!text) return "holds an input record without input";
        const std::optional<std::string> bytes = UnescapeRecordBytes(*text);
        if (!bytes) return "holds a malformed input record";
        if (bytes->empty()) return "holds an input record without input";
        return "";
    }
    if (kind == "time" || kind == "play") {
        if (!text || !ParseWhole(*text)) return "holds a clock reading that is not a whole number";
        return "";
    }
    if (kind == "idle") {
        const std::optional<std::int64_t> looks = text ? ParseWhole(*text) : std::nullopt;
        if (!looks || *looks < 0) return "holds an idle count that is not a whole number of 0 or more";
        return "";
    }
    return "is not a record this game knows";
}

}  // namespace

std::string EscapeRecordBytes(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const bool last = i + 1 == bytes.size();
        if (byte == '\\') {
            text += "\\\\";
        } else if (byte == '\n') {
            text += "\\n";
        } else if (byte >= 0x20 && byte <= 0x7e && !(byte == ' ' && last)) {
            // A space at the end is escaped so that no editor can trim it away.
            text += static_cast<char>(byte);
        } else {
            text += "\\x";
            text += kHex[byte >> 4];
            text += kHex[byte & 0xf];
        }
    }
    return text;
}

std::optional<std::string> UnescapeRecordBytes(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c > 0x7e) return std::nullopt;
        if (c != '\\') {
            bytes += static_cast<char>(c);
            continue;
        }
        if (++i >= text.size()) return std::nullopt;
        if (text[i] == '\\') {
            bytes += '\\';
        } else if (text[i] == 'n') {
            bytes += '\n';
        } else if (text[i] == 'x' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
                   HexValue(text[i + 2]) >= 0) {
            bytes += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            return std::nullopt;
        }
    }
    return bytes;
}

std::unique_ptr<SessionRecorder> SessionRecorder::Create(const std::filesystem::path& path,
                                                         std::string_view gameVersion,
                                                         std::string& reason) {
    int error = 0;
    const int fd = CreateOutputFile(path, error);
    if (fd < 0) {
        reason = ErrorText(error);
        return nullptr;
    }
    auto recorder = std::make_unique<SessionRecorder>(Key{}, path, fd);
    if (!recorder->TryPut(kRecordHeader) || !recorder->TryPut("game " + std::string(gameVersion))) {
        reason = ErrorText(recorder->out_.Error());
        return nullptr;
    }
    return recorder;
}

bool SessionRecorder::TryPut(std::string_view line) {
    out_.sputn(line.data(), static_cast<std::streamsize>(line.size()));
    out_.sputc('\n');
    return out_.pubsync() == 0;
}

void SessionRecorder::Put(std::string_view line) {
    if (!TryPut(line)) throw Failure();
}

WriteFailed SessionRecorder::Failure() const {
    return WriteFailed{"the record '" + path_.string() + "'", out_.Error()};
}

bool SessionRecorder::Input(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::size_t size = end == std::string_view::npos ? bytes.size() : end + 1;
        if (!TryPut("in " + EscapeRecordBytes(bytes.substr(0, size)))) return false;
        bytes.remove_prefix(size);
    }
    return true;
}

void SessionRecorder::Time(std::int64_t seconds) { Put("time " + std::to_string(seconds)); }

void SessionRecorder::Play(std::int64_t millis) { Put("play " + std::to_string(millis)); }

void SessionRecorder::Idle(std::int64_t looks) { Put("idle " + std::to_string(looks)); }

bool RecordingKeys::Arrived(std::streambuf& held) {
    if (!source_.Arrived(held)) {
        ++idle_;
        return false;
    }
    recorder_.Idle(idle_);
    idle_ = 0;
    return true;
}

std::int64_t RecordingClock::Now() {
    const std::int64_t seconds = source_.Now();
    recorder_.Time(seconds);
    return seconds;
}

std::int64_t RecordingClock::ProcessMillis() {
    const std::int64_t millis = source_.ProcessMillis();
    recorder_.Play(millis);
    return millis;
}

RecordCheck CheckRecord(const std::filesystem::path& path) {
    RecordCheck check;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error) {
        check.problem = "it cannot be read (" + error.message() + ")";
        return check;
    }
    if (!std::filesystem::is_regular_file(status)) {
        check.problem = "it is not a plain file";
        return check;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        check.problem = "it cannot be read";
        return check;
    }
    const auto damaged = [&check](std::size_t number, const std::string& what) {
        check.problem = "it is damaged: line " + std::to_string(number) + " " + what;
        return check;
    };
    std::string line;
    const LineRead first = ReadRecordLine(in, line);
    if (line == kRecordHeader && first == LineRead::CutShort) return damaged(1, "is cut short");
    if (first != LineRead::Line || line != kRecordHeader) {
        if (first == LineRead::Line && line.rfind("vaskarn-record ", 0) == 0) {
            // Shown on the player's terminal: never raw bytes from the file.
            check.problem = "it is a session record of another format (" + EscapeRecordBytes(line.substr(0, 40)) +
                            "); this game plays " + std::string(kRecordHeader);
        } else {
            check.problem = "it is not a Vaskarn session record";
        }
        return check;
    }
    if (ReadRecordLine(in, line) != LineRead::Line || line.rfind("game ", 0) != 0 || line.size() == 5)
        return damaged(2, "does not name the game that recorded it");
    check.gameVersion = EscapeRecordBytes(line.substr(5, 40));
    for (std::size_t number = 3;; ++number) {
        switch (ReadRecordLine(in, line)) {
        case LineRead::End:
            if (in.bad()) return damaged(number, "cannot be read");
            return check;
        case LineRead::TooLong:
            return damaged(number, "is too long");
        case LineRead::CutShort:
            return damaged(number, "is cut short");
        case LineRead::Line:
            break;
        }
        const std::string problem = RecordProblem(line);
        if (!problem.empty()) return damaged(number, problem);
    }
}

RecordCursor::RecordCursor(const std::filesystem::path& path, std::string kind)
    : in_(path, std::ios::binary), prefix_(std::move(kind) + " ") {
    std::string skipped;
    // The header and the game's version.
    for (int i = 0; i < 2 && !ended_; ++i) ended_ = ReadRecordLine(in_, skipped) != LineRead::Line;
}

bool RecordCursor::Next(std::string& text) {
    std::string line;
    while (!ended_) {
        if (ReadRecordLine(in_, line) != LineRead::Line) {
            ended_ = true;
            break;
        }
        if (line.rfind(prefix_, 0) == 0) {
            text = line.substr(prefix_.size());
            return true;
        }
    }
    return false;
}

ReplayInput::int_type ReplayInput::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    std::string text;
    while (pieces_.Next(text)) {
        std::optional<std::string> bytes = UnescapeRecordBytes(text);
        // The record was checked before the replay began; a file changed
        // since then ends the input where it stops making sense.
        if (!bytes) break;
        if (bytes->empty()) continue;
        piece_ = std::move(*bytes);
        setg(piece_.data(), piece_.data(), piece_.data() + piece_.size());
        return traits_type::to_int_type(*gptr());
    }
    return traits_type::eof();
}

bool ReplayKeys::Arrived(std::streambuf&) {
    if (!left_) {
        std::string text;
        const std::optional<std::int64_t> looks = idles_.Next(text) ? ParseWhole(text) : std::nullopt;
        if (!looks || *looks < 0) throw EndOfGame{};
        left_ = *looks;
    }
    if (*left_ > 0) {
        --*left_;
        return false;
    }
    left_.reset();
    return true;
}

std::int64_t ReplayClock::Next(RecordCursor& cursor) {
    std::string text;
    if (!cursor.Next(text)) throw EndOfGame{};
    const std::optional<std::int64_t> value = ParseWhole(text);
    if (!value) throw EndOfGame{};
    return *value;
}

}  // namespace vaskarn

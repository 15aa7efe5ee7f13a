#include "core/console.h"

#include <limits>
#include <locale>

#include "core/end_of_game.h"
#include "core/fd_stream.h"

namespace vaskarn {
namespace {

using Traits = std::char_traits<char>;

// Takes characters up to (not including) the first one that `stop` accepts,
// or to the end of input, keeping at most Console::kLongestKept of them. The
// characters are taken straight from the buffer, so a line of any length is
// passed over without ever being held whole.
template <typename Stop>
std::string TakeBounded(std::istream& in, Stop stop) {
    std::string kept;
    std::streambuf& buffer = *in.rdbuf();
    for (;;) {
        const Traits::int_type next = buffer.sgetc();
        if (Traits::eq_int_type(next, Traits::eof())) {
            in.setstate(std::ios::eofbit);
            break;
        }
        const char c = Traits::to_char_type(next);
        if (stop(c)) break;
        if (kept.size() < Console::kLongestKept) kept.push_back(c);
        buffer.sbumpc();
    }
    return kept;
}

}  // namespace

void Console::FlushOutput() {
    out_.flush();
    if (out_.bad()) throw WriteFailed{"the game's output", 0};
}

void Console::EndIfExhausted() {
    if (in_.peek() == std::char_traits<char>::eof()) throw EndOfGame{};
}

void Console::SkipBlanksOrEnd() {
    FlushOutput();
    in_.clear(in_.rdstate() & ~std::ios::failbit);
    in_ >> std::ws;
    EndIfExhausted();
}

std::optional<int> Console::TryExtractNumber() {
    SkipBlanksOrEnd();
    int value = 0;
    in_ >> value;
    if (in_.fail()) {
        // Covers both "not a number" and "too large for an int".
        in_.clear(in_.rdstate() & ~std::ios::failbit);
        return std::nullopt;
    }
    return value;
}

char Console::ExtractChar() {
    SkipBlanksOrEnd();
    return static_cast<char>(in_.get());
}

std::string Console::ExtractWord() {
    SkipBlanksOrEnd();
    const auto& kinds = std::use_facet<std::ctype<char>>(in_.getloc());
    return TakeBounded(in_, [&kinds](char c) { return kinds.is(std::ctype_base::space, c); });
}

void Console::DiscardLine() {
    in_.clear(in_.rdstate() & ~std::ios::failbit);
    in_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
}

void Console::DiscardLine(std::size_t limit) {
    in_.clear(in_.rdstate() & ~std::ios::failbit);
    in_.ignore(static_cast<std::streamsize>(limit), '\n');
}

void Console::DiscardChar() {
    in_.clear(in_.rdstate() & ~std::ios::failbit);
    in_.get();
    in_.clear(in_.rdstate() & ~std::ios::failbit);
}

int Console::ReadNumber(int fallback) {
    const int value = ExtractNumber(fallback);
    DiscardLine();
    return value;
}

char Console::ReadChar() {
    const char c = ExtractChar();
    DiscardLine();
    return c;
}

std::string Console::ReadWord() {
    std::string word = ExtractWord();
    DiscardLine();
    return word;
}

std::string Console::ReadLine() {
    FlushOutput();
    in_.clear(in_.rdstate() & ~std::ios::failbit);
    EndIfExhausted();
    std::string line = TakeBounded(in_, [](char c) { return c == '\n'; });
    if (!in_.eof()) in_.rdbuf()->sbumpc();  // the line end itself
    return line;
}

void Console::Wait() { Pause(1); }

void Console::Waits() { Pause(2); }

void Console::Pause(int lines) {
    out_ << "\nPress the Enter key to continue";
    FlushOutput();
    in_.clear(in_.rdstate() & ~std::ios::failbit);
    for (int i = 0; i < lines; ++i) {
        EndIfExhausted();
        DiscardLine();
    }
    out_ << "\n\n";
}

Console::SingleKeyMode::SingleKeyMode(Console& console) : console_(console) {
    if (console_.singleKeyDepth_++ == 0 && console_.keys_) console_.keys_->SingleKeys(true);
}

Console::SingleKeyMode::~SingleKeyMode() {
    if (--console_.singleKeyDepth_ == 0 && console_.keys_) console_.keys_->SingleKeys(false);
}

char Console::Getch() {
    const SingleKeyMode mode(*this);
    FlushOutput();
    const Traits::int_type key = in_.rdbuf()->sbumpc();
    if (Traits::eq_int_type(key, Traits::eof())) throw EndOfGame{};
    return Traits::to_char_type(key);
}

bool Console::Kbhit() {
    FlushOutput();
    std::streambuf& held = *in_.rdbuf();
    if (keys_ && !keys_->Arrived(held)) return false;
    if (Traits::eq_int_type(held.sgetc(), Traits::eof())) throw EndOfGame{};
    return true;
}

}  // namespace vaskarn

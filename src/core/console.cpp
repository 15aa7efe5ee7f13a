#include "core/console.h"

#include <limits>

#include "core/end_of_game.h"

namespace vaskarn {

void Console::EndIfExhausted() {
    if (in_.peek() == std::char_traits<char>::eof()) throw EndOfGame{};
}

void Console::SkipBlanksOrEnd() {
    out_.flush();
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
    std::string word;
    in_ >> word;
    return word;
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
    out_.flush();
    in_.clear(in_.rdstate() & ~std::ios::failbit);
    EndIfExhausted();
    std::string line;
    std::getline(in_, line);
    return line;
}

void Console::Wait() { Pause(1); }

void Console::Waits() { Pause(2); }

void Console::Pause(int lines) {
    out_ << "\nPress the Enter key to continue";
    out_.flush();
    in_.clear(in_.rdstate() & ~std::ios::failbit);
    for (int i = 0; i < lines; ++i) {
        EndIfExhausted();
        DiscardLine();
    }
    out_ << "\n\n";
}

}  // namespace vaskarn

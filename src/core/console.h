#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

namespace vaskarn {

// All of the game's dialogue passes through one Console over an input and an
// output stream. Reads flush the output first, so a prompt is always on
// screen before the game waits. When the input has nothing left to give, a
// read ends the game (EndOfGame) instead of returning: every menu re-asks on
// bad input and would otherwise redraw itself forever. When the output can
// no longer be written, a read ends the game with WriteFailed instead.
//
// A line of any length is read in bounded memory: a word or a line keeps at
// most kLongestKept characters, longer than any answer or name the game
// takes, and the rest of it is read and dropped.
//
// A few games read single key presses. Each key is the next character of the
// input; a KeySource tells whether one has arrived yet, and puts a terminal
// into single-key mode while a game asks for it. Without one, the whole input
// is already there: a key is waiting while any of it is unread.
class KeySource {
public:
    virtual ~KeySource() = default;
    // Whether a key press has arrived, `held` being the input the console
    // already holds unread. Never waits.
    virtual bool Arrived(std::streambuf& held) = 0;
    // Turns single-key mode on, and off again; the calls alternate.
    virtual void SingleKeys(bool on) = 0;
};

// The game's yes and no: the whole words "y" or "yes", "n" or "no", exactly
// ("Y" and "Yes" are other words).
inline bool IsYes(std::string_view word) { return word == "y" || word == "yes"; }
inline bool IsNo(std::string_view word) { return word == "n" || word == "no"; }

class Console {
public:
    static constexpr std::size_t kLongestKept = 256;

    Console(std::istream& in, std::ostream& out, KeySource* keys = nullptr) : in_(in), out_(out), keys_(keys) {}
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    void UseKeys(KeySource* keys) { keys_ = keys; }

    std::ostream& Out() { return out_; }
    template <typename T>
    Console& operator<<(const T& value) {
        out_ << value;
        return *this;
    }

    // The prompt of every question: ">" with no line end.
    void Prompt() { out_ << '>'; }

    // --- Raw readers: leave the rest of the line unread. ---

    // A whole number, after white space (empty lines too). A non-number, or
    // one that does not fit, gives nothing; the stream is made usable again.
    std::optional<int> TryExtractNumber();
    // The same, with `fallback` standing in for a number that could not be read.
    int ExtractNumber(int fallback) { return TryExtractNumber().value_or(fallback); }
    // The next non-blank character.
    char ExtractChar();
    // The next whitespace-delimited word (its first kLongestKept characters).
    std::string ExtractWord();
    // Discards up to and including the next line end (or to end of input).
    void DiscardLine();
    // Discards up to and including the next line end, at most `limit` characters.
    void DiscardLine(std::size_t limit);
    // Discards exactly one character, if there is one.
    void DiscardChar();

    // --- The game's three ways of reading a choice (the rest of the line is discarded). ---
    int ReadNumber(int fallback);
    char ReadChar();
    std::string ReadWord();
    // One whole line, without its line end (its first kLongestKept characters).
    std::string ReadLine();

    // The Enter pause: "\nPress the Enter key to continue", the rest of the
    // pending line is consumed, then two line ends.
    void Wait();
    // Like Wait(), but also waits for one further whole line.
    void Waits();

    // --- Single key presses. ---

    // While one lives, each key reaches the game as it is pressed, without
    // Enter and unechoed; the console is back to whole lines when the last
    // one ends, however it ends. They nest.
    class SingleKeyMode {
    public:
        explicit SingleKeyMode(Console& console);
        ~SingleKeyMode();
        SingleKeyMode(const SingleKeyMode&) = delete;
        SingleKeyMode& operator=(const SingleKeyMode&) = delete;

    private:
        Console& console_;
    };
    [[nodiscard]] SingleKeyMode SingleKeys() { return SingleKeyMode(*this); }

    // Waits for one key press and takes it (in single-key mode meanwhile).
    char Getch();
    // Whether a key press is waiting; never waits, and leaves the key there.
    // Ends the game when the input has ended, so a game that runs until a
    // key comes never runs on without one.
    bool Kbhit();

private:
    // The Enter pause; consumes input up to and including the next `lines` line ends.
    void Pause(int lines);
    // Shows everything written so far; throws WriteFailed when it cannot.
    void FlushOutput();
    // Skips white space; ends the game when the input is exhausted.
    void SkipBlanksOrEnd();
    void EndIfExhausted();

    std::istream& in_;
    std::ostream& out_;
    KeySource* keys_;
    int singleKeyDepth_ = 0;
};

}  // namespace vaskarn

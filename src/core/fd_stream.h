#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <streambuf>
#include <string>
#include <string_view>

namespace vaskarn {

// Thrown when one of the game's outputs (the screen, a session record) can
// no longer be written. Only the program's entry catches it: the game ends
// with the reason on standard error instead of playing on blind.
struct WriteFailed {
    std::string what;  // "the game's output", "the record 'x'"
    int error = 0;     // the system's error number, 0 when unknown
};

// Input read straight from a file descriptor, in the pieces the system hands
// over: a line at a time from a terminal, up to kChunk bytes from a pipe or
// file. Whatever the length of a line, only one piece is held at a time.
class FdInput : public std::streambuf {
public:
    static constexpr std::size_t kChunk = 4096;

    explicit FdInput(int fd) : fd_(fd) {}

    // Called with every piece as it is read, before the game sees any of it.
    // When it answers false the piece is withheld and the input ends there.
    void OnRead(std::function<bool(std::string_view)> observer) { observer_ = std::move(observer); }

protected:
    int_type underflow() override;

private:
    int fd_;
    std::array<char, kChunk> buffer_{};
    std::function<bool(std::string_view)> observer_;
    bool stopped_ = false;
};

// Output written straight to a file descriptor. A failed write is kept (the
// stream reports it as an error) together with its reason, and the last byte
// written tells whether the output stands at the start of a line.
class FdOutput : public std::streambuf {
public:
    // Takes over `fd` and closes it at the end when `owned`.
    explicit FdOutput(int fd, bool owned = false) : fd_(fd), owned_(owned) {}
    ~FdOutput() override;
    FdOutput(const FdOutput&) = delete;
    FdOutput& operator=(const FdOutput&) = delete;

    // The error number of the first failed write; 0 while every write worked.
    int Error() const { return error_; }
    // True when nothing was written yet or the last byte was a line end.
    bool AtLineStart() const { return atLineStart_; }

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool Drain();

    int fd_;
    bool owned_;
    int error_ = 0;
    bool atLineStart_ = true;
    std::array<char, 4096> buffer_{};
};

// Creates (or empties) a file for writing; the descriptor, or -1 with `error`
// set to the system's error number.
int CreateOutputFile(const std::filesystem::path& path, int& error);

bool IsTerminal(int fd);

// The system's description of an error number.
std::string ErrorText(int error);

}  // namespace vaskarn

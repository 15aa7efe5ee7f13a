#pragma once

#include <optional>
#include <streambuf>

#include "core/console.h"

namespace vaskarn {

// While one lives, the terminal on `fd` hands each key over as it is pressed
// and echoes nothing (non-canonical, no echo); Ctrl-C and the other signal
// keys work as before. The terminal's settings are put back when it ends,
// and also when a signal ends the game without unwinding (Ctrl-C, Ctrl-\,
// SIGTERM, a hang-up, a broken pipe, an abort): the handler puts them back
// and raises the signal again, so the game still ends as it would have.
// Ctrl-Z puts them back while the game is stopped and takes single keys up
// again when it continues. One is on at a time; on anything that is not a
// terminal, or while another is on, it does nothing.
class RawMode {
public:
    explicit RawMode(int fd);
    ~RawMode();
    RawMode(const RawMode&) = delete;
    RawMode& operator=(const RawMode&) = delete;

    bool On() const { return on_; }

private:
    bool on_ = false;
};

// The keys of the game's input descriptor: a terminal's in single-key mode
// while a game asks for them, a pipe's or a file's as they come. A key has
// arrived when the console holds one or the descriptor can be read without
// waiting; its end counts too, so that the console sees it and ends the game.
class InputKeys : public KeySource {
public:
    explicit InputKeys(int fd) : fd_(fd) {}

    bool Arrived(std::streambuf& held) override;
    void SingleKeys(bool on) override;

private:
    int fd_;
    std::optional<RawMode> raw_;
};

}  // namespace vaskarn

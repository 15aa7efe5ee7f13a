#pragma once

namespace vaskarn {

class Player;
struct Transition;

// A place of the game: shows itself, reads one choice, acts on it and says
// where the game goes next.
using Screen = Transition (*)(Player*);

struct Transition {
    enum class Kind {
        Stay,  // show the same screen again
        GoTo,  // move to `target`; the current screen is left for good
        Open,  // show `target`, which later hands control Back to this screen
        Back,  // hand control back to the screen that opened this one
    };
    Kind kind = Kind::Stay;
    Screen target = nullptr;
};

inline Transition Stay() { return {Transition::Kind::Stay, nullptr}; }
inline Transition GoTo(Screen target) { return {Transition::Kind::GoTo, target}; }
inline Transition Open(Screen target) { return {Transition::Kind::Open, target}; }
inline Transition Back() { return {Transition::Kind::Back, nullptr}; }

// The game's one loop of control. Runs `start` with `hero` and every screen it
// leads to; returns when `start` (or whatever replaced it) hands control Back.
// Moves replace the current screen, so memory stays flat however many moves
// are made; only Open grows the list of screens waiting to resume.
void RunScreens(Player* hero, Screen start);

}  // namespace vaskarn

#pragma once

#include <array>
#include <cstddef>

namespace vaskarn {

class Player;
struct Transition;

// A place of the game: shows itself, reads one choice, acts on it and says
// where the game goes next. A screen is a value: the function of the place
// and up to three numbers it carries (a position in the tunnel, a counter),
// so a screen waiting to resume keeps them. A plain function of the hero
// converts to a screen wherever one is expected.
class Screen {
public:
    using Plain = Transition (*)(Player*);
    using WithOne = Transition (*)(Player*, int);
    using WithTwo = Transition (*)(Player*, int, int);
    using WithThree = Transition (*)(Player*, int, int, int);

    constexpr Screen() = default;
    // A null place is caught at run time (IsSet): whether a function's
    // address is null is not a constant under the sanitizers' flags.
    constexpr Screen(Plain place) : arity_(0), plain_(place) {}
    constexpr Screen(WithOne place, int a) : arity_(1), one_(place), args_{a, 0, 0} {}
    constexpr Screen(WithTwo place, int a, int b) : arity_(2), two_(place), args_{a, b, 0} {}
    constexpr Screen(WithThree place, int a, int b, int c) : arity_(3), three_(place), args_{a, b, c} {}

    constexpr bool IsSet() const { return arity_ != kNone && (arity_ != 0 || plain_ != nullptr); }
    // Shows the place to the hero with the numbers it carries.
    Transition Show(Player* hero) const;

    // The same place with the same numbers.
    friend bool operator==(const Screen& a, const Screen& b);

private:
    static constexpr int kNone = -1;

    int arity_ = kNone;
    union {
        Plain plain_ = nullptr;
        WithOne one_;
        WithTwo two_;
        WithThree three_;
    };
    std::array<int, 3> args_{};
};

struct Transition {
    enum class Kind {
        Stay,      // show the same screen again
        GoTo,      // move to `target`; the current screen is left for good
        Open,      // show `target`, which later hands control Back to this screen
        Back,      // hand control back to the screen that opened this one
        ReturnTo,  // move to `target` and forget every screen waiting to resume
    };
    Kind kind = Kind::Stay;
    Screen target;
};

constexpr Transition Stay() { return {Transition::Kind::Stay, {}}; }
constexpr Transition GoTo(Screen target) { return {Transition::Kind::GoTo, target}; }
constexpr Transition Open(Screen target) { return {Transition::Kind::Open, target}; }
constexpr Transition Back() { return {Transition::Kind::Back, {}}; }
// Back to a place after a round of screens that will never resume (a shop's
// sub-shops, say): the place starts afresh with nothing waiting behind it.
constexpr Transition ReturnTo(Screen place) { return {Transition::Kind::ReturnTo, place}; }

// The game's one loop of control. Runs `start` with the hero and every
// screen it leads to, until the first screen (or whatever replaced it) hands
// control Back. Moves replace the current screen, so memory stays flat
// however many are made; only Open adds a screen waiting to resume, and
// ReturnTo forgets them all.
class ScreenLoop {
public:
    explicit ScreenLoop(Player* hero) : hero_(hero) {}
    void Run(Screen start);

    // The most screens that were ever waiting to resume at once.
    std::size_t DeepestWaiting() const { return deepest_; }

private:
    Player* hero_;
    std::size_t deepest_ = 0;
};

inline void RunScreens(Player* hero, Screen start) { ScreenLoop(hero).Run(start); }

}  // namespace vaskarn

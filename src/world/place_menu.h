#pragma once

#include <span>

#include "core/screen.h"

namespace vaskarn {

class Player;

using Condition = bool (*)(const Player&);

// One entry of a place's menu: what it shows, when it may be listed and
// chosen, what it says on the way, and where the game goes next. A place's
// menu is a constexpr table of these.
struct PlaceEntry {
    int number = 0;                  // what the player types
    const char* label = "";          // the menu line, line end included
    Condition listed = nullptr;      // listed only while this holds (none: always)
    Condition entered = nullptr;     // chosen only while this holds (none: while listed)
    const char* refused = "";        // written when the entry cannot be chosen
    const char* text = "";           // written when it is chosen
    void (*aboutHero)(const Player&) = nullptr;  // lines naming the hero, after the text
    bool pause = false;              // wait() after the text
    Transition then = Stay();        // where the game goes next,
    Transition (*act)(Player&) = nullptr;  // unless this decides, after the text
};

// Writes the label of every entry listed for the hero, in table order.
void ShowMenu(std::span<const PlaceEntry> menu, const Player& hero);

// Carries out the entry numbered `choice`: its text and pause, then its
// transition. Two entries may share a number when at most one of them can
// be chosen at a time (a line that changes with the hero's progress): the
// first that can be chosen is taken. A number that names no entry writes
// `unknown` and stays; a number whose entries cannot be chosen writes the
// first one's refusal and stays.
Transition Choose(std::span<const PlaceEntry> menu, int choice, Player& hero, const char* unknown = "");

// A place's menu in one of its two usual shapes: the listed labels, ">",
// then one key (ChooseByKey) or one whole number (ChooseByNumber, with
// `fallback` for a non-number), `afterAnswer` written, and the chosen entry.
Transition ChooseByKey(std::span<const PlaceEntry> menu, Player& hero, const char* afterAnswer = "\n\n");
Transition ChooseByNumber(std::span<const PlaceEntry> menu, Player& hero, int fallback,
                          const char* afterAnswer = "\n\n");

// The number a one-character menu key stands for ('1' is 1); -1 for any
// other character.
int KeyNumber(char key);

}  // namespace vaskarn

#pragma once

namespace vaskarn {

// What was typed at a numbered list that ends with "0. Cancel".
struct ListChoice {
    enum class Kind {
        Cancel,   // 0
        Entry,    // 1 to the size of the list
        Outside,  // any other number, or the fallback of a non-number
    };
    Kind kind;
    int number;  // as typed

    bool Cancelled() const { return kind == Kind::Cancel; }
    bool IsEntry() const { return kind == Kind::Entry; }
};

// The one reader of the game's numbered lists, for the battle's menus and
// the shops: writes "0. Cancel\n" and the prompt, reads a whole number
// (`fallback` stands in for a non-number) and sorts it against entries
// numbered 1 to `size`.
ListChoice ChooseFromList(int size, int fallback);

}  // namespace vaskarn

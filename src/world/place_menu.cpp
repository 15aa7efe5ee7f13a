#include "world/place_menu.h"

#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"

namespace vaskarn {
namespace {

bool Listed(const PlaceEntry& entry, const Player& hero) { return entry.listed == nullptr || entry.listed(hero); }

bool Enterable(const PlaceEntry& entry, const Player& hero) {
    return entry.entered ? entry.entered(hero) : Listed(entry, hero);
}

}  // namespace

void ShowMenu(std::span<const PlaceEntry> menu, const Player& hero) {
    for (const PlaceEntry& entry : menu)
        if (Listed(entry, hero)) io() << entry.label;
}

Transition Choose(std::span<const PlaceEntry> menu, int choice, Player& hero, const char* unknown) {
    const PlaceEntry* closed = nullptr;
    for (const PlaceEntry& entry : menu) {
        if (entry.number != choice) continue;
        if (!Enterable(entry, hero)) {
            if (!closed) closed = &entry;
            continue;
        }
        io() << entry.text;
        if (entry.aboutHero) entry.aboutHero(hero);
        if (entry.pause) wait();
        return entry.act ? entry.act(hero) : entry.then;
    }
    io() << (closed ? closed->refused : unknown);
    return Stay();
}

Transition ChooseByKey(std::span<const PlaceEntry> menu, Player& hero, const char* afterAnswer) {
    ShowMenu(menu, hero);
    io().Prompt();
    const char key = io().ReadChar();
    io() << afterAnswer;
    return Choose(menu, KeyNumber(key), hero);
}

Transition ChooseByNumber(std::span<const PlaceEntry> menu, Player& hero, int fallback, const char* afterAnswer) {
    ShowMenu(menu, hero);
    io().Prompt();
    const int choice = io().ReadNumber(fallback);
    io() << afterAnswer;
    return Choose(menu, choice, hero);
}

int KeyNumber(char key) { return key >= '1' && key <= '9' ? key - '0' : -1; }

}  // namespace vaskarn

#include "app/load_game.h"

#include "abilities/spells.h"
#include "app/title.h"
#include "core/end_of_game.h"
#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "world/town/crossroads.h"

namespace vaskarn {

void RepairUnleashed(Player& hero) {
    if (!Holds(hero.GetSpell(), "Unleashed")) {
        io() << "You never had the spell before, Cheater!\n";
        wait();
        return;
    }
    const Unleashed2 repaired;
    // The hero holds a spell of that name, so this replaces it in its slot
    // and refunds the new spell's price.
    hero.AddSpell(&repaired);
    io() << "The bug has been fixed. Enjoy using your new spells!\n";
    wait();
}

void LoadGame(GameState& game) {
    Player& hero = game.loaded;
    hero.Load();
    hero.LoadBank();
    if (hero.GetKing()) {
        io() << "You have already completed Vaskarn on this file.\n"
                "If you want to play the game again, start another file,\n"
                "and you can play that one. Plus, you can also reload\n"
                "your old bank file, if you're not playing in a zipped folder,\n"
                "and you can see the file Bank.dll.\n\n\n"
                "Congratulations, again, for winning the game, and\n"
                "Goodbye.\n\n"
                "-Odrin\n\n";
        io().Out().flush();
        io().DiscardLine();
        throw EndOfGame{};
    }
    if (game.repairUnleashed) RepairUnleashed(hero);
    RunScreens(&hero, crossroads);
}

}  // namespace vaskarn

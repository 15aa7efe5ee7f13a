#include "world/town/town.h"

#include "core/pause.h"
#include "core/services.h"
#include "crafting/workshop.h"
#include "model/player.h"
#include "world/place_menu.h"
#include "world/town/armory.h"
#include "world/town/blacksmith.h"
#include "world/town/castle.h"
#include "world/town/crossroads.h"
#include "world/town/inn.h"
#include "world/town/mentor.h"
#include "world/town/archery_shop.h"
#include "world/town/potion_shop.h"
#include "world/town/spell_shop.h"
#include "world/town/tool_shop.h"

namespace vaskarn {
namespace {

constexpr PlaceEntry kMenu[] = {
    {.number = 1,
     .label = "1.Blue Moon Inn\n",
     .text = "You walk into the Blue Moon Inn.\n"
             "The inn is crowded and warm. Travellers sit at long tables,\n"
             "eating and drinking, and a fire crackles in the corner.\n"
             "Here you can rent a room to sleep for the night, or sit\n"
             "down at the bar and talk with the people around you.\n",
     .pause = true,
     .then = Open(inn)},
    {.number = 2,
     .label = "2.Blacksmith Shop\n",
     .text = "You walk into the blacksmith's shop.\n",
     .pause = true,
     .then = Open(blacksmith)},
    {.number = 3,
     .label = "3.Armory\n",
     .text = "You walk into the armory.\n",
     .pause = true,
     .then = Open(armory)},
    {.number = 4,
     .label = "4.Spell Shop\n",
     .text = "You walk into the spell shop.\n",
     .pause = true,
     .then = Open(spellshop)},
    {.number = 5,
     .label = "5.Potion Shop\n",
     .text = "You walk into the potion shop. There are potions everywhere.\n",
     .pause = true,
     .then = Open(potionshop)},
    {.number = 6,
     .label = "6.Lowe's Archery Shop\n",
     .text = "You walk into Lowe's Archery Shop.\n",
     .pause = true,
     .then = Open(archery_shop)},
    {.number = 7,
     .label = "7.Tool Shop\n",
     .text = "You walk into the tool shop.\n",
     .pause = true,
     .then = Open(tool)},
    {.number = 8,
     .label = "8.Workshop\n",
     .text = "You walk into the workshop, people are in there working.\n",
     .pause = true,
     .then = Open(workshop)},
    {.number = 9,
     .label = "9.Hire A Mentor\n",
     .text = "You go into the castle in the town, which is quite close.\n",
     .pause = true,
     .then = Open(mentor)},
    {.number = 10,
     .label = "10.Castle\n",
     .text = "You walk into the castle.\n",
     .pause = true,
     .then = Open(castle)},
    {.number = 11,
     .label = "11.Back To Village\n",
     .text = "You walk back to the little village.\n",
     .pause = true,
     .then = ReturnTo(crossroads)},
};

// The square's prompt, where the shops hand control back.
Transition townprompt(Player* player) {
    io().Prompt();
    const int choice = io().ReadNumber(0);
    io() << "\n\n";
    return Choose(kMenu, choice, *player);
}

}  // namespace

Transition town(Player* player) {
    io() << "You stand in the middle of the town square. All around you,\n"
            "people hurry about their work, carrying sacks, pushing carts\n"
            "and calling out to one another.\n"
            "Next to you stands the Blue Moon Inn, and beside it an item shop.\n"
            "Across the square you see the armory, the blacksmith's weapon\n"
            "shop with its glowing forge, the spell shop and the potion shops.\n"
            "Far in the distance hangs the sign of Lowe's Archery  Shop.\n"
            "To the east stands a Tool Shop, and to the west a Workshop,\n"
            "where they might hire you for a day's work, if you ask.\n"
            "The smell of fresh bread drifts over from the market stalls.\n";
    wait();
    io() << "Where do you want to go?\n\n";
    ShowMenu(kMenu, *player);
    return GoTo(townprompt);
}

}  // namespace vaskarn

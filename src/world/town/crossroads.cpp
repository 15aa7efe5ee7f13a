#include "world/town/crossroads.h"

#include <string>

#include "core/end_of_game.h"
#include "core/pause.h"
#include "core/services.h"
#include "crafting/herblore.h"
#include "crafting/smithing.h"
#include "model/player.h"
#include "world/place_menu.h"
#include "world/regions/boat_dock/boat_dock.h"
#include "world/regions/elven_forest/elven_forest.h"
#include "world/regions/grasslands/grasslands.h"
#include "world/regions/graveyard.h"
#include "world/regions/heaven/heaven.h"
#include "world/regions/hellfire.h"
#include "world/regions/meadow/meadow.h"
#include "world/regions/mountain.h"
#include "world/regions/ocean_city/ocean_city.h"
#include "world/regions/rainforest/rainforest.h"
#include "world/regions/swamplands/swamplands.h"
#include "world/stats.h"
#include "world/town/town.h"
#include "world/town/training_arena.h"

namespace vaskarn {
namespace {

// The farewell of the exit entry: it consumes one line, then the game ends
// without saving.
[[noreturn]] void exit0() {
    Console& con = io();
    con << std::string(22, '\n') << "                        Thanks for playing Vaskarn\n"
        << "                        We hope you enjoyed it\n"
        << std::string(10, '\n');
    con.Out().flush();
    con.DiscardLine();
    throw EndOfGame{};
}

bool AfterGrasslands(const Player& h) { return h.GetGrasslands(); }
bool ElvenForestListed(const Player& h) { return h.GetOceanCity() && h.GetForest() && h.GetMeadow(); }
bool ElvenForestOpen(const Player& h) { return h.GetOceanCity() && (h.GetForest2() || h.GetMeadow()); }
bool AfterElvenForest(const Player& h) { return h.GetForest2(); }
bool AfterSwamp(const Player& h) { return h.GetSwamp(); }
bool GraveyardOpen(const Player& h) { return h.GetHeaven() && !h.GetGraveyard(); }
bool MountainOpen(const Player& h) { return h.GetGraveyard() && !h.GetMountain(); }
bool AbyssOpen(const Player& h) { return h.GetMountain() && !h.GetHellFire(); }
bool DockOpen(const Player& h) { return h.GetHellFire() && !h.GetRuneKing(); }
bool CeremonyOpen(const Player& h) { return h.GetRuneKing() && !h.GetPeace(); }
bool CrowningOpen(const Player& h) { return h.GetPeace() && !h.GetKing(); }
bool EndingOpen(const Player& h) { return h.GetKing(); }

void SendToGrasslands(const Player& h) {
    io() << "So go into the great grasslands, " << h.GetName() << " the " << h.GetGroupName() << ",\n"
         << "for the world needs you!\n";
}

void ShowDescription() {
    io() << "\n\n\n\n"
            "You stand where many roads meet, in the middle of the crossroads.\n"
            "To the north, a road of packed earth leads into the town, where\n"
            "you can see the roofs of shops and the sign of an inn swinging\n"
            "in the wind.\n"
            "To the northeast rise the walls of a great castle, and beside it\n"
            "lies the training arena, where you can hear swords ringing.\n"
            "To the southwest the ground turns soft into a small swamp. There,\n"
            "under an old roof, stand an anvil and a mixing pot for potions.\n"
            "To the west, the great grasslands roll away as far as you can see.\n"
            "To the east, half hidden in the grass, is a wooden trapdoor that\n"
            "leads down to the Ocean City Of Narshia.\n"
            "Further east, past the trapdoor, a quiet meadow lies in the sun.\n"
            "The wind blows softly, and the roads wait for you to choose\n"
            "one of them.\n";
    wait();
}

Transition HoldCeremony(Player& hero) {
    io() << "The night has come, and the people of the village gather around\n"
            "a great fire in the middle of the crossroads.\n"
            "Word has spread through every land: the Rune King has been killed\n"
            "by your own hand. His Wraiths have fled, and without their master\n"
            "they will never gather again. The Rune King will not return.\n"
            "Everyone is cheering for you.\n";
    wait();
    io() << "The elders of the village step forward and raise their hands over\n"
            "the fire. They speak the old words, and the darkness that covered\n"
            "Kharim for so long lifts away like smoke. Kharim is free,\n"
            "Forever, and ever...\n";
    wait();
    io() << "Peace Quest Complete!!!\n";
    hero.SetPeace(true);
    wait();
    return Stay();
}

Transition Crown(Player& hero) {
    const auto name = hero.GetName();
    io() << "The people gather here today, to crown " << name << "\n"
         << "the " << hero.GetGroupName() << ", King, of this village, and\n"
         << "of all the other villages in the world. You are now, also\n"
            "King of Kharim, and as well, you are now known all across\n"
            "the world.\n";
    wait();
    io() << "The people are chanting, King " << name << ", King\n"
         << name << "! May he rule in peace!!! Hurray!!!\n";
    wait();
    io() << "King Quest Complete!!!\n"
            "And Congratulations! You are now King!!!\n";
    hero.SetKing(true);
    wait();
    return Stay();
}

// Wins the game: the hero is saved and the game ends.
Transition ClaimTheDiamond(Player& hero) {
    io() << "You walk for half a day, until you reach the heart of the village.\n"
            "There, in a quiet place among tall and ancient trees, lies the\n"
            "Diamond Of Eldmyrs, shining in the grass.\n";
    wait();
    io() << "You walk over to it slowly, and pick it up from the ground.\n"
            "Then, you hold it up in the sky.\n\n";
    wait();
    io() << std::string(9, '\n')
         << "Congratulations! You have now won Vaskarn, the\n"
            "massive text RPG, by Odrin Marr!!! We are all very proud of\n"
            "you, both for winning the game, and trying it out.\n\n\n"
            "The people of Kharim and this village are very proud of\n"
            "you, as well.\n\n\n"
            "Well, we cannot stay for long, for we have other things to\n"
            "do.\n\n\n"
         << "Well, Goodbye " << hero.GetName() << ", and may peace be\n"
         << "with you!\n";
    wait();
    if (!hero.Save()) io() << "The game could not be saved.\n";
    throw EndOfGame{};
}

Transition Leave(Player&) { exit0(); }

constexpr PlaceEntry kMenu[] = {
    {.number = 1,
     .label = "1.Town\n",
     .text = "You walk north along the road, and enter the town.\n"
     "All around you, people are busy at their work. You see an armory,\n"
     "a blacksmith with his forge glowing, and an inn with a blue sign\n"
     "hanging above its door.\n",
     .pause = true,
     .then = GoTo(town)},
    {.number = 2,
     .label = "2.Castle Training Arena\n",
     .text = "You walk to the northeast, towards the great castle.\n"
     "Next to its walls lies the training arena, where soldiers spar\n"
     "with one another from morning until night.\n"
     "In the middle of the arena stands a monument of the dead King of\n"
     "Kharim, his sword raised high towards the sky.\n"
     "Behind the arena, the castle grounds are closed off, and guards\n"
     "stand at every gate. No one may pass without leave of the castle.\n"
     "A soldier waves you over to the arena.\n",
     .pause = true,
     .then = GoTo(training_arena)},
    {.number = 3,
     .label = "3.View Stats\n",
     .then = Open(stats)},
    {.number = 4,
     .label = "4.Smith Weapon\n",
     .text = "\n\n",
     .then = Open(smithweapon)},
    {.number = 5,
     .label = "5.Smith Armor\n",
     .text = "\n\n",
     .then = Open(smitharmor)},
    {.number = 6,
     .label = "6.Craft Potions\n",
     .text = "\n\n\n\n",
     .then = Open(makepotion)},
    {.number = 7,
     .label = "7.Great Grasslands\n",
     .text = "You walk to the west, and the great grasslands open up before you.\n"
     "The grass reaches up to your knees and moves like the sea in the wind.\n"
     "Travellers say that somewhere out in the grasslands lies a great\n"
     "village, older than any other, but few of those who went looking\n"
     "for it ever came back to tell of it.\n",
     .aboutHero = SendToGrasslands,
     .pause = true,
     .then = GoTo(grasslands)},
    {.number = 8,
     .label = "8.Ocean City Of Narshia\n",
     .listed = AfterGrasslands,
     .refused = "\n",
     .text = "You walk to the east and open the wooden trapdoor.\n"
     "A long ladder leads down into the dark, and you climb down it,\n"
     "step after step, until you hear water all around you.\n"
     "At the bottom a tunnel of glass opens before you, and beyond it,\n"
     "under the sea itself, shine the lights of a great city.\n"
     "Welcome to the Ocean City Of Narshia.\n",
     .pause = true,
     .then = GoTo(ocean_city)},
    {.number = 9,
     .label = "9.Rainforest\n",
     .text = "\n\n"
     "You walk north, past the town, and the air grows warm and wet.\n"
     "The trees grow taller and thicker with every step, until the\n"
     "sky disappears behind their leaves. You are in the Rainforest.\n",
     .pause = true,
     .then = GoTo(rainforest)},
    {.number = 10,
     .label = "10.Exit\n",
     .act = Leave},
    {.number = 11,
     .label = "11.Meadow\n",
     .text = "You walk to the east, past the trapdoor, and keep on walking.\n"
     "After a while the road ends, and you come to a wide meadow.\n"
     "It is quiet here, and there is no one in sight.\n",
     .pause = true,
     .then = GoTo(meadow)},
    {.number = 12,
     .label = "12.Elven Forest\n",
     .listed = ElvenForestListed,
     .entered = ElvenForestOpen,
     .text = "You travel far to the north, beyond the Rainforest, until you\n"
     "reach the edge of a huge forest.\n"
     "This forest was not grown by nature alone: the elves made it,\n"
     "tree by tree, long ago, and they live within it still.\n"
     "Deep among the trees lies their village, and all around you\n"
     "Elven workers are busy cutting, carrying and building.\n"
     "They stop and look at you as you walk in.\n",
     .pause = true,
     .then = GoTo(elven_forest)},
    {.number = 13,
     .label = "13.Swamplands Of Marshia\n",
     .listed = AfterElvenForest,
     .text = "You travel to the southwest, far past the small swamp, until the\n"
     "ground turns to mud beneath your feet.\n"
     "Before you lie the Swamplands Of Marshia, a wide land of mud,\n"
     "reeds and dark water that stretches as far as you can see.\n"
     "This is the land of the ogres. Everywhere you look, they are\n"
     "at work: digging ditches, carrying logs and building walls.\n"
     "Some of them stop to stare at you, and then go back to their\n"
     "work, grumbling.\n"
     "You had better watch your step here.\n",
     .pause = true,
     .then = GoTo(swamplands)},
    {.number = 14,
     .label = "14.Gates Of Heaven\n",
     .listed = AfterSwamp,
     .text = "You walk along the road until you come to the foot of a golden\n"
     "staircase, which rises up into the sky.\n"
     "You begin to climb. The staircase goes on and on, and soon you\n"
     "are above the trees, and then above the mountains.\n"
     "At last you climb through the clouds. All around you is white\n"
     "and soft, and the air smells sweet.\n"
     "More golden staircases rise from the clouds, leading higher\n"
     "still, and at the top of the highest one you see two great\n"
     "gates, shining with light.\n"
     "You have reached the Gates Of Heaven.\n",
     .pause = true,
     .then = GoTo(heaven)},
    {.number = 15,
     .label = "15.Graveyard Of Spirits\n",
     .listed = GraveyardOpen,
     .text = "You walk towards a dark path, and enter the graveyard.\n",
     .pause = true,
     .then = GoTo(graveyard)},
    {.number = 16,
     .label = "16.Mountain Of The Glowing Crystal\n",
     .listed = MountainOpen,
     .text = "You walk towards the tall mountain that glows in the distance.\n"
     "At its top shines a great crystal, and it is said that deep inside\n"
     "the mountain lies the Sword Of Eldmyrs, waiting for the one\n"
     "who is worthy to carry it.\n",
     .pause = true,
     .then = GoTo(mountainquest)},
    {.number = 17,
     .label = "17.The Bottomless Abyss Of Hell Fire\n",
     .listed = AbyssOpen,
     .text = "You enter the Hell Fire Abyss.\n",
     .pause = true,
     .then = GoTo(hellfireabyss)},
    {.number = 18,
     .label = "18.Boat Dock\n",
     .listed = DockOpen,
     .text = "You walk towards the boat dock, where you see a sailor\n"
     "standing.\n",
     .pause = true,
     .then = GoTo(boatdock)},
    {.number = 19,
     .label = "19.Night Ceremony\n",
     .listed = CeremonyOpen,
     .act = HoldCeremony},
    {.number = 20,
     .label = "20.Castle Grounds\n",
     .listed = CrowningOpen,
     .act = Crown},
    {.number = 21,
     .label = "21.Claim The Diamond Of Eldmyrs, And Win Vaskarn!!!\n",
     .listed = EndingOpen,
     .act = ClaimTheDiamond},
};

}  // namespace

Transition crossroads(Player* player) {
    Player& hero = *player;
    ShowDescription();
    io() << "Where do you want to go?\n\n";
    ShowMenu(kMenu, hero);
    io().Prompt();
    const int choice = io().ReadNumber(-1);
    io() << "\n\n";
    return Choose(kMenu, choice, hero, "\n");
}

}  // namespace vaskarn

#include "world/town/crossroads.h"

#include <string>

#include "core/end_of_game.h"
#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "world/stats.h"
#include "world/town/training_arena.h"

namespace vaskarn {
namespace {

// How an entry leaves the crossroads once its text is written.
enum class Way {
    Move,      // GoTo `next`: the place moves back here when it is left
    Visit,     // Open `next`: it hands control Back here
    Unbuilt,   // the place is not open yet: the crossroads comes back
    Leave,     // the farewell; nothing is saved
    Ceremony,  // the peace ceremony
    Crowning,  // the crowning
    Ending,    // the claiming of the prize, which wins the game
};

using Condition = bool (*)(const Player&);

struct Entry {
    int number;
    const char* menuLine;
    Condition listed;
    Condition entered;  // nullptr: the same as `listed`
    const char* text;
    void (*personal)(const Player&);  // lines naming the hero, after `text`
    bool pause;
    Way way;
    Screen next;
};

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

bool Always(const Player&) { return true; }
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

constexpr Entry kMenu[] = {
    {1, "1.Town\n", Always, nullptr,
     "You walk north along the road, and enter the town.\n"
     "All around you, people are busy at their work. You see an armory,\n"
     "a blacksmith with his forge glowing, and an inn with a blue sign\n"
     "hanging above its door.\n",
     nullptr, true, Way::Unbuilt, nullptr},
    {2, "2.Castle Training Arena\n", Always, nullptr,
     "You walk to the northeast, towards the great castle.\n"
     "Next to its walls lies the training arena, where soldiers spar\n"
     "with one another from morning until night.\n"
     "In the middle of the arena stands a monument of the dead King of\n"
     "Kharim, his sword raised high towards the sky.\n"
     "Behind the arena, the castle grounds are closed off, and guards\n"
     "stand at every gate. No one may pass without leave of the castle.\n"
     "A soldier waves you over to the arena.\n",
     nullptr, true, Way::Move, training_arena},
    {3, "3.View Stats\n", Always, nullptr, "", nullptr, false, Way::Visit, stats},
    {4, "4.Smith Weapon\n", Always, nullptr, "\n\n", nullptr, false, Way::Unbuilt, nullptr},
    {5, "5.Smith Armor\n", Always, nullptr, "\n\n", nullptr, false, Way::Unbuilt, nullptr},
    {6, "6.Craft Potions\n", Always, nullptr, "\n\n\n\n", nullptr, false, Way::Unbuilt, nullptr},
    {7, "7.Great Grasslands\n", Always, nullptr,
     "You walk to the west, and the great grasslands open up before you.\n"
     "The grass reaches up to your knees and moves like the sea in the wind.\n"
     "Travellers say that somewhere out in the grasslands lies a great\n"
     "village, older than any other, but few of those who went looking\n"
     "for it ever came back to tell of it.\n",
     SendToGrasslands, true, Way::Unbuilt, nullptr},
    {8, "8.Ocean City Of Narshia\n", AfterGrasslands, nullptr,
     "You walk to the east and open the wooden trapdoor.\n"
     "A long ladder leads down into the dark, and you climb down it,\n"
     "step after step, until you hear water all around you.\n"
     "At the bottom a tunnel of glass opens before you, and beyond it,\n"
     "under the sea itself, shine the lights of a great city.\n"
     "Welcome to the Ocean City Of Narshia.\n",
     nullptr, true, Way::Unbuilt, nullptr},
    {9, "9.Rainforest\n", Always, nullptr,
     "\n\n"
     "You walk north, past the town, and the air grows warm and wet.\n"
     "The trees grow taller and thicker with every step, until the\n"
     "sky disappears behind their leaves. You are in the Rainforest.\n",
     nullptr, true, Way::Unbuilt, nullptr},
    {10, "10.Exit\n", Always, nullptr, "", nullptr, false, Way::Leave, nullptr},
    {11, "11.Meadow\n", Always, nullptr,
     "You walk to the east, past the trapdoor, and keep on walking.\n"
     "After a while the road ends, and you come to a wide meadow.\n"
     "It is quiet here, and there is no one in sight.\n",
     nullptr, true, Way::Unbuilt, nullptr},
    {12, "12.Elven Forest\n", ElvenForestListed, ElvenForestOpen,
     "You travel far to the north, beyond the Rainforest, until you\n"
     "reach the edge of a huge forest.\n"
     "This forest was not grown by nature alone: the elves made it,\n"
     "tree by tree, long ago, and they live within it still.\n"
     "Deep among the trees lies their village, and all around you\n"
     "Elven workers are busy cutting, carrying and building.\n"
     "They stop and look at you as you walk in.\n",
     nullptr, true, Way::Unbuilt, nullptr},
    {13, "13.Swamplands Of Marshia\n", AfterElvenForest, nullptr,
     "You travel to the southwest, far past the small swamp, until the\n"
     "ground turns to mud beneath your feet.\n"
     "Before you lie the Swamplands Of Marshia, a wide land of mud,\n"
     "reeds and dark water that stretches as far as you can see.\n"
     "This is the land of the ogres. Everywhere you look, they are\n"
     "at work: digging ditches, carrying logs and building walls.\n"
     "Some of them stop to stare at you, and then go back to their\n"
     "work, grumbling.\n"
     "You had better watch your step here.\n",
     nullptr, true, Way::Unbuilt, nullptr},
    {14, "14.Gates Of Heaven\n", AfterSwamp, nullptr,
     "You walk along the road until you come to the foot of a golden\n"
     "staircase, which rises up into the sky.\n"
     "You begin to climb. The staircase goes on and on, and soon you\n"
     "are above the trees, and then above the mountains.\n"
     "At last you climb through the clouds. All around you is white\n"
     "and soft, and the air smells sweet.\n"
     "More golden staircases rise from the clouds, leading higher\n"
     "still, and at the top of the highest one you see two great\n"
     "gates, shining with light.\n"
     "You have reached the Gates Of Heaven.\n",
     nullptr, true, Way::Unbuilt, nullptr},
    {15, "15.Graveyard Of Spirits\n", GraveyardOpen, nullptr,
     "You walk towards a dark path, and enter the graveyard.\n", nullptr, true, Way::Unbuilt, nullptr},
    {16, "16.Mountain Of The Glowing Crystal\n", MountainOpen, nullptr,
     "You walk towards the tall mountain that glows in the distance.\n"
     "At its top shines a great crystal, and it is said that deep inside\n"
     "the mountain lies the Sword Of Eldmyrs, waiting for the one\n"
     "who is worthy to carry it.\n",
     nullptr, true, Way::Unbuilt, nullptr},
    {17, "17.The Bottomless Abyss Of Hell Fire\n", AbyssOpen, nullptr, "You enter the Hell Fire Abyss.\n", nullptr,
     true, Way::Unbuilt, nullptr},
    {18, "18.Boat Dock\n", DockOpen, nullptr,
     "You walk towards the boat dock, where you see a sailor\n"
     "standing.\n",
     nullptr, true, Way::Unbuilt, nullptr},
    {19, "19.Night Ceremony\n", CeremonyOpen, nullptr, "", nullptr, false, Way::Ceremony, nullptr},
    {20, "20.Castle Grounds\n", CrowningOpen, nullptr, "", nullptr, false, Way::Crowning, nullptr},
    {21, "21.Claim The Diamond Of Eldmyrs, And Win Vaskarn!!!\n", EndingOpen, nullptr, "", nullptr, false,
     Way::Ending, nullptr},
};

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

void HoldCeremony(Player& hero) {
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
}

void Crown(Player& hero) {
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
}

[[noreturn]] void ClaimTheDiamond(const Player& hero) {
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

}  // namespace

Transition crossroads(Player* player) {
    Player& hero = *player;
    ShowDescription();
    io() << "Where do you want to go?\n\n";
    for (const Entry& entry : kMenu)
        if (entry.listed(hero)) io() << entry.menuLine;
    io().Prompt();
    const int choice = io().ReadNumber(-1);
    io() << "\n\n";

    const Entry* chosen = nullptr;
    for (const Entry& entry : kMenu)
        if (entry.number == choice) chosen = &entry;
    if (chosen == nullptr) {
        io() << "\n";
        return Stay();
    }
    if (!(chosen->entered ? chosen->entered : chosen->listed)(hero)) {
        if (choice == 8) io() << "\n";  // the closed trapdoor alone answers with an empty line
        return Stay();
    }

    io() << chosen->text;
    if (chosen->personal) chosen->personal(hero);
    if (chosen->pause) wait();
    switch (chosen->way) {
    case Way::Move:
        return GoTo(chosen->next);
    case Way::Visit:
        return Open(chosen->next);
    case Way::Unbuilt:
        return Stay();
    case Way::Leave:
        exit0();
    case Way::Ceremony:
        HoldCeremony(hero);
        return Stay();
    case Way::Crowning:
        Crown(hero);
        return Stay();
    case Way::Ending:
        ClaimTheDiamond(hero);
    }
    return Stay();
}

}  // namespace vaskarn

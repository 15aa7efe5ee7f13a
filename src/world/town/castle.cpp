#include "world/town/castle.h"

#include <string>

#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "world/encounter.h"
#include "world/place_menu.h"
#include "world/purchase.h"
#include "world/quest_rewards.h"
#include "world/town/crossroads.h"
#include "world/town/sword_master.h"
#include "world/town/town.h"

namespace vaskarn {
namespace {

constexpr int kMeatPrice = 10;
constexpr int kMeatHP = 30;
constexpr int kMeatEnergy = 10;
constexpr int kChamberLevel = 10;
constexpr int kTableGold = 1000;
constexpr int kTrapDamage = 50;

// A y/n answer, and the two line ends every answer is followed by.
bool AnswersYes() {
    const std::string word = io().ReadWord();
    io() << "\n\n";
    return IsYes(word);
}

// --- The Sword Training Arena. ---

// A practice fight never costs anything: win or lose, the hero is made whole.
template <int difficulty>
Transition Spar(Player& hero) {
    const FightResult result = FightOne(hero, SwordMaster(hero, difficulty));
    hero.RestoreAll();
    io() << (result == FightResult::Won ? "You beat the Sword Master! He bows to you, and smiles.\n"
                                        : "The Sword Master beat you.\n");
    wait();
    return Stay();
}

Transition ReturnHeavenGear(Player& hero) {
    WearLightGear(hero);
    io() << "Sword Master:\n"
            "Here you are, I kept it all safe for you.\n"
            "You equip the Sword Of Light and the Magic Armor again.\n";
    wait();
    return Stay();
}

Transition ReturnEldmyrsSword(Player& hero) {
    WearEldmyrsSword(hero);
    io() << "Sword Master:\n"
            "Here you are. Treat it well, there is no other blade like it.\n"
            "You equip the Sword Of Eldmyrs again.\n";
    wait();
    return Stay();
}

Transition ReturnEldmyrsArmor(Player& hero) {
    WearEldmyrsArmor(hero);
    io() << "Sword Master:\n"
            "Here you are, every piece of it.\n"
            "You equip the Eldmyrs Armor again.\n";
    wait();
    return Stay();
}

bool HeavenDone(const Player& h) { return h.GetHeaven(); }
bool MountainDone(const Player& h) { return h.GetMountain(); }

constexpr PlaceEntry kArena[] = {
    {.number = 1, .label = "1. Go easy on me please, I am a beginner\n", .act = Spar<1>},
    {.number = 2, .label = "2. I know a little about swords, so fight me fairly\n", .act = Spar<2>},
    {.number = 3, .label = "3. I have had some training, don't hold back too much\n", .act = Spar<3>},
    {.number = 4, .label = "4. I am good with a sword, make it a challenge\n", .act = Spar<4>},
    {.number = 5, .label = "5. I am an expert, fight me like you mean it\n", .act = Spar<5>},
    {.number = 6, .label = "6. I am a master in swordsmanship, give me your best shot!\n", .act = Spar<6>},
    {.number = 7, .label = "7. No Thanks, I don't want to fight anymore.\n", .then = Back()},
    {.number = 8,
     .label = "8. I would like my equipment back, from the Gates Of Heaven Quest\n",
     .listed = HeavenDone,
     .act = ReturnHeavenGear},
    {.number = 9,
     .label = "9. I would like my Sword Of Eldmyrs back, please\n",
     .listed = MountainDone,
     .act = ReturnEldmyrsSword},
    {.number = 10,
     .label = "10. I would like my Eldmyrs Armor back, please\n",
     .listed = MountainDone,
     .act = ReturnEldmyrsArmor},
};

// The Sword Master's question, asked again after every fight.
Transition swordarena(Player* player) {
    io() << "Sword Master:\n"
            "How hard do you want me to fight?\n\n";
    return ChooseByNumber(kArena, *player, 0);
}

// --- The kitchens. ---

Transition BuyMeat(Player& hero) {
    io() << "Chef:\n"
            "Want to buy some meat for only 10 coins each?(y/n)\n";
    io().Prompt();
    if (!AnswersYes()) return Stay();
    if (!CanPay(hero, kMeatPrice)) {
        io() << "You don't have enough money.\n";
        wait();
        return Stay();
    }
    Pay(hero, kMeatPrice);
    hero.AddHP(kMeatHP);
    hero.AddEnergy(kMeatEnergy);
    io() << "You eat the meat. It is hot and juicy, and you feel a little\n"
            "stronger.\n";
    wait();
    return Stay();
}

Transition TasteMeat(Player&) {
    io() << "You take a tiny piece of meat from a plate. It is delicious, but\n"
            "far too small to do you any good.\n";
    wait();
    return Stay();
}

constexpr PlaceEntry kKitchens[] = {
    {.number = 1, .label = "1. Chef\n", .act = BuyMeat},
    {.number = 2, .label = "2. Take a free sample of meat\n", .act = TasteMeat},
    {.number = 3, .label = "3. Back to castle\n", .then = Back()},
};

Transition kitchens(Player* player) {
    return ChooseByKey(kKitchens, *player);
}

// --- The royal chamber. ---

Transition royalchamber(Player* player) {
    Player& hero = *player;
    if (hero.GetLevel() < kChamberLevel) {
        io() << "Guards: I'm sorry, but you have to be at least level 10 to visit\n"
                "the royal chamber.\n";
        wait();
        return Back();
    }
    io() << "The guards let you into the royal chamber. Golden lamps light a\n"
            "great throne, and in the middle of the room stands a long table.\n"
            "On the table lies a pile of 1,000 gold coins.\n\n"
            "Take the gold? (y/n)\n";
    io().Prompt();
    if (!AnswersYes()) {
        io() << "You leave the gold where it is.\n";
        wait();
        return Back();
    }
    hero.AddGold(kTableGold);
    hero.LoseHP(kTrapDamage);
    io() << "You grab the gold, but as you do, a hidden blade springs out of\n"
            "the table and cuts you deeply! You lose 50 HP.\n";
    if (hero.GetHP() > 0) {
        wait();
        return Back();
    }
    io() << "You died.\n";
    hero.HasDied();
    wait();
    return ReturnTo(crossroads);
}

// --- The castle's hall. ---

constexpr PlaceEntry kHall[] = {
    {.number = 1,
     .label = "1. Sword Training Arena\n",
     .text = "You walk into the Sword Training Arena, where the Sword Master\n"
             "is waiting for you.\n\n",
     .then = Open(swordarena)},
    {.number = 2,
     .label = "2. Castle Kitchens\n",
     .text = "You walk into the castle kitchens. Pots are boiling, and the\n"
             "smell of roasting meat fills the air.\n\n",
     .then = Open(kitchens)},
    {.number = 3, .label = "3. The Royal Chamber\n", .then = Open(royalchamber)},
    {.number = 4,
     .label = "4. Castle Library\n",
     .text = "You walk into the castle library.\n"
             "There's nothing here, all the books are gone for some reason.\n",
     .pause = true},
    {.number = 5, .label = "5. Back To Town\n", .then = ReturnTo(town)},
};

// The hall's menu, where the castle's rooms hand control back.
Transition castlehall(Player* player) {
    io() << "Where do you want to go?\n\n";
    return ChooseByKey(kHall, *player);
}

}  // namespace

Transition castle(Player*) {
    io() << "You stand in the great hall of the castle. Banners hang from the\n"
            "high walls, and servants hurry past you with plates and books.\n\n";
    return GoTo(castlehall);
}

}  // namespace vaskarn

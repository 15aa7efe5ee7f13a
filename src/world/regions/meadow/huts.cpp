#include "world/regions/meadow/huts.h"

#include <string_view>

#include "abilities/special_attacks.h"
#include "abilities/spells.h"
#include "core/pause.h"
#include "core/services.h"
#include "model/arith.h"
#include "model/player.h"
#include "model/slots.h"
#include "world/ability_shop.h"
#include "world/encounter.h"
#include "world/place_menu.h"
#include "world/purchase.h"
#include "world/regions/meadow/meadow.h"

namespace vaskarn {
namespace {

// --- Catalogues. ---

constexpr MakeAbility<Spell> kSpells[] = {Offer<Spell, Light_Orb2>};

constexpr MakeAbility<Special_Attack> kSpecialAttacks[] = {
    Offer<Special_Attack, Thrust>,
    Offer<Special_Attack, Jab>,
    Offer<Special_Attack, Stab>,
    Offer<Special_Attack, Crush>,
};

constexpr const char* kShortOfGold = "Oh dear, I don't seem to have enough gold.\n";

constexpr MonsterTemplate kEd{"Ed", 100, 100, 200, 70, 8, 3};
constexpr int kEdsFine = 100;

constexpr int kPayPerUnit = 30;
constexpr int kMostUnitsPerDig = 5;

constexpr std::string_view kKnife = "Knife";
constexpr int kKnifeValue = 10;

Transition mudcompany(Player* player);
Transition familyhome(Player* player);
Transition familyhomemenu(Player* player);
Transition tower(Player* player);
Transition shed(Player* player);

constexpr PlaceEntry kHuts[] = {
    {.number = 1,
     .label = "1.Establishment Building\n",
     .text = "You walk into the Establishment Building. Men covered in mud carry\n"
             "buckets in and out, and a man in a clean suit sits behind a desk.\n"
             "Man: Welcome to the Meadow Mud Company! How can I help you?\n",
     .pause = true,
     .then = GoTo(mudcompany)},
    {.number = 2, .label = "2.Family Home\n", .then = GoTo(familyhome)},
    {.number = 3, .label = "3.Tower\n", .then = GoTo(tower)},
    {.number = 4, .label = "4.Huge Shed\n", .then = GoTo(shed)},
    {.number = 5, .label = "5.Back To Meadow Trail\n", .then = GoTo(meadow)},
};

// --- The mud company. ---

// The worker Ed never kills: a beaten hero pays and is made whole.
Transition FightEd(Player& hero) {
    io() << "Man: What?! Ed! Teach this fool some manners!\n"
            "A big worker named Ed puts down his shovel and walks towards you.\n";
    wait();
    if (FightOne(hero, kEd) == FightResult::Won) {
        io() << "Ed runs out of the building, crying for his mother.\n"
                "Man: All right, all right! Nobody else has to get hurt! Please!\n";
        wait();
        return Stay();
    }
    io() << "Ed picks you up, and shakes you until the coins fall out of\n"
            "your pockets.\n"
            "Ed: That will teach you to threaten honest workers!\n"
            "And this 100 coins will teach you that lesson!\n";
    hero.SpendGold(kEdsFine);
    hero.RestoreAll();
    wait();
    return Stay();
}

Transition OfferWork(Player&) {
    io() << "Man: Of course! We pay 30 gold for every unit of mud you dig.\n"
            "Here is a shovel. The best mud is down by the river.\n";
    wait();
    return GoTo(Screen(digmud, 0));
}

constexpr PlaceEntry kQuestions[] = {
    {.number = 1,
     .label = "1.What is this place?\n",
     .text = "Man: This is the Meadow Mud Company. We dig the mud from the banks\n"
             "of the river, and we sell it all over the world.\n",
     .pause = true},
    {.number = 2,
     .label = "2.Who would ever buy mud?\n",
     .text = "Man: Everyone! Builders make bricks from it, farmers spread it on\n"
             "their fields, and the ogres of the swamplands bathe in it. There\n"
             "is nothing finer than good meadow mud.\n",
     .pause = true},
    {.number = 3,
     .label = "3.Who are all these workers?\n",
     .text = "Man: They are my diggers, good men every one of them. Ed over\n"
             "there is the strongest of them all, so don't you cause any trouble.\n",
     .pause = true},
    {.number = 4, .label = "4.Can I help you dig mud too?\n", .act = OfferWork},
    {.number = 5,
     .label = "5.How long has the company been here?\n",
     .text = "Man: My father started it forty years ago, with one shovel and one\n"
             "bucket. Now look at us!\n",
     .pause = true},
    {.number = 6, .label = "6.I wish to kill all of your workers!\n", .act = FightEd},
    {.number = 7, .label = "7.Nothing, goodbye\n", .then = GoTo(huts)},
};

Transition mudcompany(Player* player) {
    io() << "\n"
            "What would you like to ask?\n";
    return ChooseByKey(kQuestions, *player, "");
}

// --- The family home: the mother teaches the spell, the father the attacks. ---

Transition quest3spells(Player* player);
Transition quest3specialattacks(Player* player);

constexpr PlaceEntry kFamilyHome[] = {
    {.number = 1, .label = "1.Learn A Spell\n", .then = GoTo(quest3spells)},
    {.number = 2, .label = "2.Learn A Special Attack\n", .then = GoTo(quest3specialattacks)},
    {.number = 3, .label = "3.Leave\n", .then = GoTo(huts)},
};

Transition familyhome(Player*) {
    io() << "You knock on the door of the family home, and a woman opens it.\n"
            "Woman: Oh, hello! Come in, come in. My husband and I were\n"
            "adventurers once, you know. We still teach a thing or two, for\n"
            "a little gold.\n";
    wait();
    return GoTo(familyhomemenu);
}

Transition familyhomemenu(Player* player) {
    io() << "\n"
            "What would you like?\n";
    return ChooseByKey(kFamilyHome, *player, "");
}

// The mother's thanks do not name the spell, so her list is her own: the
// same numbered list and purchase as every teacher's.
Transition quest3spells(Player* player) {
    Player& hero = *player;
    io() << "Woman: This is the spell I can teach you.\n";
    const std::unique_ptr<Spell> offer = kSpells[0]();
    io() << "1. " << offer->GetName() << " - Price: " << offer->GetPrice() << "\n"
         << "\n";
    const ListChoice choice = ChooseFromList(1, -1);
    if (choice.Cancelled()) return GoTo(familyhomemenu);
    if (!choice.IsEntry()) {
        io() << "\n";
        return Stay();
    }
    if (!CanPay(hero, offer->GetPrice())) {
        io() << kShortOfGold;
        wait();
        return Stay();
    }
    io() << "Thank you for your gold, I appreciate it very much.\n";
    Pay(hero, offer->GetPrice());
    wait();
    Learn(hero, *offer);
    return Stay();
}

Transition quest3specialattacks(Player* player) {
    static constexpr AbilityShopWords kWords{"The man of the house teaches you the special attack ", "!\n",
                                             kShortOfGold};
    io() << "Man: These are the special attacks I can teach you.\n";
    return SellAbilities<Special_Attack>(*player, kSpecialAttacks, kWords, GoTo(familyhomemenu));
}

// --- The tower. ---

constexpr PlaceEntry kTower[] = {
    {.number = 1,
     .label = "1.Take The Left Staircase\n",
     .text = "You climb the left staircase to a dusty room full of old books.\n"
             "One book lies open on a table. It reads:\n"
             "\"The Rune King gathers his Wraiths in the east. Only the one who\n"
             "carries the Holy Grail may pass the rocks of the east corner, and\n"
             "learn where the Rune King will strike.\"\n"
             "You climb back down the staircase.\n",
     .pause = true},
    {.number = 2,
     .label = "2.Take The Right Staircase\n",
     .text = "You climb the right staircase all the way to the top of the tower.\n"
             "From its window you can see the whole meadow. Far to the north,\n"
             "lightning strikes a lonely hill again and again, and in the east\n"
             "corner a faint light glows between the great rocks.\n"
             "You climb back down the staircase.\n",
     .pause = true},
    {.number = 3, .label = "3.Leave The Tower\n", .then = GoTo(huts)},
};

Transition tower(Player* player) {
    io() << "You walk into the tower. Two staircases wind up from its hall, one\n"
            "on the left and one on the right.\n";
    return ChooseByKey(kTower, *player, "");
}

// --- The shed. ---

Transition TakeKnife(Player& hero) {
    if (Holds(hero.GetInventory(), kKnife)) {
        io() << "You already have a knife. One is enough.\n";
    } else {
        io() << "You take a knife from the table.\n"
                "The knife is now in your special items inventory.\n";
        Inventory knife;
        knife.CreateItem(kKnife, kKnifeValue);
        hero.AddItem(&knife);
    }
    wait();
    return Stay();
}

constexpr PlaceEntry kShed[] = {
    {.number = 1, .label = "1.Take a Knife\n", .act = TakeKnife},
    {.number = 2, .label = "2.Leave\n", .then = GoTo(huts)},
};

Transition shed(Player* player) {
    io() << "You walk into the huge shed. It is full of old tools, and on a\n"
            "table lies a row of sharp knives.\n";
    return ChooseByKey(kShed, *player, "");
}

}  // namespace

Transition huts(Player* player) {
    io() << "You walk over to the huts. There is a big building with a sign over\n"
            "its door, a family home, a tall stone tower, and a huge shed.\n";
    return ChooseByKey(kHuts, *player, "");
}

// The pay is counted in 64 bits and given as far as a purse can hold it.
Transition digmud(Player* player, int units) {
    Player& hero = *player;
    io() << "You stand in the mud by the river, with a shovel in your hands.\n"
         << "Mud dug so far: " << units << " units\n"
         << "1. Dig\n"
            "2. Stop Digging And Get Paid\n";
    io().Prompt();
    switch (io().ReadChar()) {
    case '1': {
        random();
        const int dug = Draw(kMostUnitsPerDig) + 1;
        io() << "You dig up " << dug << " units of mud.\n";
        wait();
        return GoTo(Screen(digmud, SatAdd(units, dug)));
    }
    case '2': {
        const int pay = ClampToInt(TotalPrice(kPayPerUnit, units > 0 ? units : 0));
        io() << "The man pays you " << pay << " gold for your work.\n";
        hero.AddGold(pay);
        wait();
        return GoTo(mudcompany);
    }
    default:
        return Stay();
    }
}

}  // namespace vaskarn

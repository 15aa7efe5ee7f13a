#include "world/town/inn.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "world/place_menu.h"
#include "world/town/crossroads.h"
#include "world/town/town.h"

namespace vaskarn {
namespace {

constexpr int kDrinkPrice = 10;
constexpr int kRoomPrice = 10;
constexpr int kLeastHintPrice = 10;
constexpr int kBlowDamage = 10;
constexpr int kDrinkRestores = 5;


Transition innmenu(Player* player);
Transition drink(Player* player);
Transition oldman(Player* player);
Transition innupstairs(Player* player);
Transition rentaroom(Player* player);
Transition bank(Player* player);

constexpr PlaceEntry kMenu[] = {
    {.number = 1, .label = "1.Bar\n", .then = Open(drink)},
    {.number = 2,
     .label = "2.Talk to Old Man\n",
     .text = "You go over to a table, sit down, and stare at the old man.\n",
     .pause = true,
     .then = Open(oldman)},
    {.number = 3,
     .label = "3.Steal A Beer\n",
     .text = "You are just about to steal a beer when suddenly, someone shouts at you.\n"
             "Hey! You can't do that! The bartender comes over and punches you in the face.\n",
     .pause = true,
     .then = GoTo(inn)},
    {.number = 4, .label = "4.Go Upstairs\n", .then = Open(innupstairs)},
    {.number = 5, .label = "5.Rent A Room\n", .then = Open(rentaroom)},
    {.number = 6, .label = "6.Access Your Bank\n", .then = Open(bank)},
    {.number = 7,
     .label = "7.Back To town\n",
     .text = "You head back to town.\n",
     .pause = true,
     .then = ReturnTo(town)},
};

// The menu, shown again whenever a sub-screen hands control back.
Transition innmenu(Player* player) {
    io() << "What do you want to do?\n\n";
    return ChooseByKey(kMenu, *player);
}

// --- The bar. ---

Transition drink(Player* player) {
    io() << "You walk over to the bar, and see a man standing there.\n"
            "Want to buy a drink? Only 10 coins?(y/n)\n";
    io().Prompt();
    const std::string answer = io().ExtractWord();
    io().DiscardLine(20);
    if (IsYes(answer)) {
        // No refusal: a hero short of the price pays what he has.
        player->SpendGold(kDrinkPrice);
        io() << "You spend 10 of your gold coins and buy a drink.\n"
                "You drink it down quickly, ahh...that was good.\n"
                "You feel slightly regenerated.\n";
        player->AddHP(kDrinkRestores);
        player->AddEnergy(kDrinkRestores);
        wait();
        return ReturnTo(inn);
    }
    if (IsNo(answer)) {
        io() << "You decide not to buy a drink.\n";
        wait();
        return ReturnTo(inn);
    }
    return Stay();
}

// --- The old man. ---

Transition oldmanprompt(Player* player);

Transition oldman(Player*) {
    io() << "The old man stares at you too.\n"
            "Hello young lad, is there anything that I can do for you?\n";
    wait();
    io() << "\n"
            "1. Give me all of your money!\n"
            "2. I just wanted your drink...sorry\n"
            "3. What are you looking at?\n"
            "4. Is there a place that I might be able to find some treasure?\n"
            "5. Never mind...\n";
    return GoTo(oldmanprompt);
}

Transition OldManBlow(Player& hero) {
    io() << "Ha! You better back off!\n";
    wait();
    io() << "The old man jumps for you, and hits you on the head...he is quite strong.\n";
    hero.LoseHP(kBlowDamage);
    if (hero.GetHP() <= 0) {
        io() << "\n\n"
                "You are dead.\n";
        hero.HasDied();
        wait();
        return ReturnTo(crossroads);
    }
    wait();
    io() << "You wake up on the ground, all cold and painful.\n";
    wait();
    io() << "That wasn't such a good idea...\n";
    wait();
    return ReturnTo(inn);
}

Transition OldManDrink() {
    io() << "Well, if you wanted a drink so badly, then go get one at the bar.\n";
    wait();
    io() << "1. But I have no money!\n"
            "2. No, you buy one\n";
    io().Prompt();
    const std::string answer = io().ReadWord();
    if (answer == "2") {
        io() << "Stop being greedy!\n";
        wait();
        return GoTo(oldman);
    }
    if (answer == "1") {
        io() << "Oh, you poor, poor boy!\n"
                "Here take this money!\n";
        wait();
        io() << "The old man grabs some air and hands it to you.\n"
                "It's really nothing though...\n";
        wait();
        return GoTo(oldman);
    }
    return Stay();
}

// The hint, for an offer of `kLeastHintPrice` coins or more; the offer is
// asked again while it is negative.
Transition oldmanoffer(Player* player) {
    io() << "How much will you give me?\n";
    io().Prompt();
    const int amount = io().ReadNumber(0);
    if (amount < 0) {
        io() << "\n";
        return Stay();
    }
    if (amount == 0) return GoTo(oldmanprompt);
    if (amount < kLeastHintPrice) {
        io() << "That's too little, forget about it.\n";
        wait();
        return GoTo(oldman);
    }
    if (!player->CheckMoney_OldMan(amount)) return GoTo(oldman);
    io() << amount << " coins is enough, ok, I'll tell ya.\n";
    wait();
    io() << "The old man takes the coins from you.\n";
    player->SpendGold(amount);
    io() << "Try going adventuring, go to the dungeons and explore them.\n";
    wait();
    io() << "If ya get lucky, ya might just find a little surprise.\n";
    wait();
    return GoTo(oldman);
}

Transition OldManTreasure() {
    io() << "Yes, I remember there is...ain't nothin' better like gold, and tons of it.\n";
    wait();
    io() << "Try huntin' monsters...ahhh that's all I can tell you...for now.\n";
    wait();
    io() << "1. I will give you coins if you tell me.\n"
            "2. Ok, I'm content with that.\n";
    const std::string answer = io().ReadWord();
    if (answer == "1") return GoTo(oldmanoffer);
    if (answer == "2") {
        io() << "Yup, just as I thought.\n";
        wait();
        return GoTo(oldman);
    }
    return Stay();
}

// The old man's ">": a word that is not an option, or a branch that comes
// to nothing, brings it back.
Transition oldmanprompt(Player* player) {
    io().Prompt();
    const std::string answer = io().ExtractWord();
    io().DiscardChar();
    if (answer == "1") return OldManBlow(*player);
    if (answer == "2") return OldManDrink();
    if (answer == "3") {
        io() << "What am I looking at? It is you who is looking at someone.\n";
        wait();
        return GoTo(oldman);
    }
    if (answer == "4") return OldManTreasure();
    if (answer == "5") {
        io() << "Ok then, bye.\n";
        wait();
        return ReturnTo(inn);
    }
    return Stay();
}

// --- Upstairs. ---

// The calculator's screen shows a 32-bit product, wrapped as its digits
// would wrap: the exact product is taken modulo 2^32.
int CalculatorProduct(int a, int b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(std::int64_t{a} * b));
}

// Reads one number for the calculator and says it was punched in.
int PunchIn() {
    io().Prompt();
    const int number = io().ReadNumber(0);
    io() << "You punch in the number " << number << " on the calculator.\n";
    wait();
    return number;
}

Transition upstairsprompt(Player*) {
    io().Prompt();
    const std::string answer = io().ExtractWord();
    io().DiscardChar();
    if (answer == "1") {
        io() << "You pick up the calculator.\n";
        wait();
        io() << "Enter in a number to calculate.\n";
        const int a = PunchIn();
        io() << "What number now?\n";
        const int b = PunchIn();
        io() << "You look on the screen: " << a << " x " << b << " = " << CalculatorProduct(a, b) << "\n";
        wait();
        return GoTo(innupstairs);
    }
    if (answer == "2") {
        io() << "You talk the hair comb from the ground, and use it to brush your hair.\n";
        wait();
        io() << "You drop the hair comb, and decide to do something else now.\n";
        wait();
        return GoTo(innupstairs);
    }
    if (answer == "3") {
        io() << "You walk back down the stairs and back to the inn.\n";
        wait();
        return ReturnTo(inn);
    }
    // Not an option: the bare ">" again.
    return Stay();
}

Transition innupstairs(Player*) {
    io() << "You walk upstairs the inn, and find many interesting things there.\n"
            "There is a calculator inside a box, and a hair comb on the ground.\n";
    wait();
    io() << "1.Calculator\n"
            "2.Hair Comb\n"
            "3.Climb Down Stairs\n";
    return GoTo(upstairsprompt);
}

// --- A room for the night. ---

Transition rentaroomask(Player* player) {
    io() << "Inn Keeper: \n"
            "Hello, would you like to stay in my inn for only 10 coins a night?(y/n)\n";
    io().Prompt();
    const std::string answer = io().ReadWord();
    io() << "\n\n";
    if (IsNo(answer)) return ReturnTo(inn);
    if (!IsYes(answer)) return Stay();
    if (player->GetGold() < kRoomPrice) {
        io() << "Inn Keeper: \n"
                "Sorry, but you don't have enough gold. \n"
                "Come back when you do, and you will be \n"
                "free to stay in my inn. \n";
        wait();
        return Back();
    }
    player->SpendGold(kRoomPrice);
    io() << "You pay the inn keeper the 10 coins, and he lends you a room for the night.\n"
            "You lie on a bed, and fall fast asleep.\n";
    wait();
    io() << "Later on, you wake up all regenerated.\n";
    player->RestoreFullHP();
    player->RestoreFullMP();
    player->RestoreFullEnergy();
    player->SetPoisoned(false);
    wait();
    return ReturnTo(inn);
}

Transition rentaroom(Player*) {
    io() << "You walk over to a wooden desk with a glass panel attached to it.\n"
            "The inn keeper appears soon behind the glass.\n"
            "\n";
    return GoTo(rentaroomask);
}

// --- The bank counter. ---

enum class Move { Withdraw, Deposit };

// Saves both files after gold has moved. The file that gains the gold is
// written first, so an interruption between the two writes leaves the gold
// counted in both files, never in neither. When a write fails the hero holds
// what he held before the move, and a file already written is put back.
bool RecordMove(Player& hero, Move move, int goldBefore, int bankBefore) {
    const auto saveGainer = [&] { return move == Move::Deposit ? hero.SaveBank() : hero.Save(); };
    const auto saveLoser = [&] { return move == Move::Deposit ? hero.Save() : hero.SaveBank(); };
    const bool gainerSaved = saveGainer();
    if (gainerSaved && saveLoser()) return true;
    hero.SetGold(goldBefore);
    hero.SetBankAmount(bankBefore);
    // If this fails too, the gold is on disk twice until the next save.
    if (gainerSaved) saveGainer();
    return false;
}

// Reads an amount at the counter; an amount below 1 is refused with
// `refusal`, and 0 comes back for it.
int AskAmount(const char* question, const char* refusal) {
    io() << question;
    io().Prompt();
    const int amount = io().ReadNumber(0);
    io() << "\n\n";
    if (amount >= 1) return amount;
    io() << refusal;
    wait();
    return 0;
}

void Refuse(const char* why) {
    io() << why;
    wait();
}

void Withdraw(Player& hero) {
    if (hero.GetBankAmount() <= 0) return Refuse("You have no gold in your bank!\n");
    const int amount = AskAmount("Withdraw Amount?\n", "You can only withdraw 1 gold coin or more!\n");
    if (amount == 0) return;
    if (hero.GetBankAmount() < amount) return Refuse("You don't have that much in the bank!\n");
    if (hero.GetGold() > std::numeric_limits<int>::max() - amount)
        return Refuse("Your pockets can't hold that much gold!\n");
    const int goldBefore = hero.GetGold();
    const int bankBefore = hero.GetBankAmount();
    hero.AddGold(amount);
    hero.SetBankAmount(bankBefore - amount);
    if (!RecordMove(hero, Move::Withdraw, goldBefore, bankBefore))
        return Refuse("The banker shakes his head: the bank's books could not be saved.\n"
                      "Nothing was withdrawn; your gold is still in the bank.\n");
    io() << amount << " Gold Withdrawn\n";
    wait();
}

void Deposit(Player& hero) {
    if (hero.GetGold() <= 0) return Refuse("You don't have any gold on hand!\n");
    const int amount = AskAmount("Deposit Amount?\n", "You can only deposit 1 gold coin or more!\n");
    if (amount == 0) return;
    if (hero.GetGold() < amount) return Refuse("You don't have that much gold in your inventory!\n");
    if (hero.GetBankAmount() > std::numeric_limits<int>::max() - amount)
        return Refuse("The bank can't hold that much gold!\n");
    const int goldBefore = hero.GetGold();
    const int bankBefore = hero.GetBankAmount();
    hero.SpendGold(amount);
    // A balance left negative by a damaged file is cleared, not carried.
    hero.SetBankAmount(std::max(bankBefore + amount, 0));
    if (!RecordMove(hero, Move::Deposit, goldBefore, bankBefore))
        return Refuse("The banker shakes his head: the bank's books could not be saved.\n"
                      "Nothing was deposited; your gold is still in your inventory.\n");
    io() << amount << " Gold Deposited\n";
    wait();
}

Transition bank(Player* player) {
    io() << player->GetName() << "'s Bank\n\n\n"
         << "Current Gold In Bank: " << player->GetBankAmount() << "\n"
         << "Current Gold In Inventory: " << player->GetGold() << "\n"
         << "\n\n"
         << "1. Withdraw Gold\n"
            "2. Deposit Gold\n"
            "3. Do Nothing\n";
    io().Prompt();
    const char key = io().ReadChar();
    io() << "\n\n";
    if (key == '1') Withdraw(*player);
    if (key == '2') Deposit(*player);
    return Back();
}

}  // namespace

Transition inn(Player*) {
    io() << "People are walking around everywhere, talking and laughing.\n"
            "There are many tables, and nearly every one of them is taken.\n"
            "A barmaid hurries between them with mugs of ale in her hands.\n"
            "Wow! This inn must be very popular!\n";
    wait();
    io() << "\n\n";
    return GoTo(innmenu);
}

}  // namespace vaskarn

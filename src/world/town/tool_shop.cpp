#include "world/town/tool_shop.h"

#include <cstdint>

#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "world/purchase.h"
#include "world/town/town.h"

namespace vaskarn {
namespace {

// Tokens and bars cost the same; the counter never shows the price.
constexpr int kToolPrice = 70;

// One kind of tool at the counter: its words and the hero's counter of it.
struct ToolOffer {
    const char* question;
    const char* plural;  // " tokens.\n"
    int (Player::*count)() const;
    void (Player::*add)(int);
};

constexpr ToolOffer kTools[] = {
    {"How many tokens do you want to buy?\n", " tokens.\n", &Player::GetTokens, &Player::AddTokens},
    {"How many bars do you want to buy?\n", " bars.\n", &Player::GetBars, &Player::AddBars},
};

Transition tool_shop(Player* player);

// Asks how many until the answer is not negative (a non-number counts as
// none), then sells them.
Transition toolquantity(Player* player, int kind) {
    const ToolOffer& offer = kTools[kind];
    io() << offer.question;
    io().Prompt();
    const int quantity = io().ReadNumber(0);
    if (quantity < 0) return Stay();

    const std::int64_t total = TotalPrice(kToolPrice, quantity);
    if (!CanPay(*player, total)) {
        io() << "You don't have enough money.\n";
        wait();
        return GoTo(tool_shop);
    }
    io() << "You bought " << quantity << offer.plural;
    (player->*offer.add)(quantity);
    Pay(*player, total);
    if (quantity > 0) io() << "You now have a total of " << (player->*offer.count)() << offer.plural;
    wait();
    return GoTo(tool_shop);
}

// The counter, where tokens and bars are sold.
Transition tool_shop(Player*) {
    io() << "1. Buy Tokens\n"
            "2. Buy Bars\n"
            "3. Back To Town\n";
    io().Prompt();
    switch (io().ReadChar()) {
    case '1':
        return GoTo(Screen(toolquantity, 0));
    case '2':
        return GoTo(Screen(toolquantity, 1));
    case '3':
        io() << "You head back to town.\n";
        wait();
        return ReturnTo(town);
    default:
        return Stay();
    }
}

// The first token and bar, with the workers' lesson on each.
Transition FirstTools(Player& hero) {
    io() << "Here's some tokens.\n"
            "The head worker gives you a token.\n"
            "Congratulations! You just got your first token!\n";
    hero.SetTokens(1);
    wait();
    io() << "Tokens are used to make potions, both HP and MP potions.\n"
            "A potion you make yourself costs you far less than one\n"
            "bought in a shop, and every potion you make gives you\n"
            "herblore XP.\n";
    wait();
    io() << "Whenever you run out, come back here and buy more tokens\n"
            "from us workers at the counter.\n";
    wait();
    io() << "Next is the bar.\n";
    wait();
    io() << "The head worker gives you a bar.\n"
            "Congratulations! You just got your first bar!\n";
    hero.SetBars(1);
    wait();
    io() << "A bar works just like a token, but it is used to smith\n"
            "armour and weapons instead, and gives you smithing XP.\n";
    wait();
    io() << "That is all there is to it. Use your tools well, and come\n"
            "back whenever you need more of them.\n";
    wait();
    return GoTo(tool_shop);
}

// The short lesson for a hero who already holds both kinds of tools.
Transition Reminder() {
    io() << "You already have both kinds of tools, so here is the short version.\n"
            "There are two kinds of tools: bars and tokens. Bars are used to\n"
            "smith armour and weapons, and tokens to make HP and MP potions.\n"
            "Making things yourself saves you a lot of money, and everything\n"
            "you make gives you herblore or smithing XP. That is all we have\n"
            "to tell you. Press the Enter key to start buying your tools.\n";
    wait();
    io() << "\n\n\n";
    return GoTo(tool_shop);
}

}  // namespace

Transition tool(Player* player) {
    io() << "The workers of the tool factory look up from their benches.\n"
            "Welcome! Here we make the tokens and bars that crafters use\n"
            "to brew potions and to smith. Have you come to buy some, or\n"
            "perhaps a tutorial on how to use tokens or bars?(y/n)\n";
    io().Prompt();
    const char answer = io().ReadChar();
    if (answer == 'n') {
        io() << "Very well then, I guess you know what you're doing.\n";
        wait();
        return GoTo(tool_shop);
    }
    if (answer != 'y') return Stay();

    io() << "Very well, we shall teach you.\n";
    wait();
    io() << "Tools let you make things yourself: with them you can make\n"
            "your own potions, smith your own armour and make your own\n"
            "weapons.\n";
    wait();
    const bool hasTokens = player->GetTokens() > 0;
    const bool hasBars = player->GetBars() > 0;
    if (!hasTokens && !hasBars) return FirstTools(*player);
    if (hasTokens && hasBars) return Reminder();
    // One kind without the other: the lesson has nothing to add, and the
    // workers ask again.
    return Stay();
}

}  // namespace vaskarn

#include "world/regions/boat_dock/boat_dock.h"

#include <iterator>

#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "world/place_menu.h"
#include "world/purchase.h"
#include "world/regions/boat_dock/vroengard.h"
#include "world/town/crossroads.h"

namespace vaskarn {
namespace {

constexpr int kFare = 1000;

// What the hero can say about Vesk, and what the sailor makes of it.
struct Joke {
    const char* reply;
    const char* answer;
};

constexpr Joke kJokes[] = {
    {"He ate my grass.\n", "Then pick some more. It grows everywhere, you know.\n"},
    {"He looked at me funny.\n", "Sheep look at everyone funny, lad. That's just their face.\n"},
    {"He owes me 5 gold.\n", "Good luck getting it back. Sheep don't carry purses.\n"},
    {"He said 'baa' to me in a rude way.\n", "It's the only word he knows. He can't help it.\n"},
    {"He stole my wool sweater.\n", "I think you'll find that it was his wool first.\n"},
    {"He beat me at chess.\n", "Then you should practise, not go sailing.\n"},
    {"He is secretly the Rune King.\n", "Hah! And I'm secretly a mermaid.\n"},
    {"He ate my homework.\n", "That's goats, not sheep. Get your animals straight.\n"},
    {"He keeps counting me when I try to sleep.\n", "I think you've got that the wrong way around.\n"},
    {"He is too tasty to be left alone.\n", "Now that, I can understand. But I'm still not sailing you.\n"},
    {"I don't know, I just don't like sheep.\n", "Then keep away from the ogres. They keep hundreds of them.\n"},
};

// A word from the sailor, a pause, and the hero walks back to the crossroads.
Transition SailorSends(const char* words) {
    io() << "Sailor:\n" << words;
    wait();
    return ReturnTo(crossroads);
}

Transition AskFare(Player& hero) {
    io() << "Sailor:\n"
            "A quest, eh? You must be a brave one, or a foolish one. I'll sail\n"
            "you there, but it will cost you 1000 gold. The sea around\n"
            "Vroengard is rough, and my boat isn't getting any younger.\n";
    wait();
    if (!CanPay(hero, kFare)) {
        io() << "Aye, oh dear, you don't seem to have enough gold.\n"
                "Come back here with 1000 gold, and I will sail you.\n";
        wait();
        return ReturnTo(crossroads);
    }
    Pay(hero, kFare);
    io() << "You give the sailor 1000 gold.\n";
    wait();
    io() << "You climb aboard the old sailor's boat, and he sets sail.\n"
            "For a whole day and a whole night you sail across the rough\n"
            "sea, until the dark island of Vroengard rises out of the mist.\n";
    wait();
    return GoTo(vroengard);
}

Transition vesk(Player* player);

Transition AskAboutVesk(Player&) {
    io() << "Sailor:\n"
            "Vesk? You mean the Vesk Sheep? You want to sail all the way to\n"
            "Vroengard to hurt a sheep? What did a sheep ever do to you?\n\n";
    return GoTo(vesk);
}

Transition BlameMom(Player&) {
    return SailorSends("Your mom? Hah! Then go home and tell her that the old sailor\n"
                       "said no.\n");
}

constexpr PlaceEntry kWhy[] = {
    {.number = 1, .label = "1. I need to do it for a quest\n", .act = AskFare},
    {.number = 2, .label = "2. Vesk lives on that island, and I want to hurt him\n", .act = AskAboutVesk},
    {.number = 3, .label = "3. Because my mom told me to\n", .act = BlameMom},
};

// Why the hero wants to go to Vroengard; any other key asks again.
Transition sailwhy(Player* player) {
    io() << "Sailor:\n"
            "Vroengard? Why in the world would you want to go there?\n\n";
    return ChooseByKey(kWhy, *player);
}

// The hero's reasons to hurt Vesk; a number that names none asks again.
Transition vesk(Player*) {
    for (std::size_t i = 0; i < std::size(kJokes); ++i) io() << i + 1 << ". " << kJokes[i].reply;
    io().Prompt();
    const int choice = io().ReadNumber(0);
    io() << "\n\n";
    if (choice < 1 || choice > static_cast<int>(std::size(kJokes))) return Stay();
    return SailorSends(kJokes[choice - 1].answer);
}

Transition AgreeNowhere(Player&) {
    return SailorSends("Aye, and there's no place I like to sail to either. So we get\n"
                       "along just fine, you and I.\n");
}

Transition CallHimALiar(Player&) {
    return SailorSends("Scam you? I've been sailing these seas for forty years, and I've\n"
                       "never scammed anyone! Now get off my dock!\n");
}

Transition AskForAnyIsland(Player&) {
    return SailorSends("A random island? There are no islands left to sail to, I told\n"
                       "you. The Rune King has taken every one of them.\n");
}

Transition StayAshore(Player&) {
    return SailorSends("Then why did you come all the way down to the boat dock? Go on,\n"
                       "off with you.\n");
}

constexpr PlaceEntry kSailor[] = {
    {.number = 1, .label = "1. But I want to sail to Vroengard\n", .then = GoTo(sailwhy)},
    {.number = 2, .label = "2. There is no place I like to sail to\n", .act = AgreeNowhere},
    {.number = 3,
     .label = "3. I bet you're lying old man, you're probably just trying to scam me!\n",
     .act = CallHimALiar},
    {.number = 4, .label = "4. Take me to a random island, please\n", .act = AskForAnyIsland},
    {.number = 5, .label = "5. I don't want to sail anywhere...\n", .act = StayAshore},
};

// What the hero answers the sailor; any other key asks again.
Transition sailor(Player* player) {
    return ChooseByKey(kSailor, *player);
}

}  // namespace

Transition boatdock(Player*) {
    io() << "Sailor:\n"
            "Ahoy there, young one! I used to sail these waters every day,\n"
            "but ever since the Rune King came, there's no island left that's\n"
            "worth sailing to. They're all his now. Well... except for\n"
            "Vroengard, where his own castle stands, and no one in his right\n"
            "mind would ever want to go there.\n\n";
    return GoTo(sailor);
}

}  // namespace vaskarn

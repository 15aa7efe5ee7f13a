#include "world/regions/heaven/library.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "world/encounter.h"
#include "world/regions/heaven/heaven.h"

namespace vaskarn {
namespace {

constexpr std::string_view kParchment = "Piece Of Parchment";
constexpr int kParchmentValue = 0;
constexpr std::string_view kFish = "Fish";
constexpr std::string_view kBloatedFrog = "Bloated Frog";
constexpr std::string_view kFishBlessing = "The Blessing Of The Fish";
constexpr int kFishNeeded = 20;
constexpr int kResearchGold = 70000;
constexpr int kGoldSwordValue = 200000;

constexpr MonsterTemplate kRuneKing{"Rune King", 80000, 80000, 5000000, 5000000, 20000, 36000};


int FishHeld(const Player& hero) {
    const auto& items = hero.GetInventory();
    return static_cast<int>(
        std::count_if(items.begin(), items.end(), [](const auto& item) { return item && item->GetName() == kFish; }));
}

// --- The first visit: the professor's offer. ---

Transition helptheprofessor(Player* player) {
    Player& hero = *player;
    io() << "So, want to help me or not? (y/n)\n";
    io().Prompt();
    const std::string answer = io().ReadWord();
    if (IsNo(answer)) {
        io() << "Professor:\n"
                "Oh... well, if you ever change your mind, you know where to\n"
                "find me.\n";
        wait();
        return GoTo(heaven);
    }
    if (!IsYes(answer)) return Stay();
    io() << "Professor:\n"
            "Wonderful! Then here is what I need. First, bring me 20 fish from\n"
            "the pond in the great grasslands. Second, a bloated frog; I have\n"
            "heard that they can be found on the ground of the rainforest.\n"
            "And last, the blessing that comes from a fish. I have written it\n"
            "all down for you, so that you won't forget.\n"
            "The professor hands you a piece of parchment.\n";
    Inventory parchment;
    parchment.CreateItem(kParchment, kParchmentValue);
    hero.AddItem(&parchment);
    wait();
    return GoTo(heaven);
}

Transition MakeTheOffer() {
    io() << "Professor:\n"
            "Ah, a visitor! Welcome, welcome. I am the professor of this\n"
            "library. For many years now I have been studying the Rune King:\n"
            "where he came from, and how he grew so powerful. My research is\n"
            "nearly finished, but I cannot finish the last of it alone.\n";
    wait();
    io() << "Professor:\n"
            "If you help me, I will give you 70,000 gold, and an ancient Gold\n"
            "Sword that has been kept in this library for a thousand years.\n"
            "They say that the guards of the temple let no one in who does not\n"
            "carry it.\n";
    wait();
    return GoTo(helptheprofessor);
}

// --- With the parchment: what the hero has brought so far. ---

// Fish and frogs go before the sword comes, so a full inventory always has
// room for it.
void PayTheReward(Player& hero) {
    io() << "Professor:\n"
            "Excellent! You have brought me everything that I asked for.\n"
            "The professor takes the fish and the frog, and sets to work at\n"
            "once, mixing, weighing and writing.\n";
    wait();
    io() << "Professor:\n"
            "There. All that is left now is to write it all down, and that\n"
            "will take me a little while. Oreon in the temple will tell you\n"
            "when my research is done. And, as I promised, here is your\n"
            "reward.\n"
            "You get 70000 gold and the Gold Sword!\n";
    while (RemoveByName(hero.GetInventory(), kFish)) {
    }
    while (RemoveByName(hero.GetInventory(), kBloatedFrog)) {
    }
    hero.AddGold(kResearchGold);
    Inventory sword;
    sword.CreateItem(kGoldSword, kGoldSwordValue);
    hero.AddItem(&sword);
    wait();
}

Transition ReportProgress(Player& hero) {
    const int fish = FishHeld(hero);
    const bool enoughFish = fish >= kFishNeeded;
    const bool frog = Holds(hero.GetInventory(), kBloatedFrog);
    const bool blessing = Holds(hero.GetBlessings(), kFishBlessing);
    io() << "Professor:\n"
         << "Welcome back, " << hero.GetName() << ".\n"
         << "You have " << fish << " fish.\n";
    if (enoughFish)
        io() << "That is enough fish for my research, so you do have the fish.\n";
    else
        io() << "Hmmm... you don't seem to have enough fish. You need " << kFishNeeded - fish << " more.\n";
    if (frog)
        io() << "Good, you got the Bloated Frog, just what I had asked for.\n";
    else
        io() << "You still need the Bloated Frog.\n";
    if (blessing)
        io() << "And you have The Blessing Of The Fish, the last thing I needed.\n";
    else
        io() << "Oh, you don't have the blessing yet. I can't finish my research\n"
                "without that, you know.\n";
    wait();
    if (!enoughFish || !frog || !blessing) {
        io() << "You do not have all the stuff I told you to get.\n"
                "Come back when you do, and I will give you the reward.\n";
        wait();
        return GoTo(heaven);
    }
    PayTheReward(hero);
    return GoTo(heaven);
}

// --- With The Power Of Light: the finished history and the crystal sphere. ---

// Whatever happens beyond the sphere, the hero comes back healed.
Transition ThroughTheSphere(Player& hero) {
    io() << "Professor:\n"
            "Ah, there you are! Oreon has told you, then: my research is done.\n"
            "Sit down, and I will read it to you.\n";
    wait();
    io() << "The Boy Who Soon Became The Rune King\n"
            "\n"
            "Long ago, in a small village of Kharim, there lived a boy who had\n"
            "nothing: no father, no mother, and no friends. The other children\n"
            "laughed at him, and the elders of the village sent him away from\n"
            "their doors. So he wandered alone through the hills, and there,\n"
            "in a cave under the mountain, he found a stone carved with runes.\n";
    wait();
    io() << "The runes spoke to him. They taught him their secrets, one by one,\n"
            "and with every rune he learned, his power grew, and his heart grew\n"
            "colder. When he came back to his village, he was a boy no longer.\n"
            "He burned it to the ground, and gathered an army of Wraiths,\n"
            "ogres and dead men, and called himself the Rune King. Since that\n"
            "day, no land of Kharim has known peace.\n";
    wait();
    io() << "Professor:\n"
            "And now for the last thing I found. This crystal sphere was made\n"
            "by the Rune King himself; through it, he watches over his lands.\n"
            "But the sphere works both ways. Touch it, and you will stand\n"
            "before him. Let us see what he is made of.\n";
    wait();
    io() << "You touch the crystal sphere. Everything turns white, and when\n"
            "you can see again, the Rune King stands before you.\n";
    wait();
    const bool won = FightOne(hero, kRuneKing) == FightResult::Won;
    hero.RestoreAll();
    if (won)
        io() << "The Rune King breaks apart into shadows, and the sphere throws\n"
                "you back into the library, where the professor helps you up.\n";
    else
        io() << "You wake up on the floor of the library, healed, with the\n"
                "professor bending over you.\n";
    wait();
    io() << "Professor:\n"
            "Just as I feared. What you faced there was only the shadow that\n"
            "the Rune King casts through his sphere, and the Rune King himself\n"
            "cannot be beaten yet, not even by you. You must grow stronger\n"
            "still. Find the powers that are hidden in this world, and then,\n"
            "one day, you will face him for real.\n";
    hero.SetHeaven(true);
    io() << "Congratulations! You have now completed the Gates Of Heaven Quest!\n";
    wait();
    return GoTo(heaven);
}

}  // namespace

Transition heavenlibrary(Player* player) {
    Player& hero = *player;
    io() << "You walk into the library. Shelves of old books rise up to the\n"
            "ceiling, and at a desk covered in papers sits an old professor.\n";
    wait();
    if (Holds(hero.GetGodPower(), kPowerOfLight)) return ThroughTheSphere(hero);
    if (Holds(hero.GetInventory(), kParchment)) return ReportProgress(hero);
    return MakeTheOffer();
}

}  // namespace vaskarn

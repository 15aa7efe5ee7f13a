#include "world/town/mentor.h"

#include <iterator>
#include <string>

#include "core/pause.h"
#include "core/services.h"
#include "model/items.h"
#include "model/player.h"
#include "world/town/town.h"

namespace vaskarn {
namespace {

constexpr int kFee = 500;
constexpr int kPacketTools = 5;


// --- The questions. Every answer but the last hands control back to them. ---

// An answer that is only words: they, a pause, and the questions again.
Transition Say(const char* words) {
    io() << words;
    wait();
    return Back();
}

Transition teachspells(Player*) {
    return Say("I can't teach you any spells for now, I'm sorry.\n"
               "But there is a spell shop in the town that sells plenty of\n"
               "them. Go there and have a look.\n");
}

Transition starterspacket(Player* player) {
    io() << "Your mentor gives you 5 bars and tokens, and heals you.\n";
    player->RestoreFullHP();
    player->RestoreFullMP();
    player->RestoreFullEnergy();
    player->SetPoisoned(false);
    player->AddTokens(kPacketTools);
    player->AddBars(kPacketTools);
    wait();
    return Back();
}

Transition givepotions(Player*) {
    return Say("I can't give you any potions. The potion shop in the town\n"
               "sells them, though. And on some of your quests you will find\n"
               "shops that sell strange potions you can't buy anywhere else.\n");
}

Transition whatyouneedtocraft(Player*) {
    return Say("To smith weapons and armor you need bars, and to make potions\n"
               "you need tokens. You can buy both at the tool shop. Ask the\n"
               "workers there, and they might give you some free samples.\n");
}

Transition monsterstooweak(Player*) {
    return Say("Then level up, about 5 levels or so. The higher your level\n"
               "is, the stronger the monsters that you will meet.\n");
}

Transition fastxp(Player*) { return Say("You can fight one strong monster or many weak monsters.\n"); }

Transition hittoolow(Player*) {
    return Say("You start the game with 100 gold. Spend it on a good weapon:\n"
               "if you are in the warrior group, buy a Bronze Sword. And when\n"
               "you level up, raise only your attack and your strength.\n");
}

Transition raremonsters(Player*) {
    return Say("Yes, the bosses. Once you kill one, it gives you a great\n"
               "reward, but you can never fight it again.\n");
}

Transition teachmeanythingelse(Player*) {
    return Say("On your quests you will meet obstacles. To get past them you\n"
               "will need a high attack, defense, strength, energy, herblore\n"
               "and smithing. And always keep enough energy with you.\n");
}

Transition tellmeaboutshops(Player*) {
    return Say("There are armories, blacksmiths, potion shops and spell shops,\n"
               "and on your quests you will find stranger shops too. Some\n"
               "spells are not sold anywhere, but I can teach them to you,\n"
               "for a price.\n");
}

Transition toolshopinfo(Player*) {
    return Say("The tool shop sells bars and tokens. Bars are for smithing\n"
               "weapons and armor, and tokens are for making potions. They\n"
               "cost 70 gold each, and using them gives you a lot of smithing\n"
               "or herblore XP. Remember, 100 gold coins\n"
               "is enough to buy 1 bar, or 1 token.\n");
}

Transition howtokillruneknights(Player*) {
    return Say("Rune Knights are the loyal servants of the Rune King. To kill\n"
               "them you need a good sword and strong spells, like Hell Fire,\n"
               "which you can get on the Hell Fire quest.\n");
}

Transition howstrongisruneking(Player*) {
    return Say("Very strong. With his special attack, The Wrath Of The King,\n"
               "he does over 400 damage. Only the four great items can stand\n"
               "against it, so find them all before you face him.\n");
}

Transition explainotherquests(Player*) {
    return Say("The quests open one after the other, and the Grasslands quest\n"
               "comes first. Train and level up before you set out on each.\n");
}

Transition tellmemoreabouteldmyrsguild(Player*) {
    return Say("The Eldmyr's Guild lies under a mountain of rocks. A Rune\n"
               "Knight guards the main stone: kill him, and the guild opens.\n");
}

Transition youansweredallmyquestions(Player*) {
    io() << "Ok, bye!\n";
    wait();
    return ReturnTo(town);
}

struct Question {
    const char* option;
    Screen::Plain answer;
};

constexpr Question kQuestions[] = {
    {"1. Teach Me Spells\n", teachspells},
    {"2. Give Me The Starter's Packet\n", starterspacket},
    {"3. Give Me Potions\n", givepotions},
    {"4. What do I need to smith weapons and armor, or make potions?\n", whatyouneedtocraft},
    {"5. The monsters are too weak, what should I do?\n", monsterstooweak},
    {"6. Is there a way to get fast XP?\n", fastxp},
    {"7. I hit too low, what should I do?\n", hittoolow},
    {"8. Are there any rare monsters?\n", raremonsters},
    {"9. Can you teach me anything else besides potions, spells, and combat?\n", teachmeanythingelse},
    {"10. Tell me about shops\n", tellmeaboutshops},
    {"11. What is the tool shop?\n", toolshopinfo},
    {"12. How do I kill Rune Knights?\n", howtokillruneknights},
    {"13. How strong is the Rune King?\n", howstrongisruneking},
    {"14. Explain the other quests\n", explainotherquests},
    {"15. Tell me more about the Eldmyrs Guild\n", tellmemoreabouteldmyrsguild},
    {"16. You answered all my questions...bye!\n", youansweredallmyquestions},
};

Transition teach(Player*) {
    for (const Question& q : kQuestions) io() << q.option;
    io().Prompt();
    const std::string word = io().ReadWord();
    for (int i = 0; i < static_cast<int>(std::size(kQuestions)); ++i)
        if (word == std::to_string(i + 1)) return Open(kQuestions[i].answer);
    return Stay();
}

// --- The introduction, once he is hired. ---

Transition start(Player* player) {
    io() << "Mentor: First things first. This world is a text game, and a\n"
            "growing one: new lands and new quests are added to it all the\n"
            "time. Every quest that you finish is done for good: once you\n"
            "have left it, you can never go back and play it again.\n";
    wait();
    io() << "Your great task is to kill the Rune King. Every quest that you\n"
            "finish brings you a step closer to him, so grow strong on the\n"
            "way, for he will not be easy to kill.\n";
    wait();
    io() << "I will give you a sword...want a bronze dagger?(y/n)\n";
    io().Prompt();
    const std::string answer = io().ReadWord();
    if (IsNo(answer)) {
        io() << "Ok then, let us continue.\n";
    } else if (IsYes(answer)) {
        Weapon dagger;
        dagger.CreateWeapon("Bronze Dagger", 5, 0);
        io() << "Here you go!\n";
        player->SetWeapon(dagger);
        io() << "Congratulations! You got a " << player->GetWeapon()->GetName() << "!\n";
    }
    wait();
    io() << "Now listen. Swords are fine, but spells, arrows and poison will\n"
            "often beat a sword, so learn to use them all.\n";
    wait();
    io() << "Far away, in the forges of Heaven, lies the Sword Of Eldmyrs.\n"
            "You will find it on the 7th quest. It can never break, and it\n"
            "does over 400 damage.\n";
    wait();
    io() << "And somewhere in this land, under a pile of rocks, lies the\n"
            "Eldmyr's Guild. Find it, and you will learn a great deal.\n";
    wait();
    io() << "Now I have said what I needed to say. I can now start teaching you for some\n"
            "extra coins.\n";
    wait();
    return GoTo(teach);
}

// --- The first talk. ---

Transition mentoroptions(Player* player);

Transition Hire(Player& hero, const char* words) {
    io() << words;
    hero.SpendGold(kFee);  // never refused: a hero short of the fee pays what he has
    io() << "You now have " << hero.GetGold() << " gold left.\n";
    wait();
    return GoTo(start);
}

Transition case1(Player*) {
    io() << "I'm sorry, but that's my only offer. It's quite cheap compared\n"
            "to the amount of money that you have.\n";
    wait();
    return GoTo(mentor);
}

Transition case3(Player* player) {
    io() << "Oh, don't be silly. Of course it's not, every merchant knows\n"
            "that, and you should too. Now are you going to hire me or not?(y/n)\n";
    io().Prompt();
    const std::string answer = io().ReadWord();
    if (IsYes(answer)) return Hire(*player, "You give the man your money, he is now your mentor.\n");
    if (IsNo(answer)) {
        io() << "You decide not to hire a mentor.\n";
        wait();
        return GoTo(mentor);
    }
    return GoTo(mentoroptions);
}

Transition case4(Player*) {
    io() << "Mentor: Well, there is my starting kit: a fine sword, a shield,\n"
            "a bag of potions and a map of every quest in the land.\n"
            "All just for 5000 coins. And between you and me, this whole\n"
            "land is only a game, played on a computer by someone who\n"
            "sits far away from here.\n";
    wait();
    io() << "You: What's a computer?\n"
            "Mentor: A magic box that can do almost anything.\n";
    wait();
    io() << "You're mad! What a crazy mentor! Why, I'm very confused now!\n";
    wait();
    return GoTo(mentor);
}

Transition mentoroptions(Player* player) {
    io() << "\n"
            "1. That is an outrage!\n"
            "2. Sure, start tutoring me, here's the 500 coins\n"
            "3. Can't you lower the price a little? It seems sort of expensive\n"
            "4. Is there anything else you can give?\n"
            "5. Never mind, I don't want to talk to you anymore\n";
    io().Prompt();
    switch (io().ReadChar()) {
    case '1':
        return GoTo(case1);
    case '2':
        return Hire(*player, "You hand the man 500 coins, he is now your mentor.\n");
    case '3':
        return GoTo(case3);
    case '4':
        return GoTo(case4);
    case '5':
        io() << "\n\n"
                "Ok, bye.\n"
                "You walk out of the castle and back to town.\n";
        wait();
        return ReturnTo(town);
    default:
        return Stay();
    }
}

}  // namespace

Transition mentor(Player*) {
    io() << "You walk through the long halls of the castle, past guards and\n"
            "servants, until you come to a wooden door with a sign on it.\n"
            "The sign reads 'Mentors'. You open the door and walk in.\n";
    wait();
    io() << "Mentor: Ah, a new face! Welcome, welcome. I teach young\n"
            "adventurers like you how to stay alive out there, and I can\n"
            "start tutoring you for a cheap price of 500 coins.\n"
            "You: And what else do you have to offer?\n"
            "Mentor: Later on I can teach you extra skills, with free\n"
            "samples too, just for a few thousands. So, what do you say?\n";
    wait();
    return GoTo(mentoroptions);
}

}  // namespace vaskarn

#pragma once

#include <span>

namespace vaskarn {

class Player;
struct GameState;

// What a starting class gives beyond its pools and weapon.
enum class StartingGift { None, Cleave, MageSpells, Shortbow };

// One of the five classes a hero can be.
struct HeroClass {
    char key;             // what the player types at the class menu
    const char* label;    // the menu line's text
    const char* title;    // the starting group name
    int group;            // the class number
    int maxhp;
    int maxmp;
    int maxenergy;
    const char* weapon;   // the starting weapon (price 0)
    int damage;
    StartingGift gift;
};

// The five classes in menu order (class numbers 1 to 5).
std::span<const HeroClass> HeroClasses();

// Writes the five class lines of the class menus ("1. A Fierce Warrior" ...).
void ShowClassMenu();

// Character creation on `hero`: name, class, starting gifts, then full pools.
void SetPlayer(Player* hero);

// New Game: creates the hero of `game.player` and hands it to the crossroads.
void NewGame(GameState& game);

}  // namespace vaskarn

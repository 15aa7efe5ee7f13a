#pragma once

namespace vaskarn {

// The Swamplands war in the barracks: its armies, stocks and positions. A
// war is many turns, each a screen of its own, and keeps more numbers than a
// screen can carry, so they live here for the length of one war; the
// barracks set them afresh at every entry.
struct SwampWar {
    int allies = 0;
    int enemies = 0;
    int arrows = 0;
    int guns = 0;
    int ballistas = 0;
    int catapults = 0;
    int rocks = 0;  // trebuchet rocks still in the pile, not the one loaded
    int emps = 0;
    bool defending = false;
    bool defendJustOrdered = false;
    bool counterattacking = false;
    bool trebuchetLoaded = false;
};

// What the regions remember between visits for the rest of a run. None of
// it is saved: a new run starts with everything false or zero.
struct WorldState {
    bool hasitem = false;           // Elven Forest: the hero carried Balsa Wood in
    bool enteredhouse = false;      // Elven Forest: the house in the middle was entered
    int lightwarriorskilled = 0;    // Gates Of Heaven: Light Warriors killed
    bool haswashed = false;         // Swamplands: washed in the running water
    SwampWar swampwar;              // Swamplands: the war being fought, for its length
};

}  // namespace vaskarn

#pragma once

namespace vaskarn {

// What the regions remember between visits for the rest of a run. None of
// it is saved: a new run starts with everything false or zero.
struct WorldState {
    bool hasitem = false;           // Elven Forest: the hero carried Balsa Wood in
    bool enteredhouse = false;      // Elven Forest: the house in the middle was entered
    int lightwarriorskilled = 0;    // Gates Of Heaven: Light Warriors killed
    bool haswashed = false;         // Swamplands: washed in the running water
};

}  // namespace vaskarn

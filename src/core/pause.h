#pragma once

namespace vaskarn {

// The Enter pause after every message the player must read.
void wait();
// The pause that also waits for a fresh line.
void waits();
// Re-seeds the generator from the calendar clock in whole seconds.
void random();
// Waits for one key press, without Enter, and takes it.
char getch();
// Whether a key press is waiting, without taking it.
bool kbhit();

}  // namespace vaskarn

#include "core/screen.h"

#include <vector>

namespace vaskarn {

void RunScreens(Player* hero, Screen start) {
    std::vector<Screen> openers;
    Screen current = start;
    while (current != nullptr) {
        const Transition next = current(hero);
        switch (next.kind) {
        case Transition::Kind::Stay:
            break;
        case Transition::Kind::GoTo:
            current = next.target;
            break;
        case Transition::Kind::Open:
            openers.push_back(current);
            current = next.target;
            break;
        case Transition::Kind::Back:
            if (openers.empty()) return;
            current = openers.back();
            openers.pop_back();
            break;
        }
    }
}

}  // namespace vaskarn

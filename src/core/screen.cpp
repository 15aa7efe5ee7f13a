#include "core/screen.h"

#include <algorithm>
#include <vector>

namespace vaskarn {

Transition Screen::Show(Player* hero) const {
    switch (Arity()) {
    case 0:
        return plain_(hero);
    case 1:
        return one_(hero, args_[0]);
    case 2:
        return two_(hero, args_[0], args_[1]);
    case 3:
        return three_(hero, args_[0], args_[1], args_[2]);
    default:
        return Back();  // no place at all: nothing to show
    }
}

bool operator==(const Screen& a, const Screen& b) {
    if (a.Arity() != b.Arity() || a.args_ != b.args_) return false;
    switch (a.Arity()) {
    case 0:
        return a.plain_ == b.plain_;
    case 1:
        return a.one_ == b.one_;
    case 2:
        return a.two_ == b.two_;
    case 3:
        return a.three_ == b.three_;
    default:
        return true;
    }
}

void ScreenLoop::Run(Screen start) {
    std::vector<Screen> waiting;
    Screen current = start;
    while (current.IsSet()) {
        const Transition next = current.Show(hero_);
        switch (next.kind) {
        case Transition::Kind::Stay:
            break;
        case Transition::Kind::GoTo:
            current = next.target;
            break;
        case Transition::Kind::Open:
            waiting.push_back(current);
            deepest_ = std::max(deepest_, waiting.size());
            current = next.target;
            break;
        case Transition::Kind::Back:
            if (waiting.empty()) return;
            current = waiting.back();
            waiting.pop_back();
            break;
        case Transition::Kind::ReturnTo:
            waiting.clear();
            current = next.target;
            break;
        }
    }
}

}  // namespace vaskarn

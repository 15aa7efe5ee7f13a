#include "core/numbered_list.h"

#include "core/services.h"

namespace vaskarn {

ListChoice ChooseFromList(int size, int fallback) {
    io() << "0. Cancel\n";
    io().Prompt();
    const int n = io().ReadNumber(fallback);
    if (n == 0) return {ListChoice::Kind::Cancel, n};
    if (n >= 1 && n <= size) return {ListChoice::Kind::Entry, n};
    return {ListChoice::Kind::Outside, n};
}

}  // namespace vaskarn

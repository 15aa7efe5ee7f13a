#include "model/name.h"

#include <algorithm>

namespace vaskarn {

void Name::Assign(std::string_view text) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) text = text.substr(0, nul);
    const std::size_t length = std::min(text.size(), kCapacity);
    bytes_.fill('\0');
    std::copy_n(text.begin(), length, bytes_.begin());
}

bool Name::AssignIfFits(std::string_view text) {
    if (text.empty() || text.size() > kCapacity || text.find('\0') != std::string_view::npos)
        return false;
    Assign(text);
    return true;
}

}  // namespace vaskarn

// libFuzzer target for the two save-file loaders (Player::Load and
// Player::LoadBank). Built only with -DVASKARN_FUZZ=ON under clang; an input
// it finds goes into tests/persistence/corpus/, which the test suite loads.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "support/loader_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string fault =
        vaskarn::testing::CheckLoaders(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!fault.empty()) {
        std::fprintf(stderr, "%s\n", fault.c_str());
        std::abort();
    }
    return 0;
}

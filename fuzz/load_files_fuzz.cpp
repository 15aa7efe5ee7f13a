// libFuzzer target for the two save-file loaders (Player::Load and
// Player::LoadBank): each input is both files at once. Besides crashes and
// undefined behaviour it stops on a hero that does not save and reload to
// the same bytes. Built only on request, with clang:
//   CC=clang CXX=clang++ cmake -S . -B build-fuzz -DVASKARN_FUZZ=ON -DBUILD_TESTING=OFF
//   cmake --build build-fuzz --target vaskarn_fuzz_loaders
//   build-fuzz/vaskarn_fuzz_loaders -max_len=25000 NEW_CORPUS tests/persistence/corpus
// The inputs worth keeping (a crash, or new coverage after
//   -merge=1 -use_counters=0 tests/persistence/corpus NEW_CORPUS)
// go into tests/persistence/corpus/, which the test suite loads every run.
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

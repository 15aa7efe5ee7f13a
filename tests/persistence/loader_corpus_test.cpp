#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/loader_check.h"

namespace vaskarn {
namespace {

// Every input the loaders' fuzzer kept: each loads without harm, and the
// hero it gives saves and reloads to the same bytes.
TEST(LoaderCorpusTest, EveryKeptInputLoadsAndSavesTheSameAgain) {
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(VASKARN_LOADER_CORPUS)) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        EXPECT_EQ(testing::CheckLoaders(bytes), "") << entry.path().filename();
        ++count;
    }
    EXPECT_GT(count, 0u);
}

}  // namespace
}  // namespace vaskarn

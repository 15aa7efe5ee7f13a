#include "core/dir_lock.h"

#include <gtest/gtest.h>

#include <optional>

#include "support/test_world.h"

namespace vaskarn {
namespace {

TEST(DirLockTest, OneHolderAtATimeAndTheLockGoesWithItsHolder) {
    testing::TestWorld world;
    std::string reason;
    std::optional<DirLock> first;
    first.emplace();
    ASSERT_EQ(first->Take(world.Dir(), reason), DirLock::Outcome::Locked) << reason;
    DirLock second;
    EXPECT_EQ(second.Take(world.Dir(), reason), DirLock::Outcome::InUse);
    first.reset();
    EXPECT_EQ(second.Take(world.Dir(), reason), DirLock::Outcome::Locked) << reason;
}

TEST(DirLockTest, ALockFileThatIsNotAPlainFileMakesTheDirectoryUnusable) {
    testing::TestWorld world;
    std::string reason;
    DirLock lock;
    // A planted link is not followed, so its target is never made.
    std::filesystem::create_symlink(world.Dir() / "elsewhere", world.Dir() / DirLock::kLockFile);
    EXPECT_EQ(lock.Take(world.Dir(), reason), DirLock::Outcome::Failed);
    EXPECT_FALSE(std::filesystem::exists(world.Dir() / "elsewhere"));
    std::filesystem::remove(world.Dir() / DirLock::kLockFile);
    std::filesystem::create_directory(world.Dir() / DirLock::kLockFile);
    EXPECT_EQ(lock.Take(world.Dir(), reason), DirLock::Outcome::Failed);
    EXPECT_EQ(reason, "Vaskarn.lock: Is a directory");
    EXPECT_EQ(lock.Take(world.Dir() / "missing", reason), DirLock::Outcome::Failed);
    EXPECT_EQ(reason, "Vaskarn.lock: No such file or directory");
}

}  // namespace
}  // namespace vaskarn

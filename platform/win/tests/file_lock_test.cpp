#include "platform/win/file_lock.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/testsupport/temp_folder.h"

namespace win {
namespace {

// Asked alone beside others' shares, the lock says so; finding them takes a
// share for a moment only, so once they let go the lock can be held alone.
// (Each lock opens the file anew: locks of one process exclude each other as
// those of two processes do.)
TEST(FileLockTest, ExclusiveLockRefusedBySharesKeepsNoShare) {
  testsupport::TempFolder folder;
  std::optional<FileLock> share(std::in_place, folder / "base.lck", FileLock::Mode::Shared);
  FileLock refused(folder / "base.lck", FileLock::Mode::Exclusive);
  ASSERT_EQ(refused.LockState(), FileLock::State::SharedByOthers);
  share.reset();
  EXPECT_EQ(FileLock(folder / "base.lck", FileLock::Mode::Exclusive).LockState(), FileLock::State::Held);
}

}  // namespace
}  // namespace win

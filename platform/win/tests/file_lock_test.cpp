#include "platform/win/file_lock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/testsupport/temp_folder.h"

namespace win {
namespace {

using Mode = FileLock::Mode;
using State = FileLock::State;

// flock conflicts between two openings of the file even within one process, so
// a second lock taken here stands for another program's.
TEST(FileLockTest, SharedLocksStandTogetherAndAnExclusiveOneStandsAlone) {
  struct Case {
    Mode held;
    Mode asked;
    State answer;
  };
  const Case cases[] = {
      {Mode::Shared, Mode::Shared, State::Held},
      {Mode::Shared, Mode::Exclusive, State::TakenByOther},
      {Mode::Exclusive, Mode::Shared, State::TakenByOther},
      {Mode::Exclusive, Mode::Exclusive, State::TakenByOther},
  };
  testsupport::TempFolder folder;
  std::string path = folder / "TESCA.MDB.lck";
  for (const Case& c : cases) {
    FileLock held(path, c.held);
    ASSERT_EQ(held.LockState(), State::Held);
    EXPECT_EQ(FileLock(path, c.asked).LockState(), c.answer)
        << static_cast<int>(c.held) << " " << static_cast<int>(c.asked);
  }
  EXPECT_EQ(FileLock(path, Mode::Exclusive).LockState(), State::Held);
  EXPECT_EQ(FileLock(folder / "missing/TESCA.MDB.lck", Mode::Shared).LockState(), State::Unavailable);
}

TEST(FileLockTest, EveryNameOfTheFileReachesTheSameLockFile) {
  testsupport::TempFolder folder;
  std::filesystem::create_directories(folder / "zep");
  std::ofstream(folder / "zep/TESCA.MDB") << "";
  std::filesystem::create_directory_symlink(folder / "zep", folder / "enlace");
  std::string expected = std::filesystem::canonical(folder / "zep/TESCA.MDB").string() + ".lck";
  for (const std::string& name : {folder / "zep/TESCA.MDB", folder / "zep/../zep/./TESCA.MDB",
                                  folder / "enlace/TESCA.MDB"})
    EXPECT_EQ(FileLock::PathFor(name), expected) << name;
}

}  // namespace
}  // namespace win

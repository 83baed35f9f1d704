#include "platform/win/file_lock.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "platform/testsupport/child_process.h"
#include "platform/testsupport/file_bytes.h"
#include "platform/testsupport/temp_folder.h"
#include "platform/win/shared_file.h"

namespace win {
namespace {

namespace fs = std::filesystem;
using testsupport::RunInChild;

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

// Whatever stands in the lock file's place, the lock is answered at once (in a
// child with a deadline, so that a lock waiting in open() fails): a link (not
// followed) or something other than a plain file is told as such and left as
// it is, a lock the system refuses is told apart from a file that cannot be
// opened, and a lock file that must be this account's own is refused when it
// is another's.
TEST(FileLockTest, WhatStandsInTheLockFilesPlaceIsToldAtOnce) {
  testsupport::TempFolder folder;
  std::string path = folder / "base.lck";
  struct Case {
    const char* what;
    std::function<void()> place;
    int (*lockCall)(int, int);
    FileLock::State state;
  };
  const Case cases[] = {
      {"symbolic link", [&] { fs::create_symlink(folder / "otro.lck", path); }, flock,
       FileLock::State::SymbolicLink},
      {"FIFO", [&] { mkfifo(path.c_str(), 0666); }, flock, FileLock::State::NotAFile},
      {"folder", [&] { fs::create_directory(path); }, flock, FileLock::State::NotAFile},
      // A network share grants an exclusive lock only on a file open for writing.
      {"network share", [&] { testsupport::WriteBytes(path, ""); },
       [](int fd, int op) {
         return (op & LOCK_EX) && (fcntl(fd, F_GETFL) & O_ACCMODE) == O_RDONLY ? (errno = EBADF, -1) : flock(fd, op);
       },
       FileLock::State::Held},
      {"no locks left", [] {}, [](int, int) { return errno = ENOLCK, -1; }, FileLock::State::Refused},
      {"another account's file", [&] {
         testsupport::WriteBytes(path, "");
         EXPECT_EQ(lchown(path.c_str(), 4242, 4242) == 0, testsupport::CanTakeAccounts());
       },
       flock, testsupport::CanTakeAccounts() ? FileLock::State::OtherOwner : FileLock::State::Held},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(path);
    c.place();
    int state = RunInChild(
        [&] {
          detail::gFlock = c.lockCall;
          return static_cast<int>(
              FileLock(path, FileLock::Mode::Exclusive, 0666, nullptr, FileLock::Owner::ThisAccount).LockState());
        },
        nullptr, std::chrono::seconds(10));
    EXPECT_EQ(state, static_cast<int>(c.state));
  }
  EXPECT_FALSE(fs::exists(folder / "otro.lck"));
}

// Made by root beside a database of a group, the lock file gets the
// database's owner, group and permissions, and another account of the group
// takes it. An account outside the database's group that makes it is told
// that the group's accounts cannot open it.
TEST(FileLockTest, LockFileMadeBesideADatabaseOpensForTheDatabasesAccounts) {
  if (!testsupport::CanTakeAccounts()) GTEST_SKIP() << "only root runs a child as another account";
  testsupport::TempFolder folder;
  fs::permissions(folder.Path(), fs::perms::all);
  std::string base = folder / "TESCA.MDB";
  testsupport::WriteBytes(base, "");
  ASSERT_EQ(chown(base.c_str(), 4242, 4343) | chmod(base.c_str(), 0660), 0);
  std::unique_ptr<FileLock> made = FileLock::Beside(base, FileLock::Mode::Shared);
  struct stat info {};
  ASSERT_EQ(stat((base + ".lck").c_str(), &info), 0);
  EXPECT_EQ(std::vector<unsigned>({info.st_uid, info.st_gid, info.st_mode & 0777u}),
            std::vector<unsigned>({4242, 4343, 0660}));
  testsupport::Account member{4444, 4444, {4343}};
  auto takes = [&] { return FileLock::Beside(base, FileLock::Mode::Shared)->LockState() == FileLock::State::Held; };
  EXPECT_EQ(RunInChild(takes, &member), 1);

  made.reset();
  fs::remove(base + ".lck");
  ASSERT_EQ(chown(base.c_str(), 4444, 4343), 0);
  testsupport::Account outsider{4444, 4444, {}};
  std::string notice =
      "Otras cuentas no podrán abrir estos archivos: no se les pudo dar el grupo con el que esas cuentas los "
      "abren, al que esta cuenta no pertenece.\n" + base + ".lck (grupo 4343)\nPida al administrador que "
      "agregue esta cuenta a ese grupo o que devuelva el grupo a estos archivos.";
  EXPECT_EQ(RunInChild([&] { return takes() && UnsharedFilesNotice() == notice; }, &outsider), 1);
}

}  // namespace
}  // namespace win

#include "platform/win/instance_lock.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>

#include "platform/testsupport/child_process.h"
#include "platform/testsupport/scoped_env.h"
#include "platform/testsupport/temp_folder.h"

namespace win {
namespace {

using testsupport::ScopedEnv;
using testsupport::TempFolder;

// Runs `probe` in a child process and gives back its answer.
bool InChildProcess(const std::function<bool()>& probe) {
  return testsupport::RunInChild([&] { return probe() ? 1 : 0; }) == 1;
}

bool OtherProcessSeesItTaken(const std::string& program) {
  return InChildProcess([&] { return InstanceLock(program).PrevInstance(); });
}

class InstanceLockTest : public ::testing::Test {
 protected:
  TempFolder folder_;
  ScopedEnv runtime_{"XDG_RUNTIME_DIR", folder_.Path()};
};

TEST_F(InstanceLockTest, FirstCopyHoldsTheProgramsLockFile) {
  InstanceLock lock("Korva");
  EXPECT_EQ(lock.LockState(), InstanceLock::State::Held);
  EXPECT_FALSE(lock.PrevInstance());
  EXPECT_EQ(InstanceLock::LockPath("Korva"), folder_ / "korva.lock");
}

TEST_F(InstanceLockTest, SecondProcessSeesTheLockTaken) {
  InstanceLock lock("Korva");
  EXPECT_TRUE(OtherProcessSeesItTaken("Korva"));
  EXPECT_FALSE(OtherProcessSeesItTaken("Tarvel"));
}

TEST_F(InstanceLockTest, LockIsFreeAgainOnceItsHolderIsGone) {
  {
    InstanceLock lock("Korva");
    ASSERT_TRUE(OtherProcessSeesItTaken("Korva"));
  }
  EXPECT_FALSE(OtherProcessSeesItTaken("Korva"));
  bool childHeldIt = InChildProcess([] {
    static InstanceLock lock("Korva");
    return lock.LockState() == InstanceLock::State::Held;
  });
  EXPECT_TRUE(childHeldIt);
  EXPECT_EQ(InstanceLock("Korva").LockState(), InstanceLock::State::Held);
}

TEST_F(InstanceLockTest, ProcessWideLockLastsAfterTheFirstQuestion) {
  EXPECT_FALSE(AnotherInstanceRunning("Nuvia"));
  EXPECT_FALSE(AnotherInstanceRunning("Nuvia"));
  EXPECT_TRUE(OtherProcessSeesItTaken("Nuvia"));
}

TEST_F(InstanceLockTest, ProcessWideQuestionSeesAnotherCopyRunning) {
  InstanceLock lock("Tarvel");
  EXPECT_TRUE(InChildProcess([] { return AnotherInstanceRunning("Tarvel"); }));
}

TEST_F(InstanceLockTest, WithoutARuntimeFolderTheLockLivesInTheTemporaryFolder) {
  ScopedEnv runtime("XDG_RUNTIME_DIR", std::nullopt);
  ScopedEnv tmpdir("TMPDIR", folder_.Path());
  std::string expected = folder_ / ("korva-" + std::to_string(getuid()) + ".lock");
  EXPECT_EQ(InstanceLock::LockPath("Korva"), expected);
  InstanceLock lock("Korva");
  EXPECT_EQ(lock.LockState(), InstanceLock::State::Held);
  EXPECT_TRUE(OtherProcessSeesItTaken("Korva"));
}

TEST_F(InstanceLockTest, LockFileThatCannotBeOpenedLetsTheProgramRun) {
  ScopedEnv runtime("XDG_RUNTIME_DIR", folder_ / "missing");
  InstanceLock lock("Korva");
  EXPECT_EQ(lock.LockState(), InstanceLock::State::Unavailable);
  EXPECT_FALSE(lock.PrevInstance());
}

}  // namespace
}  // namespace win

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "platform/testsupport/child_process.h"
#include "platform/testsupport/error_of.h"
#include "platform/testsupport/scoped_env.h"
#include "platform/testsupport/temp_folder.h"
#include "platform/vb/error.h"

namespace testsupport {
namespace {

namespace fs = std::filesystem;

TEST(TempFolderTest, FolderIsRemovedWithFoldersLeftWithoutPermissions) {
  std::string path;
  {
    TempFolder folder;
    path = folder.Path();
    EXPECT_EQ(fs::path(path).parent_path(), fs::temp_directory_path());
    fs::create_directories(folder / "closed/inner");
    folder.Write("closed/inner/file.txt", "bytes\r\n");
    EXPECT_EQ(folder.Read("closed/inner/file.txt"), "bytes\r\n");
    chmod((folder / "closed/inner").c_str(), 0);
    chmod((folder / "closed").c_str(), 0);
  }
  EXPECT_FALSE(fs::exists(path));
}

TEST(ScopedEnvTest, VariableGetsBackWhatItHadAtTheEndOfTheScope) {
  struct Case {
    std::optional<std::string> before;
    std::optional<std::string> during;
  } cases[] = {{std::nullopt, "set"}, {"old", "new"}, {"old", std::nullopt}, {"", "x"}};
  for (const Case& c : cases) {
    ScopedEnv outer("TESTSUPPORT_VARIABLE", c.before);
    {
      ScopedEnv inner("TESTSUPPORT_VARIABLE", c.during);
      const char* now = getenv("TESTSUPPORT_VARIABLE");
      EXPECT_EQ(now ? std::optional<std::string>(now) : std::nullopt, c.during);
    }
    const char* after = getenv("TESTSUPPORT_VARIABLE");
    EXPECT_EQ(after ? std::optional<std::string>(after) : std::nullopt, c.before);
  }
}

TEST(ChildProcessTest, LinesOfTheOutputComeOneByOneThenTheExitStatus) {
  ChildProcess child({"sh", "-c", "echo first; printf 'second\\nlast'; exit 3"});
  ASSERT_TRUE(child.Started());
  EXPECT_EQ(child.ReadLine(), "first");
  EXPECT_EQ(child.ReadLine(), "second");
  EXPECT_EQ(child.ReadLine(), "last");
  EXPECT_EQ(child.ReadLine(), "");
  EXPECT_EQ(child.Wait(), 3);
  EXPECT_EQ(child.Wait(), 3);
}

TEST(ChildProcessTest, GivenVariablesAreAddedToOrReplaceTheInheritedOnes) {
  ScopedEnv inherited("TESTSUPPORT_INHERITED", "kept");
  ScopedEnv replaced("TESTSUPPORT_REPLACED", "old");
  ChildProcess child(
      {"sh", "-c", "echo \"$TESTSUPPORT_INHERITED|$TESTSUPPORT_REPLACED|$TESTSUPPORT_ADDED\""},
      {"TESTSUPPORT_REPLACED=new", "TESTSUPPORT_ADDED=a=b"});
  EXPECT_EQ(child.ReadLine(), "kept|new|a=b");
  EXPECT_EQ(child.Wait(), 0);
}

TEST(ChildProcessTest, ProgramThatIsNotFoundEndsWith127) {
  ChildProcess child({"testsupport-no-such-program"});
  EXPECT_EQ(child.ReadLine(), "");
  EXPECT_EQ(child.Wait(), 127);
}

TEST(ChildProcessTest, SilentProgramGivesAnEmptyLineAndNoStatusUntilItEnds) {
  ChildProcess child({"sleep", "60"});
  EXPECT_EQ(child.ReadLine(std::chrono::milliseconds(50)), "");
  EXPECT_EQ(child.Wait(std::chrono::milliseconds(50)), -1);
  child.Kill();
  EXPECT_EQ(child.Wait(std::chrono::milliseconds(0)), -1);
}

TEST(ErrorOfTest, GivesTheRaisedNumberOrZero) {
  struct Case {
    std::function<void()> action;
    int number;
  } cases[] = {{[] { vb::Raise(53); }, 53}, {[] { throw vb::Error(3021); }, 3021}, {[] {}, 0}};
  for (const Case& c : cases) EXPECT_EQ(ErrorOf(c.action), c.number);
}

}  // namespace
}  // namespace testsupport

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "platform/testsupport/child_process.h"
#include "platform/testsupport/error_of.h"
#include "platform/testsupport/file_bytes.h"
#include "platform/testsupport/scoped_env.h"
#include "platform/testsupport/shared_template.h"
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

class SharedTemplateTest : public ::testing::Test {
 protected:
  // Makes the template by appending a line to a log, so that the log tells how
  // many times it was made.
  std::string Template(const std::string& name) {
    return SharedTemplate(name, [&](const std::string& path) {
      WriteBytes(path, name);
      std::string log = ReadBytes(build_ / "made.log");
      WriteBytes(build_ / "made.log", log + name + "\n");
    });
  }
  std::string ProgramName() const { return fs::read_symlink("/proc/self/exe").filename(); }

  TempFolder build_;
  ScopedEnv variable_{"FORM0942_BUILD_DIR", build_.Path()};
};

TEST_F(SharedTemplateTest, EachTemplateIsMadeOnceInTheProgramsFolderOfTheBuild) {
  std::string first = Template("first.db");
  EXPECT_EQ(Template("first.db"), first);
  std::string second = Template("second.db");
  EXPECT_EQ(ReadBytes(build_ / "made.log"), "first.db\nsecond.db\n");
  EXPECT_EQ(ReadBytes(first), "first.db");
  EXPECT_EQ(fs::path(first).parent_path(), fs::path(second).parent_path());
  EXPECT_EQ(fs::path(first).parent_path().parent_path(), build_ / "test-templates");
  EXPECT_TRUE(fs::path(first).parent_path().filename().string().starts_with(ProgramName() + "-"));
}

TEST_F(SharedTemplateTest, ProcessesAskingAtOnceGetTheTemplateMadeOnce) {
  std::vector<pid_t> children;
  for (int i = 0; i < 4; ++i) {
    pid_t child = fork();
    if (child == 0) _exit(ReadBytes(Template("shared.db")) == "shared.db" ? 0 : 1);
    children.push_back(child);
  }
  for (pid_t child : children) {
    int status = -1;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  EXPECT_EQ(ReadBytes(build_ / "made.log"), "shared.db\n");
}

TEST_F(SharedTemplateTest, TemplatesOfAnEarlierBuildOfTheProgramAreRemoved) {
  fs::path earlier = build_ / ("test-templates/" + ProgramName() + "-1.0-10");
  fs::path otherProgram = build_ / "test-templates/other_tests-1.0-10";
  for (const fs::path& folder : {earlier, otherProgram}) fs::create_directories(folder);
  Template("current.db");
  EXPECT_FALSE(fs::exists(earlier));
  EXPECT_TRUE(fs::exists(otherProgram));
}

TEST(SharedTemplateWithoutBuildFolderTest, TemplateIsMadeInATemporaryFolder) {
  ScopedEnv variable("FORM0942_BUILD_DIR", std::nullopt);
  int made = 0;
  auto make = [&](const std::string& path) {
    ++made;
    WriteBytes(path, "x");
  };
  std::string path = SharedTemplate("own.db", make);
  EXPECT_EQ(SharedTemplate("own.db", make), path);
  EXPECT_EQ(made, 1);
  EXPECT_EQ(fs::path(path).parent_path().parent_path(), fs::temp_directory_path());
}

}  // namespace
}  // namespace testsupport

#include "platform/win/windows_folder.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/testsupport/scoped_env.h"
#include "platform/testsupport/temp_folder.h"

namespace win {
namespace {

using testsupport::ScopedEnv;
using testsupport::TempFolder;

TEST(WindowsFolderTest, ComesFromWindirElseTheUsersConfigFolder) {
  TempFolder folder;
  std::string home = folder / "home";
  struct Case {
    std::optional<std::string> windir;
    std::optional<std::string> configHome;
    std::string expected;
  };
  const Case cases[] = {
      {folder / "windows", folder / "config", folder / "windows"},
      {folder / "windows/", std::nullopt, folder / "windows"},
      {"", folder / "config", folder / "config/zep"},
      {std::nullopt, folder / "config", folder / "config/zep"},
      {std::nullopt, folder / "config/", folder / "config/zep"},
      {std::nullopt, std::nullopt, home + "/.config/zep"},
      {std::nullopt, "", home + "/.config/zep"},
      {std::nullopt, "relative/config", home + "/.config/zep"},
  };
  ScopedEnv homeEnv("HOME", home);
  for (const Case& c : cases) {
    ScopedEnv windir("WINDIR", c.windir);
    ScopedEnv configHome("XDG_CONFIG_HOME", c.configHome);
    EXPECT_EQ(WindowsFolder(), c.expected)
        << c.windir.value_or("(unset)") << " " << c.configHome.value_or("(unset)");
  }
}

TEST(WindowsFolderTest, GetWindowsDirectoryFillsTheBufferOnlyWhenTheFolderFits) {
  ScopedEnv windir("WINDIR", "/srv/zep/windows");
  const long length = 16;
  std::string buffer = "untouched";
  EXPECT_EQ(GetWindowsDirectory(buffer, length), length + 1);
  EXPECT_EQ(buffer, "untouched");
  EXPECT_EQ(GetWindowsDirectory(buffer, length + 1), length);
  EXPECT_EQ(buffer, "/srv/zep/windows");
}

}  // namespace
}  // namespace win

#include "platform/zip/entry_name.h"

#include <gtest/gtest.h>

namespace zip {
namespace {

TEST(EntryNameTest, SafeBaseNameKeepsOnlyTheLastComponentOfHarmlessNames) {
  struct Case {
    const char* entry;
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {"deudas.txt", "deudas.txt"},
      {"sub/deudas.txt", "deudas.txt"},
      {"sub\\otra\\deudas.txt", "deudas.txt"},
      {"./deudas.txt", "deudas.txt"},
      {"..deudas.txt", "..deudas.txt"},
      {"deudas..txt", "deudas..txt"},
      {"", std::nullopt},
      {"../deudas.txt", std::nullopt},
      {"..\\deudas.txt", std::nullopt},
      {"sub/../../deudas.txt", std::nullopt},
      {"sub/..", std::nullopt},
      {"..", std::nullopt},
      {".", std::nullopt},
      {"/etc/passwd", std::nullopt},
      {"\\windows\\win.ini", std::nullopt},
      {"C:deudas.txt", std::nullopt},
      {"c:\\deudas.txt", std::nullopt},
      {"sub/", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SafeBaseName(c.entry), c.expected) << c.entry;
  }
}

TEST(EntryNameTest, FolderNamesEndWithEitherSeparator) {
  EXPECT_TRUE(IsFolderName("sub/"));
  EXPECT_TRUE(IsFolderName("sub\\"));
  EXPECT_FALSE(IsFolderName("sub"));
  EXPECT_FALSE(IsFolderName(""));
}

}  // namespace
}  // namespace zip

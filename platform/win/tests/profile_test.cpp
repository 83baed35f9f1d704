#include "platform/win/profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/testsupport/child_process.h"
#include "platform/testsupport/file_bytes.h"
#include "platform/testsupport/file_size_limit.h"
#include "platform/testsupport/scoped_env.h"
#include "platform/testsupport/temp_folder.h"

namespace win {
namespace {

using testsupport::ReadBytes;
using testsupport::ScopedEnv;
using testsupport::TempFolder;
using testsupport::WriteBytes;

class ProfileTest : public ::testing::Test {
 protected:
  TempFolder folder_;
  ScopedEnv windir_{"WINDIR", folder_.Path()};
  ScopedEnv home_{"HOME", folder_ / "home"};

  std::string Read(const std::string& section, const std::string& key,
                   const std::string& fileName = "TESCA.INI") {
    return GetPrivateProfileString(section, key, "<default>", fileName);
  }
};

TEST_F(ProfileTest, SectionAndKeyNamesAreCaseInsensitive) {
  WriteBytes(folder_ / "TESCA.INI", "[Options]\r\nSysPath=C:\\ZEP\\\r\n");
  struct Case {
    const char* section;
    const char* key;
  };
  for (Case c : {Case{"Options", "SysPath"}, Case{"OPTIONS", "syspath"}, Case{"options", "SYSPATH"},
                 Case{" Options ", " SysPath "}}) {
    EXPECT_EQ(Read(c.section, c.key), "C:\\ZEP\\") << c.section << "/" << c.key;
  }
}

TEST_F(ProfileTest, ValuesLoseSurroundingBlanksAndOnePairOfMatchingQuotes) {
  struct Case {
    const char* line;
    const char* expected;
  };
  const Case cases[] = {
      {"Key=value", "value"},
      {"Key =   value with inner  blanks \t ", "value with inner  blanks"},
      {"  Key=value", "value"},
      {"Key=\"quoted\"", "quoted"},
      {"Key='single'", "single"},
      {"Key=  \" padded \"  ", " padded "},
      {"Key=\"mismatched'", "\"mismatched'"},
      {"Key=\"", "\""},
      {"Key=\"\"", ""},
      {"Key=\"a\"b\"", "a\"b"},
      {"Key=", ""},
      {"Key=a=b", "a=b"},
      {"Key=; not a comment", "; not a comment"},
  };
  for (const Case& c : cases) {
    WriteBytes(folder_ / "TESCA.INI", std::string("[Options]\r\n") + c.line + "\r\n");
    EXPECT_EQ(Read("Options", "Key"), c.expected) << c.line;
  }
}

TEST_F(ProfileTest, DefaultComesBackWithoutTrailingBlanksWhenTheValueIsMissing) {
  EXPECT_EQ(GetPrivateProfileString("Options", "SysPath", "none  ", "TESCA.INI"), "none");
  WriteBytes(folder_ / "TESCA.INI",
             "[Other]\r\nSysPath=elsewhere\r\n[Options]\r\n;SysPath=commented\r\nSysPath\r\n");
  EXPECT_EQ(Read("Options", "SysPath"), "<default>");
  EXPECT_EQ(Read("Missing", "SysPath"), "<default>");
  EXPECT_EQ(Read("Other", "DBName"), "<default>");
}

TEST_F(ProfileTest, FirstSectionAndFirstKeyOfTheNameWin) {
  WriteBytes(folder_ / "TESCA.INI",
             "[Options]\r\nDBName=first\r\ndbname=second\r\n[OPTIONS]\r\nDBName=third\r\n");
  EXPECT_EQ(Read("Options", "DBName"), "first");
}

TEST_F(ProfileTest, BufferTakesSizeLessOneCharactersAndTheCountComesBack) {
  WriteBytes(folder_ / "TESCA.INI", "[Options]\r\nDBPath=C:\\ZEP\\DATA\\\r\nSysUser=A\xF1o\r\n");
  struct Case {
    const char* key;
    long size;
    const char* buffer;
    long count;
  };
  const Case cases[] = {
      {"DBPath", 255, "C:\\ZEP\\DATA\\", 12}, {"DBPath", 13, "C:\\ZEP\\DATA\\", 12},
      {"DBPath", 12, "C:\\ZEP\\DATA", 11},    {"DBPath", 5, "C:\\Z", 4},
      {"DBPath", 1, "", 0},                   {"DBPath", 0, "", 0},
      {"SysUser", 255, "Año", 3},             {"SysUser", 3, "Añ", 2},
      {"Missing", 4, "<de", 3},
  };
  for (const Case& c : cases) {
    std::string buffer = "previous";
    long count = GetPrivateProfileString("Options", c.key, "<default>", buffer, c.size, "TESCA.INI");
    EXPECT_EQ(buffer, c.buffer) << c.key << " " << c.size;
    EXPECT_EQ(count, c.count) << c.key << " " << c.size;
  }
}

TEST_F(ProfileTest, BareNameIsTakenFromTheWindowsFolderWhateverItsCase) {
  WriteBytes(folder_ / "TESCA.INI", "[Options]\r\nDBName=TESCA.MDB\r\n");
  EXPECT_EQ(Read("Options", "DBName", "tesca.ini"), "TESCA.MDB");
  EXPECT_EQ(ProfilePath("tesca.ini"), folder_ / "TESCA.INI");
}

TEST_F(ProfileTest, PathWithBackslashesAndAnotherCaseIsFound) {
  std::filesystem::create_directories(folder_ / "Zep/Data");
  WriteBytes(folder_ / "Zep/Data/Ajustes.ini", "[Options]\r\nDBName=TESCA.MDB\r\n");
  std::string windowsStyle = folder_.Path() + "\\ZEP\\data\\AJUSTES.INI";
  EXPECT_EQ(Read("Options", "DBName", windowsStyle), "TESCA.MDB");
}

TEST_F(ProfileTest, ReadsWindows1252AndAcceptsBareLineFeedsAndCarriageReturns) {
  WriteBytes(folder_ / "TESCA.INI", "[Opci\xF3n]\nUsuario=Mu\xF1oz\rClave=\x80 1\r\n");
  EXPECT_EQ(Read("OPCIÓN", "Usuario"), "Muñoz");
  EXPECT_EQ(Read("Opción", "Clave"), "€ 1");
}

TEST_F(ProfileTest, WriteKeepsEveryOtherLineOfTheFile) {
  const std::string before =
      "; suite settings\r\n"
      "orphan=before any section\r\n"
      "\r\n"
      "[Options]\r\n"
      "; where the suite lives\r\n"
      "SysPath = C:\\ZEP\\\r\n"
      "  DBPath=C:\\ZEP\\DATA\\\r\n"
      "a line without equals\r\n"
      "\r\n"
      "[Other]\r\n"
      "SystemDB=unchanged\r\n"
      "\r\n";
  WriteBytes(folder_ / "TESCA.INI", before);
  ASSERT_TRUE(WritePrivateProfileString("options", "dbpath", "D:\\DATOS\\", "TESCA.INI"));
  EXPECT_EQ(ReadBytes(folder_ / "TESCA.INI"),
            "; suite settings\r\n"
            "orphan=before any section\r\n"
            "\r\n"
            "[Options]\r\n"
            "; where the suite lives\r\n"
            "SysPath = C:\\ZEP\\\r\n"
            "DBPath=D:\\DATOS\\\r\n"
            "a line without equals\r\n"
            "\r\n"
            "[Other]\r\n"
            "SystemDB=unchanged\r\n"
            "\r\n");
}

TEST_F(ProfileTest, WriteAddsAMissingKeyAfterTheSectionsLastKey) {
  WriteBytes(folder_ / "TESCA.INI",
             "[Options]\r\nSysPath=C:\\ZEP\\\r\n; note\r\n\r\n[Other]\r\nA=1\r\n");
  ASSERT_TRUE(WritePrivateProfileString("Options", "SystemDB", "C:\\ZEP\\\\TESCA.MDW", "TESCA.INI"));
  EXPECT_EQ(ReadBytes(folder_ / "TESCA.INI"),
            "[Options]\r\nSysPath=C:\\ZEP\\\r\nSystemDB=C:\\ZEP\\\\TESCA.MDW\r\n; note\r\n\r\n"
            "[Other]\r\nA=1\r\n");
}

TEST_F(ProfileTest, WriteAddsAMissingSectionAtTheEndAfterABlankLine) {
  WriteBytes(folder_ / "win.ini", "[windows]\nload=\n");
  ASSERT_TRUE(WriteProfileString("intl", "sDecimal", "."));
  EXPECT_EQ(ReadBytes(folder_ / "win.ini"), "[windows]\r\nload=\r\n\r\n[intl]\r\nsDecimal=.\r\n");
}

TEST_F(ProfileTest, WriteCreatesTheFileAndTheWindowsFolder) {
  ScopedEnv windir("WINDIR", folder_ / "new/windows");
  ASSERT_TRUE(WritePrivateProfileString("Options", "SystemDB", "C:\\ZEP\\TESCA.MDW", "TESCA.INI"));
  EXPECT_EQ(ReadBytes(folder_ / "new/windows/TESCA.INI"),
            "[Options]\r\nSystemDB=C:\\ZEP\\TESCA.MDW\r\n");
}

TEST_F(ProfileTest, WriteStoresWindows1252OnDisk) {
  ASSERT_TRUE(WritePrivateProfileString("Opción", "Usuario", "Núñez €", "TESCA.INI"));
  EXPECT_EQ(ReadBytes(folder_ / "TESCA.INI"), "[Opci\xF3n]\r\nUsuario=N\xFA\xF1" "ez \x80\r\n");
  EXPECT_EQ(Read("opción", "usuario"), "Núñez €");
}

TEST_F(ProfileTest, WriteUpdatesTheFileFoundWhateverItsCase) {
  WriteBytes(folder_ / "WIN.INI", "[intl]\r\nsDecimal=,\r\nsThousand=.\r\n");
  ASSERT_TRUE(WriteProfileString("intl", "sDecimal", "."));
  ASSERT_TRUE(WriteProfileString("INTL", "SThousand", ","));
  EXPECT_EQ(ReadBytes(folder_ / "WIN.INI"), "[intl]\r\nsDecimal=.\r\nsThousand=,\r\n");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "win.ini"));
  EXPECT_EQ(GetProfileString("intl", "sThousand", ""), ",");
}

TEST_F(ProfileTest, WriteRefusesTextThatWouldBreakTheFilesLines) {
  const std::string before = "[Options]\r\nSysPath=C:\\ZEP\\\r\n";
  WriteBytes(folder_ / "TESCA.INI", before);
  struct Case {
    const char* section;
    const char* key;
    const char* value;
  };
  const Case cases[] = {
      {"Options", "SysPath", "x\r\nDBName=evil"}, {"Options", "SysPath", "x\ny"},
      {"Options", "Sys\nPath", "x"},              {"Opt]ions", "SysPath", "x"},
      {"Options", "Sys=Path", "x"},               {"Options", "", "x"},
      {"", "SysPath", "x"},                       {"Options", ";SysPath", "x"},
  };
  for (const Case& c : cases)
    EXPECT_FALSE(WritePrivateProfileString(c.section, c.key, c.value, "TESCA.INI")) << c.key;
  EXPECT_EQ(ReadBytes(folder_ / "TESCA.INI"), before);
}

TEST_F(ProfileTest, WriteFailsWhenTheFolderIsMissing) {
  EXPECT_FALSE(WritePrivateProfileString("Options", "A", "1", folder_ / "missing/TESCA.INI"));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "missing"));
}

TEST_F(ProfileTest, WriteLeavesNoScratchFilesBehind) {
  ASSERT_TRUE(WritePrivateProfileString("Options", "A", "1", "TESCA.INI"));
  ASSERT_TRUE(WritePrivateProfileString("Options", "B", "2", "TESCA.INI"));
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder_.Path()))
    files += entry.is_regular_file() ? 1 : 0;
  EXPECT_EQ(files, 1);
}

// Cut short (a write limit standing for a full disk), a rewrite leaves the old
// file whole and says it failed.
TEST_F(ProfileTest, RewriteCutShortLeavesTheOldFileWhole) {
  std::string before = "[Options]\r\nSysPath=C:\\ZEP\\\r\n";
  WriteBytes(folder_ / "TESCA.INI", before);
  {
    testsupport::ScopedFileSizeLimit disk(16);
    EXPECT_FALSE(WritePrivateProfileString("Options", "DBName", std::string(100, 'X'), "TESCA.INI"));
  }
  EXPECT_EQ(ReadBytes(folder_ / "TESCA.INI"), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()), {}), 1);
}

// A settings file rewritten keeps its permissions and group, and rewritten by
// root its owner too; rewritten by another account of its group, the group.
// A link another account put in its place is not written through, by root
// least of all.
TEST_F(ProfileTest, SettingsFileInASharedFolderKeepsItsOwnersAndFollowsNoOtherAccountsLink) {
  if (!testsupport::CanTakeAccounts()) GTEST_SKIP() << "only root runs a child as another account";
  std::string path = folder_ / "TESCA.INI";
  WriteBytes(path, "[Options]\r\n");
  std::filesystem::permissions(folder_.Path(), std::filesystem::perms::all);
  ASSERT_EQ(chown(path.c_str(), 4242, 4343) | chmod(path.c_str(), 0660), 0);
  auto owner = [&] {
    struct stat info {};
    stat(path.c_str(), &info);
    return std::vector<unsigned>({info.st_uid, info.st_gid, info.st_mode & 0777u});
  };
  ASSERT_TRUE(WritePrivateProfileString("Options", "A", "1", "TESCA.INI"));
  EXPECT_EQ(owner(), std::vector<unsigned>({4242, 4343, 0660}));
  testsupport::Account member{4444, 4444, {4343}};
  EXPECT_EQ(testsupport::RunInChild([] { return WritePrivateProfileString("Options", "B", "2", "TESCA.INI"); },
                                    &member),
            1);
  EXPECT_EQ(owner(), std::vector<unsigned>({4444, 4343, 0660}));
  EXPECT_EQ(ReadBytes(path), "[Options]\r\nA=1\r\nB=2\r\n");

  WriteBytes(folder_ / "shadow", "root:x\n");
  std::filesystem::remove(path);
  std::filesystem::create_symlink(folder_ / "shadow", path);
  ASSERT_EQ(lchown(path.c_str(), 4444, 4343), 0);
  EXPECT_FALSE(WritePrivateProfileString("Options", "C", "3", "TESCA.INI"));
  EXPECT_EQ(ReadBytes(folder_ / "shadow"), "root:x\n");
}

TEST_F(ProfileTest, ProfileStringsUseWinIniInTheWindowsFolder) {
  ASSERT_TRUE(WriteProfileString("intl", "sThousand", ","));
  std::string buffer;
  EXPECT_EQ(GetProfileString("Intl", "SThousand", "", buffer, 100), 1);
  EXPECT_EQ(buffer, ",");
  EXPECT_EQ(ReadBytes(folder_ / "win.ini"), "[intl]\r\nsThousand=,\r\n");
}

}  // namespace
}  // namespace win

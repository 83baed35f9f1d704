#include "tools/host/suite.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <sys/wait.h>

#include "platform/dao/dao.h"
#include "platform/testsupport/file_bytes.h"
#include "platform/testsupport/scoped_env.h"
#include "platform/testsupport/temp_folder.h"
#include "platform/vb/error.h"
#include "platform/vb/file_system.h"
#include "platform/vb/files.h"
#include "platform/win/profile.h"
#include "tools/host/testing/test_suite.h"
#include "tools/host/tests/test_support.h"

namespace host {
namespace {

namespace fs = std::filesystem;
using testing::QueryRows;
using testing::Rows;
using testsupport::ReadBytes;
using testsupport::ScopedEnv;
using testsupport::TempFolder;

class SuiteTest : public ::testing::Test {
 protected:
  TempFolder temp_;
  ScopedEnv home_{"HOME", temp_ / "home"};

  Rows Query(const Suite& suite, const std::string& sql) {
    dao::DatabasePtr db = dao::Engine().OpenDatabase(suite.databasePath);
    Rows rows = QueryRows(*db, sql);
    db->Close();
    return rows;
  }
};

TEST_F(SuiteTest, SuiteFolderHoldsTheInstallAndWindowsFolders) {
  Suite suite = CreateSuite(temp_ / "suite");
  std::string root = temp_ / "suite";
  EXPECT_EQ(suite.folder, root);
  EXPECT_EQ(suite.installFolder, root + "/zep/");
  EXPECT_EQ(suite.windowsFolder, root + "/windows");
  EXPECT_EQ(suite.settingsPath, root + "/windows/TESCA.INI");
  EXPECT_EQ(suite.databasePath, root + "/zep/TESCA.MDB");
  for (const char* folder : {"/zep/RPT", "/zep/tmp", "/windows"})
    EXPECT_TRUE(fs::is_directory(root + folder)) << folder;
  for (const char* file : {"/zep/TESCA.MDB", "/windows/TESCA.INI", "/windows/win.ini"})
    EXPECT_TRUE(fs::is_regular_file(root + file)) << file;
}

TEST_F(SuiteTest, RelativeFolderIsWrittenAsAnAbsolutePath) {
  fs::path old = fs::current_path();
  fs::current_path(temp_.Path());
  Suite suite = CreateSuite("relative/./suite/");
  fs::current_path(old);
  EXPECT_EQ(suite.installFolder, temp_ / "relative/suite/zep/");
}

TEST_F(SuiteTest, SettingsReadBackThroughTheProfileFunctions) {
  Suite suite = CreateSuite(temp_ / "suite", {.user = "CAJERO", .userType = "1", .sampleRows = true});
  ScopedEnv windir("WINDIR", suite.windowsFolder);
  struct Case {
    const char* key;
    std::string expected;
  };
  const Case cases[] = {
      {"SysPath", temp_ / "suite/zep/"}, {"DBPath", temp_ / "suite/zep/"}, {"DBName", "TESCA.MDB"},
      {"SysUser", "CAJERO"},  {"SysHelp", "ZEP.HLP"}, {"SysMenu", "1"},
      {"SysAsist0942", "0"},
  };
  for (const Case& c : cases) {
    std::string buffer;
    long count = win::GetPrivateProfileString("Options", c.key, "", buffer, 255, "TESCA.INI");
    EXPECT_EQ(buffer, c.expected) << c.key;
    EXPECT_EQ(count, static_cast<long>(c.expected.size())) << c.key;
  }
}

TEST_F(SuiteTest, SettingsFileListsTheOptionsInTheHostsOrder) {
  Suite suite = CreateSuite(temp_ / "suite");
  std::string path = suite.installFolder;
  EXPECT_EQ(ReadBytes(suite.settingsPath),
            "[Options]\r\nSysPath=" + path + "\r\nDBPath=" + path +
                "\r\nDBName=TESCA.MDB\r\nSysUser=USUARIO\r\nSysHelp=ZEP.HLP\r\nSysMenu=1\r\n"
                "SysAsist0942=0\r\n");
}

// The programs build their folders and the database path from the settings, with
// "\" as the separator they were written with.
TEST_F(SuiteTest, PathsBuiltFromTheSettingsNameTheSuitesFoldersAndDatabase) {
  Suite suite = CreateSuite(temp_ / "suite");
  ScopedEnv windir("WINDIR", suite.windowsFolder);
  std::string sysPath = win::GetPrivateProfileString("Options", "SysPath", "", "TESCA.INI");
  std::string base = win::GetPrivateProfileString("Options", "DBPath", "", "TESCA.INI") +
                     win::GetPrivateProfileString("Options", "DBName", "", "TESCA.INI");
  EXPECT_TRUE(vb::FolderExists(vb::ResolvePath(sysPath + "RPT\\")));
  EXPECT_TRUE(vb::FolderExists(vb::ResolvePath(sysPath + "TMP\\")));
  dao::DatabasePtr db = dao::Engine().OpenDatabase(base);
  EXPECT_EQ(QueryRows(*db, "SELECT count(*) FROM CLAVES"), (Rows{{"1"}}));
  db->Close();
}

TEST_F(SuiteTest, WinIniHoldsTheRegionalItemsTheProgramsRequire) {
  Suite suite = CreateSuite(temp_ / "suite");
  ScopedEnv windir("WINDIR", suite.windowsFolder);
  struct Case {
    const char* key;
    const char* expected;
  };
  const Case cases[] = {
      {"sDate", "/"},          {"sShortDate", "dd/MM/yyyy"}, {"sTime", ":"},
      {"sTimeFormat", "hh:mm:ss tt"}, {"sDecimal", "."},    {"sThousand", ","},
      {"iDigits", "2"},        {"sNegativeSign", "-"},      {"iNegNumber", "1"},
      {"iLZero", "1"},         {"sMonDecimalSep", "."},     {"sMonThousandSep", ","},
      {"iCurrDigits", "2"},    {"iCurrency", "0"},          {"iNegCurr", "2"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(win::GetProfileString("intl", c.key, "<missing>"), c.expected) << c.key;
}

TEST_F(SuiteTest, SecondSuiteInTheSameFolderIsRefusedAndLeavesTheFirstAlone) {
  Suite suite = CreateSuite(temp_ / "suite", {.user = "PRIMERO"});
  EXPECT_THROW(CreateSuite(temp_ / "suite", {.user = "SEGUNDO", .sampleRows = false}),
               std::runtime_error);
  ScopedEnv windir("WINDIR", suite.windowsFolder);
  EXPECT_EQ(win::GetPrivateProfileString("Options", "SysUser", "", "TESCA.INI"), "PRIMERO");
  EXPECT_EQ(Query(suite, "SELECT Usuario FROM CLAVES"), (Rows{{"PRIMERO"}}));
}

TEST_F(SuiteTest, EmptySuiteHasEveryTableAndNoRows) {
  Suite suite = CreateSuite(temp_ / "suite", {.sampleRows = false});
  for (const char* table : {"CAB", "DET", "HCAB", "HDET", "CONT", "PARAM", "CLAVES", "SPOOL",
                            "envio_t", "reportes"})
    EXPECT_EQ(Query(suite, std::string("SELECT count(*) FROM ") + table), (Rows{{"0"}})) << table;
}

TEST_F(SuiteTest, UserAndHisTypeGoToClavesAndOwnTwoOfTheThreeTaxpayers) {
  Suite suite = CreateSuite(temp_ / "suite", {.user = "D'ANGELO", .userType = "0"});
  EXPECT_EQ(Query(suite, "SELECT Usuario, Tipo FROM CLAVES"), (Rows{{"D'ANGELO", "0"}}));
  EXPECT_EQ(Query(suite, "SELECT tip_doc_d, doc_id_d, usuario FROM CONT ORDER BY doc_id_d"),
            (Rows{{"6", "10425187363", "SUPERVISOR"},
                  {"6", "20456712348", "D'ANGELO"},
                  {"6", "20603189753", "D'ANGELO"}}));
}

// Tests make one suite's database and copy it: the copy's suite writes its own
// settings and keeps the rows copied.
TEST_F(SuiteTest, SuiteWithACopiedDatabaseWritesItsOwnSettingsAndKeepsTheCopiedRows) {
  Suite first = CreateSuite(temp_ / "first", {.user = "PRIMERO"});
  Suite second = CreateSuiteWithDatabase(temp_ / "second", {.user = "SEGUNDO"}, first.databasePath);
  ScopedEnv windir("WINDIR", second.windowsFolder);
  EXPECT_EQ(win::GetPrivateProfileString("Options", "SysUser", "", "TESCA.INI"), "SEGUNDO");
  EXPECT_EQ(win::GetPrivateProfileString("Options", "SysPath", "", "TESCA.INI"), temp_ / "second/zep/");
  EXPECT_EQ(Query(second, "SELECT Usuario FROM CLAVES"), (Rows{{"PRIMERO"}}));
  EXPECT_THROW(CreateSuiteWithDatabase(temp_ / "second", {}, first.databasePath), std::runtime_error);
}

class TestSuiteTest : public SuiteTest {
 protected:
  static void AddNotes(dao::Database& db) {
    ++made_;
    db.Execute("CREATE TABLE Notas (texto TEXT(10))");
  }
  inline static int made_ = 0;
  ScopedEnv build_{"FORM0942_BUILD_DIR", temp_ / "build"};
};

TEST_F(TestSuiteTest, TemplateIsMadeOncePerOptionsAndPreparationAndEachSuiteGetsACopy) {
  testing::Preparation notes{"notas", &AddNotes};
  Suite first = testing::CreateTestSuite(temp_ / "first", {.user = "ANA"}, notes);
  dao::DatabasePtr db = dao::Engine().OpenDatabase(first.databasePath);
  db->Execute("INSERT INTO Notas VALUES ('primera')");
  db->Close();
  Suite second = testing::CreateTestSuite(temp_ / "second", {.user = "ANA"}, notes);
  Suite plain = testing::CreateTestSuite(temp_ / "plain", {.user = "ANA"});
  EXPECT_EQ(made_, 1);
  EXPECT_EQ(Query(second, "SELECT count(*) FROM Notas"), (Rows{{"0"}}));
  EXPECT_EQ(Query(plain, "SELECT Usuario FROM CLAVES"), (Rows{{"ANA"}}));
  EXPECT_THROW(Query(plain, "SELECT count(*) FROM Notas"), vb::Error);
}

class HostSuiteCommandTest : public SuiteTest {
 protected:
  int Run(const std::string& arguments) {
    std::string command = std::string("'") + HOST_SUITE_PATH + "' " + arguments + " >'" +
                          (temp_ / "out") + "' 2>'" + (temp_ / "err") + "'";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string Out() { return ReadBytes(temp_ / "out"); }
  std::string Err() { return ReadBytes(temp_ / "err"); }
};

TEST_F(HostSuiteCommandTest, CreatesTheSuiteAndPrintsTheWindowsFolderToExport) {
  EXPECT_EQ(Run("'" + (temp_ / "suite") + "' --user CAJERO"), 0);
  EXPECT_EQ(Out(), "export WINDIR='" + (temp_ / "suite/windows") + "'\n");
  EXPECT_EQ(Err(), "");
  Suite suite;
  suite.databasePath = temp_ / "suite/zep/TESCA.MDB";
  EXPECT_EQ(Query(suite, "SELECT Usuario FROM CLAVES"), (Rows{{"CAJERO"}}));
}

TEST_F(HostSuiteCommandTest, EmptyOptionLeavesTheTablesEmpty) {
  EXPECT_EQ(Run("--empty '" + (temp_ / "suite") + "'"), 0);
  Suite suite;
  suite.databasePath = temp_ / "suite/zep/TESCA.MDB";
  EXPECT_EQ(Query(suite, "SELECT count(*) FROM PARAM"), (Rows{{"0"}}));
}

TEST_F(HostSuiteCommandTest, WrongArgumentsShowTheUsage) {
  for (const char* arguments : {"", "--user", "a b", "a --colour"}) {
    EXPECT_EQ(Run(arguments), 2) << arguments;
    EXPECT_EQ(Err(), "usage: host-suite <folder> [--user NAME] [--empty]\n") << arguments;
    EXPECT_EQ(Out(), "") << arguments;
  }
}

TEST_F(HostSuiteCommandTest, ExistingSuiteIsReportedAndExitsWithOne) {
  ASSERT_EQ(Run("'" + (temp_ / "suite") + "'"), 0);
  EXPECT_EQ(Run("'" + (temp_ / "suite") + "'"), 1);
  EXPECT_EQ(Err(), "host-suite: a suite already exists in " + (temp_ / "suite") + "\n");
}

}  // namespace
}  // namespace host

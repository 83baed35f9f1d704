// The installer as a script runs it: a child process without a display, whose
// exit status tells whether the module was installed.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "inserta/ModTablas.h"
#include "inserta/tests/nuvia_fixture.h"
#include "platform/dao/dao.h"
#include "platform/dao/testing/query_rows.h"
#include "platform/testsupport/child_process.h"
#include "platform/testsupport/temp_folder.h"
#include "tools/host/suite.h"

namespace nuvia::testing {
namespace {

// The installer as a script runs it, without a display.
std::vector<std::string> Environment(const host::Suite& suite) {
  return {"WINDIR=" + suite.windowsFolder, "DISPLAY=", "WAYLAND_DISPLAY="};
}

host::Suite SuiteWithoutSampleRows(const std::string& folder) {
  host::SuiteOptions options;
  options.sampleRows = false;
  return host::CreateSuite(folder, options);
}

// The shipped input files where an installation leaves them.
void CopyInputs(const host::Suite& suite) {
  for (const char* input : {"env942.txt", "Par942.txt"})
    std::filesystem::copy_file(std::string(NUVIA_INPUTS_DIR) + "/" + input, suite.installFolder + "tmp/" + input);
}

Rows Installation(const host::Suite& suite);
void EarlierInstallation(const host::Suite& suite);

// A run that fails, whatever the road, leaves the module exactly as it was.
TEST(NuviaProgramTest, ExitsWithFailureOnEveryRoadThatDidNotInstallTheModule) {
  struct Case {
    const char* road;
    const char* settings;  // nullptr: the suite's own
    bool inputs;
    bool failingStep;  // over an earlier installation, a view takes a table's name
    int status;
  };
  const Case cases[] = {
      {"installed", nullptr, true, false, EXIT_SUCCESS},
      {"no install folder", "[Options]\r\nDBName=TESCA.MDB\r\n", true, false, EXIT_FAILURE},
      {"no database", "[Options]\r\nSysPath=@\r\nDBName=OTRA.MDB\r\n", true, false, EXIT_FAILURE},
      {"no input files", nullptr, false, false, EXIT_FAILURE},
      {"a table step that fails", nullptr, true, true, EXIT_FAILURE},
  };
  testsupport::TempFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.road);
    host::Suite suite = SuiteWithoutSampleRows(folder / c.road);
    if (c.settings) {
      std::string text = c.settings;
      if (std::size_t at = text.find('@'); at != std::string::npos) text.replace(at, 1, suite.installFolder);
      std::ofstream(suite.settingsPath, std::ios::binary) << text;
    }
    if (c.inputs) CopyInputs(suite);
    if (c.failingStep) {
      EarlierInstallation(suite);
      TakeTableName(suite.databasePath, "TMP_F0942APERTURA");
    }
    Rows before = Installation(suite);
    testsupport::ChildProcess nuvia({NUVIA_PATH}, Environment(suite));
    EXPECT_EQ(nuvia.Wait(), c.status);
    if (c.status == EXIT_FAILURE) {
      EXPECT_EQ(Installation(suite), before);
    }
  }
}

// What an installation changes: the database's tables (each with its rows when
// it is the module's) and the host's rows it registers in.
Rows Installation(const host::Suite& suite) {
  dao::DatabasePtr db = dao::Engine().OpenDatabase(suite.databasePath);
  std::vector<std::string> tables;
  for (dao::TableDef& table : db->TableDefs()) tables.push_back(table.Name());
  std::sort(tables.begin(), tables.end());
  Rows state = {tables};
  std::vector<std::string> queries = {"SELECT * FROM PARAM ORDER BY 1, 2", "SELECT * FROM envio_t ORDER BY 2",
                                      "SELECT * FROM reportes ORDER BY 1"};
  for (const std::string& table : tables)
    if (table.find("0942") != std::string::npos) queries.push_back("SELECT * FROM " + table);
  for (const std::string& query : queries)
    for (const auto& row : dao::testing::QueryRows(*db, query)) state.push_back(row);
  db->Close();
  return state;
}

// An earlier installation, without the working tables' opening mark, with a
// declaration open in the working tables and another tax unit.
void EarlierInstallation(const host::Suite& suite) {
  dao::DatabasePtr db = dao::Engine().OpenDatabase(suite.databasePath);
  CreaTablasModulo(*db);
  db->Execute("DROP TABLE TMP_F0942APERTURA");
  db->Execute("INSERT INTO TMP_F0942MOTIVO (doc_id_d, Semana, Ind_tip_deu, per_doc, cod_tri, num_doc, cod_for, "
              "cod_motivo) VALUES ('20456712348', 1, '01', '201501', '010101', '1', '0621', 1)");
  db->Execute("INSERT INTO PARAM VALUES ('404', '20160101', '00003900.00', '000')");
  db->Close();
}

// Killed (SIGKILL) at moments spread over a whole run, a fresh installation and
// an upgrade each leave the module as it was before the run or as a whole run
// leaves it, never between; the next run installs it.
TEST(NuviaProgramTest, AnInstallationKilledAtAnyMomentLeavesTheModuleBeforeOrAfterIt) {
  constexpr int kKills = 8;
  testsupport::TempFolder folder;
  for (bool upgrade : {false, true}) {
    SCOPED_TRACE(upgrade ? "upgrade" : "fresh");
    host::Suite suite = SuiteWithoutSampleRows(folder / (upgrade ? "upgrade" : "fresh"));
    CopyInputs(suite);
    if (upgrade) EarlierInstallation(suite);
    std::string original = suite.databasePath + ".before";
    std::filesystem::copy_file(suite.databasePath, original);
    Rows before = Installation(suite);

    auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(testsupport::ChildProcess({NUVIA_PATH}, Environment(suite)).Wait(), EXIT_SUCCESS);
    auto run = std::chrono::steady_clock::now() - start;
    Rows after = Installation(suite);
    ASSERT_NE(before, after);

    int untouched = 0;
    for (int kill = 1; kill <= kKills; ++kill) {
      std::filesystem::copy_file(original, suite.databasePath, std::filesystem::copy_options::overwrite_existing);
      testsupport::ChildProcess nuvia({NUVIA_PATH}, Environment(suite));
      std::this_thread::sleep_for(run * kill / (kKills + 1));
      nuvia.KillNow();
      Rows left = Installation(suite);
      EXPECT_TRUE(left == before || left == after) << "killed at " << kill << "/" << kKills + 1;
      untouched += left == before;
    }
    EXPECT_GT(untouched, 0);
    EXPECT_EQ(testsupport::ChildProcess({NUVIA_PATH}, Environment(suite)).Wait(), EXIT_SUCCESS);
    EXPECT_EQ(Installation(suite), after);
  }
}

}  // namespace
}  // namespace nuvia::testing

#include "inserta/tests/nuvia_fixture.h"

#include <sqlite3.h>

#include <filesystem>
#include <fstream>

#include "inserta/Globales.h"
#include "inserta/ModNuvia.h"
#include "platform/dao/constants.h"
#include "platform/dao/dbengine.h"
#include "platform/vb/error.h"

namespace nuvia::testing {

void TakeTableName(const std::string& database, const std::string& table) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(database.c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, ("CREATE VIEW " + table + " AS SELECT 1 AS uno").c_str(), nullptr, nullptr, nullptr),
            SQLITE_OK);
  sqlite3_close(db);
}

void SuiteTest::SetUp() {
  suite_ = host::testing::CreateTestSuite(folder_ / "suite", Options(), Preparation());
  windir_.emplace("WINDIR", suite_.windowsFolder);
  vb::SetEndBehaviour(vb::EndBehaviour::Throw);
}

void SuiteTest::TearDown() {
  if (gDB) {
    gDB->Close();
    gDB.reset();
  }
  FijaListadoArchivos(nullptr);
  vb::SetEndBehaviour(vb::EndBehaviour::Exit);
  windir_.reset();
}

host::SuiteOptions SuiteTest::Options() const {
  host::SuiteOptions options;
  options.sampleRows = false;
  return options;
}

dao::DatabasePtr SuiteTest::OpenDatabase() const {
  return dao::Engine().Workspaces(0).OpenDatabase(suite_.databasePath);
}

Rows SuiteTest::Select(const std::string& sql) const {
  dao::DatabasePtr db = OpenDatabase();
  Rows rows = QueryRows(*db, sql);
  db->Close();
  return rows;
}

void SuiteTest::WriteInstallFile(const std::string& name, const std::string& text) const {
  std::ofstream(suite_.installFolder + name, std::ios::binary) << text;
}

void SuiteTest::CopyShippedInputs() const {
  for (const char* name : {"env942.txt", "Par942.txt"})
    std::filesystem::copy_file(std::string(NUVIA_INPUTS_DIR) + "/" + name, suite_.installFolder + "tmp/" + name,
                               std::filesystem::copy_options::overwrite_existing);
}

void SuiteTest::WriteSettings(const std::vector<std::string>& lines) const {
  std::ofstream out(suite_.settingsPath, std::ios::binary);
  out << "[Options]\r\n";
  for (const std::string& line : lines) out << line << "\r\n";
}

}  // namespace nuvia::testing

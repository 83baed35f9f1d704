#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dao/dao.h"

namespace dao::testing {

// A folder of its own under the system's temporary folder, removed afterwards.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// The module's ten tables, each created and keyed by its own statements, and the
// AllowZeroLength of the six debt columns that accept "".
void CreateModuleTables(Database& db);
// The host's tables with the columns the programs use.
void CreateHostTables(Database& db);

// One debt row of F0942DEUDAS as an INSERT naming no columns, the way the tests
// and the benchmark build them: values in column order, texts quoted.
std::string DebtInsert(const std::string& table, const std::string& ruc, int semana,
                       const std::string& tipDeu, const std::string& perDoc, const std::string& codTri,
                       const std::string& numDoc, const std::string& verDeu,
                       const std::string& acog = "Null", const std::string& mtoActC = "Null");

// A fresh database file with the module's and the host's tables.
class DaoTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Every row of `sql` as texts ("Null" for Null), one vector per row.
  std::vector<std::vector<std::string>> Rows(const std::string& sql);
  long Count(const std::string& table);

  TempFolder folder_;
  std::string path_;
  DatabasePtr db_;
};

}  // namespace dao::testing

#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dao/dao.h"
#include "platform/dao/testing/query_rows.h"
#include "platform/testsupport/error_of.h"
#include "platform/testsupport/temp_folder.h"

namespace dao::testing {

using testsupport::ErrorOf;
using testsupport::TempFolder;

// The module's ten tables, each created and keyed by its own statements, and the
// AllowZeroLength of the six debt columns that accept "".
void CreateModuleTables(Database& db);
// The host's tables with the columns the programs use.
void CreateHostTables(Database& db);

// One debt row of F0942DEUDAS (or its history copy, correlative 001) as an INSERT
// naming no columns: values in column order, texts quoted.
std::string DebtInsert(const std::string& table, const std::string& ruc, int semana,
                       const std::string& tipDeu, const std::string& perDoc, const std::string& codTri,
                       const std::string& numDoc, const std::string& verDeu,
                       const std::string& acog = "Null", const std::string& mtoActC = "Null");

using Table = std::vector<std::vector<std::string>>;

// `text` filled with blanks to `length` characters.
std::string Pad(const std::string& text, std::size_t length);
// A PARAM Funcion text with `text` at position 1 and `flags` written from
// position `at` (counted from 1), blanks in between.
std::string Funcion(const std::string& text, int at = 0, const std::string& flags = {});

// A fresh database file with the module's and the host's tables.
class DaoTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Every row of `sql` as texts ("Null" for Null), one vector per row.
  std::vector<std::vector<std::string>> Rows(const std::string& sql);
  long Count(const std::string& table);
  // A row of literal values in a table: Add("CLAVES", "'ANA', '1'").
  void Add(const std::string& table, const std::string& values);

  TempFolder folder_;
  std::string path_;
  DatabasePtr db_;
};

// One pending declaration (RUC 20100012345, period 201003, entity 1) and its sent
// copy (correlative 001): header, boxes, taxpayers, parameters and debts.
class DeclarationTest : public DaoTest {
 protected:
  static constexpr const char* kRuc = "20100012345";
  void SetUp() override;
  void AddDebt(const std::string& table, const std::string& tipDeu, const std::string& perDoc,
               const std::string& codTri, const std::string& numDoc, const std::string& verDeu,
               const std::string& acog = "Null", const std::string& mtoActC = "Null");
};

}  // namespace dao::testing

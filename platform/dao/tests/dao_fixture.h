#pragma once
// The engine tests' own tables and a fresh database for each test.
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

using Table = std::vector<std::vector<std::string>>;

// The tables every test of the engine starts with, empty:
//   Users (Name, Kind), without a key;
//   Settings (Code, Argument, Value, Seq, State): Seq accepts "";
//   Reports (code, description, kind SHORT);
//   Log (Code, Seq, FileName, Stamp DATE, UserName, kind SHORT, id);
//   Customers (kind BYTE, id, name, owner);
//   Orders (kind BYTE, id, period, batch BYTE, due, state BYTE), keyed on its first four;
//   Entries, WorkEntries (the same shape) and HEntries (Seq after batch): texts,
//   bytes and dates keyed on owner, batch(, Seq), kind, period, tax and doc, the
//   key added by ALTER TABLE; `accepted` accepts "".
void CreateEngineTables(Database& db);

// A row of Entries, WorkEntries or HEntries (Seq "001") as an INSERT naming no
// columns: values in column order, texts quoted, `flag` and `accepted` as written.
std::string EntryInsert(const std::string& table, const std::string& owner, int batch, const std::string& kind,
                        const std::string& period, const std::string& tax, const std::string& doc,
                        const std::string& state, const std::string& flag = "Null",
                        const std::string& accepted = "Null");

// A fresh database file with the engine's tables.
class DaoTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Every row of `sql` as texts ("Null" for Null), one vector per row.
  Table Rows(const std::string& sql);
  long Count(const std::string& table);
  // A row of literal values in a table: Add("Users", "'ANA', '1'").
  void Add(const std::string& table, const std::string& values);
  void AddEntry(const std::string& table, const std::string& kind, const std::string& period,
                const std::string& tax, const std::string& doc, const std::string& state,
                const std::string& flag = "Null", const std::string& accepted = "Null");

  TempFolder folder_;
  std::string path_;
  DatabasePtr db_;
};

}  // namespace dao::testing

#include "platform/dao/tests/dao_fixture.h"

#include <filesystem>

#include "platform/testsupport/shared_template.h"

namespace dao::testing {
namespace {

const char* kEntryHead = "owner TEXT(15), batch BYTE, ";
const char* kEntryTail =
    "kind TEXT(2), period TEXT(6), tax TEXT(6), doc TEXT(17), stamp DATE, since DATE, installments BYTE, "
    "ref TEXT(14), amount TEXT(15), accepted TEXT(15), flag BYTE, state TEXT(2)";

void CreateEntries(Database& db, const std::string& table, bool history) {
  std::string seq = history ? "Seq TEXT(3), " : "";
  db.Execute("CREATE TABLE " + table + " (" + kEntryHead + seq + kEntryTail + ")", dbFailOnError);
  db.Execute("ALTER TABLE " + table + " ADD CONSTRAINT PK_" + table + " PRIMARY KEY (owner, batch, " +
                 (history ? "Seq, " : "") + "kind, period, tax, doc)",
             dbFailOnError);
  db.TableDefs()[table].Fields("accepted").SetAllowZeroLength(true);
}

// The tables are made once per test program and each test starts from a copy.
void MakeTemplate(const std::string& path) {
  DatabasePtr db = Engine().CreateDatabase(path);
  CreateEngineTables(*db);
  db->Close();
}

}  // namespace

void CreateEngineTables(Database& db) {
  db.Execute("CREATE TABLE Users (Name TEXT(20), Kind TEXT(1))");
  db.Execute("CREATE TABLE Settings (Code TEXT(3), Argument TEXT(20), Value TEXT(255), Seq TEXT(3), "
             "State TEXT(1))");
  db.TableDefs()["Settings"].Fields("Seq").SetAllowZeroLength(true);
  db.Execute("CREATE TABLE Reports (code TEXT(6), description TEXT(60), kind SHORT)");
  db.Execute("CREATE TABLE Log (Code TEXT(6), Seq TEXT(6), FileName TEXT(12), Stamp DATE, UserName TEXT(20), "
             "kind SHORT, id TEXT(15))");
  db.Execute("CREATE TABLE Customers (kind BYTE, id TEXT(15), name TEXT(60), owner TEXT(20))");
  db.Execute("CREATE TABLE Orders (kind BYTE, id TEXT(15), period TEXT(6), batch BYTE, due TEXT(10), state BYTE, "
             "CONSTRAINT PK_Orders PRIMARY KEY (kind, id, period, batch))");
  CreateEntries(db, "Entries", false);
  CreateEntries(db, "HEntries", true);
  CreateEntries(db, "WorkEntries", false);
}

std::string EntryInsert(const std::string& table, const std::string& owner, int batch, const std::string& kind,
                        const std::string& period, const std::string& tax, const std::string& doc,
                        const std::string& state, const std::string& flag, const std::string& accepted) {
  std::string seq = table[0] == 'H' ? ", '001'" : "";
  return "INSERT INTO " + table + " VALUES ('" + owner + "', " + std::to_string(batch) + seq + ", '" + kind +
         "', '" + period + "', '" + tax + "', '" + doc + "', #03/15/2010 10:20:30#, #01/01/1901#, 0, 'P1', "
         "'123.75', " + accepted + ", " + flag + ", '" + state + "')";
}

void DaoTest::SetUp() {
  path_ = folder_ / "engine.db";
  std::filesystem::copy_file(testsupport::SharedTemplate("engine-tables.db", MakeTemplate), path_);
  db_ = Engine().OpenDatabase(path_);
}

void DaoTest::TearDown() {
  Engine().Workspaces(0).RollbackAll();
  if (db_) db_->Close();
}

Table DaoTest::Rows(const std::string& sql) { return QueryRows(*db_, sql); }

long DaoTest::Count(const std::string& table) {
  RecordsetPtr rs = db_->OpenRecordset("SELECT count(*) FROM " + table, dbOpenSnapshot);
  return rs->Fields()[0].Value().ToLong();
}

void DaoTest::Add(const std::string& table, const std::string& values) {
  db_->Execute("INSERT INTO " + table + " VALUES (" + values + ")", dbFailOnError);
}

void DaoTest::AddEntry(const std::string& table, const std::string& kind, const std::string& period,
                       const std::string& tax, const std::string& doc, const std::string& state,
                       const std::string& flag, const std::string& accepted) {
  db_->Execute(EntryInsert(table, "A1", 1, kind, period, tax, doc, state, flag, accepted), dbFailOnError);
}

}  // namespace dao::testing

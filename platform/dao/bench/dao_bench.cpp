// Storing many rows at once: 10,000 rows of a 33-column keyed table inserted in
// one transaction, through the layer's Execute (Jet SQL text with its values
// written in, as programs build it) and through SQLite directly (one prepared
// INSERT with bound values). The layer should stay within 1.3 times the plain
// figure.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "platform/dao/dao.h"
#include "platform/testsupport/temp_folder.h"

namespace {

constexpr int kRows = 10000;

// Bytes, dates and texts; six of the texts accept "".
const char* kColumns =
    "kind BYTE, owner TEXT(15), period TEXT(6), form TEXT(4), batch BYTE, category TEXT(2), month TEXT(6), "
    "tax TEXT(6), doc TEXT(17), form2 TEXT(4), doc_type TEXT(6), tax2 TEXT(6), state TEXT(2), stamp DATE, "
    "installments BYTE, since DATE, ref TEXT(14), amount1 TEXT(15), amount2 TEXT(15), amount3 TEXT(15), "
    "amount4 TEXT(15), flag1 BYTE, flag2 BYTE, accepted1 TEXT(15), accepted2 TEXT(15), accepted3 TEXT(15), "
    "accepted4 TEXT(15), return_form TEXT(4), return_no TEXT(8), flag3 BYTE, flag4 BYTE, appeal TEXT(2), "
    "check_code TEXT(6)";
const char* kKey = "owner, batch, category, month, tax, doc, form2, doc_type, tax2";
const char* kAcceptEmpty[] = {"accepted1", "accepted2", "accepted3", "accepted4", "return_form", "return_no"};

// The plain table: the same columns with SQLite's own types and the same key.
const char* kPlainColumns =
    "kind INTEGER, owner TEXT, period TEXT, form TEXT, batch INTEGER, category TEXT, month TEXT, tax TEXT, "
    "doc TEXT, form2 TEXT, doc_type TEXT, tax2 TEXT, state TEXT, stamp REAL, installments INTEGER, since REAL, "
    "ref TEXT, amount1 TEXT, amount2 TEXT, amount3 TEXT, amount4 TEXT, flag1 INTEGER, flag2 INTEGER, "
    "accepted1 TEXT, accepted2 TEXT, accepted3 TEXT, accepted4 TEXT, return_form TEXT, return_no TEXT, "
    "flag3 INTEGER, flag4 INTEGER, appeal TEXT, check_code TEXT";

struct Row {
  std::string numDoc;
  std::string perDoc;
  std::string amount;
};

std::vector<Row> MakeRows() {
  std::vector<Row> rows;
  for (int i = 0; i < kRows; ++i) {
    rows.push_back({"N" + std::to_string(100000 + i), "2009" + std::to_string(10 + i % 3),
                    std::to_string(i) + ".50"});
  }
  return rows;
}

std::string JetInsert(const Row& d) {
  return "INSERT INTO Ledger VALUES (6, '20100012345', '201003', '0942', 1, '01', '" + d.perDoc +
         "', '010101', '" + d.numDoc + "', '0', '001001', '000000', '00', #03/15/2010 10:20:30#, 0, "
         "#01/01/1901#, 'P1', '" + d.amount + "', '0.00', '3.25', '" + d.amount + "', 1, 1, '" + d.amount +
         "', '0.00', '3.25', '" + d.amount + "', '', '', 0, 0, '00', '123456')";
}

void ExecuteThroughTheLayer(benchmark::State& state) {
  std::vector<std::string> statements;
  for (const Row& row : MakeRows()) statements.push_back(JetInsert(row));
  for (auto _ : state) {
    state.PauseTiming();
    testsupport::TempFolder folder;
    dao::DatabasePtr db = dao::Engine().CreateDatabase(folder / "bench.db");
    db->Execute(std::string("CREATE TABLE Ledger (") + kColumns + ")");
    db->Execute(std::string("ALTER TABLE Ledger ADD CONSTRAINT PK_Ledger PRIMARY KEY (") + kKey + ")");
    for (const char* field : kAcceptEmpty) db->TableDefs()["Ledger"].Fields(field).SetAllowZeroLength(true);
    dao::Workspace& ws = dao::Engine().Workspaces(0);
    state.ResumeTiming();
    ws.BeginTrans();
    for (const std::string& sql : statements) db->Execute(sql, dao::dbFailOnError);
    ws.CommitTrans();
    state.PauseTiming();
    db->Close();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}

void Check(int rc, sqlite3* db) {
  if (rc != SQLITE_OK && rc != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(db));
}

void PlainSqlitePreparedInserts(benchmark::State& state) {
  std::vector<Row> rows = MakeRows();
  for (auto _ : state) {
    state.PauseTiming();
    testsupport::TempFolder folder;
    sqlite3* db = nullptr;
    sqlite3_open((folder / "plain.db").c_str(), &db);
    std::string create = std::string("CREATE TABLE Ledger (") + kPlainColumns + ", PRIMARY KEY (" + kKey + "))";
    Check(sqlite3_exec(db, create.c_str(), nullptr, nullptr, nullptr), db);
    state.ResumeTiming();
    Check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
    std::string insert = "INSERT INTO Ledger VALUES (?";
    for (int i = 1; i < 33; ++i) insert += ", ?";
    sqlite3_stmt* stmt = nullptr;
    Check(sqlite3_prepare_v2(db, (insert + ")").c_str(), -1, &stmt, nullptr), db);
    for (const Row& d : rows) {
      int n = 0;
      auto text = [&](const std::string& value) {
        sqlite3_bind_text(stmt, ++n, value.data(), static_cast<int>(value.size()), SQLITE_STATIC);
      };
      auto number = [&](double value) { sqlite3_bind_double(stmt, ++n, value); };
      auto whole = [&](int value) { sqlite3_bind_int(stmt, ++n, value); };
      static const std::string kRuc = "20100012345", kPeriodo = "201003", kForm = "0942", kTip = "01",
                               kTri = "010101", kZero = "0", kTipDoc = "001001", kAso = "000000",
                               kVer = "00", kPro = "P1", kCero = "0.00", kInt = "3.25", kEmpty = "",
                               kImp = "00", kNum = "123456";
      whole(6), text(kRuc), text(kPeriodo), text(kForm), whole(1), text(kTip), text(d.perDoc), text(kTri);
      text(d.numDoc), text(kZero), text(kTipDoc), text(kAso), text(kVer), number(40252.43090277778), whole(0);
      number(367), text(kPro), text(d.amount), text(kCero), text(kInt), text(d.amount), whole(1), whole(1);
      text(d.amount), text(kCero), text(kInt), text(d.amount), text(kEmpty), text(kEmpty), whole(0), whole(0);
      text(kImp), text(kNum);
      Check(sqlite3_step(stmt), db);
      sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    Check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
    state.PauseTiming();
    sqlite3_close(db);
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}

BENCHMARK(ExecuteThroughTheLayer)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainSqlitePreparedInserts)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

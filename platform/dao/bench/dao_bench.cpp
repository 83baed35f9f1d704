// Storing a declaration's debts: 10,000 rows of F0942DEUDAS inserted in one
// transaction, through the layer's Execute (Jet SQL text with its values written
// in, as the programs build it) and through SQLite directly (one prepared INSERT
// with bound values). The layer should stay within twice the plain figure.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "platform/dao/dao.h"
#include "platform/testsupport/temp_folder.h"

namespace {

constexpr int kRows = 10000;

const char* kDebtColumns =
    "tip_doc_d BYTE, doc_id_d TEXT(15), periodo TEXT(6), formulario TEXT(4), semana BYTE, "
    "Ind_tip_deu TEXT(2), per_doc TEXT(6), cod_tri TEXT(6), Num_doc TEXT(17), Cod_for TEXT(4), "
    "Cod_tip_doc TEXT(6), Cod_tri_aso TEXT(6), Ind_ver_deu TEXT(2), Fec_des_deu DATE, Num_cuo BYTE, "
    "Fec_ult_cap DATE, Num_pro TEXT(14), mto_tributo_s TEXT(15), mto_int_cap_s TEXT(15), "
    "mto_int_s TEXT(15), mto_act_s TEXT(15), ind_acog BYTE, ind_conf BYTE, mto_tributo_c TEXT(15), "
    "mto_int_cap_c TEXT(15), mto_int_c TEXT(15), mto_act_c TEXT(15), Cod_for_dj TEXT(4), "
    "Num_ord_dj TEXT(8), Ind_valor BYTE, Ind_deuda_dj BYTE, Ind_impugnado TEXT(2), cnumero TEXT(6)";
const char* kDebtKey =
    "doc_id_d, semana, Ind_tip_deu, Per_doc, Cod_tri, Num_doc, Cod_for, Cod_tip_doc, Cod_tri_aso";

// The plain table: the same columns with SQLite's own types and the same key.
const char* kPlainColumns =
    "tip_doc_d INTEGER, doc_id_d TEXT, periodo TEXT, formulario TEXT, semana INTEGER, "
    "Ind_tip_deu TEXT, per_doc TEXT, cod_tri TEXT, Num_doc TEXT, Cod_for TEXT, Cod_tip_doc TEXT, "
    "Cod_tri_aso TEXT, Ind_ver_deu TEXT, Fec_des_deu REAL, Num_cuo INTEGER, Fec_ult_cap REAL, "
    "Num_pro TEXT, mto_tributo_s TEXT, mto_int_cap_s TEXT, mto_int_s TEXT, mto_act_s TEXT, "
    "ind_acog INTEGER, ind_conf INTEGER, mto_tributo_c TEXT, mto_int_cap_c TEXT, mto_int_c TEXT, "
    "mto_act_c TEXT, Cod_for_dj TEXT, Num_ord_dj TEXT, Ind_valor INTEGER, Ind_deuda_dj INTEGER, "
    "Ind_impugnado TEXT, cnumero TEXT";

struct Debt {
  std::string numDoc;
  std::string perDoc;
  std::string amount;
};

std::vector<Debt> Debts() {
  std::vector<Debt> debts;
  for (int i = 0; i < kRows; ++i) {
    debts.push_back({"N" + std::to_string(100000 + i), "2009" + std::to_string(10 + i % 3),
                     std::to_string(i) + ".50"});
  }
  return debts;
}

std::string JetInsert(const Debt& d) {
  return "INSERT INTO F0942DEUDAS VALUES (6, '20100012345', '201003', '0942', 1, '01', '" + d.perDoc +
         "', '010101', '" + d.numDoc + "', '0', '001001', '000000', '00', #03/15/2010 10:20:30#, 0, "
         "#01/01/1901#, 'P1', '" + d.amount + "', '0.00', '3.25', '" + d.amount + "', 1, 1, '" + d.amount +
         "', '0.00', '3.25', '" + d.amount + "', '', '', 0, 0, '00', '123456')";
}

void ExecuteThroughTheLayer(benchmark::State& state) {
  std::vector<std::string> statements;
  for (const Debt& debt : Debts()) statements.push_back(JetInsert(debt));
  for (auto _ : state) {
    state.PauseTiming();
    testsupport::TempFolder folder;
    dao::DatabasePtr db = dao::Engine().CreateDatabase(folder / "bench.db");
    db->Execute(std::string("CREATE TABLE F0942DEUDAS (") + kDebtColumns + ")");
    db->Execute(std::string("ALTER TABLE F0942DEUDAS ADD CONSTRAINT PK_F0942DEUDAS PRIMARY KEY (") + kDebtKey + ")");
    for (const char* field : {"Mto_tributo_c", "Mto_int_c", "Mto_int_cap_c", "Mto_act_c", "Cod_for_dj", "Num_ord_dj"})
      db->TableDefs()["F0942DEUDAS"].Fields(field).SetAllowZeroLength(true);
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
  std::vector<Debt> debts = Debts();
  for (auto _ : state) {
    state.PauseTiming();
    testsupport::TempFolder folder;
    sqlite3* db = nullptr;
    sqlite3_open((folder / "plain.db").c_str(), &db);
    std::string create = std::string("CREATE TABLE F0942DEUDAS (") + kPlainColumns + ", PRIMARY KEY (" + kDebtKey + "))";
    Check(sqlite3_exec(db, create.c_str(), nullptr, nullptr, nullptr), db);
    state.ResumeTiming();
    Check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
    std::string insert = "INSERT INTO F0942DEUDAS VALUES (?";
    for (int i = 1; i < 33; ++i) insert += ", ?";
    sqlite3_stmt* stmt = nullptr;
    Check(sqlite3_prepare_v2(db, (insert + ")").c_str(), -1, &stmt, nullptr), db);
    for (const Debt& d : debts) {
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

#include <gtest/gtest.h>

#include <sstream>

#include "inserta/Globales.h"
#include "inserta/ModTablas.h"
#include "inserta/tests/nuvia_fixture.h"
#include "platform/dao/constants.h"
#include "platform/dao/dbengine.h"
#include "platform/dao/recordset.h"
#include "platform/dao/tabledef.h"
#include "platform/vb/error.h"
#include "platform/vb/strings.h"

namespace nuvia::testing {
namespace {

struct Column {
  std::string name;
  int type;
  long size;
};

struct ExpectedTable {
  std::string name;
  std::string columns;  // "name T15, name B, name D, name L"
  std::string keyName;
  std::string key;      // key columns separated by blanks
};

const char* kDebts =
    "tip_doc_d B, doc_id_d T15, periodo T6, formulario T4, semana B, Ind_tip_deu T2, per_doc T6, "
    "cod_tri T6, Num_doc T17, Cod_for T4, Cod_tip_doc T6, Cod_tri_aso T6, Ind_ver_deu T2, "
    "Fec_des_deu D, Num_cuo B, Fec_ult_cap D, Num_pro T14, mto_tributo_s T15, mto_int_cap_s T15, "
    "mto_int_s T15, mto_act_s T15, ind_acog B, ind_conf B, mto_tributo_c T15, mto_int_cap_c T15, "
    "mto_int_c T15, mto_act_c T15, Cod_for_dj T4, Num_ord_dj T8, Ind_valor B, Ind_deuda_dj B, "
    "Ind_impugnado T2, cnumero T6";
const char* kMotives =
    "tip_doc_d B, doc_id_d T15, periodo T6, formulario T4, Semana B, Ind_tip_deu T2, per_doc T6, "
    "cod_tri T6, num_doc T17, cod_for T4, cod_motivo B, cnumero T6";
const char* kSupport =
    "tip_doc_d B, doc_id_d T15, periodo T6, formulario T4, Semana B, Ind_tip_deu T2, per_doc T6, "
    "cod_tri T6, num_doc T17, cod_for T4, cod_motivo B, num_sust B, cod_formulario T4, num_orden L, "
    "num_res T16, tip_impug B, num_exp T16, des_otros T30, fec_pago T10, cnumero T6";
// A history table: the stored table's columns with Correl after the key head.
std::string History(const std::string& columns) {
  std::size_t afterHead = columns.find("emana B, ") + 9;
  return columns.substr(0, afterHead) + "Correl T3, " + columns.substr(afterHead);
}

const std::vector<ExpectedTable> kExpected = {
    {"F0942DEUDAS", kDebts, "PK_F0942DEUDAS",
     "doc_id_d semana Ind_tip_deu Per_doc Cod_tri Num_doc Cod_for Cod_tip_doc Cod_tri_aso"},
    {"HF0942DEUDAS", History(kDebts), "PK_HF0942DEUDAS",
     "doc_id_d semana Correl Ind_tip_deu Per_doc Cod_tri Num_doc Cod_for Cod_tip_doc Cod_tri_aso"},
    {"TMP_F0942DEUDAS", kDebts, "PK_TMP_F0942DEUDAS",
     "doc_id_d semana Ind_tip_deu Per_doc Cod_tri Num_doc Cod_for Cod_tip_doc Cod_tri_aso"},
    {"F0942MOTIVO", kMotives, "PK_F0942MOTIVO",
     "doc_id_d Semana Ind_tip_deu Per_doc Cod_tri Num_doc Cod_for cod_motivo"},
    {"HF0942MOTIVO", History(kMotives), "PK_HF0942MOTIVO",
     "doc_id_d Semana Correl Ind_tip_deu Per_doc Cod_tri Num_doc Cod_for cod_motivo"},
    {"TMP_F0942MOTIVO", kMotives, "PK_TMP_F0942MOTIVO",
     "doc_id_d Semana Ind_tip_deu Per_doc Cod_tri Num_doc Cod_for cod_motivo"},
    {"F0942SUSTEN", kSupport, "PK_F0942SUSTEN",
     "doc_id_d Semana Ind_tip_deu Per_doc Cod_tri Num_doc Cod_for cod_motivo num_sust"},
    {"HF0942SUSTEN", History(kSupport), "PK_HF0942SUSTEN",
     "doc_id_d Semana Correl Ind_tip_deu Per_doc Cod_tri Num_doc Cod_for cod_motivo num_sust"},
    {"TMP_F0942SUSTEN", kSupport, "PK_TMP_F0942SUSTEN",
     "doc_id_d Semana Ind_tip_deu Per_doc Cod_tri Num_doc Cod_for cod_motivo num_sust"},
    {"F0942GARANTIA",
     "tip_doc_d B, doc_id_d T15, periodo T6, formulario T4, Semana B, ind_garantia T10, "
     "ind_persona T5, mto_deuda T15, mto_deuda_garantia T15",
     "PK_F0942DEUDAS", "tip_doc_d doc_id_d periodo formulario semana"},
    {"TMP_F0942APERTURA", "tip_doc_d B, doc_id_d T15, periodo T6, formulario T4, Semana B, marca T16",
     "PK_TMP_F0942APERTURA", "tip_doc_d doc_id_d periodo formulario Semana"},
};

std::vector<Column> Columns(const std::string& text) {
  std::vector<Column> columns;
  std::istringstream in(text);
  std::string name, type;
  while (in >> name >> type) {
    if (type.back() == ',') type.pop_back();
    switch (type[0]) {
      case 'B': columns.push_back({name, dao::dbByte, 1}); break;
      case 'D': columns.push_back({name, dao::dbDate, 8}); break;
      case 'L': columns.push_back({name, dao::dbLong, 4}); break;
      default: columns.push_back({name, dao::dbText, std::stol(type.substr(1))});
    }
  }
  return columns;
}

std::vector<std::string> Upper(const std::string& names) {
  std::vector<std::string> upper;
  std::istringstream in(names);
  for (std::string name; in >> name;) upper.push_back(vb::UCase(name));
  return upper;
}

bool AcceptsEmpty(const std::string& table, const std::string& column) {
  static const std::vector<std::string> kColumns = Upper("mto_tributo_c mto_int_c mto_int_cap_c mto_act_c Cod_for_dj Num_ord_dj");
  bool debtTable = table.find("DEUDAS") != std::string::npos;
  return debtTable && std::find(kColumns.begin(), kColumns.end(), vb::UCase(column)) != kColumns.end();
}

// A row of `table` with its key filled: a debt of tax 010101 of period 201501.
std::string KeyedRow(const std::string& table, const std::string& periodo = "201601") {
  bool history = table[0] == 'H';
  std::string columns = "tip_doc_d, doc_id_d, periodo, formulario, semana";
  std::string values = "6, '20456712348', '" + periodo + "', '0942', 1";
  if (history) {
    columns += ", Correl";
    values += ", '001'";
  }
  bool keyHeadOnly = table.find("GARANTIA") != std::string::npos || table.find("APERTURA") != std::string::npos;
  if (!keyHeadOnly) {
    columns += ", Ind_tip_deu, per_doc, cod_tri, Num_doc, Cod_for";
    values += ", '01', '201501', '010101', '123', '0621'";
  }
  if (table.find("DEUDAS") != std::string::npos) {
    columns += ", Cod_tip_doc, Cod_tri_aso";
    values += ", '003000', '000000'";
  } else if (!keyHeadOnly) {
    columns += ", cod_motivo";
    values += ", 1";
  }
  if (table.find("SUSTEN") != std::string::npos) {
    columns += ", num_sust";
    values += ", 1";
  }
  return "INSERT INTO " + table + " (" + columns + ") VALUES (" + values + ")";
}

long Count(dao::Database& db, const std::string& table) {
  return std::stol(QueryRows(db, "SELECT COUNT(*) FROM " + table)[0][0]);
}

class ModTablasTest : public SuiteTest {
 protected:
  void SetUp() override {
    SuiteTest::SetUp();
    db_ = OpenDatabase();
  }
  void TearDown() override {
    if (db_) db_->Close();
    SuiteTest::TearDown();
  }
  void Reopen() {
    db_->Close();
    db_ = OpenDatabase();
  }

  dao::DatabasePtr db_;
};

TEST_F(ModTablasTest, TablesMatchTheirColumnsTypesSizesAndKeysWhenReadBack) {
  CreaTablasModulo(*db_);
  Reopen();
  for (const ExpectedTable& expected : kExpected) {
    SCOPED_TRACE(expected.name);
    dao::TableDef& table = db_->TableDefs()[expected.name];
    std::vector<Column> columns = Columns(expected.columns);
    ASSERT_EQ(table.FieldCount(), static_cast<int>(columns.size()));
    for (int i = 0; i < table.FieldCount(); ++i) {
      dao::FieldDef& field = table.Fields(i);
      EXPECT_EQ(field.Name(), columns[i].name);
      EXPECT_EQ(field.Type(), columns[i].type) << columns[i].name;
      EXPECT_EQ(field.Size(), columns[i].size) << columns[i].name;
      EXPECT_EQ(field.Required(), false) << columns[i].name;
      EXPECT_EQ(field.AllowZeroLength(), AcceptsEmpty(expected.name, field.Name())) << columns[i].name;
    }
    EXPECT_EQ(table.PrimaryKeyName(), expected.keyName);
    const dao::TableSchema* schema = db_->connection().catalogue().Find(expected.name);
    ASSERT_NE(schema, nullptr);
    std::vector<std::string> key;
    for (const std::string& column : schema->keyColumns) key.push_back(vb::UCase(column));
    EXPECT_EQ(key, Upper(expected.key));
  }
}

TEST_F(ModTablasTest, SecondRunKeepsStoredRowsAndEmptiesWorkingCopies) {
  CreaTablasModulo(*db_);
  for (const char* table : kTablasModulo) db_->Execute(KeyedRow(table), dao::dbFailOnError);
  CreaTablasModulo(*db_);
  Reopen();
  for (const char* table : kTablasModulo) {
    bool working = std::string(table).starts_with("TMP_");
    EXPECT_EQ(Count(*db_, table), working ? 0 : 1) << table;
  }
  EXPECT_TRUE(driver_.MessageBoxes().empty());
}

TEST_F(ModTablasTest, EarlierGuaranteeTableOfSixFieldsIsReplacedAndSevenFieldsIsKept) {
  struct Case {
    std::string columns;
    int fieldsAfter;
    long rowsAfter;
  };
  const std::string head = "tip_doc_d BYTE, doc_id_d TEXT(15), periodo TEXT(6), formulario TEXT(4), Semana BYTE, ";
  const Case cases[] = {{head + "ind_garantia TEXT(10)", 9, 0},
                        {head + "ind_garantia TEXT(10), ind_persona TEXT(5)", 7, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.columns);
    db_->Execute("CREATE TABLE F0942GARANTIA (" + c.columns + ")", dao::dbFailOnError);
    db_->Execute(KeyedRow("F0942GARANTIA"), dao::dbFailOnError);
    CreaTablasModulo(*db_);
    Reopen();
    EXPECT_EQ(db_->TableDefs()["F0942GARANTIA"].FieldCount(), c.fieldsAfter);
    EXPECT_EQ(Count(*db_, "F0942GARANTIA"), c.rowsAfter);
    db_->Execute("DROP TABLE F0942GARANTIA", dao::dbFailOnError);
  }
}

TEST_F(ModTablasTest, WorkingCopyRowsCopyIntoStoredTableWithSelectStar) {
  CreaTablasModulo(*db_);
  for (const char* family : {"F0942DEUDAS", "F0942MOTIVO", "F0942SUSTEN"}) {
    std::string working = std::string("TMP_") + family;
    db_->Execute(KeyedRow(working), dao::dbFailOnError);
    db_->Execute("INSERT INTO " + std::string(family) + " SELECT * FROM " + working, dao::dbFailOnError);
    EXPECT_EQ(QueryRows(*db_, "SELECT * FROM " + std::string(family)), QueryRows(*db_, "SELECT * FROM " + working));
  }
}

TEST_F(ModTablasTest, DebtIsHeldOnceWhateverThePeriodOfTheDeclaration) {
  CreaTablasModulo(*db_);
  db_->Execute(KeyedRow("F0942DEUDAS", "201601"), dao::dbFailOnError);
  EXPECT_EQ(ErrorOf([&] { db_->Execute(KeyedRow("F0942DEUDAS", "201602"), dao::dbFailOnError); }),
            dao::kErrDuplicateKey);
}

TEST_F(ModTablasTest, OnlyTheSixDebtColumnsStoreAnEmptyText) {
  CreaTablasModulo(*db_);
  struct Case {
    std::string column;
    bool accepted;
  };
  const Case cases[] = {{"mto_tributo_c", true}, {"mto_int_cap_c", true}, {"mto_int_c", true},
                        {"mto_act_c", true},     {"Cod_for_dj", true},    {"Num_ord_dj", true},
                        {"mto_act_s", false},    {"Num_pro", false},      {"Ind_impugnado", false}};
  for (const char* table : {"F0942DEUDAS", "HF0942DEUDAS", "TMP_F0942DEUDAS"}) {
    db_->Execute(KeyedRow(table), dao::dbFailOnError);
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(table) + "." + c.column);
      EXPECT_EQ(ErrorOf([&] {
                  db_->Execute("UPDATE " + std::string(table) + " SET " + c.column + " = ''",
                               dao::dbFailOnError);
                }),
                c.accepted ? 0 : dao::kErrZeroLength);
    }
  }
}

TEST_F(ModTablasTest, ZeroLengthStepsSkipAColumnAnOlderTableLacks) {
  db_->Execute("CREATE TABLE F0942DEUDAS (doc_id_d TEXT(15), mto_act_c TEXT(15), Cod_for_dj TEXT(4))",
               dao::dbFailOnError);
  CreaTablasModulo(*db_);
  dao::TableDef& debts = db_->TableDefs()["F0942DEUDAS"];
  EXPECT_EQ(debts.FieldCount(), 3);
  EXPECT_TRUE(debts.Fields("mto_act_c").AllowZeroLength());
  EXPECT_TRUE(debts.Fields("Cod_for_dj").AllowZeroLength());
  EXPECT_FALSE(debts.Fields("doc_id_d").AllowZeroLength());
}

class EjecutaSentenciaTest : public ModTablasTest {
 protected:
  void SetUp() override {
    ModTablasTest::SetUp();
    CreaTablasModulo(*db_);
    db_->Execute(KeyedRow("F0942DEUDAS"), dao::dbFailOnError);
  }
  // Runs `sql` through the installer's executor on this test's database; true
  // when the run is to end as failed.
  bool Run(const std::string& sql) {
    gDB = db_;
    gbPasoFallido = false;
    EjecutaSentencia(sql);
    gDB.reset();
    return gbPasoFallido;
  }
};

TEST_F(EjecutaSentenciaTest, ExistingTableAsksToOverwriteAndOverwritesNothingWhateverTheAnswer) {
  for (int answer : {forms::vbYes, forms::vbNo}) {
    driver_.Expect({"\nSe  detectado que ya existen las tablas del ZEP  Desea Sobreescribirlas?",
                    forms::vbYesNo + forms::vbQuestion + forms::vbDefaultButton2, "Mensaje"},
                   answer);
    EXPECT_FALSE(Run(SentenciaCreaTabla("F0942DEUDAS")));
    EXPECT_EQ(Count(*db_, "F0942DEUDAS"), 1);
  }
}

TEST_F(EjecutaSentenciaTest, SecondKeyOnATableIsIgnoredSilently) {
  EXPECT_FALSE(Run(SentenciaClave("F0942DEUDAS")));
  EXPECT_TRUE(driver_.MessageBoxes().empty());
  EXPECT_EQ(db_->TableDefs()["F0942DEUDAS"].PrimaryKeyName(), "PK_F0942DEUDAS");
}

TEST_F(EjecutaSentenciaTest, OtherErrorShowsItsNumberAndTextAndTheRunGoesOnToEndAsFailed) {
  driver_.Expect({"Error Número : 3022\nLos cambios en la tabla 'F0942DEUDAS' no se realizaron porque "
                  "crearían valores duplicados en el índice, la clave principal o la relación.",
                  forms::vbCritical, "Error al Ejecutar Sentencia SQL"});
  EXPECT_TRUE(Run(KeyedRow("F0942DEUDAS")));
  EXPECT_EQ(Count(*db_, "F0942DEUDAS"), 1);
}

}  // namespace
}  // namespace nuvia::testing

#include <gtest/gtest.h>

#include "inserta/ModTablas.h"
#include "inserta/tests/nuvia_fixture.h"
#include "platform/dao/dao.h"
#include "platform/vb/conv.h"
#include "platform/vb/format.h"
#include "platform/vb/strings.h"

namespace nuvia::testing {
namespace {

using Table = Rows;

// The installer's statements over a suite with the module's tables.
class InstallerTest : public SuiteTest {
 protected:
  void SetUp() override {
    SuiteTest::SetUp();
    path_ = suite_.databasePath;
    db_ = OpenDatabase();
  }
  void TearDown() override {
    if (db_) db_->Close();
    SuiteTest::TearDown();
  }
  host::testing::Preparation Preparation() const override { return {"module", &CreaTablasModulo}; }

  Table Rows(const std::string& sql) { return QueryRows(*db_, sql); }
  long Count(const std::string& table) { return vb::CLng(Rows("SELECT count(*) FROM " + table)[0][0]); }
  void Add(const std::string& table, const std::string& values) {
    db_->Execute("INSERT INTO " + table + " VALUES (" + values + ")", dao::dbFailOnError);
  }
  // ExisteTabla: the names of the database's tables, refreshed, in upper case.
  bool Exists(const std::string& upper) {
    db_->TableDefs().Refresh();
    for (dao::TableDef& table : db_->TableDefs()) {
      if (vb::UCase(table.Name()) == upper) return true;
    }
    return false;
  }
  // One debt row of F0942DEUDAS or its working copy, values in column order.
  static std::string Debt(const std::string& table) {
    return "INSERT INTO " + table + " VALUES (6, '20100012345', '201003', '0942', 1, '01', '200901', '030701', "
           "'V1', '0', '001001', '000000', '00', #03/15/2010 10:20:30#, 0, #01/01/1901#, 'P1', '100.50', "
           "'20.00', '3.25', '123.75', Null, Null, Null, Null, Null, Null, Null, Null, 0, 0, '00', '123456')";
  }
  int ErrorOf(const std::string& statement) {
    return testsupport::ErrorOf([&] { db_->Execute(statement, dao::dbInconsistent); });
  }

  std::string path_;
  dao::DatabasePtr db_;
};

TEST_F(InstallerTest, ModuleTablesHaveTheirColumnsTypesAndKeys) {
  struct Case {
    const char* table;
    int fields;
    const char* key;
  } cases[] = {{"F0942DEUDAS", 33, "PK_F0942DEUDAS"},     {"HF0942DEUDAS", 34, "PK_HF0942DEUDAS"},
               {"TMP_F0942DEUDAS", 33, "PK_TMP_F0942DEUDAS"}, {"F0942MOTIVO", 12, "PK_F0942MOTIVO"},
               {"HF0942MOTIVO", 13, "PK_HF0942MOTIVO"},   {"TMP_F0942MOTIVO", 12, "PK_TMP_F0942MOTIVO"},
               {"F0942SUSTEN", 20, "PK_F0942SUSTEN"},     {"HF0942SUSTEN", 21, "PK_HF0942SUSTEN"},
               {"TMP_F0942SUSTEN", 20, "PK_TMP_F0942SUSTEN"}, {"F0942GARANTIA", 9, "PK_F0942DEUDAS"}};
  for (const auto& c : cases) {
    EXPECT_TRUE(Exists(c.table)) << c.table;
    EXPECT_EQ(db_->TableDefs()[c.table].FieldCount(), c.fields) << c.table;
    EXPECT_EQ(db_->TableDefs()[c.table].PrimaryKeyName(), c.key) << c.table;
  }
  dao::TableDef& debts = db_->TableDefs()["HF0942DEUDAS"];
  EXPECT_EQ(debts.Fields(5).Name(), "Correl");
  struct Column {
    const char* table;
    const char* field;
    int type;
    long size;
  } columns[] = {{"F0942DEUDAS", "Fec_des_deu", dao::dbDate, 8}, {"F0942DEUDAS", "Num_cuo", dao::dbByte, 1},
                 {"F0942DEUDAS", "Num_doc", dao::dbText, 17},    {"F0942SUSTEN", "num_orden", dao::dbLong, 4},
                 {"F0942GARANTIA", "mto_deuda_garantia", dao::dbText, 15}};
  for (const auto& c : columns) {
    dao::FieldDef& field = db_->TableDefs()[c.table].Fields(c.field);
    EXPECT_EQ(field.Type(), c.type) << c.field;
    EXPECT_EQ(field.Size(), c.size) << c.field;
  }
}

TEST_F(InstallerTest, CatalogueIsHiddenAndDefinitionsSurviveReopening) {
  db_->Close();
  db_ = dao::Engine().OpenDatabase(path_);
  EXPECT_FALSE(Exists("__DAO_CATALOGUE"));
  EXPECT_EQ(db_->TableDefs().Count(), 21);
  for (const char* table : {"F0942DEUDAS", "HF0942DEUDAS", "TMP_F0942DEUDAS"}) {
    std::string zeroLength;
    for (dao::FieldDef& field : db_->TableDefs()[table])
      if (field.AllowZeroLength()) zeroLength += field.Name() + " ";
    EXPECT_EQ(zeroLength, "mto_tributo_c mto_int_cap_c mto_int_c mto_act_c Cod_for_dj Num_ord_dj ") << table;
  }
  EXPECT_EQ(db_->TableDefs()["F0942GARANTIA"].PrimaryKeyName(), "PK_F0942DEUDAS");
  EXPECT_EQ(testsupport::ErrorOf([&] { db_->TableDefs()["F0942DEUDAS"].Fields("Num_cuo").SetAllowZeroLength(true); }),
            dao::kErrInvalidOperation);
}

// A second run: the working copies are dropped and made again, the others exist.
TEST_F(InstallerTest, SecondRunDropsWorkingCopiesAndRefusesExistingTables) {
  db_->Execute(Debt("F0942DEUDAS"));
  for (const char* table : {"TMP_F0942DEUDAS", "TMP_F0942MOTIVO", "TMP_F0942SUSTEN"}) {
    ASSERT_TRUE(Exists(table));
    db_->Execute(std::string("Drop Table ") + table, dao::dbInconsistent);
    EXPECT_FALSE(Exists(table));
  }
  EXPECT_EQ(ErrorOf("CREATE TABLE F0942DEUDAS (tip_doc_d BYTE)"), dao::kErrTableExists);
  EXPECT_EQ(ErrorOf("ALTER TABLE F0942DEUDAS ADD CONSTRAINT PK_F0942DEUDAS PRIMARY KEY (doc_id_d)"),
            dao::kErrPrimaryKeyExists);
  EXPECT_EQ(ErrorOf("Drop Table TMP_F0942DEUDAS"), dao::kErrTableMissing);
  EXPECT_EQ(Count("F0942DEUDAS"), 1);
}

// A guarantee table of an earlier shape (six fields) is dropped and made anew.
TEST_F(InstallerTest, EarlierGuaranteeTableIsReplaced) {
  db_->Execute("Drop Table F0942GARANTIA");
  db_->Execute("CREATE TABLE F0942GARANTIA (tip_doc_d BYTE, doc_id_d TEXT(15), periodo TEXT(6), "
               "formulario TEXT(4), Semana BYTE, ind_garantia TEXT(10))");
  Add("F0942GARANTIA", "6, '1', '201003', '0942', 1, 'SI'");
  dao::RecordsetPtr rs = db_->OpenRecordset("Select * from F0942GARANTIA", dao::dbOpenSnapshot);
  int fields = rs->Fields().Count();
  rs->Close();
  EXPECT_EQ(fields, 6);
  db_->Execute("Drop Table F0942GARANTIA");
  EXPECT_FALSE(Exists("F0942GARANTIA"));
}

// The installer may run while the main program has the file open.
TEST_F(InstallerTest, TablesMadeByAnotherProgramAreSeen) {
  EXPECT_EQ(Count("reportes"), 0);
  dao::DatabasePtr installer = dao::Engine().OpenDatabase(path_);
  installer->Execute("CREATE TABLE Nueva (a TEXT(5), b TEXT(5), c DATE)");
  installer->Close();
  EXPECT_TRUE(Exists("NUEVA"));
  db_->Execute("INSERT INTO Nueva VALUES ('x', 'y')", dao::dbFailOnError);
  EXPECT_EQ(Rows("SELECT * FROM Nueva"), (Table{{"x", "y", "Null"}}));
  EXPECT_EQ(ErrorOf("INSERT INTO Nueva VALUES ('123456')"), dao::kErrFieldTooSmall);
}

TEST_F(InstallerTest, StoredTablesTakeTheirWorkingCopyAndKeepTheirRules) {
  db_->Execute(Debt("TMP_F0942DEUDAS"));
  db_->Execute("INSERT INTO F0942DEUDAS SELECT * FROM TMP_F0942DEUDAS", dao::dbFailOnError);
  EXPECT_EQ(Count("F0942DEUDAS"), 1);
  db_->Execute("UPDATE F0942DEUDAS SET mto_act_c = ''", dao::dbFailOnError);
  EXPECT_EQ(Rows("SELECT mto_act_c FROM F0942DEUDAS"), (Table{{""}}));
  EXPECT_EQ(ErrorOf("UPDATE F0942DEUDAS SET mto_act_s = ''"), dao::kErrZeroLength);
  std::string otherPeriod = Debt("F0942DEUDAS");
  otherPeriod.replace(otherPeriod.find("'201003'"), 8, "'201004'");
  EXPECT_EQ(ErrorOf(otherPeriod), dao::kErrDuplicateKey);
}

TEST_F(InstallerTest, RegistrationWritesParametersReportsAndSendEntries) {
  Add("PARAM", "'404', '20100101', '00003500.00', '013'");
  Add("PARAM", "'728', '0942', 'x', '000'");
  auto grabaParametro = [&](const std::string& n, const std::string& a, const std::string& f, const std::string& c) {
    dao::RecordsetPtr rs =
        db_->OpenRecordset("Select * from Param Where Numero='" + n + "' AND Argumento='" + a + "'", dao::dbOpenSnapshot);
    bool exists = !rs->Eof();
    rs->Close();
    if (exists) {
      db_->Execute("Update Param Set Funcion='" + f + "', Correl_param='" + c + "' Where Numero='" + n +
                       "' AND Argumento='" + a + "'",
                   dao::dbInconsistent);
    } else {
      db_->Execute("insert into Param " + std::string("values ('") + n + "','" + a + "','" + f + "','" + c + "')",
                   dao::dbInconsistent);
    }
  };
  grabaParametro("404", "20100101", "00003600.00", "000");
  grabaParametro("856", "0942", "1.5 05/01/2016     790", "000");
  grabaParametro("992", "0942", "2", "");
  db_->Execute("Delete from Param where numero='728'", dao::dbInconsistent);
  db_->Execute("Delete from reportes where codrep='F36001'", dao::dbInconsistent);
  db_->Execute("insert into reportes " + std::string("values ('F36001','Reporte del formulario - 0942',1)"));
  db_->Execute("Delete from envio_t where FORMULARIO= '" + std::string("0942") + "'", dao::dbInconsistent);
  db_->Execute("insert into envio_t values ( '0942','F0942DEUDAS',' ','EXT',1,1,1,2,3,4,5,6,7)", dao::dbInconsistent);
  db_->Execute("Update envio_t set  tabla_d = ' ', tabla_ext = 'EXT2', indice=2, obliga=1, c_tip_doc_d=1, "
               "c_doc_id_d =2, c_Formulario=3, c_periodo=4, c_estado=5, c_envio=6, c_semana=7 "
               "Where formulario='0942' AND tabla_o='F0942DEUDAS'",
               dao::dbInconsistent);
  EXPECT_EQ(Rows("SELECT * FROM PARAM ORDER BY Numero"),
            (Table{{"404", "20100101", "00003600.00", "000"},
                   {"856", "0942", "1.5 05/01/2016     790", "000"},
                   {"992", "0942", "2", ""}}));
  EXPECT_EQ(Rows("SELECT * FROM reportes"), (Table{{"F36001", "Reporte del formulario - 0942", "1"}}));
  EXPECT_EQ(Rows("Select * from envio_t Where formulario='0942' AND tabla_o='F0942DEUDAS'"),
            (Table{{"0942", "F0942DEUDAS", " ", "EXT2", "2", "1", "1", "2", "3", "4", "5", "6", "7"}}));
  // An apostrophe breaks the quoted text: the statement is refused, nothing written.
  EXPECT_EQ(ErrorOf("insert into Param values ('880','O'Brien','x','000')"), dao::kErrSyntaxInExpression);
}

// The parameter file goes in through a recordset, so its values may hold apostrophes.
TEST_F(InstallerTest, ParameterFileRowsAreAddedOrEditedThroughARecordset) {
  auto carga = [&](const std::string& numero, const std::string& argumento, const std::string& funcion, int correl) {
    dao::RecordsetPtr rs = db_->OpenRecordset("Select * From PARAM where numero='" + numero + "'" +
                                             " and argumento= '" + argumento + "'",
                                         dao::dbOpenDynaset);
    if (rs->Eof()) {
      rs->AddNew();
      rs->Fields()["Numero"] = numero;
      rs->Fields()["Argumento"] = argumento;
    } else {
      rs->Edit();
    }
    rs->Fields()["Funcion"] = funcion;
    rs->Fields()["Correl_Param"] = vb::Format(vb::Variant(correl), "000");
    rs->Update();
    rs->Close();
  };
  carga("728", "0942", "030701 2010 D'Alessio", 5);
  carga("728", "0942", "030701 2011", 6);
  EXPECT_EQ(Rows("SELECT * FROM PARAM"), (Table{{"728", "0942", "030701 2011", "006"}}));
}

}  // namespace
}  // namespace nuvia::testing

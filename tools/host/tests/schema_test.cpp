#include "tools/host/host_tables.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/dao/dao.h"
#include "platform/testsupport/error_of.h"
#include "platform/testsupport/shared_template.h"
#include "platform/testsupport/temp_folder.h"
#include "tools/host/host_database.h"
#include "tools/host/tests/test_support.h"

namespace host {
namespace {

using testing::QueryRows;
using testing::Rows;
using testsupport::TempFolder;

struct Column {
  std::string name;
  int type;
  long size;
  friend bool operator==(const Column&, const Column&) = default;
};

std::ostream& operator<<(std::ostream& out, const Column& c) {
  return out << c.name << " " << c.type << "(" << c.size << ")";
}

Column Byte(const char* name) { return {name, dao::dbByte, 1}; }
Column Text(const char* name, long size) { return {name, dao::dbText, size}; }
Column Double(const char* name) { return {name, dao::dbDouble, 8}; }

std::vector<Column> KeyHead() {
  return {Byte("tip_doc_d"), Text("doc_id_d", 15), Text("periodo", 6), Text("formulario", 4),
          Byte("Semana")};
}

std::vector<Column> Join(std::vector<Column> head, const std::vector<Column>& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

std::vector<Column> HeaderTail() {
  return {Text("fec_pro", 10),   Byte("bcolibrad"), Text("nrocheque", 15), Text("efectivo", 15),
          Text("cheque", 15),    Byte("Rectifica"), Byte("estado"),        Text("cNumero", 6)};
}

std::vector<Column> BoxTail() {
  return {Text("i_valor", 50), Text("idcasilla", 2), Text("estado", 1), Text("cNumero", 6)};
}

struct Expected {
  const char* table;
  std::vector<Column> columns;
  const char* keyName;
};

// The check codes of header rows take the first 5 fields as numbers and those of box
// rows the first 6, and store the code in the last one: these orders are fixed.
std::vector<Expected> ExpectedTables() {
  return {
      {"CAB", Join(KeyHead(), HeaderTail()), "PK_CAB"},
      {"DET", Join(Join(KeyHead(), {Text("Casilla", 4)}), BoxTail()), "PK_DET"},
      {"HCAB", Join(Join(KeyHead(), {Text("Correl", 3)}), HeaderTail()), "PK_HCAB"},
      {"HDET", Join(Join(KeyHead(), {Text("Casilla", 4), Text("Correl", 3)}), BoxTail()), "PK_HDET"},
      {"CONT",
       {Byte("tip_doc_d"), Text("doc_id_d", 15), Text("nombre", 100), Text("usuario", 20)},
       "PK_CONT"},
      {"PARAM",
       {Text("Numero", 3), Text("Argumento", 20), Text("Funcion", 255), Text("Correl_Param", 3)},
       "PK_PARAM"},
      {"CLAVES", {Text("Usuario", 20), Text("Tipo", 1)}, "PK_CLAVES"},
      {"SPOOL",
       {Text("CodRep", 10), Text("Secuencia", 6), Text("Archivo", 12), {"Fecha", dao::dbDate, 8},
        Text("Usuario", 20), {"tip_doc_d", dao::dbInteger, 2}, Text("doc_id_d", 15)},
       "PK_SPOOL"},
      {"envio_t",
       {Text("FORMULARIO", 4), Text("tabla_o", 30), Text("tabla_d", 30), Text("tabla_ext", 30),
        Byte("indice"), Byte("obliga"), Byte("c_tip_doc_d"), Double("c_doc_id_d"),
        Double("c_Formulario"), Double("c_periodo"), Double("c_estado"), Double("c_envio"),
        Double("c_semana")},
       "PK_envio_t"},
      {"reportes", {Text("codrep", 10), Text("desrep", 60), Byte("indrep")}, "PK_reportes"},
  };
}

class HostTablesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(testsupport::SharedTemplate("host-tables.mdb", MakeTables), temp_ / "TESCA.MDB");
    db_ = dao::Engine().Workspaces(0).OpenDatabase(temp_ / "TESCA.MDB");
  }
  static void MakeTables(const std::string& path) {
    dao::DatabasePtr db = dao::Engine().Workspaces(0).CreateDatabase(path);
    CreateHostTables(*db);
    db->Close();
  }
  void TearDown() override {
    if (db_) db_->Close();
  }

  int ErrorOf(const std::string& sql) {
    return testsupport::ErrorOf([&] { db_->Execute(sql, dao::dbFailOnError); });
  }

  TempFolder temp_;
  dao::DatabasePtr db_;
};

TEST_F(HostTablesTest, EveryHostTableHasItsColumnsAndTypesInTheFixedOrder) {
  std::vector<Expected> expected = ExpectedTables();
  ASSERT_EQ(db_->TableDefs().Count(), static_cast<int>(expected.size()));
  for (const Expected& table : expected) {
    dao::TableDef& def = db_->TableDefs()[table.table];
    EXPECT_EQ(def.Name(), table.table);
    EXPECT_EQ(def.PrimaryKeyName(), table.keyName);
    std::vector<Column> actual;
    for (dao::FieldDef& field : def) actual.push_back({field.Name(), field.Type(), field.Size()});
    EXPECT_EQ(actual, table.columns) << table.table;
  }
}

TEST_F(HostTablesTest, KeyTextsRefuseTheEmptyStringAndOtherTextsAcceptIt) {
  for (const HostTable& table : HostTables()) {
    for (dao::FieldDef& field : db_->TableDefs()[table.name]) {
      if (field.Type() != dao::dbText) continue;
      EXPECT_EQ(field.AllowZeroLength(), !IsKeyColumn(table, field.Name()))
          << table.name << "." << field.Name();
    }
  }
  EXPECT_EQ(ErrorOf("INSERT INTO CONT VALUES (6, '', 'SIN NUMERO', 'USUARIO')"), 3315);
  EXPECT_EQ(ErrorOf("INSERT INTO DET VALUES (6, '20456712348', '201003', '0942', 1, '506', '', "
                    "'01', '9', '123456')"),
            0);
}

TEST_F(HostTablesTest, KeysRefuseASecondDeclarationOrBoxOfTheSameKey) {
  const std::string header = "INSERT INTO CAB (tip_doc_d, doc_id_d, periodo, formulario, Semana) "
                             "VALUES (6, '20456712348', '201003', '0942', ";
  EXPECT_EQ(ErrorOf(header + "1)"), 0);
  EXPECT_EQ(ErrorOf(header + "2)"), 0);
  EXPECT_EQ(ErrorOf(header + "1)"), 3022);
  const std::string box = "INSERT INTO HDET (tip_doc_d, doc_id_d, periodo, formulario, Semana, "
                          "Casilla, Correl) VALUES (6, '20456712348', '201003', '0942', 1, '500', ";
  EXPECT_EQ(ErrorOf(box + "'001')"), 0);
  EXPECT_EQ(ErrorOf(box + "'002')"), 0);
  EXPECT_EQ(ErrorOf(box + "'001')"), 3022);
}

// The module's installer writes PARAM, reportes and envio_t without naming columns.
TEST_F(HostTablesTest, InstallersStatementsFitTheRegistryTables) {
  const char* statements[] = {
      "insert into Param values ('404','20100101','00003600.00','000')",
      "insert into Param values ('992','0942','2','')",
      "Update Param Set Funcion='00003600.00', Correl_param='000' Where Numero='404' AND "
      "Argumento='20100101'",
      "Delete from reportes where codrep='F36004'",
      "insert into reportes values ('F36004','Resumen de envio de información - 0942',1)",
      "Delete from envio_t where FORMULARIO= '0942'",
      "insert into envio_t values ( '0942','HF0942DEUDAS',' ','F0942DEUDAS',1,2,3,4,5,6,7,8,9)",
      "Update envio_t set  tabla_d = ' ', tabla_ext = '', indice=1, obliga=1, c_tip_doc_d=1, "
      "c_doc_id_d =2, c_Formulario=3, c_periodo=4, c_estado=5, c_envio=6, c_semana=7 Where "
      "formulario='0942' AND tabla_o='HF0942DEUDAS'",
  };
  for (const char* sql : statements) EXPECT_EQ(ErrorOf(sql), 0) << sql;
  EXPECT_EQ(QueryRows(*db_, "SELECT * FROM Param ORDER BY Numero"),
            (Rows{{"404", "20100101", "00003600.00", "000"}, {"992", "0942", "2", ""}}));
  EXPECT_EQ(QueryRows(*db_, "SELECT * FROM reportes"),
            (Rows{{"F36004", "Resumen de envio de información - 0942", "1"}}));
  EXPECT_EQ(QueryRows(*db_, "SELECT * FROM envio_t"),
            (Rows{{"0942", "HF0942DEUDAS", " ", "", "1", "1", "1", "2", "3", "4", "5", "6", "7"}}));
}

// A spool file is registered the way the printing code does it: the highest
// sequence of the report, the highest file number, then a new row.
TEST_F(HostTablesTest, SpoolRegistrationFitsTheSpoolTable) {
  EXPECT_EQ(QueryRows(*db_, "SELECT max(Secuencia) as SecTipo FROM SPOOL Where CodRep = 'F36001'"),
            (Rows{{""}}));
  dao::RecordsetPtr rs = db_->OpenRecordset("SELECT * FROM SPOOL", dao::dbOpenDynaset);
  rs->AddNew();
  (*rs)("CodRep") = "F36001";
  (*rs)("secuencia") = "000001";
  (*rs)("Archivo") = "00000001.PRN";
  (*rs)("Fecha") = vb::DateSerial(2010, 3, 19);
  (*rs)("Usuario") = "USUARIO";
  (*rs)("tip_doc_d") = vb::Variant::Integer(6);
  (*rs)("doc_id_d") = "20456712348";
  rs->Update();
  rs->Close();
  EXPECT_EQ(QueryRows(*db_, "SELECT max(left(Archivo,8)) as SecRep FROM SPOOL"),
            (Rows{{"00000001"}}));
  EXPECT_EQ(ErrorOf("INSERT INTO SPOOL (CodRep, Secuencia, Archivo) VALUES ('F36002', '000001', "
                    "'00000001.PRN')"),
            3022);
}

}  // namespace
}  // namespace host

#include "platform/dao/tests/dao_fixture.h"

#include <filesystem>

#include "platform/testsupport/shared_template.h"
#include "platform/vb/conv.h"

namespace dao::testing {
namespace {

const char* kKeyHead = "tip_doc_d BYTE, doc_id_d TEXT(15), periodo TEXT(6), formulario TEXT(4), ";

std::string DebtColumns(bool history) {
  return std::string(kKeyHead) + "semana BYTE, " + (history ? "Correl TEXT(3), " : "") +
         "Ind_tip_deu TEXT(2), per_doc TEXT(6), cod_tri TEXT(6), Num_doc TEXT(17), Cod_for TEXT(4), "
         "Cod_tip_doc TEXT(6), Cod_tri_aso TEXT(6), Ind_ver_deu TEXT(2), Fec_des_deu DATE, "
         "Num_cuo BYTE, Fec_ult_cap DATE, Num_pro TEXT(14), mto_tributo_s TEXT(15), "
         "mto_int_cap_s TEXT(15), mto_int_s TEXT(15), mto_act_s TEXT(15), ind_acog BYTE, "
         "ind_conf BYTE, mto_tributo_c TEXT(15), mto_int_cap_c TEXT(15), mto_int_c TEXT(15), "
         "mto_act_c TEXT(15), Cod_for_dj TEXT(4), Num_ord_dj TEXT(8), Ind_valor BYTE, "
         "Ind_deuda_dj BYTE, Ind_impugnado TEXT(2), cnumero TEXT(6)";
}

std::string MotiveColumns(bool history) {
  return std::string(kKeyHead) + "Semana BYTE, " + (history ? "Correl TEXT(3), " : "") +
         "Ind_tip_deu TEXT(2), per_doc TEXT(6), cod_tri TEXT(6), num_doc TEXT(17), cod_for TEXT(4), "
         "cod_motivo BYTE";
}

void CreateFamily(Database& db, const std::string& table, const std::string& stored,
                  const std::string& history, const std::string& keyTail) {
  std::string head = "doc_id_d, semana, ";
  db.Execute("CREATE TABLE " + table + " (" + stored + ")", 16);
  db.Execute("ALTER TABLE " + table + " ADD CONSTRAINT PK_" + table + " PRIMARY KEY (" + head + keyTail + ")", 16);
  db.Execute("CREATE TABLE H" + table + " (" + history + ")", 16);
  db.Execute("ALTER TABLE H" + table + " ADD CONSTRAINT PK_H" + table + " PRIMARY KEY (" + head + "Correl, " +
                 keyTail + ")",
             16);
  db.Execute("CREATE TABLE TMP_" + table + " (" + stored + ")", 16);
  db.Execute("ALTER TABLE TMP_" + table + " ADD CONSTRAINT PK_TMP_" + table + " PRIMARY KEY (" + head +
                 keyTail + ")",
             16);
}

}  // namespace

void CreateModuleTables(Database& db) {
  CreateFamily(db, "F0942DEUDAS", DebtColumns(false), DebtColumns(true),
               "Ind_tip_deu, Per_doc, Cod_tri, Num_doc, Cod_for, Cod_tip_doc, Cod_tri_aso");
  std::string motiveKey = "Ind_tip_deu, Per_doc, Cod_tri, Num_doc, Cod_for, cod_motivo";
  CreateFamily(db, "F0942MOTIVO", MotiveColumns(false) + ", cnumero TEXT(6)",
               MotiveColumns(true) + ", cnumero TEXT(6)", motiveKey);
  std::string support =
      ", num_sust BYTE, cod_formulario TEXT(4), num_orden INTEGER, num_res TEXT(16), tip_impug BYTE, "
      "num_exp TEXT(16), des_otros TEXT(30), fec_pago TEXT(10), cnumero TEXT(6)";
  CreateFamily(db, "F0942SUSTEN", MotiveColumns(false) + support, MotiveColumns(true) + support,
               motiveKey + ", num_sust");
  db.Execute(std::string("CREATE TABLE F0942GARANTIA (") + kKeyHead +
                 "Semana BYTE, ind_garantia TEXT(10), ind_persona TEXT(5), mto_deuda TEXT(15), "
                 "mto_deuda_garantia TEXT(15))",
             16);
  db.Execute("ALTER TABLE F0942GARANTIA ADD CONSTRAINT PK_F0942DEUDAS PRIMARY KEY "
             "(tip_doc_d, doc_id_d, periodo, formulario, semana)",
             16);
  for (const char* table : {"F0942DEUDAS", "HF0942DEUDAS", "TMP_F0942DEUDAS"}) {
    for (const char* field : {"Mto_tributo_c", "Mto_int_c", "Mto_int_cap_c", "Mto_act_c", "Cod_for_dj", "Num_ord_dj"})
      db.TableDefs()[table].Fields(field).SetAllowZeroLength(true);
  }
}

void CreateHostTables(Database& db) {
  const char* key = "tip_doc_d BYTE, doc_id_d TEXT(15), periodo TEXT(6), Formulario TEXT(4), Semana BYTE, ";
  std::string cabTail =
      "fec_pro TEXT(10), bcolibrad BYTE, nrocheque TEXT(10), efectivo TEXT(10), cheque TEXT(10), "
      "Rectifica BYTE, estado BYTE, cNumero TEXT(6)";
  std::string detTail = "Casilla TEXT(3), i_valor TEXT(30), idcasilla TEXT(2), estado TEXT(1), cNumero TEXT(6)";
  db.Execute(std::string("CREATE TABLE CAB (") + key + cabTail +
             ", CONSTRAINT PK_CAB PRIMARY KEY (tip_doc_d, doc_id_d, periodo, Formulario, Semana))");
  db.Execute(std::string("CREATE TABLE HCAB (") + key + "correl TEXT(3), " + cabTail +
             ", CONSTRAINT PK_HCAB PRIMARY KEY (tip_doc_d, doc_id_d, periodo, Formulario, Semana, correl))");
  db.Execute(std::string("CREATE TABLE DET (") + key + detTail +
             ", CONSTRAINT PK_DET PRIMARY KEY (tip_doc_d, doc_id_d, periodo, Formulario, Semana, Casilla))");
  db.Execute(std::string("CREATE TABLE HDET (") + key + "correl TEXT(3), " + detTail +
             ", CONSTRAINT PK_HDET PRIMARY KEY (tip_doc_d, doc_id_d, periodo, Formulario, Semana, correl, "
             "Casilla))");
  db.Execute("CREATE TABLE CONT (tip_doc_d BYTE, doc_id_d TEXT(15), nombre TEXT(60), usuario TEXT(20))");
  db.Execute("CREATE TABLE PARAM (Numero TEXT(3), Argumento TEXT(20), Funcion TEXT(255), "
             "Correl_Param TEXT(3), Estado TEXT(1))");
  db.TableDefs()["PARAM"].Fields("Correl_Param").SetAllowZeroLength(true);
  db.Execute("CREATE TABLE CLAVES (Usuario TEXT(20), Tipo TEXT(1))");
  db.Execute("CREATE TABLE SPOOL (CodRep TEXT(6), Secuencia TEXT(6), Archivo TEXT(12), Fecha DATE, "
             "Usuario TEXT(20), tip_doc_d SHORT, doc_id_d TEXT(15))");
  db.Execute("CREATE TABLE envio_t (FORMULARIO TEXT(4), tabla_o TEXT(20), tabla_d TEXT(20), "
             "tabla_ext TEXT(20), indice BYTE, obliga BYTE, c_tip_doc_d BYTE, c_doc_id_d DOUBLE, "
             "c_Formulario DOUBLE, c_periodo DOUBLE, c_estado DOUBLE, c_envio DOUBLE, c_semana DOUBLE)");
  db.Execute("CREATE TABLE reportes (codrep TEXT(6), descripcion TEXT(60), tipo SHORT)");
}

std::string DebtInsert(const std::string& table, const std::string& ruc, int semana, const std::string& tipDeu,
                       const std::string& perDoc, const std::string& codTri, const std::string& numDoc,
                       const std::string& verDeu, const std::string& acog, const std::string& mtoActC) {
  std::string correl = table[0] == 'H' ? ", '001'" : "";
  return "INSERT INTO " + table + " VALUES (6, '" + ruc + "', '201003', '0942', " + std::to_string(semana) +
         correl + ", '" + tipDeu + "', '" + perDoc + "', '" + codTri + "', '" + numDoc + "', '0', '001001', '000000', '" +
         verDeu + "', #03/15/2010 10:20:30#, 0, #01/01/1901#, 'P1', '100.50', '20.00', '3.25', '123.75', " + acog +
         ", Null, Null, Null, Null, " + mtoActC + ", Null, Null, 0, 0, '00', '123456')";
}

// The tables are made once per test program and each test starts from a copy.
void MakeTemplate(const std::string& path) {
  DatabasePtr db = Engine().CreateDatabase(path);
  CreateModuleTables(*db);
  CreateHostTables(*db);
  db->Close();
}

void DaoTest::SetUp() {
  path_ = folder_ / "tesca.db";
  std::filesystem::copy_file(testsupport::SharedTemplate("tables.db", MakeTemplate), path_);
  db_ = Engine().OpenDatabase(path_);
}

void DaoTest::TearDown() {
  Engine().Workspaces(0).RollbackAll();
  if (db_) db_->Close();
}

std::vector<std::vector<std::string>> DaoTest::Rows(const std::string& sql) {
  return QueryRows(*db_, sql);
}

long DaoTest::Count(const std::string& table) {
  RecordsetPtr rs = db_->OpenRecordset("SELECT count(*) FROM " + table, dbOpenSnapshot);
  return rs->Fields()[0].Value().ToLong();
}

void DaoTest::Add(const std::string& table, const std::string& values) {
  db_->Execute("INSERT INTO " + table + " VALUES (" + values + ")", dbFailOnError);
}

std::string Pad(const std::string& text, std::size_t length) {
  std::string padded = text;
  padded.resize(length, ' ');
  return padded;
}

std::string Funcion(const std::string& text, int at, const std::string& flags) {
  std::string funcion = text;
  if (at > 0) {
    funcion.resize(static_cast<std::size_t>(at - 1), ' ');
    funcion += flags;
  }
  return funcion;
}

void DeclarationTest::AddDebt(const std::string& table, const std::string& tipDeu, const std::string& perDoc,
                              const std::string& codTri, const std::string& numDoc, const std::string& verDeu,
                              const std::string& acog, const std::string& mtoActC) {
  db_->Execute(DebtInsert(table, kRuc, 1, tipDeu, perDoc, codTri, numDoc, verDeu, acog, mtoActC), dbFailOnError);
}

void DeclarationTest::SetUp() {
  DaoTest::SetUp();
  Engine().BeginTrans();
  Add("CONT", "6, '20100012345', 'ACME SA', 'ANA'");
  Add("CONT", "6, '20500099999', 'BETA SRL', 'LUIS'");
  Add("CLAVES", "'ANA', '1'");
  Add("CLAVES", "'ADMIN', '0'");
  std::string cab = "6, '20100012345', '201003', '0942', 1, ";
  std::string tail = "Null, 1, '15/03/2010', '20/03/2010', '1', 0, 9, '123456'";
  Add("CAB", cab + tail);
  Add("CAB", "6, '20500099999', '201002', '0942', 2, " + tail);
  Add("HCAB", cab + "'001', " + tail);
  for (const char* box : {"'500', '1000'", "'501', '0'", "'506', '1'", "'721', '1.5'"}) {
    Add("DET", cab + box + ", '01', Null, '111111'");
    Add("HDET", cab + "'001', " + box + ", '01', Null, '111111'");
  }
  const std::vector<std::pair<std::string, std::string>> params = {
      {"044", "6"}, {"727", "1"}, {"727", "2"}, {"725", "030701"}, {"725", "010101"}, {"725", "052209"},
      {"726", "001000"}, {"726", "001004"}, {"726", "002001"}, {"404", "20090101"}, {"404", "20100101"},
      {"728", "0942"}, {"856", "0942"}, {"724", "16"}, {"729", "3071"}};
  const std::vector<std::string> funciones = {
      Funcion("", 31, "R.U.C.      "),
      "TESORO",
      "ESSALUD",
      Funcion("RENTA DE TERCERA", 59, "1 11000  1"),
      Funcion("IMPUESTO GENERAL A LAS VENTAS", 59, "0 11000  1"),
      Funcion("REFT CUOTA", 59, "0 10000  1"),
      Funcion("", 22, "orden de pago"),
      Funcion("", 22, "reft cuota"),
      Funcion("", 22, "resolucion de multa"),
      "00003550.00",
      "00003600.00",
      "030701 2010",
      "1.5 05/01/2016     790",
      "DEUDA EN COBRANZA COACTIVA",
      "01000"};
  for (std::size_t i = 0; i < params.size(); ++i)
    Add("PARAM", "'" + params[i].first + "', '" + params[i].second + "', '" + funciones[i] + "', '000'");
  AddDebt("F0942DEUDAS", "01", "200901", "030701", "V1", "00", "1", "'1000'");
  AddDebt("HF0942DEUDAS", "01", "200901", "030701", "V1", "00", "1", "'1000'");
  Engine().CommitTrans();
}

}  // namespace dao::testing

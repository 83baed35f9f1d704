#include "platform/dao/tests/dao_fixture.h"
#include "platform/vb/conv.h"

namespace dao::testing {
namespace {

class DebtsTest : public DeclarationTest {
 protected:
  // One line of a debt file as the loader stores it: field by field, by name.
  void LoadLine(const std::string& tipDeu, const std::string& numDoc, const std::string& numPro = "P1") {
    RecordsetPtr rs = db_->OpenRecordset("F0942DEUDAS", dbOpenDynaset);
    rs->AddNew();
    rs->Fields()["tip_doc_d"] = 6;
    rs->Fields()["doc_id_d"] = "20500099999";
    rs->Fields()["periodo"] = "201005";
    rs->Fields()["Formulario"] = "0942";
    rs->Fields()["Semana"] = vb::Variant::Byte(2);
    rs->Fields()["ind_tip_deu"] = tipDeu.empty() ? "05" : tipDeu;
    rs->Fields()["per_doc"] = tipDeu.empty() ? "200508" : "201003";
    for (const char* field : {"cod_tri", "cod_for", "cod_tip_doc", "cod_tri_aso", "ind_ver_deu"})
      rs->Fields()[field] = tipDeu.empty() ? vb::Variant(0) : vb::Variant("0");
    rs->Fields()["num_doc"] = numDoc;
    rs->Fields()["Fec_ult_cap"] = "01/01/1901";
    rs->Fields()["fec_des_deu"] = "15/05/2010 10:20:30";
    rs->Fields()["num_cuo"] = "0";
    rs->Fields()["num_pro"] = numPro;
    rs->Fields()["mto_tributo_s"] = "100.50";
    rs->Fields()["ind_acog"] = 2;
    rs->Fields()["mto_act_c"] = "0.00";
    checkTypes_.clear();
    for (Field& field : rs->Fields()) checkTypes_ += std::to_string(vb::VarType(field.Value())) + " ";
    try {
      rs->Update();
    } catch (...) {
      rs->CancelUpdate();
      throw;
    }
  }
  std::string checkTypes_;
};

// The import loads every line and the header rows in one transaction; a line
// refused rolls the whole file back.
TEST_F(DebtsTest, ImportStoresLinesAndHeaderOrNothing) {
  Workspace& ws = Engine().Workspaces(0);
  ws.BeginTrans();
  LoadLine("01", "V9");
  EXPECT_EQ(checkTypes_, "17 8 8 8 17 8 8 8 8 8 8 8 8 7 17 7 8 8 1 1 1 17 1 1 1 1 8 1 1 1 1 1 1 ");
  LoadLine("", "0");
  EXPECT_EQ(ErrorOf([&] { LoadLine("", "0"); }), kErrDuplicateKey);
  ws.Rollback();
  EXPECT_EQ(Count("F0942DEUDAS WHERE doc_id_d = '20500099999'"), 0);

  ws.BeginTrans();
  LoadLine("01", "V9");
  EXPECT_EQ(ErrorOf([&] { LoadLine("02", "V8", ""); }), kErrZeroLength);
  for (const char* table : {"CAB", "DET", "F0942GARANTIA"}) {
    RecordsetPtr rs = db_->OpenRecordset(table);
    EXPECT_EQ(rs->Type(), dbOpenTable);
    rs->AddNew();
    rs->Fields()["tip_doc_d"] = 6;
    rs->Fields()["doc_id_d"] = "20500099999";
    rs->Fields()["periodo"] = "201005";
    rs->Fields()["Formulario"] = "0942";
    rs->Fields()["Semana"] = 2;
    if (std::string(table) == "DET") rs->Fields()["Casilla"] = "513";
    if (std::string(table) == "CAB") rs->Fields()["estado"] = 9;
    rs->Update();
  }
  ws.CommitTrans();
  EXPECT_EQ(Rows("SELECT 'x' FROM CAB WHERE tip_doc_d = 6  AND doc_id_d = '20500099999' AND periodo = '201005' "
                 "AND formulario = '0942' AND Semana = 2"),
            (Table{{"x"}}));
  EXPECT_EQ(Rows("SELECT Num_doc, Fec_ult_cap, fec_des_deu FROM F0942DEUDAS WHERE doc_id_d = '20500099999'"),
            (Table{{"V9", "01/01/1901", "15/05/2010 10:20:30 a.m."}}));
}

// The answer to a reported debt: its row edited, its motives and supporting data
// deleted and written again, all in one transaction.
TEST_F(DebtsTest, AnswerReplacesMotivesAndSupportingData) {
  AddDebt("TMP_F0942DEUDAS", "01", "200901", "030701", "V1", "00");
  std::string motive = "6, '20100012345', '201003', '0942', 1, '01', '200901', '030701', 'V1', '0', ";
  Add("TMP_F0942MOTIVO", motive + "1, '111111'");
  Add("TMP_F0942SUSTEN", motive + "1, 1, '0621', 12345, '0', 0, '0', '-', '05/01/2010', '222222'");
  Add("TMP_F0942SUSTEN", motive + "1, 2, '0621', 12346, '0', 0, '0', '-', '06/01/2010', '222222'");
  std::string motives = std::string("SELECT a.cod_motivo, b.cod_formulario, b.num_orden, b.num_res, b.tip_impug, ") +
                        "b.num_exp, b.des_otros, b.Fec_pago " + "FROM TMP_F0942MOTIVO a, TMP_F0942SUSTEN b " +
                        "WHERE a.doc_id_d = b.doc_id_d " + "AND a.semana = b.semana " +
                        "AND a.ind_tip_deu = b.ind_tip_deu " + "AND a.per_doc = b.per_doc " +
                        "AND a.cod_tri = b.cod_tri " + "AND a.num_doc = b.num_doc " + "AND a.cod_for = b.cod_for " +
                        "AND a.cod_motivo = b.cod_motivo " + "AND a.doc_id_d = '20100012345' " +
                        "AND a.semana = 1 AND a.ind_tip_deu = '01' " + "AND a.per_doc = '200901' " +
                        "AND a.cod_tri = '030701' " + "AND a.num_doc = 'V1' " + "AND a.cod_for = '0' " + "ORDER BY 1 ;";
  EXPECT_EQ(Rows(motives), (Table{{"1", "0621", "12345", "0", "0", "0", "-", "05/01/2010"},
                                  {"1", "0621", "12346", "0", "0", "0", "-", "06/01/2010"}}));
  RecordsetPtr read = db_->OpenRecordset(motives, dbOpenForwardOnly);
  EXPECT_EQ(vb::VarType(read->Fields()["num_orden"].Value()), vb::vbLong);

  Engine().BeginTrans();
  RecordsetPtr debt = db_->OpenRecordset(
      "SELECT * FROM TMP_F0942DEUDAS WHERE doc_id_d = '20100012345' AND Semana = 1 AND Ind_tip_deu = '01' "
      "AND per_doc = '200901' AND cod_tri = '030701' AND num_doc = 'V1' AND cod_for = '0'",
      dbOpenDynaset);
  debt->Edit();
  debt->Fields()["ind_acog"] = 1;
  debt->Fields()["ind_conf"] = 2;
  debt->Fields()["mto_tributo_c"] = "1235";
  debt->Fields()["mto_int_cap_c"] = "12.30";
  debt->Update();
  std::string debtKey = "WHERE doc_id_d = '20100012345' AND Semana = 1 AND Ind_tip_deu = '01' AND per_doc = '200901' "
                        "AND cod_tri = '030701' AND num_doc = 'V1' AND cod_for = '0' AND cod_motivo = 1";
  db_->Execute("DELETE FROM TMP_F0942MOTIVO " + debtKey, dbFailOnError);
  db_->Execute("DELETE FROM TMP_F0942SUSTEN " + debtKey, dbFailOnError);
  RecordsetPtr motiveRows = db_->OpenRecordset("TMP_F0942MOTIVO");
  motiveRows->AddNew();
  for (const char* field : {"tip_doc_d", "semana", "cod_motivo"}) motiveRows->Fields()[field] = field[0] == 't' ? 6 : 1;
  motiveRows->Fields()["doc_id_d"] = "20100012345";
  motiveRows->Fields()["periodo"] = "201003";
  motiveRows->Fields()["formulario"] = "0942";
  motiveRows->Fields()["ind_tip_deu"] = "01";
  motiveRows->Fields()["per_doc"] = "200901";
  motiveRows->Fields()["cod_tri"] = "030701";
  motiveRows->Fields()["num_doc"] = "V1";
  motiveRows->Fields()["cod_for"] = "0";
  motiveRows->Update();
  Engine().CommitTrans();
  EXPECT_EQ(Rows(motives), Table{});
  EXPECT_EQ(Rows("SELECT ind_acog, ind_conf, mto_tributo_c, mto_int_cap_c FROM TMP_F0942DEUDAS"),
            (Table{{"1", "2", "1235", "12.30"}}));
  EXPECT_EQ(Count("TMP_F0942MOTIVO"), 1);
}

TEST_F(DebtsTest, CodeListsFollowTheEntityAndDebtType) {
  Add("PARAM", "'726', '002002', '" + Funcion("MULTA") + "', '000'");
  EXPECT_EQ(Rows(std::string("SELECT argumento, left(funcion,40) ") + "FROM PARAM " + "WHERE numero = '725' " +
                 "AND mid(funcion,62,1) = '1' " + "AND mid(funcion,68,1) = '1' " + "ORDER BY argumento "),
            (Table{{"010101", Pad("IMPUESTO GENERAL A LAS VENTAS", 40)}, {"030701", Pad("RENTA DE TERCERA", 40)}}));
  EXPECT_EQ(Rows(std::string("SELECT argumento, left(funcion,40) ") + "FROM PARAM " + "WHERE numero = '725' " +
                 "AND mid(funcion,61,1) = '1' " + "AND mid(argumento,1,2) <> '06' " + "ORDER BY argumento "),
            (Table{{"010101", Pad("IMPUESTO GENERAL A LAS VENTAS", 40)},
                   {"030701", Pad("RENTA DE TERCERA", 40)},
                   {"052209", Pad("REFT CUOTA", 40)}}));
  EXPECT_EQ(Rows(std::string("SELECT * ") + "FROM PARAM " + "WHERE numero = '729' " + "AND argumento = '3071' " +
                 "AND mid(funcion,2,1) = '1' ")
                .size(),
            1u);
  std::string documents = std::string("SELECT argumento, Left(funcion,48) ") + "FROM PARAM " + "WHERE numero = '726' ";
  EXPECT_EQ(Rows(documents + " AND Left(argumento,3) in  ('002', '102', '112') " + " AND Right(argumento,1) = '1' " +
                 " AND Left(argumento,2) in  ('00') "),
            (Table{{"002001", Pad("", 21) + "resolucion de multa"}}));
  EXPECT_EQ(Rows(documents + " AND Left(argumento,3) not in  ('002', '102', '112') " + " AND Left(argumento,2) in  ('10') "),
            Table{});
}

// A debt the taxpayer adds: duplicate lookups, the row written through a
// recordset, a second one with the same key refused.
TEST_F(DebtsTest, NonNotifiedDebtIsCheckedAndStored) {
  AddDebt("TMP_F0942DEUDAS", "01", "200901", "030701", "V1", "00");
  db_->Execute("UPDATE TMP_F0942DEUDAS SET Cod_tip_doc = '001000', cod_for = '0'");
  std::string key = std::string("SELECT * FROM TMP_F0942DEUDAS ") + "WHERE doc_id_d = '20100012345' " + "AND Semana = 1 ";
  EXPECT_EQ(Rows(key + "AND Ind_tip_deu = '01' " + "AND per_doc = '200901' " + "AND cod_tri = '030701' " +
                 "AND num_doc = trim('V1   ') " + "AND cod_for = '0' " + "AND Left(cod_tip_doc,3) = '001' ")
                .size(),
            1u);
  EXPECT_EQ(Rows(key + "AND Ind_tip_deu = '02' " + "AND per_doc = '200901' " + "AND cod_tri = '030701' " +
                 "AND num_doc = '123' " + "AND cod_for = '621' ")
                .size(),
            0u);
  EXPECT_EQ(Rows(std::string("SELECT 'x' FROM TMP_F0942DEUDAS ") + "WHERE doc_id_d = '20100012345' " + "AND semana = 1 " +
                 "AND Ind_tip_deu in ( '01', '02', '03' ) " + "AND cod_tri = '030701' " + "AND Num_ord_dj = '3'"),
            Table{});
  auto add = [&] {
    RecordsetPtr rs = db_->OpenRecordset(key + "AND Ind_tip_deu = '04' " + "AND per_doc = '200912' " +
                                             "AND cod_tri = '030701' " + "AND num_doc = '0' " + "AND cod_for = '0' ",
                                         dbOpenDynaset);
    rs->AddNew();
    const std::vector<std::pair<const char*, vb::Variant>> values = {
        {"tip_doc_d", 6},           {"doc_id_d", kRuc},       {"periodo", "201003"},   {"formulario", "0942"},
        {"semana", 1},              {"Ind_tip_deu", "04"},    {"per_doc", "200912"},   {"cod_tri", "030701"},
        {"Num_cuo", 0},             {"Num_doc", "0"},         {"Cod_for", "0"},        {"Cod_tip_doc", "0"},
        {"Cod_tri_aso", "000000"},  {"Ind_ver_deu", "00"},    {"Fec_des_deu", vb::CDate("15/03/2010 10:20:30")},
        {"Cod_for_dj", "1"},        {"Fec_ult_cap", vb::DateSerial(1901, 1, 1)}, {"Num_pro", "P1"},
        {"mto_tributo_s", "0.00"},  {"ind_acog", 1},          {"ind_conf", 1},         {"mto_tributo_c", "100.00"},
        {"mto_act_c", "100"},       {"Ind_valor", 1},         {"Ind_deuda_dj", 0}};
    for (const auto& [field, value] : values) rs->Fields()[field] = value;
    try {
      rs->Update();
    } catch (...) {
      rs->CancelUpdate();
      throw;
    }
  };
  add();
  EXPECT_EQ(ErrorOf(add), kErrDuplicateKey);
  EXPECT_EQ(Rows("SELECT Num_doc, Fec_ult_cap, Cod_tri_aso FROM TMP_F0942DEUDAS WHERE Ind_tip_deu = '04'"),
            (Table{{"0", "01/01/1901", "000000"}}));
}

}  // namespace
}  // namespace dao::testing

#include "formulario/core/tests/prueba_declaracion.h"
#include "platform/vb/conv.h"

namespace korva::prueba {
namespace {

class ReportedDebtsTest : public PruebaDeclaracion {};

// The answer to a reported debt: its row edited, its motives and supporting data
// deleted and written again, all in one transaction.
TEST_F(ReportedDebtsTest, AnswerReplacesMotivesAndSupportingData) {
  AgregaDeuda("TMP_F0942DEUDAS", "01", "200901", "030701", "V1", "00");
  std::string motive = "6, '20100012345', '201003', '0942', 1, '01', '200901', '030701', 'V1', '0', ";
  Agrega("TMP_F0942MOTIVO", motive + "1, '111111'");
  Agrega("TMP_F0942SUSTEN", motive + "1, 1, '0621', 12345, '0', 0, '0', '-', '05/01/2010', '222222'");
  Agrega("TMP_F0942SUSTEN", motive + "1, 2, '0621', 12346, '0', 0, '0', '-', '06/01/2010', '222222'");
  std::string motives = std::string("SELECT a.cod_motivo, b.cod_formulario, b.num_orden, b.num_res, b.tip_impug, ") +
                        "b.num_exp, b.des_otros, b.Fec_pago " + "FROM TMP_F0942MOTIVO a, TMP_F0942SUSTEN b " +
                        "WHERE a.doc_id_d = b.doc_id_d " + "AND a.semana = b.semana " +
                        "AND a.ind_tip_deu = b.ind_tip_deu " + "AND a.per_doc = b.per_doc " +
                        "AND a.cod_tri = b.cod_tri " + "AND a.num_doc = b.num_doc " + "AND a.cod_for = b.cod_for " +
                        "AND a.cod_motivo = b.cod_motivo " + "AND a.doc_id_d = '20100012345' " +
                        "AND a.semana = 1 AND a.ind_tip_deu = '01' " + "AND a.per_doc = '200901' " +
                        "AND a.cod_tri = '030701' " + "AND a.num_doc = 'V1' " + "AND a.cod_for = '0' " + "ORDER BY 1 ;";
  EXPECT_EQ(Consulta(motives), (Filas{{"1", "0621", "12345", "0", "0", "0", "-", "05/01/2010"},
                                  {"1", "0621", "12346", "0", "0", "0", "-", "06/01/2010"}}));
  dao::RecordsetPtr read = gDB->OpenRecordset(motives, dao::dbOpenForwardOnly);
  EXPECT_EQ(vb::VarType(read->Fields()["num_orden"].Value()), vb::vbLong);

  dao::Engine().BeginTrans();
  dao::RecordsetPtr debt = gDB->OpenRecordset(
      "SELECT * FROM TMP_F0942DEUDAS WHERE doc_id_d = '20100012345' AND Semana = 1 AND Ind_tip_deu = '01' "
      "AND per_doc = '200901' AND cod_tri = '030701' AND num_doc = 'V1' AND cod_for = '0'",
      dao::dbOpenDynaset);
  debt->Edit();
  debt->Fields()["ind_acog"] = 1;
  debt->Fields()["ind_conf"] = 2;
  debt->Fields()["mto_tributo_c"] = "1235";
  debt->Fields()["mto_int_cap_c"] = "12.30";
  debt->Update();
  std::string debtKey = "WHERE doc_id_d = '20100012345' AND Semana = 1 AND Ind_tip_deu = '01' AND per_doc = '200901' "
                        "AND cod_tri = '030701' AND num_doc = 'V1' AND cod_for = '0' AND cod_motivo = 1";
  gDB->Execute("DELETE FROM TMP_F0942MOTIVO " + debtKey, dao::dbFailOnError);
  gDB->Execute("DELETE FROM TMP_F0942SUSTEN " + debtKey, dao::dbFailOnError);
  dao::RecordsetPtr motiveRows = gDB->OpenRecordset("TMP_F0942MOTIVO");
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
  dao::Engine().CommitTrans();
  EXPECT_EQ(Consulta(motives), Filas{});
  EXPECT_EQ(Consulta("SELECT ind_acog, ind_conf, mto_tributo_c, mto_int_cap_c FROM TMP_F0942DEUDAS"),
            (Filas{{"1", "2", "1235", "12.30"}}));
  EXPECT_EQ(Cuenta("TMP_F0942MOTIVO"), 1);
}

}  // namespace
}  // namespace korva::prueba

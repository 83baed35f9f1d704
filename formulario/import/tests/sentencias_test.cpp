#include "formulario/core/tests/prueba_declaracion.h"
#include "platform/vb/conv.h"

namespace korva::prueba {
namespace {

class DebtsTest : public PruebaDeclaracion {
 protected:
  // One line of a debt file as the loader stores it: field by field, by name.
  void LoadLine(const std::string& tipDeu, const std::string& numDoc, const std::string& numPro = "P1") {
    dao::RecordsetPtr rs = gDB->OpenRecordset("F0942DEUDAS", dao::dbOpenDynaset);
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
    for (dao::Field& field : rs->Fields()) checkTypes_ += std::to_string(vb::VarType(field.Value())) + " ";
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
  dao::Workspace& ws = dao::Engine().Workspaces(0);
  ws.BeginTrans();
  LoadLine("01", "V9");
  EXPECT_EQ(checkTypes_, "17 8 8 8 17 8 8 8 8 8 8 8 8 7 17 7 8 8 1 1 1 17 1 1 1 1 8 1 1 1 1 1 1 ");
  LoadLine("", "0");
  EXPECT_EQ(ErrorOf([&] { LoadLine("", "0"); }), dao::kErrDuplicateKey);
  ws.Rollback();
  EXPECT_EQ(Cuenta("F0942DEUDAS WHERE doc_id_d = '20500099999'"), 0);

  ws.BeginTrans();
  LoadLine("01", "V9");
  EXPECT_EQ(ErrorOf([&] { LoadLine("02", "V8", ""); }), dao::kErrZeroLength);
  for (const char* table : {"CAB", "DET", "F0942GARANTIA"}) {
    dao::RecordsetPtr rs = gDB->OpenRecordset(table);
    EXPECT_EQ(rs->Type(), dao::dbOpenTable);
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
  EXPECT_EQ(Consulta("SELECT 'x' FROM CAB WHERE tip_doc_d = 6  AND doc_id_d = '20500099999' AND periodo = '201005' "
                 "AND formulario = '0942' AND Semana = 2"),
            (Filas{{"x"}}));
  EXPECT_EQ(Consulta("SELECT Num_doc, Fec_ult_cap, fec_des_deu FROM F0942DEUDAS WHERE doc_id_d = '20500099999'"),
            (Filas{{"V9", "01/01/1901", "15/05/2010 10:20:30 a.m."}}));
}

}  // namespace
}  // namespace korva::prueba

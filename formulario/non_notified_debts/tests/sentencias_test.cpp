#include "formulario/core/tests/prueba_declaracion.h"
#include "platform/vb/conv.h"

namespace korva::prueba {
namespace {

class NonNotifiedDebtsTest : public PruebaDeclaracion {};

TEST_F(NonNotifiedDebtsTest, CodeListsFollowTheEntityAndDebtType) {
  Agrega("PARAM", "'726', '002002', '" + Funcion("MULTA") + "', '000'");
  EXPECT_EQ(Consulta(std::string("SELECT argumento, left(funcion,40) ") + "FROM PARAM " + "WHERE numero = '725' " +
                 "AND mid(funcion,62,1) = '1' " + "AND mid(funcion,68,1) = '1' " + "ORDER BY argumento "),
            (Filas{{"010101", Rellena("IMPUESTO GENERAL A LAS VENTAS", 40)}, {"030701", Rellena("RENTA DE TERCERA", 40)}}));
  EXPECT_EQ(Consulta(std::string("SELECT argumento, left(funcion,40) ") + "FROM PARAM " + "WHERE numero = '725' " +
                 "AND mid(funcion,61,1) = '1' " + "AND mid(argumento,1,2) <> '06' " + "ORDER BY argumento "),
            (Filas{{"010101", Rellena("IMPUESTO GENERAL A LAS VENTAS", 40)},
                   {"030701", Rellena("RENTA DE TERCERA", 40)},
                   {"052209", Rellena("REFT CUOTA", 40)}}));
  EXPECT_EQ(Consulta(std::string("SELECT * ") + "FROM PARAM " + "WHERE numero = '729' " + "AND argumento = '3071' " +
                 "AND mid(funcion,2,1) = '1' ")
                .size(),
            1u);
  std::string documents = std::string("SELECT argumento, Left(funcion,48) ") + "FROM PARAM " + "WHERE numero = '726' ";
  EXPECT_EQ(Consulta(documents + " AND Left(argumento,3) in  ('002', '102', '112') " + " AND Right(argumento,1) = '1' " +
                 " AND Left(argumento,2) in  ('00') "),
            (Filas{{"002001", Rellena("", 21) + "resolucion de multa"}}));
  EXPECT_EQ(Consulta(documents + " AND Left(argumento,3) not in  ('002', '102', '112') " + " AND Left(argumento,2) in  ('10') "),
            Filas{});
}

// A debt the taxpayer adds: duplicate lookups, the row written through a
// recordset, a second one with the same key refused.
TEST_F(NonNotifiedDebtsTest, NonNotifiedDebtIsCheckedAndStored) {
  AgregaDeuda("TMP_F0942DEUDAS", "01", "200901", "030701", "V1", "00");
  gDB->Execute("UPDATE TMP_F0942DEUDAS SET Cod_tip_doc = '001000', cod_for = '0'");
  std::string key = std::string("SELECT * FROM TMP_F0942DEUDAS ") + "WHERE doc_id_d = '20100012345' " + "AND Semana = 1 ";
  EXPECT_EQ(Consulta(key + "AND Ind_tip_deu = '01' " + "AND per_doc = '200901' " + "AND cod_tri = '030701' " +
                 "AND num_doc = trim('V1   ') " + "AND cod_for = '0' " + "AND Left(cod_tip_doc,3) = '001' ")
                .size(),
            1u);
  EXPECT_EQ(Consulta(key + "AND Ind_tip_deu = '02' " + "AND per_doc = '200901' " + "AND cod_tri = '030701' " +
                 "AND num_doc = '123' " + "AND cod_for = '621' ")
                .size(),
            0u);
  EXPECT_EQ(Consulta(std::string("SELECT 'x' FROM TMP_F0942DEUDAS ") + "WHERE doc_id_d = '20100012345' " + "AND semana = 1 " +
                 "AND Ind_tip_deu in ( '01', '02', '03' ) " + "AND cod_tri = '030701' " + "AND Num_ord_dj = '3'"),
            Filas{});
  auto add = [&] {
    dao::RecordsetPtr rs = gDB->OpenRecordset(key + "AND Ind_tip_deu = '04' " + "AND per_doc = '200912' " +
                                             "AND cod_tri = '030701' " + "AND num_doc = '0' " + "AND cod_for = '0' ",
                                         dao::dbOpenDynaset);
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
  EXPECT_EQ(ErrorOf(add), dao::kErrDuplicateKey);
  EXPECT_EQ(Consulta("SELECT Num_doc, Fec_ult_cap, Cod_tri_aso FROM TMP_F0942DEUDAS WHERE Ind_tip_deu = '04'"),
            (Filas{{"0", "01/01/1901", "000000"}}));
}

}  // namespace
}  // namespace korva::prueba

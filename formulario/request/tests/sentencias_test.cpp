#include "formulario/core/tests/prueba_declaracion.h"
#include "platform/vb/conv.h"
#include "platform/vb/format.h"

namespace korva::prueba {
namespace {

class RequestTest : public PruebaDeclaracion {
 protected:
  void SetUp() override {
    PruebaDeclaracion::SetUp();
    dao::Engine().BeginTrans();
    AgregaDeuda("TMP_F0942DEUDAS", "01", "200911", "030701", "V1", "00", "1", "'1000'");
    AgregaDeuda("TMP_F0942DEUDAS", "05", "200508", "0", "0", "0", "2", "'0.00'");
    AgregaDeuda("TMP_F0942DEUDAS", "02", "200910", "010101", "D1", "07");
    AgregaDeuda("TMP_F0942DEUDAS", "01", "200909", "030701", "V2", "16", "2", "'0.00'");
    AgregaDeuda("TMP_F0942DEUDAS", "04", "200912", "030701", "N1", "00", "1", "'250'");
    dao::Engine().CommitTrans();
  }
  std::string Key() const { return std::string("WHERE doc_id_d = '") + kRuc + "' " + "AND Semana = 1 "; }
  std::string CabKey() const {
    return std::string("WHERE tip_doc_d = 6 ") + "AND doc_id_d = '" + kRuc + "' " + "AND periodo = '201003' " +
           "AND formulario = '0942' " + "AND Semana = 1";
  }
  std::string Grid(int n) const;
  long CountOf(const std::string& conditions) {
    dao::RecordsetPtr rs = gDB->OpenRecordset("SELECT count(*) as nCont FROM TMP_F0942DEUDAS " + Key() + conditions,
                                         dao::dbOpenSnapshot);
    return rs->Fields()["nCont"].Value().ToLong();
  }
};

std::string RequestTest::Grid(int n) const {
  std::string list = "SELECT per_doc, ind_tip_deu, ind_ver_deu, ( ( SELECT Mid(argumento,2,3) & right(argumento,1) "
                     "& '-' & left(funcion,32) FROM PARAM WHERE numero = '725' AND argumento = cod_tri )) AS "
                     "des_tributo, ";
  std::string amounts = "num_Doc, cod_tri, Cod_For, Cod_Tip_doc, cod_tri_aso, ( SELECT left(funcion,32) FROM PARAM "
                        "WHERE numero = '725' AND argumento = cod_tri_aso ) AS des_tributo_aso, fec_des_deu, "
                        "mto_tributo_s, mto_int_cap_s, mto_int_s, mto_act_s, ind_acog, ind_conf, mto_tributo_c, "
                        "mto_int_cap_c, mto_int_c, Mto_act_c, Cod_for_dj, Num_Ord_dj, ";
  std::string valor = " iif(ind_tip_deu='01', ( SELECT ucase(Trim(Mid(funcion,22,80))) FROM PARAM WHERE numero = "
                      "'726' AND argumento = trim(Left(cod_tip_Doc,3) & '000'  ) ) , ''  ) AS des_valor, ";
  std::string from = "FROM TMP_F0942DEUDAS " + Key();
  switch (n) {
    case 1:
      return list + valor + amounts + "Num_pro " + ", ind_impugnado " + ", num_cuo " + from +
             "AND ind_tip_deu in ( '01', '05' ) AND ind_ver_deu in ( '0','00', '07', '08' ) ORDER BY 1 DESC, cod_tri ";
    case 2:
      return list + "( SELECT ucase(Trim(Mid(funcion,22,80))) FROM PARAM WHERE numero = '726' AND argumento = "
                    "trim(Left(cod_tip_Doc,3) & '000' ) ) AS des_valor, " +
             amounts + "Num_pro, " + "Num_cuo " + from +
             "AND ind_tip_deu in ( '02', '03' ) AND ind_ver_deu in ( '00', '07', '08' ) ORDER BY 1 DESC, cod_tri ";
    case 3:
      return list + "( SELECT ucase(Trim(Mid(funcion,22,80))) FROM PARAM WHERE numero = '726' AND argumento = "
                    "trim(Left(cod_tip_Doc,6) ) ) AS des_valor, " +
             amounts + "ind_valor, " + "ind_deuda_dj, " + "num_cuo " + from +
             "AND ind_tip_deu = '04' ORDER BY 1 DESC, 3, cod_tri  ";
    default:
      return list + valor + amounts + "Num_pro " +
             ", ( SELECT left(funcion,50) FROM PARAM WHERE numero = '724' and argumento = ind_ver_deu ) AS des_motivo " +
             from + "AND ind_tip_deu in ( '01','02','03' ) AND ind_ver_deu not in ( '0','00', '07', '08' ) " +
             "ORDER BY 1 DESC, cod_tri ";
  }
}

TEST_F(RequestTest, OpeningReadsTheHeaderAndGuaranteeRows) {
  Agrega("F0942GARANTIA", "6, '20100012345', '201003', '0942', 1, 'SI  ', '1', ' 500 ', Null");
  dao::RecordsetPtr cab = gDB->OpenRecordset("SELECT * FROM CAB " + CabKey(), dao::dbOpenSnapshot);
  EXPECT_EQ(vb::VarType(cab->Fields()["bcolibrad"].Value()), vb::vbByte);
  EXPECT_EQ(cab->Fields()["cheque"].Value().As<std::string>(), "1");
  dao::RecordsetPtr garantia = gDB->OpenRecordset("SELECT * FROM F0942GARANTIA " + CabKey(), dao::dbOpenSnapshot);
  EXPECT_EQ(garantia->Fields()["ind_garantia"].Value().As<std::string>(), "SI  ");
  EXPECT_TRUE(garantia->Fields()["mto_deuda_garantia"].Value().IsNull());
}

TEST_F(RequestTest, UnansweredDebtsAndPersonTypeCounts) {
  auto exists = [&](const std::string& group) {
    dao::RecordsetPtr rs = gDB->OpenRecordset("SELECT * FROM TMP_F0942DEUDAS " + Key() + group +
                                             "AND ind_ver_deu in ( '00', '07', '08' ) " + "AND ind_acog is null ",
                                         dao::dbOpenDynaset);
    return !(rs->Bof() || rs->Eof());
  };
  EXPECT_FALSE(exists("AND ind_tip_deu in ( '01', '05' ) "));
  EXPECT_TRUE(exists("AND ind_tip_deu in ( '02', '03' ) "));
  std::string taxes = "AND ind_acog = 1 AND cod_tri in ('030701','030702','030703','030704') ";
  EXPECT_EQ(CountOf("AND ind_tip_deu in ( '02', '03' ) AND ind_ver_deu in ( '00', '07', '08' ) " + taxes), 0);
  EXPECT_EQ(CountOf("AND ind_tip_deu in ( '01', '05' ) AND ind_ver_deu in ( '0','00', '07', '08' ) " + taxes), 1);
  EXPECT_EQ(CountOf("AND ind_tip_deu = '04' " + taxes), 1);
}

TEST_F(RequestTest, GridsShowTheirCategories) {
  struct Case {
    int grid;
    Filas rows;  // per_doc, des_tributo, des_valor
  } cases[] = {
      {1, {{"200911", "3071-" + Rellena("RENTA DE TERCERA", 32), "ORDEN DE PAGO"}, {"200508", "Null", ""}}},
      {2, {{"200910", "1011-" + Rellena("IMPUESTO GENERAL A LAS VENTAS", 32), "ORDEN DE PAGO"}}},
      {3, {{"200912", "3071-" + Rellena("RENTA DE TERCERA", 32), "Null"}}},
      {5, {{"200909", "3071-" + Rellena("RENTA DE TERCERA", 32), "ORDEN DE PAGO"}}},
  };
  for (const auto& c : cases) {
    Filas rows;
    for (const auto& row : Consulta(Grid(c.grid))) rows.push_back({row[0], row[3], row[4]});
    EXPECT_EQ(rows, c.rows) << c.grid;
  }
  dao::RecordsetPtr grid5 = gDB->OpenRecordset(Grid(5), dao::dbOpenSnapshot);
  EXPECT_EQ(grid5->Fields()["des_motivo"].Value().As<std::string>(), "DEUDA EN COBRANZA COACTIVA");
  dao::RecordsetPtr grid1 = gDB->OpenRecordset(Grid(1), dao::dbOpenSnapshot);
  grid1->MoveLast();
  grid1->MoveFirst();
  EXPECT_EQ("Total de registros : " + std::to_string(grid1->AbsolutePosition() + 1) + " de " +
                std::to_string(grid1->RecordCount()),
            "Total de registros : 1 de 2");
  EXPECT_EQ(grid1->Fields()[10].Name(), "des_tributo_aso");
  EXPECT_EQ(vb::VarType(grid1->Fields()["fec_des_deu"].Value()), vb::vbDate);
}

TEST_F(RequestTest, GridTotalsSumTheAcceptedAmounts) {
  auto total = [&](const std::string& filter) {
    dao::RecordsetPtr rs = gDB->OpenRecordset("SELECT SUM(mto_act_c * 1)  " + std::string("FROM  TMP_F0942DEUDAS ") +
                                             Key() + filter,
                                         dao::dbOpenForwardOnly);
    std::string text = vb::Format(rs->Fields()[0].Value(), "###,###,###,##0");
    return text.empty() ? std::string("0") : text;
  };
  gDB->Execute("UPDATE TMP_F0942DEUDAS SET Mto_act_c = '1234.50' WHERE Num_doc = 'V1'");
  EXPECT_EQ(total("AND ind_tip_deu = '01' AND ind_ver_deu in ('00','07','08') "), "1,235");
  EXPECT_EQ(total("AND ind_tip_deu in ( '02', '03' ) AND ind_ver_deu in ( '00', '07', '08' ) "), "0");
  EXPECT_EQ(total("AND ind_tip_deu = '04' "), "250");
}

TEST_F(RequestTest, RowCommandsAcceptExcludeAndDelete) {
  std::string accept = std::string("UPDATE TMP_F0942DEUDAS ") + " SET ind_acog = 1, " + " ind_conf = 1, " +
                       " Mto_tributo_c = Mto_tributo_s, " + " Mto_int_cap_c = Mto_int_cap_s, " +
                       " Mto_int_c = Mto_int_s, " + " Mto_act_c = Mto_act_s " + Key() +
                       "AND ind_tip_deu in ( '02', '03' ) " + "AND ind_ver_deu in ( '00', '07', '08' ) " +
                       "AND ind_acog is null ";
  gDB->Execute(accept, dao::dbInconsistent);
  EXPECT_EQ(Consulta("SELECT ind_acog, ind_conf, mto_act_c FROM TMP_F0942DEUDAS WHERE Num_doc = 'D1'"),
            (Filas{{"1", "1", "123.75"}}));
  std::string exclude = std::string("UPDATE TMP_F0942DEUDAS ") + " SET ind_acog = 2,  " + " Mto_tributo_c = 0, " +
                        " Mto_int_cap_c = 0, " + " Mto_int_c = 0, " + " Mto_act_c = 0 " + Key() +
                        "AND ind_tip_deu in ( '01', '05' ) " + "AND ind_ver_deu in ( '00', '07', '08' ) " +
                        "AND ind_acog is null ";
  gDB->Execute(exclude, dao::dbInconsistent);
  EXPECT_EQ(gDB->RecordsAffected(), 0);
  std::string remove = std::string("DELETE FROM TMP_F0942DEUDAS ") + Key() + "AND Ind_tip_deu = '04' " +
                       "AND per_doc = '200912' " + "AND cod_tri = '030701' " + "AND num_doc = trim('N1  ') " +
                       "AND cod_for = '0' " + "AND cod_tip_doc = '001001' ";
  gDB->Execute(remove, dao::dbFailOnError);
  EXPECT_EQ(gDB->RecordsAffected(), 1);
  EXPECT_EQ(CountOf("AND ind_tip_deu = '04' "), 0);
}

// The interest update edits each accepted debt through an updatable recordset.
TEST_F(RequestTest, InterestUpdateEditsTheAcceptedDebts) {
  gDB->Execute("UPDATE TMP_F0942DEUDAS SET ind_conf = 1 WHERE Num_doc = 'V1'");
  dao::RecordsetPtr rs = gDB->OpenRecordset(std::string("SELECT * ") + "FROM TMP_F0942DEUDAS " + Key() +
                                           "AND ind_tip_deu in ( '01', '02', '03') " +
                                           "AND ind_ver_deu in ( '00', '07', '08' ) ",
                                       dao::dbOpenDynaset);
  int edited = 0;
  for (; !rs->Eof(); rs->MoveNext()) {
    if (vb::CStr(rs->Fields()["ind_acog"].Value().IsNull() ? vb::Variant(0) : rs->Fields()["ind_acog"].Value()) != "1")
      continue;
    rs->Edit();
    rs->Fields()["mto_int_c"] = vb::Format(vb::Variant(18.4), "###########0.00");
    rs->Fields()["mto_act_c"] = vb::Format(vb::Variant(1118.5), "###########0");
    rs->Fields()["cnumero"] = "654321";
    rs->Update();
    ++edited;
  }
  EXPECT_EQ(edited, 1);
  EXPECT_EQ(Consulta("SELECT mto_int_c, mto_act_c, cnumero FROM TMP_F0942DEUDAS WHERE Num_doc = 'V1'"),
            (Filas{{"18.40", "1119", "654321"}}));
}

TEST_F(RequestTest, StoringADeclarationWritesHeaderBoxesAndDebtsInOneTransaction) {
  dao::Workspace& ws = dao::Engine().Workspaces(0);
  ws.BeginTrans();
  dao::RecordsetPtr cab = gDB->OpenRecordset("SELECT * FROM CAB " + CabKey(), dao::dbOpenDynaset);
  cab->Edit();
  cab->Fields()["fec_pro"] = "16/03/2010";
  EXPECT_EQ(vb::CStr(cab->Fields()["bcolibrad"].Value()), "1");
  cab->Fields()["Rectifica"] = 0;
  cab->Fields()["estado"] = 9;
  cab->Update();
  gDB->Execute("DELETE FROM DET " + CabKey(), dao::dbFailOnError);
  auto grabar = [&](const std::string& box, const std::string& value) {
    dao::RecordsetPtr det = gDB->OpenRecordset(std::string("SELECT * FROM DET ") + "WHERE tip_doc_d = 6 " +
                                              "AND doc_id_d = '20100012345' " + "AND periodo ='201003' " +
                                              "AND formulario ='0942' " + "AND semana = 1 " + "AND casilla = '" +
                                              box + "' ",
                                          dao::dbOpenDynaset);
    if (det->Eof()) {
      det->AddNew();
      det->Fields()["tip_doc_d"] = 6;
      det->Fields()["doc_id_d"] = kRuc;
      det->Fields()["periodo"] = "201003";
      det->Fields()["Formulario"] = "0942";
      det->Fields()["Semana"] = 1;
      det->Fields()["Casilla"] = box;
    } else {
      det->Edit();
    }
    det->Fields()["i_valor"] = value;
    det->Fields()["idcasilla"] = "01";
    det->Update();
  };
  dao::RecordsetPtr version =
      gDB->OpenRecordset("Select * from param where numero = '856'  and argumento='0942'", dao::dbOpenSnapshot);
  std::string funcion = version->Fields()["Funcion"].Value().As<std::string>();
  grabar(funcion.substr(19, 3), funcion.substr(4, 10));
  grabar("506", "1");
  grabar("506", "1");
  for (const char* table : {"F0942DEUDAS", "F0942MOTIVO", "F0942SUSTEN"}) {
    gDB->Execute(std::string("DELETE FROM ") + table + " " + CabKey(), dao::dbFailOnError);
    gDB->Execute(std::string("INSERT INTO ") + table + " " + "SELECT * FROM tmp_" + table + " " + CabKey() + ";",
                 dao::dbFailOnError);
  }
  ws.CommitTrans();
  EXPECT_EQ(Consulta("SELECT Casilla, i_valor FROM DET WHERE doc_id_d = '20100012345' ORDER BY Casilla"),
            (Filas{{"506", "1"}, {"790", "05/01/2016"}}));
  EXPECT_EQ(Cuenta("F0942DEUDAS"), 5);
  EXPECT_EQ(Consulta("SELECT fec_pro, estado FROM CAB WHERE doc_id_d = '20100012345'"), (Filas{{"16/03/2010", "9"}}));
}

// A sent declaration's rows come from the history tables without their correlative.
TEST_F(RequestTest, SentDeclarationIsCopiedWithoutItsCorrelative) {
  gDB->Execute("DELETE FROM TMP_F0942DEUDAS ", dao::dbFailOnError);
  std::string columns = std::string("tip_doc_d, doc_id_d, periodo, formulario, semana, Ind_tip_deu, per_doc, ") +
                        "cod_tri, Num_doc, Cod_for, Cod_tip_doc, Cod_tri_aso, Ind_ver_deu, " +
                        "Fec_des_deu, Num_cuo, Fec_ult_cap, Num_pro, mto_tributo_s, " +
                        "mto_int_cap_s, mto_int_s, mto_act_s, ind_acog, ind_conf, mto_tributo_c, " +
                        "mto_int_cap_c, mto_int_c, mto_act_c, Cod_for_dj, Num_ord_dj, Ind_valor, " +
                        "Ind_deuda_dj , Ind_impugnado, cNumero";
  gDB->Execute("INSERT INTO " + std::string("tmp_") + "F0942DEUDAS" + " " + "SELECT " + columns + " FROM " + "H" +
                   "F0942DEUDAS" + " " + CabKey() + " " + "AND Correl = '001' ;",
               dao::dbFailOnError);
  EXPECT_EQ(Consulta("SELECT Num_doc, mto_act_c FROM TMP_F0942DEUDAS"), (Filas{{"V1", "1000"}}));
  EXPECT_EQ(Consulta(std::string("SELECT * FROM HDET ") + "WHERE tip_doc_d = 6 AND doc_id_d = '20100012345' " +
                 "AND periodo ='201003' AND formulario ='0942' AND semana = 1 AND correl = '001' AND casilla = '506' ")
                .size(),
            1u);
}

// The whole-declaration checks read the working debts with these conditions.
TEST_F(RequestTest, ValidationQueriesFindTheirFindings) {
  AgregaDeuda("TMP_F0942DEUDAS", "04", "201002", "010101", "N2", "00", "1", "'10'");
  AgregaDeuda("TMP_F0942DEUDAS", "01", "200901", "052209", "Q1", "00", "2", "'0'");
  gDB->Execute("UPDATE TMP_F0942DEUDAS SET Cod_tip_doc = '001004', Num_ord_dj = '1', ind_impugnado = '00' "
               "WHERE Num_doc = 'Q1'");
  auto has = [&](const std::string& conditions) {
    dao::RecordsetPtr rs = gDB->OpenRecordset("SELECT * FROM TMP_F0942DEUDAS WHERE doc_id_d = '20100012345' AND semana = 1 " +
                                             conditions,
                                         dao::dbOpenForwardOnly);
    return !rs->Eof();
  };
  EXPECT_TRUE(has("AND Ind_tip_deu in ('01', '02', '03') AND ( ind_acog = 0 OR isnull(ind_acog) OR ( ind_acog = 1 "
                  "AND ind_conf = 2 AND mto_act_c = '' ) )"));
  std::string latest = "AND Ind_tip_deu ='04' AND per_doc > '201001' AND cod_for_dj <> '3' AND left(cod_tri,2) <> '06' "
                       "AND cod_tri <> '020101' AND cod_tri <> '080206'";
  EXPECT_FALSE(has(latest));
  gDB->Execute("UPDATE TMP_F0942DEUDAS SET cod_for_dj = '2' WHERE Num_doc = 'N2'");
  EXPECT_TRUE(has(latest));
  std::string reft = "AND Ind_tip_deu in ('01', '02', '03') AND Cod_tip_doc = '00100' & '4' ";
  EXPECT_TRUE(has(reft + "AND ind_acog = 2 AND ind_impugnado = '00' AND Num_ord_dj in ('1', '2', '3')"));
  EXPECT_EQ(CountOf(reft + "AND ind_acog = 1 AND Num_ord_dj in ('1', '2')"), 0);
  EXPECT_FALSE(has("AND Ind_tip_deu = '04' AND cod_tri in ('080206', '052209', '053208', '050506')"));
}

}  // namespace
}  // namespace korva::prueba

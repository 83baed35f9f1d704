#include "formulario/request/Frm942.h"

#include "formulario/core/ModGen01.h"
#include "formulario/request/Casillas.h"
#include "platform/vb/encoding.h"
#include "platform/vb/files.h"
#include "formulario/request/tests/prueba_solicitud.h"

namespace korva::prueba {
namespace {

using Textos = std::vector<std::vector<std::string>>;

// A tax as the grids name it: its display code, a dash and the first 32
// characters of its description.
const std::string kIgv = "1011-IGV - CUENTA PROPIA             ";

class Frm942Test : public PruebaSolicitud {};

TEST_F(Frm942Test, ImportedDeclarationOpensWithItsIdentificationAndExactlyItsRows) {
  Importa(kRucRio);
  Importa(kRucAndina, 1, [](debtfile::Options& o) { o.debtsPerCategory = 3; });
  // Rows another declaration left in the working tables go when a form opens.
  Ejecuta("INSERT INTO TMP_F0942DEUDAS SELECT * FROM F0942DEUDAS WHERE doc_id_d = '20603189753'");
  std::size_t nMensajes = driver_.MessageBoxes().size();
  Abre(kRucAndina, [this](Frm942& frm) {
    EXPECT_EQ(frm.Caption(), kTitulo);
    EXPECT_EQ(frm.cboNumdoc.Text(), vb::Left(std::string(kRucAndina) + std::string(20, ' '), 20) +
                                        vb::Left(std::string(kNombreAndina) + std::string(60, ' '), 60));
    EXPECT_EQ(frm.txtRazon.Text(), kNombreAndina);
    EXPECT_EQ(frm.TxtEntidad.Text(), "TESORO      ");
    EXPECT_FALSE(frm.cboNumdoc.Enabled());
    EXPECT_FALSE(frm.txtRazon.Enabled());
    EXPECT_FALSE(frm.txtCorrel.Visible());
    EXPECT_FALSE(frm.Label1(7).Visible());
    EXPECT_EQ(frm.sCorrel, "");
    EXPECT_EQ(frm.nTipoDoc, 6);
    EXPECT_EQ(frm.SSTab1.Tab(), 0);
    EXPECT_TRUE(frm.bCargaCompleta);
    EXPECT_FALSE(frm.bModificado);
    EXPECT_TRUE(gbFormCargado);
    EXPECT_EQ(frm.Left(), -50);
    EXPECT_EQ(frm.Width(), 9720);
    EXPECT_EQ(DeudasDe("TMP_F0942DEUDAS", kRucRio), Filas{});
    EXPECT_EQ(DeudasDe("TMP_F0942DEUDAS", kRucAndina), DeudasDe("F0942DEUDAS", kRucAndina));
    EXPECT_EQ(Cuenta("TMP_F0942DEUDAS"), 9);
    EXPECT_EQ(frm.lblTab(1).Caption(), "Total de registros : 1 de 3");
    EXPECT_EQ(frm.lblTab(2).Caption(), "Total de registros : 1 de 6");
    EXPECT_EQ(frm.lblTab(3).Caption(), "Sin registros");
    EXPECT_EQ(frm.lblTab(5).Caption(), "Sin registros");
  });
  EXPECT_EQ(Cuenta("TMP_F0942DEUDAS"), 0);
  EXPECT_EQ(driver_.MessageBoxes().size(), nMensajes);
}

// The statement of each grid, joined from the pieces the design gives.
std::string SentenciaEsperada(int n) {
  std::string s = "SELECT per_doc, ind_tip_deu, ind_ver_deu, ( ( SELECT Mid(argumento,2,3) & "
                  "right(argumento,1) & '-' & left(funcion,32) FROM PARAM WHERE numero = '725' AND "
                  "argumento = cod_tri )) AS des_tributo, ";
  const std::string soloValores =
      " iif(ind_tip_deu='01', ( SELECT ucase(Trim(Mid(funcion,22,80))) FROM PARAM WHERE numero = "
      "'726' AND argumento = trim(Left(cod_tip_Doc,3) & '000'  ) ) , ''  ) AS des_valor, ";
  const std::string deuda =
      "num_Doc, cod_tri, Cod_For, Cod_Tip_doc, cod_tri_aso, ( SELECT left(funcion,32) FROM PARAM "
      "WHERE numero = '725' AND argumento = cod_tri_aso ) AS des_tributo_aso, fec_des_deu, "
      "mto_tributo_s, mto_int_cap_s, mto_int_s, mto_act_s, ind_acog, ind_conf, mto_tributo_c, "
      "mto_int_cap_c, mto_int_c, Mto_act_c, Cod_for_dj, Num_Ord_dj, ";
  const std::string clave = "FROM TMP_F0942DEUDAS WHERE doc_id_d = '20456712348' AND Semana = 1 ";
  switch (n) {
    case 1:
      return s + soloValores + deuda + "Num_pro , ind_impugnado , num_cuo " + clave +
             "AND ind_tip_deu in ( '01', '05' ) AND ind_ver_deu in ( '0','00', '07', '08' ) "
             "ORDER BY 1 DESC, cod_tri ";
    case 2:
      return s + "( SELECT ucase(Trim(Mid(funcion,22,80))) FROM PARAM WHERE numero = '726' AND "
                 "argumento = trim(Left(cod_tip_Doc,3) & '000' ) ) AS des_valor, " +
             deuda + "Num_pro, Num_cuo " + clave +
             "AND ind_tip_deu in ( '02', '03' ) AND ind_ver_deu in ( '00', '07', '08' ) "
             "ORDER BY 1 DESC, cod_tri ";
    case 3:
      return s + "( SELECT ucase(Trim(Mid(funcion,22,80))) FROM PARAM WHERE numero = '726' AND "
                 "argumento = trim(Left(cod_tip_Doc,6) ) ) AS des_valor, " +
             deuda + "ind_valor, ind_deuda_dj, num_cuo " + clave +
             "AND ind_tip_deu = '04' ORDER BY 1 DESC, 3, cod_tri  ";
    default:
      return s + soloValores + deuda +
             "Num_pro , ( SELECT left(funcion,50) FROM PARAM WHERE numero = '724' and argumento = "
             "ind_ver_deu ) AS des_motivo " + clave +
             "AND ind_tip_deu in ( '01','02','03' ) AND ind_ver_deu not in ( '0','00', '07', '08' ) "
             "ORDER BY 1 DESC, cod_tri ";
  }
}

TEST_F(Frm942Test, GridAndTotalStatementsAreTheDesignsTexts) {
  Declara(kRucAndina, 1, {Deuda{}});
  Abre(kRucAndina, [](Frm942& frm) {
    for (int n : {1, 2, 3, 5}) {
      EXPECT_EQ(frm.Dat(n).Recordset()->Name(), SentenciaEsperada(n)) << n;
      EXPECT_EQ(frm.Dat(n).Recordset()->Type(), dao::dbOpenSnapshot);
    }
    const std::string inicio = "SELECT SUM(mto_act_c * 1)  FROM  TMP_F0942DEUDAS WHERE doc_id_d = "
                               "'20456712348' AND Semana = 1 ";
    const std::pair<int, std::string> totales[] = {
        {1, inicio + "AND ind_tip_deu = '01' AND ind_ver_deu in ('00','07','08') "},
        {2, inicio + "AND ind_tip_deu in ( '02', '03' ) AND ind_ver_deu in ( '00', '07', '08' ) "},
        {3, inicio + "AND ind_tip_deu = '04' "}};
    // A total that changes recomputes the payment-mode boxes with statements of
    // their own; the second reckoning of the same total changes nothing.
    for (const auto& [n, sentencia] : totales) {
      frm.CalculaMontoTotal(frm.txtmtototal(n), n);
      frm.CalculaMontoTotal(frm.txtmtototal(n), n);
      EXPECT_EQ(gsSQL, sentencia);
    }
    gsSQL = "sin tocar";
    frm.CalculaMontoTotal(frm.txtmtototal(1), 4);
    EXPECT_EQ(gsSQL, "sin tocar");
    frm.CargaTipoPersona();
    EXPECT_EQ(gsSQL, "SELECT count(*) as nCont FROM TMP_F0942DEUDAS WHERE doc_id_d = '20456712348' "
                     "AND Semana = 1 AND ind_tip_deu = '04' AND ind_acog = 1 AND cod_tri in "
                     "('030701','030702','030703','030704') ");
    frm.Existen_Deudas("2");
    EXPECT_EQ(gsSQL, "SELECT * FROM TMP_F0942DEUDAS WHERE doc_id_d = '20456712348' AND Semana = 1 "
                     "AND ind_tip_deu in ( '02', '03' ) AND ind_ver_deu in ( '00', '07', '08' ) "
                     "AND ind_acog is null ");
    frm.Existen_Deudas("1");
    EXPECT_EQ(gsSQL, "SELECT * FROM TMP_F0942DEUDAS WHERE doc_id_d = '20456712348' AND Semana = 1 "
                     "AND ind_tip_deu in ( '01', '05' ) AND ind_ver_deu in ( '00', '07', '08' ) "
                     "AND ind_acog is null ");
    const std::string clave = "WHERE tip_doc_d = 6 AND doc_id_d = '20456712348' AND periodo = "
                              "'201005' AND formulario = '0942' AND Semana = 1";
    frm.Datos_Iniciales();
    EXPECT_EQ(gsSQL, "SELECT * FROM F0942GARANTIA " + clave);
    frm.Lee_BuenosCont();
    EXPECT_EQ(gsSQL, "SELECT * FROM CAB " + clave);
    frm.Lee_RUC_Delito();
    EXPECT_EQ(gsSQL, "SELECT * FROM CAB " + clave);
  });
}

// Where each category and verification state is listed, and what adds into the
// totals; amounts are texts the engine sums.
TEST_F(Frm942Test, EachGridListsItsCategoriesWithTheirFormatsCountersAndTotals) {
  Declara(kRucAndina, 1,
          {{"01", "00", "201003", "010101", "11", "001000", "1234.50", "1234.50"},
           {"01", "0", "201002", "010101", "12", "003000", "500.00", "500.00"},
           {"05", "0", "200508", "0", "0", "0", "2650.75", "0.00"},
           {"01", "16", "201001", "030301", "13", "003000", "75.40", "75.40"},
           {"02", "07", "200912", "030301", "14", "001000", "1000.00", "999.50"},
           {"03", "08", "200911", "010101", "15", "002001", "10.00", "10.00"},
           {"02", "18", "200910", "010101", "16", "001000", "20.00", "01/01/1901"}});
  Abre(kRucAndina, [this](Frm942& frm) {
    EXPECT_EQ(Rejilla(frm.TDBGrid(1), {0, 1, 2, 3, 4, 5, 19}),
              (Textos{{"03/2010", kIgv, "RESOLUCION DE DETERMINACION", "11",
                       "1,234.50", "1,235", "00"},
                      {"02/2010", kIgv, "ORDEN DE PAGO", "12", "500.00",
                       "500", "0"},
                      {"08/2005", "", "", "0", "2,650.75", "0", "0"}}));
    EXPECT_EQ(Rejilla(frm.TDBGrid(2), {0, 1, 2, 3, 4, 5}),
              (Textos{{"12/2009", "3031-RENTA ANUAL - TERCERA CATEGORIA ", "RESOLUCION DE DETERMINACION",
                       "14", "1,000.00", "1,000"},
                      {"11/2009", kIgv, "RESOLUCION DE MULTA", "15", "10.00",
                       "10"}}));
    EXPECT_EQ(Rejilla(frm.TDBGrid(5), {0, 3, 4, 5, 19, 24}),
              (Textos{{"01/2010", "13", "75.40", "75.40", "16",
                       "DEUDA ACOGIDA A OTRO REGIMEN DE FRACCIONAMIENTO"},
                      {"10/2009", "16", "20.00", "", "18",
                       "DECLARACION PRESENTADA FUERA DEL PLAZO DE DESCARGA"}}));
    // A total that changes recomputes the accepted debt of tab 4, which sums every
    // row's amount as a number: the date that grid 5 showed empty cannot be summed.
    Ejecuta("DELETE FROM TMP_F0942DEUDAS WHERE num_doc = '16'");
    EXPECT_EQ(frm.TDBGrid(3).RowCount(), 0);
    EXPECT_EQ(frm.lblTab(1).Caption(), "Total de registros : 1 de 3");
    EXPECT_EQ(frm.lblTab(3).Caption(), "Sin registros");
    frm.CalculaMontoTotal(frm.txtmtototal(1), 1);
    frm.CalculaMontoTotal(frm.txtmtototal(2), 2);
    frm.CalculaMontoTotal(frm.txtmtototal(3), 3);
    EXPECT_EQ(frm.txtmtototal(1).Text(), "1,235");
    EXPECT_EQ(frm.txtmtototal(2).Text(), "1,010");
    EXPECT_EQ(frm.txtmtototal(3).Text(), "0");
    EXPECT_EQ(frm.txtmtototal(1).Alignment(), forms::vbRightJustify);
    Identifica(frm);
    driver_.ChooseTab(frm.SSTab1, 1);
    driver_.PickRow(frm.TDBGrid(1), 2);
    EXPECT_EQ(frm.lblTab(1).Caption(), "Total de registros : 3 de 3");
  });
}

// A sent declaration: its header and boxes in the history tables with the
// correlative, a debt, its motive and its supporting data.
class Frm942EnviadaTest : public PruebaSolicitud {
 protected:
  void SetUp() override {
    PruebaSolicitud::SetUp();
    Declaracion d{kRucRio, "201005", 2, "15/06/2010", "15/07/2010", "002"};
    InsertaDeclaracion(d);
    std::string clave = Clave(d) + ", '002'";
    InsertaDeuda("H", clave, {"02", "00", "201001", "052100", "7", "101000", "300.00", "300.00", "1"});
    for (auto [casilla, valor] : {std::pair{"507", "12345"}, {"508", "0"}, {"510", "12"},
                                  {"513", "1"}, {"541", "10/05/2010"}, {"028", "45"}})
      Ejecuta("INSERT INTO HDET (tip_doc_d, doc_id_d, periodo, formulario, Semana, Casilla, Correl, "
              "i_valor) VALUES (" + Clave(d) + ", " + vb::SqlText(casilla) + ", '002', " +
              vb::SqlText(valor) + ")");
    // The same declarant's pending declaration, whose rows the sent one must not show.
    Declara(kRucRio, 2, {Deuda{"02", "00", "201002", "052100", "9"}});
  }
};

TEST_F(Frm942EnviadaTest, SentDeclarationIsViewedFromItsHistoryRowsAndCannotBeChanged) {
  Abre(kRucRio, [this](Frm942& frm) {
    EXPECT_EQ(frm.Caption(), std::string(kTitulo) + " - Enviadas");
    EXPECT_EQ(frm.sCorrel, "002");
    EXPECT_EQ(frm.txtCorrel.Text(), "002");
    EXPECT_TRUE(frm.txtCorrel.Visible());
    EXPECT_TRUE(frm.Label1(7).Visible());
    for (forms::CommandButton* boton :
         {&frm.CmdValidar, &frm.CmdGrabar, &frm.CmdAcoge(1), &frm.CmdAcoge(2), &frm.CmdNoAcoge(1),
          &frm.CmdNoAcoge(2), &frm.cmdEdit(1), &frm.cmdEdit(2), &frm.cmdEdit(3), &frm.cmdNew(3),
          &frm.cmdDelete(3)})
      EXPECT_FALSE(boton->Visible()) << boton->Name();
    EXPECT_TRUE(frm.CmdCancelar.Visible());
    EXPECT_FALSE(frm.txtTelefono.Enabled());
    EXPECT_FALSE(frm.mkeFechaAcog.Enabled());
    EXPECT_FALSE(frm.Frame_Garantia.Enabled());
    EXPECT_EQ(Consulta("SELECT per_doc, cod_tri, num_doc, ind_acog FROM TMP_F0942DEUDAS ORDER BY 1"),
              (Filas{{"200901", "010101", "1", "Null"}, {"201001", "052100", "7", "1"}}));
    // Every other column comes across as well, the correlative (column 5) left behind.
    Filas historia = Consulta("SELECT * FROM HF0942DEUDAS ORDER BY per_doc");
    for (auto& fila : historia) fila.erase(fila.begin() + 5);
    EXPECT_EQ(Consulta("SELECT * FROM TMP_F0942DEUDAS ORDER BY per_doc"), historia);
    EXPECT_EQ(Consulta("SELECT count(*) FROM TMP_F0942MOTIVO UNION ALL SELECT count(*) FROM "
                       "TMP_F0942SUSTEN"),
              (Filas{{"1"}, {"1"}}));
    frm.CargaDataTemporales("C");
    EXPECT_EQ(gsSQL, "INSERT INTO tmp_F0942SUSTEN SELECT tip_doc_d, doc_id_d, periodo, formulario, "
                     "semana, Ind_tip_deu, per_doc, cod_tri, Num_doc, Cod_for, cod_motivo, "
                     "num_sust, cod_formulario, num_orden, num_res, tip_impug, num_exp, des_otros, "
                     "fec_pago, cnumero  FROM HF0942SUSTEN WHERE tip_doc_d = 6 AND doc_id_d = "
                     "'20603189753' AND periodo = '201005' AND formulario = '0942' AND Semana = 2 "
                     "AND Correl = '002' ;");
    EXPECT_EQ(Cuenta("TMP_F0942DEUDAS"), 2);
    EXPECT_EQ(frm.txtValor(507).Text(), "12,345");
    EXPECT_EQ(frm.txtValor(508).Text(), "0");
    EXPECT_EQ(frm.txtValor(510).Text(), "12");
    EXPECT_EQ(frm.txtValor(513).Text(), "SI");
    EXPECT_EQ(frm.txtTelefono.Text(), "45");
    EXPECT_EQ(frm.mkeFechaAcog.Text(), "10/05/2010");
    // A stored telephone and date that would not pass the identification check
    // do not hold the viewer on tab 0; the boxes take no typing.
    driver_.ChooseTab(frm.SSTab1, 2);
    EXPECT_EQ(frm.SSTab1.Tab(), 2);
    driver_.ChooseTab(frm.SSTab1, 4);
    for (int casilla = 507; casilla <= 513; ++casilla) EXPECT_FALSE(frm.txtValor(casilla).Enabled());
    driver_.Click(frm.CmdCancelar);
  }, true);
  EXPECT_EQ(Cuenta("TMP_F0942DEUDAS"), 0);
  EXPECT_EQ(Cuenta("TMP_F0942MOTIVO"), 0);
  EXPECT_EQ(driver_.MessageBoxes(), std::vector<MessageBoxCall>{});
}

TEST_F(Frm942Test, BoxesComeBackAsStoredAndTheEntitysTaxCodeStaysInItsBox) {
  Declara(kRucAndina, 1, {Deuda{}});
  for (auto [casilla, valor] : {std::pair{"005", "1"}, {"028", "987654321"}, {"551", "101"},
                                {"541", "15/05/2010"}, {"500", "1234.6"}, {"501", "2"},
                                {"502", "3"}, {"505", "8021"}, {"506", "0"}, {"535", "12345"},
                                {"515", "0"}})
    Casilla(kRucAndina, 1, casilla, valor);
  gsTIM.clear();
  Abre(kRucAndina, [this](Frm942& frm) {
    EXPECT_TRUE(frm.OptRectifica(0).Value());
    EXPECT_EQ(frm.txtTelefono.Text(), "987654321");
    EXPECT_EQ(frm.ChkGarantia(0).Value(), forms::vbChecked);
    EXPECT_EQ(frm.ChkGarantia(1).Value(), forms::vbUnchecked);
    EXPECT_EQ(frm.ChkGarantia(2).Value(), forms::vbChecked);
    EXPECT_EQ(frm.mkeFechaAcog.Text(), kHoy);
    EXPECT_EQ(gsTIM, "1.2");
    EXPECT_EQ(frm.txtValor(500).Text(), "1,235");
    EXPECT_EQ(frm.txtValor(501).Text(), "2");
    EXPECT_EQ(frm.txtValor(502).Text(), "3");
    EXPECT_EQ(frm.txtValor(503).Text(), "");
    EXPECT_EQ(frm.txtValor(505).Text(), "8021");
    EXPECT_EQ(frm.txtValor(505).Tag(), "8021");
    EXPECT_EQ(frm.txtValor(506).Text(), "NO");
    EXPECT_EQ(gsGarantia, "0");
    EXPECT_EQ(frm.txtValor(535).Text(), "12,345");
    EXPECT_EQ(frm.txtValor(515).Text(), "0");
    EXPECT_EQ(frm.txtValor(512).Text(), "");
    EXPECT_EQ(frm.txtValor(512).Tag(), "5216");
    frm.CargaCasillas();
    EXPECT_EQ(gsSQL, "SELECT * FROM DET WHERE tip_doc_d = 6 AND doc_id_d = '20456712348' AND "
                     "periodo ='201005' AND formulario ='0942' AND semana = 1 AND casilla = '539'");
  });
}

TEST(CasillasTest, StoredValueShowsByItsBoxKind) {
  struct Caso {
    const char* casilla;
    vb::Variant valor;
    const char* mostrado;
  } casos[] = {
      {"500", vb::Variant("1234.6"), "1,235"},   {"535", vb::Variant("1234567"), "1,234,567"},
      {"505", vb::Variant("8021"), "8,021"},     {"508", vb::Variant("0"), "0"},
      {"501", vb::Variant(" 2"), " 2"},          {"541", vb::Variant("15/05/2010"), "15/05/2010"},
      {"551", vb::Variant("010"), "010"},        {"506", vb::Variant(" 1 "), "SI"},
      {"534", vb::Variant("0"), "NO"},           {"513", vb::Variant("X"), ""},
      {"028", vb::Variant(vb::Null), ""},
  };
  for (const Caso& c : casos) EXPECT_EQ(ValorMostrado(c.casilla, c.valor), c.mostrado) << c.casilla;
  std::vector<int> orden = CasillasPorFila();
  EXPECT_EQ(std::vector<int>(orden.begin(), orden.begin() + 7),
            (std::vector<int>{500, 507, 514, 521, 528, 501, 508}));
  EXPECT_EQ(std::vector<int>(orden.end() - 6, orden.end()),
            (std::vector<int>{534, 535, 536, 537, 538, 539}));
  EXPECT_EQ(orden.size(), 40u);
  EXPECT_EQ(NumeroCasilla(2), "002");
}

// A good taxpayer pays no initial instalment and needs no guarantee; a
// guarantee the stored boxes already require stays required. The stored
// initial payment replaces the "0" the opening writes first. The header's
// flags are read: the first character of `cheque`, and `bcolibrad`.
TEST_F(Frm942Test, GoodTaxpayerAndStoredGuaranteeSetTheEntitysBoxes) {
  struct Caso {
    const char* cheque;
    const char* garantia;  // box b+6 stored
    const char* texto;
    bool habilitada;
    bool mensaje;
    const char* cuota;
    bool cuotaHabilitada;
  } casos[] = {
      {"10", "", "NO", false, false, "", false},
      {"1", "1", "SI", false, false, "", false},
      {"0", "", "", false, true, "", true},
      {"0", "1", "SI", false, true, "", true},
  };
  for (const Caso& c : casos) {
    Ejecuta("DELETE FROM CAB");
    Ejecuta("DELETE FROM DET");
    Ejecuta("DELETE FROM F0942GARANTIA");
    Ejecuta("DELETE FROM F0942DEUDAS");
    Declara(kRucRio, 3, {Deuda{}}, c.cheque);
    Ejecuta("UPDATE CAB SET bcolibrad = 1");
    if (*c.garantia) Casilla(kRucRio, 3, "520", c.garantia);
    Abre(kRucRio, [&c](Frm942& frm) {
      EXPECT_EQ(gnRucDelito, 1);
      EXPECT_EQ(frm.txtValor(520).Text(), c.texto) << c.cheque << c.garantia;
      EXPECT_EQ(frm.txtValor(520).Enabled(), c.habilitada) << c.cheque << c.garantia;
      EXPECT_EQ(frm.lblmsg.Visible(), c.mensaje) << c.cheque << c.garantia;
      EXPECT_EQ(frm.txtValor(537).Text(), c.cuota) << c.cheque << c.garantia;
      EXPECT_EQ(frm.txtValor(537).Enabled(), c.cuotaHabilitada) << c.cheque << c.garantia;
      EXPECT_EQ(frm.txtValor(537).BackColor(), c.cuotaHabilitada ? kBlanco : kGris);
    });
  }
}

TEST_F(Frm942Test, OnlyTheFrameOfTheDeclarationsEntityShowsWithItsTaxCode) {
  for (const Bloque& bloque : kBloques) {
    Ejecuta("DELETE FROM CAB");
    Declara(kRucAndina, bloque.semana, {Deuda{}});
    Abre(kRucAndina, [&bloque](Frm942& frm) {
      forms::Frame* marcos[] = {&frm.Frame_TELVO, &frm.Frame_ESSALUD, &frm.Frame_ONP,
                                &frm.Frame_FONAVI, &frm.Frame_FONCOMUN};
      for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(marcos[i]->Visible(), i == bloque.orden) << bloque.nombre << i;
        EXPECT_EQ(marcos[i]->Enabled(), i == bloque.orden) << bloque.nombre << i;
      }
      EXPECT_EQ(marcos[bloque.orden]->Top(), 1015);
      EXPECT_EQ(marcos[bloque.orden]->Left(), 5100);
      EXPECT_EQ(frm.txtValor(bloque.base + 5).Text(), bloque.tributo);
      EXPECT_EQ(frm.txtdescol(bloque.orden).Text(), bloque.nombre);
      EXPECT_EQ(frm.nCasillaBase, bloque.base);
      EXPECT_EQ(frm.nCasillaInteres, bloque.interes);
      EXPECT_EQ(frm.nCasillaGarantia, bloque.base + 6);
    });
  }
}

TEST_F(Frm942Test, DeclarationWithOnlyTheOtherDebtsRecordCannotSelectTabsOneAndTwo) {
  Declara(kRucAndina, 1, {{"05", "0", "200508", "0", "0", "0", "2650.75", "0.00"}});
  Abre(kRucAndina, [](Frm942& frm) {
    EXPECT_FALSE(frm.SSTab1.TabEnabled(1));
    EXPECT_FALSE(frm.SSTab1.TabEnabled(2));
    EXPECT_TRUE(frm.SSTab1.TabEnabled(3));
  });
}

// Another taxpayer's guarantee data must not decide this declaration's.
TEST_F(Frm942Test, DeclarationWithoutAGuaranteeRowStartsWithEmptyGuaranteeData) {
  Declara(kRucRio, 1, {Deuda{}}, "0", "0");
  Casilla(kRucRio, 1, "506", "1");
  Declara(kRucAndina, 1, {Deuda{}}, "0", "");
  Abre(kRucRio, [](Frm942&) {
    EXPECT_EQ(gsIndGarantia, "0");
    EXPECT_EQ(gsIndPersona, "01");
    EXPECT_EQ(gsMtoDeuda, "1500.00");
    EXPECT_EQ(gsMtoDeudaGarantia, "0.00");
    EXPECT_EQ(gsGarantia, "1");
  });
  Abre(kRucAndina, [](Frm942& frm) {
    EXPECT_EQ(gsIndGarantia, "");
    EXPECT_EQ(gsIndPersona, "");
    EXPECT_EQ(gsMtoDeuda, "");
    EXPECT_EQ(gsMtoDeudaGarantia, "");
    EXPECT_EQ(gsGarantia, "");
    EXPECT_EQ(gsTipoPersona, "1");
    EXPECT_FALSE(frm.txtValor(506).Enabled());
  });
}

// Copying back replaces this declaration's stored rows and no one else's.
TEST_F(Frm942Test, CopyingBackTouchesOnlyTheOpenDeclarationsStoredRows) {
  Importa(kRucRio);
  Importa(kRucAndina);
  Filas otras = DeudasDe("F0942DEUDAS", kRucRio);
  Abre(kRucAndina, [this](Frm942& frm) {
    Ejecuta("UPDATE TMP_F0942DEUDAS SET ind_acog = 2");
    Ejecuta("DELETE FROM TMP_F0942DEUDAS WHERE num_doc = '02300100000000001'");
    frm.CargaDataTemporales("G");
    EXPECT_EQ(gsSQL, "INSERT INTO F0942SUSTEN SELECT * FROM tmp_F0942SUSTEN WHERE tip_doc_d = 6 "
                     "AND doc_id_d = '20456712348' AND periodo = '201005' AND formulario = '0942' "
                     "AND Semana = 1;");
  });
  EXPECT_EQ(DeudasDe("F0942DEUDAS", kRucRio), otras);
  EXPECT_EQ(Consulta("SELECT count(*), min(ind_acog), max(ind_acog) FROM F0942DEUDAS WHERE "
                     "doc_id_d = '20456712348'"),
            (Filas{{"5", "2", "2"}}));
}

TEST_F(Frm942Test, OpeningThatStopsEarlyIsReportedAndTheWindowCloses) {
  Declara(kRucAndina, 1, {Deuda{}});
  Casilla(kRucAndina, 1, "541", "2010-05-15");
  std::size_t nMensajes = driver_.MessageBoxes().size();
  driver_.Expect({"Ha habido problemas en la carga del formulario. Reintente de nuevo la operación",
                  forms::vbCritical, kTitulo});
  Abre(kRucAndina, [](Frm942&) {}, false, false);
  EXPECT_EQ(driver_.MessageBoxes().size(), nMensajes + 1);
  EXPECT_EQ(forms::LoadedInstance<Frm942>(), nullptr);
  EXPECT_EQ(Cuenta("TMP_F0942DEUDAS"), 0);
  EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
}

// The identification check in report mode: each finding is one line of the
// report, in the order of the checks.
TEST_F(Frm942Test, IdentificationCheckReportsEachTelephoneFindingAsOneLine) {
  const std::string corto = "Ingrese correctamente el teléfono";
  const std::string siete = "Identificación-Información general : El número de teléfono ingresado "
                            "debe ser de 7 dígitos, o un celular de 9 dígitos";
  const std::string celular = "Identificación-Información general : El celular debe ser de 9 dígitos";
  struct Caso {
    const char* telefono;
    std::vector<std::string> lineas;
  } casos[] = {
      {"", {corto}},           {"12345", {corto}},       {"123456", {}},
      {"1234567", {}},         {"12345678", {siete}},    {"92345678", {celular}},
      {"912345678", {}},       {"112345678", {}},        {"91", {corto, celular}},
  };
  Declara(kRucAndina, 1, {Deuda{}});
  Abre(kRucAndina, [&](Frm942& frm) {
    frm.mkeFechaAcog.SetText(kHoy);
    for (const Caso& c : casos) {
      std::string archivo = carpeta_ / "Mens.txt";
      frm.nArchivoReporte = vb::FreeFile();
      vb::Open(archivo, vb::OpenMode::Output, frm.nArchivoReporte);
      giInconsistencia = 0;
      frm.txtTelefono.SetText(c.telefono);
      bool bValida = frm.ValidaContForm1(0);
      vb::Close(frm.nArchivoReporte);
      std::string esperado;
      for (const std::string& linea : c.lineas) esperado += vb::ToCp1252(linea) + "\r\n";
      EXPECT_EQ(ReadBytes(archivo), esperado) << c.telefono;
      EXPECT_EQ(bValida, c.lineas.empty()) << c.telefono;
      EXPECT_EQ(giInconsistencia, c.lineas.empty() ? 0 : 1) << c.telefono;
    }
    // The date's finding is written as well: a date that is not the debt file's.
    frm.nArchivoReporte = vb::FreeFile();
    vb::Open(carpeta_ / "Mens.txt", vb::OpenMode::Output, frm.nArchivoReporte);
    frm.mkeFechaAcog.SetText("__/__/____");
    frm.txtTelefono.SetText("1234567");
    EXPECT_FALSE(frm.ValidaContForm1(0));
    vb::Close(frm.nArchivoReporte);
    EXPECT_EQ(ReadBytes(carpeta_ / "Mens.txt"),
              vb::ToCp1252("Debe registrar la Fecha de actualización") + "\r\n");
  });
}

TEST_F(Frm942Test, LeavingTabZeroNeedsATelephoneAndTheDebtFilesDate) {
  Declara(kRucAndina, 1, {Deuda{}, {"04", "00", "201004", "010101", "2", "001000", "50.40", "50.40"}});
  Abre(kRucAndina, [this](Frm942& frm) {
    driver_.Expect({"Ingrese correctamente el teléfono", forms::vbCritical, kTitulo});
    driver_.ChooseTab(frm.SSTab1, 3);
    EXPECT_EQ(frm.SSTab1.Tab(), 0);
    EXPECT_EQ(frm.ActiveControl(), &frm.txtTelefono);
    EXPECT_EQ(frm.lblTab(3).Caption(), "Total de registros : 1 de 1");
    driver_.Type(frm.txtTelefono, "4567890");
    // Leaving the date box reports a rejected date and gives the box back the
    // text it had on entry; the tab change then holds on tab 0 and says why.
    driver_.Type(frm.mkeFechaAcog, "14052010");
    driver_.Expect({"La Fecha de actualización no debe ser menor a la fecha de pedido de archivo "
                    "personalizado. \nFecha de pedido de archivo personalizado: 15/05/2010",
                    forms::vbCritical, kTitulo});
    driver_.Expect({"Debe registrar la Fecha de actualización", forms::vbCritical, kTitulo});
    driver_.ChooseTab(frm.SSTab1, 3);
    EXPECT_EQ(frm.SSTab1.Tab(), 0);
    EXPECT_EQ(frm.mkeFechaAcog.Text(), "__/__/____");
    driver_.Type(frm.mkeFechaAcog, "15052010");
    gsTIM.clear();
    driver_.ChooseTab(frm.SSTab1, 3);
    EXPECT_EQ(frm.SSTab1.Tab(), 3);
    EXPECT_EQ(gsTIM, "1.2");
    EXPECT_EQ(frm.SSTab1.HelpContextID(), 1028);
    EXPECT_EQ(frm.txtmtototal(3).Text(), "50");
    EXPECT_EQ(frm.MousePointer(), forms::vbDefault);
    const std::pair<int, long> ayudas[] = {{5, 1017}, {1, 1016}, {2, 1015}, {4, 1023}, {0, 1029}};
    for (auto [tab, ayuda] : ayudas) {
      driver_.ChooseTab(frm.SSTab1, tab);
      EXPECT_EQ(frm.SSTab1.HelpContextID(), ayuda) << tab;
    }
    EXPECT_EQ(frm.HelpContextID(), 1029);
    driver_.ChooseTab(frm.SSTab1, 1);
    driver_.Key(frm, forms::vbKeyF1);
    ASSERT_FALSE(driver_.HelpRequests().empty());
    EXPECT_EQ(driver_.HelpRequests().back().context, 1016);
    EXPECT_EQ(frm.SSTab1.TabCaption(4), "Modalida&d de pago");
    EXPECT_EQ(frm.SSTab1.TabCaption(5), "&Deudas no acogibles");
  });
}

// The row a detail window was opened on becomes current again after the tab
// change reloads the grid.
TEST_F(Frm942Test, TabChangeReloadsTheGridAndReturnsToThePendingRow) {
  Declara(kRucAndina, 1, {Deuda{"01", "00", "201001", "010101", "1"}, Deuda{"01", "00", "201002", "010101", "2"},
                          Deuda{"01", "00", "201003", "010101", "3"}});
  Abre(kRucAndina, [this](Frm942& frm) {
    Identifica(frm);
    driver_.ChooseTab(frm.SSTab1, 1);
    Ejecuta("UPDATE TMP_F0942DEUDAS SET mto_act_c = '2000' WHERE num_doc = '2'");
    frm.nPosicion = 1;
    driver_.ChooseTab(frm.SSTab1, 0);
    driver_.ChooseTab(frm.SSTab1, 1);
    EXPECT_EQ(frm.TDBGrid(1).CurrentRow(), 1);
    EXPECT_EQ(frm.TDBGrid(1).Columns(5).Text(), "2,000");
    EXPECT_EQ(frm.nPosicion, 0);
    EXPECT_EQ(frm.lblTab(1).Caption(), "Total de registros : 2 de 3");
    EXPECT_EQ(frm.txtmtototal(1).Text(), "2,200");
  });
}

// Person type and unanswered debts, over the working debts of the open form.
TEST_F(Frm942Test, PersonTypeAndUnansweredDebtsLookAtTheirOwnGroups) {
  struct Caso {
    Deuda deuda;
    const char* tipoPersona;
    bool sinResponder1;
    bool sinResponder2;
  } casos[] = {
      {{"01", "00", "201001", "010101", "1", "001000", "1", "1", "1"}, "1", false, false},
      {{"01", "0", "201001", "030701", "1", "001000", "1", "1", "1"}, "0", false, false},
      {{"02", "07", "201001", "030704", "1", "001000", "1", "1", "1"}, "0", false, false},
      {{"02", "16", "201001", "030704", "1", "001000", "1", "1", "1"}, "1", false, false},
      {{"04", "16", "201001", "030702", "1", "001000", "1", "1", "1"}, "0", false, false},
      {{"03", "08", "201001", "030702", "1", "001000", "1", "1", "2"}, "1", false, false},
      {{"05", "08", "201001", "010101", "1", "001000", "1", "1"}, "1", true, false},
      {{"03", "00", "201001", "010101", "1", "001000", "1", "1"}, "1", false, true},
      {{"04", "00", "201001", "010101", "1", "001000", "1", "1"}, "1", false, false},
  };
  Declara(kRucAndina, 1, {});
  Abre(kRucAndina, [&](Frm942& frm) {
    for (const Caso& c : casos) {
      Ejecuta("DELETE FROM TMP_F0942DEUDAS");
      InsertaDeuda("TMP_", Clave({kRucAndina, "201005", 1}), c.deuda);
      frm.CargaTipoPersona();
      EXPECT_EQ(gsTipoPersona, c.tipoPersona) << c.deuda.tipo << c.deuda.tributo;
      EXPECT_EQ(frm.Existen_Deudas("1"), c.sinResponder1) << c.deuda.tipo;
      EXPECT_EQ(frm.Existen_Deudas("2"), c.sinResponder2) << c.deuda.tipo;
      EXPECT_EQ(frm.Existen_Deudas("x"), c.sinResponder2) << c.deuda.tipo;
    }
  });
}

// Counters count past the 32767 rows of a 16-bit integer: a declaration with
// more debts of one category still opens.
TEST_F(Frm942Test, CategoryOfMoreThan32767DebtsIsCounted) {
  Declara(kRucAndina, 1, {Deuda{"02", "00", "201001", "010101", "1", "001000", "1.00", "1.00"}});
  const std::string columnas =
      "tip_doc_d, doc_id_d, periodo, formulario, semana, Ind_tip_deu, per_doc, cod_tri, %, "
      "Cod_for, Cod_tip_doc, Cod_tri_aso, Ind_ver_deu, Fec_des_deu, mto_act_s, mto_act_c";
  for (int i = 0; i < 15; ++i)
    Ejecuta("INSERT INTO F0942DEUDAS (" + vb::Replace(columnas, "%", "Num_doc") + ") SELECT " +
            vb::Replace(columnas, "%", "Num_doc & '" + std::string(1, static_cast<char>('a' + i)) + "'") +
            " FROM F0942DEUDAS");
  Abre(kRucAndina, [](Frm942& frm) {
    EXPECT_EQ(frm.lblTab(2).Caption(), "Total de registros : 1 de 32768");
    EXPECT_TRUE(frm.bCargaCompleta);
  });
}

}  // namespace
}  // namespace korva::prueba

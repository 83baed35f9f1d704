// The reported-debt window opened from the request form's grids on debts of a
// generated debt file.
#include "formulario/reported_debts/DialogoSustento.h"
#include "formulario/reported_debts/tests/prueba_deudas.h"

namespace korva::prueba {
namespace {

using debtfile::Fields;
using Textos = std::vector<std::string>;

class FrmCondeuDetTest : public PruebaDeudas {
 protected:
  void TearDown() override {
    FijaDialogoSustento(nullptr);
    PruebaDeudas::TearDown();
  }
  // The stored debt's answer, before the declaration is opened.
  void Responde(const std::string& numero, const std::string& asignaciones) {
    Ejecuta("UPDATE F0942DEUDAS SET " + asignaciones + " WHERE num_doc = " + vb::SqlText(numero));
  }
  // A stored motive of the debt `numero` with its supporting rows, each given as
  // its values from cod_formulario to fec_pago.
  void Motivo(const std::string& numero, int motivo, const Textos& sustentos) {
    std::string clave = "6, '" + std::string(kRucAndina) + "', '201005', '0942', 1, ind_tip_deu, "
                        "per_doc, cod_tri, num_doc, cod_for, " + std::to_string(motivo);
    std::string desde = " FROM F0942DEUDAS WHERE num_doc = " + vb::SqlText(numero);
    Ejecuta("INSERT INTO F0942MOTIVO SELECT " + clave + ", '000000'" + desde);
    for (std::size_t n = 0; n < sustentos.size(); ++n)
      Ejecuta("INSERT INTO F0942SUSTEN SELECT " + clave + ", " + std::to_string(n + 1) + ", " +
              sustentos[n] + ", '000000'" + desde);
  }
  Textos InteresAceptado(vb::Date generado, const char* capitalizado, const char* interes,
                         const char* aceptacion);
  // Answers inclusion "&Si" and then the agreement: 0 "S&i", 1 "N&o".
  void Contesta(frmCondeuDet& det, int conforme) {
    driver_.Click(det.optAcogeFrac(0));
    driver_.Click(det.optConformeMto(conforme));
  }
};

// The identification rows in one line: Label3, the number, the tax, the
// document type and the state; "+"/"-" for the document-type and associated-tax
// rows shown, the tops of the period and state rows; "+"/"-" for the inclusion
// options enabled.
std::string Identificacion(frmCondeuDet& det) {
  auto visible = [](const forms::Control& c) { return c.Visible() ? "+" : "-"; };
  return det.Label3.Caption() + "|" + det.lblNumvalor.Text() + "|" + det.lblCodtributo.Text() + " " +
         det.LblDestributo.Text() + "|" + det.lblCod_tip_doc.Text() + " " + det.lblDes_tip_doc.Text() +
         "|" + det.lblDesEstado.Text() + "|" + visible(det.lblCod_tip_doc) +
         visible(det.lblCod_Tri_aso) + " " + std::to_string(det.lblPeriodo.Top()) + " " +
         std::to_string(det.lblDesEstado.Top()) + "|" +
         (det.optAcogeFrac(0).Enabled() && det.optAcogeFrac(1).Enabled() ? "+" : "-");
}

std::string Reportados(frmCondeuDet& det) {
  return det.lblmtotribinsol1.Caption() + " " + det.lblmtointcapital.Caption() + " " +
         det.lblmtointnocapital.Caption() + " " + det.lblmtotot1.Caption();
}

// Identification rows by category, tax and state, and the inclusion options
// enabled again when the next row is loaded into the same window.
TEST_F(FrmCondeuDetTest, ShowsTheReportedDebtByCategoryTaxAndState) {
  auto con = [](const char* tipoDoc, std::function<void(Fields&)> ajusta) {
    return [=](Fields& f) {
      ajusta(f);
      f[campo::kTipoDoc] = tipoDoc;
      f[campo::kTributoInsoluto] = "100.5";
      f[campo::kInteresCapitalizado] = "20";
      f[campo::kInteres] = "3.25";
    };
  };
  auto orden = [](const char* tributo, const char* estado, const char* ordenDj) {
    return [=](Fields& f) {
      Con(tributo, "200903", estado)(f);
      f[campo::kOrdenDj] = ordenDj;
    };
  };
  ImportaLineas({Linea("01", "V-1", con("001000", Con("010101", "200905"))),
                 Linea("01", "V-7", con("002000", Con("010101", "200904", "07"))),
                 Linea("01", "V-8", con("003000", orden("080206", "08", "3"))),
                 Linea("01", "V-9", con("001000", orden("080206", "00", "7"))),
                 Linea("02", "12345", con("002000", [](Fields& f) {
                   Con("010101", "200812")(f);
                   f[campo::kFormulario] = "12";
                 })),
                 Linea("03", "I-1", con("003000", [](Fields& f) {
                   Con("060401", "200811")(f);
                   f[campo::kTributoAsociado] = "010101";
                 })),
                 debtfile::OtherDebtsRecord({generado_, false, 1})});
  const char* kValor = "100.50 20.00 3.25 123.75";
  struct Caso {
    int grilla;
    const char* numero;
    const char* caption;
    const char* identificacion;
    const char* reportados;
  } casos[] = {
      {1, "V-1", "Valores",
       "Número de valor|V-1|1011 IGV - CUENTA PROPIA|001000 RESOLUCION DE DETERMINACION|"
       "DEUDA VÁLIDA|+- 480 2520|+", kValor},
      {1, "V-7", "Valores",
       "Número de valor|V-7|1011 IGV - CUENTA PROPIA|002000 RESOLUCION DE MULTA|"
       "VALOR SE ENCUENTRA EN PROCESO CONTENCIOSO|+- 480 2520|+", kValor},
      {1, "V-8", "Valores",
       "Número de valor|V-8|8026 TESORO - CUOTAS REFT|003000 ORDEN DE PAGO - SALDO|"
       "VALOR TIENE COSTAS PENDIENTES|+- 480 2520|+", kValor},
      {1, "V-9", "Valores",
       "Número de valor|V-9|8026 TESORO - CUOTAS REFT|001000 RESOLUCION DE DETERMINACION|"
       "DEUDA VÁLIDA|+- 480 2520|+", kValor},
      {1, "0", "Valores", "Número de valor|0|0 |0 |OTRAS DEUDAS|+- 480 2520|-",
       "2,500.00 120.50 30.25 2,650.75"},
      {2, "12345", "Deudas autoliquidadas",
       "Nº de formulario - Nº de orden|0012-12345|1011 IGV - CUENTA PROPIA|002000 RESOLUCION DE "
       "MULTA|DEUDA VÁLIDA|-- 460 2180|+", kValor},
      {2, "I-1", "Deudas autoliquidadas",
       "Nº de infracción|I-1|6041 MULTAS - TESORO|003000 ORDEN DE PAGO|DEUDA VÁLIDA|++ 480 2520|+",
       kValor},
  };
  for (const Caso& c : casos) {
    AbreDetalle(c.grilla, c.numero, [&](frmCondeuDet& det) {
      EXPECT_EQ(det.Caption(), c.caption);
      EXPECT_EQ(Identificacion(det), c.identificacion);
      EXPECT_EQ(Reportados(det), c.reportados) << c.numero;
      EXPECT_EQ(det.lblFechaAct.Text(), "15/05/2010 08:00:00 a.m.");
    });
  }
  AbreDetalle(2, "I-1", [](frmCondeuDet& det) {
    EXPECT_EQ(det.lblCod_Tri_aso.Text() + " " + det.lblDesetapa.Text(),
              "1011 IGV - CUENTA PROPIA" + std::string(39, ' ') + "10");
    EXPECT_EQ(det.lblDesetapa.Top(), 1800);
  });
  // The row of other debts disables the inclusion; the next row loaded into the
  // same window may be answered again.
  AbreDetalle(1, "0", [](frmCondeuDet& det) {
    forms::Instance<Frm942>().Dat(1).Recordset()->SetAbsolutePosition(0);
    det.CargaValorDj();
    EXPECT_EQ(det.lblNumvalor.Text(), "V-1");
    EXPECT_EQ(Identificacion(det).back(), '+');
  });
}

// The stored answer: its options, each with its handling, and the accepted
// amounts of a disagreement in whole soles.
TEST_F(FrmCondeuDetTest, LoadsTheStoredAnswer) {
  struct Caso {
    const char* respuesta;
    Textos montos;
    Textos opciones;  // inclusion and agreement: each option's value, "+" when enabled
    const char* label1;
  } casos[] = {
      {"ind_acog = 2, ind_conf = 2, mto_tributo_c = '0'", {"", "", "", ""}, {"01+", "01-"}, "Interés"},
      {"ind_acog = 1, ind_conf = 2, mto_tributo_c = '1234.56', mto_int_cap_c = '', mto_int_c = '10.4', "
       "mto_act_c = '1245'",
       {"1,235", "0", "10", "1,245"}, {"10+", "01+"}, "Interés"},
      {"ind_acog = 1, ind_conf = 1", {"1,000.00", "20.00", "3.25", "1,023.00"}, {"10+", "10+"},
       "Interés al 15/05/2010"},
      {"ind_acog = 2, ind_conf = 1", {"0", "0", "0", "0"}, {"01+", "10-"}, "Interés al 15/05/2010"},
      {"ind_acog = Null, ind_conf = Null", {"", "", "", ""}, {"00+", "00-"}, "Interés"},
  };
  std::vector<Fields> lineas;
  for (int n = 0; n < 5; ++n)
    lineas.push_back(Linea("01", "R-" + std::to_string(n), [](Fields& f) {
      Con("010101", "200905")(f);
      f[campo::kTributoInsoluto] = "1000.00";
      f[campo::kInteresCapitalizado] = "20.00";
      f[campo::kInteres] = "3.25";
    }));
  ImportaLineas(lineas);
  for (int n = 0; n < 5; ++n) Responde("R-" + std::to_string(n), casos[n].respuesta);
  for (int n = 0; n < 5; ++n) {
    const Caso& c = casos[n];
    AbreDetalle(1, "R-" + std::to_string(n), [&](frmCondeuDet& det) {
      auto opciones = [](forms::ControlArray<forms::OptionButton>& o) {
        return std::string(o(0).Value() ? "1" : "0") + (o(1).Value() ? "1" : "0") +
               (o(0).Enabled() ? "+" : "-");
      };
      EXPECT_EQ(Montos(det), c.montos) << c.respuesta;
      EXPECT_EQ((Textos{opciones(det.optAcogeFrac), opciones(det.optConformeMto)}), c.opciones)
          << c.respuesta;
      EXPECT_EQ(det.Label1.Caption(), c.label1) << c.respuesta;
      EXPECT_FALSE(det.bModificado);
    });
  }
}

// Motives with their supporting data come back into the window's lists, tags
// and properties; the debt's values reach the statement quoted, so a document
// number with an apostrophe is found.
TEST_F(FrmCondeuDetTest, LoadsTheStoredMotivesAndSupportingData) {
  ImportaLineas({Linea("01", "O'RE-1", Con("010101", "200905", "07"))});
  Responde("O'RE-1", "ind_acog = 1, ind_conf = 2, mto_tributo_c = '900'");
  Motivo("O'RE-1", 1, {"'0621', 123456789, '0', 0, '0', '-', '05/01/2010'",
                       "'1683', 7, '0', 0, '0', '-', '06/01/2010'"});
  Motivo("O'RE-1", 2, {"'0621', 0, '0', 0, '0', '-', '01/01/1901'"});
  Motivo("O'RE-1", 3, {"'0', 0, '0', 0, 'EXP-9', '-', '01/01/1901'"});
  Motivo("O'RE-1", 4, {"'0', 0, 'RES-1', 0, '0', '-', '01/01/1901'"});
  Motivo("O'RE-1", 5, {"'1683', 987654321, '0', 3, '0', '-', '01/01/1901'"});
  Motivo("O'RE-1", 6, {"'0', 0, '0', 0, '0', '-', '01/01/1901'"});
  Motivo("O'RE-1", 8, {});
  AbreDetalle(1, "O'RE-1", [](frmCondeuDet& det) {
    EXPECT_EQ(gsSQL,
              "SELECT a.cod_motivo, b.cod_formulario, b.num_orden, b.num_res, b.tip_impug, "
              "b.num_exp, b.des_otros, b.Fec_pago FROM TMP_F0942MOTIVO a, TMP_F0942SUSTEN b WHERE "
              "a.doc_id_d = b.doc_id_d AND a.semana = b.semana AND a.ind_tip_deu = b.ind_tip_deu AND "
              "a.per_doc = b.per_doc AND a.cod_tri = b.cod_tri AND a.num_doc = b.num_doc AND "
              "a.cod_for = b.cod_for AND a.cod_motivo = b.cod_motivo AND a.doc_id_d = '20456712348' "
              "AND a.semana = 1 AND a.ind_tip_deu = '01' AND a.per_doc = '200905' AND a.cod_tri = "
              "'010101' AND a.num_doc = 'O''RE-1' AND a.cod_for = '0621' ORDER BY 1 ;");
    std::string marcados, etiquetas, botones;
    for (int i = 1; i <= 8; ++i) {
      marcados += std::to_string(det.chkmotivo(i).Value());
      etiquetas += det.chkmotivo(i).Tag().empty() ? "-" : det.chkmotivo(i).Tag();
      botones += det.cmdMotivo.Exists(i) && det.cmdMotivo(i).Enabled() ? "1" : "0";
    }
    EXPECT_EQ(marcados + " " + etiquetas + " " + botones, "11111100 111111-- 11111101");
    EXPECT_EQ((Textos{det.lstForm.List(0), det.lstForm.List(1), det.lstForm2.List(0)}),
              (Textos{"0621    123456789        05/01/2010", "1683            7        06/01/2010",
                      "0            0        01/01/1901"}));
    Textos propiedades;
    for (int motivo : {2, 3, 5, 6}) {
      gnMotivo = static_cast<std::uint8_t>(motivo);
      propiedades.push_back(det.pcodform() + "/" + det.pnumorden());
    }
    EXPECT_EQ(propiedades, (Textos{"0621/", "/", "1683/987654321", "1683/987654321"}));
    EXPECT_EQ((Textos{det.ptipdoc(), det.pnumdoc(), det.pnumres(), det.pnumexp(), det.ptipimpug(),
                      det.pdesotro()}),
              (Textos{"6", kRucAndina, "RES-1", "EXP-9", "", ""}));
    EXPECT_EQ(Montos(det), (Textos{"900", "0", "0", "0"}));
  });
}

// A box as a person finds it: "+" editable and white, "-" disabled or locked
// and grey, "?" when its colour and its state disagree; then its text.
std::string Caja(const forms::TextBox& caja) {
  bool bEditable = caja.Enabled() && !caja.Locked();
  forms::Color color = caja.BackColor();
  if (color != (bEditable ? kColorEditable : kColorBloqueado)) return "?" + caja.Text();
  return (bEditable ? "+" : "-") + caja.Text();
}

// A disagreement locks the tributo and the capitalised interest by tax code,
// instalments and period; the interest is always open.
TEST_F(FrmCondeuDetTest, DisagreementLocksAmountsByTaxAndPeriod) {
  struct Caso {
    const char* tributo;
    const char* periodo;
    const char* cuotas;
    Textos cajas;  // tributo, capitalised interest, interest
  } casos[] = {
      {"030301", "200505", "0", {"-0", "+", "+"}},  {"020101", "200405", "0", {"+", "+", "+"}},
      {"020101", "200601", "0", {"+", "-0", "+"}},  {"020101", "200601", "3", {"-0", "+", "+"}},
      {"090201", "200605", "0", {"-0", "-0", "+"}}, {"090201", "200513", "0", {"+", "+", "+"}},
      {"030701", "200513", "0", {"+", "-0", "+"}},  {"030701", "200413", "0", {"+", "+", "+"}},
      {"010101", "200512", "0", {"+", "-0", "+"}},
  };
  std::vector<Fields> lineas;
  for (const Caso& c : casos)
    lineas.push_back(Linea("01", std::string("L-") + c.tributo + c.periodo + c.cuotas, [&c](Fields& f) {
      Con(c.tributo, c.periodo)(f);
      f[campo::kCuotasAlternas] = c.cuotas;
    }));
  ImportaLineas(lineas);
  for (const Caso& c : casos) {
    AbreDetalle(1, std::string("L-") + c.tributo + c.periodo + c.cuotas, [&](frmCondeuDet& det) {
      Contesta(det, 1);
      EXPECT_EQ((Textos{Caja(det.txtmtoTributo), Caja(det.lblMtoInteresCAP), Caja(det.lblMtoInteres)}),
                c.cajas)
          << c.tributo << " " << c.periodo << " " << c.cuotas;
    });
  }
}

// Which motives may be ticked, by agreement, category, state and appeal code:
// "1" for each of motives 1 to 6 that is enabled.
TEST_F(FrmCondeuDetTest, MotivesFollowAgreementCategoryAndAppeal) {
  ImportaLineas({Linea("01", "M-I6", Con("010101", "201004", "00", "06")),
                 Linea("01", "M-00", Con("010101", "200905")),
                 Linea("01", "M-07", Con("010101", "200904", "07")),
                 Linea("01", "M-I3", Con("010101", "200903", "00", "03")),
                 Linea("02", "M-02", Con("010101", "200902")),
                 Linea("03", "M-03", Con("060401", "200901"))});
  struct Caso {
    int grilla;
    const char* numero;
    int conforme;
    const char* habilitados;
  } casos[] = {
      {1, "M-00", 1, "111110"}, {1, "M-07", 1, "111111"}, {2, "M-02", 1, "100010"},
      {2, "M-03", 1, "100010"}, {1, "M-00", 0, "000000"}, {1, "M-I6", 0, "000101"},
      {1, "M-I3", 0, "000100"}, {1, "M-I6", 1, "111111"}, {2, "M-02", 0, "000000"},
  };
  for (const Caso& c : casos) {
    AbreDetalle(
        c.grilla, c.numero,
        [&](frmCondeuDet& det) {
          Contesta(det, c.conforme);
          EXPECT_EQ(MotivosHabilitados(det), c.habilitados) << c.numero << " " << c.conforme;
        },
        // Opened from grid 2, the window still finds grid 1's first row under appeal.
        [&c](Frm942& frm) {
          if (c.grilla == 2) {
            EXPECT_EQ(vb::CStr(frm.TDBGrid(1).Columns("ind_impugnado").Value()), "06");
          }
        });
  }
}

// Answering the agreement writes the tributo, whose Change computes the
// interest and writes the two interest boxes, whose own Changes add up the
// accepted total, each nested in the handler that wrote it.
TEST_F(FrmCondeuDetTest, AgreementAnswerRecomputesTheBoxesInNestedOrder) {
  ImportaLineas({Linea("01", "E-1", [](Fields& f) {
    Con("010101", "200905")(f);
    f[campo::kTributoInsoluto] = "1000.00";
    f[campo::kInteresCapitalizado] = "20.00";
    f[campo::kInteres] = "3.25";
  })});
  AbreDetalle(1, "E-1", [this](frmCondeuDet& det) {
    for (int i = 0; i <= 1; ++i) {
      driver_.Trace(det.optAcogeFrac(i).Click, "optAcogeFrac_Click(" + std::to_string(i) + ")");
      driver_.Trace(det.optConformeMto(i).Click, "optConformeMto_Click(" + std::to_string(i) + ")");
    }
    driver_.Trace(det.chkmotivo(1).Click, "chkmotivo_Click(1)");
    driver_.Trace(det.txtmtoTributo.KeyPress, "txtmtoTributo_KeyPress");
    driver_.Trace(det.txtmtoTributo.Change, "txtmtoTributo_Change");
    driver_.Trace(det.lblMtoInteresCAP.Change, "lblMtoInteresCAP_Change");
    driver_.Trace(det.lblMtoInteres.Change, "lblMtoInteres_Change");
    struct Paso {
      std::function<void()> accion;
      Textos log;
      Textos montos;
    } pasos[] = {
        {[&] { driver_.Click(det.optAcogeFrac(0)); }, {"optAcogeFrac_Click(0)"}, {"", "", "", ""}},
        {[&] { driver_.Click(det.optConformeMto(0)); },
         {"optConformeMto_Click(0)", "txtmtoTributo_Change", "lblMtoInteresCAP_Change",
          "lblMtoInteres_Change"},
         {"1,000.00", "20.00", "3.25", "1,023.00"}},
        {[&] { driver_.Click(det.optConformeMto(1)); },
         {"optConformeMto_Click(1)", "lblMtoInteresCAP_Change", "lblMtoInteres_Change",
          "txtmtoTributo_Change", "lblMtoInteresCAP_Change"},
         {"", "0", "", "0"}},
        {[&] { driver_.Type(det.txtmtoTributo, "1x5"); },
         {"txtmtoTributo_KeyPress", "txtmtoTributo_Change", "txtmtoTributo_KeyPress",
          "txtmtoTributo_KeyPress", "txtmtoTributo_Change"},
         {"15", "0", "", "15"}},
        {[&] { driver_.Click(det.chkmotivo(1)); }, {"chkmotivo_Click(1)"}, {"15", "0", "", "15"}},
        {[&] { driver_.Click(det.optConformeMto(0)); },
         {"optConformeMto_Click(0)", "chkmotivo_Click(1)", "txtmtoTributo_Change",
          "lblMtoInteresCAP_Change", "lblMtoInteres_Change"},
         {"1,000.00", "20.00", "3.25", "1,023.00"}},
    };
    for (std::size_t n = 0; n < std::size(pasos); ++n) {
      pasos[n].accion();
      EXPECT_EQ(driver_.TakeLog(), pasos[n].log) << "step " << n;
      EXPECT_EQ(Montos(det), pasos[n].montos) << "step " << n;
    }
    EXPECT_EQ(det.chkmotivo(1).Value(), forms::vbUnchecked);
    EXPECT_EQ(det.Label1.Caption() + " / " + det.Label24.Caption(),
              "Interés al 15/05/2010 / Monto acogido al 15/05/2010");
  });
}

// The entry boxes show whole soles without separators while they have the
// focus and with separators after, take digits only, move on with Enter and
// empty the clipboard before a paste.
TEST_F(FrmCondeuDetTest, EntryBoxesFormatOnFocusAndRefusePasting) {
  ImportaLineas({Linea("01", "F-1", Con("020101", "200405"))});
  AbreDetalle(1, "F-1", [this](frmCondeuDet& det) {
    Contesta(det, 1);
    driver_.Type(det.lblMtoInteres, "1234");
    driver_.Focus(det.txtmtoTributo);
    EXPECT_EQ(Montos(det), (Textos{"", "", "1,234", "1,234"}));
    driver_.Focus(det.lblMtoInteres);
    EXPECT_EQ(det.lblMtoInteres.Text() + " " + std::to_string(det.lblMtoInteres.SelStart()) + "+" +
                  std::to_string(det.lblMtoInteres.SelLength()),
              "1234 0+4");
    driver_.Focus(det.lblMtoInteresCAP);
    EXPECT_EQ(det.lblMtoInteresCAP.Text(), "0");
    driver_.Keys(det, "\b");
    driver_.Focus(det.txtmtoTributo);
    driver_.Focus(det.lblMtoInteres);
    EXPECT_EQ(Montos(det), (Textos{"", "", "1234", "1,234"}));
    driver_.Type(det.txtmtoTributo, "15a00\r");
    EXPECT_EQ(det.ActiveControl(), &det.lblMtoInteresCAP);
    EXPECT_EQ(Montos(det), (Textos{"1,500", "0", "1,234", "2,734"}));
    // Shift+Insert pastes the emptied clipboard over the selected "0".
    driver_.SetClipboardText("999");
    driver_.Key(det, forms::vbKeyInsert, forms::vbShiftMask);
    EXPECT_EQ(driver_.ClipboardText() + "|" + det.lblMtoInteresCAP.Text(), "|");
    driver_.SetClipboardText("999");
    driver_.RightClick(det.txtmtoTributo);
    EXPECT_EQ(driver_.ClipboardText(), "");
    driver_.Focus(det.lblMtoInteres);
    driver_.Key(det, forms::vbKeyInsert, forms::vbCtrlMask);
    EXPECT_EQ(driver_.ClipboardText(), "1234");
    EXPECT_EQ(Montos(det), (Textos{"1,500", "", "1234", "2,734"}));
  });
}

// Entered by Shift+Tab while it shows "1,500", the tributo holds its rewritten
// "1500" selected whole, so that what is typed replaces it; a click at a
// character keeps it so while it is untouched and places the caret once
// something was typed.
TEST_F(FrmCondeuDetTest, TributoEnteredIsReplacedByWhatIsTyped) {
  ImportaLineas({Linea("01", "F-1", Con("020101", "200405"))});
  AbreDetalle(1, "F-1", [this](frmCondeuDet& det) {
    Contesta(det, 1);
    struct Caso {
      const char* antes;
      int clic;  // -1: no click
      const char* tecleado;
      const char* queda;
    } casos[] = {{"", -1, "900", "900"}, {"", 2, "900", "900"}, {"12", 1, "9", "192"}};
    for (const Caso& c : casos) {
      driver_.Focus(det.lblMtoInteresCAP);
      det.txtmtoTributo.SetText("1,500");
      driver_.Key(det, forms::vbKeyTab, forms::vbShiftMask);
      driver_.Keys(det, c.antes);
      if (c.clic >= 0) driver_.ClickAt(det.txtmtoTributo, c.clic);
      driver_.Keys(det, c.tecleado);
      EXPECT_EQ(det.txtmtoTributo.Text(), c.queda) << c.antes << " " << c.clic;
    }
  });
}

// The boxes of an agreed debt of tributo 1,000.00 with the reported interests
// given, from a debt file generated at `generado`, accepted on `aceptacion` at
// the monthly rate of 1.5 %; then the interest box's caption.
Textos FrmCondeuDetTest::InteresAceptado(vb::Date generado, const char* capitalizado,
                                         const char* interes, const char* aceptacion) {
  FijaHoy(vb::DateAdd("h", 4, generado));
  generado_ = generado;
  ImportaLineas({Linea("01", "C-1", [=](Fields& f) {
    Con("010101", "200501")(f);
    f[campo::kTributoInsoluto] = "1000.00";
    f[campo::kInteresCapitalizado] = capitalizado;
    f[campo::kInteres] = interes;
  })});
  Textos montos;
  AbreDetalle(
      1, "C-1",
      [&](frmCondeuDet& det) {
        Contesta(det, 0);
        montos = Montos(det);
        montos.push_back(det.Label1.Caption());
      },
      [aceptacion](Frm942& frm) {
        frm.mkeFechaAcog.SetText(aceptacion);
        gsTIM = "1.5";
      });
  return montos;
}

// 32 days at 0.05 % a day on the tributo: 16.00, added to the reported
// interest.
TEST_F(FrmCondeuDetTest, AgreedDebtEarnsInterestUpToTheAcceptanceDate) {
  EXPECT_EQ(InteresAceptado(Momento(2007, 1, 15, 8), "0.00", "50.00", "16/02/2007"),
            (Textos{"1,000.00", "0.00", "66.00", "1,066.00", "Interés al 16/02/2007"}));
}

// A request of December 2005 accepted in January: the interest up to 31
// December (6.05) and the reported interest become capitalised interest, and
// the interest after it runs on the new base of 1,116.05.
TEST_F(FrmCondeuDetTest, DecemberRequestAcceptedInJanuaryCapitalisesAtYearEnd) {
  EXPECT_EQ(InteresAceptado(Momento(2005, 12, 20, 8), "100.00", "10.00", "10/01/2006"),
            (Textos{"1,000.00", "116.05", "5.58", "1,122.00", "Interés al 10/01/2006"}));
}

// The motive's button opens the supporting-data dialog for its motive; a motive
// left without supporting data is unticked. "&Aceptar" reaches the answer's
// checks,
// "&Salir" closes without a question, and a failed regional check keeps the
// window as it is.
TEST_F(FrmCondeuDetTest, MotiveButtonsAndCommands) {
  ImportaLineas({Linea("01", "K-1", Con("010101", "200905"))});
  std::vector<int> dialogos;
  AbreDetalle(1, "K-1", [&](frmCondeuDet& det) {
    Contesta(det, 1);
    FijaDialogoSustento([&] { dialogos.push_back(gnMotivo); });
    driver_.Click(det.chkmotivo(3));
    driver_.Click(det.cmdMotivo(3));
    EXPECT_EQ(det.chkmotivo(3).Value(), forms::vbUnchecked);
    EXPECT_FALSE(det.cmdMotivo(3).Enabled());
    EXPECT_EQ(det.ActiveControl(), &det.chkmotivo(3));
    FijaDialogoSustento([&] {
      dialogos.push_back(gnMotivo);
      det.Setpnumexp("EXP-1");
      det.chkmotivo(gnMotivo).SetTag("1");
    });
    driver_.Click(det.chkmotivo(3));
    driver_.Click(det.cmdMotivo(3));
    EXPECT_EQ(det.chkmotivo(3).Value(), forms::vbChecked);
    EXPECT_EQ(det.pnumexp(), "EXP-1");
    FijaDialogoSustento(nullptr);
    driver_.Click(det.chkmotivo(2));
    driver_.Expect({kFuncionNoDisponible, forms::vbInformation, "Información"});
    driver_.Click(det.cmdMotivo(2));
    EXPECT_EQ(det.chkmotivo(2).Value(), forms::vbUnchecked);

    gbGrabado = gbOfreceSiguiente = false;
    driver_.Expect({"Debe ingresar un monto de tributo.", forms::vbCritical, "Valores"});
    driver_.Click(det.cmdOpcion(0));
    EXPECT_TRUE(gbGrabado && gbOfreceSiguiente);
    EscribeRegional("sDate", "-");
    driver_.Answer(forms::vbOK);
    driver_.Click(det.cmdOpcion(1));
    EXPECT_TRUE(det.IsLoaded());
    EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
    EscribeRegional("sDate", "/");
    driver_.Click(det.cmdOpcion(1));
    EXPECT_FALSE(det.IsLoaded());
    EXPECT_FALSE(gbOfreceSiguiente);
  });
  EXPECT_EQ(dialogos, (std::vector<int>{3, 3}));
  EXPECT_EQ(driver_.PendingAnswers(), 0u);
  AbreDetalle(1, "K-1", [](frmCondeuDet&) {});
  EXPECT_TRUE(gbOfreceSiguiente);
  EXPECT_EQ(forms::LoadedInstance<frmCondeuDet>(), nullptr);
}

}  // namespace
}  // namespace korva::prueba

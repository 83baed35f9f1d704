// The road of a request through its reported debts: an imported declaration
// opened in the request form, one debt of each category answered as a person
// does, with the edit buttons of the debt tabs, the detail window and the
// supporting-data dialog, and the answers found in the working tables.
#include "formulario/reported_debts/tests/prueba_deudas.h"

namespace korva::prueba {
namespace {

using debtfile::Fields;
using forms::MessageBoxCall;
using Textos = std::vector<std::string>;

using RecorridoTest = PruebaDeudas;

TEST_F(RecorridoTest, AnswersOneDebtOfEachCategoryThroughTheRequestFormsWindows) {
  auto importes = [](const char* tributo, const char* periodo, const char* impugnado) {
    return [=](Fields& f) {
      Con(tributo, periodo, "00", impugnado)(f);
      f[campo::kTributoInsoluto] = "1000.00";
      f[campo::kInteresCapitalizado] = "20.00";
      f[campo::kInteres] = "3.25";
    };
  };
  ImportaLineas({Linea("01", "V-1", importes("010101", "200905", "06")),
                 Linea("02", "12345", [&](Fields& f) {
                   importes("010101", "200812", "00")(f);
                   f[campo::kFormulario] = "12";
                 }),
                 Linea("03", "I-1", [&](Fields& f) {
                   importes("060401", "200811", "00")(f);
                   f[campo::kTributoAsociado] = "010101";
                 })});
  const MessageBoxCall kActualizada{"La información se actualizó satisfactoriamente",
                                    forms::vbInformation, ""};
  Abre(kRucAndina, [&](Frm942& frm) {
    Identifica(frm);

    // A valor under appeal, not agreed: its payment and the accepted
    // desistance, each with its supporting data.
    driver_.ChooseTab(frm.SSTab1, 1);
    driver_.OnModal<frmCondeuDet>([&](frmCondeuDet& det) {
      driver_.Click(det.optAcogeFrac(0));
      driver_.Click(det.optConformeMto(1));
      DaSustento(det, 1, [this](frmSustento& s) {
        driver_.Type(s.txtcodform, "1662");
        driver_.Type(s.txtNumOrd, "4521");
        driver_.Type(s.mkeFechaPago, "03052010");
        driver_.Click(s.cmdAccion(0));
      });
      DaSustento(det, 4, [this](frmSustento& s) { driver_.Type(s.txt01, "rio-0457"); });
      driver_.Type(det.txtmtoTributo, "900");
      driver_.Type(det.lblMtoInteres, "50");
      driver_.Expect({kActualizada.text, kActualizada.style, "Valores"});
      driver_.Click(det.cmdOpcion(0));
      driver_.Click(det.cmdOpcion(1));
    });
    driver_.Click(frm.cmdEdit(1));

    // A sworn return agreed, then the infraction offered next, not included.
    driver_.ChooseTab(frm.SSTab1, 2);
    driver_.OnModal<frmCondeuDet>([&](frmCondeuDet& det) {
      EXPECT_EQ(det.lblNumvalor.Text(), "0012-12345");
      driver_.Click(det.optAcogeFrac(0));
      driver_.Click(det.optConformeMto(0));
      driver_.Expect({"¿Desea continuar con la actualización del siguiente registro de Deudas?",
                      forms::vbYesNo + forms::vbQuestion, "Deudas autoliquidadas"},
                     forms::vbYes);
      driver_.Click(det.cmdOpcion(0));
      EXPECT_EQ(det.lblNumvalor.Text(), "I-1");
      driver_.Click(det.optAcogeFrac(1));
      driver_.Expect({kActualizada.text, kActualizada.style, "Deudas autoliquidadas"});
      driver_.Click(det.cmdOpcion(0));
      driver_.Click(det.cmdOpcion(1));
    });
    driver_.Click(frm.cmdEdit(2));

    EXPECT_EQ(Consulta("SELECT num_doc, ind_acog, ind_conf, mto_tributo_c, mto_int_cap_c, mto_int_c, "
                       "mto_act_c FROM TMP_F0942DEUDAS WHERE ind_tip_deu <> '05' ORDER BY num_doc"),
              (Filas{{"12345", "1", "1", "1000", "20.00", "3.25", "1023"},
                     {"I-1", "2", "0", "0", "0", "0", "0"},
                     {"V-1", "1", "2", "900", "0.00", "50.00", "950"}}));
    EXPECT_EQ(Consulta("SELECT a.num_doc, a.cod_motivo, b.num_sust, b.cod_formulario, b.num_orden, "
                       "b.num_res, b.fec_pago FROM TMP_F0942MOTIVO a, TMP_F0942SUSTEN b WHERE "
                       "a.num_doc = b.num_doc AND a.cod_motivo = b.cod_motivo ORDER BY 1, 2, 3"),
              (Filas{{"V-1", "1", "1", "1662", "4521", "0", "03/05/2010"},
                     {"V-1", "4", "1", "0", "0", "RIO0457", "01/01/1901"}}));
    EXPECT_EQ(vb::CStr(frm.TDBGrid(1).Columns("ind_acog").Value()), "1");
    EXPECT_EQ(driver_.PendingAnswers(), 0u);
  });
}

}  // namespace
}  // namespace korva::prueba

// The field cascade: what the debt type, the tax, the period, the week and the
// sworn-declaration answer change, and the handlers each one runs, in order.
#include "formulario/non_notified_debts/tests/prueba_no_notificada.h"

namespace korva::prueba {
namespace {

using Textos = std::vector<std::string>;

class CascadaTest : public PruebaNoNotificada {
 protected:
  // The window cleared, and the capitalised interest emptied, for the next case.
  static void Limpia(FrmNoNotificada& v) {
    v.Deshabilita_campos();
    v.TxtMtoInteresesCAP.SetText("");
  }
  static std::string Capitalizado(FrmNoNotificada& v) {
    return Aspecto(v.TxtMtoInteresesCAP) + (v.TxtMtoInteresesCAP.Locked() ? " bloqueado" : "");
  }
};

TEST_F(CascadaTest, DebtTypeSetsTheDocumentCaptionFieldsAndTaxList) {
  const struct {
    int tipo;
    const char* rotulo;
    Textos aspectos;
    std::size_t tributos;
  } casos[] = {
      {0,
       "Número de Resolución",
       {"habilitado blanco ''", "habilitado blanco ''", "deshabilitado blanco ''",
        "deshabilitado gris ''", "deshabilitado gris ''", "deshabilitado - ( )",
        "deshabilitado - ( )", "deshabilitado ventana 'VALOR (OP, RD o RM)'"},
       29},
      {1,
       "Número de Resolución o Comunicación de Infracción",
       {"deshabilitado gris ''", "deshabilitado gris ''", "deshabilitado gris ''",
        "deshabilitado gris ''", "deshabilitado gris ''", "habilitado - ( )", "habilitado - ( )",
        "deshabilitado ventana 'DEUDA AUTOLIQUIDADA (Dec. Jurada/Cuotas Frac. REFT/SEAP/RESIT)'"},
       31},
      {2,
       "Comunicación de Infracción (de corresponder)",
       {"habilitado blanco ''", "habilitado blanco ''", "deshabilitado blanco ''",
        "deshabilitado gris ''", "deshabilitado gris ''", "deshabilitado - ( )",
        "deshabilitado - ( )", "deshabilitado ventana 'INFRACCION'"},
       1},
  };
  Declara942(1);
  Entra("N", [&](FrmNoNotificada& v) {
    driver_.Focus(v.cboTipoDeuda);
    for (const auto& c : casos) {
      driver_.TakeLog();
      driver_.Select(v.cboTipoDeuda, c.tipo);
      EXPECT_EQ(driver_.TakeLog(), Textos{"cboTipoDeuda_Click"});
      EXPECT_EQ(v.lblNumvalor.Caption(), c.rotulo);
      EXPECT_EQ(Aspectos({&v.cboDocumento, &v.txtNumDocumento, &v.txtDocumento, &v.txtcodform,
                          &v.cboSemana, &v.OptRespDDJJ(1), &v.OptRespDDJJ(0), &v.txtTipoDeuda}),
                c.aspectos)
          << c.rotulo;
      EXPECT_EQ(static_cast<std::size_t>(v.cboTributo.ListCount()), c.tributos) << c.rotulo;
    }
  });
}

// FONAVI without a fine among its taxes refuses an infraction: the message,
// then the cleared type runs its handler for no type before the first one goes
// on; the tax list is then loaded for no type.
TEST_F(CascadaTest, AnInfractionForFonaviWithoutFinesIsRefusedAndTheTypeCleared) {
  Ejecuta("DELETE FROM PARAM WHERE Numero = '725' AND Argumento = '061301'");
  Declara942(5);
  Entra("N", [this](FrmNoNotificada& v) {
    driver_.Focus(v.cboTipoDeuda);
    driver_.TakeLog();
    driver_.Expect({"Entidad no posee códigos de multas acogibles", forms::vbCritical,
                    "Otras deudas - (Nuevo)"});
    driver_.Select(v.cboTipoDeuda, 2);
    EXPECT_EQ(driver_.TakeLog(),
              (Textos{"cboTipoDeuda_Click", "MsgBox: Entidad no posee códigos de multas acogibles",
                      "cboTipoDeuda_Click"}));
    EXPECT_EQ(v.cboTipoDeuda.ListIndex(), -1);
    EXPECT_EQ(v.txtTipoDeuda.Text(), "");
    EXPECT_EQ(v.lblNumvalor.Caption(), "Comunicación de Infracción (de corresponder)");
    EXPECT_EQ(Codigos(v.cboTributo), (Textos{"5051", "5056", "5057", "5058"}));
  });
}

// FONAVI with a fine takes an infraction whatever type was chosen before it,
// also after a self-assessed debt, whose tax list holds no fine (-1: none).
TEST_F(CascadaTest, AnInfractionForFonaviWithAFineIsTakenWhateverTypeCameBefore) {
  Declara942(5);
  Entra("N", [this](FrmNoNotificada& v) {
    driver_.Focus(v.cboTipoDeuda);
    for (int anterior : {-1, 0, 1}) {
      v.Deshabilita_campos();
      if (anterior >= 0) driver_.Select(v.cboTipoDeuda, anterior);
      driver_.TakeLog();
      driver_.Select(v.cboTipoDeuda, 2);
      EXPECT_EQ(driver_.TakeLog(), Textos{"cboTipoDeuda_Click"}) << anterior;
      EXPECT_EQ(v.cboTipoDeuda.ListIndex(), 2) << anterior;
      EXPECT_EQ(v.txtTipoDeuda.Text(), "INFRACCION") << anterior;
      EXPECT_EQ(Codigos(v.cboTributo), Textos{"6131"}) << anterior;
    }
    EXPECT_TRUE(driver_.MessageBoxes().empty());
  });
}

// With no tax the tax's handler only empties the description: the quota field,
// the payment type and the capitalised interest stay as the last tax left them.
TEST_F(CascadaTest, ClearingTheTaxOnlyEmptiesItsDescription) {
  Declara942(1);
  Entra("N", [this](FrmNoNotificada& v) {
    v.CargaTributo(v.cboTributo, "030304", "");
    driver_.TakeLog();
    v.cboTributo.SetListIndex(-1);
    EXPECT_EQ(driver_.TakeLog(), Textos{"cboTributo_Click"});
    EXPECT_EQ(v.txtTributo.Text(), "");
    EXPECT_EQ(Items(v.cboSemana), (Textos{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_TRUE(v.cboSemana.Visible());
    EXPECT_TRUE(v.cboTipoPago.Visible());
    EXPECT_EQ(v.lblSemana.Caption(), "Cuota");
    EXPECT_EQ(Capitalizado(v), "habilitado gris '0' bloqueado");
  });
}

// The rule runs when the tax is chosen, the period is written and the week is
// chosen (-1: none), in that order; an unfilled period counts as late, but its
// changes leave the box alone while a "_" remains. The rule's own cases are the
// rules' table.
TEST_F(CascadaTest, CapitalisedInterestFollowsTaxPeriodAndWeek) {
  const struct {
    const char* tributo;
    const char* periodo;
    int semana;
    const char* capitalizado;
  } casos[] = {
      {"020101", "12/2005", 0, "habilitado gris '0' bloqueado"},
      {"020101", "12/2005", 2, "habilitado blanco ''"},
      {"030701", "13/2005", -1, "habilitado gris '0' bloqueado"},
      {"010101", "13/2005", -1, "habilitado blanco '0'"},
      {"010101", "11/20__", -1, "habilitado gris '0' bloqueado"},
  };
  Declara942(1);
  Entra("N", [&](FrmNoNotificada& v) {
    for (const auto& c : casos) {
      Limpia(v);
      v.CargaTributo(v.cboTributo, c.tributo, "");
      v.mkePeriodo.SetText(c.periodo);
      if (c.semana >= 0) v.cboSemana.SetListIndex(c.semana);
      EXPECT_EQ(Capitalizado(v), c.capitalizado)
          << c.tributo << " " << c.periodo << " " << c.semana;
    }
    driver_.TakeLog();
    v.cboSemana.SetListIndex(0);
    EXPECT_EQ(driver_.TakeLog(), Textos{"cboSemana_Click"});
    v.cboSemana.SetListIndex(-1);
    EXPECT_EQ(driver_.TakeLog(), Textos{"cboSemana_Click"});
  });
}

// The quota of 7151 follows the quarter and that of 3034 the month (March the
// first); a month typed halfway selects nothing. Each case writes the period
// after choosing the tax.
TEST_F(CascadaTest, QuotaOfTheMonthIsSelectedAsThePeriodChanges) {
  const struct {
    int entidad;
    const char* tributo;
    const char* periodo;
    const char* cuota;
  } casos[] = {
      {8, "071501", "05/2005", "1"}, {8, "071501", "05/2004", ""},  {8, "071501", "12/2004", "4"},
      {1, "030304", "02/2008", ""},  {1, "030304", "11/2008", "9"}, {1, "030304", "0_/____", ""},
  };
  for (int entidad : {8, 1}) {
    Declara942(entidad);
    Entra("N", [&](FrmNoNotificada& v) {
      for (const auto& c : casos) {
        if (c.entidad != entidad) continue;
        Limpia(v);
        v.CargaTributo(v.cboTributo, c.tributo, "");
        driver_.TakeLog();
        v.mkePeriodo.SetText(c.periodo);
        EXPECT_EQ(v.cboSemana.Text(), c.cuota) << c.tributo << " " << c.periodo;
        EXPECT_EQ(driver_.TakeLog(), std::string(c.cuota).empty()
                                            ? Textos{"mkePeriodo_Change"}
                                            : (Textos{"mkePeriodo_Change", "cboSemana_Click"}))
            << c.tributo << " " << c.periodo;
      }
    });
    OlvidaDeclaracion();
  }
}

// The tax decides whether the week shows (weekly taxes before 2009 and the two
// taxes paid by quotas), what it holds, what it is called and whether the
// payment type shows. The period is written before the tax is chosen.
TEST_F(CascadaTest, TaxShowsWeekOrQuotaAndThePaymentType) {
  const struct {
    const char* tributo;
    const char* periodo;
    bool semana;
    Textos lista;
    const char* rotulo;
    bool pago;
  } casos[] = {
      {"020301", "03/2009", false, {"0", "1", "2", "3", "4", "5"}, "Semana", false},
      {"020301", "12/2008", true, {"0", "1", "2", "3", "4", "5"}, "Semana", false},
      {"030304", "12/2008", true, {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, "Cuota", true},
      {"010101", "12/2008", false, {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, "Semana", false},
  };
  Declara942(1);
  Entra("N", [&](FrmNoNotificada& v) {
    for (const auto& c : casos) {
      v.mkePeriodo.SetText(c.periodo);
      v.CargaTributo(v.cboTributo, c.tributo, "");
      EXPECT_EQ(v.cboSemana.Visible(), c.semana) << c.tributo << " " << c.periodo;
      EXPECT_EQ(v.lblSemana.Visible(), c.semana) << c.tributo << " " << c.periodo;
      EXPECT_EQ(Items(v.cboSemana), c.lista) << c.tributo;
      EXPECT_EQ(v.lblSemana.Caption(), c.rotulo) << c.tributo;
      EXPECT_EQ(v.cboTipoPago.Visible(), c.pago) << c.tributo;
      EXPECT_EQ(v.lblTipoPago.Visible(), c.pago) << c.tributo;
    }
  });
}

// "Si" for an instalment code selects "No" in code, whose handler runs inside
// the first: the form code and order number end grey and empty, the week and
// payment type open. For 7151 of a period up to 2004 the form is "0000" and the
// order "0", both closed, as is the quota.
TEST_F(CascadaTest, SwornDeclarationAnswerOpensOrFillsTheFormAndOrderNumber) {
  Declara942(1);
  Entra("N", [this](FrmNoNotificada& v) {
    driver_.Select(v.cboTipoDeuda, 1);
    driver_.Answer(forms::vbOK);
    driver_.Select(v.cboTributo, Indice(v.cboTributo, "8027"));
    driver_.TakeLog();
    driver_.Click(v.OptRespDDJJ(1));
    EXPECT_EQ(driver_.TakeLog(),
              (Textos{"cboTributo_LostFocus", "OptRespDDJJ_Click(1)", "OptRespDDJJ_Click(0)"}));
    EXPECT_TRUE(v.OptRespDDJJ(0).Value());
    EXPECT_EQ(Aspectos({&v.txtcodform, &v.txtNumOrd, &v.cboSemana, &v.cboTipoPago,
                        &v.CboTributoAsociado}),
              (Textos{"deshabilitado gris ''", "deshabilitado gris ''", "habilitado blanco ''",
                      "habilitado blanco ''", "deshabilitado gris ''"}));
  });
  OlvidaDeclaracion();
  Declara942(8);
  Entra("N", [this](FrmNoNotificada& v) {
    driver_.Select(v.cboTipoDeuda, 1);
    driver_.Type(v.mkePeriodo, "062004");
    driver_.Select(v.cboTributo, 1);
    driver_.Click(v.OptRespDDJJ(1));
    EXPECT_EQ(Aspectos({&v.txtcodform, &v.txtNumOrd, &v.cboSemana, &v.cboTipoPago}),
              (Textos{"deshabilitado gris '0000'", "deshabilitado gris '0'",
                      "deshabilitado gris '2'", "habilitado blanco ''"}));
  });
}

// In edit mode a debt type chosen in code keeps the tax list, and an instalment
// code tells no regime.
TEST_F(CascadaTest, EditModeNeitherReloadsTheTaxListNorTellsTheRegime) {
  Otra o;
  Declara942(1, {o});
  Entra("E", [](FrmNoNotificada& v) {
    int nTributos = v.cboTributo.ListCount();
    v.cboTipoDeuda.SetListIndex(2);
    EXPECT_EQ(v.cboTributo.ListCount(), nTributos);
    v.CargaTributo(v.cboTributo, "080207", "");
    EXPECT_EQ(vb::Left(v.cboTributo.Text(), 4), "8027");
  });
}

// The period takes digits only and no paste by Shift+Insert; Enter in the tax
// moves on; leaving the period runs the tax's handler again and reloads the
// document types.
TEST_F(CascadaTest, PeriodTakesDigitsOnlyAndLeavingItRunsTheTaxsRulesAgain) {
  Declara942(1);
  Entra("N", [this](FrmNoNotificada& v) {
    driver_.Select(v.cboTipoDeuda, 2);
    driver_.Select(v.cboTributo, 0);
    forms::Clipboard.SetText("122005");
    driver_.Focus(v.mkePeriodo);
    driver_.Key(v, forms::vbKeyInsert, forms::vbShiftMask);
    EXPECT_EQ(forms::Clipboard.GetText(), "");
    driver_.Keys(v, "1a2-2005");
    EXPECT_EQ(v.mkePeriodo.Text(), "12/2005");
    driver_.TakeLog();
    driver_.Focus(v.cboTributo);
    EXPECT_EQ(driver_.TakeLog(), (Textos{"mkePeriodo_LostFocus", "OptRespDDJJ_Click(0)"}));
    EXPECT_EQ(Codigos(v.cboDocumento, 6), Textos{"002001"});
    driver_.Keys(v, "\r");
    EXPECT_EQ(v.ActiveControl(), &v.cboDocumento);
    EXPECT_EQ(driver_.TakeLog(), (Textos{"cboTributo_KeyPress", "cboTributo_LostFocus"}));
  });
}

}  // namespace
}  // namespace korva::prueba

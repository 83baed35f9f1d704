// The window itself: its opening in both modes, a stored debt loaded for edit,
// the download date and procedure number read from the request form's grids,
// and its two buttons.
#include "formulario/non_notified_debts/tests/prueba_no_notificada.h"

namespace korva::prueba {
namespace {

using Textos = std::vector<std::string>;

// Stands in for the checking and storing of an entry: it records what it was
// given and answers as the test says.
class FrmNoNotificadaSustituta : public FrmNoNotificada {
 public:
  bool Valida_Datos() override {
    llamadas.push_back("Valida_Datos " + txtcodform.Text() + " " + txtNumOrd.Text());
    return bValida;
  }
  void GrabaDatos() override {
    llamadas.push_back("GrabaDatos " + std::to_string(gbGrabado) + " " +
                       std::to_string(forms::Screen.MousePointer()));
  }
  static inline bool bValida = true;
  static inline Textos llamadas;
};

class FrmNoNotificadaTest : public PruebaNoNotificada {
 protected:
  void SetUp() override {
    PruebaNoNotificada::SetUp();
    FrmNoNotificadaSustituta::bValida = true;
    FrmNoNotificadaSustituta::llamadas.clear();
  }
  // A new self-assessed debt of the first tax with a sworn declaration of form
  // `formulario`.
  void DeclaracionJurada(FrmNoNotificada& v, const std::string& formulario) {
    driver_.Select(v.cboTipoDeuda, 1);
    driver_.Select(v.cboTributo, 0);
    driver_.Click(v.OptRespDDJJ(1));
    driver_.Type(v.txtcodform, formulario);
  }
};

TEST_F(FrmNoNotificadaTest, NewModeOpensWithTheTabsCaptionAndOnlyTypeTaxPeriodAndAmountsOpen) {
  Declara942(1);
  Entra("N", [this](FrmNoNotificada& v) {
    EXPECT_EQ(driver_.TakeLog(), Textos{"Form_Load"});
    EXPECT_EQ(v.Caption(), "Otras deudas - (Nuevo)");
    EXPECT_EQ(v.Frame1.Caption(), "Otras deudas");
    EXPECT_EQ(v.msRuc, kRucAndina);
    EXPECT_EQ(v.miIndexGrid, 3);
    EXPECT_EQ(
        Aspectos({&v.cboTipoDeuda, &v.mkePeriodo, &v.cboTributo, &v.txtmtoTributo,
                  &v.TxtMtoInteresesCAP, &v.TxtMtoIntereses, &v.cboDocumento, &v.txtNumDocumento,
                  &v.txtDocumento, &v.txtcodform, &v.txtNumOrd, &v.cboSemana, &v.cboTipoPago,
                  &v.CboTributoAsociado, &v.TxtTributoAsociado, &v.OptRespValor(1),
                  &v.OptRespDDJJ(1), &v.OptRespDDJJ(0), &v.lblMtoAcogido}),
        (Textos{"habilitado ventana ''", "habilitado ventana '__/____'", "habilitado ventana ''",
                "habilitado ventana ''", "habilitado ventana ''", "habilitado ventana ''",
                "deshabilitado gris ''", "deshabilitado gris ''", "deshabilitado gris ''",
                "deshabilitado gris ''", "deshabilitado gris ''", "deshabilitado gris ''",
                "deshabilitado gris ''", "deshabilitado gris ''", "deshabilitado gris ''",
                "deshabilitado - ( )", "deshabilitado - ( )", "deshabilitado - ( )",
                "habilitado gris ''"}));
    EXPECT_EQ(Items(v.cboTipoDeuda),
              (Textos{"1 - VALOR (OP, RD o RM)",
                      "2 - DEUDA AUTOLIQUIDADA (Dec. Jurada/Cuotas Frac. REFT/SEAP/RESIT)",
                      "3 - INFRACCION                    "}));
    EXPECT_EQ(Items(v.cboSemana), (Textos{"0", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(Items(v.cboTipoPago), (Textos{"0 - Contado", "1 - Fraccionado"}));
    EXPECT_EQ(v.cboTributo.List(0), "1011  " + Rellena("IGV - CUENTA PROPIA", 40));
    EXPECT_EQ(v.cboTributo.ListCount(), 32);
    EXPECT_EQ(Codigos(v.CboTributoAsociado).front(), "2011");
  });
}

// A self-assessed debt of tax 3034 with its sworn declaration, paid by quotas.
Otra Autoliquidada() {
  Otra o;
  o.tipo = "2";
  o.tributo = "030304";
  o.formulario = "0621";
  o.tipoDoc = "0";
  o.pago = "1";
  o.deudaDJ = 1;
  o.cuota = 3;
  o.montos[0] = "1234.50";
  o.montos[1] = "10.00";
  o.montos[2] = "5.25";
  o.montos[3] = "1250";
  return o;
}

// The tax amount keeps its cents although the grid shows it in whole soles; the
// accepted amount shows the grid's text.
TEST_F(FrmNoNotificadaTest,
       EditModeLoadsASwornDeclarationDebtWithTheTaxsCentsAndLeavesOnlyTheAmountsOpen) {
  Declara942(1, {Autoliquidada()});
  Entra("E", [this](FrmNoNotificada& v) {
    EXPECT_EQ(v.Caption(), "Otras deudas - (Modificación)");
    EXPECT_EQ(
        Aspectos({&v.mkePeriodo, &v.cboTipoDeuda, &v.txtTipoDeuda, &v.cboTributo, &v.txtTributo,
                  &v.OptRespDDJJ(1), &v.OptRespDDJJ(0), &v.txtcodform, &v.txtNumOrd, &v.cboSemana,
                  &v.cboTipoPago, &v.cboDocumento, &v.txtNumDocumento, &v.CboTributoAsociado,
                  &v.txtmtoTributo, &v.TxtMtoInteresesCAP, &v.TxtMtoIntereses, &v.lblMtoAcogido}),
        (Textos{
            "deshabilitado gris '05/2009'",
            "deshabilitado gris '2 - DEUDA AUTOLIQUIDADA (Dec. Jurada/Cuotas Frac. "
            "REFT/SEAP/RESIT)'",
            "deshabilitado gris 'DEUDA AUTOLIQUIDADA (Dec. Jurada/Cuotas Frac. REFT/SEAP/RESIT)'",
            "deshabilitado gris '3034  " + Rellena("RENTA - REGIMEN ESPECIAL", 40) + "'",
            "deshabilitado gris 'RENTA - REGIMEN ESPECIAL'", "deshabilitado - (o)",
            "deshabilitado - ( )", "deshabilitado gris '0621'", "deshabilitado gris '123'",
            "deshabilitado gris '3'", "deshabilitado gris '1 - Fraccionado'",
            "deshabilitado gris ''", "deshabilitado gris ''", "deshabilitado gris ''",
            "habilitado ventana '1234.50'", "habilitado gris '10.00'", "habilitado ventana '5.25'",
            "habilitado gris '1,250'"}));
    EXPECT_TRUE(v.TxtMtoInteresesCAP.Locked());
    EXPECT_EQ(Items(v.cboSemana), (Textos{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(v.lblSemana.Caption(), "Cuota");
    EXPECT_TRUE(v.cboTipoPago.Visible());
  });
}

// The loading's selections run the cascade: the tax twice (at the opening, which
// locks the capitalised interest of a late period with "0", and again for the
// row), the quota of the period's month, the type, then the sworn declaration's
// "Si" and, for an entity 1 debt in disagreement, "No"; the amounts come last,
// and the first open box, the tax amount, takes the focus.
TEST_F(FrmNoNotificadaTest, EditModeRunsTheCascadeOfEachSelectionItMakes) {
  Otra o = Autoliquidada();
  o.conforme = 0;
  Declara942(1, {o});
  Entra("E", [this](FrmNoNotificada& v) {
    EXPECT_EQ(
        driver_.TakeLog(),
        (Textos{"Form_Load", "cboTributo_Click", "TxtMtoInteresesCAP_Change", "mkePeriodo_Change",
                "cboSemana_Click", "cboTributo_Click", "cboSemana_Click", "cboTipoDeuda_Click",
                "OptRespDDJJ_Click(1)", "OptRespDDJJ_Click(0)", "txtmtoTributo_Change",
                "TxtMtoInteresesCAP_Change", "TxtMtoIntereses_Change", "txtmtoTributo_GotFocus"}));
    EXPECT_TRUE(v.OptRespDDJJ(0).Value());
    EXPECT_EQ(Aspectos({&v.txtcodform, &v.txtNumOrd}),
              (Textos{"deshabilitado gris '0621'", "deshabilitado gris '123'"}));
  });
}

TEST_F(FrmNoNotificadaTest, EditModeOfFoncomunsFormWithoutOrderNumberShowsOrderZero) {
  Otra o = Autoliquidada();
  o.tributo = "071501";
  o.formulario = "0000";
  o.numero = "0";
  o.periodo = "200504";
  o.cuota = 1;
  o.pago = "0";
  Declara942(8, {o});
  Entra("E", [](FrmNoNotificada& v) {
    EXPECT_EQ(v.txtcodform.Text(), "0000");
    EXPECT_EQ(v.txtNumOrd.Text(), "0");
    EXPECT_EQ(v.cboSemana.Text(), "1");
    EXPECT_EQ(v.cboTipoPago.Text(), "0 - Contado");
  });
}

// An infraction without sworn declaration shows its associated tax only for a
// fine; a valor shows its document type, description and number.
TEST_F(FrmNoNotificadaTest, EditModeLoadsTheAssociatedTaxOfAFineAndTheDocumentOfAValor) {
  const struct {
    const char* tipo;
    const char* tributo;
    const char* tipoDoc;
    Textos aspectos;
  } casos[] = {
      {"3",
       "060401",
       "002001",
       {"deshabilitado gris '3011  " + Rellena("RENTA ANUAL - PERSONA NATURAL", 40) + "'",
        "deshabilitado gris '002001" + std::string(12, ' ') +
            Rellena("COMUNICACION INFRAC. COMUNICACION DE INFRACCION", 48) + "'",
        "deshabilitado gris 'COMUNICACION INFRAC. COMUNICACION DE INFRACCION'",
        "deshabilitado gris '123'", "deshabilitado - ( )", "deshabilitado - (o)"}},
      {"3",
       "010101",
       "001000",
       {"deshabilitado gris ''",
        "deshabilitado gris '001000" + std::string(12, ' ') +
            Rellena("RES. DETERMINACION   RESOLUCION DE DETERMINACION", 48) + "'",
        "deshabilitado gris 'RES. DETERMINACION   RESOLUCION DE DETERMINACION'",
        "deshabilitado gris '123'", "deshabilitado - ( )", "deshabilitado - (o)"}},
      {"1",
       "010101",
       "003000",
       {"deshabilitado gris ''",
        "deshabilitado gris '003000" + std::string(12, ' ') +
            Rellena("ORDEN DE PAGO        ORDEN DE PAGO", 48) + "'",
        "deshabilitado gris 'ORDEN DE PAGO        ORDEN DE PAGO'", "deshabilitado gris '123'",
        "deshabilitado - ( )", "deshabilitado - (o)"}},
  };
  for (const auto& c : casos) {
    Otra o;
    o.tipo = c.tipo;
    o.tributo = c.tributo;
    o.tipoDoc = c.tipoDoc;
    o.asociado = "030101";
    Declara942(1, {o});
    Entra("E", [&](FrmNoNotificada& v) {
      EXPECT_EQ(Aspectos({&v.CboTributoAsociado, &v.cboDocumento, &v.txtDocumento,
                          &v.txtNumDocumento, &v.OptRespDDJJ(1), &v.OptRespDDJJ(0)}),
                c.aspectos)
          << c.tipo << " " << c.tributo;
    });
    OlvidaDeclaracion();
  }
}

// The download date comes from grid 1, else 5, else 2, as the date and time the
// regional settings write; the procedure number from grid 1, else 2, else 5.
// Each case gives the reported debts' categories, states, download times of
// today and procedure numbers.
TEST_F(FrmNoNotificadaTest, DownloadDateAndProcedureNumberComeFromTheFirstGridThatHasThem) {
  struct Reportada {
    const char* tipo;
    const char* estado;
    const char* fecha;
    const char* procedimiento;
  };
  const struct {
    std::vector<Reportada> deudas;
    const char* fecha;
    const char* procedimiento;
  } casos[] = {
      {{{"01", "00", "#05/15/2010 08:00:00#", "'P1'"},
        {"02", "00", "#05/15/2010 09:30:00#", "'P2'"}},
       "15/05/2010 08:00:00 a.m.",
       "P1"},
      {{{"01", "00", "Null", "Null"},
        {"02", "00", "#05/15/2010 09:30:00#", "'P2'"},
        {"01", "01", "#05/15/2010 07:00:00#", "'P5'"}},
       "15/05/2010 07:00:00 a.m.",
       "P2"},
      {{{"01", "00", "Null", "Null"},
        {"02", "00", "#05/15/2010 15:30:00#", "Null"},
        {"01", "01", "Null", "'P5'"}},
       "15/05/2010 03:30:00 p.m.",
       "P5"},
      {{{"01", "00", "#05/15/2010 08:00:00#", "Null"}},
       "15/05/2010 08:00:00 a.m.",
       ""},
  };
  for (const auto& c : casos) {
    Declara942(1);
    Ejecuta("DELETE FROM F0942DEUDAS");
    int n = 0;
    for (const Reportada& r : c.deudas) {
      Deuda d;
      d.tipo = r.tipo;
      d.estado = r.estado;
      d.numero = std::to_string(++n);
      InsertaDeuda("", Clave({kRucAndina, "201005", 1}), d);
      Ejecuta(std::string("UPDATE F0942DEUDAS SET Fec_des_deu = ") + r.fecha +
              ", Num_pro = " + r.procedimiento + " WHERE Num_doc = '" + d.numero + "'");
    }
    Entra("N", [&](FrmNoNotificada& v) {
      EXPECT_EQ(v.Retorna_Columna("fec_des_deu"), c.fecha);
      EXPECT_EQ(v.Retorna_Columna("Num_pro"), c.procedimiento);
    });
    OlvidaDeclaracion();
  }
}

// "Aceptar" writes the form code with four digits and, for a new sworn
// declaration, the order number without its leading zeros, before the check;
// an accepted entry is stored under the hourglass with gbGrabado set, and the
// window stays open for the next debt in new mode and closes in edit mode.
TEST_F(FrmNoNotificadaTest, AcceptPreparesTheNumbersChecksStoresAndClosesOnlyAnEdit) {
  Declara942(1, {Autoliquidada()});
  Entra<FrmNoNotificadaSustituta>("N", [this](FrmNoNotificadaSustituta& v) {
    DeclaracionJurada(v, "621");
    driver_.Type(v.txtNumOrd, "000123");
    driver_.TakeLog();
    driver_.Click(v.cmdOpcion(0));
    EXPECT_EQ(FrmNoNotificadaSustituta::llamadas,
              (Textos{"Valida_Datos 0621 123", "GrabaDatos 1 11"}));
    EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
    EXPECT_TRUE(v.Visible());
  });
  gbGrabado = false;
  Entra<FrmNoNotificadaSustituta>("E", [](FrmNoNotificadaSustituta& v) {
    v.txtNumOrd.SetText("0099");
    v.cmdOpcion(0).SetValue(true);
    EXPECT_FALSE(v.IsLoaded());
  });
  EXPECT_TRUE(gbGrabado);
  EXPECT_EQ(FrmNoNotificadaSustituta::llamadas.back(), "GrabaDatos 1 11");
  EXPECT_EQ(FrmNoNotificadaSustituta::llamadas[2], "Valida_Datos 0621 0099");
}

// A refused check and wrong regional settings leave every field as it was.
TEST_F(FrmNoNotificadaTest, AcceptStopsAtTheRegionalCheckAndAtARefusedCheck) {
  Declara942(1);
  FrmNoNotificadaSustituta::bValida = false;
  Entra<FrmNoNotificadaSustituta>("N", [this](FrmNoNotificadaSustituta& v) {
    DeclaracionJurada(v, "7");
    driver_.Type(v.txtmtoTributo, "50");
    EscribeRegional("sDate", "-");
    driver_.Expect({"- Debe configurar como separador de Fechas : ( / ) \n" + kCierreRegional,
                    forms::vbCritical, "Error de configuración"});
    driver_.Click(v.cmdOpcion(0));
    EXPECT_EQ(v.txtcodform.Text(), "0007");
    EXPECT_TRUE(FrmNoNotificadaSustituta::llamadas.empty());
    EscribeRegional("sDate", "/");
    driver_.Click(v.cmdOpcion(0));
    EXPECT_EQ(FrmNoNotificadaSustituta::llamadas, Textos{"Valida_Datos 0007 "});
    EXPECT_FALSE(gbGrabado);
    EXPECT_TRUE(v.Visible());
    EXPECT_EQ(Aspectos({&v.txtcodform, &v.txtmtoTributo, &v.lblMtoAcogido}),
              (Textos{"habilitado blanco '0007'", "habilitado ventana '50.00'",
                      "habilitado gris '50.00'"}));
  });
}

// The program's window checks the entry before it stores anything; "&Salir"
// closes it without a question, and the program's opener lets its instance go.
TEST_F(FrmNoNotificadaTest, TheProgramsWindowChecksTheEntryAndLeavesWithoutAQuestion) {
  Declara942(1);
  RegistraDeudasNoNotificadas();
  driver_.OnModal<FrmNoNotificada>([this](FrmNoNotificada& v) {
    driver_.Type(v.txtmtoTributo, "80");
    driver_.Expect({"Debe registrar el periodo", forms::vbCritical, "Error"});
    driver_.Click(v.cmdOpcion(0));
    EXPECT_EQ(v.ActiveControl(), &v.mkePeriodo);
    EXPECT_TRUE(v.Visible());
    driver_.Click(v.cmdOpcion(1));
    EXPECT_FALSE(v.IsLoaded());
  });
  Abre(kRucAndina, [this](Frm942& frm) {
    Identifica(frm);
    driver_.ChooseTab(frm.SSTab1, 3);
    driver_.Click(frm.cmdNew(3));
    EXPECT_EQ(forms::LoadedInstance<FrmNoNotificada>(), nullptr);
  });
  EXPECT_FALSE(gbGrabado);
  EXPECT_EQ(driver_.ModalForms(), (Textos{"FrmContAbrir", "Frm942", "FrmNoNotificada"}));
}

}  // namespace
}  // namespace korva::prueba

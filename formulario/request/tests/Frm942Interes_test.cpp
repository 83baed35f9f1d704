// The acceptance date as a person enters it, and the interest of the accepted
// debts brought up to it.
#include "formulario/core/ModGen01.h"
#include "formulario/request/tests/prueba_solicitud.h"

namespace korva::prueba {
namespace {

const MessageBoxCall kPregunta{"Se procederá a la actualización de la deuda. ¿Desea continuar?",
                               forms::vbQuestion + forms::vbYesNo, kTitulo};
const MessageBoxCall kMenor{
    "La Fecha de actualización no debe ser menor a la fecha de pedido de archivo personalizado. "
    "\nFecha de pedido de archivo personalizado: 15/05/2010",
    forms::vbCritical, kTitulo};

// Six reported or added debts of 1,500 with 120.50 of reported interest: 1 and
// 6 included and agreed, 2 included without agreeing, 3 left out, 4 added by the
// taxpayer and 5 a debt that cannot be included.
class Frm942InteresTest : public PruebaSolicitud {
 protected:
  void SetUp() override {
    PruebaSolicitud::SetUp();
    Declara(kRucAndina, 1,
            {Deuda{"01", "00", "200911", "010101", "1", "001000", "1620.50", "1620.50", "1"},
             Deuda{"01", "00", "200911", "010101", "2", "001000", "1620.50", "1620.50", "1"},
             Deuda{"02", "07", "200911", "010101", "3", "001000", "1620.50", "0", "2"},
             Deuda{"04", "00", "200911", "010101", "4", "001000", "1620.50", "1620.50", "1"},
             Deuda{"01", "16", "200911", "010101", "5", "001000", "1620.50", "1620.50", "1"},
             Deuda{"03", "08", "200911", "010101", "6", "001000", "1620.50", "1620.50", "1"}});
    Ejecuta("UPDATE F0942DEUDAS SET mto_tributo_c = '1500', mto_int_s = '120.50', ind_conf = 1");
    Ejecuta("UPDATE F0942DEUDAS SET ind_conf = 2 WHERE num_doc = '2'");
  }
  Filas Montos() {
    return Consulta("SELECT num_doc, mto_int_c, mto_act_c FROM TMP_F0942DEUDAS ORDER BY num_doc");
  }
  // The rows as they were copied in, before any recalculation.
  static Filas SinRecalcular() {
    return {{"1", "Null", "1620.50"}, {"2", "Null", "1620.50"}, {"3", "Null", "0"},
            {"4", "Null", "1620.50"}, {"5", "Null", "1620.50"}, {"6", "Null", "1620.50"}};
  }
  // Rows 1 and 6 with their new interest and total, the others as copied in.
  static Filas Recalculadas(const std::string& interes, const std::string& total) {
    Filas filas = SinRecalcular();
    filas[0] = {"1", interes, total};
    filas[5] = {"6", interes, total};
    return filas;
  }
  // The debt file's date the grids show, by the rows' fec_des_deu.
  void FechaDescarga(Frm942& frm, const std::string& fecha) {
    Ejecuta("UPDATE TMP_F0942DEUDAS SET fec_des_deu = " + fecha);
    for (int n : {1, 2, 5}) frm.CargaTabIndex(n);
  }
  // The stored date 14/05/2010 changed into the debt file's 15/05/2010 by a
  // person, who answers the question with `respuesta` and leaves the box.
  void CambiaFecha(Frm942& frm, int respuesta) {
    driver_.Focus(frm.mkeFechaAcog);
    frm.mkeFechaAcog.SetSelStart(0);
    driver_.Keys(frm, "15");
    driver_.Expect(kPregunta, respuesta);
    driver_.Focus(frm.txtTelefono);
  }
  // The check code of a working row, computed again over its stored fields.
  std::string CodigoDe(const std::string& numDoc) {
    dao::RecordsetPtr rs = gDB->OpenRecordset(
        "SELECT * FROM TMP_F0942DEUDAS WHERE num_doc = " + vb::SqlText(numDoc), dao::dbOpenSnapshot);
    std::string codigo = GeneraCNumero(*rs, 9);
    rs->Close();
    return codigo;
  }
};

// Only included and agreed reported debts are recalculated; each run starts
// again from the reported interest, so a second run gives the same amounts.
TEST_F(Frm942InteresTest, AcceptedDebtsAreBroughtUpToTheAcceptanceDate) {
  Abre(kRucAndina, [this](Frm942& frm) {
    frm.mkeFechaAcog.SetText("15/06/2010");
    frm.Obtiene_TIM("201006");
    EXPECT_EQ(gsTIM, "1.2");
    // 31 days from 15/05/2010 at 0.04 % a day: 1,500 x 0.0124 = 18.60.
    for (int vez = 0; vez < 2; ++vez) {
      frm.Recalcula_deuda();
      EXPECT_EQ(Montos(), Recalculadas("139.10", "1639")) << vez;
    }
    EXPECT_EQ(gsSQL, "SELECT * FROM TMP_F0942DEUDAS WHERE doc_id_d = '20456712348' AND Semana = 1 "
                     "AND ind_tip_deu in ( '01', '02', '03') AND ind_ver_deu in ( '00', '07', '08' ) ");
    EXPECT_EQ(Consulta("SELECT cnumero FROM TMP_F0942DEUDAS WHERE num_doc = '1'"),
              (Filas{{CodigoDe("1")}}));
    EXPECT_EQ(Consulta("SELECT mto_tributo_c, mto_int_cap_c FROM TMP_F0942DEUDAS WHERE num_doc = '1'"),
              (Filas{{"1500", "Null"}}));
    // On the debt file's own date no interest is added.
    frm.mkeFechaAcog.SetText("15/05/2010");
    frm.Recalcula_deuda();
    EXPECT_EQ(Montos(), Recalculadas("120.50", "1621"));
  });
}

// A December period accepted in January capitalises the interest at 31 December.
TEST_F(Frm942InteresTest, DecemberPeriodAcceptedInJanuaryCapitalisesAtYearEnd) {
  Abre(kRucAndina, [this](Frm942& frm) {
    Ejecuta("UPDATE TMP_F0942DEUDAS SET mto_tributo_c = '1000', mto_int_s = '50'");
    FechaDescarga(frm, "#12/15/2009 08:00:00#");
    frm.Obtiene_TIM("201001");
    struct Caso {
      const char* periodo;
      const char* fecha;
      const char* interes;
      const char* total;
    } casos[] = {
        {"200912", "15/01/2010", "7.94", "1066"},    // 8.00 to 31/12, then 1,058 x 0.0075
        {"200912", "15/02/2010", "81.00", "1081"},   // 62 days, no capitalisation
        {"200911", "15/01/2010", "65.50", "1066"},   // 31 days, no capitalisation
    };
    for (const auto& c : casos) {
      gsPeriodo = c.periodo;
      frm.mkeFechaAcog.SetText(c.fecha);
      frm.Recalcula_deuda();
      EXPECT_EQ(Montos()[0], (std::vector<std::string>{"1", c.interes, c.total}))
          << c.periodo << " " << c.fecha;
    }
    gsPeriodo = "201005";
  });
}

// Without an acceptance date or a debt file's date there is no span to compute.
TEST_F(Frm942InteresTest, NoDateLeavesTheDebtsAsTheyAre) {
  Abre(kRucAndina, [this](Frm942& frm) {
    frm.Obtiene_TIM("201006");
    frm.Recalcula_deuda();
    EXPECT_EQ(frm.mkeFechaAcog.Text(), "__/__/____");
    EXPECT_EQ(Montos(), SinRecalcular());
    frm.mkeFechaAcog.SetText("15/06/2010");
    FechaDescarga(frm, "Null");
    frm.Recalcula_deuda();
    EXPECT_EQ(Montos(), SinRecalcular());
  });
}

// A stored date replaced by the debt file's date: confirmed, the debts are
// brought up to it and the payment form is cleared with its dependent boxes.
TEST_F(Frm942InteresTest, ConfirmedNewDateRecalculatesAndClearsThePaymentForm) {
  Casilla(kRucAndina, 1, "541", "14/05/2010");
  Casilla(kRucAndina, 1, "501", "0");
  Casilla(kRucAndina, 1, "503", "12");
  Abre(kRucAndina, [this](Frm942& frm) {
    EXPECT_EQ(frm.mkeFechaAcog.Text(), "14/05/2010");
    CambiaFecha(frm, forms::vbYes);
    EXPECT_EQ(frm.mkeFechaAcog.Text(), "15/05/2010");
    EXPECT_EQ(Montos(), Recalculadas("120.50", "1621"));
    EXPECT_EQ(frm.txtValor(501).Text(), "");
    EXPECT_EQ(frm.txtValor(503).Text(), "");
    EXPECT_FALSE(frm.txtValor(503).Enabled());
  });
}

TEST_F(Frm942InteresTest, DeclinedNewDateComesBackOnTabZero) {
  Casilla(kRucAndina, 1, "541", "14/05/2010");
  Casilla(kRucAndina, 1, "501", "0");
  Abre(kRucAndina, [this](Frm942& frm) {
    CambiaFecha(frm, forms::vbNo);
    EXPECT_EQ(frm.mkeFechaAcog.Text(), "14/05/2010");
    EXPECT_EQ(frm.SSTab1.Tab(), 0);
    EXPECT_EQ(frm.ActiveControl(), &frm.mkeFechaAcog);
    EXPECT_EQ(Montos(), SinRecalcular());
    EXPECT_EQ(frm.txtValor(501).Text(), "0");
    // Leaving the box for "&Salir" checks the earlier date again.
    driver_.Expect(kMenor);
  });
}

// Leaving the box checks the date every time; only a change of an earlier date
// asks before recalculating. A rejected date is told once and the date the box
// had on entry comes back.
TEST_F(Frm942InteresTest, LeavingTheDateChecksItAndAsksOnlyForAChangedEarlierDate) {
  struct Caso {
    const char* guardada;
    const char* tecleada;
    std::vector<MessageBoxCall> mensajes;
    const char* queda;
  } casos[] = {
      {"", "15052010", {}, "15/05/2010"},
      {"15/05/2010", "", {}, "15/05/2010"},
      {"15/05/2010", "14", {kMenor}, "15/05/2010"},
      {"15/05/2010", "16",
       {{"La fecha de actualización no corresponde con la fecha del personalizado", forms::vbCritical,
         kTitulo}},
       "15/05/2010"},
      {"", "150", {{"La Fecha de actualización no es válida", forms::vbCritical, kTitulo}},
       "__/__/____"},
  };
  for (const auto& c : casos) {
    Ejecuta("DELETE FROM DET");
    if (*c.guardada) Casilla(kRucAndina, 1, "541", c.guardada);
    Abre(kRucAndina, [&](Frm942& frm) {
      driver_.Focus(frm.mkeFechaAcog);
      frm.mkeFechaAcog.SetSelStart(0);
      std::size_t nMensajes = driver_.MessageBoxes().size();
      for (const auto& mensaje : c.mensajes) driver_.Expect(mensaje);
      driver_.Keys(frm, c.tecleada);
      driver_.Focus(frm.txtTelefono);
      EXPECT_EQ(frm.mkeFechaAcog.Text(), c.queda) << c.guardada << " " << c.tecleada;
      EXPECT_EQ(driver_.MessageBoxes().size(), nMensajes + c.mensajes.size()) << c.tecleada;
      EXPECT_EQ(Montos(), SinRecalcular()) << c.tecleada;
    });
  }
}

TEST_F(Frm942InteresTest, EmptiedDateIsRefusedWithTheFieldsName) {
  Casilla(kRucAndina, 1, "541", "15/05/2010");
  Abre(kRucAndina, [this](Frm942& frm) {
    driver_.Focus(frm.mkeFechaAcog);
    frm.mkeFechaAcog.SetSelStart(0);
    frm.mkeFechaAcog.SetSelLength(10);
    driver_.Key(frm, forms::vbKeyDelete);
    EXPECT_EQ(frm.mkeFechaAcog.Text(), "__/__/____");
    driver_.Expect({"Debe registrar la Fecha de actualización", forms::vbCritical, kTitulo});
    driver_.Focus(frm.txtTelefono);
    EXPECT_EQ(frm.mkeFechaAcog.Text(), "15/05/2010");
  });
}

TEST_F(Frm942InteresTest, DateBoxPastesNothingAndEnterMovesOn) {
  Abre(kRucAndina, [this](Frm942& frm) {
    forms::Clipboard.SetText("15052010");
    driver_.Focus(frm.mkeFechaAcog);
    driver_.Key(frm, forms::vbKeyInsert, forms::vbShiftMask);
    EXPECT_EQ(frm.mkeFechaAcog.Text(), "__/__/____");
    EXPECT_EQ(forms::Clipboard.GetText(), "");
    frm.bModificado = false;
    driver_.Type(frm.mkeFechaAcog, "15052010\r");
    EXPECT_TRUE(frm.bModificado);
    EXPECT_EQ(frm.mkeFechaAcog.Text(), "15/05/2010");
    EXPECT_NE(frm.ActiveControl(), &frm.mkeFechaAcog);
    // The substitution answer marks the form as changed too.
    frm.bModificado = false;
    frm.OptRectifica(0).SetValue(true);
    EXPECT_TRUE(frm.bModificado);
    EXPECT_FALSE(frm.OptRectifica(1).Value());
  });
}

// An error in a routine whose failure is fatal is reported centrally and ends the
// program with a failure status, so that the host can tell.
class Frm942ErrorFatalTest : public Frm942InteresTest,
                             public ::testing::WithParamInterface<const char*> {};

TEST_P(Frm942ErrorFatalTest, EndsTheProgramWithAFailureStatus) {
  const std::string rutina = GetParam();
  int salida = 0;
  try {
    Abre(kRucAndina, [this, &rutina](Frm942& frm) {
      frm.mkeFechaAcog.SetText("15/06/2010");
      Ejecuta("DROP TABLE TMP_F0942DEUDAS");
      driver_.Answer(forms::vbOK);
      if (rutina == "CargaTabIndex") frm.CargaTabIndex(1);
      else frm.Recalcula_deuda();
    });
  } catch (const vb::ProgramEnded& fin) {
    salida = fin.exitCode;
  }
  EXPECT_EQ(salida, EXIT_FAILURE);
  EXPECT_EQ(vb::Right(driver_.MessageBoxes().back().title, rutina.size() + 2), rutina + ") ");
}

INSTANTIATE_TEST_SUITE_P(Rutinas, Frm942ErrorFatalTest, ::testing::Values("CargaTabIndex", "Recalcula_deuda"));

}  // namespace
}  // namespace korva::prueba

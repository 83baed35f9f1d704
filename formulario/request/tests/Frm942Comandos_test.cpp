#include "formulario/request/tests/prueba_validacion.h"

namespace korva::prueba {
namespace {

const std::string kTelefono = "Ingrese correctamente el teléfono";
const std::string kCelular = "Identificación-Información general : El celular debe ser de 9 dígitos";
const std::string kFechaAnterior = "La Fecha de actualización no debe ser menor a la fecha de pedido "
                                   "de archivo personalizado. Fecha de pedido de archivo "
                                   "personalizado: 15/05/2010";
const std::string kArchivoDeAyer = "El archivo personalizado no es de hoy día, por favor descargue y "
                                   "procese nuevamente el archivo";
const std::string kAntiguo = "Esta declaración la ha realizado con un archivo personalizado antiguo. "
                             "Debe solicitar nuevamente su archivo a TELVO.";

class Frm942ComandosTest : public PruebaValidacion {
 protected:
  // "&Validar": the report file it leaves and the text its viewer showed
  // ("(sin visor)" when the viewer did not open).
  std::pair<std::string, std::string> Valida(Frm942& frm) {
    std::string sVisor = "(sin visor)";
    driver_.OnModal<FrmConsist>([&](FrmConsist& visor) {
      sVisor = visor.TxtPreliminar.Text();
      driver_.Click(visor.CmdGrabar);
    });
    driver_.Click(frm.CmdValidar);
    EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
    return {vb::FromCp1252(ReadBytes(suite_.installFolder + "Mens.txt")), sVisor};
  }

  // Whether the open declaration's header was written by a store.
  bool Grabada() {
    return Consulta("SELECT fec_pro FROM CAB WHERE doc_id_d = '20456712348'") == Filas{{"15/05/2010"}};
  }
};

// "&Validar" writes the report where the suite is installed and shows it; a
// second report replaces the first; one without findings says so instead.
TEST_F(Frm942ComandosTest, ValidateWritesTheReportAndShowsIt) {
  Declara(kRucAndina, 1, {Deuda{}});
  Abre(kRucAndina, [&](Frm942& frm) {
    Identifica(frm);
    driver_.ChooseTab(frm.SSTab1, 1);
    PagoSinHallazgos(frm);
    Llena(frm, {{535, ""}});
    std::string sAmbos = std::string(kSinResponder) + "\r\n" + kSinCuotaInicial + "\r\n";
    EXPECT_EQ(Valida(frm), std::make_pair(sAmbos, sAmbos));
    EXPECT_EQ(giInconsistencia, 1);
    EXPECT_EQ(giGrabando, 0);
    EXPECT_EQ(frm.SSTab1.HelpContextID(), 1016);
    Ejecuta("UPDATE TMP_F0942DEUDAS SET ind_acog = 1, ind_conf = 1");
    std::string sCuota = std::string(kSinCuotaInicial) + "\r\n";
    EXPECT_EQ(Valida(frm), std::make_pair(sCuota, sCuota));
    Llena(frm, {{535, "600"}});
    driver_.Expect({kSinInconsistencias, forms::vbExclamation, kTitulo});
    EXPECT_EQ(Valida(frm), std::make_pair(std::string(), std::string("(sin visor)")));
    EXPECT_EQ(giInconsistencia, 0);
    EXPECT_EQ(gsArchivoReporte, gsSysPath + "Mens.txt");
  });
}

// A bad identification is reported alone: the rest of the declaration is not
// validated.
TEST_F(Frm942ComandosTest, ValidateWithABadIdentificationReportsOnlyIt) {
  Declara(kRucAndina, 1, {Deuda{}});
  Abre(kRucAndina, [&](Frm942& frm) {
    frm.mkeFechaAcog.SetText(kHoy);
    frm.txtTelefono.SetText("91");
    std::string sLineas = kTelefono + "\r\n" + kCelular + "\r\n";
    EXPECT_EQ(Valida(frm), std::make_pair(sLineas, sLineas));
    EXPECT_EQ(giInconsistencia, 1);
  });
}

// What keeps "&Grabar" from storing: each refusal is told, the date's after
// the earlier date is back, and nothing is stored.
TEST_F(Frm942ComandosTest, StoreRefusalsStoreNothing) {
  struct Caso {
    const char* que;
    std::string cheque;
    std::function<void(Frm942&)> prepara;
    std::vector<MessageBoxCall> mensajes;
  } casos[] = {
      {"regional settings", "0", [this](Frm942&) { EscribeRegional("sDate", "-"); },
       {{"- Debe configurar como separador de Fechas : ( / ) \n" + kCierreRegional, forms::vbCritical,
         "Error de configuración"}}},
      {"older debt file", "", [](Frm942&) {}, {{kAntiguo, forms::vbCritical, kTitulo}}},
      {"telephone", "0", [](Frm942& frm) { frm.txtTelefono.SetText("12345"); },
       {{kTelefono, forms::vbCritical, kTitulo}}},
      {"date", "0", [](Frm942& frm) { frm.mkeFechaAcog.SetText("14/05/2010"); },
       {{kFechaAnterior, forms::vbCritical, kTitulo}}},
      {"debt file of an earlier day", "0",
       [this](Frm942& frm) {
         Ejecuta("UPDATE TMP_F0942DEUDAS SET Fec_des_deu = #05/14/2010 08:00:00#");
         frm.CargaTabIndex(1);
         // The date box, which the refusal gives the focus, tells it again when closing leaves it.
         driver_.Expect({kArchivoDeAyer, forms::vbCritical, kTitulo});
       },
       {{kArchivoDeAyer, forms::vbCritical, kTitulo}}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.que);
    for (const char* tabla : {"CAB", "F0942DEUDAS", "F0942GARANTIA"}) Ejecuta(std::string("DELETE FROM ") + tabla);
    EscribeRegional("sDate", "/");
    Declara(kRucAndina, 1, {Deuda{}}, c.cheque);
    Abre(kRucAndina, [&](Frm942& frm) {
      frm.txtTelefono.SetText("4567890");
      frm.mkeFechaAcog.SetText(kHoy);
      frm.sFechaAnterior = kHoy;
      c.prepara(frm);
      std::size_t nMensajes = driver_.MessageBoxes().size();
      for (const MessageBoxCall& mensaje : c.mensajes) driver_.Expect(mensaje);
      driver_.Click(frm.CmdGrabar);
      EXPECT_EQ(driver_.MessageBoxes().size(), nMensajes + c.mensajes.size());
      EXPECT_EQ(giGrabando, 1);
      EXPECT_FALSE(Grabada());
      EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
      EXPECT_EQ(frm.mkeFechaAcog.Text(), kHoy);
    });
  }
}

// "&Salir" and the close box ask about a changed form: No closes it as it is,
// Cancel keeps it, Yes stores it and closes it only when the store ran, telling
// why it did not (on the date, the finding the check kept to itself).
TEST_F(Frm942ComandosTest, LeavingAChangedFormAsksToStoreItAndClosesOnlyWhenStored) {
  enum class Cierre { Salir, CajaDeCierre };
  struct Caso {
    const char* que;
    Cierre cierre;
    int respuesta;
    std::string telefono;
    std::string fecha;
    std::vector<MessageBoxCall> mensajes;
    bool abierta;
    bool grabada;
  } casos[] = {
      {"Salir, No", Cierre::Salir, forms::vbNo, "4567890", kHoy, {}, false, false},
      {"Salir, Cancel", Cierre::Salir, forms::vbCancel, "4567890", kHoy, {}, true, false},
      {"Salir, Yes", Cierre::Salir, forms::vbYes, "4567890", kHoy, {kGrabada}, false, true},
      {"Salir, Yes, bad telephone", Cierre::Salir, forms::vbYes, "45", kHoy,
       {{kTelefono, forms::vbCritical, kTitulo}}, true, false},
      {"Salir, Yes, date before the debt file's", Cierre::Salir, forms::vbYes, "4567890", "14/05/2010",
       {{kFechaAnterior, forms::vbCritical, kTitulo}}, true, false},
      {"close box, No", Cierre::CajaDeCierre, forms::vbNo, "4567890", kHoy, {}, false, false},
      {"close box, Cancel", Cierre::CajaDeCierre, forms::vbCancel, "4567890", kHoy, {}, true, false},
      {"close box, Yes", Cierre::CajaDeCierre, forms::vbYes, "4567890", kHoy, {kGrabada}, false, true},
      {"close box, Yes, bad telephone", Cierre::CajaDeCierre, forms::vbYes, "45", kHoy,
       {{kTelefono, forms::vbCritical, kTitulo}}, true, false},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.que);
    for (const char* tabla : {"CAB", "DET", "F0942DEUDAS", "F0942GARANTIA"})
      Ejecuta(std::string("DELETE FROM ") + tabla);
    Declara(kRucAndina, 1, {Deuda{"01", "00", "201001", "010101", "1", "001000", "100.00", "100.00", "1"}});
    Abre(kRucAndina, [&](Frm942& frm) {
      PagoSinHallazgos(frm);
      frm.mkeFechaAcog.SetText(c.fecha);
      frm.txtTelefono.SetText("");
      driver_.Type(frm.txtTelefono, c.telefono);
      ASSERT_TRUE(frm.bModificado);
      driver_.Expect(PreguntaGuardar(), c.respuesta);
      for (const MessageBoxCall& mensaje : c.mensajes) driver_.Expect(mensaje);
      if (c.cierre == Cierre::Salir) {
        driver_.Click(frm.CmdCancelar);
      } else {
        driver_.Close(frm);
      }
      EXPECT_EQ(driver_.PendingAnswers(), 0u);
      EXPECT_EQ(forms::LoadedInstance<Frm942>() == &frm && frm.IsLoaded(), c.abierta);
      EXPECT_EQ(Grabada(), c.grabada);
      // Left open, the form is put back as it was opened, with a sound date.
      if (c.abierta) {
        frm.mkeFechaAcog.SetText(kHoy);
        frm.bModificado = false;
      }
    });
  }
}

// The telephone takes digits and backspace only, nothing pasted, and any key
// marks the form as changed; Enter moves on.
TEST_F(Frm942ComandosTest, TelephoneTakesDigitsOnlyAndEveryKeyChangesTheForm) {
  Declara(kRucAndina, 1, {});
  Abre(kRucAndina, [&](Frm942& frm) {
    driver_.Type(frm.txtTelefono, "45a 6.7-\b8");
    EXPECT_EQ(frm.txtTelefono.Text(), "4568");
    frm.bModificado = false;
    driver_.Type(frm.txtTelefono, "x");
    EXPECT_TRUE(frm.bModificado);
    forms::Clipboard.SetText("999");
    driver_.Key(frm, forms::vbKeyInsert, forms::vbShiftMask);
    EXPECT_EQ(frm.txtTelefono.Text(), "4568");
    forms::Clipboard.SetText("999");
    driver_.ContextPaste(frm.txtTelefono);
    EXPECT_EQ(frm.txtTelefono.Text(), "4568");
    driver_.Type(frm.txtTelefono, "\r");
    EXPECT_NE(frm.ActiveControl(), &frm.txtTelefono);
    EXPECT_EQ(frm.txtTelefono.Text(), "4568");
  });
}

}  // namespace
}  // namespace korva::prueba

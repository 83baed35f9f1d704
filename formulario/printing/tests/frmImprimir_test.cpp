#include "formulario/printing/frmImprimir.h"

#include "formulario/printing/ImpCabeceras.h"
#include "formulario/printing/tests/prueba_impresion.h"
#include "formulario/printing/tests/pagina_declaracion.h"

namespace korva::prueba {
namespace {

class ImprimirTest : public PruebaImpresion {
 protected:
  void SetUp() override {
    PruebaImpresion::SetUp();
    CapturaReportes();
  }
  void TearDown() override {
    FijaEscritoresAnexos({}, {});
    PruebaImpresion::TearDown();
  }

  Filas Spool() {
    return Consulta("SELECT CodRep, Archivo, tip_doc_d, doc_id_d FROM SPOOL ORDER BY Archivo");
  }
};

TEST_F(ImprimirTest, ListsTheDeclarationsTheUserMaySeeWithTheirKeysHidden) {
  InsertaCabecera({kRucRio, "200912", 2});
  InsertaCabecera({kRucAndina, "201003", 1});
  InsertaCabecera({kRucHuaman, "201001", 3});
  InsertaCabecera({kRucAndina, "201002", 5, "", "", "007"});
  using Rejas = std::vector<std::vector<std::string>>;
  struct Caso {
    bool enviadas;
    const char* tipoUsuario;
    Rejas filas;
  } casos[] = {
      {false, "1",
       {{kRucAndina, kNombreAndina, "0942", "TESORO      ", "032010", ""},
        {kRucRio, kNombreRio, "0942", "ESSALUD     ", "122009", ""}}},
      {false, "0",
       {{kRucHuaman, kNombreHuaman, "0942", "ONP         ", "012010", ""},
        {kRucAndina, kNombreAndina, "0942", "TESORO      ", "032010", ""},
        {kRucRio, kNombreRio, "0942", "ESSALUD     ", "122009", ""}}},
      {true, "1", {{kRucAndina, kNombreAndina, "0942", "FONAVI      ", "022010", "007"}}},
  };
  for (const Caso& c : casos) {
    Ejecuta(std::string("UPDATE CLAVES SET Tipo = '") + c.tipoUsuario + "'");
    ConDialogo(c.enviadas, [&](frmImprimir& frm) {
      EXPECT_EQ(frm.Caption(), "Imprimir ");
      EXPECT_EQ(Rejilla(frm.grdImprimir, {2, 3, 4, 5, 7, 8}), c.filas);
      std::vector<bool> visibles;
      for (int col = 0; col < 9; ++col) visibles.push_back(frm.grdImprimir.Columns(col).Visible());
      EXPECT_EQ(visibles,
                (std::vector<bool>{false, true, true, true, true, true, false, true, c.enviadas}));
      EXPECT_EQ(frm.grdImprimir.Columns(1).Text(), "R.U.C.      ");
      MDIFrm& principal = Principal();
      EXPECT_EQ(principal.BarradeEstadoZEP1.numdoc(), c.filas[0][0]);
      EXPECT_EQ(principal.BarradeEstadoZEP1.periodo_ejercicio(), c.filas[0][4]);
    });
  }
}

// The user's name reaches the list's statement as a quoted text.
TEST_F(ImprimirTest, UserNameWithAQuoteStillListsHisDeclarants) {
  InsertaCabecera({kRucAndina, "201003", 1});
  Principal();
  gsSysUser = "O'BRIEN";
  Ejecuta("UPDATE CONT SET usuario = 'O''BRIEN' WHERE doc_id_d = " + vb::SqlText(kRucAndina));
  ConDialogo(false, [&](frmImprimir& frm) {
    EXPECT_EQ(Rejilla(frm.grdImprimir, {2}), (std::vector<std::vector<std::string>>{{kRucAndina}}));
  });
  EXPECT_TRUE(driver_.MessageBoxes().empty());
}

TEST_F(ImprimirTest, DeclarationAloneTakesNoAnnexesAndAnnexesNeedOneTicked) {
  InsertaCabecera({kRucAndina, "201003", 1});
  ConDialogo(false, [&](frmImprimir& frm) {
    auto estado = [&frm] {
      std::string s;
      for (forms::CheckBox* c : frm.chkAnexos.Elements())
        s += (c->Enabled() ? "e" : "-") + std::to_string(c->Value());
      return s;
    };
    EXPECT_TRUE(frm.OptImp(0).Value());
    EXPECT_EQ(estado(), "-0-0-0-0-0-0-0-0-0-0");
    driver_.Click(frm.OptImp(1));
    driver_.Expect({"Debe indicar el/los  anexo(s)", forms::vbCritical, "Imprimir "});
    driver_.Click(frm.CmdImprimir(1));
    driver_.Click(frm.chkAnexos(3));
    driver_.Click(frm.chkAnexos(9));
    EXPECT_EQ(estado(), "e0e0e0e1e0e0e0e0e0e1");
    driver_.Click(frm.OptImp(0));
    driver_.Click(frm.OptImp(2));
    EXPECT_EQ(estado(), "e0e0e0e0e0e0e0e0e0e0");
    driver_.Expect({"Debe indicar el/los  anexo(s)", forms::vbCritical, "Imprimir "});
    driver_.Click(frm.CmdImprimir(0));
  });
  EXPECT_EQ(Spool(), Filas{});
  EXPECT_EQ(mostrados_, Lineas{});
  EXPECT_EQ(driver_.PendingAnswers(), 0u);
}

// Each button and option registers its own report code; a preview is
// registered under document type 6, a print under the declaration's own.
TEST_F(ImprimirTest, PreviewAndPrintRegisterTheirReportAndHandItOver) {
  Ejecuta(
      "INSERT INTO CONT (tip_doc_d, doc_id_d, nombre, usuario) VALUES (1, '41234567', "
      "'PEREZ LUIS', 'USUARIO')");
  InsertaCabecera({"41234567", "201003", 1, "15/04/2010", "20/04/2010", "", 1});
  FijaEscritoresAnexos([](auto&&...) {}, [](auto&&...) {});
  struct Caso {
    int boton;
    int opcion;
    const char* codigo;
    const char* tipDoc;
    const char* modo;
  } casos[] = {{0, 0, "F36001", "6", "Vprevia"}, {0, 1, "F36002", "6", "Vprevia"},
               {0, 2, "F36001", "6", "Vprevia"}, {1, 0, "FR0001", "1", "xx"},
               {1, 1, "FR0003", "1", "xx"},      {1, 2, "FR0004", "1", "xx"}};
  Filas esperadas;
  Lineas mostrados;
  ConDialogo(false, [&](frmImprimir& frm) {
    for (const Caso& c : casos) {
      driver_.Click(frm.OptImp(c.opcion));
      if (c.opcion != 0) driver_.Click(frm.chkAnexos(0));
      driver_.Click(frm.CmdImprimir(c.boton));
      std::string archivo = vb::Format(static_cast<int>(esperadas.size()) + 1, "00000000") + ".PRN";
      esperadas.push_back({c.codigo, archivo, c.tipDoc, "41234567"});
      mostrados.push_back(archivo + " " + c.modo);
      driver_.Click(frm.OptImp(0));
    }
  });
  EXPECT_EQ(Spool(), esperadas);
  EXPECT_EQ(mostrados_, mostrados);
  EXPECT_EQ(driver_.MousePointers().back(), forms::vbDefault);
}

// The page of a stored declaration, pending (DET) or sent (HDET, by its
// correlative), for each payment form: the boxes of its entity's block.
TEST_F(ImprimirTest, DeclarationPageShowsTheStoredBoxesOfEachPaymentForm) {
  const std::string b16(16, ' ');
  Guarda({kRucAndina, "201003", 1},
         {{"500", "12345.6"}, {"501", "0"}, {"502", "0"}, {"503", "12"}, {"504", "1028.5"},
          {"505", "030701"}, {"506", "1"}, {"535", "2469.49"}, {"551", "100"},
          {"541", "15/04/2010"}, {"721", "1.5"}, {"900", "x"}, {"0", "x"}, {"536", "Null"}});
  Guarda({kRucAndina, "201004", 2, "", "", "002"},
         {{"507", "80000"}, {"508", "1"}, {"509", "6"}, {"513", "0"}, {"561", "010"}});
  Guarda({kRucAndina, "201004", 2, "", "", "001"}, {{"507", "1"}, {"508", "2"}});
  Guarda({kRucAndina, "201005", 8},
         {{"528", "1500000"}, {"529", "2"}, {"530", "3"}, {"531", "24"}, {"532", "55000.5"},
          {"534", "7"}, {"539", "300000"}, {"591", "001"}});
  Guarda({kRucAndina, "201006", 3, "", "", "001"}, {{"515", "9"}, {"722", "x"}});
  struct Caso {
    const char* correl;
    const char* periodo;
    Modalidad pagina;
  } casos[] = {
      {"", "032010",
       {500, 535, "TESORO", "          12,346", "Fraccionamiento", b16, "              12",
        "           1,029", "           30701", "              SI", "           2,469",
        "      - Carta fianza ", "      15/04/2010"}},
      {"002", "042010",
       {507, 536, "ESSALUD", "          80,000", "Aplazamiento", "               6", b16, b16, b16,
        "              NO", b16, "      - Hipoteca ", "      "}},
      {"", "052010",
       {528, 539, "FONCOMUN", "       1,500,000", "Aplaz. con fracc.", "               3",
        "              24", "          55,001", b16, "", "         300,000",
        "      - Garantía mobiliaria", "      "}},
      {"001", "062010",
       {514, 537, "ONP", b16, "", b16, b16, b16, b16, "", b16, "      ", "      "}},
  };
  for (const Caso& c : casos) {
    ConDialogo(*c.correl != 0, [&](frmImprimir& frm) {
      Elige(frm, c.periodo, c.correl);
      driver_.Click(frm.CmdImprimir(0));
    });
    Lineas esperadas = PaginaDeclaracion(c.pagina);
    esperadas.push_back("<!nHojas!>1<!/nHojas!>");
    EXPECT_EQ(lineas_, esperadas) << c.periodo;
    EXPECT_EQ(gsCasillas[721], "");
  }
}

// A report the driver could not finish is neither shown nor printed: the user
// is told why, and its file and SPOOL row go.
TEST_F(ImprimirTest, DriverErrorIsToldAndTheHalfWrittenReportGoes) {
  InsertaCabecera({kRucAndina, "201003", 1});
  struct Caso {
    int boton;
    int error;
    const char* mensaje;
  } casos[] = {{1, 20545, "La Impresión ha sido Cancelada."},
               {0, 380, "No Existe Información a Imprimir.Verifique."},
               {1, 482, "No existe una impresora seleccionada.Verifique."},
               {0, 53, "Error Técnico : ( 53) No se ha encontrado el archivo"},
               {1, 438,
                "Error Técnico : ( 438) Los anexos y los reportes de garantía no están "
                "disponibles en esta versión del módulo."}};
  ConDialogo(false, [&](frmImprimir& frm) {
    driver_.Click(frm.OptImp(2));
    driver_.Click(frm.chkAnexos(0));
    for (const Caso& c : casos) {
      int error = c.error;
      auto falla = [error](auto&&...) {
        int iHoja = 0;
        ImprimeCabeceraVertical(iHoja, 0, "");
        if (error == 53) vb::Raise(error, "No se ha encontrado el archivo");
        vb::Raise(error);
      };
      if (error == 438)
        FijaEscritoresAnexos({}, {});
      else
        FijaEscritoresAnexos(falla, falla);
      driver_.Expect({c.mensaje, forms::vbCritical, "Impresión"});
      driver_.Click(frm.CmdImprimir(c.boton));
      EXPECT_TRUE(frm.IsLoaded());
    }
  });
  EXPECT_EQ(driver_.PendingAnswers(), 0u);
  EXPECT_EQ(mostrados_, Lineas{});
  EXPECT_EQ(Spool(), Filas{});
  EXPECT_EQ(vb::Dir(CarpetaRPT() + "*.PRN"), "");
}

TEST_F(ImprimirTest, DatabaseErrorOfTheDialogIsToldAndLeavesItOpen) {
  InsertaCabecera({kRucAndina, "201003", 1});
  ConDialogo(false, [&](frmImprimir& frm) {
    Ejecuta("DROP TABLE DET");
    driver_.Expect(
        {"El motor de base de datos no encuentra la tabla o consulta de entrada 'DET'.\n3078",
         forms::vbCritical, "Error"});
    driver_.Click(frm.CmdImprimir(1));
    EXPECT_TRUE(frm.IsLoaded());
  });
  EXPECT_EQ(driver_.PendingAnswers(), 0u);
  EXPECT_EQ(Spool(), Filas{});
}

// Enter or a double click on a row previews it; afterwards the list is read
// again and the same row is current.
TEST_F(ImprimirTest, EnterOrDoubleClickPreviewsTheRowAndTheListComesBackToIt) {
  InsertaCabecera({kRucAndina, "201003", 1});
  InsertaCabecera({kRucRio, "200912", 2});
  ConDialogo(false, [&](frmImprimir& frm) {
    driver_.DblClickRow(frm.grdImprimir, 1);
    EXPECT_EQ(frm.grdImprimir.CurrentRow(), 1);
    driver_.Key(frm, 13);
    driver_.PickRow(frm.grdImprimir, 0);
    driver_.Click(frm.CmdImprimir(1));
    EXPECT_EQ(frm.grdImprimir.CurrentRow(), 0);
  });
  EXPECT_EQ(mostrados_,
            (Lineas{"00000001.PRN Vprevia", "00000002.PRN Vprevia", "00000003.PRN xx"}));
  EXPECT_EQ(Consulta("SELECT doc_id_d FROM SPOOL ORDER BY Archivo"),
            (Filas{{kRucRio}, {kRucRio}, {kRucAndina}}));
}

TEST_F(ImprimirTest, RegionalSettingsThatDifferStopEveryButton) {
  InsertaCabecera({kRucAndina, "201003", 1});
  EscribeRegional("sDate", "-");
  MessageBoxCall regional{"- Debe configurar como separador de Fechas : ( / ) \n" + kCierreRegional,
                          forms::vbCritical, "Error de configuración"};
  ConDialogo(false, [&](frmImprimir& frm) {
    for (int boton : {0, 1, 2}) {
      driver_.Expect(regional);
      driver_.Click(frm.CmdImprimir(boton));
    }
    EXPECT_TRUE(frm.IsLoaded());
    EscribeRegional("sDate", "/");
  });
  EXPECT_EQ(Spool(), Filas{});
}

TEST_F(ImprimirTest, EmptyListLeavesTheGridDisabledAndTheButtonsIdle) {
  ConDialogo(false, [&](frmImprimir& frm) {
    EXPECT_FALSE(frm.grdImprimir.Enabled());
    driver_.Click(frm.CmdImprimir(0));
    driver_.Click(frm.CmdImprimir(1));
  });
  EXPECT_EQ(mostrados_, Lineas{});
  EXPECT_EQ(Spool(), Filas{});
}

}  // namespace
}  // namespace korva::prueba

#include "formulario/core/windows/MDIFrm.h"

#include "formulario/core/BarraEstado.h"
#include "formulario/core/windows/FrmConsultas.h"
#include "formulario/core/windows/frmAcercade.h"
#include "formulario/core/windows/tests/ventanas_prueba.h"
#include "platform/forms/user.h"
#include "platform/win/profile.h"

namespace korva::prueba {
namespace {

class MDIFrmTest : public PruebaVentanas {
 protected:
  std::string ArchivoAyuda() const { return gsSysPath + "0942\\Korva.hlp"; }
  void RespondeSelector() {
    driver_.OnModal<FrmContAbrir>([this](FrmContAbrir& selector) {
      modos_.push_back(giModo);
      titulos_.push_back(selector.Caption());
      forms::Unload(selector);
    });
    driver_.OnModal<FrmContAbrirE>([this](FrmContAbrirE& selector) {
      modos_.push_back(giModo);
      titulos_.push_back(selector.Caption());
      forms::Unload(selector);
    });
  }
  std::vector<int> modos_;
  std::vector<std::string> titulos_;
};

TEST_F(MDIFrmTest, LoadingWithNoDeclarationOpenShowsOnlyTheFormAndASlash) {
  MDIFrm& principal = Principal();
  EXPECT_EQ(principal.Caption(), "0942 - Plexo");
  EXPECT_EQ(principal.BarradeEstadoZEP1.numdoc(), "");
  EXPECT_EQ(principal.BarradeEstadoZEP1.razonsocial(), "");
  EXPECT_EQ(principal.BarradeEstadoZEP1.periodo_ejercicio(), "/");
  EXPECT_EQ(principal.BarradeEstadoZEP1.formulario(), "0942");
  EXPECT_EQ(principal.BarradeEstadoZEP1.esruc(), 1);
  EXPECT_EQ(principal.HelpContextID(), 1007);
  EXPECT_EQ(VentanaPrincipal(), &principal);
  EXPECT_EQ(vb::App::HelpFile(), ArchivoAyuda());
}

// The other windows write the bar through the core: into the loaded main
// window's bar, leaving its RUC flag alone; with none loaded, nowhere.
TEST_F(MDIFrmTest, StatusBarIsWrittenThroughTheCoreIntoTheLoadedMainWindow) {
  MuestraEnBarraEstado({kRucRio, kNombreRio, "122009", "0942"});
  MDIFrm& principal = Principal();
  MuestraEnBarraEstado({kRucAndina, kNombreAndina, "032010", "0942"});
  EXPECT_EQ(principal.BarradeEstadoZEP1.numdoc(), kRucAndina);
  EXPECT_EQ(principal.BarradeEstadoZEP1.razonsocial(), kNombreAndina);
  EXPECT_EQ(principal.BarradeEstadoZEP1.periodo_ejercicio(), "032010");
  EXPECT_EQ(principal.BarradeEstadoZEP1.formulario(), "0942");
  EXPECT_EQ(principal.BarradeEstadoZEP1.esruc(), 1);
}

TEST_F(MDIFrmTest, LoadingForcesTheProfileSeparatorsWhateverTheyWere) {
  EscribeRegional("sDecimal", ",");
  EscribeRegional("sThousand", ".");
  Principal();
  EXPECT_EQ(win::GetProfileString("intl", "sDecimal", "?"), ".");
  EXPECT_EQ(win::GetProfileString("intl", "sThousand", "?"), ",");
}

TEST_F(MDIFrmTest, FrameHasNoMinimiseOrMaximiseBoxAndPutsItselfBack) {
  MDIFrm& principal = Principal();
  EXPECT_FALSE(principal.MinButton());
  EXPECT_FALSE(principal.MaxButton());
  auto enSuSitio = [&principal] {
    EXPECT_EQ(principal.WindowState(), forms::vbNormal);
    EXPECT_EQ(principal.Left(), -50);
    EXPECT_EQ(principal.Top(), -50);
    EXPECT_EQ(principal.Width(), 9720);
    EXPECT_EQ(principal.Height(), 7320);
  };
  enSuSitio();
  for (int estado : {forms::vbMaximized, forms::vbMinimized}) {
    ASSERT_TRUE(forms::user::SetWindowState(principal, estado));
    enSuSitio();
  }
  ASSERT_TRUE(forms::user::Resize(principal, 6000, 4000));
  enSuSitio();
}

TEST_F(MDIFrmTest, MouseOverTheFrameClearsOnlyTheNameAndSwitchesTheHelpTopic) {
  MDIFrm& principal = Principal();
  principal.BarradeEstadoZEP1.set_numdoc(kRucAndina);
  principal.BarradeEstadoZEP1.set_razonsocial(kNombreAndina);
  principal.BarradeEstadoZEP1.set_periodo_ejercicio("032010");
  driver_.MouseMove(principal.Picture1);
  EXPECT_EQ(principal.HelpContextID(), 1014);
  EXPECT_EQ(principal.BarradeEstadoZEP1.razonsocial(), kNombreAndina);
  driver_.MouseMove(principal);
  EXPECT_EQ(principal.BarradeEstadoZEP1.numdoc(), kRucAndina);
  EXPECT_EQ(principal.BarradeEstadoZEP1.razonsocial(), "");
  EXPECT_EQ(principal.BarradeEstadoZEP1.periodo_ejercicio(), "032010");
  EXPECT_EQ(principal.BarradeEstadoZEP1.formulario(), "0942");
}

TEST_F(MDIFrmTest, MenusCarryTheirCaptionsAndOnlyTheUsableOnesCanBeChosen) {
  MDIFrm& p = Principal();
  struct Caso {
    forms::Menu& menu;
    const char* titulo;
    bool alcanzable;
  } casos[] = {
      {p.mnuDeclara, "&Declaraciones", true},
      {p.mnuNueva, "&Nueva", false},
      {p.mnuModificar, "&Actualizar", true},
      {p.mnuEliminar, "&Eliminar", true},
      {p.Rayita1, "-", false},
      {p.mnuImportar, "Impor&tar Estado de Adeudos", true},
      {p.Rayita2, "-", false},
      {p.mnuImprimir, "&Imprimir", true},
      {p.mnuCopiar, "&Copiar", false},
      {p.Rayita, "-", false},
      {p.mnuSalir, "&Salir", true},
      {p.mnuDeclaraE, "Declaraciones &Enviadas", true},
      {p.mnuModificarE, "&Ver declaraciones enviadas", true},
      {p.mnuEliminarE, "&Eliminar", true},
      {p.mnuImprimirE, "&Imprimir", true},
      {p.mnuConsultas, "&Consultas", true},
      {p.mnuCons(0), "Tipo de documento", true},
      {p.mnuCons(4), "Tributos", true},
      {p.mnuCons(5), "Códigos de motivos de desacuerdo", false},
      {p.mnuCons(6), "Tipos de impugnación", false},
      {p.mnuCons(7), "Tributos entes", false},
      {p.mnuCons(8), "Formularios tributos", false},
      {p.mnuCons(9), "Factores de actualización", false},
      {p.mnuayuda, "&Ayuda", true},
      {p.mnuContenido, "&Contenido", true},
      {p.mnuBienvenida, "&Bienvenida", false},
      {p.raya2, "-", false},
      {p.mnuAcercade, "&Acerca de ZEP", true},
  };
  // Separator lines are never chosen.
  for (const Caso& c : casos) {
    EXPECT_EQ(c.menu.Caption(), c.titulo);
    EXPECT_EQ(c.menu.Reachable(), c.alcanzable) << c.titulo;
  }
  EXPECT_EQ(p.mnuCons.Indexes(), (std::vector<int>{0, 4, 5, 6, 7, 8, 9}));
  EXPECT_FALSE(p.mnuNueva.Visible());
  EXPECT_FALSE(p.mnuBienvenida.Visible());
}

TEST_F(MDIFrmTest, ToolbarHasTwelveButtonsByIndexWithTheirToolTips) {
  MDIFrm& principal = Principal();
  const char* consejos[] = {"Actualizar", "Eliminar", "", "Importar", "", "Copiar", "Imprimir",
                            "", "Salir", "Número de orden", "", "Help"};
  ASSERT_EQ(principal.Toolbar1.ButtonCount(), 12);
  for (int i = 1; i <= 12; ++i) {
    forms::ToolbarButton boton = principal.Toolbar1.Buttons(i);
    EXPECT_EQ(boton.ToolTipText(), consejos[i - 1]) << i;
    EXPECT_EQ(boton.Style() == forms::tbrSeparator, std::string(consejos[i - 1]).empty()) << i;
  }
}

TEST_F(MDIFrmTest, CopyAndOrderNumberButtonsDoNothing) {
  MDIFrm& principal = Principal();
  giModo = 7;
  giEnviadas = 5;
  for (int boton : {6, 10}) driver_.PressToolbarButton(principal.Toolbar1, boton);
  EXPECT_TRUE(driver_.ModalForms().empty());
  EXPECT_TRUE(driver_.MessageBoxes().empty());
  EXPECT_TRUE(driver_.HelpRequests().empty());
  EXPECT_EQ(giModo, 7);
  EXPECT_EQ(giEnviadas, 5);
  EXPECT_EQ(principal.HelpContextID(), 1007);
}

TEST_F(MDIFrmTest, UpdateAndDeleteOpenThePendingChooserInTheirMode) {
  MDIFrm& principal = Principal();
  RespondeSelector();
  driver_.ChooseMenu(principal.mnuModificar);
  driver_.ChooseMenu(principal.mnuEliminar);
  driver_.PressToolbarButton(principal.Toolbar1, 1);
  driver_.PressToolbarButton(principal.Toolbar1, 2);
  EXPECT_EQ(modos_, (std::vector<int>{1, 3, 1, 3}));
  EXPECT_EQ(titulos_, (std::vector<std::string>{"Actualizar Declaraciones", "Eliminar Declaraciones",
                                                "Actualizar Declaraciones", "Eliminar Declaraciones"}));
  EXPECT_EQ(driver_.ModalForms(), std::vector<std::string>(4, "FrmContAbrir"));
  EXPECT_EQ(principal.HelpContextID(), 1014);
}

TEST_F(MDIFrmTest, SentMenusOpenTheSentChooserAndGiveTheDefaultPointerBack) {
  MDIFrm& principal = Principal();
  RespondeSelector();
  driver_.ChooseMenu(principal.mnuModificarE);
  driver_.ChooseMenu(principal.mnuEliminarE);
  EXPECT_EQ(modos_, (std::vector<int>{1, 3}));
  EXPECT_EQ(titulos_, (std::vector<std::string>{"Ver Declaraciones",
                                                "Eliminar Declaraciones enviadas"}));
  EXPECT_EQ(driver_.ModalForms(), std::vector<std::string>(2, "FrmContAbrirE"));
  EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
  EXPECT_EQ(principal.HelpContextID(), 1014);
}

TEST_F(MDIFrmTest, PrintUnderDeclarationsIsForPendingOnesAndUnderSentForSentOnes) {
  MDIFrm& principal = Principal();
  std::vector<int> vistos;
  RegistraVentana(Ventana::frmImprimir, [&vistos] { vistos.push_back(giEnviadas); });
  driver_.ChooseMenu(principal.mnuImprimir);
  driver_.ChooseMenu(principal.mnuImprimirE);
  driver_.PressToolbarButton(principal.Toolbar1, 7);
  EXPECT_EQ(vistos, (std::vector<int>{0, -1, 0}));
  EXPECT_EQ(principal.HelpContextID(), 1014);
}

TEST_F(MDIFrmTest, PrintWithoutThePrintDialogSaysTheFunctionIsNotAvailable) {
  MDIFrm& principal = Principal();
  driver_.Expect(MessageBoxCall{"Esta función no está disponible en esta versión del módulo.",
                                forms::vbInformation, "Información"});
  driver_.ChooseMenu(principal.mnuImprimir);
  EXPECT_TRUE(driver_.ModalForms().empty());
}

TEST_F(MDIFrmTest, LookupMenusOpenTheListOfTheirKind) {
  MDIFrm& principal = Principal();
  std::vector<std::string> vistos;
  driver_.OnModal<FrmConsultas>([&](FrmConsultas& consultas) {
    vistos.push_back(gsTipoConsulta + " " + consultas.Caption());
    driver_.Click(consultas.CmdSalir);
  });
  driver_.ChooseMenu(principal.mnuCons(0));
  driver_.ChooseMenu(principal.mnuCons(4));
  EXPECT_EQ(vistos, (std::vector<std::string>{"R Consulta de Tipos de Resolución",
                                              "T Consulta de Tributos"}));
}

TEST_F(MDIFrmTest, ImportOpensTheImportWindowFromTheMenuAndTheToolbar) {
  MDIFrm& principal = Principal();
  int veces = 0;
  RegistraVentana(Ventana::FrmImportar, [&veces] { ++veces; });
  driver_.ChooseMenu(principal.mnuImportar);
  driver_.PressToolbarButton(principal.Toolbar1, 4);
  EXPECT_EQ(veces, 2);
  EXPECT_EQ(principal.HelpContextID(), 1014);
}

TEST_F(MDIFrmTest, AboutBoxOpensFromTheHelpMenu) {
  MDIFrm& principal = Principal();
  driver_.OnModal<frmAcercade>([this](frmAcercade& acerca) { driver_.Click(acerca.cmdAceptar); });
  driver_.ChooseMenu(principal.mnuAcercade);
  EXPECT_EQ(driver_.ModalForms(), std::vector<std::string>{"frmAcercade"});
}

TEST_F(MDIFrmTest, HelpContentsOpenFromTheMenuAndTheToolbarAndF1AtTheCurrentTopic) {
  MDIFrm& principal = Principal();
  driver_.Key(principal, forms::vbKeyF1);
  driver_.ChooseMenu(principal.mnuContenido);
  driver_.PressToolbarButton(principal.Toolbar1, 12);
  driver_.MouseMove(principal);
  driver_.Key(principal, forms::vbKeyF1);
  EXPECT_EQ(driver_.HelpRequests(),
            (std::vector<forms::HelpRequest>{{ArchivoAyuda(), forms::cdlHelpContext, 1007},
                                             {ArchivoAyuda(), forms::cdlHelpContents, 0},
                                             {ArchivoAyuda(), forms::cdlHelpContents, 0},
                                             {ArchivoAyuda(), forms::cdlHelpContext, 1014}}));
}

TEST_F(MDIFrmTest, ExitCloseAndTheExitButtonEndTheProgram) {
  MDIFrm& principal = Principal();
  EXPECT_THROW(driver_.ChooseMenu(principal.mnuSalir), vb::ProgramEnded);
  EXPECT_THROW(driver_.PressToolbarButton(principal.Toolbar1, 9), vb::ProgramEnded);
  EXPECT_THROW(driver_.Close(principal), vb::ProgramEnded);
}

}  // namespace
}  // namespace korva::prueba

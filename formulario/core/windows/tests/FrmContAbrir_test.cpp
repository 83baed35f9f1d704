#include "formulario/core/windows/FrmContAbrir.h"

#include <sqlite3.h>

#include "formulario/core/windows/tests/ventanas_prueba.h"

namespace korva::prueba {
namespace {

using Rejas = std::vector<std::vector<std::string>>;

const std::string kSeleccion =
    "SELECT a.tip_doc_d, (SELECT mid(funcion,31,12) FROM PARAM WHERE numero = '044' AND "
    "val(argumento) = a.tip_doc_d ) as des_doc_d, (SELECT mid(funcion,1,12) FROM PARAM WHERE "
    "numero = '727' AND val(argumento) = a.semana ) as Entidad, a.DOC_ID_D, B.NOMBRE, "
    "A.FORMULARIO,a.SEMANA, A.ESTADO, mid(A.PERIODO,5,2) & mid(A.PERIODO,1,4) as PERIODO, ";
const std::string kListaPendientes = kSeleccion +
    "nrocheque, efectivo FROM CAB A, CONT B WHERE A.TIP_DOC_D = B.TIP_DOC_D AND A.DOC_ID_D = "
    "B.DOC_ID_D AND A.FORMULARIO ='0942' ";
const std::string kListaEnviadas = kSeleccion +
    "nrocheque, correl, efectivo FROM HCAB A, CONT B WHERE A.TIP_DOC_D = B.TIP_DOC_D AND "
    "A.DOC_ID_D = B.DOC_ID_D AND A.FORMULARIO ='0942' ";

const std::vector<std::string> kTablasPendientes = {"CAB", "DET", "F0942DEUDAS", "F0942MOTIVO",
                                                    "F0942SUSTEN", "F0942GARANTIA"};
const std::vector<std::string> kTablasEnviadas = {"HCAB", "HDET", "HF0942DEUDAS", "HF0942MOTIVO",
                                                  "HF0942SUSTEN"};

// What the request form found when the chooser opened it: the chooser's cells by
// index and the globals that name the declaration.
struct Vista {
  std::string col0;
  std::string col2;
  std::string col10;
  int giModo = 0;
  int giEnviadas = 0;
  std::string gsPeriodo;
  std::string gsPeriodoMMAAAA;
  std::string gsFechaVenc;
  std::string gsFecVencRenta;
  int gnSemana = 0;
  bool selectorActivo = true;
  friend bool operator==(const Vista&, const Vista&) = default;
};

// Stands in for the request form: a window the chooser opens through the
// registry, as the request subsystem will.
class Frm942Sustituto : public forms::Form {
 public:
  Frm942Sustituto() : forms::Form("Frm942") {}
};

class SelectorTest : public PruebaVentanas {
 protected:
  void SetUp() override {
    PruebaVentanas::SetUp();
    RegistraVentana(Ventana::Frm942, [] {
      forms::Release<Frm942Sustituto>();
      forms::Instance<Frm942Sustituto>().Show(forms::vbModal);
    });
  }

  // The request form records what it sees, then runs `durante` and closes.
  template <class T>
  void AlAbrirDeclaracion(std::function<void()> durante = {}) {
    driver_.OnModal<Frm942Sustituto>([this, durante](Frm942Sustituto& frm) {
      forms::DataGrid& grid = forms::Instance<T>().grdContrib;
      vistas_.push_back({grid.Columns(0).Text(), grid.Columns(2).Text(), grid.Columns(10).Text(),
                         giModo, giEnviadas, gsPeriodo, gsPeriodoMMAAAA, gsFechaVenc,
                         gsFecVencRenta, gnSemana, forms::Instance<T>().Enabled()});
      if (durante) durante();
      forms::Unload(frm);
    });
  }

  // The chooser opened from the main window; `accion` runs while it is shown.
  template <class T>
  void ConSelector(int iModo, std::function<void(T&)> accion) {
    MDIFrm& principal = Principal();
    driver_.OnModal<T>([this, accion](T& selector) {
      accion(selector);
      if (selector.IsLoaded()) driver_.Click(selector.CmdOpciones(1));
    });
    bool enviadas = std::is_same_v<T, FrmContAbrirE>;
    driver_.ChooseMenu(iModo == 1 ? (enviadas ? principal.mnuModificarE : principal.mnuModificar)
                                  : (enviadas ? principal.mnuEliminarE : principal.mnuEliminar));
  }

  void InsertaVarias() {
    InsertaCabecera({kRucRio, "200912", 2, "10/01/2010", "12/01/2010"});
    InsertaCabecera({kRucAndina, "201003", 1, "15/04/2010", "20/04/2010"});
    InsertaCabecera({kRucHuaman, "201001", 3});
    // A declarant the host no longer knows.
    InsertaCabecera({"20999999990", "201003", 1});
  }

  std::vector<Vista> vistas_;
};

TEST_F(SelectorTest, ListStatementIsTheChoosersOwnForEachList) {
  ConSelector<FrmContAbrir>(1, [](FrmContAbrir& s) {
    EXPECT_EQ(s.DtaNew.Recordset()->Name(),
              kListaPendientes + "AND B.USUARIO ='USUARIO' ORDER BY A.DOC_ID_D ASC");
    EXPECT_EQ(s.DtaNew.Recordset()->Type(), dao::dbOpenSnapshot);
  });
  ConSelector<FrmContAbrirE>(1, [](FrmContAbrirE& s) {
    EXPECT_EQ(s.DtaNew.Recordset()->Name(),
              kListaEnviadas + "AND B.USUARIO ='USUARIO' ORDER BY A.DOC_ID_D ASC");
  });
}

TEST_F(SelectorTest, UserSeesOnlyHisOwnDeclarantsAndNoDeclarantTheHostLacks) {
  InsertaVarias();
  ConSelector<FrmContAbrir>(1, [](FrmContAbrir& s) {
    EXPECT_EQ(Rejilla(s.grdContrib, {2, 3, 6, 8}),
              (Rejas{{kRucAndina, kNombreAndina, "TESORO      ", "032010"},
                     {kRucRio, kNombreRio, "ESSALUD     ", "122009"}}));
    EXPECT_EQ(s.grdContrib.Columns(1).Text(), "R.U.C.      ");
  });
}

TEST_F(SelectorTest, UserWithoutClavesRowSeesOnlyHisOwnDeclarants) {
  InsertaVarias();
  Ejecuta("DELETE FROM CLAVES");
  ConSelector<FrmContAbrir>(1, [](FrmContAbrir& s) {
    EXPECT_EQ(Rejilla(s.grdContrib, {2}), (Rejas{{kRucAndina}, {kRucRio}}));
  });
}

class SelectorSupervisorTest : public SelectorTest {
 protected:
  host::SuiteOptions Opciones() const override { return {"JEFE", "0"}; }
};

TEST_F(SelectorSupervisorTest, UserOfTypeZeroSeesEveryDeclarantOfTheHost) {
  InsertaVarias();
  ConSelector<FrmContAbrir>(1, [](FrmContAbrir& s) {
    EXPECT_EQ(s.DtaNew.Recordset()->Name(), kListaPendientes + "ORDER BY A.DOC_ID_D ASC");
    EXPECT_EQ(Rejilla(s.grdContrib, {2}), (Rejas{{kRucHuaman}, {kRucAndina}, {kRucRio}}));
  });
}

class SelectorApostrofeTest : public SelectorTest {
 protected:
  host::SuiteOptions Opciones() const override { return {"D'ARCY", "1"}; }
};

TEST_F(SelectorApostrofeTest, UserNameWithAnApostropheIsQuotedInTheStatement) {
  InsertaVarias();
  ConSelector<FrmContAbrir>(1, [](FrmContAbrir& s) {
    EXPECT_EQ(s.DtaNew.Recordset()->Name(),
              kListaPendientes + "AND B.USUARIO ='D''ARCY' ORDER BY A.DOC_ID_D ASC");
    EXPECT_EQ(Rejilla(s.grdContrib, {2}), (Rejas{{kRucAndina}, {kRucRio}}));
  });
}

TEST_F(SelectorTest, CaptionsFollowTheListAndTheMode) {
  struct Caso {
    bool enviadas;
    int modo;
    const char* marco;
    const char* boton;
    const char* instruccion;
    const char* titulo;
  } casos[] = {
      {false, 1, "Declaraciones Registradas", "&Actualizar",
       "Seleccione la declaración que desea actualizar :", "Actualizar Declaraciones"},
      {false, 3, "Declaraciones Registradas", "&Eliminar",
       "Seleccione la declaración que desea eliminar :", "Eliminar Declaraciones"},
      {true, 1, "Declaraciones Enviadas", "&Ver Declaración",
       "Seleccione la declaración enviada que desea ver :", "Ver Declaraciones"},
      {true, 3, "Declaraciones Enviadas", "&Eliminar",
       "Seleccione la declaración enviada que desea eliminar :", "Eliminar Declaraciones enviadas"},
  };
  for (const Caso& c : casos) {
    auto comprueba = [&c](SelectorDeclaraciones& s) {
      EXPECT_EQ(s.Frame1.Caption(), c.marco);
      EXPECT_EQ(s.CmdOpciones(0).Caption(), c.boton);
      EXPECT_EQ(s.CmdOpciones(1).Caption(), "&Salir");
      EXPECT_EQ(s.Label1(0).Caption(), c.instruccion);
      EXPECT_EQ(s.Caption(), c.titulo);
      EXPECT_EQ(giEnviadas, c.enviadas ? -1 : 0);
    };
    if (c.enviadas)
      ConSelector<FrmContAbrirE>(c.modo, [&](FrmContAbrirE& s) { comprueba(s); });
    else
      ConSelector<FrmContAbrir>(c.modo, [&](FrmContAbrir& s) { comprueba(s); });
  }
}

TEST_F(SelectorTest, GridColumnsKeepTheirIndexesForTheRequestForm) {
  ConSelector<FrmContAbrirE>(1, [](FrmContAbrirE& s) {
    std::vector<std::string> titulos;
    for (int i = 0; i < s.grdContrib.ColumnCount(); ++i)
      titulos.push_back(s.grdContrib.Columns(i).Caption());
    EXPECT_EQ(titulos, (std::vector<std::string>{"tip_doc_d", "Tipo docum.", "R.U.C.",
                                                 "Razón Social", "Formulario", "Estado", "Entidad",
                                                 "SEMANA", "Periodo", "FechaVenc", "Correlativo",
                                                 "fec_venc_renta"}));
  });
  ConSelector<FrmContAbrir>(1, [](FrmContAbrir& s) {
    EXPECT_EQ(s.grdContrib.ColumnCount(), 11);
    EXPECT_EQ(s.grdContrib.Columns(10).Caption(), "fec_venc_renta");
    EXPECT_EQ(s.grdContrib.Columns(10).DataField(), "efectivo");
  });
}

TEST_F(SelectorTest, RowChangeShowsTheDeclarantInTheStatusBarUntilTheChooserCloses) {
  InsertaVarias();
  MDIFrm& principal = Principal();
  ConSelector<FrmContAbrir>(1, [&](FrmContAbrir& s) {
    driver_.PickRow(s.grdContrib, 1);
    EXPECT_EQ(principal.BarradeEstadoZEP1.numdoc(), kRucRio);
    EXPECT_EQ(principal.BarradeEstadoZEP1.razonsocial(), kNombreRio);
    EXPECT_EQ(principal.BarradeEstadoZEP1.periodo_ejercicio(), "122009");
    EXPECT_EQ(principal.BarradeEstadoZEP1.formulario(), "0942");
    EXPECT_EQ(gnSemana, 2);
    driver_.PickRow(s.grdContrib, 0);
    EXPECT_EQ(principal.BarradeEstadoZEP1.numdoc(), kRucAndina);
    EXPECT_EQ(gnSemana, 1);
  });
  EXPECT_EQ(principal.BarradeEstadoZEP1.numdoc(), "");
  EXPECT_EQ(principal.BarradeEstadoZEP1.razonsocial(), "");
  EXPECT_EQ(principal.BarradeEstadoZEP1.periodo_ejercicio(), "");
  EXPECT_EQ(principal.BarradeEstadoZEP1.formulario(), "");
}

TEST_F(SelectorTest, ChosenPendingDeclarationIsOpenedWithItsRowAndPeriod) {
  InsertaVarias();
  gsPeriodoMMAAAA = "sin tocar";
  AlAbrirDeclaracion<FrmContAbrir>();
  ConSelector<FrmContAbrir>(1, [this](FrmContAbrir& s) { driver_.Click(s.CmdOpciones(0)); });
  EXPECT_EQ(vistas_, (std::vector<Vista>{{"6", kRucAndina, "20/04/2010", 1, 0, "201003",
                                          "03/2010", "15/04/2010", "20/04/2010", 1, false}}));
  EXPECT_EQ(driver_.ModalForms(), (std::vector<std::string>{"FrmContAbrir", "Frm942"}));
}

TEST_F(SelectorTest, ChosenSentDeclarationIsViewedWithItsCorrelative) {
  InsertaCabecera({kRucRio, "200912", 2, "10/01/2010", "12/01/2010", "002"});
  gsPeriodoMMAAAA = "sin tocar";
  AlAbrirDeclaracion<FrmContAbrirE>();
  ConSelector<FrmContAbrirE>(1, [this](FrmContAbrirE& s) { driver_.Click(s.CmdOpciones(0)); });
  EXPECT_EQ(vistas_, (std::vector<Vista>{{"6", kRucRio, "002", 1, -1, "200912", "sin tocar",
                                          "10/01/2010", "12/01/2010", 2, false}}));
}

// The request form takes the chosen row from what the chooser hands over through
// the core: a pending declaration without a correlative, a sent one with it.
TEST_F(SelectorTest, ChosenRowIsHandedToTheRequestFormThroughTheCore) {
  InsertaVarias();
  InsertaCabecera({kRucAndina, "201001", 1, "15/02/2010", "20/02/2010", "002"});
  std::vector<std::vector<std::string>> entregadas;
  driver_.OnModal<Frm942Sustituto>([&entregadas](Frm942Sustituto& frm) {
    const DeclaracionElegida& d = DeclaracionEntregada();
    entregadas.push_back({std::to_string(d.nTipoDoc), d.sNumDoc, d.sNombre, d.sEntidad, d.sCorrel});
    forms::Unload(frm);
  });
  ConSelector<FrmContAbrir>(1, [this](FrmContAbrir& s) {
    driver_.PickRow(s.grdContrib, 1);
    driver_.Click(s.CmdOpciones(0));
  });
  ConSelector<FrmContAbrirE>(1, [this](FrmContAbrirE& s) { driver_.Click(s.CmdOpciones(0)); });
  EXPECT_EQ(entregadas, (Rejas{{"6", kRucRio, kNombreRio, "ESSALUD     ", ""},
                               {"6", kRucAndina, kNombreAndina, "TESORO      ", "002"}}));
}

TEST_F(SelectorTest, EnterAndDoubleClickActWhileOtherKeysAreDropped) {
  InsertaVarias();
  AlAbrirDeclaracion<FrmContAbrir>();
  ConSelector<FrmContAbrir>(1, [this](FrmContAbrir& s) {
    int tecleadas = 0;
    forms::Event<int&> propia = s.grdContrib.KeyPress;
    s.grdContrib.KeyPress = [&](int& KeyAscii) {
      propia(KeyAscii);
      if (KeyAscii == 0) ++tecleadas;
    };
    driver_.Type(s.grdContrib, "a 1");
    EXPECT_EQ(tecleadas, 3);
    EXPECT_TRUE(vistas_.empty());
    driver_.Keys(s, "\r");
    driver_.DblClickRow(s.grdContrib, 1);
  });
  ASSERT_EQ(vistas_.size(), 2u);
  EXPECT_EQ(vistas_[0].col2, kRucAndina);
  EXPECT_EQ(vistas_[1].col2, kRucRio);
}

TEST_F(SelectorTest, AfterTheRequestFormTheListIsReadAgainAndTheRowNumberKept) {
  InsertaVarias();
  MDIFrm& principal = Principal();
  AlAbrirDeclaracion<FrmContAbrir>([this] {
    Ejecuta("INSERT INTO CONT (tip_doc_d, doc_id_d, nombre, usuario) VALUES (6, '10000000001', "
            "'ALFA', 'USUARIO')");
    InsertaCabecera({"10000000001", "200801", 5});
  });
  ConSelector<FrmContAbrir>(1, [&](FrmContAbrir& s) {
    driver_.PickRow(s.grdContrib, 1);
    driver_.Click(s.CmdOpciones(0));
    EXPECT_EQ(s.DtaNew.Recordset()->Name(),
              kListaPendientes + "AND B.USUARIO ='USUARIO' ORDER BY A.DOC_ID_D ASC");
    EXPECT_EQ(Rejilla(s.grdContrib, {2, 8}),
              (Rejas{{"10000000001", "012008"}, {kRucAndina, "032010"}, {kRucRio, "122009"}}));
    EXPECT_EQ(s.grdContrib.CurrentRow(), 1);
    EXPECT_EQ(principal.BarradeEstadoZEP1.periodo_ejercicio(), "032010");
    EXPECT_TRUE(s.Enabled());
  });
  EXPECT_EQ(vistas_.at(0).col2, kRucRio);
  EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
}

TEST_F(SelectorTest, ListThatCameBackShorterEndsOnItsLastRow) {
  InsertaVarias();
  AlAbrirDeclaracion<FrmContAbrir>([this] { Ejecuta("DELETE FROM CAB WHERE doc_id_d = '20603189753'"); });
  ConSelector<FrmContAbrir>(1, [&](FrmContAbrir& s) {
    driver_.PickRow(s.grdContrib, 1);
    driver_.Click(s.CmdOpciones(0));
    EXPECT_EQ(s.grdContrib.RowCount(), 1);
    EXPECT_EQ(s.grdContrib.CurrentRow(), 0);
  });
  EXPECT_EQ(driver_.MessageBoxes(), std::vector<MessageBoxCall>{});
}

TEST_F(SelectorTest, RequestFormNotInThisBuildIsReportedAndTheListStays) {
  InsertaVarias();
  RegistraVentana(Ventana::Frm942, nullptr);
  driver_.Expect(MessageBoxCall{"Esta función no está disponible en esta versión del módulo.",
                                forms::vbInformation, "Información"});
  ConSelector<FrmContAbrir>(1, [this](FrmContAbrir& s) {
    driver_.Click(s.CmdOpciones(0));
    EXPECT_TRUE(s.Enabled());
    EXPECT_EQ(s.grdContrib.RowCount(), 2);
  });
}

TEST_F(SelectorTest, EmptyListDisablesTheGridAndTheActionSaysThereIsNothing) {
  struct Caso {
    bool enviadas;
    int modo;
    const char* palabra;
  } casos[] = {{false, 1, "actualizar"}, {false, 3, "eliminar"},
               {true, 1, "ver declaraciones enviadas"}, {true, 3, "eliminar"}};
  for (const Caso& c : casos) {
    driver_.Expect(MessageBoxCall{std::string("No existen registros disponibles para ") + c.palabra,
                                  forms::vbInformation, "Información"});
    auto acciona = [this](SelectorDeclaraciones& s) {
      EXPECT_FALSE(s.grdContrib.Enabled());
      driver_.Click(s.CmdOpciones(0));
    };
    if (c.enviadas)
      ConSelector<FrmContAbrirE>(c.modo, [&](FrmContAbrirE& s) { acciona(s); });
    else
      ConSelector<FrmContAbrir>(c.modo, [&](FrmContAbrir& s) { acciona(s); });
  }
  EXPECT_EQ(driver_.PendingAnswers(), 0u);
}

TEST_F(SelectorTest, RowWithoutADocumentDescriptionCannotBeChosen) {
  Ejecuta("INSERT INTO CONT (tip_doc_d, doc_id_d, nombre, usuario) VALUES (9, '0000001', "
          "'SIN TIPO', 'USUARIO')");
  InsertaCabecera({"0000001", "201003", 1, "", "", "", 9});
  driver_.Expect(MessageBoxCall{
      "Debe seleccionar algún registro para realizar la operación actualizar",
      forms::vbInformation, "Información"});
  ConSelector<FrmContAbrir>(1, [this](FrmContAbrir& s) { driver_.Click(s.CmdOpciones(0)); });
  EXPECT_TRUE(vistas_.empty());
}

TEST_F(SelectorTest, WrongRegionalSettingsStopEveryAction) {
  InsertaDeclaracion({kRucAndina, "201003", 1});
  EscribeRegional("sDate", "-");
  EscribeRegional("sShortDate", "dd-MM-yyyy");
  MessageBoxCall regional{"- Debe configurar como separador de Fechas : ( / ) \n"
                          "- Debe configurar como formato de fecha corta : ( dd/MM/aaaa ) \n" +
                              kCierreRegional,
                          forms::vbCritical, "Error de configuración"};
  driver_.Expect(regional);
  ConSelector<FrmContAbrir>(1, [this](FrmContAbrir& s) { driver_.Click(s.CmdOpciones(0)); });
  driver_.Expect(regional);
  ConSelector<FrmContAbrir>(3, [this](FrmContAbrir& s) { driver_.Click(s.CmdOpciones(0)); });
  EXPECT_TRUE(vistas_.empty());
  EXPECT_EQ(FilasDe(kTablasPendientes, kRucAndina), (std::vector<long>{1, 1, 1, 1, 1, 1}));
}

TEST_F(SelectorTest, HeaderClicksOrderByTypeNumberOrNameAndOtherwiseNot) {
  InsertaVarias();
  std::string base = kListaPendientes + "AND B.USUARIO ='USUARIO' ";
  struct Caso {
    int col;
    std::string orden;
  } casos[] = {{0, ""},
               {1, " ORDER BY 1 "},
               {2, " ORDER BY A.doc_id_d ASC"},
               {3, " ORDER BY B.NOMBRE ASC"},
               {4, ""},
               {8, ""},
               {10, ""}};
  ConSelector<FrmContAbrir>(1, [&](FrmContAbrir& s) {
    for (const Caso& c : casos) {
      driver_.HeadClick(s.grdContrib, c.col);
      EXPECT_EQ(s.DtaNew.Recordset()->Name(), base + c.orden) << c.col;
      EXPECT_EQ(s.DtaNew.Recordset()->Type(), dao::dbOpenDynaset);
      EXPECT_EQ(s.grdContrib.RowCount(), 2);
    }
    driver_.HeadClick(s.grdContrib, 3);
    EXPECT_EQ(Rejilla(s.grdContrib, {3}), (Rejas{{kNombreAndina}, {kNombreRio}}));
  });
}

class EliminacionTest : public SelectorTest {
 protected:
  void SetUp() override {
    SelectorTest::SetUp();
    InsertaDeclaracion({kRucAndina, "201003", 1});
    InsertaDeclaracion({kRucRio, "200912", 2});
    InsertaDeclaracion({kRucAndina, "201003", 1, "", "", "001"});
    InsertaDeclaracion({kRucAndina, "201003", 1, "", "", "002"});
  }
  MessageBoxCall Confirmacion(const std::string& titulo) {
    return {"¿Confirma que va a eliminar la declaración seleccionada?",
            forms::vbYesNo + forms::vbQuestion + forms::vbDefaultButton2, titulo};
  }
};

TEST_F(EliminacionTest, PendingDeclarationGoesFromEveryTableAndTheHistoryStays) {
  driver_.Expect(Confirmacion("Eliminar Declaraciones"), forms::vbYes);
  ConSelector<FrmContAbrir>(3, [this](FrmContAbrir& s) {
    driver_.Click(s.CmdOpciones(0));
    EXPECT_EQ(s.DtaNew.Recordset()->Name(),
              kListaPendientes + "AND B.USUARIO ='USUARIO'  ORDER BY A.doc_id_d ASC");
    EXPECT_EQ(Rejilla(s.grdContrib, {2}), (Rejas{{kRucRio}}));
  });
  EXPECT_EQ(FilasDe(kTablasPendientes, kRucAndina), (std::vector<long>{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(FilasDe(kTablasPendientes, kRucRio), (std::vector<long>{1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(FilasDe(kTablasEnviadas, kRucAndina), (std::vector<long>{2, 2, 2, 2, 2}));
  EXPECT_EQ(dao::Engine().Workspaces(0).TransactionLevel(), 0);
}

TEST_F(EliminacionTest, SentDeclarationGoesByItsCorrelativeAndThePendingOneStays) {
  driver_.Expect(Confirmacion("Eliminar Declaraciones enviadas"), forms::vbYes);
  ConSelector<FrmContAbrirE>(3, [this](FrmContAbrirE& s) {
    EXPECT_EQ(Rejilla(s.grdContrib, {10}), (Rejas{{"001"}, {"002"}}));
    driver_.PickRow(s.grdContrib, 1);
    driver_.Click(s.CmdOpciones(0));
    EXPECT_EQ(Rejilla(s.grdContrib, {10}), (Rejas{{"001"}}));
  });
  auto correlativos = [this](const std::string& tabla) {
    return Consulta("SELECT Correl FROM " + tabla + " WHERE doc_id_d = '20456712348'");
  };
  for (const std::string& tabla : kTablasEnviadas)
    EXPECT_EQ(correlativos(tabla), (Rejas{{"001"}})) << tabla;
  EXPECT_EQ(FilasDe(kTablasPendientes, kRucAndina), (std::vector<long>{1, 1, 1, 1, 1, 1}));
}

TEST_F(EliminacionTest, AnsweringNoDeletesNothingAndKeepsTheList) {
  driver_.Expect(Confirmacion("Eliminar Declaraciones"), forms::vbNo);
  ConSelector<FrmContAbrir>(3, [this](FrmContAbrir& s) {
    std::string antes = s.DtaNew.Recordset()->Name();
    driver_.Click(s.CmdOpciones(0));
    EXPECT_EQ(s.DtaNew.Recordset()->Name(), antes);
    EXPECT_EQ(s.grdContrib.RowCount(), 2);
  });
  EXPECT_EQ(FilasDe(kTablasPendientes, kRucAndina), (std::vector<long>{1, 1, 1, 1, 1, 1}));
}

TEST_F(EliminacionTest, TableThatCannotBeEmptiedEndsTheProgramWithNothingDeleted) {
  driver_.Expect(Confirmacion("Eliminar Declaraciones"), forms::vbYes);
  driver_.Answer(forms::vbOK);
  EXPECT_THROW(ConSelector<FrmContAbrir>(3,
                                         [this](FrmContAbrir& s) {
                                           Ejecuta("DROP TABLE F0942SUSTEN");
                                           driver_.Click(s.CmdOpciones(0));
                                         }),
               vb::ProgramEnded);
  ASSERT_EQ(driver_.MessageBoxes().size(), 2u);
  EXPECT_EQ(driver_.MessageBoxes()[1].title, "Error crítico: 3078 (Rutina: EliminaDataTabla) ");
  EXPECT_EQ(dao::Engine().Workspaces(0).TransactionLevel(), 0);
  EXPECT_EQ(FilasDe({"CAB", "DET", "F0942DEUDAS", "F0942MOTIVO"}, kRucAndina),
            (std::vector<long>{1, 1, 1, 1}));
}

// Another program reading the database keeps the deletion from being committed:
// everything deleted so far is rolled back before the error is shown.
TEST_F(EliminacionTest, DeletionThatCannotBeCommittedIsRolledBackBeforeTheErrorBox) {
  sqlite3* lector = nullptr;
  ASSERT_EQ(sqlite3_open(suite_.databasePath.c_str(), &lector), SQLITE_OK);
  sqlite3_stmt* consulta = nullptr;
  ASSERT_EQ(sqlite3_exec(lector, "BEGIN", nullptr, nullptr, nullptr), SQLITE_OK);
  ASSERT_EQ(sqlite3_prepare_v2(lector, "SELECT * FROM CAB", -1, &consulta, nullptr), SQLITE_OK);
  ASSERT_EQ(sqlite3_step(consulta), SQLITE_ROW);

  driver_.Expect(Confirmacion("Eliminar Declaraciones"), forms::vbYes);
  driver_.Expect(MessageBoxCall{dao::EngineErrorText(3051, suite_.databasePath) + "\n3051",
                                forms::vbCritical, "Error"});
  ConSelector<FrmContAbrir>(3, [this](FrmContAbrir& s) {
    driver_.Click(s.CmdOpciones(0));
    EXPECT_TRUE(s.Enabled());
    EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
  });
  sqlite3_finalize(consulta);
  sqlite3_exec(lector, "COMMIT", nullptr, nullptr, nullptr);
  sqlite3_close(lector);
  EXPECT_EQ(dao::Engine().Workspaces(0).TransactionLevel(), 0);
  EXPECT_EQ(FilasDe(kTablasPendientes, kRucAndina), (std::vector<long>{1, 1, 1, 1, 1, 1}));
}

}  // namespace
}  // namespace korva::prueba

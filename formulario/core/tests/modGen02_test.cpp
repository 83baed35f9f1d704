#include "formulario/core/modGen02.h"

#include <filesystem>

#include "formulario/core/tests/entorno_prueba.h"
#include "platform/vb/encoding.h"
#include "platform/vb/sql.h"
#include "platform/vb/strings.h"

namespace korva::prueba {
namespace {

using forms::MessageBoxCall;
using Tabla = std::vector<std::vector<std::string>>;

class ModGen02Test : public PruebaConSuite {
 protected:
  // A pending declaration in CAB and DET, and a sent one in HCAB and HDET.
  void InsertaDeclaracion(const std::string& ruc, const std::string& periodo, int semana) {
    std::string clave = "6, " + vb::SqlText(ruc) + ", " + vb::SqlText(periodo) + ", '0942', " +
                        std::to_string(semana);
    gDB->Execute("INSERT INTO CAB VALUES (" + clave + ", '', 0, '', '', '', 0, 1, '')");
    gDB->Execute("INSERT INTO DET VALUES (" + clave + ", '500', '1', '', '', '')");
    gDB->Execute("INSERT INTO HCAB VALUES (" + clave + ", '001', '', 0, '', '', '', 0, 1, '')");
    gDB->Execute("INSERT INTO HCAB VALUES (" + clave + ", '002', '', 0, '', '', '', 0, 1, '')");
    gDB->Execute("INSERT INTO HDET VALUES (" + clave + ", '500', '001', '1', '', '', '')");
  }
  void FijaReloj() {
    vb::SetClock([] {
      return vb::Date{vb::DateSerial(2010, 3, 15).serial + (10 * 3600 + 20 * 60 + 30) / 86400.0};
    });
  }
  vb::Error ErrorDeClaveDuplicada() {
    try {
      gDB->Execute("INSERT INTO CLAVES VALUES ('USUARIO', '0')");
    } catch (const vb::Error& error) {
      return error;
    }
    ADD_FAILURE() << "the duplicate key was accepted";
    return vb::Error(0);
  }
};

std::string Duplicada() { return dao::EngineErrorText(3022, "CLAVES"); }

std::string MensajeFatal(int numero, const std::string& descripcion, const std::string& motor) {
  return "\n\nDescripción del error : [" + std::to_string(numero) + "] " + descripcion +
         ". No se puede continuar con la ejecución del módulo\n\n" + motor;
}

TEST_F(ModGen02Test, CentralReportWritesFourLogLinesAndShowsTheCriticalBox) {
  FijaReloj();
  vb::Error error = ErrorDeClaveDuplicada();
  std::string mensaje = MensajeFatal(3022, Duplicada(), Duplicada() + "\n");
  driver_.Expect(
      MessageBoxCall{mensaje, forms::vbCritical, "Error crítico: 3022 (Rutina: GrabaDatos) "});
  EXPECT_EQ(ManejaError("GrabaDatos", error), 1);
  EXPECT_EQ(Bitacora(), vb::ToCp1252("Fecha y Hora del error: 15/03/2010 10:20:30 a.m.\r\n"
                                     "Error producido en    : GrabaDatos\r\n"
                                     "Descripción del error : [3022] " +
                                     Duplicada() + "\r\n" + mensaje + "\r\n"));
}

TEST_F(ModGen02Test, LogGrowsWithEveryReport) {
  FijaReloj();
  vb::Error error = ErrorDeClaveDuplicada();
  driver_.Answer(forms::vbOK);
  driver_.Answer(forms::vbOK);
  ManejaError("GrabaDatos", error);
  std::string primero = Bitacora();
  ManejaError("GrabaDatos", error);
  EXPECT_EQ(Bitacora(), primero + primero);
}

TEST_F(ModGen02Test, LogThatCannotBeOpenedStillGivesTheBoxAndTheAnswer) {
  ErrorDeClaveDuplicada();
  vb::App::SetPath(carpeta_ / "no-existe");
  vb::Error error(5, "Argumento o llamada a procedimiento no válida");
  driver_.Expect(MessageBoxCall{"El path no existe.", forms::vbRetryCancel + forms::vbExclamation,
                                "Error de Archivo"},
                 forms::vbCancel);
  driver_.Expect(MessageBoxCall{
      MensajeFatal(5, "Argumento o llamada a procedimiento no válida", Duplicada() + "\n"),
      forms::vbCritical, "Error crítico: 5 (Rutina: CargaTributo) "});
  EXPECT_EQ(ManejaError("CargaTributo", error), 1);
  EXPECT_FALSE(std::filesystem::exists(carpeta_ / "no-existe"));
}

TEST_F(ModGen02Test, DeletionSqlNamesTheDeclarationAndTheCorrelativeOfSentOnes) {
  gsPeriodo = "201003";
  gnSemana = 2;
  struct Case {
    const char* tabla;
    int filtro;
    int enviadas;
    const char* sql;
  } cases[] = {
      {"cab", 1, 0,
       "DELETE FROM cab WHERE tip_doc_d = 6 AND doc_id_d = '20456712348' AND periodo = '201003' "
       "AND formulario = '0942' AND Semana = 2"},
      {"hcab", 1, -1,
       "DELETE FROM hcab WHERE tip_doc_d = 6 AND doc_id_d = '20456712348' AND periodo = '201003' "
       "AND formulario = '0942' AND Semana = 2 AND Correl= '001'"},
      {"Tmp_F0942DEUDAS", 1, -1,
       "DELETE FROM Tmp_F0942DEUDAS WHERE tip_doc_d = 6 AND doc_id_d = '20456712348' AND periodo = "
       "'201003' AND formulario = '0942' AND Semana = 2"},
      {"det", 0, 0, "DELETE FROM det "},
  };
  for (const auto& c : cases) {
    giEnviadas = c.enviadas;
    EliminaDataTabla(c.tabla, 6, "20456712348", c.filtro, "001");
    EXPECT_EQ(gsSQL, c.sql);
  }
}

TEST_F(ModGen02Test, DeletionRemovesOnlyTheNamedDeclaration) {
  InsertaDeclaracion("20456712348", "201003", 1);
  InsertaDeclaracion("20456712348", "201003", 2);
  InsertaDeclaracion("20603189753", "201003", 1);
  gsPeriodo = "201003";
  gnSemana = 1;
  EliminaDataTabla("cab", 6, "20456712348", 1, "");
  EliminaDataTabla("det", 6, "20456712348", 1, "");
  EXPECT_EQ(Consulta("SELECT doc_id_d, Semana FROM CAB ORDER BY 1, 2"),
            (Tabla{{"20456712348", "2"}, {"20603189753", "1"}}));
  EXPECT_EQ(Cuenta("DET"), 2);
  EXPECT_EQ(Cuenta("HCAB"), 6);
  giEnviadas = -1;
  EliminaDataTabla("hcab", 6, "20456712348", 1, "002");
  EXPECT_EQ(
      Consulta("SELECT doc_id_d, Semana, Correl FROM HCAB WHERE doc_id_d = '20456712348' "
            "ORDER BY 2, 3"),
      (Tabla{
          {"20456712348", "1", "001"}, {"20456712348", "2", "001"}, {"20456712348", "2", "002"}}));
  EXPECT_EQ(Cuenta("CAB"), 2);
}

TEST_F(ModGen02Test, DeletionThatFailsIsUndoneBeforeItIsReportedAndEndsTheProgram) {
  InsertaDeclaracion("20456712348", "201003", 1);
  gsPeriodo = "201003";
  gnSemana = 1;
  dao::Engine().BeginTrans();
  EliminaDataTabla("cab", 6, "20456712348", 1, "");
  EXPECT_EQ(Cuenta("CAB"), 0);
  std::string descripcion = dao::EngineErrorText(3078, "F0942NADA");
  driver_.Expect(MessageBoxCall{MensajeFatal(3078, descripcion, descripcion + "\n"),
                                forms::vbCritical,
                                "Error crítico: 3078 (Rutina: EliminaDataTabla) "},
                forms::vbOK, [this] {
                  EXPECT_EQ(dao::Engine().Workspaces(0).TransactionLevel(), 0);
                  EXPECT_EQ(Cuenta("CAB"), 1);
                });
  EXPECT_THROW(EliminaDataTabla("F0942NADA", 6, "20456712348", 1, ""), vb::ProgramEnded);
  EXPECT_EQ(Cuenta("CAB"), 1);
  std::vector<std::string> lineas = vb::Split(vb::FromCp1252(Bitacora()), "\r\n");
  ASSERT_GE(lineas.size(), 3u);
  EXPECT_EQ(lineas[1], "Error producido en    : EliminaDataTabla");
  EXPECT_EQ(lineas[2], "Descripción del error : [3078] " + descripcion);
}

TEST_F(ModGen02Test, DocumentExistenceLooksAtThePeriodWhateverTheEntity) {
  InsertaDeclaracion("20456712348", "201003", 5);
  gsPeriodo = "201003";
  gnSemana = 1;
  EXPECT_TRUE(VerificaExistenciaDocumento(6, "20456712348"));
  EXPECT_EQ(gsSQL,
            "SELECT 'x' FROM CAB WHERE tip_doc_d = 6 AND doc_id_d = '20456712348' AND periodo = "
            "'201003' AND formulario = '0942' ");
  EXPECT_FALSE(VerificaExistenciaDocumento(6, "20603189753"));
  gsPeriodo = "201004";
  EXPECT_FALSE(VerificaExistenciaDocumento(6, "20456712348"));
}

TEST_F(ModGen02Test, ImportedDebtFileIsToldOnlyWhenAsked) {
  InsertaDeclaracion("20456712348", "201003", 2);
  gsPeriodo = "201003";
  gnSemana = 2;
  EXPECT_TRUE(VerificaTablaValor("20456712348", 0));
  EXPECT_EQ(gsSQL,
            "SELECT 'x' FROM CAB WHERE tip_doc_d = 6  AND doc_id_d = '20456712348' AND periodo = "
            "'201003' AND formulario = '0942' AND Semana = 2");
  driver_.Expect(
      MessageBoxCall{"La información de deudas para el RUC seleccionado ya fue importada.",
                     forms::vbExclamation, "Información"});
  EXPECT_TRUE(VerificaTablaValor("20456712348", 1));
  gnSemana = 3;
  EXPECT_FALSE(VerificaTablaValor("20456712348", 1));
  EXPECT_EQ(driver_.MessageBoxes().size(), 1u);
}

TEST(CodigosDeTributo, ConvierteCodTributoGoesBothWays) {
  struct Case {
    const char* codigo;
    int direccion;
    const char* esperado;
  } cases[] = {
      {"1011", 1, "010101"}, {" 3071 ", 1, "030701"}, {"6041", 1, "060401"},
      {"010101", 0, "1011"}, {"030701", 0, "3071"},   {"080206", 0, "8026"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ConvierteCodTributo(c.codigo, static_cast<std::uint8_t>(c.direccion)), c.esperado)
        << c.codigo;
}

class ModGen02Declarantes : public ModGen02Test {
 protected:
  std::vector<std::string> Items() {
    std::vector<std::string> items;
    for (int i = 0; i < combo_.ListCount(); ++i) items.push_back(combo_.List(i));
    return items;
  }
  static std::string Item(const std::string& ruc, const std::string& nombre) {
    return ruc + std::string(20 - ruc.size(), ' ') + nombre +
           std::string(60 - vb::Len(nombre), ' ');
  }
  forms::Form form_{"FrmImportar"};
  forms::ComboBox combo_{form_, "cboNumdoc"};
};

TEST_F(ModGen02Declarantes, UserOfTypeZeroSeesEveryDeclarant) {
  gDB->Execute("UPDATE CLAVES SET Tipo = '0'");
  EXPECT_TRUE(CargaNumeroDocumento(combo_, 6, "", 0));
  EXPECT_EQ(gsSQL, "SELECT doc_id_d, nombre FROM CONT WHERE tip_doc_d = 6 ORDER BY DOC_ID_D ASC");
  EXPECT_EQ(Items(),
            (std::vector<std::string>{Item("10425187363", "HUAMAN QUISPE ROSA ELENA"),
                                      Item("20456712348", "COMERCIAL ANDINA DEL SUR S.A.C."),
                                      Item("20603189753", "TRANSPORTES RIO CLARO E.I.R.L.")}));
  EXPECT_EQ(combo_.ListIndex(), -1);
}

TEST_F(ModGen02Declarantes, OtherUsersSeeTheirOwnAndTheChosenOneIsSelected) {
  combo_.AddItem("anterior");
  EXPECT_TRUE(CargaNumeroDocumento(combo_, 6, "20603189753", 1));
  EXPECT_EQ(gsSQL,
            "SELECT doc_id_d, nombre FROM CONT WHERE tip_doc_d = 6 AND usuario ='USUARIO' ORDER BY "
            "DOC_ID_D ASC");
  EXPECT_EQ(Items(),
            (std::vector<std::string>{Item("20456712348", "COMERCIAL ANDINA DEL SUR S.A.C."),
                                      Item("20603189753", "TRANSPORTES RIO CLARO E.I.R.L.")}));
  EXPECT_EQ(combo_.ListIndex(), 1);
}

TEST_F(ModGen02Declarantes, UserNameWithAnApostropheIsQuotedAndAnEmptyListIsTold) {
  gsSysUser = "D'ANGELO";
  driver_.Expect(
      MessageBoxCall{"No existen declarantes registrados. Para registrar un declarante salga de "
                     "este módulo y en el "
                     "menú principal elija la opción: Registro/Declarantes.",
                     forms::vbExclamation, " Plexo"});
  EXPECT_TRUE(CargaNumeroDocumento(combo_, 6, "", 0));
  EXPECT_EQ(
      gsSQL,
      "SELECT doc_id_d, nombre FROM CONT WHERE tip_doc_d = 6 AND usuario ='D''ANGELO' ORDER BY "
      "DOC_ID_D ASC");
  EXPECT_EQ(combo_.ListCount(), 0);
}

TEST_F(ModGen02Declarantes, LongNamesAreCutToTheirColumn) {
  gDB->Execute("INSERT INTO CONT VALUES (6, '20100000001', '" + std::string(70, 'N') +
               "', 'USUARIO')");
  gDB->Execute("INSERT INTO CONT VALUES (6, '20100000002', Null, 'USUARIO')");
  CargaNumeroDocumento(combo_, 6, "", 0);
  EXPECT_EQ(combo_.List(0), Item("20100000001", std::string(60, 'N')));
  EXPECT_EQ(combo_.List(1), Item("20100000002", ""));
}

class FrmElige : public forms::Form {
 public:
  FrmElige() : Form("FrmContAbrir") {
    grdContrib.SetDataSource(&DtaNew);
    grdContrib.AddColumn("tip_doc_d", "tip_doc_d");
    grdContrib.AddColumn("des_doc_d", "Tipo docum.");
    grdContrib.AddColumn("doc_id_d", "R.U.C.");
  }
  forms::DataControl DtaNew{*this, "DtaNew"};
  forms::DataGrid grdContrib{*this, "grdContrib"};
};

TEST_F(ModGen02Test, SelectionGuardNamesTheAction) {
  FrmElige frm;
  frm.Show();
  auto Lista = [&](const std::string& descripcion) {
    frm.DtaNew.SetRecordset(gDB->OpenRecordset(
        "SELECT tip_doc_d, " + descripcion + " as des_doc_d, doc_id_d FROM CONT ORDER BY doc_id_d",
        dao::dbOpenSnapshot));
  };
  frm.DtaNew.SetRecordset(
      gDB->OpenRecordset("SELECT tip_doc_d, nombre as des_doc_d, doc_id_d FROM CONT "
                         "WHERE doc_id_d = 'nadie'",
                         dao::dbOpenSnapshot));
  struct Case {
    int accion;
    const char* palabra;
  } cases[] = {{1, "actualizar"}, {2, "eliminar"}, {3, "ver declaraciones enviadas"}};
  for (const auto& c : cases) {
    driver_.Expect(MessageBoxCall{std::string("No existen registros disponibles para ") + c.palabra,
                                  forms::vbInformation, "Información"});
    EXPECT_FALSE(VerificaSeleccion(frm.grdContrib, static_cast<std::uint8_t>(c.accion)));
  }
  Lista("''");
  driver_.Expect(
      MessageBoxCall{"Debe seleccionar algún registro para realizar la operación eliminar",
                     forms::vbInformation, "Información"});
  EXPECT_FALSE(VerificaSeleccion(frm.grdContrib, 2));
  Lista("'R.U.C.'");
  EXPECT_TRUE(VerificaSeleccion(frm.grdContrib, 1));
  EXPECT_EQ(driver_.MessageBoxes().size(), 4u);
}

class ModGen02UIT : public ModGen02Test {
 protected:
  void SetUp() override {
    ModGen02Test::SetUp();
    gDB->Execute("DELETE FROM PARAM WHERE Numero = '404'");
  }
  void Fila(const std::string& fecha, const std::string& monto) {
    gDB->Execute("INSERT INTO PARAM VALUES ('404', '" + fecha + "', '" + monto + "', '000')");
  }
  vb::Currency Soles(double monto) { return vb::Currency::FromDouble(monto); }
};

TEST_F(ModGen02UIT, TaxUnitIsTheLastOneInForceInThePeriodsMonth) {
  Fila("20090101", "00003550.00");
  Fila("20100101", " 00003600.00 ");
  Fila("20100315", "00003650.00");
  struct Case {
    const char* periodo;
    double monto;
  } cases[] = {{"201003", 3650}, {"201002", 3600}, {"200912", 3550},
               {"200901", 3550}, {"200812", 0},    {"209912", 3650}};
  for (const auto& c : cases) {
    gsPeriodo = c.periodo;
    EXPECT_EQ(ObtieneUIT(), Soles(c.monto)) << c.periodo;
  }
  gsPeriodo = "201002";
  ObtieneUIT();
  EXPECT_EQ(gsSQL, "SELECT * FROM PARAM WHERE numero='404' AND argumento='20100101'");
  gsPeriodo = "200812";
  ObtieneUIT();
  EXPECT_EQ(gsSQL, "SELECT * FROM PARAM WHERE numero='404' AND argumento=''");
}

TEST_F(ModGen02UIT, ManyTaxUnitRowsAreAllScanned) {
  for (int anio = 1980; anio < 2020; ++anio)
    Fila(std::to_string(anio) + "0101", std::to_string(1000 + anio));
  gsPeriodo = "201506";
  EXPECT_EQ(ObtieneUIT(), Soles(3015));
  gsPeriodo = "201912";
  EXPECT_EQ(ObtieneUIT(), Soles(3019));
  gsPeriodo = "198001";
  EXPECT_EQ(ObtieneUIT(), Soles(2980));
}

TEST_F(ModGen02UIT, NoTaxUnitRowsGiveZero) {
  gsPeriodo = "201003";
  EXPECT_EQ(ObtieneUIT(), Soles(0));
}

TEST_F(ModGen02Test, FormAndYearAreComparedOnlyWhenGiven) {
  struct Case {
    const char* tributo;
    const char* formulario;
    const char* anio;
    bool permitido;
    const char* sql;
  } cases[] = {
      {"030701", "0660", "2005", true,
       "SELECT 'x' FROM PARAM WHERE numero = '728' AND val(left(argumento,4)) = 660 AND "
       "left(funcion,6) = '030701' AND mid(funcion,8,4) = '2005' "},
      {"030701", "660", "", true,
       "SELECT 'x' FROM PARAM WHERE numero = '728' AND val(left(argumento,4)) = 660 AND "
       "left(funcion,6) = '030701' "},
      {"030701", "", "2004", false,
       "SELECT 'x' FROM PARAM WHERE numero = '728' AND left(funcion,6) = '030701' AND "
       "mid(funcion,8,4) = '2004' "},
      {"010101", "0621", "", true,
       "SELECT 'x' FROM PARAM WHERE numero = '728' AND val(left(argumento,4)) = 621 AND "
       "left(funcion,6) = '010101' "},
      {"010101", "0660", "", false,
       "SELECT 'x' FROM PARAM WHERE numero = '728' AND val(left(argumento,4)) = 660 AND "
       "left(funcion,6) = '010101' "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VerificaFormularioTributo(c.tributo, c.formulario, c.anio), c.permitido) << c.sql;
    EXPECT_EQ(gsSQL, c.sql);
  }
}

}  // namespace
}  // namespace korva::prueba

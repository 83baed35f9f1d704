#include "formulario/import/FrmImportar.h"

#include <fstream>

#include "formulario/core/Ventanas.h"
#include "formulario/import/RegistroImportacion.h"
#include "formulario/import/tests/prueba_importacion.h"
#include "platform/vb/sql.h"
#include "platform/vb/strings.h"

namespace korva::prueba {
namespace {

class FrmImportarTest : public PruebaImportacion {
 protected:
  std::vector<std::string> Items(const forms::ComboBox& combo) {
    std::vector<std::string> items;
    for (int i = 0; i < combo.ListCount(); ++i) items.push_back(combo.List(i));
    return items;
  }
  std::vector<std::string> Archivos(const forms::FileChooser& chooser) {
    std::vector<std::string> nombres;
    for (int i = 0; i < chooser.ListCount(); ++i) nombres.push_back(chooser.List(i));
    return nombres;
  }
  void ZipVacio(const std::string& nombre) { std::ofstream(CarpetaArchivos() + "/" + nombre) << "x"; }
};

std::string ItemDeclarante(const std::string& ruc, const std::string& nombre) {
  return ruc + std::string(20 - ruc.size(), ' ') + nombre + std::string(60 - nombre.size(), ' ');
}

std::string ItemEntidad(const std::string& codigo, const std::string& nombre) {
  return codigo + std::string(11, ' ') + std::string(5, ' ') + nombre +
         std::string(20 - nombre.size(), ' ');
}

TEST_F(FrmImportarTest, LoadListsTheUsersDeclarantsAndTheEntitiesWithNothingChosen) {
  FrmImportar& frm = AbreVentana();
  EXPECT_EQ(frm.Caption(), kTitulo);
  EXPECT_EQ(Items(frm.CmbRuc),
            (std::vector<std::string>{ItemDeclarante(kRuc, "COMERCIAL ANDINA DEL SUR S.A.C."),
                                      ItemDeclarante(kOtroRuc, "TRANSPORTES RIO CLARO E.I.R.L.")}));
  EXPECT_EQ(Items(frm.CmbEntidad),
            (std::vector<std::string>{ItemEntidad("1", "TESORO"), ItemEntidad("2", "ESSALUD"),
                                      ItemEntidad("3", "ONP"), ItemEntidad("5", "FONAVI"),
                                      ItemEntidad("8", "FONCOMUN")}));
  EXPECT_EQ(frm.CmbRuc.ListIndex(), -1);
  EXPECT_EQ(frm.CmbEntidad.ListIndex(), -1);
  EXPECT_EQ(frm.txtNombre.Text(), "");
  EXPECT_FALSE(frm.txtNombre.Enabled());
  EXPECT_EQ(frm.flListaFiles.Path(), vb::App::Path());
  EXPECT_FALSE(frm.Frame3.Visible());
  EXPECT_EQ(frm.CmdGrabar.Top(), 4560);
  EXPECT_EQ(frm.CmdCancelar.Top(), 4560);
  EXPECT_EQ(frm.Height(), 5490);
  EXPECT_EQ(frm.CmbRuc.DropDownWidth(), 48 * 6);
  EXPECT_EQ(frm.CmbEntidad.DropDownWidth(), 28 * 6);
  EXPECT_TRUE(frm.IsLoaded());
}

TEST_F(FrmImportarTest, EntityBeforeTaxpayerChangesNothingUntilTheTaxpayerIsChosen) {
  FrmImportar& frm = AbreVentana();
  driver_.ChooseFolder(frm.flListaFiles, CarpetaArchivos());
  debtfile::WrittenFile archivo = Genera();
  frm.flListaFiles.Refresh();
  driver_.Select(frm.CmbEntidad, 0);
  EXPECT_EQ(frm.txtNombre.Text(), "");
  EXPECT_EQ(frm.flListaFiles.Pattern(), ".zip");
  EXPECT_EQ(frm.flListaFiles.ListCount(), 0);
  driver_.Select(frm.CmbRuc, 0);
  EXPECT_EQ(frm.txtNombre.Text(), "COMERCIAL ANDINA DEL SUR S.A.C.");
  EXPECT_EQ(frm.flListaFiles.Pattern(), "0942204567123481.zip");
  EXPECT_EQ(Archivos(frm.flListaFiles), std::vector<std::string>{"0942204567123481.zip"});
}

TEST_F(FrmImportarTest, PatternFollowsEveryChangeAndNeverShowsAnotherPairsZip) {
  for (const char* nombre : {"0942204567123481.zip", "0942204567123482.zip", "0942206031897531.zip",
                             "0942206031897535.zip", "otro.zip"})
    ZipVacio(nombre);
  FrmImportar& frm = AbreVentana();
  Elige(frm, 0, 1);
  EXPECT_EQ(Archivos(frm.flListaFiles), std::vector<std::string>{"0942204567123481.zip"});
  driver_.Select(frm.CmbEntidad, IndiceEntidad(2));
  EXPECT_EQ(Archivos(frm.flListaFiles), std::vector<std::string>{"0942204567123482.zip"});
  driver_.Select(frm.CmbRuc, 1);
  EXPECT_EQ(frm.flListaFiles.Pattern(), "0942206031897532.zip");
  EXPECT_EQ(Archivos(frm.flListaFiles), std::vector<std::string>{});
  driver_.Select(frm.CmbEntidad, IndiceEntidad(5));
  EXPECT_EQ(Archivos(frm.flListaFiles), std::vector<std::string>{"0942206031897535.zip"});
  EXPECT_EQ(frm.txtNombre.Text(), "TRANSPORTES RIO CLARO E.I.R.L.");
}

TEST_F(FrmImportarTest, LongNameShowsCutToItsFirst41Characters) {
  std::string nombre = "EMPRESA DE TRANSPORTES Y SERVICIOS GENERALES DEL NORTE S.A.C.";
  gDB->Execute("INSERT INTO CONT (tip_doc_d, doc_id_d, nombre, usuario) VALUES (6, '20100000001', " +
               vb::SqlText(nombre) + ", 'USUARIO')");
  FrmImportar& frm = AbreVentana();
  driver_.Select(frm.CmbRuc, 0);
  EXPECT_EQ(frm.txtNombre.Text(), vb::Left(nombre, 41));
}

TEST_F(FrmImportarTest, KeyNombreArchivoNeedsElevenCharactersOfRucAndOneOfEntity) {
  FrmImportar& frm = AbreVentana();
  struct Caso {
    const char* ruc;
    const char* entidad;
    const char* esperado;
  };
  const Caso casos[] = {
      {"20456712348", "1", "0942204567123481"}, {"20456712348", "8", "0942204567123488"},
      {"2045671234", "1", ""},                 {"204567123481", "1", ""},
      {"20456712348", "", ""},                 {"20456712348", "12", ""},
      {"", "", ""},
  };
  for (const Caso& c : casos)
    EXPECT_EQ(frm.KeyNombreArchivo(c.ruc, c.entidad), c.esperado) << c.ruc << " " << c.entidad;
}

TEST_F(FrmImportarTest, SpaceInTheFileListReadsTheFolderAgain) {
  FrmImportar& frm = AbreVentana();
  Elige(frm, 0, 1);
  EXPECT_EQ(frm.flListaFiles.ListCount(), 0);
  Genera();
  driver_.Type(frm.flListaFiles, " ");
  EXPECT_EQ(Archivos(frm.flListaFiles), std::vector<std::string>{"0942204567123481.zip"});
}

TEST_F(FrmImportarTest, EnterInTheTaxpayerListMovesToTheEntityList) {
  FrmImportar& frm = AbreVentana();
  driver_.Type(frm.CmbRuc, "\r");
  forms::DoEvents();
  EXPECT_EQ(frm.ActiveControl(), &frm.CmbEntidad);
}

TEST_F(FrmImportarTest, SalirUnloadsAndTheNextOpeningStartsWithNothingChosen) {
  FrmImportar& frm = AbreVentana();
  driver_.Select(frm.CmbRuc, 1);
  driver_.Click(frm.CmdCancelar);
  EXPECT_EQ(forms::LoadedInstance<FrmImportar>(), nullptr);
  FrmImportar& otra = AbreVentana();
  EXPECT_EQ(otra.CmbRuc.ListIndex(), -1);
  EXPECT_EQ(otra.txtNombre.Text(), "");
}

// The program's own registration, as main.cpp makes it, withdrawn after each test.
class RegistroImportacionTest : public FrmImportarTest {
 protected:
  void TearDown() override {
    RegistraVentana(Ventana::FrmImportar, nullptr);
    FrmImportarTest::TearDown();
  }
};

TEST_F(RegistroImportacionTest, RegistrationLetsTheCoreShowTheImportWindowModally) {
  EXPECT_FALSE(VentanaDisponible(Ventana::FrmImportar));
  RegistraImportacion();
  ASSERT_TRUE(VentanaDisponible(Ventana::FrmImportar));
  std::string titulo;
  driver_.OnModal<FrmImportar>([&](FrmImportar& frm) {
    titulo = frm.Caption();
    driver_.Click(frm.CmdCancelar);
  });
  EXPECT_TRUE(MuestraVentana(Ventana::FrmImportar));
  EXPECT_EQ(titulo, kTitulo);
  EXPECT_EQ(driver_.ModalForms(), std::vector<std::string>{"FrmImportar"});
  EXPECT_EQ(forms::LoadedInstance<FrmImportar>(), nullptr);
}

class FrmImportarSinDeclarantesTest : public FrmImportarTest {
 protected:
  host::SuiteOptions Opciones() const override {
    host::SuiteOptions opciones;
    opciones.sampleRows = false;
    return opciones;
  }
};

TEST_F(FrmImportarSinDeclarantesTest, WithoutDeclarantsTheWindowSaysSoAndClosesOnActivation) {
  driver_.Expect({"No existen declarantes registrados. Para registrar un declarante salga de este "
                  "módulo y en el menú principal elija la opción: Registro/Declarantes.",
                  forms::vbExclamation, "Korva"});
  AbreVentana();
  EXPECT_EQ(forms::LoadedInstance<FrmImportar>(), nullptr);
  EXPECT_EQ(driver_.PendingAnswers(), 0u);
}

}  // namespace
}  // namespace korva::prueba

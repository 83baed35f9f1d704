#include "formulario/core/windows/Inicio.h"

#include "formulario/core/windows/tests/ventanas_prueba.h"
#include "platform/win/memory_window_list.h"

namespace korva::prueba {
namespace {

const MessageBoxCall kSinAnfitrion{"Debe ejecutar este módulo desde el Morvel del ZEP",
                                   forms::vbCritical, "Error al ejecutar el módulo"};

class InicioTest : public PruebaVentanas {
 protected:
  void SetUp() override {
    PruebaVentanas::SetUp();
    gDB->Close();
    ReiniciaGlobales();
    win::SetCurrentWindowList(escritorio_);
  }
  void TearDown() override {
    vb::App::SetPrevInstance(false);
    PruebaVentanas::TearDown();
  }
  bool PrincipalCargada() const { return forms::LoadedInstance<MDIFrm>() != nullptr; }

  std::shared_ptr<win::MemoryWindowList> escritorio_ = std::make_shared<win::MemoryWindowList>();
};

TEST_F(InicioTest, OnlyAVisibleWindowWithTheExactHostTitleLetsTheProgramStart) {
  struct Caso {
    const char* titulo;
    bool visible;
  } casos[] = {{"Orvane ", true}, {"orvane", true}, {" Orvane", true}, {"Orvane", false}};
  for (const Caso& c : casos) {
    escritorio_ = std::make_shared<win::MemoryWindowList>();
    escritorio_->AddWindow("Otro programa");
    escritorio_->AddWindow(c.titulo, c.visible);
    win::SetCurrentWindowList(escritorio_);
    driver_.Expect(kSinAnfitrion);
    EXPECT_THROW(Main(), vb::ProgramEnded) << "\"" << c.titulo << "\"";
    EXPECT_FALSE(PrincipalCargada());
  }
}

TEST_F(InicioTest, SecondCopyIsRefusedUnderTheProductName) {
  escritorio_->AddWindow("Orvane");
  vb::App::SetPrevInstance(true);
  driver_.Expect(MessageBoxCall{"La Aplicación ya se encuentra en ejecución", forms::vbInformation,
                                " Plexo"});
  EXPECT_THROW(Main(), vb::ProgramEnded);
  EXPECT_FALSE(PrincipalCargada());
}

TEST_F(InicioTest, WrongRegionalSettingsEndTheProgramAfterTheirMessage) {
  escritorio_->AddWindow("Orvane");
  EscribeRegional("sDate", "-");
  EscribeRegional("sShortDate", "dd-MM-yyyy");
  driver_.Expect(MessageBoxCall{"- Debe configurar como separador de Fechas : ( / ) \n"
                                "- Debe configurar como formato de fecha corta : ( dd/MM/aaaa ) \n" +
                                    kCierreRegional,
                                forms::vbCritical, "Error de configuración"});
  EXPECT_THROW(Main(), vb::ProgramEnded);
  EXPECT_FALSE(PrincipalCargada());
  EXPECT_EQ(gDB, nullptr);
}

TEST_F(InicioTest, EverythingRightShowsTheMainWindowWithTheDatabaseOpen) {
  escritorio_->AddWindow("Orvane");
  Main();
  MDIFrm* principal = forms::LoadedInstance<MDIFrm>();
  ASSERT_NE(principal, nullptr);
  EXPECT_TRUE(principal->Visible());
  EXPECT_FALSE(principal->IsModal());
  EXPECT_TRUE(gDB && gDB->IsOpen());
  EXPECT_EQ(gsSysUser, "USUARIO");
  EXPECT_TRUE(driver_.MessageBoxes().empty());
}

}  // namespace
}  // namespace korva::prueba

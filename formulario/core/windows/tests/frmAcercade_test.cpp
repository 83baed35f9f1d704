#include "formulario/core/windows/frmAcercade.h"

#include "formulario/core/windows/tests/ventanas_prueba.h"

namespace korva::prueba {
namespace {

class FrmAcercadeTest : public PruebaVentanas {};

TEST_F(FrmAcercadeTest, ShowsTheFamilyTheProductAndVersionOnePointFiveWhateverTheFileSays) {
  vb::App::SetVersion(1, 0, 0);
  MDIFrm& principal = Principal();
  driver_.OnModal<frmAcercade>([this](frmAcercade& acerca) {
    EXPECT_EQ(acerca.Caption(), "Acerca de Orvane ");
    EXPECT_EQ(acerca.Text3.Text(), "Orvane");
    EXPECT_EQ(acerca.txtApp.Text(), " Plexo");
    EXPECT_EQ(acerca.txtVersion.Text(), "Versión 1.5");
    for (forms::TextBox* texto : {&acerca.Text3, &acerca.txtApp, &acerca.txtVersion})
      EXPECT_TRUE(texto->Locked());
    EXPECT_EQ(acerca.cmdAceptar.Caption(), "&Aceptar");
    driver_.Click(acerca.cmdAceptar);
  });
  driver_.ChooseMenu(principal.mnuAcercade);
  EXPECT_EQ(forms::LoadedInstance<frmAcercade>(), nullptr);
  EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
}

}  // namespace
}  // namespace korva::prueba

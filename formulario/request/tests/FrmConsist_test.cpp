#include "formulario/request/FrmConsist.h"

#include <fstream>

#include "formulario/core/tests/entorno_prueba.h"
#include "formulario/spool/GlobalesImpresion.h"
#include "platform/forms/instance.h"
#include "platform/vb/encoding.h"

namespace korva::prueba {
namespace {

class FrmConsistTest : public PruebaConSuite {
 protected:
  // The report file as the validation leaves it, then the viewer shown on it;
  // `cierra` closes it. Answers the text the viewer showed.
  std::string Muestra(const std::string& sBytes, const std::function<void(FrmConsist&)>& cierra) {
    std::ofstream(carpeta_ / "Mens.txt", std::ios::binary) << sBytes;
    gsArchivoReporte = carpeta_ / "Mens.txt";
    std::string sTexto;
    driver_.OnModal<FrmConsist>([&](FrmConsist& frm) {
      sTexto = frm.TxtPreliminar.Text();
      cierra(frm);
    });
    forms::Release<FrmConsist>();
    forms::Instance<FrmConsist>().Show(forms::vbModal);
    EXPECT_EQ(forms::LoadedInstance<FrmConsist>(), nullptr);
    return sTexto;
  }
};

TEST_F(FrmConsistTest, ShowsTheWholeReportReadOnlyInAFixedPitchFont) {
  forms::Screen.SetMousePointer(forms::vbHourglass);
  std::string sTexto = Muestra(vb::ToCp1252("Ingrese correctamente el teléfono\r\nCasilla  500: La deuda "
                                            "acogida debe ser mayor a cero \r\n"),
                               [this](FrmConsist& frm) {
                                 EXPECT_EQ(frm.Caption(), "Inconsistencias detectadas");
                                 EXPECT_EQ(frm.Label1.Caption(),
                                           "En su declaración se han detectado las siguientes "
                                           "inconsistencias :");
                                 EXPECT_TRUE(frm.TxtPreliminar.MultiLine());
                                 EXPECT_TRUE(frm.TxtPreliminar.Locked());
                                 EXPECT_EQ(frm.TxtPreliminar.Font().name, "Courier New");
                                 EXPECT_EQ(frm.CmdGrabar.Caption(), "&Aceptar");
                                 EXPECT_EQ(frm.ScaleWidth(), 9285);
                                 EXPECT_EQ(frm.ScaleHeight(), 4125);
                                 EXPECT_EQ(frm.ActiveControl(), &frm.CmdGrabar);
                                 EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
                                 std::string sAntes = frm.TxtPreliminar.Text();
                                 driver_.Type(frm.TxtPreliminar, "x");
                                 EXPECT_EQ(frm.TxtPreliminar.Text(), sAntes);
                                 driver_.Click(frm.CmdGrabar);
                               });
  EXPECT_EQ(sTexto, "Ingrese correctamente el teléfono\r\nCasilla  500: La deuda acogida debe ser "
                    "mayor a cero \r\n");
}

// Each opening reads the file again: an empty report shows nothing, and Esc
// closes the window as "&Aceptar" does.
TEST_F(FrmConsistTest, EveryOpeningReadsTheReportAfresh) {
  EXPECT_EQ(Muestra("uno\r\n", [this](FrmConsist& frm) { driver_.Key(frm, forms::vbKeyEscape); }), "uno\r\n");
  EXPECT_EQ(Muestra("", [this](FrmConsist& frm) { driver_.Click(frm.CmdGrabar); }), "");
  EXPECT_EQ(Muestra("dos\r\n", [this](FrmConsist& frm) { driver_.Click(frm.CmdGrabar); }), "dos\r\n");
}

TEST_F(FrmConsistTest, MissingReportIsFatal) {
  gsArchivoReporte = carpeta_ / "no-existe.txt";
  driver_.Answer(forms::vbOK);
  EXPECT_THROW(forms::Instance<FrmConsist>().Show(forms::vbModal), vb::ProgramEnded);
  EXPECT_EQ(driver_.MessageBoxes().back().title, "Error crítico: 53 (Rutina: Form_Load) ");
}

}  // namespace
}  // namespace korva::prueba

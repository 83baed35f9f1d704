// The reported-debt window as a person sees it: opened from the request form's
// "Valores" grid under Qt's offscreen platform, answered (a click in an interest
// box keeps its text selected), and pictured with the
// supporting-data dialog of its payments; the captions that take the request's
// texts are shown whole.
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "formulario/reported_debts/tests/prueba_deudas.h"
#include "platform/forms/user.h"
#include "platform/qt/appearance.h"
#include "platform/qt/frame_view.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/run.h"
#include "platform/testsupport/window_wait.h"

namespace korva::prueba {
namespace {

namespace fs = std::filesystem;

class FrmCondeuDetQtTest : public PruebaDeudas {
 protected:
  void SetUp() override {
    PruebaDeudas::SetUp();
    PreparaQtFueraDePantalla();
    formsqt::Application();
    formsqt::InstallFontSubstitutes();
  }

  static void Teclea(forms::Control& control, const std::string& sTexto) {
    forms::user::Focus(control);
    for (char c : sTexto) forms::user::Char(control.Parent(), static_cast<char32_t>(c));
  }

  // A caption as a window shows it: its text, its width in its widget's font
  // and the room the widget gives it (a label's contents; a frame's width less
  // the caption's inset on either side).
  struct Leyenda {
    std::string texto;
    int ancho;
    int espacio;
  };
  static Leyenda Mide(formsqt::QtHost& host, const forms::Control& control, const std::string& caption) {
    QWidget* vista = host.WidgetOf(control);
    if (!vista) return {caption, 0, -1};
    bool marco = qobject_cast<QGroupBox*>(vista) != nullptr;
    int espacio = marco ? vista->width() - 2 * formsqt::kFrameCaptionInset : vista->contentsRect().width();
    return {caption, vista->fontMetrics().horizontalAdvance(formsqt::WithoutAccessKeys(caption)), espacio};
  }
};

TEST_F(FrmCondeuDetQtTest, TheWindowOpenedFromTheRequestFormIsPicturedWithItsCaptionsWhole) {
  ImportaLineas({Linea("01", "V-1", Con("010101", "200905")), Linea("01", "V-2")});
  const char* construccion = std::getenv("FORM0942_BUILD_DIR");
  fs::path imagen = fs::path(construccion && *construccion ? construccion : carpeta_.Path()) /
                    "frmCondeuDet.png";
  fs::path imagenSustento = imagen.parent_path() / "frmSustento.png";
  fs::remove(imagen);
  fs::remove(imagenSustento);
  bool bGuardada = false;
  bool bSustento = false;
  std::string sMontos;
  std::vector<Leyenda> leyendas;
  formsqt::QtHost host;
  // Each step runs once the window it needs is up and active, and opens the
  // next window from inside it.
  auto sustento = [&](frmSustento& s) {
    for (const char* orden : {"4521", "77", "12345", "9"}) {
      Teclea(s.txtcodform, "1662");
      Teclea(s.txtNumOrd, orden);
      Teclea(s.mkeFechaPago, "03052010");
      forms::user::Click(s.cmdAccion(0));
    }
    bSustento = formsqt::SaveImage(s, imagenSustento.string());
    forms::user::Click(s.cmdSustento(1));
  };
  auto detalle = [&](frmCondeuDet& det) {
    forms::user::Click(det.optAcogeFrac(0));
    forms::user::Click(det.optConformeMto(0));
    for (forms::Label* titulo : {&det.Label1, &det.Label24})
      leyendas.push_back(Mide(host, *titulo, titulo->Caption()));
    forms::user::Click(det.optConformeMto(1));
    Teclea(det.txtmtoTributo, "1500");
    forms::user::Click(det.chkmotivo(1));
    sMontos = det.lblMtoAcogido.Text();
    forms::user::Focus(det.lblMtoInteres);
    QWidget* interes = host.WidgetOf(det.lblMtoInteres);
    QTest::mouseClick(interes, Qt::LeftButton, {}, QPoint(4, interes->height() / 2));
    for (char c : std::string("25")) forms::user::Char(det, static_cast<char32_t>(c));
    EXPECT_EQ(det.lblMtoInteres.Text(), "25");
    bGuardada = formsqt::SaveImage(det, imagen.string());
    testsupport::WhenActive<frmSustento>(sustento);
    forms::user::Click(det.cmdMotivo(1));
    forms::user::Click(det.cmdOpcion(1));
  };
  auto solicitud = [&](Frm942& frm) {
    Teclea(frm.txtTelefono, "4567890");
    Teclea(frm.mkeFechaAcog, "15052010");
    leyendas.push_back(Mide(host, frm.Frame_Garantia, frm.Frame_Garantia.Caption()));
    forms::user::ChooseTab(frm.SSTab1, 1);
    forms::user::ChooseRow(frm.TDBGrid(1), 0);
    giIndexGrid = 1;
    testsupport::WhenActive<frmCondeuDet>(detalle);
    MuestraVentana(Ventana::frmCondeuDet);
    // "&Salir" asks whether to store the changed form: No.
    testsupport::AnswerMessageBox("No");
    forms::user::Click(frm.CmdCancelar);
  };
  auto selector = [&](FrmContAbrir& elige) {
    testsupport::WhenActive<Frm942>(solicitud);
    forms::user::Click(elige.CmdOpciones(0));
    forms::user::Click(elige.CmdOpciones(1));
  };
  int codigo = host.Run(
      [&] {
        giModo = 1;
        testsupport::WhenActive<FrmContAbrir>(selector);
        forms::Instance<FrmContAbrir>().Show(forms::vbModal);
      },
      nullptr);
  EXPECT_EQ(codigo, 0);
  EXPECT_EQ(sMontos, "1,500");
  ASSERT_TRUE(bGuardada);
  QImage picture(QString::fromStdString(imagen.string()));
  EXPECT_FALSE(picture.isNull());
  EXPECT_GT(picture.width(), 500);
  ASSERT_TRUE(bSustento);
  EXPECT_FALSE(QImage(QString::fromStdString(imagenSustento.string())).isNull());
  // The guarantee frame of the payment-mode tab, then the agreed amounts'
  // captions, which take the acceptance date.
  const char* const kLeyendas[] = {"Tipo de garantía de deuda", "Interés al 15/05/2010",
                                   "Monto acogido al 15/05/2010"};
  ASSERT_EQ(leyendas.size(), std::size(kLeyendas));
  for (std::size_t n = 0; n < leyendas.size(); ++n) {
    EXPECT_EQ(leyendas[n].texto, kLeyendas[n]);
    EXPECT_LE(leyendas[n].ancho, leyendas[n].espacio) << leyendas[n].texto;
  }
}

}  // namespace
}  // namespace korva::prueba

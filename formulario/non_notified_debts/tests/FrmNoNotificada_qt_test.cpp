// The window as a person sees it: opened under Qt's offscreen platform from the
// request form's tab of other debts, a debt type, tax and period chosen, and
// pictured. The picture is copied into the build folder for a look.
#include <QImage>
#include <cstdlib>
#include <filesystem>

#include "formulario/non_notified_debts/tests/prueba_no_notificada.h"
#include "platform/qt/appearance.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/run.h"
#include "platform/testsupport/window_wait.h"

namespace korva::prueba {
namespace {

namespace fs = std::filesystem;

class FrmNoNotificadaQtTest : public PruebaNoNotificada {
 protected:
  void SetUp() override {
    PruebaNoNotificada::SetUp();
    PreparaQtFueraDePantalla();
    formsqt::Application();
    formsqt::InstallFontSubstitutes();
  }

  std::optional<formsqt::QtHost> host_;
};

TEST_F(FrmNoNotificadaQtTest, WindowOpenedFromTheRequestFormsTabOfOtherDebtsIsPictured) {
  Declara942(1);
  RegistraDeudasNoNotificadas();
  fs::path imagen = carpeta_ / "FrmNoNotificada.png";
  bool bGuardada = false;
  host_.emplace();
  MDIFrm& principal = Principal();
  // Each step runs once its window is up and active: an opening may let Qt's
  // events run (DoEvents) before its window is up.
  testsupport::WhenActive<FrmContAbrir>([&](FrmContAbrir& selector) {
    forms::user::ChooseRow(selector.grdContrib, 0);
    testsupport::WhenActive<Frm942>([&](Frm942& frm) {
      Identifica(frm);
      forms::user::ChooseTab(frm.SSTab1, 3);
      testsupport::WhenActive<FrmNoNotificada>([&](FrmNoNotificada& v) {
        forms::user::SelectItem(v.cboTipoDeuda, 1);
        forms::user::Focus(v.mkePeriodo);
        for (char c : std::string("052009")) forms::user::Char(v, static_cast<char32_t>(c));
        forms::user::SelectItem(v.cboTributo, Indice(v.cboTributo, "3034"));
        forms::user::Click(v.OptRespDDJJ(1));
        bGuardada = formsqt::SaveImage(v, imagen.string());
        forms::user::Click(v.cmdOpcion(1));
      });
      forms::user::Click(frm.cmdNew(3));
      // "&Salir" asks whether to store the changed form: No.
      testsupport::AnswerMessageBox("No");
      forms::user::Click(frm.CmdCancelar);
    });
    forms::user::Click(selector.CmdOpciones(0));
    if (selector.IsLoaded()) forms::user::Click(selector.CmdOpciones(1));
  });
  host_->Call([&] { forms::user::ChooseMenu(principal.mnuModificar); });
  forms::ResetApplication();
  host_.reset();

  ASSERT_TRUE(bGuardada);
  QImage picture(QString::fromStdString(imagen.string()));
  ASSERT_FALSE(picture.isNull());
  EXPECT_GT(picture.width(), 400);
  if (const char* construccion = std::getenv("FORM0942_BUILD_DIR"))
    fs::copy_file(imagen, fs::path(construccion) / "FrmNoNotificada.png",
                  fs::copy_options::overwrite_existing);
}

}  // namespace
}  // namespace korva::prueba

// A person fills a payment mode with real key presses and clicks on the request
// form shown by the Qt renderer (offscreen), and sees what the test driver shows;
// what is typed into an initial-payment box just entered is what it keeps.
#include <QApplication>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "formulario/core/Casillas.h"
#include "formulario/request/tests/prueba_solicitud.h"
#include "platform/qt/form_window.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/tab_control_view.h"
#include "platform/qt/tests/test_application.h"
#include "platform/testsupport/window_wait.h"

namespace korva::prueba {
namespace {

class Frm942QtTest : public PruebaSolicitud {
 protected:
  void SetUp() override {
    formsqt::testing::StartApplication();
    PruebaSolicitud::SetUp();
  }
  void TearDown() override {
    Cierra();
    PruebaSolicitud::TearDown();
  }
  void Cierra() {
    forms::Release<Frm942>();
    host_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // The request form on the declaration of `ruc` for the entity `semana`,
  // handed over from the chooser's row as "&Actualizar" hands it, shown by the
  // Qt renderer.
  Frm942& Muestra(const std::string& ruc, int semana = 1) {
    FrmContAbrir& selector = forms::Instance<FrmContAbrir>();
    selector.Show();
    for (long fila = 0; fila < selector.grdContrib.RowCount(); ++fila)
      if (selector.grdContrib.CellText(fila, 2) == ruc &&
          vb::Val(selector.grdContrib.CellText(fila, 7)) == semana)
        driver_.PickRow(selector.grdContrib, fila);
    EntregaDeclaracion(selector.Elegida());
    giModo = 1;
    giEnviadas = 0;
    gsPeriodo = "201005";
    gnSemana = static_cast<std::uint8_t>(semana);
    host_.emplace();
    Frm942& frm = forms::Instance<Frm942>();
    frm.Show();
    EXPECT_TRUE(testsupport::WaitUntil("Frm942 active", [&frm] { return testsupport::IsActive(frm); }));
    return frm;
  }
  QWidget* Widget(const forms::Control& control) const { return host_->WidgetOf(control); }
  void Clic(const forms::Control& control) {
    QTest::mouseClick(Widget(control), Qt::LeftButton, {}, QPoint(4, Widget(control)->height() / 2));
  }
  void Tecla(Qt::Key tecla) { QTest::keyClick(QApplication::focusWidget(), tecla); }
  // The box, clicked on where `clic`, once it holds the focus, where its keys go.
  void Enfoca(const forms::Control& control, bool clic = true) {
    if (clic) Clic(control);
    ASSERT_TRUE(testsupport::WaitUntil(control.Name() + " with the focus",
                                       [&control] { return testsupport::TakesKeys(control); }));
  }
  void Escribe(const forms::Control& control, const QString& teclas) {
    ASSERT_NO_FATAL_FAILURE(Enfoca(control));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    QTest::keyClicks(QApplication::focusWidget(), teclas);
  }
  void EligeTab(Frm942& frm, int tab) {
    auto* vista = static_cast<formsqt::TabControlView*>(host_->WindowOf(frm)->ViewOf(&frm.SSTab1));
    QTabBar* barra = vista->Bar();
    QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(tab).center());
  }
  // What the line edit shows a person.
  std::string Texto(const forms::Control& control) const {
    return qobject_cast<QLineEdit*>(Widget(control))->text().toStdString();
  }

  std::optional<formsqt::QtHost> host_;
};

TEST_F(Frm942QtTest, PaymentModeTypedWithRealKeysRunsTheSameCascade) {
  Declara(kRucAndina, 1,
          {Deuda{"01", "00", "201003", "010101", "1", "001000", "10000.00", "10000.00", "1"},
           Deuda{"02", "00", "201002", "010101", "2", "001000", "2000.00", "2000.00", "1"}});
  Frm942& frm = Muestra(kRucAndina);
  Escribe(frm.txtTelefono, "4567890");
  Escribe(frm.mkeFechaAcog, "15x052010");
  EXPECT_EQ(Texto(frm.mkeFechaAcog), "15/05/2010");
  EligeTab(frm, 4);
  ASSERT_EQ(frm.SSTab1.Tab(), 4);
  EXPECT_EQ(Texto(frm.txtValor(500)), "12,000");
  Escribe(frm.txtValor(501), "1");
  EXPECT_EQ(Texto(frm.txtValor(501)), "");
  Escribe(frm.txtValor(501), "0");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(Texto(frm.txtValor(535)), "720");
  Escribe(frm.txtValor(503), "7.3");
  EXPECT_EQ(Texto(frm.txtValor(503)), "");
  Escribe(frm.txtValor(503), "72");
  EXPECT_EQ(Texto(frm.txtValor(535)), "1680");
  EXPECT_EQ(Texto(frm.txtValor(504)), "199");
  Enfoca(frm.txtValor(535));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
  QTest::keyClicks(QApplication::focusWidget(), "00");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(Texto(frm.txtValor(535)), "1,600");
  EXPECT_EQ(frm.txtValor(535).Text(), "1,600");
  EXPECT_EQ(Texto(frm.txtValor(504)), "201");
  EXPECT_EQ(Texto(frm.txtValor(506)), "NO");
  EXPECT_TRUE(frm.bModificado);
}

// Every entity's initial-payment box rewrites its text as plain digits when it
// is entered from the instalments box by Tab, by Enter (which the form turns
// into a Tab) or by a click; what is typed next replaces that text whole,
// whether it held the computed minimum (12,000 accepted: 720) or nothing (987
// accepted: "0").
TEST_F(Frm942QtTest, InitialPaymentJustEnteredTakesWhatIsTypedInPlaceOfItsText) {
  struct Caso {
    const char* ruc;
    int semana;
    std::string_view entrada;
    const char* tecleado;
    const char* mostrado;  // once left
  } casos[] = {
      {kRucAndina, 1, "Tab", "30", "30"},  {kRucAndina, 1, "clic", "45", "45"},
      {kRucAndina, 1, "Enter", "8000000", "8,000,000"},
      {kRucRio, 1, "Tab", "30", "30"},     {kRucRio, 1, "clic", "45", "45"},
      {kRucAndina, 2, "Tab", "30", "30"},  {kRucAndina, 2, "clic", "45", "45"},
      {kRucAndina, 3, "Tab", "30", "30"},  {kRucAndina, 3, "clic", "1234", "1,234"},
      {kRucAndina, 5, "Tab", "30", "30"},  {kRucAndina, 5, "clic", "45", "45"},
      {kRucAndina, 8, "Tab", "30", "30"},  {kRucAndina, 8, "clic", "45", "45"},
  };
  for (int semana : {1, 2, 3, 5, 8})
    Declara(kRucAndina, semana,
            {Deuda{"01", "00", "201003", "010101", "1", "001000", "10000.00", "10000.00", "1"},
             Deuda{"02", "00", "201002", "010101", "2", "001000", "2000.00", "2000.00", "1"}});
  Declara(kRucRio, 1, {Deuda{"01", "00", "201003", "010101", "1", "001000", "987.00", "987.00", "1"}});
  for (const Caso& c : casos) {
    const Bloque& bloque = *BloqueDe(c.semana);
    SCOPED_TRACE(std::string(c.ruc) + " " + std::to_string(bloque.cuota) + " " +
                 std::string(c.entrada) + " " + c.tecleado);
    Frm942& frm = Muestra(c.ruc, c.semana);
    Escribe(frm.txtTelefono, "4567890");
    Escribe(frm.mkeFechaAcog, "15052010");
    EligeTab(frm, 4);
    ASSERT_EQ(frm.SSTab1.Tab(), 4);
    Escribe(frm.txtValor(CasillaDe(bloque, Renglon::FormaPago)), "0");
    Tecla(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "3");
    forms::TextBox& cuota = frm.txtValor(bloque.cuota);
    if (c.entrada != "clic") Tecla(c.entrada == "Tab" ? Qt::Key_Tab : Qt::Key_Return);
    ASSERT_NO_FATAL_FAILURE(Enfoca(cuota, c.entrada == "clic"));
    QTest::keyClicks(QApplication::focusWidget(), c.tecleado);
    EXPECT_EQ(Texto(cuota), c.tecleado);
    Tecla(Qt::Key_Tab);
    EXPECT_EQ(cuota.Text(), c.mostrado);
    Cierra();
  }
}

}  // namespace
}  // namespace korva::prueba

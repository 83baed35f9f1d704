// What a person feels on the request form of a declaration of 10,000 debts:
// each action made through the Qt renderer (offscreen platform, real mouse
// clicks on its widgets, the events they leave run, the window painted), beside
// the same action on the windows' model alone and beside plain SQLite doing the
// same rows' work.
//
//   korva_request_bench --benchmark_filter='Persona|Plana'
//
// - Opening: the form opened and shown, as the chooser's "&Actualizar" does;
//   closed outside the timing. Its plain comparison is BM_CopiaSqlitePlana.
// - A tab: the identification filled, a click on "Valores" (the identification
//   checked, the grid read again with its counter and total); the click back
//   on the first tab runs outside the timing. The comparison reads the grid's
//   rows, its count and total with SQLite.
// - "Acoger todas": with an acceptance date and every debt unanswered (set
//   outside the timing), a click on the button of "Valores" and Yes to its
//   question (every debt included with its amounts, brought up to the date, the
//   grid read again). The comparison runs the same two updates and reads the
//   grid's rows again.
// - Storing: a declaration answered with a sound payment mode, a click on
//   "&Grabar" and OK to its message (the identification and the quick
//   validation, the grids read again, the whole store). The comparison deletes
//   and copies back the rows and reads the three grids' rows again.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>
#include <optional>
#include <string>

#include "formulario/request/bench/request_suite.h"
#include "platform/dao/sql_functions.h"
#include "platform/vb/conv.h"
#include "platform/qt/form_window.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/tab_control_view.h"
#include "platform/qt/tests/test_application.h"

namespace {

using importbench::Check;
using importbench::kRuc;
using requestbench::Suite;

constexpr int kDeudas = 10000;
constexpr int kTabValores = 1;

// Who makes the person's clicks: the windows' model alone, or the Qt renderer.
enum class Vista { Modelo, Qt };

// A person's actions on the open form. On the model they are the actions of
// forms::user, the message boxes answered by the suite's host.
class Persona {
 public:
  virtual ~Persona() = default;
  virtual void Muestra(forms::Form& form) { form.Show(); }
  virtual void Clic(forms::CommandButton& boton) { forms::user::Click(boton); }
  virtual void EligeTab(forms::TabControl& tabs, int tab) { forms::user::ChooseTab(tabs, tab); }
  // Runs what the last action left pending (closing the form frees its window).
  virtual void Asienta() {}
};

// Answers each message box as it shows with its default button, as a person
// pressing Enter: Yes to the questions of these actions, OK to their messages.
class Respondedor final : public QObject {
 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    auto* box = event->type() == QEvent::Show ? qobject_cast<QMessageBox*>(object) : nullptr;
    if (QPushButton* boton = box ? box->defaultButton() : nullptr)
      QTimer::singleShot(0, boton, [boton] { boton->click(); });
    return false;
  }
};

// The person's clicks as real mouse clicks on the widgets the Qt renderer
// shows; each action ends once the events it left (layout, painting) have run.
class PersonaQt final : public Persona {
 public:
  PersonaQt() {
    formsqt::testing::StartApplication();
    host_.emplace();
    qApp->installEventFilter(&respondedor_);
  }
  ~PersonaQt() override {
    qApp->removeEventFilter(&respondedor_);
    forms::Release<korva::Frm942>();
    host_.reset();
    Asienta();
  }
  void Muestra(forms::Form& form) override {
    form.Show();
    Asienta();
  }
  void Clic(forms::CommandButton& boton) override {
    QWidget* widget = host_->WidgetOf(boton);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    Asienta();
  }
  void EligeTab(forms::TabControl& tabs, int tab) override {
    auto* vista = static_cast<formsqt::TabControlView*>(host_->WindowOf(tabs.Parent())->ViewOf(&tabs));
    QTabBar* barra = vista->Bar();
    QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(tab).center());
    Asienta();
  }
  void Asienta() override {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

 private:
  std::optional<formsqt::QtHost> host_;
  Respondedor respondedor_;
};

std::unique_ptr<Persona> PersonaDe(Vista vista) {
  return vista == Vista::Qt ? std::make_unique<PersonaQt>() : std::make_unique<Persona>();
}

// The form opened as the chooser opens it, and shown; on the model alone the
// first screen of grid 1 is read, as the painting reads it.
korva::Frm942& Abre(Persona& persona, Vista vista) {
  korva::Frm942& frm = forms::Instance<korva::Frm942>();
  persona.Muestra(frm);
  if (vista == Vista::Modelo) {
    forms::DataGrid& grilla = frm.TDBGrid(kTabValores);
    long filas = std::min<long>(grilla.RowCount(), grilla.VisibleRows());
    for (long fila = 0; fila < filas; ++fila)
      for (int col = 0; col < 6; ++col) benchmark::DoNotOptimize(grilla.CellText(fila, col));
  }
  return frm;
}

// The identification a person fills before leaving the first tab.
void Identifica(korva::Frm942& frm) {
  frm.txtTelefono.SetText("4567890");
  frm.mkeFechaAcog.SetText(vb::Format(vb::Variant(vb::Today()), "dd/mm/yyyy"));
}

// The debts of a table included in the request.
long Acogidas(const std::string& sTabla) {
  dao::RecordsetPtr rs = korva::gDB->OpenRecordset("SELECT COUNT(*) FROM " + sTabla + " WHERE ind_acog = 1");
  return vb::CLng((*rs)(0).Value());
}

void BM_PersonaAbre(benchmark::State& state, Vista vista) {
  Suite suite(kDeudas);
  std::unique_ptr<Persona> persona = PersonaDe(vista);
  for (auto _ : state) {
    if (!Abre(*persona, vista).bCargaCompleta) {
      state.SkipWithError("the request form did not load");
      break;
    }
    state.PauseTiming();
    suite.Cierra();
    persona->Asienta();
    state.ResumeTiming();
  }
}
BENCHMARK_CAPTURE(BM_PersonaAbre, modelo, Vista::Modelo)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PersonaAbre, qt, Vista::Qt)->Unit(benchmark::kMillisecond);

void BM_PersonaPestana(benchmark::State& state, Vista vista) {
  Suite suite(kDeudas);
  std::unique_ptr<Persona> persona = PersonaDe(vista);
  korva::Frm942& frm = Abre(*persona, vista);
  Identifica(frm);
  for (auto _ : state) {
    persona->EligeTab(frm.SSTab1, kTabValores);
    state.PauseTiming();
    if (frm.SSTab1.Tab() != kTabValores) state.SkipWithError("the tab did not change");
    persona->EligeTab(frm.SSTab1, 0);
    state.ResumeTiming();
  }
}
BENCHMARK_CAPTURE(BM_PersonaPestana, modelo, Vista::Modelo)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PersonaPestana, qt, Vista::Qt)->Unit(benchmark::kMillisecond);

constexpr const char* kSinResponder = "UPDATE TMP_F0942DEUDAS SET ind_acog = NULL, ind_conf = NULL";

void BM_PersonaAcoge(benchmark::State& state, Vista vista) {
  Suite suite(kDeudas);
  std::unique_ptr<Persona> persona = PersonaDe(vista);
  korva::Frm942& frm = Abre(*persona, vista);
  Identifica(frm);
  persona->EligeTab(frm.SSTab1, kTabValores);
  for (auto _ : state) {
    state.PauseTiming();
    korva::gDB->Execute(kSinResponder);
    state.ResumeTiming();
    persona->Clic(frm.CmdAcoge(kTabValores));
  }
  if (Acogidas("TMP_F0942DEUDAS") != kDeudas) state.SkipWithError("the debts were not included");
}
BENCHMARK_CAPTURE(BM_PersonaAcoge, modelo, Vista::Modelo)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PersonaAcoge, qt, Vista::Qt)->Unit(benchmark::kMillisecond);

void BM_PersonaGraba(benchmark::State& state, Vista vista) {
  Suite suite(kDeudas);
  std::unique_ptr<Persona> persona = PersonaDe(vista);
  Abre(*persona, vista);
  korva::Frm942& frm = suite.Responde();
  for (auto _ : state) persona->Clic(frm.CmdGrabar);
  if (Acogidas("F0942DEUDAS") != kDeudas) state.SkipWithError("the declaration was not stored");
}
BENCHMARK_CAPTURE(BM_PersonaGraba, modelo, Vista::Modelo)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PersonaGraba, qt, Vista::Qt)->Unit(benchmark::kMillisecond);

}  // namespace

// What a person feels on the request form of a declaration of 10,000 debts:
// each action made through the Qt renderer (offscreen platform, real mouse
// clicks on its widgets, the events they leave run, the window painted), beside
// the same action on the windows' model alone and beside plain SQLite doing the
// same rows' work.
//
//   korva_request_bench --benchmark_filter='Persona|Plana'
//
// - Opening: the form opened and shown, as the chooser's "&Actualizar" does;
//   closed outside the timing. The comparisons copy the rows into the emptied
//   working table, alone and followed by reading the grid's rows and total.
// - A tab: the identification filled, a click on "Valores" (the identification
//   checked, the grid read again with its counter and total); the click back
//   on the first tab runs outside the timing. The comparison reads the grid's
//   rows and its total with SQLite.
// - "Acoger todas": with an acceptance date and every debt unanswered (set
//   outside the timing), a click on the button of "Valores" and Yes to its
//   question (every debt included with its amounts, brought up to the date, the
//   grid read again). The comparison runs the same two updates in one
//   transaction and reads the grid's rows and total again.
// - Storing: a declaration answered with a sound payment mode, a click on
//   "&Grabar" and OK to its message (the identification and the quick
//   validation, the grids read again, the whole store). The comparison reads
//   the grid's rows and total again, then deletes and copies back the rows in
//   one transaction.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <memory>
#include <optional>
#include <string>

#include "formulario/request/bench/request_suite.h"
#include "platform/qt/form_window.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/tab_control_view.h"
#include "platform/qt/tests/test_application.h"
#include "platform/vb/conv.h"

namespace {

using requestbench::Plana;
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

// The offscreen platform warns of every window it cannot raise; the output
// keeps to the figures.
QtMessageHandler avisosAnteriores = nullptr;

void SinAvisosDePlataforma(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith("This plugin does not support")) return;
  if (avisosAnteriores) avisosAnteriores(type, context, message);
}

void FiltraAvisos() {
  static const bool filtrados = [] {
    avisosAnteriores = qInstallMessageHandler(SinAvisosDePlataforma);
    return true;
  }();
  (void)filtrados;
}

// The person's clicks as real mouse clicks on the widgets the Qt renderer
// shows; each action ends once the events it left (layout, painting) have run.
class PersonaQt final : public Persona {
 public:
  PersonaQt() {
    formsqt::testing::StartApplication();
    FiltraAvisos();
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

// The form opened as the chooser's "&Actualizar" opens it, and shown.
korva::Frm942& Abre(Persona& persona) {
  korva::Frm942& frm = forms::Instance<korva::Frm942>();
  persona.Muestra(frm);
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
    if (!Abre(*persona).bCargaCompleta) {
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
  korva::Frm942& frm = Abre(*persona);
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

// Grid 1's statement written for SQLite: the same rows in the same order, their
// descriptions looked up in PARAM.
std::string GrillaValoresPlana() {
  return "SELECT per_doc, ind_tip_deu, ind_ver_deu, (SELECT substr(argumento, 2, 3) || substr(argumento, -1) "
         "|| '-' || substr(funcion, 1, 32) FROM PARAM WHERE numero = '725' AND argumento = cod_tri) AS "
         "des_tributo, iif(ind_tip_deu = '01', (SELECT upper(trim(substr(funcion, 22, 80))) FROM PARAM WHERE "
         "numero = '726' AND argumento = trim(substr(cod_tip_doc, 1, 3) || '000')), '') AS des_valor, num_doc, "
         "cod_tri, cod_for, cod_tip_doc, cod_tri_aso, (SELECT substr(funcion, 1, 32) FROM PARAM WHERE numero = "
         "'725' AND argumento = cod_tri_aso) AS des_tributo_aso, fec_des_deu, mto_tributo_s, mto_int_cap_s, "
         "mto_int_s, mto_act_s, ind_acog, ind_conf, mto_tributo_c, mto_int_cap_c, mto_int_c, mto_act_c, "
         "cod_for_dj, num_ord_dj, num_pro, ind_impugnado, num_cuo FROM TMP_F0942DEUDAS " +
         requestbench::DeudasDeLaDeclaracion() +
         "AND ind_tip_deu IN ('01', '05') AND ind_ver_deu IN ('0', '00', '07', '08') ORDER BY 1 DESC, cod_tri";
}

// Grid 1 read again as the tab reads it: its rows and its total.
void LeeGrillaValores(Plana& plana) {
  plana.Lee(GrillaValoresPlana());
  plana.Lee("SELECT SUM(mto_act_c * 1) FROM TMP_F0942DEUDAS " + requestbench::DeudasDeLaDeclaracion() +
            "AND ind_tip_deu = '01' AND ind_ver_deu IN ('00', '07', '08')");
}

// The opening's rows: the copy into the emptied working table with one INSERT
// ... SELECT, alone or with grid 1 read and its total; grids 2, 3 and 5 hold no
// row of this declaration.
void BM_AbreSqlitePlana(benchmark::State& state, bool leeGrilla) {
  Suite suite(kDeudas);
  Plana plana(suite.Database());
  const std::string copia = requestbench::CopiaPlana();
  for (auto _ : state) {
    state.PauseTiming();
    plana.Ejecuta("DELETE FROM TMP_F0942DEUDAS");
    state.ResumeTiming();
    plana.Ejecuta(copia);
    if (leeGrilla) LeeGrillaValores(plana);
  }
}
BENCHMARK_CAPTURE(BM_AbreSqlitePlana, copia, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AbreSqlitePlana, copia_y_grilla, true)->Unit(benchmark::kMillisecond);

void BM_PestanaSqlitePlana(benchmark::State& state) {
  Suite suite(kDeudas);
  forms::Instance<korva::Frm942>();
  Plana plana(suite.Database());
  for (auto _ : state) LeeGrillaValores(plana);
}
BENCHMARK(BM_PestanaSqlitePlana)->Unit(benchmark::kMillisecond);

constexpr const char* kSinResponder = "UPDATE TMP_F0942DEUDAS SET ind_acog = NULL, ind_conf = NULL";

void BM_PersonaAcoge(benchmark::State& state, Vista vista) {
  Suite suite(kDeudas);
  std::unique_ptr<Persona> persona = PersonaDe(vista);
  korva::Frm942& frm = Abre(*persona);
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

void BM_AcogeSqlitePlana(benchmark::State& state) {
  Suite suite(kDeudas);
  forms::Instance<korva::Frm942>();
  Plana plana(suite.Database());
  const std::string acoge = "BEGIN; UPDATE TMP_F0942DEUDAS SET ind_acog = 1, ind_conf = 1, mto_tributo_c = "
                            "mto_tributo_s, mto_int_cap_c = mto_int_cap_s, mto_int_c = mto_int_s, mto_act_c = "
                            "mto_act_s " + requestbench::DeudasDeLaDeclaracion() +
                            "AND ind_tip_deu IN ('01', '05') AND ind_ver_deu IN ('00', '07', '08') AND ind_acog "
                            "IS NULL AND ind_impugnado = '00'; " + requestbench::ActualizacionPlana() + "; COMMIT;";
  for (auto _ : state) {
    state.PauseTiming();
    plana.Ejecuta(kSinResponder);
    state.ResumeTiming();
    plana.Ejecuta(acoge);
    LeeGrillaValores(plana);
  }
  if (Acogidas("TMP_F0942DEUDAS") != kDeudas) state.SkipWithError("the debts were not included");
}
BENCHMARK(BM_AcogeSqlitePlana)->Unit(benchmark::kMillisecond);

void BM_PersonaGraba(benchmark::State& state, Vista vista) {
  Suite suite(kDeudas);
  std::unique_ptr<Persona> persona = PersonaDe(vista);
  Abre(*persona);
  korva::Frm942& frm = suite.Responde();
  for (auto _ : state) persona->Clic(frm.CmdGrabar);
  if (Acogidas("F0942DEUDAS") != kDeudas) state.SkipWithError("the declaration was not stored");
}
BENCHMARK_CAPTURE(BM_PersonaGraba, modelo, Vista::Modelo)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PersonaGraba, qt, Vista::Qt)->Unit(benchmark::kMillisecond);

// The declaration holds debts of grid 1 only: grids 2 and 3 read no rows.
void BM_GrabaRecargaSqlitePlana(benchmark::State& state) {
  Suite suite(kDeudas);
  suite.Responde();
  Plana plana(suite.Database());
  const std::string copia = requestbench::GrabacionPlana();
  for (auto _ : state) {
    LeeGrillaValores(plana);
    plana.Ejecuta(copia);
  }
}
BENCHMARK(BM_GrabaRecargaSqlitePlana)->Unit(benchmark::kMillisecond);

}  // namespace

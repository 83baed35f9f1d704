#include <QAbstractButton>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QTreeView>
#include <algorithm>
#include <fstream>

#include "platform/forms/testing/driver.h"
#include "platform/qt/help_window.h"
#include "platform/qt/run.h"
#include "platform/qt/tests/sample_fixture.h"
#include "platform/testsupport/window_wait.h"
#include "platform/vb/app.h"
#include "platform/vb/error.h"

namespace formsqt::testing {
namespace {

using Log = std::vector<std::string>;

class QtDialogs : public SampleWindow {
 protected:
  void SetUp() override { ShowForm(); }
};

// The keys of a dialog's step wait for its box to hold the focus.
void WhenTheDialogsBoxTakesKeys(std::function<void(sample::DialogForm&)> step) {
  testsupport::When(
      "the box of frmDialogo with the focus",
      [] {
        auto* dialog = forms::LoadedInstance<sample::DialogForm>();
        return dialog && testsupport::TakesKeys(dialog->txtObservacion);
      },
      [step] { step(*forms::LoadedInstance<sample::DialogForm>()); });
}

TEST_F(QtDialogs, AModalFormIsAModalDialogAndShowReturnsWhenItUnloads) {
  bool wasModalDialog = false;
  WhenTheDialogsBoxTakesKeys([&](sample::DialogForm& dialog) {
    QWidget* modal = QApplication::activeModalWidget();
    wasModalDialog = qobject_cast<QDialog*>(modal) && modal->isModal() &&
                     modal == host->TopLevelOf(dialog) && modal->windowTitle() == "Diálogo modal";
    QTest::keyClicks(QApplication::focusWidget(), "hola");
    QTest::mouseClick(host->WidgetOf(dialog.cmdAceptar), Qt::LeftButton);
  });
  QTest::mouseClick(WidgetOf(form->cmdDialogo), Qt::LeftButton);
  EXPECT_TRUE(wasModalDialog);
  EXPECT_EQ(form->log.Take(), (Log{"LostFocus txtNombre", "GotFocus cmdDialogo",
                                   "cmdDialogo_Click", "Observacion hola"}));
  EXPECT_EQ(forms::LoadedInstance<sample::DialogForm>(), nullptr);
  EXPECT_EQ(forms::Screen.ActiveForm(), &*form);
}

TEST_F(QtDialogs, EscapePressesTheCancelButtonOfTheModalForm) {
  WhenTheDialogsBoxTakesKeys([](sample::DialogForm&) {
    QTest::keyClicks(QApplication::focusWidget(), "nada");
    QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
  });
  form->cmdDialogo.SetValue(true);
  EXPECT_EQ(form->log.Take(), (Log{"cmdDialogo_Click", "Observacion "}));
}

TEST_F(QtDialogs, TheMessageBoxHasSpanishButtonsTheIconAndTheDefaultOfItsStyle) {
  QString text;
  QString title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  std::vector<QString> buttons;
  QString preferred;
  testsupport::AnswerMessageBox("No", [&](QMessageBox& box) {
    text = box.text();
    title = box.windowTitle();
    icon = box.icon();
    for (QAbstractButton* button : box.buttons()) buttons.push_back(button->text());
    preferred = box.defaultButton()->text();
  });
  form->cmdAceptar.SetValue(true);
  EXPECT_EQ(text, "¿Desea grabar los datos?");
  EXPECT_EQ(title, "Muestra de controles");
  EXPECT_EQ(icon, QMessageBox::Question);
  std::sort(buttons.begin(), buttons.end());
  EXPECT_EQ(buttons, (std::vector<QString>{"No", "Sí"}));
  EXPECT_EQ(preferred, "No");
  EXPECT_EQ(form->log.Take(), (Log{"cmdAceptar_Click", "MsgBox 7"}));
}

TEST_F(QtDialogs, TheCloseBoxAsksTheFormWhichMayRefuse) {
  QWidget* window = host->TopLevelOf(*form);
  form->QueryUnload = [this](int& cancel, int mode) {
    form->log.Add("QueryUnload " + std::to_string(mode));
    cancel = 1;
  };
  window->close();
  EXPECT_TRUE(form->IsLoaded());
  EXPECT_TRUE(window->isVisible());
  form->QueryUnload = nullptr;
  window->close();
  EXPECT_FALSE(form->IsLoaded());
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(form->log.Take(), (Log{"QueryUnload 0"}));
}

TEST_F(QtDialogs, F1OpensTheHelpPageAtTheTopicOfTheFocusedControlsFrame) {
  std::string page = folder / "ayuda.html";
  std::string help = folder / "ayuda.hlp";
  sample::WriteSampleHelp(folder.Path());
  std::filesystem::rename(folder / "muestra.html", page);
  vb::App::SetHelpFile(help);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
  vb::App::SetHelpFile("");
  QTextBrowser& browser = host->Help().Browser();
  EXPECT_TRUE(browser.isVisible());
  EXPECT_EQ(browser.source().toLocalFile().toStdString(), page);
}

// Where the named folder has no page, the program's own folder is looked in.
TEST(HelpPages, TheHelpFileStandsForTheHtmlPageOfItsNameThereOrInTheProgramsFolder) {
  TempFolder folder;
  std::filesystem::create_directories(folder / "programa");
  std::ofstream(folder / "AYUDA.htm") << "<p>ayuda</p>";
  std::ofstream(folder / "otra.html") << "<p>otra</p>";
  std::ofstream(folder / "programa/otra.html") << "<p>la del programa</p>";
  std::ofstream(folder / "programa/propia.html") << "<p>propia</p>";
  struct Case {
    std::string file;
    std::string programFolder;
    std::string page;
  };
  const Case cases[] = {
      {folder / "AYUDA.HLP", "", folder / "AYUDA.htm"},
      {folder / "otra.chm", "", folder / "otra.html"},
      {folder / "otra.html", "", folder / "otra.html"},
      {folder / "ninguna.hlp", "", ""},
      {folder.Path() + "\\otra.hlp", "", folder / "otra.html"},
      {folder / "otra.hlp", folder / "programa", folder / "otra.html"},
      {folder.Path() + "\\0942\\propia.hlp", folder / "programa", folder / "programa/propia.html"},
      {folder / "ninguna.hlp", folder / "programa", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(HelpPageFor(c.file, c.programFolder), c.page) << c.file;
}

TEST_F(QtDialogs, EscClosesTheHelpWindow) {
  sample::WriteSampleHelp(folder.Path());
  host->Help().Show({folder / "muestra.hlp", forms::cdlHelpContents, 0});
  QTextBrowser& browser = host->Help().Browser();
  ASSERT_TRUE(browser.isVisible());
  QTest::keyClick(&browser, Qt::Key_Down);
  EXPECT_TRUE(browser.isVisible());
  QTest::keyClick(&browser, Qt::Key_Escape);
  EXPECT_FALSE(browser.isVisible());
}

TEST_F(QtDialogs, AHelpFileFoundNowhereIsNamedWithThePlatformsSeparator) {
  host->Help().Show({folder.Path() + "\\0942\\Ninguna.hlp", forms::cdlHelpContents, 0});
  QTextBrowser& browser = host->Help().Browser();
  EXPECT_TRUE(browser.isVisible());
  EXPECT_EQ(browser.toPlainText().toStdString(),
            "No se puede abrir el archivo de ayuda " + folder.Path() + "/0942/Ninguna.hlp.");
}

// A person's click on a control of the windows of the run in progress.
void PersonClicks(const forms::Control& control) {
  auto* host = dynamic_cast<QtHost*>(forms::CurrentHost());
  ASSERT_NE(host, nullptr);
  QTest::mouseClick(host->WidgetOf(control), Qt::LeftButton);
}

// A run of the windows, as a program makes it.
class QtRun : public ::testing::Test {
 protected:
  QtRun() {
    StartApplication();
    forms::ResetApplication();
    vb::SetEndBehaviour(vb::EndBehaviour::Throw);
  }
  ~QtRun() override {
    vb::SetEndBehaviour(vb::EndBehaviour::Exit);
    forms::ResetApplication();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  TempFolder folder;
};

TEST_F(QtRun, TheRunEndsWhenTheMainFormUnloads) {
  sample::SampleForm form;
  testsupport::WhenActive(form, [&form] { PersonClicks(form.cmdCerrar); });
  EXPECT_EQ(formsqt::Run(form), 0);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(forms::CurrentHost(), nullptr);
}

TEST_F(QtRun, EndEndsTheRunWithItsExitCode) {
  sample::SampleForm form;
  form.cmdCerrar.Click = [] { vb::End(3); };
  testsupport::WhenActive(form, [&form] { PersonClicks(form.cmdCerrar); });
  EXPECT_EQ(formsqt::Run(form), 3);
}

TEST_F(QtRun, AnErrorNoHandlerTookIsReportedAndEndsTheRun) {
  sample::SampleForm form;
  form.cmdCerrar.Click = [] { vb::Raise(5); };
  QString reported;
  testsupport::WhenActive(form, [&form, &reported] {
    testsupport::AnswerMessageBox("Aceptar", [&reported](QMessageBox& box) { reported = box.text(); });
    PersonClicks(form.cmdCerrar);
  });
  EXPECT_EQ(formsqt::Run(form), 1);
  EXPECT_EQ(reported.toStdString(),
            "Se ha producido el error '5' en tiempo de ejecución:\n\n" + vb::ErrorText(5));
}

TEST_F(QtRun, AnErrorInsideAModalFormUnwindsFromItsShow) {
  std::vector<std::string> seen;
  int code = formsqt::Run([&seen] {
    auto& dialog = forms::Instance<sample::DialogForm>();
    dialog.cmdAceptar.Click = [] { vb::Raise(380); };
    testsupport::WhenActive(dialog, [&dialog] { PersonClicks(dialog.cmdAceptar); });
    try {
      dialog.Show(forms::vbModal);
      seen.push_back("returned");
    } catch (const vb::Error& error) {
      seen.push_back("error " + std::to_string(error.Number()));
    }
    forms::Unload(dialog);
  });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"error 380"}));
}

}  // namespace
}  // namespace formsqt::testing

namespace formsqt::testing {
namespace {

// The folder chooser is Qt's own file dialog: its labels, headings and buttons
// come from Qt's Spanish translations.
TEST(QtTranslations, TheFolderChoosersButtonsAndLabelsReadInSpanish) {
  StartApplication();
  QFileDialog dialog(nullptr, "Elegir carpeta");
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  std::vector<std::string> texts;
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) texts.push_back(button->text().toStdString());
  for (QLabel* label : dialog.findChildren<QLabel*>()) texts.push_back(label->text().toStdString());
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(texts, (std::vector<std::string>{"&Seleccionar", "Cancelar", "Directorio:", "Ficheros de tipo:",
                                             "Ver en:"}));
  QTreeView* detail = dialog.findChild<QTreeView*>();
  ASSERT_NE(detail, nullptr);
  std::vector<std::string> headings;
  for (int column = 0; column < detail->model()->columnCount(); ++column)
    headings.push_back(detail->model()->headerData(column, Qt::Horizontal).toString().toStdString());
  EXPECT_EQ(headings, (std::vector<std::string>{"Nombre", "Tamaño", "Tipo", "Última modificación"}));
}

}  // namespace
}  // namespace formsqt::testing

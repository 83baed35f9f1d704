#include "platform/qt/run.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTranslator>
#include <QWidget>

#include "platform/forms/form.h"
#include "platform/forms/host.h"
#include "platform/qt/appearance.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/strings.h"

namespace formsqt {

namespace {

// Qt's own dialogs (the folder chooser, the print and page dialogs) speak the
// programs' Spanish through Qt's Spanish translations, where they are installed.
void InstallSpanishTranslations(QApplication& application) {
  auto* translator = new QTranslator(&application);
  if (translator->load("qtbase_es", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(translator);
}

}  // namespace

QApplication& Application() {
  if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) return *existing;
  static int argc = 1;
  static char name[] = "form0942";
  static char* argv[] = {name, nullptr};
  // Kept to the end of the process: destroying it among the other static
  // objects at exit can find Qt's own already gone.
  static QApplication* application = new QApplication(argc, argv);
  UseWindowsGreyText(*application);
  InstallSpanishTranslations(*application);
  return *application;
}

int Run(forms::Form& main) {
  Application();
  QtHost host;
  return host.Run([&main] { main.Show(); }, &main);
}

int Run(const std::function<void()>& start) {
  Application();
  QtHost host;
  return host.Run(start, nullptr);
}

bool SaveImage(const forms::Form& form, const std::string& path) {
  auto* host = dynamic_cast<QtHost*>(forms::CurrentHost());
  QWidget* window = host ? host->TopLevelOf(form) : nullptr;
  if (!window) return false;
  return window->grab().save(ToQString(path), "PNG");
}

}  // namespace formsqt

#include "platform/qt/run.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>
#include <QWidget>
#include <map>
#include <string_view>

#include "platform/forms/form.h"
#include "platform/forms/host.h"
#include "platform/qt/appearance.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/strings.h"

namespace formsqt {

namespace {

// The words of Qt's own windows that Qt's Spanish translations leave in
// English: the kinds of entry its file model names (the folder chooser's
// "Tipo" column said "Folder").
class MissingSpanishWords final : public QTranslator {
 public:
  using QTranslator::QTranslator;
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                    int /*n*/) const override {
    static const std::map<std::string_view, QString> kWords = {
        {"Drive", "Unidad"}, {"Folder", "Carpeta"}, {"Shortcut", "Acceso directo"}, {"Unknown", "Desconocido"}};
    if (!context || !sourceText || std::string_view(context) != "QAbstractFileIconProvider") return {};
    auto word = kWords.find(sourceText);
    return word == kWords.end() ? QString() : word->second;
  }
};

// Qt's own dialogs (the folder chooser, the print and page dialogs) speak the
// programs' Spanish through Qt's Spanish translations, where they are installed,
// and the words those leave out.
void InstallSpanishTranslations(QApplication& application) {
  auto* translator = new QTranslator(&application);
  if (translator->load("qtbase_es", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(translator);
  QApplication::installTranslator(new MissingSpanishWords(&application));
}

// Qt writes the dates, day and month names of its own windows in the
// application's locale: Spanish, unless the system's is a Spanish one already.
// The programs' own numbers and dates are the runtime's, in the regional
// settings of win.ini, and do not go through Qt's locale.
void UseSpanishLocale() {
  if (QLocale::system().language() != QLocale::Spanish) QLocale::setDefault(QLocale(QLocale::Spanish));
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
  UseSpanishLocale();
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

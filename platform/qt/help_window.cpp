#include "platform/qt/help_window.h"

#include <QKeyEvent>
#include <QTextBrowser>
#include <QUrl>
#include <cctype>
#include <filesystem>

#include "platform/forms/constants.h"
#include "platform/qt/strings.h"
#include "platform/vb/app.h"

namespace formsqt {

namespace {

bool IsHtml(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".html" || extension == ".htm";
}

// The help file's name with the platform's folder separator.
std::string Slashed(const std::string& file) {
  std::string slashed = file;
  for (char& c : slashed) {
    if (c == '\\') c = '/';
  }
  return slashed;
}

std::string PageAt(const std::filesystem::path& path) {
  std::error_code error;
  if (IsHtml(path)) return std::filesystem::is_regular_file(path, error) ? path.string() : "";
  for (const char* extension : {".html", ".htm", ".HTML", ".HTM"}) {
    std::filesystem::path page = path;
    page.replace_extension(extension);
    if (std::filesystem::is_regular_file(page, error)) return page.string();
  }
  return "";
}

// The help window's page: Esc closes the window, as it closes the system's help.
class HelpBrowser : public QTextBrowser {
 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
      hide();
      return;
    }
    QTextBrowser::keyPressEvent(event);
  }
};

}  // namespace

std::string HelpPageFor(const std::string& file, const std::string& programFolder) {
  std::filesystem::path path(Slashed(file));
  std::string page = PageAt(path);
  if (page.empty() && !programFolder.empty() && path.has_filename())
    page = PageAt(std::filesystem::path(programFolder) / path.filename());
  return page;
}

HelpWindow::HelpWindow() : browser_(std::make_unique<HelpBrowser>()) {
  browser_->setWindowTitle("Ayuda");
  browser_->setOpenExternalLinks(false);
  browser_->resize(640, 480);
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::Show(const forms::HelpRequest& request) {
  if (request.command == forms::cdlHelpQuit) {
    browser_->hide();
    return;
  }
  std::string page = HelpPageFor(request.file, vb::App::Path());
  if (page.empty()) {
    browser_->setPlainText("No se puede abrir el archivo de ayuda " + ToQString(Slashed(request.file)) + ".");
  } else {
    browser_->setSource(QUrl::fromLocalFile(ToQString(page)));
    if (request.command == forms::cdlHelpContext && request.context != 0) {
      browser_->scrollToAnchor(QString::number(request.context));
    }
  }
  browser_->show();
  browser_->raise();
  browser_->activateWindow();
}

}  // namespace formsqt

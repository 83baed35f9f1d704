#include "platform/qt/tests/test_application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "platform/qt/run.h"

namespace formsqt::testing {

namespace {

// The folder of the whole run, made before the application and removed after it.
std::filesystem::path RunFolder() {
  static const TempFolder folder;
  return folder.Path();
}

}  // namespace

void StartApplication() {
  static bool started = [] {
    std::filesystem::path folder = RunFolder();
    std::filesystem::create_directories(folder / "runtime");
    std::filesystem::permissions(folder / "runtime", std::filesystem::perms::owner_all);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("HOME", folder.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (folder / "runtime").c_str(), 1);
    setenv("XDG_CACHE_HOME", (folder / "cache").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
    Application();
    return true;
  }();
  (void)started;
}

void WhenModalShows(std::function<void(QWidget&)> act) {
  auto* poll = new QTimer(qApp);
  auto tries = std::make_shared<int>(0);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, tries, act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal && ++*tries < 500) return;
    poll->stop();
    poll->deleteLater();
    if (modal) act(*modal);
  });
  poll->start(10);
}

void AnswerMessageBox(const QString& button, std::function<void(QMessageBox&)> seen) {
  WhenModalShows([button, seen](QWidget& modal) {
    auto* box = qobject_cast<QMessageBox*>(&modal);
    if (!box) return;
    if (seen) seen(*box);
    for (QAbstractButton* candidate : box->buttons()) {
      if (candidate->text() == button) return candidate->click();
    }
    box->reject();
  });
}

std::filesystem::path PictureFolder() {
  const char* build = std::getenv("FORM0942_BUILD_DIR");
  if (build && *build) {
    std::filesystem::path folder = std::filesystem::path(build) / "platform" / "qt";
    std::filesystem::create_directories(folder);
    return folder;
  }
  return RunFolder();
}

}  // namespace formsqt::testing

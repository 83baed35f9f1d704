#include "platform/qt/watch.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace formsqt {

void Watch(std::function<bool()> ready, std::chrono::milliseconds every, std::chrono::milliseconds wait,
           std::function<void()> onReady, std::function<void()> onLate) {
  auto* check = new QTimer(qApp);
  QElapsedTimer since;
  since.start();
  QObject::connect(check, &QTimer::timeout, check, [=] {
    bool isReady = ready();
    if (!isReady && since.elapsed() < wait.count()) return;
    check->stop();
    check->deleteLater();
    isReady ? onReady() : onLate();
  });
  check->start(static_cast<int>(every.count()));
}

}  // namespace formsqt

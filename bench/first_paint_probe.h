#pragma once

// Ends a Qt program once its window has been painted for the first time, and
// writes the moment to standard output as "first-paint <ns>" on the monotonic
// clock, so that a launcher can time the way from process start to a picture
// on screen.

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdio>

namespace bench {

class FirstPaintProbe : public QObject {
 public:
  explicit FirstPaintProbe(QApplication& application) : QObject(&application) {
    application.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!seen_ && event->type() == QEvent::Paint) {
      seen_ = true;
      // Queued: runs after this paint pass (the whole window) has finished.
      QTimer::singleShot(0, this, [] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("first-paint %lld\n",
                    static_cast<long long>(std::chrono::nanoseconds(now).count()));
        std::fflush(stdout);
        QApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

}  // namespace bench

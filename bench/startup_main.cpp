// Start-up as a whole process: the editor starts as it always does, shows its
// main window, and ends once the window has been painted and the event loop
// has run once. Time it from outside, e.g.
//   hyperfine -N --warmup 3 'env QT_QPA_PLATFORM=offscreen build/bench/kalvex_startup_bench'
#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "app/startup.h"

namespace {

// Ends the event loop after the first paint of a top-level window.
class QuitAfterFirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Paint && widget && widget->isWindow()) {
      // exit, not quit: quit would ask the window to close, which ends the process.
      QMetaObject::invokeMethod(
          qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    }
    return false;
  }
};

// The editor's start-up, watching for the first paint from the moment the
// platform runs.
class TimedStartUp : public TStartUp {
 protected:
  void InitMainWindow() override {
    qApp->installEventFilter(&quitter_);
    TStartUp::InitMainWindow();
  }

 private:
  QuitAfterFirstPaint quitter_;
};

}  // namespace

int main() {
  TimedStartUp app;
  return app.Run();
}

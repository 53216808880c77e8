#include "platform/application.h"

#include <QApplication>
#include <QEvent>
#include <QWindow>
#include <cstdlib>
#include <functional>

#include "platform/qt/desktop_connection.h"
#include "platform/qt/native_window.h"

namespace {

// What the platform is told the program's command line is: its name alone.
char kProgramName[] = "kalvex";

// Runs `shown` from the event loop once `window` is on the screen, that is,
// once the desktop has placed it and shows it.
class WhenExposed : public QObject {
 public:
  WhenExposed(QWindow* window, std::function<void()> shown)
      : QObject(window), window_(window), shown_(std::move(shown)) {
    if (window_->isExposed()) {
      Call();
    } else {
      window_->installEventFilter(this);
    }
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Expose && window_->isExposed()) {
      window_->removeEventFilter(this);
      Call();
    }
    return false;
  }

 private:
  void Call() {
    QMetaObject::invokeMethod(
        this,
        [this] {
          shown_();
          deleteLater();
        },
        Qt::QueuedConnection);
  }

  QWindow* window_;
  std::function<void()> shown_;
};

}  // namespace

struct TApplication::TNative {
  int argc = 1;
  char* argv[2] = {kProgramName, nullptr};
  std::unique_ptr<QApplication> platform;
};

TApplication::TApplication(const char* name)
    : name_(name ? name : ""), native_(std::make_unique<TNative>()) {}

TApplication::~TApplication() {
  // The windows go before the platform they live on.
  MainWindow.reset();
}

int TApplication::Run() {
  if (!QApplication::instance()) {
    native_->platform = ConnectToDesktop(native_->argc, native_->argv,
                                         [this](std::string_view why) { return NoDesktop(why); });
  }
  if (!name_.empty()) QApplication::setApplicationName(QString::fromLocal8Bit(name_.c_str()));
  QGuiApplication::setDesktopFileName(QApplication::applicationName());
  InitMainWindow();
  if (!MainWindow || !MainWindow->Create()) return EXIT_FAILURE;
  MainWindow->Show();
  QWidget* frame = WidgetOf(*MainWindow);
  new WhenExposed(frame->windowHandle(), [this] { MainWindowShown(); });
  return QApplication::exec();
}

void TApplication::EnableCtl3d(bool enable) {
  if (enable) QApplication::setStyle(QStringLiteral("Fusion"));
}

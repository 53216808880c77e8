#include "platform/application.h"

#include <QApplication>
#include <cstdlib>

namespace {

// What the platform is told the program's command line is: its name alone.
char kProgramName[] = "kalvex";

}  // namespace

TApplication::TApplication(const char* name) : argv_{kProgramName, nullptr} {
  if (!QApplication::instance()) platform_ = std::make_unique<QApplication>(argc_, argv_);
  if (name) QApplication::setApplicationName(QString::fromLocal8Bit(name));
  QGuiApplication::setDesktopFileName(QApplication::applicationName());
}

TApplication::~TApplication() {
  // The windows go before the platform they live on.
  MainWindow.reset();
}

int TApplication::Run() {
  InitMainWindow();
  if (!MainWindow || !MainWindow->Create()) return EXIT_FAILURE;
  MainWindow->Show();
  MainWindowShown();
  return QApplication::exec();
}

void TApplication::EnableCtl3d(bool enable) {
  if (enable) QApplication::setStyle(QStringLiteral("Fusion"));
}

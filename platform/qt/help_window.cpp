#include "platform/qt/help_window.h"

#include <QDialog>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr char kHelpWindowName[] = "HelpWindow";

QTextBrowser* MakeHelpWindow(QWidget* owner) {
  auto* window = new QDialog(owner);
  window->setObjectName(kHelpWindowName);
  window->resize(560, 480);
  auto* browser = new QTextBrowser(window);
  browser->setOpenExternalLinks(false);
  auto* layout = new QVBoxLayout(window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser);
  return browser;
}

}  // namespace

void ShowHelpWindow(QWidget* owner, const QString& path) {
  auto* window = owner ? owner->findChild<QDialog*>(kHelpWindowName) : nullptr;
  QTextBrowser* browser = window ? window->findChild<QTextBrowser*>() : MakeHelpWindow(owner);
  browser->setSource(QUrl(QStringLiteral("qrc") + path));
  browser->home();
  QWidget* shown = browser->window();
  shown->setWindowTitle(browser->documentTitle());
  shown->show();
  shown->raise();
  shown->activateWindow();
}

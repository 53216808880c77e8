// The editor's help window: a page of rich text with links, beside the main
// window, that stays open while the user goes on editing.
#include <QDialog>
#include <QFile>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/platform_constants.h"
#include "platform/qt/native_window.h"
#include "platform/qt/program_resources.h"
#include "platform/user_interface.h"

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

// The compiled-in help page (":/resources/help/…") is shown at its start in
// the one help window of `owner`, made when needed.
void TPlatformUserInterface::ShowHelp(THandle ownerHandle, const std::string& helpFile, unsigned) {
  const QString path = HelpResource(helpFile);
  if (!QFile::exists(path)) {
    MessageBox(ownerHandle, "Unable to find help file " + helpFile, "File Error",
               MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  QWidget* owner = WidgetOf(ownerHandle);
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

#include "tests/ui/menu_driver.h"

#include <QApplication>
#include <QMenu>
#include <QTest>

char MnemonicOf(const QString& text) {
  const qsizetype at = text.indexOf(QLatin1Char('&'));
  if (at < 0 || at + 1 >= text.size()) return 0;
  return text.at(at + 1).toLower().toLatin1();
}

bool ChooseMenuItem(QWidget* frame, const QString& menuText, const QString& itemText) {
  QTest::keyClick(frame, MnemonicOf(menuText), Qt::AltModifier);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  if (!menu || menu->title() != menuText) return false;
  QTest::keyClick(menu, MnemonicOf(itemText));
  // A letter that chooses nothing leaves the menu open; a user closes it.
  if (QWidget* open = QApplication::activePopupWidget()) open->close();
  // As on a desktop, the window is active again once its menu has closed:
  // the headless platform may still hand the activation to the menu.
  QCoreApplication::processEvents();
  for (int tries = 0; tries < 10 && QApplication::activeWindow() != frame->window(); ++tries) {
    frame->activateWindow();
    QCoreApplication::processEvents();
  }
  return true;
}

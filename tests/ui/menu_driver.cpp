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
  return true;
}

// Drives a frame's menu bar as a user does: Alt and the menu's mnemonic
// letter open the menu, the item's mnemonic letter chooses the item.
#pragma once

#include <QString>

class QWidget;

// False when the menu did not open.
bool ChooseMenuItem(QWidget* frame, const QString& menuText, const QString& itemText);

// The letter after the ampersand, in lower case; 0 when there is none.
char MnemonicOf(const QString& text);

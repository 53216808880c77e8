// Qt's message boxes for the two kinds the layer offers, modal, owned by
// `owner` and centred on it; and the beep.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt/native_window.h"
#include "platform/qt/text_codec.h"
#include "platform/user_interface.h"

namespace {

void SetUp(QMessageBox& box, const std::string& text, const std::string& caption, unsigned type) {
  box.setWindowTitle(Utf8ToQString(caption));
  box.setText(Utf8ToQString(text));
  if ((type & MB_ICONMASK) == MB_ICONEXCLAMATION) box.setIcon(QMessageBox::Warning);
}

// The button of `buttons` that MB_DEFBUTTON1 … MB_DEFBUTTON3 name; the first
// when the flag names none of them.
QMessageBox::StandardButton DefaultOf(std::initializer_list<QMessageBox::StandardButton> buttons,
                                      unsigned type) {
  const std::size_t index = (type & MB_DEFMASK) >> 8;
  return index < buttons.size() ? buttons.begin()[index] : *buttons.begin();
}

}  // namespace

int TPlatformUserInterface::MessageBox(THandle owner, const std::string& text,
                                       const std::string& caption, unsigned type) {
  QMessageBox box(WidgetOf(owner));
  SetUp(box, text, caption, type);
  switch (type & MB_TYPEMASK) {
    case MB_YESNOCANCEL:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setDefaultButton(
          DefaultOf({QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}, type));
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case MB_YESNO:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(DefaultOf({QMessageBox::Yes, QMessageBox::No}, type));
      box.setEscapeButton(QMessageBox::No);
      break;
    default:
      box.setStandardButtons(QMessageBox::Ok);
      box.exec();
      return IDOK;
  }
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
      return IDYES;
    case QMessageBox::No:
      return IDNO;
    default:
      return (type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDCANCEL;
  }
}

int TPlatformUserInterface::LabelledMessageBox(THandle owner, const std::string& text,
                                               const std::string& caption, unsigned type,
                                               const std::vector<std::string>& labels,
                                               int defaultButton) {
  QMessageBox box(WidgetOf(owner));
  SetUp(box, text, caption, type);
  std::vector<QPushButton*> buttons;
  for (const std::string& label : labels) {
    // Each its own role, so that Qt keeps them in the order given.
    buttons.push_back(box.addButton(Utf8ToQString(label), QMessageBox::ActionRole));
  }
  box.setDefaultButton(buttons[std::size_t(defaultButton)]);
  box.setEscapeButton(buttons.back());
  box.exec();
  const auto pressed = std::find(buttons.begin(), buttons.end(), box.clickedButton());
  return pressed == buttons.end() ? int(buttons.size()) - 1 : int(pressed - buttons.begin());
}

void TPlatformUserInterface::Beep() { QApplication::beep(); }

#include "platform/combo_box.h"

#include <QComboBox>
#include <QScopedValueRollback>

#include "platform/qt/native_window.h"
#include "platform/qt/text_codec.h"

int TComboBox::InsertString(std::string_view text, int index) {
  auto* combo = WidgetOf<QComboBox>(*this);
  if (!combo || index < -1 || index > combo->count()) return -1;
  const int at = index == -1 ? combo->count() : index;
  QScopedValueRollback<bool> programChange(programSelects_, true);
  const bool noneSelected = combo->currentIndex() < 0;
  combo->insertItem(at, ToQString(text));
  if (noneSelected) combo->setCurrentIndex(-1);  // Qt selects the first entry of an empty box
  return at;
}

int TComboBox::GetSelIndex() const {
  const auto* combo = WidgetOf<QComboBox>(*this);
  return combo ? combo->currentIndex() : -1;
}

void TComboBox::SetSelIndex(int index) {
  auto* combo = WidgetOf<QComboBox>(*this);
  if (!combo) return;
  QScopedValueRollback<bool> programChange(programSelects_, true);
  combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

THandle TComboBox::MakeWindow(THandle container) {
  return HandleOf(new QComboBox(WidgetOf(container)));
}

void TComboBox::SetupWindow() {
  auto* combo = WidgetOf<QComboBox>(*this);
  combo->resize(Attr.W, combo->sizeHint().height());
  Native().Listen(combo, &QComboBox::currentIndexChanged, [this] {
    if (!programSelects_) NotifyParent(CBN_SELCHANGE);
  });
}

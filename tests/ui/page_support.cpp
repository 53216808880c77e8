#include "tests/ui/page_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <algorithm>

#include "record/record_fields.h"
#include "tests/ui/editor_driver.h"

namespace kalvex::test {
namespace {

QString Quoted(std::string_view text) { return QLatin1Char('"') + Latin1(text) + QLatin1Char('"'); }

std::string WithoutTrailingBlanks(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

}  // namespace

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

void AddPageRows(std::string_view kind) {
  QTest::addColumn<int>("page");
  for (int page = 0; page < int(kExpectedPages.size()); ++page) {
    const ExpectedPage& expected = kExpectedPages[std::size_t(page)];
    if (!kind.empty() && std::ranges::find(expected.controls, kind, &ExpectedControl::kind) ==
                             expected.controls.end()) {
      continue;
    }
    const std::string name = std::to_string(page) + " " + std::string(expected.listEntry);
    QTest::newRow(name.c_str()) << page;
  }
}

void SetSampleValues(WeaponRecord& record, const ExpectedPage& page) {
  for (int i = 0; i < int(page.controls.size()); ++i) {
    const ExpectedControl& c = page.controls[std::size_t(i)];
    if (c.kind == "edit") {
      TextMember(record, c.member) = std::to_string(12 + 11 * i);
    } else if (c.kind == "list") {
      NumberMember(record, c.member) = (i + 1) % int(c.entries.size());
    } else {
      NumberMember(record, c.member) = 1;
    }
  }
}

bool ChangeControl(EditorDriver& driver, const ExpectedPage& page, int index,
                   WeaponRecord& expected) {
  const ExpectedControl& c = page.controls[std::size_t(index)];
  if (c.kind == "edit") {
    TextMember(expected, c.member) = std::to_string(98 - 11 * index);
    return driver.Type(c.slot, Latin1(TextMember(expected, c.member)));
  }
  if (c.kind == "list") {
    const QComboBox* box = driver.DropDown(c.slot);
    if (!box) return false;
    const int position = (std::max(box->currentIndex(), 0) + 1) % box->count();
    NumberMember(expected, c.member) = position;
    return driver.Pick(c.slot, position);
  }
  const QCheckBox* box = driver.CheckBox();
  if (!box) return false;
  NumberMember(expected, c.member) = box->isChecked() ? 0 : 1;
  return driver.ClickCheckBox();
}

QString ShownDifferences(const EditorDriver& driver, const ExpectedPage& page,
                         WeaponRecord record) {
  QStringList differences;
  for (const ExpectedControl& c : page.controls) {
    QString shown;
    QString wanted;
    if (c.kind == "edit") {
      const QLineEdit* edit = driver.Edit(c.slot);
      shown = edit ? Quoted(edit->text().toStdString()) : QStringLiteral("no edit");
      wanted = Quoted(WithoutTrailingBlanks(TextMember(record, c.member)));
    } else if (c.kind == "list") {
      const QComboBox* box = driver.DropDown(c.slot);
      const int value = NumberMember(record, c.member);
      const bool inside = value >= 0 && value < int(c.entries.size());
      shown = box ? QString::number(box->currentIndex()) : QStringLiteral("no list");
      wanted = QString::number(inside ? value : -1);
    } else {
      const QCheckBox* box = driver.CheckBox();
      shown = box ? QString::number(box->isChecked()) : QStringLiteral("no check box");
      wanted = QString::number(NumberMember(record, c.member) == 1);
    }
    if (shown != wanted) {
      differences << Latin1(c.slot) + QStringLiteral(" shows ") + shown + QStringLiteral(", not ") +
                         wanted;
    }
  }
  return differences.join(QStringLiteral("; "));
}

int ShownPageControls(const QWidget* frame) {
  int shown = 0;
  for (const QWidget* widget : frame->findChildren<QWidget*>()) {
    const bool control = qobject_cast<const QLineEdit*>(widget) ||
                         qobject_cast<const QComboBox*>(widget) ||
                         qobject_cast<const QCheckBox*>(widget);
    if (control && widget->isVisible()) ++shown;
  }
  return shown;
}

QString RecordDifferences(const WeaponRecord& actual, const WeaponRecord& expected) {
  QStringList differences;
  for (const RecordField& field : kRecordFields) {
    QString a;
    QString e;
    if (field.IsText()) {
      a = Quoted(actual.*field.text);
      e = Quoted(expected.*field.text);
    } else {
      a = QString::number(actual.*field.number);
      e = QString::number(expected.*field.number);
    }
    if (a != e) {
      differences << Latin1(field.name) + QStringLiteral(": ") + a + QStringLiteral(" != ") + e;
    }
    if (field.own && actual.own.*field.own != expected.own.*field.own) {
      differences << QStringLiteral("own.") + Latin1(field.name) + QStringLiteral(": ") +
                         Quoted(actual.own.*field.own) + QStringLiteral(" != ") +
                         Quoted(expected.own.*field.own);
    }
  }
  return differences.join(QStringLiteral("; "));
}

}  // namespace kalvex::test

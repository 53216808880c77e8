#include "tests/window/page_values.h"

#include <algorithm>
#include <stdexcept>

#include "record/record_fields.h"

namespace kalvex::test {
namespace {

// The member's field; a name of the other kind, or no member's, is the
// test's own mistake.
const RecordField& FieldNamed(std::string_view member, bool text) {
  const RecordField* field = FindRecordField(member);
  if (!field || field->IsText() != text) throw std::invalid_argument(std::string(member));
  return *field;
}

std::string Quoted(std::string_view text) { return '"' + std::string(text) + '"'; }

std::string WithoutTrailingBlanks(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

void Add(std::string& differences, const std::string& difference) {
  differences += (differences.empty() ? "" : "; ") + difference;
}

}  // namespace

std::string& TextMember(WeaponRecord& record, std::string_view member) {
  return record.*FieldNamed(member, true).text;
}

int& NumberMember(WeaponRecord& record, std::string_view member) {
  return record.*FieldNamed(member, false).number;
}

void SetSampleValues(WeaponRecord& record, const ExpectedPage& page) {
  for (std::size_t i = 0; i < page.controls.size(); ++i) {
    const ExpectedControl& c = page.controls[i];
    if (c.kind == kEdit) {
      TextMember(record, c.member) = std::to_string(12 + 11 * i);
    } else if (c.kind == kList) {
      NumberMember(record, c.member) = int((i + 1) % c.entries.size());
    } else {
      NumberMember(record, c.member) = 1;
    }
  }
}

bool ChangeControl(WindowDriver& driver, const ExpectedPage& page, std::size_t index,
                   WeaponRecord& expected) {
  const ExpectedControl& c = page.controls[index];
  if (c.kind == kEdit) {
    TextMember(expected, c.member) = std::to_string(98 - 11 * index);
    return driver.Type(c.slot, TextMember(expected, c.member));
  }
  if (c.kind == kList) {
    const std::optional<int> selected = driver.ListSelection(c.slot);
    const std::optional<std::vector<std::string>> entries = driver.ListEntries(c.slot);
    if (!selected || !entries) return false;
    const int position = (std::max(*selected, 0) + 1) % int(entries->size());
    NumberMember(expected, c.member) = position;
    return driver.Pick(c.slot, position);
  }
  const std::optional<bool> checked = driver.IsChecked();
  if (!checked) return false;
  NumberMember(expected, c.member) = *checked ? 0 : 1;
  return driver.ClickCheckBox();
}

std::string ShownDifferences(const WindowDriver& driver, const ExpectedPage& page,
                             WeaponRecord record) {
  std::string differences;
  for (const ExpectedControl& c : page.controls) {
    std::string shown;
    std::string wanted;
    if (c.kind == kEdit) {
      const std::optional<std::string> text = driver.EditText(c.slot);
      shown = text ? Quoted(*text) : "no edit";
      wanted = Quoted(WithoutTrailingBlanks(TextMember(record, c.member)));
    } else if (c.kind == kList) {
      const std::optional<int> selected = driver.ListSelection(c.slot);
      const int value = NumberMember(record, c.member);
      const bool inside = value >= 0 && value < int(c.entries.size());
      shown = selected ? std::to_string(*selected) : "no list";
      wanted = std::to_string(inside ? value : -1);
    } else {
      const std::optional<bool> checked = driver.IsChecked();
      shown = checked ? std::to_string(*checked) : "no check box";
      wanted = std::to_string(NumberMember(record, c.member) == 1);
    }
    if (shown != wanted)
      Add(differences, std::string(c.slot) + " shows " + shown + ", not " + wanted);
  }
  return differences;
}

std::string RecordDifferences(const WeaponRecord& actual, const WeaponRecord& expected) {
  std::string differences;
  for (const RecordField& field : kRecordFields) {
    const std::string a =
        field.IsText() ? Quoted(actual.*field.text) : std::to_string(actual.*field.number);
    const std::string e =
        field.IsText() ? Quoted(expected.*field.text) : std::to_string(expected.*field.number);
    if (a != e) Add(differences, std::string(field.name) + ": " + a + " != " + e);
    if (field.own && actual.own.*field.own != expected.own.*field.own) {
      Add(differences, "own." + std::string(field.name) + ": " + Quoted(actual.own.*field.own) +
                           " != " + Quoted(expected.own.*field.own));
    }
  }
  return differences;
}

}  // namespace kalvex::test

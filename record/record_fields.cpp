#include "record/record_fields.h"

#include <algorithm>
#include <utility>

namespace kalvex {
namespace {

constexpr std::size_t CountOf(bool (*has)(const RecordField&)) {
  return static_cast<std::size_t>(std::count_if(kRecordFields.begin(), kRecordFields.end(), has));
}

constexpr bool AllOf(bool (*holds)(const RecordField&)) {
  return std::all_of(kRecordFields.begin(), kRecordFields.end(), holds);
}

static_assert(CountOf([](const RecordField& f) { return f.IsText(); }) == 27);
static_assert(CountOf([](const RecordField& f) { return f.place == FieldPlace::kHeader; }) == 1);
static_assert(CountOf([](const RecordField& f) { return f.place == FieldPlace::kDamage; }) == 1);
// A member's type fits what it holds, and a text of its own only a list
// field whose values are texts of the script (not a flag, not the style,
// whose keys are its values).
static_assert(AllOf([](const RecordField& f) {
  return f.IsText() == (f.kind == FieldKind::kText || f.kind == FieldKind::kNumber) &&
         (f.own == nullptr || f.reading == ValueRule::kTable ||
          f.reading == ValueRule::kRenderType || f.reading == ValueRule::kColour);
}));
// Every field but the code and the style has a key of its own, and no two the same.
static_assert(AllOf([](const RecordField& f) {
  return f.key.empty() == (f.place == FieldPlace::kHeader || f.reading == ValueRule::kStyle);
}));
static_assert(AllOf([](const RecordField& f) {
  return (f.key.empty() || FieldWithKey(f.key) == &f) && FieldWithKey(f.second_key) == nullptr;
}));

}  // namespace

const RecordField* FindRecordField(std::string_view name) {
  const auto it = std::find_if(kRecordFields.begin(), kRecordFields.end(),
                               [&](const RecordField& f) { return f.name == name; });
  return it == kRecordFields.end() ? nullptr : &*it;
}

const std::string* OwnText(const WeaponRecord& record, int WeaponRecord::*number) {
  const auto it = std::find_if(kRecordFields.begin(), kRecordFields.end(),
                               [&](const RecordField& f) { return f.number == number; });
  return it == kRecordFields.end() || !it->own ? nullptr : &(record.own.*it->own);
}

std::string* OwnText(WeaponRecord& record, int WeaponRecord::*number) {
  return const_cast<std::string*>(OwnText(std::as_const(record), number));
}

bool TakeListValues(const WeaponRecord& from, WeaponRecord& record) {
  bool changed = false;
  for (const RecordField& field : kRecordFields) {
    if (field.IsText()) continue;
    changed = changed || record.*field.number != from.*field.number;
    record.*field.number = from.*field.number;
    if (field.own == nullptr) continue;
    changed = changed || record.own.*field.own != from.own.*field.own;
    record.own.*field.own = from.own.*field.own;
  }
  return changed;
}

}  // namespace kalvex

// The entries that each row of the writer's layout writes for its field: the
// writer writes them for every row, an in-place save puts them into a script
// for a field that changed, and the save's check compares them.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "record/record_fields.h"
#include "script/script_layout.h"

namespace kalvex {

// One entry as written: its key (none for the header's code) and its value.
struct WrittenEntry {
  std::string_view key;
  std::string value;

  bool operator==(const WrittenEntry&) const = default;
};

// The entries of one row: none, one, or the beam colour's two.
class RowEntries {
 public:
  void Add(std::string_view key, std::string_view value) {
    entries_[size_++] = {key, std::string(value)};
  }
  std::span<const WrittenEntry> View() const { return {entries_.data(), size_}; }
  bool empty() const { return size_ == 0; }
  const WrittenEntry& front() const { return entries_.front(); }

 private:
  std::array<WrittenEntry, 2> entries_;
  std::size_t size_ = 0;
};

// What `row` writes for its field, taken on the field's own terms: no
// condition on another field applies. The none entries of the model and the
// sounds are written as their key with an empty value.
RowEntries WrittenEntries(const LayoutRow& row, const WeaponRecord& record);

// Whether `field` differs between two records (a list field's own text
// included).
bool FieldDiffers(const RecordField& field, const WeaponRecord& a, const WeaponRecord& b);

}  // namespace kalvex

// The layout of a weapon script as the writer writes it: one row per field of
// the weapon record, in the order written, with the fixed texts around each
// entry. The writer writes the rows one after the other; the in-place save
// takes from them the order of the fields and how each value is written.
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

#include "record/record_fields.h"

namespace kalvex {

// How a row writes its field. An entry is the field's key, "=", the value and
// ";"; a row writes `before`, its entries and `after`.
enum class WrittenForm {
  kCode,        // the header: `before`, the whole code, `after`, no key
  kWhole,       // the whole text
  kNumber,      // the own text, else the number in decimal; nothing for kNoEntry
  kBounded,     // up to a blank or a line feed, written even when that is empty
  kGuarded,     // an optional number up to its first blank, unless empty or zero
  kSmokeDelay,  // bounded, unless the text is exactly the reset text
  kFlag,        // the value 1 where the field holds 1, else nothing
  kStyle,       // the style's own key with the value 1; nothing for kNoEntry
  kTableOrOwn,  // the own text, else the table's value, written even when that is empty
  kTableValue,  // the own text, else the table's value; nothing where the table has none
  kColourPair,  // the beam colour's two entries with `between` them; a value it lacks
                // writes no entry
};

struct LayoutRow {
  std::string_view lead = {};  // written in any case, before the entry
  WrittenForm form = WrittenForm::kCode;
  Field field = Field::Weapcode;
  std::string_view before = {};  // written with the entry
  std::string_view after = {};
  std::string_view between = {};     // kColourPair: between its two entries
  bool conditional = false;          // the entry is written only where
  Field if_field = Field::Weapcode;  // this field
  int if_value = 0;                  // holds this value
};

namespace layout_rows {

constexpr LayoutRow Entry(WrittenForm form, Field field, std::string_view before = {},
                          std::string_view after = {}) {
  return {.form = form, .field = field, .before = before, .after = after};
}
constexpr LayoutRow Lead(std::string_view lead, LayoutRow row) {
  row.lead = lead;
  return row;
}
constexpr LayoutRow Guarded(std::string_view lead, Field field) {
  return Lead(lead, Entry(WrittenForm::kGuarded, field));
}
constexpr LayoutRow Flag(Field field, std::string_view before, std::string_view after = {}) {
  return Entry(WrittenForm::kFlag, field, before, after);
}
constexpr LayoutRow Pair(Field field, std::string_view between, std::string_view after) {
  LayoutRow row = Entry(WrittenForm::kColourPair, field, {}, after);
  row.between = between;
  return row;
}
constexpr LayoutRow When(Field field, int value, LayoutRow row) {
  row.conditional = true;
  row.if_field = field;
  row.if_value = value;
  return row;
}

}  // namespace layout_rows

inline constexpr auto kScriptLayout = [] {
  using namespace layout_rows;
  using enum Field;
  using enum WrittenForm;
  return std::array{
      Entry(kCode, Weapcode, "[", "]\n\t{\n\t"),
      Entry(kWhole, WeapID, "", "\n\t"),
      Entry(kWhole, Weapname, "", "\n\t"),
      Entry(kNumber, Weaprend, "", "\n\t"),
      Entry(kStyle, Weapstyle, "", "\n\t"),
      Entry(kTableValue, Weapbarr, "", "\n\t"),
      Flag(Weaptur, "", "\n\t"),
      Flag(Weapparl, "\n\t"),
      When(Weapbeam, 0, Entry(kTableOrOwn, Weapmodl)),
      Flag(Weapprop, "\n\t"),
      Entry(kBounded, Weaprange, "\n\n\t", "\n\t"),
      Guarded("", Weapreload),
      Guarded("\n\t", Weapenps),
      Flag(Weapauto, "\n\t"),
      Guarded("\n\t", Weaptime),
      Guarded("\n\t", Weapfght),
      Flag(Weapsprp, "\n\t"),
      Guarded("\n\t", Weapcovg),
      Flag(Weapwatr, "\n\t"),
      Guarded("\n\t", Weapspeed),
      Guarded("\n\t", Weapstsp),
      Guarded("\n\t", Weapaccl),
      Guarded("\n\t", Weapefft),
      Guarded("\n\t", Weapbrst),
      Guarded("\n\t", Weapbsta),
      Guarded("\n\t", Weapspry),
      Guarded("\n\t", Weaprand),
      Guarded("\n\t", Weapeftn),
      Lead("\n", Entry(kSmokeDelay, Weapsmdl, "\n\t")),
      Lead("\n", Flag(Weapsmtl, "\t", "\n")),
      Flag(Weapsotg, "\n\t", "\n"),
      Entry(kTableOrOwn, Weapsost, "\t", "\n\t"),
      Entry(kTableOrOwn, Weapsoht, "", "\n\t"),
      Guarded("", Weapfire),
      Flag(Weapbunc, "\n\t"),
      Flag(Weapunit, "\n\t"),
      Lead("\n\n", Flag(Weapbeam, "\t", "\n\t")),
      When(Weapbeam, 1, Pair(Weapcol2, "\n\t", "\n")),
      Flag(Weapxpld, "\n\t"),
      Flag(Weapcomm, "\n\t"),
      Flag(Weapguid, "\n\t", "\n\t"),
      When(Weapguid, 1, Entry(kGuarded, Weapturn, "", "\n")),
      Flag(Weaptrak, "\n\t"),
      Guarded("\n\t", Weapaccu),
      Guarded("\n\t", Weaprate),
      Flag(Weapblow, "\n\t"),
      Guarded("\n\t", Weaptolr),
      Entry(kTableValue, Weapexgaf, "\n\t"),
      Entry(kTableValue, Weapexart, "\n\t"),
      Lead("\n", Entry(kTableValue, Weapwtgaf, "\n\t")),
      Entry(kTableValue, Weapwtart, "\n\t"),
      Lead("\n", Entry(kTableValue, Weaplagaf, "\n\t")),
      Entry(kTableValue, Weaplaart, "\n\t"),
      Lead("\n\n", Flag(Weapsmst, "\t", "\n")),
      Flag(Weapsmed, "\t", "\n"),
      Guarded("\n\t", Weapmet),
      Guarded("\n\t", Weapenr),
      Lead("\n\n", Entry(kBounded, Weapdamage, "\t[DAMAGE]\n\t\t{\n\t\t", "\n\t\t}")),
  };
}();

// What the writer writes after the last row: the end of the body.
inline constexpr std::string_view kScriptEnd = "\n\t\n}";

// The row that writes `field`.
constexpr const LayoutRow& RowOf(Field field) {
  return *std::find_if(kScriptLayout.begin(), kScriptLayout.end(),
                       [field](const LayoutRow& row) { return row.field == field; });
}

// Each field in exactly one row, in a form that suits it: a text form for a
// text, a flag's for a flag, the header's for the code alone, a form with an
// own text for a field that takes one (a table text takes one or not);
// conditions on flags.
constexpr bool FormFits(WrittenForm form, const RecordField& field) {
  using enum WrittenForm;
  const bool text_form = form == kCode || form == kWhole || form == kBounded || form == kGuarded ||
                         form == kSmokeDelay;
  const bool own_form =
      form == kTableOrOwn || form == kTableValue || form == kNumber || form == kColourPair;
  return text_form == field.IsText() && (form == kFlag) == (field.kind == FieldKind::kFlag) &&
         (form == kCode) == (field.place == FieldPlace::kHeader) &&
         (form == kStyle) == (field.reading == ValueRule::kStyle) &&
         (form == kColourPair) == (field.reading == ValueRule::kColour) &&
         own_form == (field.own != nullptr);
}

static_assert(kScriptLayout.size() == kRecordFields.size());
static_assert(std::all_of(kRecordFields.begin(), kRecordFields.end(), [](const RecordField& f) {
  return std::count_if(kScriptLayout.begin(), kScriptLayout.end(),
                       [&](const LayoutRow& row) { return &FieldOf(row.field) == &f; }) == 1;
}));
static_assert(std::all_of(kScriptLayout.begin(), kScriptLayout.end(), [](const LayoutRow& row) {
  return FormFits(row.form, FieldOf(row.field)) &&
         (!row.conditional || FieldOf(row.if_field).kind == FieldKind::kFlag);
}));

}  // namespace kalvex

#include "script/script_writer.h"

#include <string_view>

#include "script/field_entries.h"
#include "script/script_layout.h"

namespace kalvex {
namespace {

// Appends `text` to `out` with each line feed stored as CR LF.
void Put(std::string& out, std::string_view text) {
  for (std::size_t line_feed = text.find('\n'); line_feed != std::string_view::npos;
       line_feed = text.find('\n')) {
    out.append(text.substr(0, line_feed));
    out.append("\r\n");
    text.remove_prefix(line_feed + 1);
  }
  out.append(text);
}

void PutRow(std::string& out, const LayoutRow& row, const WeaponRecord& record) {
  Put(out, row.lead);
  if (row.conditional && record.*FieldOf(row.if_field).number != row.if_value) return;
  const RowEntries entries = WrittenEntries(row, record);
  if (entries.empty()) return;
  Put(out, row.before);
  bool first = true;
  for (const WrittenEntry& entry : entries.View()) {
    if (!first) Put(out, row.between);
    first = false;
    if (row.form == WrittenForm::kCode) {
      Put(out, entry.value);
      continue;
    }
    Put(out, entry.key);
    Put(out, "=");
    Put(out, entry.value);
    Put(out, ";");
  }
  Put(out, row.after);
}

}  // namespace

std::string WriteScript(const WeaponRecord& record) {
  std::string bytes;
  for (const LayoutRow& row : kScriptLayout) PutRow(bytes, row, record);
  Put(bytes, kScriptEnd);
  return bytes;
}

}  // namespace kalvex

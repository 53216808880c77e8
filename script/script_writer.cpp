#include "script/script_writer.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>
#include <utility>

#include "script/script_layout.h"
#include "script/value_forms.h"
#include "script/value_tables.h"

namespace kalvex {
namespace {

// Writes script text into `out`, storing every line feed as CR LF. The text
// goes straight into the string's own buffer, which Finish() cuts to length;
// a script is written from many short pieces, and appending each one to the
// string, or calling a function per piece, would cost more than copying it.
class ScriptOut {
 public:
  explicit ScriptOut(std::string& out) : out_(out) {
    out_.resize(std::max(out_.capacity(), kInitialSize));
    next_ = out_.data();
  }

  [[gnu::always_inline]] void Put(std::string_view text) {
    MakeRoom(2 * text.size());  // every character may be a line feed
    char* next = next_;
    for (const char c : text) {
      if (c == '\n') *next++ = '\r';
      *next++ = c;
    }
    next_ = next;
  }

  // A constant text whose line feeds are already stored as CR LF.
  [[gnu::always_inline]] void PutStored(std::string_view text) {
    if (text.empty()) return;
    MakeRoom(text.size());
    std::memcpy(next_, text.data(), text.size());
    next_ += text.size();
  }

  void PutNumber(int value) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    Put(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
  }

  void Finish() { out_.resize(Used()); }

 private:
  static constexpr std::size_t kInitialSize = 2048;

  std::size_t Used() const { return static_cast<std::size_t>(next_ - out_.data()); }

  void MakeRoom(std::size_t size) {
    const std::size_t used = Used();
    if (out_.size() - used >= size) return;
    out_.resize(std::max(2 * out_.size(), used + size));
    next_ = out_.data() + used;
  }

  std::string& out_;
  char* next_;
};

// Constant texts joined, with each line feed stored as CR LF, so that the
// writer copies them as they are.
template <std::size_t N>
struct StoredText {
  std::array<char, N> chars{};

  std::string_view View() const { return {chars.data(), N}; }
};

// Up to five texts; every one is given, as GCC 12 refuses the view that a
// shorter list would value-initialize when a template's constant reads it.
using TextParts = std::array<std::string_view, 5>;

constexpr std::size_t StoredSize(const TextParts& parts) {
  std::size_t size = 0;
  for (const std::string_view part : parts) size += part.size() + std::ranges::count(part, '\n');
  return size;
}

template <std::size_t N>
constexpr StoredText<N> Stored(const TextParts& parts) {
  StoredText<N> text;
  std::size_t next = 0;
  for (const std::string_view part : parts) {
    for (const char c : part) {
      if (c == '\n') text.chars[next++] = '\r';
      text.chars[next++] = c;
    }
  }
  return text;
}

constexpr bool HasKey(WrittenForm form) {
  return form != WrittenForm::kCode && form != WrittenForm::kTableText;
}

// Whether the row writes its entry whatever the record holds.
constexpr bool WrittenAlways(const LayoutRow& row) {
  switch (row.form) {
    case WrittenForm::kCode:
    case WrittenForm::kWhole:
    case WrittenForm::kNumber:
    case WrittenForm::kBounded:
    case WrittenForm::kTableOrOwn:
    case WrittenForm::kExplosion:
      return !row.conditional;
    case WrittenForm::kGuarded:
    case WrittenForm::kSmokeDelay:
    case WrittenForm::kFlag:
    case WrittenForm::kTableText:
      return false;
  }
  return false;
}

// What the row writes before its value: the whole entry for a flag.
constexpr TextParts HeadParts(const LayoutRow& row) {
  const std::string_view lead = WrittenAlways(row) ? row.lead : "";
  const std::string_view key = HasKey(row.form) ? FieldOf(row.field).key : "";
  if (row.form == WrittenForm::kFlag) return {lead, row.before, key, "=1;", row.after};
  return {lead, row.before, key, HasKey(row.form) ? "=" : "", ""};
}

constexpr TextParts TailParts(const LayoutRow& row) {
  if (row.form == WrittenForm::kFlag) return {"", "", "", "", ""};
  const bool semicolon = HasKey(row.form) && row.form != WrittenForm::kExplosion;
  return {semicolon ? ";" : "", row.after, "", "", ""};
}

// The constant texts of row I.
template <std::size_t I>
constexpr TextParts kLeadParts = {WrittenAlways(kScriptLayout[I]) ? "" : kScriptLayout[I].lead, "",
                                  "", "", ""};
template <std::size_t I>
constexpr TextParts kHeadParts = HeadParts(kScriptLayout[I]);
template <std::size_t I>
constexpr TextParts kTailParts = TailParts(kScriptLayout[I]);

template <const TextParts& kParts>
constexpr StoredText<StoredSize(kParts)> kStored = Stored<StoredSize(kParts)>(kParts);

// A table entry: the field's own text where it has one, else the table's.
[[gnu::always_inline]] inline std::string_view TableOrOwn(const RecordField& field,
                                                          const WeaponRecord& r) {
  const std::string& own = r.own.*field.own;
  return own.empty() ? TableText(WrittenTable(field), r.*field.number) : std::string_view(own);
}

// The value of row I's entry, between its head and its tail.
template <std::size_t I>
[[gnu::always_inline]] inline void PutValue(ScriptOut& out, const WeaponRecord& r) {
  constexpr const LayoutRow& row = kScriptLayout[I];
  constexpr const RecordField& field = FieldOf(row.field);
  if constexpr (row.form == WrittenForm::kCode || row.form == WrittenForm::kWhole) {
    out.Put(WholeForm(r.*field.text));
  } else if constexpr (row.form == WrittenForm::kNumber) {
    out.PutNumber(r.*field.number);
  } else if constexpr (row.form == WrittenForm::kGuarded) {
    out.Put(GuardedForm(r.*field.text));
  } else if constexpr (row.form == WrittenForm::kBounded || row.form == WrittenForm::kSmokeDelay) {
    out.Put(BoundedForm(r.*field.text));
  } else if constexpr (row.form == WrittenForm::kTableOrOwn) {
    out.Put(TableOrOwn(field, r));
  } else if constexpr (row.form == WrittenForm::kExplosion) {
    // Own texts carry no ";", the table's do.
    out.Put(TableOrOwn(field, r));
    if (!(r.own.*field.own).empty()) out.Put(";");
  } else if constexpr (row.form == WrittenForm::kTableText) {
    out.Put(TableText(WrittenTable(field), r.*field.number));
  }
}

// Whether row I writes its entry for `r`.
template <std::size_t I>
[[gnu::always_inline]] inline bool EntryWritten(const WeaponRecord& r) {
  constexpr const LayoutRow& row = kScriptLayout[I];
  constexpr const RecordField& field = FieldOf(row.field);
  if constexpr (row.conditional) {
    if (r.*FieldOf(row.if_field).number != row.if_value) return false;
  }
  if constexpr (row.form == WrittenForm::kGuarded) return GuardPasses(r.*field.text);
  if constexpr (row.form == WrittenForm::kSmokeDelay) return SmokeDelayWritten(r.*field.text);
  if constexpr (row.form == WrittenForm::kFlag) return r.*field.number == 1;
  if constexpr (row.form == WrittenForm::kTableText) {
    return !TableText(WrittenTable(field), r.*field.number).empty();
  }
  return true;
}

// Each row is written by code of its own, as if written out by hand: the
// layout is fixed, and a loop over it would look up every row's form and
// texts again for each script.
template <std::size_t I>
[[gnu::always_inline]] inline void PutRow(ScriptOut& out, const WeaponRecord& r) {
  out.PutStored(kStored<kLeadParts<I>>.View());
  if (!EntryWritten<I>(r)) return;
  out.PutStored(kStored<kHeadParts<I>>.View());
  PutValue<I>(out, r);
  out.PutStored(kStored<kTailParts<I>>.View());
}

template <std::size_t... I>
void PutRows(ScriptOut& out, const WeaponRecord& r, std::index_sequence<I...>) {
  (PutRow<I>(out, r), ...);
}

}  // namespace

void WriteScript(const WeaponRecord& r, std::string& bytes) {
  ScriptOut out(bytes);
  PutRows(out, r, std::make_index_sequence<kScriptLayout.size()>());
  out.Finish();
}

std::string WriteScript(const WeaponRecord& record) {
  std::string bytes;
  WriteScript(record, bytes);
  return bytes;
}

}  // namespace kalvex

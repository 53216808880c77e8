#include "script/script_writer.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>

#include "script/script_layout.h"
#include "script/table_match.h"
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

constexpr bool HasKey(WrittenForm form) {
  return form != WrittenForm::kCode && form != WrittenForm::kTableText;
}

// A constant text with each line feed stored as CR LF, so that the writer
// copies it as it is.
struct StoredText {
  std::array<char, 64> chars{};
  std::size_t size = 0;

  constexpr void Add(std::string_view text) {
    for (const char c : text) {
      if (c == '\n') chars[size++] = '\r';
      chars[size++] = c;
    }
  }
  std::string_view View() const { return {chars.data(), size}; }
};

// What a row writes in any case (lead), and with its entry before (head) and
// after (tail) the value; a flag's head is its whole entry.
struct RowTexts {
  StoredText lead, head, tail;
};

constexpr RowTexts TextsOf(const LayoutRow& row) {
  RowTexts texts;
  texts.lead.Add(row.lead);
  texts.head.Add(row.before);
  if (HasKey(row.form)) texts.head.Add(FieldOf(row.field).key);
  if (row.form == WrittenForm::kFlag) {
    texts.head.Add("=1;");
    texts.head.Add(row.after);
    return texts;
  }
  if (HasKey(row.form)) texts.head.Add("=");
  if (HasKey(row.form) && row.form != WrittenForm::kExplosion) texts.tail.Add(";");
  texts.tail.Add(row.after);
  return texts;
}

template <std::size_t I>
constexpr RowTexts kRowTexts = TextsOf(kScriptLayout[I]);

// An own barrel angle or beam colour, in the shape of the table's texts:
// each entry on a line of its own ("minbarrelangle=-55;\n\t",
// "color=3;\n\tcolor2=7;\n").
void PutOwnTableText(ScriptOut& out, const RecordField& field, const std::string& own) {
  if (field.reading != ValueRule::kColour) {
    out.Put(field.key);
    out.Put("=");
    out.Put(own);
    out.Put(";\n\t");
    return;
  }
  const ColourValues values = OwnColourValues(own);
  if (values.first) {
    out.Put(field.key);
    out.Put("=");
    out.Put(*values.first);
    out.Put(";\n");
  }
  if (values.second) {
    if (values.first) out.Put("\t");
    out.Put(field.second_key);
    out.Put("=");
    out.Put(*values.second);
    out.Put(";\n");
  }
}

// The value of row I's entry, or nothing where it writes none. Flags, the
// render type and own table texts are written by PutRow.
template <std::size_t I>
[[gnu::always_inline]] inline std::optional<std::string_view> RowValue(const WeaponRecord& r) {
  constexpr const LayoutRow& row = kScriptLayout[I];
  constexpr const RecordField& field = FieldOf(row.field);
  if constexpr (field.IsText()) {
    return TextFormValue(row.form, r.*field.text);
  } else if constexpr (row.form == WrittenForm::kTableOrOwn) {
    const std::string& own = r.own.*field.own;
    return own.empty() ? TableText(WrittenTable(field), r.*field.number) : std::string_view(own);
  } else {
    // An explosion or table text outside its table writes no entry.
    const std::string_view text = TableText(WrittenTable(field), r.*field.number);
    if (text.empty()) return std::nullopt;
    return text;
  }
}

// Each row is written by code of its own, as if written out by hand: the
// layout is fixed, and a loop over it would look up every row's form and
// texts again for each script.
template <std::size_t I>
[[gnu::always_inline]] inline void PutRow(ScriptOut& out, const WeaponRecord& r) {
  constexpr const LayoutRow& row = kScriptLayout[I];
  constexpr const RecordField& field = FieldOf(row.field);
  constexpr const RowTexts& texts = kRowTexts<I>;
  out.PutStored(texts.lead.View());
  if constexpr (row.conditional) {
    if (r.*FieldOf(row.if_field).number != row.if_value) return;
  }
  if constexpr (row.form == WrittenForm::kFlag) {
    if (r.*field.number == 1) out.PutStored(texts.head.View());
    return;
  }
  if constexpr (field.own != nullptr && row.form != WrittenForm::kTableOrOwn) {
    // A render type, barrel angle, beam colour or explosion of the mod's own.
    if (const std::string& own = r.own.*field.own; !own.empty()) {
      out.PutStored(texts.head.View());
      if constexpr (row.form == WrittenForm::kTableText) {
        PutOwnTableText(out, field, own);
      } else {
        out.Put(own);
        if constexpr (row.form == WrittenForm::kExplosion) out.Put(";");
      }
      out.PutStored(texts.tail.View());
      return;
    }
  }
  if constexpr (row.form == WrittenForm::kNumber) {
    if (r.*field.number == kNoEntry) return;
    out.PutStored(texts.head.View());
    out.PutNumber(r.*field.number);
  } else {
    const std::optional<std::string_view> value = RowValue<I>(r);
    if (!value) return;
    out.PutStored(texts.head.View());
    out.Put(*value);
  }
  out.PutStored(texts.tail.View());
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

#include "tools/kalvex_tdf/record_lines.h"

#include <charconv>
#include <optional>

#include "record/record_fields.h"
#include "script/ascii_case.h"
#include "script/table_match.h"

namespace kalvex {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A member name that is not one: with the member it meant when only the case
// differs.
std::string UnknownMember(std::string_view name) {
  if (name.starts_with(kByteOrderMark)) {
    name.remove_prefix(kByteOrderMark.size());
    return "an invisible byte-order mark (bytes EF BB BF) stands before \"" + std::string(name) +
           "\"; save the lines without it";
  }
  std::string message = "unknown member \"" + std::string(name) + "\"";
  for (const RecordField& field : kRecordFields) {
    if (EqualIgnoringCase(field.name, name)) {
      return message + "; did you mean \"" + std::string(field.name) + "\"?";
    }
  }
  return message;
}

// A character of the structure as the message shows it.
std::string Shown(char c) { return c == '\r' ? "a line end" : std::string{'"', c, '"'}; }

std::optional<int> ParseInteger(std::string_view text) {
  int value = 0;
  const char* const end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || ptr != end) return std::nullopt;
  return value;
}

// An optional "-" and digits: a position in a list, however large.
bool IsWholeNumber(std::string_view text) {
  if (text.starts_with('-')) text.remove_prefix(1);
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The form of a list member's script text: "text".
bool IsQuoted(std::string_view value) {
  return value.size() >= 2 && value.front() == '"' && value.back() == '"';
}

std::optional<std::string> PunctuationIn(std::string_view name, std::string_view value) {
  const std::size_t at = value.find_first_of(kScriptPunctuation);
  if (at == std::string_view::npos) return std::nullopt;
  return std::string(name) + " must not hold " + Shown(value[at]) +
         " (none of ; = [ ] { } or a line end)";
}

// What an integer member takes, as its refusal says.
std::string WhatItTakes(const RecordField& field) {
  if (field.kind == FieldKind::kFlag) return "0, 1 or nothing (0)";
  const std::string positions =
      "a position in its list from 0 to " + std::to_string(ListPositions(field) - 1) + ", ";
  if (field.reading == ValueRule::kStyle) {
    return positions + "ballistic, lineofsight, dropped or nothing";
  }
  if (field.reading == ValueRule::kColour) {
    return positions +
           "its values as the script gives them (\"232 / 234\", \"232\" or "
           "\"/ 234\") or nothing";
  }
  return positions + "its script text (in double quotes where it is a whole number) or nothing";
}

std::string Refused(const RecordField& field, std::string_view value) {
  return std::string(field.name) + " takes " + WhatItTakes(field) + ", not \"" +
         std::string(value) + "\"";
}

// A beam colour of its own must be spelled as the reader gives it: one or
// two values without blanks, joined by " / ".
bool IsColourText(std::string_view text) {
  const ColourValues values = OwnColourValues(text);
  const auto fits = [](std::optional<std::string_view> value) {
    return !value || (!value->empty() && value->find_first_of(" \t") == std::string_view::npos);
  };
  return fits(values.first) && fits(values.second) && OwnColourText(values) == text;
}

// Sets a list member from a script text: the position of the list that holds
// it, else the member's own text.
std::optional<std::string> ApplyListText(const RecordField& field, std::string_view value,
                                         std::string_view text, WeaponRecord& record) {
  if (const std::optional<int> position = MatchListText(field, text)) {
    record.*field.number = *position;
    if (field.own) (record.own.*field.own).clear();
    return std::nullopt;
  }
  if (!field.own) return Refused(field, value);
  if (field.reading == ValueRule::kColour && !IsColourText(text)) return Refused(field, value);
  if (std::optional<std::string> error = PunctuationIn(field.name, text)) return error;
  record.own.*field.own = std::string(text);
  return std::nullopt;
}

// Sets an integer member: nothing gives the value of a weapon without its
// entry, a whole number is a position, any other text (in double quotes
// where it is a whole number) a script text.
std::optional<std::string> ApplyInteger(const RecordField& field, std::string_view value,
                                        WeaponRecord& record) {
  if (value.empty()) {
    record.*field.number = field.absent;
    if (field.own) (record.own.*field.own).clear();
    return std::nullopt;
  }
  if (value.front() == '"') {
    if (!IsQuoted(value)) return Refused(field, value);
    const std::string_view text = value.substr(1, value.size() - 2);
    if (text.empty()) return std::string(field.name) + " needs a text between its double quotes";
    return ApplyListText(field, value, text, record);
  }
  if (!IsWholeNumber(value)) return ApplyListText(field, value, value, record);
  const std::optional<int> position = ParseInteger(value);
  if (!position || *position < 0 || *position >= ListPositions(field)) {
    return Refused(field, value);
  }
  record.*field.number = *position;
  if (field.own) (record.own.*field.own).clear();
  return std::nullopt;
}

// Applies one `Name=value` line; the error message, if any.
std::optional<std::string> ApplyLine(std::string_view line, WeaponRecord& record) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos || equals == 0) return "not a Name=value line";
  const std::string_view name = line.substr(0, equals);
  const std::string_view value = line.substr(equals + 1);
  const RecordField* field = FindRecordField(name);
  if (field == nullptr) return UnknownMember(name);
  if (value.find('\0') != std::string_view::npos) {
    return std::string(name) + " holds a NUL byte";
  }
  if (field->IsText()) {
    if (std::optional<std::string> error = PunctuationIn(name, value)) return error;
    record.*field->text = std::string(value);
    return std::nullopt;
  }
  return ApplyInteger(*field, value, record);
}

}  // namespace

RecordLinesResult ParseRecordLines(std::string_view text, WeaponRecord& record) {
  WeaponRecord parsed = record;
  int number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t lf = text.find('\n');
    std::string_view line = text.substr(0, lf);
    text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    if (std::optional<std::string> error = ApplyLine(line, parsed)) {
      return {false, number, std::move(*error)};
    }
  }
  record = std::move(parsed);
  return {};
}

std::string PrintRecordLines(const WeaponRecord& record) {
  std::string text;
  for (const RecordField& field : kRecordFields) {
    text += field.name;
    text += '=';
    if (field.IsText()) {
      text += record.*field.text;
    } else if (field.own && !(record.own.*field.own).empty()) {
      text += '"';
      text += record.own.*field.own;
      text += '"';
    } else if (record.*field.number == kNoEntry && field.absent == kNoEntry) {
      // No entry, and no list entry for none: nothing.
    } else {
      text += std::to_string(record.*field.number);
    }
    text += '\n';
  }
  return text;
}

}  // namespace kalvex

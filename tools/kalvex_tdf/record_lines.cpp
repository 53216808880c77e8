#include "tools/kalvex_tdf/record_lines.h"

#include <charconv>
#include <optional>

#include "record/record_fields.h"
#include "script/ascii_case.h"

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

// The form of a table member's own text: "text".
bool IsQuoted(std::string_view value) {
  return value.size() >= 2 && value.front() == '"' && value.back() == '"';
}

std::optional<std::string> PunctuationIn(std::string_view name, std::string_view value) {
  const std::size_t at = value.find_first_of(kScriptPunctuation);
  if (at == std::string_view::npos) return std::nullopt;
  return std::string(name) + " must not hold " + Shown(value[at]) +
         " (none of ; = [ ] { } or a line end)";
}

// Sets the table member's own text from its quoted form; its index stays.
std::optional<std::string> ApplyOwnText(const RecordField& field, std::string_view quoted,
                                        WeaponRecord& record) {
  const std::string_view text = quoted.substr(1, quoted.size() - 2);
  if (text.empty()) return std::string(field.name) + " needs a text between its double quotes";
  if (std::optional<std::string> error = PunctuationIn(field.name, text)) return error;
  record.own.*field.own = std::string(text);
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
  if (field->own && IsQuoted(value)) return ApplyOwnText(*field, value, record);
  const std::optional<int> number = ParseInteger(value);
  if (!number) {
    return std::string(name) + " needs a whole number from -2147483648 to 2147483647" +
           (field->own ? " or a text in double quotes" : "") + ", not \"" + std::string(value) +
           "\"";
  }
  record.*field->number = *number;
  if (field->own) (record.own.*field->own).clear();
  return std::nullopt;
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
    } else {
      text += std::to_string(record.*field.number);
    }
    text += '\n';
  }
  return text;
}

}  // namespace kalvex

// What check reports of the reader's findings about one weapon, judged by
// the table of known keys:
// - an entry that no field reads is silent when its key is known where it
//   stands and its value is of the key's kind, "unknown_key" (with the known
//   key it is a near miss of) when the key is not, and "wrong_kind" when the
//   value is not; entries of a section that is not known are left to the
//   section's finding, and those of a section inside another count as the
//   outer section's;
// - a number field's value that is not a number is "wrong_kind" too;
// - a section is silent when it is known, "unknown_section" (with the known
//   section it is a near miss of) when it is not; a section inside another
//   is never known;
// - a token without "=" is "missing_equals";
// - every other finding keeps the reader's kind and words.
// A finding fails `check --strict` when it is an unknown key or section, a
// value of the wrong kind, or what saving in place would lose or change: a
// malformed entry (a missing ";" or "="), an unclosed section or comment,
// and text before the header, between weapons or after the last. A key
// given twice, a value no list holds and an old spelling fail nothing.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "script/script_document.h"

namespace kalvex::tdf {

struct CheckFinding {
  std::size_t line = 0;  // 0: about the whole weapon
  std::string_view kind = {};
  std::string key = {};
  std::string value = {};
  std::string suggestion = {};  // the known key or section meant, as the table spells it
  std::string message = {};
  bool fails_strict = false;
};

// The findings of `read`, the result of reading the weapon at `index` of
// `document`, in the reader's order.
std::vector<CheckFinding> CheckReaderFindings(const ScriptDocument& document, std::size_t index,
                                              const ReadResult& read);

struct CommandContext;

// For a command that shows or writes only the fields of the weapon at `index`
// of the script at `path`: says on standard error how many findings `check`
// lists of it, and how many of its entries no field reads and so are left
// out; nothing where there are none.
void NoteFindings(const CommandContext& context, std::string_view path,
                  const ScriptDocument& document, std::size_t index, const ReadResult& read);

}  // namespace kalvex::tdf

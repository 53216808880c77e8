// Fills a weapon record from a weapon of a script. How a script is read (its
// weapons, entries, sections, comments and values, and what is reported) is
// told in docs/format.md.
//
// The record: ReadWeapon first gives the record its reset values, then every
// integer field the value of a weapon without its entry (its rule's `absent`:
// flags 0, model 14, sounds 31 and 21, barrel angle 0, and kNoEntry for the
// render type, the style, the beam colour and the explosions), so the result
// depends on the bytes alone and never inherits the previous weapon. A value
// that no list holds goes into record.own as written (see OwnTexts).
//
// Findings: the first kMaxKeptFindings are kept and the rest only counted.
// Time is linear in the size of the input.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "record/weapon_record.h"

namespace kalvex {

enum class FindingKind {
  kSkippedKey,        // a key the reader does not know, skipped with its value
  kUnmatchedValue,    // an empty value of a render type, explosion or beam colour
  kMissingSemicolon,  // a value that ran over a line end into the next entry
  kUnclosedSection,   // a section name without its "]"
  kUnknownSection,    // a section other than "[DAMAGE]" (key: its name, empty for a
                      // "{" without one), skipped with its entries
  kAfterWeapon,       // the file goes on after the weapon; none of it is kept
  kBeforeHeader,      // characters passed over before the header's "["
  kUnclosedComment,   // a "/*" without "*/": the rest of the file is a comment
  kRepeatedKey,       // an entry whose key is given again after it; the later one counts
  kNotANumber,        // a number field's value that is not a decimal number
  kOldSpelling,       // "h20", "h20boom1", "h20boom2" or "bombre1": saving writes it anew
};

// Whether the editor tells of a finding of this kind after File, Open: only
// of what is malformed (a missing ";", an unclosed section or comment, a key
// given twice, a number field's value that is not a number) and of what
// saving writes anew. Saving keeps everything else as it stands.
bool ShownAfterOpen(FindingKind kind);

struct ReadFinding {
  FindingKind kind = FindingKind::kSkippedKey;
  std::size_t line = 0;   // line of the entry's key, from 1; CR LF, LF and CR end lines
  std::string key;        // as written, blanks inside collapsed, at most 64 characters;
                          // "[]" for the header's code; after the weapon: "[" code "]"
                          // of another weapon, or the first entry that follows
  std::string value;      // skipped, unpaired, unmatched, missing ";", repeated, not a
                          // number, old spelling: the value (at most 44 characters);
                          // before the header: what was passed over
  std::size_t begin = 0;  // the bytes of the script that the finding covers:
  std::size_t end = 0;    // [begin, end), from the entry's key to its end

  // Findings are equal when they say the same; where they lie is not compared.
  bool operator==(const ReadFinding& other) const {
    return kind == other.kind && line == other.line && key == other.key && value == other.value;
  }
};

inline constexpr std::size_t kMaxKeptFindings = 1000;

struct ReadResult {
  bool header_found = false;          // a weapon header "[" ... "]" was read
  bool utf16 = false;                 // the bytes are UTF-16 text, not read at all
  std::size_t id_line = 0;            // the line of the "ID=" entry kept, 0 without one
  std::vector<ReadFinding> findings;  // in the order met, at most kMaxKeptFindings
  std::size_t findings_not_kept = 0;  // findings met after the kept ones
};

// Reads the first weapon of the script in `bytes` into `record` (see above).
ReadResult ReadScript(std::string_view bytes, WeaponRecord& record);

}  // namespace kalvex

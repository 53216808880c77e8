// Fills a weapon record from a weapon of a script.
//
// OpenScript (script_document.h) makes one forward pass over the bytes and
// never moves back; ReadWeapon fills the record from the entries it found.
// Whitespace (blank, tab, line ends, vertical tab, form feed; NUL bytes count
// as line ends) is skipped between tokens, and comments ("//" to the end of
// the line, "/*" to "*/") are skipped where a header or an entry may begin.
//
// What it reads - every character that is not blank and not in a comment is
// either read into the record or lies in the span of a finding:
// - The first header "[" code "]": after a UTF-8 byte order mark, whitespace
//   and comments, the "[" is looked for among the first 40 characters that
//   are not blanks; those passed over are reported. Without a "[" there, or
//   without its "]", no weapon is found. A UTF-16 file is told as such.
// - Weapons follow one another: a "[" at the outer level, after a weapon's
//   body is closed or before it is opened, begins the next one ("[DAMAGE]"
//   there stays with the weapon before it, whose body was closed too
//   early). What stands between the "}" that closes a body and the next
//   weapon is reported as one finding of the weapon before.
// - Everything after the header up to the "}" that closes the weapon's body
//   is read as entries key "=" value ";", in any order; "ID=", "name=",
//   "rendertype=" and the style entries may stand anywhere. Keys are compared
//   whole and without regard to case. A key it does not know is skipped with
//   its value and reported (a finding the window does not show: saving keeps
//   the entry); so is a token without "=" before its ";". A key with a field
//   given twice in the body (or in "[DAMAGE]") keeps its last value, and the
//   earlier entry is reported.
// - "[DAMAGE]" "{" ... "}" inside the body holds "default=", read into
//   Weapdamage; any other section (or "{" without a name) is reported and
//   skipped, its entries reported key by key, as is every other key in the
//   damage section (the per-target damage). A section name ends at its "]";
//   one that meets a line end, "{" or "}" first is reported and taken as it
//   stands.
// - A value runs up to its ";" (which is consumed), over "}" and "{" alike. A
//   value that runs over a line end into a line that begins an entry (key
//   "=", "}", "[" or a comment) ends at that line end, or before a comment on
//   its line, and is reported as missing its ";". A value that the end of
//   input cuts short is read as it stands.
// - Values are read whole, however long. Code, ID and name keep the blanks
//   inside them; line ends inside them are dropped, and so are the blanks
//   around them; one that is then empty holds the reset text " ".
// - Every other value has all its whitespace dropped ("8 00" reads as 800). A
//   text member holds exactly the characters of its value: "range=;" gives
//   the empty text. A value of a number field that is not empty and not a
//   decimal number (an optional "-", digits, at most one point, at least one
//   digit) is kept as it stands and reported.
// - Flags: a value that is the number 0 ("0", "00", "0.0", "-0", judged on
//   all its characters however many) gives 0, any other value 1. A style
//   entry with such a zero leaves the style as it is.
// - "rendertype=": a whole number 0 to 7 is stored; any other value is kept
//   in record.own as written; an empty one is reported.
// - Table values are matched whole, without regard to case. An empty value is
//   the table's none entry (model 14, start sound 31, hit sound 21, barrel
//   angle 0). The old digit spellings "h20", "h20boom1", "h20boom2" and
//   "bombre1" are read as "h2o", "h2oboom1", "h2oboom2" and "bombrel" and
//   reported, as saving writes them anew. A value that no list holds (a
//   model, sound, explosion or barrel angle of the mod's own) is kept in
//   record.own as written (the model index becomes 14); an empty explosion
//   leaves the member as it is and is reported.
// - "color=" and "color2=" give the beam colour together: the list's colour
//   whose pair both their values are, else the values as they stand in
//   record.own (see OwnTexts). An empty value is reported and counts as no
//   entry.
// - A "/*" comment without its "*/" is reported.
//
// The record: ReadWeapon first gives the record its reset values, then every
// integer field the value of a weapon without its entry (its rule's `absent`:
// flags 0, model 14, sounds 31 and 21, barrel angle 0, and kNoEntry for the
// render type, the style, the beam colour and the explosions), so the result
// depends on the bytes alone and never inherits the previous weapon. Members
// whose entry is missing keep those values.
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

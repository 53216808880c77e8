// A weapon script read once into a document: its text as last opened or
// saved, and where each weapon, entry, section and comment lies in it. A
// weapon of the document fills a weapon record by the reader's rules
// (script_reader.h), and is saved by editing the document's text in place,
// so that every byte the user did not change stays as it was.
//
// How a save edits the text, field by field, and how it is checked before
// anything is written, is told in docs/format.md.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "record/record_fields.h"
#include "script/script_reader.h"

namespace kalvex {

// Bytes [begin, end) of the document's text.
struct TextRange {
  std::size_t begin = 0;
  std::size_t end = 0;

  bool empty() const { return begin == end; }
  std::size_t size() const { return end - begin; }
};

// Where an entry stands: in the weapon's body, in its "[DAMAGE]" section, or
// in another section (whose entries no field reads).
enum class EntryScope : unsigned char { kBody, kDamage, kOther };

inline constexpr std::size_t kNoPlace = static_cast<std::size_t>(-1);

// What the key of an entry sets: a field, and which of the field's keys it is
// (`nth`, from 0). Most fields have one key; the beam colour's second key
// ("color2") is its key 1; the style has a key for each style of fire, whose
// `nth` is the style it sets.
struct FieldKey {
  const RecordField* field = nullptr;  // nullptr for a key without a field
  unsigned char nth = 0;

  auto operator<=>(const FieldKey&) const = default;
};

struct ScriptEntry {
  TextRange key;                     // the key as written, blanks around it left out
  TextRange value;                   // first to last byte of the value that is not a blank;
                                     // without ";" it ends before a line end or a comment
  std::size_t semicolon = kNoPlace;  // the ";" that ends it, or kNoPlace
  std::size_t line_number = 0;       // of the key, from 1
  FieldKey sets;                     // what its key sets
  EntryScope scope = EntryScope::kBody;
  bool ran_into_next_line = false;  // its ";" is missing before the next entry

  // From the key to the ";" (or the value's end).
  TextRange Whole() const { return {key.begin, semicolon == kNoPlace ? value.end : semicolon + 1}; }
};

// A section "[NAME]" of a weapon with its braces.
struct ScriptSection {
  TextRange name;                // from "[" to "]" (or where the name stopped)
  std::size_t open = kNoPlace;   // its "{", or kNoPlace
  std::size_t close = kNoPlace;  // its "}", or kNoPlace
  std::size_t first_entry = 0;   // its entries: [first_entry, end_entry) of
  std::size_t end_entry = 0;     // the weapon's entries
  bool damage = false;           // the "[DAMAGE]" section
};

// A finding of the scan that no single entry's value gives (a token without
// "=", a section, a comment, text around the weapons): it is told before the
// entry at `before_entry` (an index into the weapon's entries).
struct StructureFinding {
  ReadFinding finding;
  std::size_t before_entry = 0;
};

struct ScriptWeapon {
  TextRange header;                  // from "[" to "]"
  TextRange code;                    // the code between the brackets, blanks around left out
  std::size_t header_line = 0;       // from 1
  std::size_t open = kNoPlace;       // the body's "{", or kNoPlace
  std::size_t close = kNoPlace;      // the body's closing "}", or kNoPlace
  TextRange span;                    // from "[" to the end of what follows the weapon
  std::vector<ScriptEntry> entries;  // in the order written
  std::vector<ScriptSection> sections;
  std::vector<StructureFinding> findings;
};

struct ScriptDocument {
  std::string text;                    // the script as last opened or saved
  std::string_view line_end = "\r\n";  // the first line end of the text; CR LF without one
  bool utf16 = false;                  // UTF-16 text: not read, no weapons
  std::vector<ScriptWeapon> weapons;
  std::vector<TextRange> comments;  // "//" to the line end, "/*" to "*/"
};

// The whole line of an entry with its line end, where nothing but blanks
// stands beside the entry there; empty otherwise.
TextRange LineAlone(const ScriptDocument& document, const ScriptEntry& entry);

// Reads `bytes` into a document. Without a header "[" ... "]" among the first
// 40 characters that are not blanks (after a UTF-8 byte order mark, blanks
// and comments), the document has no weapons. Every "[" at the outer level
// after a weapon begins the next one, but "[DAMAGE]", which stays in the
// weapon before it (a body closed too early).
ScriptDocument OpenScript(std::string bytes);

// Fills `record` from the weapon at `index` (script_reader.h tells how); the
// result holds its findings. An index past the weapons gives the record its
// reset values and a result without a header.
ReadResult ReadWeapon(const ScriptDocument& document, std::size_t index, WeaponRecord& record);

// Fills `record` as ReadWeapon does, without the findings: for the saves,
// which compare records only.
void ReadWeaponRecord(const ScriptDocument& document, std::size_t index, WeaponRecord& record);

// One weapon as the list of weapons offers it.
struct WeaponChoice {
  std::string code;
  std::string name;
  std::string id;
  std::size_t line = 0;  // of its header, from 1
};

std::vector<WeaponChoice> ListWeapons(const ScriptDocument& document);

// The text after a save, or why the save was refused (then `text` is empty).
struct SavedText {
  std::string text;
  std::string refusal;

  bool ok() const { return refusal.empty(); }
};

// The document's text with the weapon at `index` edited to `edited` (see
// above). The weapon keeps its index in the document opened from the result.
// Refused when a changed text holds what would break the script's structure
// (a ";" or a line end in a value, a "]" in the code), and where the saved
// text, read back, would not hold it: a field that does not write what
// `edited` writes, an entry without a field or another weapon that does not
// read as before, braces or comments so out of order that the change reaches
// beyond the weapon. The refusal names what would not hold. A weapon with nothing changed gives
// the text as it is (old spellings aside).
SavedText SaveWeapon(const ScriptDocument& document, std::size_t index, const WeaponRecord& edited);

// SaveWeapon for a caller that holds `base`, the record that the weapon reads
// now (ReadWeaponRecord).
SavedText SaveWeapon(const ScriptDocument& document, std::size_t index, const WeaponRecord& base,
                     const WeaponRecord& edited);

// The document's text with the entry `key` of the weapon at `index` set to
// `value` in the body (`section` empty) or in the
// section named `section` ("DAMAGE", "CUSTOMPARAMS"; ASCII letter case
// ignored): the last entry of that key (letter case ignored) gets the value in
// place; without one, the entry is added where Save adds a body entry, or
// after the last entry of the section, and a weapon without the section gets
// it as the writer lays out "[DAMAGE]". An empty value removes every entry of
// the key. Where a field reads the key, that field takes what the saved text
// gives it (the style of fire for "ballistic=1"); every other field and entry
// must read as before. The caller sees to it that the key and value keep the
// script whole (no ";", line end or bracket in them).
SavedText SetEntry(const ScriptDocument& document, std::size_t index, std::string_view section,
                   std::string_view key, std::string_view value);

// The document's text with the writer's script of `record` added at the end,
// in the text's line ends (a missing final line end added first). The weapon
// is the last of the document opened from the result.
std::string AppendWeapon(const ScriptDocument& document, const WeaponRecord& record);

// The document's text with the weapon at `index` of `source`, edited to
// `edited` as SaveWeapon edits it in `source`, added at the end: its own text
// from its header's "[" to the end of the line of its closing "}" (its
// comments, entries without a field and per-target damage included), in the
// document's line ends and ending with one (a missing final line end of the
// document added first). The weapon is the last of the document opened from
// the result. Refused as SaveWeapon refuses, and where the end of the
// document (an open comment or body) would take the weapon in.
SavedText AppendWeaponFrom(const ScriptDocument& document, const ScriptDocument& source,
                           std::size_t index, const WeaponRecord& edited);

// The document's text with a copy of the weapon at `index`, edited to
// `copy` as SaveWeapon edits it, right after it: the copy's own text (as
// AppendWeaponFrom adds it) on the lines that follow the weapon's own text.
// The copy is the weapon at `index` + 1 of the document opened from the
// result. Refused as SaveWeapon refuses, and where a weapon would not read
// as it did.
SavedText CopyWeapon(const ScriptDocument& document, std::size_t index, const WeaponRecord& copy);

// The document's text with the own text of the weapon at `source_index` of
// `source` (as AppendWeaponFrom adds it) on the lines that follow the weapon
// at `index`, in the document's line ends: the weapon at `index` + 1 of the
// document opened from the result. Refused where a weapon would not read as
// it did.
SavedText InsertWeaponFrom(const ScriptDocument& document, std::size_t index,
                           const ScriptDocument& source, std::size_t source_index);

// The document's text without the weapon at `index`: its own text with the
// line end after it (the line end before it where none follows it), so
// that removing a copy of CopyWeapon gives back the text copied. Refused
// where another weapon would not read as it did.
SavedText RemoveWeapon(const ScriptDocument& document, std::size_t index);

}  // namespace kalvex

// kalvex-tdf check [--strict] [--json] FILE...: reads each script as the
// editor opens it and lists what the reader reported, judged by the table of
// known keys (check_findings.h), what `normalize` would drop or change of
// the entries that fields read, what `write` would refuse, and the weapon
// IDs that more than one of the scripts uses.
#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "record/record_fields.h"
#include "script/finding_text.h"
#include "script/utf8_path.h"
#include "tools/kalvex_tdf/check_findings.h"
#include "tools/kalvex_tdf/command.h"
#include "tools/kalvex_tdf/command_output.h"
#include "tools/kalvex_tdf/json_text.h"
#include "tools/kalvex_tdf/normalize_losses.h"
#include "tools/kalvex_tdf/record_lines.h"
#include "tools/kalvex_tdf/script_input.h"
#include "tools/kalvex_tdf/weapon_ids.h"

namespace kalvex::tdf {
namespace {

// The weapon's ID, which no two weapons may share.
constexpr const RecordField& kIdField = *FieldWithKey("ID");

struct CheckOptions {
  bool strict = false;
  bool json = false;
  std::vector<std::string_view> paths;
};

// One line of the report about one script (a line 0 is about the whole
// script).
struct FileFinding {
  std::string_view path;
  CheckFinding finding;
};

// A script that could not be read, and why.
struct RefusedFile {
  std::string_view path;
  std::string message;
};

struct CheckReport {
  std::size_t files_read = 0;
  std::size_t finding_count = 0;  // with those the reader counted but did not keep
  bool fails_strict = false;      // a finding that fails --strict
  std::size_t old_spellings = 0;  // named, but not findings: saving writes them anew
  std::vector<FileFinding> findings;
  std::vector<RefusedFile> refused;
  std::vector<SharedWeaponId> shared;
};

// The same file named twice (or by two paths) gives the same text.
std::string FileIdentity(std::string_view path) {
  if (path == kStandardInput) return std::string(1, '\0');  // no file has this name
  std::error_code error;
  const std::filesystem::path canonical =
      std::filesystem::weakly_canonical(PathFromUtf8(path), error);
  return error ? std::string(path) : Utf8FromPath(canonical);
}

void Add(std::string_view path, CheckFinding finding, CheckReport& report) {
  ++report.finding_count;
  report.fails_strict = report.fails_strict || finding.fails_strict;
  report.findings.push_back({path, std::move(finding)});
}

void AddReaderFindings(std::string_view path, const ScriptDocument& document, std::size_t index,
                       const ReadResult& read, CheckReport& report) {
  for (CheckFinding& finding : CheckReaderFindings(document, index, read)) {
    if (finding.kind == FindingKindName(FindingKind::kOldSpelling)) {
      ++report.old_spellings;
      report.findings.push_back({path, std::move(finding)});
    } else {
      Add(path, std::move(finding), report);
    }
  }
  if (read.findings_not_kept > 0) {
    // Past what the reader keeps, nothing is judged: --strict cannot pass.
    const std::string count = std::to_string(read.findings_not_kept);
    Add(path,
        {.kind = "findings_not_kept",
         .value = count,
         .message = count + " more findings not kept",
         .fails_strict = true},
        report);
    report.finding_count += read.findings_not_kept - 1;
  }
}

// The texts that write would refuse, so that dump then write would not give
// the script back.
void AddRefusedTexts(std::string_view path, const WeaponRecord& record, CheckReport& report) {
  for (const RecordField& field : kRecordFields) {
    if (!field.IsText() && !field.own) continue;
    const std::string& text = field.IsText() ? record.*field.text : record.own.*field.own;
    const std::size_t at = text.find_first_of(kScriptPunctuation);
    if (at == std::string::npos) continue;
    Add(path,
        {.kind = "refused_by_write",
         .key = std::string(field.name),
         .value = text,
         .message = std::string(field.name) + " " + Quoted(text) + " holds " +
                    Quoted(std::string_view(&text[at], 1)) + ", which write refuses"},
        report);
  }
}

// The entries that normalize would drop or write differently.
void AddNormalizeLosses(std::string_view path, const ScriptDocument& document, std::size_t index,
                        const WeaponRecord& record, CheckReport& report) {
  for (const NormalizeLoss& loss : FindNormalizeLosses(document, index, record)) {
    std::string message = "normalize ";
    if (loss.written) {
      message += "writes key " + Quoted(loss.key) + " as " + Quoted(*loss.written) + ", not " +
                 Quoted(loss.value);
    } else {
      message += "drops key " + Quoted(loss.key) + " with value " + Quoted(loss.value);
    }
    Add(path,
        {.line = loss.line,
         .kind = loss.written ? "changed_by_normalize" : "dropped_by_normalize",
         .key = loss.key,
         .value = loss.value,
         .message = std::move(message)},
        report);
  }
}

std::string Plural(std::size_t count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

void PrintText(const CheckReport& report, std::ostream& out) {
  for (const auto& [path, finding] : report.findings) {
    out << DisplayName(path);
    if (finding.line > 0) out << ":" << finding.line;
    out << ": " << finding.message << "\n";
  }
  for (const SharedWeaponId& shared : report.shared) {
    out << "weapon ID " << Quoted(shared.id) << " is used by " << shared.uses.size() << " weapons:";
    const char* separator = " ";
    for (const WeaponIdUse& use : shared.uses) {
      out << separator << DisplayName(use.file) << ":" << use.line;
      separator = ", ";
    }
    out << "\n";
  }
  out << kProgram << " check: " << Plural(report.files_read, "file", "files") << " read, "
      << Plural(report.finding_count, "finding", "findings") << ", "
      << Plural(report.shared.size(), "shared weapon ID", "shared weapon IDs") << ", "
      << Plural(report.refused.size(), "file", "files") << " refused";
  if (report.old_spellings > 0) {
    out << ", " << Plural(report.old_spellings, "old spelling", "old spellings")
        << " that saving writes anew";
  }
  out << "\n";
}

void PrintJson(const CheckReport& report, std::ostream& out) {
  out << "{\n  \"findings\": [";
  const char* separator = "\n    ";
  for (const auto& [path, f] : report.findings) {
    out << separator << "{\"file\": " << JsonString(path) << ", \"line\": ";
    if (f.line > 0) {
      out << f.line;
    } else {
      out << "null";
    }
    out << ", \"kind\": " << JsonString(f.kind) << ", \"key\": " << JsonString(f.key)
        << ", \"value\": " << JsonString(f.value) << ", \"suggestion\": ";
    if (f.suggestion.empty()) {
      out << "null";
    } else {
      out << JsonString(f.suggestion);
    }
    out << ", \"strict\": " << (f.fails_strict ? "true" : "false")
        << ", \"message\": " << JsonString(f.message) << "}";
    separator = ",\n    ";
  }
  out << "\n  ],\n  \"shared_ids\": [";
  separator = "\n    ";
  for (const SharedWeaponId& shared : report.shared) {
    out << separator << "{\"id\": " << JsonString(shared.id) << ", \"uses\": [";
    const char* use_separator = "";
    for (const WeaponIdUse& use : shared.uses) {
      out << use_separator << "{\"file\": " << JsonString(use.file) << ", \"line\": " << use.line
          << "}";
      use_separator = ", ";
    }
    out << "]}";
    separator = ",\n    ";
  }
  out << "\n  ],\n  \"refused\": [";
  separator = "\n    ";
  for (const RefusedFile& refused : report.refused) {
    out << separator << "{\"file\": " << JsonString(refused.path)
        << ", \"message\": " << JsonString(refused.message) << "}";
    separator = ",\n    ";
  }
  out << "\n  ],\n  \"summary\": {\"files_read\": " << report.files_read
      << ", \"findings\": " << report.finding_count << ", \"shared_ids\": " << report.shared.size()
      << ", \"files_refused\": " << report.refused.size()
      << ", \"old_spellings\": " << report.old_spellings << "}\n}\n";
}

// The words after "check": options, then scripts. Says what is wrong and
// returns nothing when they do not fit.
std::optional<CheckOptions> ParseCheckArguments(const CommandContext& context) {
  CheckOptions options;
  bool standard_input = false;
  for (const std::string_view word : context.args) {
    if (word == "--strict") {
      options.strict = true;
    } else if (word == "--json") {
      options.json = true;
    } else if (word.starts_with("--")) {
      RefuseArguments(context, kCheckCommand, "the options --strict and --json only");
      return std::nullopt;
    } else if (word == kStandardInput && standard_input) {
      RefuseArguments(context, kCheckCommand, "standard input (\"-\") once only");
      return std::nullopt;
    } else {
      standard_input = standard_input || word == kStandardInput;
      options.paths.push_back(word);
    }
  }
  if (options.paths.empty()) {
    RefuseArguments(context, kCheckCommand, "one or more scripts");
    return std::nullopt;
  }
  return options;
}

// Reads every weapon of one script into the report. What could not be read
// is told on standard error and kept for the report.
void CheckScript(const CommandContext& context, std::string_view path, WeaponIdRegister& ids,
                 CheckReport& report) {
  std::string refusal;
  const std::optional<ScriptDocument> document = OpenWeaponScript(context, path, &refusal);
  if (!document) {
    report.refused.push_back({path, std::move(refusal)});
    return;
  }
  ++report.files_read;
  const std::string identity = FileIdentity(path);
  for (std::size_t index = 0; index < document->weapons.size(); ++index) {
    WeaponRecord record;
    const ReadResult read = ReadWeapon(*document, index, record);
    const std::size_t first = report.findings.size();
    AddReaderFindings(path, *document, index, read, report);
    AddNormalizeLosses(path, *document, index, record, report);
    // The weapon's findings by line; those about the whole weapon after them.
    std::stable_sort(report.findings.begin() + std::ptrdiff_t(first), report.findings.end(),
                     [](const FileFinding& a, const FileFinding& b) {
                       const std::size_t a_line = a.finding.line == 0 ? kNoPlace : a.finding.line;
                       const std::size_t b_line = b.finding.line == 0 ? kNoPlace : b.finding.line;
                       return a_line < b_line;
                     });
    AddRefusedTexts(path, record, report);
    // Each weapon counts on its own: two of one file may share an ID too.
    ids.Add(path, identity + '\0' + std::to_string(index), record.*kIdField.text, read.id_line);
  }
}

int RunCheck(const CommandContext& context) {
  const std::optional<CheckOptions> options = ParseCheckArguments(context);
  if (!options) return kExitBadInput;
  CheckReport report;
  WeaponIdRegister ids;
  for (const std::string_view path : options->paths) CheckScript(context, path, ids, report);
  report.shared = ids.SharedIds();
  if (options->json) {
    PrintJson(report, context.out);
  } else {
    PrintText(report, context.out);
  }
  if (!FlushStandardOutput(context)) return kExitCannotWrite;
  if (!report.refused.empty()) return kExitCannotRead;
  const bool fails = report.fails_strict || !report.shared.empty();
  return options->strict && fails ? kExitFindings : kExitOk;
}

}  // namespace

const Command kCheckCommand = {
    "check",
    "[--strict] [--json] FILE...",
    "list unknown keys, wrong values, malformed text and weapon IDs used twice",
    "Reads every weapon of each weapon script as the editor opens it (\"-\":\n"
    "standard input) and prints one line per finding, FILE:LINE: what, on\n"
    "standard output. Keys are judged by a table of the keys that the game and\n"
    "the later engine read in a weapon's body and in its sections ([SHIELD],\n"
    "[TEXTURES]), with the kind of value each takes; every key of [DAMAGE] (a\n"
    "number) and of [CUSTOMPARAMS] (any text) is the mod's own and known. A\n"
    "known key with a value of its kind is no finding. Marked * below: what\n"
    "--strict fails on.\n"
    "  unknown key \"K\" [in [S]] [with value \"V\"]: ...; is it \"N\"?  *\n"
    "                                    a key no one reads there, with the known\n"
    "                                    key one or two letters away, if any\n"
    "  value \"V\" of key \"K\" [in [S]] is not a number  *\n"
    "                                    (or 0 or 1, a whole number, three or\n"
    "                                    four numbers): not of the key's kind\n"
    "  key \"K\" names a section and takes no value \"V\"  *\n"
    "  unknown section \"[N]\": ...; is it \"[M]\"?  *  a section no one reads\n"
    "                                    (its entries are not judged)\n"
    "  section \"[N]\" stands inside another section, ...  *\n"
    "  \"{\" without a section name: ...  *\n"
    "  entry \"T\" has no \"=\": nothing reads it  *\n"
    "  missing \";\" after value \"V\" of key \"K\"; ...  *  the next line is read\n"
    "                                    as an entry\n"
    "  section name \"[N\" has no \"]\"; ...  *  the entries after it are read\n"
    "  comment \"/*\" is not closed; ...  *  the rest of the file is not read\n"
    "  passed over \"T\" before the weapon header  *\n"
    "  the file goes on after the weapon at line N: ...  *  text between weapons\n"
    "                                    or after the last\n"
    "  N more findings not kept  *       past those the reader keeps (FILE: what)\n"
    "  key \"K\" is given again further on; ...  only the last entry of a key\n"
    "                                    counts\n"
    "  could not match \"V\" of key \"K\"    an empty render type, explosion or\n"
    "                                    beam colour\n"
    "  normalize drops key \"K\" with value \"V\"  an entry of a field that the\n"
    "                                    writer leaves out, such as a model beside\n"
    "                                    the beam flag\n"
    "  normalize writes key \"K\" as \"W\", not \"V\"  a value that reads back\n"
    "                                    otherwise\n"
    "  Weaprange \"V\" holds \"C\", which write refuses  any text member or own\n"
    "                                    text (FILE: what)\n"
    "Entries that no field reads are kept by saving in place and dropped by\n"
    "normalize, which check does not list.\n"
    "An old digit spelling (h20, h20boom1, h20boom2, bombre1) is named as\n"
    "  old spelling \"V\" of key \"K\" will be saved as \"W\"  saving writes the\n"
    "                                    letter spelling; this is no finding\n"
    "Then one line per weapon ID that more than one weapon uses, in one file or\n"
    "several, with every use (this too fails --strict):\n"
    "  weapon ID \"ID\" is used by N weapons: FILE:LINE, FILE:LINE...\n"
    "and a last line: files read, findings, shared weapon IDs, files refused\n"
    "(and old spellings, where there are any).\n"
    "Quoted texts show a quote or backslash after a backslash and control\n"
    "characters as \\xNN; so do file names that hold control characters.\n"
    "Scripts that cannot be read are named on standard error.\n"
    "--json prints the same as one JSON document instead: \"findings\" (file,\n"
    "line or null, kind, key, value, suggestion (the known key or section meant,\n"
    "or null), strict (whether --strict fails on it), message), \"shared_ids\"\n"
    "(id, uses: file, line), \"refused\" (file, message) and \"summary\".\n"
    "Control characters are written \\u00XX, and bytes that are not well-formed\n"
    "UTF-8 \\u00XX of their value (read as Latin-1).\n"
    "Exit status: 0 every script read (findings alone do not fail), 1 a script\n"
    "could not be read or held no weapon header, or with --strict a finding\n"
    "marked * or a shared weapon ID, 2 bad arguments.\n",
    RunCheck,
};

}  // namespace kalvex::tdf

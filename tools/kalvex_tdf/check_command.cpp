// kalvex-tdf check [--strict] [--json] FILE...: reads each script as the
// editor opens it and lists what the reader reported, what `write` would
// refuse, and the weapon IDs that more than one of the scripts uses.
#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "record/record_fields.h"
#include "script/finding_text.h"
#include "script/utf8_path.h"
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

// One line of the report about one script.
struct FileFinding {
  std::string_view path;
  std::size_t line = 0;  // 0: about the whole script
  std::string_view kind;
  std::string key;
  std::string value;
  std::string message;
};

// A script that could not be read, and why.
struct RefusedFile {
  std::string_view path;
  std::string message;
};

struct CheckReport {
  std::size_t files_read = 0;
  std::size_t finding_count = 0;  // with those the reader counted but did not keep
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

void AddReaderFindings(std::string_view path, const ReadResult& read, CheckReport& report) {
  report.finding_count += read.findings.size() + read.findings_not_kept;
  for (const ReadFinding& finding : read.findings) {
    if (finding.kind == FindingKind::kOldSpelling) {
      --report.finding_count;
      ++report.old_spellings;
    }
    report.findings.push_back({path, finding.line, FindingKindName(finding.kind), finding.key,
                               finding.value, DescribeFinding(finding)});
  }
  if (read.findings_not_kept > 0) {
    const std::string count = std::to_string(read.findings_not_kept);
    report.findings.push_back(
        {path, 0, "findings_not_kept", {}, count, count + " more findings not kept"});
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
    ++report.finding_count;
    report.findings.push_back({path, 0, "refused_by_write", std::string(field.name), text,
                               std::string(field.name) + " " + Quoted(text) + " holds " +
                                   Quoted(std::string_view(&text[at], 1)) +
                                   ", which write refuses"});
  }
}

// The entries that normalize would drop or write differently.
void AddNormalizeLosses(std::string_view path, const ScriptDocument& document, std::size_t index,
                        const WeaponRecord& record, CheckReport& report) {
  for (const NormalizeLoss& loss : FindNormalizeLosses(document, index, record)) {
    ++report.finding_count;
    std::string message = "normalize ";
    if (loss.written) {
      message += "writes key " + Quoted(loss.key) + " as " + Quoted(*loss.written) + ", not " +
                 Quoted(loss.value);
    } else {
      message += "drops key " + Quoted(loss.key) + " with value " + Quoted(loss.value);
    }
    report.findings.push_back({path, loss.line,
                               loss.written ? "changed_by_normalize" : "dropped_by_normalize",
                               loss.key, loss.value, std::move(message)});
  }
}

std::string Plural(std::size_t count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

void PrintText(const CheckReport& report, std::ostream& out) {
  for (const FileFinding& finding : report.findings) {
    out << DisplayName(finding.path);
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
  for (const FileFinding& f : report.findings) {
    out << separator << "{\"file\": " << JsonString(f.path) << ", \"line\": ";
    if (f.line > 0) {
      out << f.line;
    } else {
      out << "null";
    }
    out << ", \"kind\": " << JsonString(f.kind) << ", \"key\": " << JsonString(f.key)
        << ", \"value\": " << JsonString(f.value) << ", \"message\": " << JsonString(f.message)
        << "}";
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
    AddReaderFindings(path, read, report);
    AddNormalizeLosses(path, *document, index, record, report);
    // The weapon's findings by line; those about the whole weapon after them.
    std::stable_sort(report.findings.begin() + std::ptrdiff_t(first), report.findings.end(),
                     [](const FileFinding& a, const FileFinding& b) {
                       return (a.line == 0 ? kNoPlace : a.line) < (b.line == 0 ? kNoPlace : b.line);
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
  const bool found_anything = report.finding_count > 0 || !report.shared.empty();
  return options->strict && found_anything ? kExitFindings : kExitOk;
}

}  // namespace

const Command kCheckCommand = {
    "check",
    "[--strict] [--json] FILE...",
    "list what normalize would drop or change, and weapon IDs used twice",
    "Reads every weapon of each weapon script as the editor opens it (\"-\":\n"
    "standard input) and prints one line per finding, FILE:LINE: what, on\n"
    "standard output, each an entry that normalize would drop or write otherwise\n"
    "or something malformed:\n"
    "  skipped unknown key \"K\" [with value \"V\"]      an entry without a field\n"
    "                                                (saving in place keeps it)\n"
    "  could not match \"V\" of key \"K\"                a table text, render type or\n"
    "                                                barrel angle that no list holds\n"
    "  normalize drops key \"K\" with value \"V\"        an entry the writer leaves out,\n"
    "                                                such as a model beside the beam\n"
    "                                                flag\n"
    "  normalize writes key \"K\" as \"W\", not \"V\"      a value that reads back\n"
    "                                                otherwise\n"
    "  missing \";\" after value \"V\" of key \"K\"; ...   the next line is read as an\n"
    "                                                entry\n"
    "  key \"K\" is given again further on; ...        only the last entry of a key\n"
    "                                                counts\n"
    "  value \"V\" of key \"K\" is not a number          a number field's value that is\n"
    "                                                not a decimal number\n"
    "  value \"V\" of key \"color2\" is not the pair ...  a beam colour's second value\n"
    "                                                 that does not match\n"
    "  section name \"[N\" has no \"]\"; ...             the entries after it are read\n"
    "  skipped unknown section \"[N]\" and its entries  a section other than [DAMAGE]\n"
    "  passed over \"T\" before the weapon header      text before the first weapon\n"
    "  the file goes on after the weapon at line N: ...  text between weapons or\n"
    "                                                    after the last\n"
    "  comment \"/*\" is not closed; ...               the rest of the file is not\n"
    "                                                read\n"
    "  N more findings not kept                      past those the reader keeps\n"
    "                                                (FILE: what)\n"
    "  Weaprange \"V\" holds \"C\", which write refuses  any text member or own text\n"
    "                                                (FILE: what)\n"
    "An old digit spelling (h20, h20boom1, h20boom2, bombre1) is named as\n"
    "  old spelling \"V\" of key \"K\" will be saved as \"W\"  saving writes the letter\n"
    "                                                    spelling; this is no\n"
    "                                                    finding\n"
    "Then one line per weapon ID that more than one weapon uses, in one file or\n"
    "several, with every use:\n"
    "  weapon ID \"ID\" is used by N weapons: FILE:LINE, FILE:LINE...\n"
    "and a last line: files read, findings, shared weapon IDs, files refused\n"
    "(and old spellings, where there are any).\n"
    "Quoted texts show a quote or backslash after a backslash and control\n"
    "characters as \\xNN; so do file names that hold control characters.\n"
    "Scripts that cannot be read are named on standard error.\n"
    "--json prints the same as one JSON document instead: \"findings\" (file,\n"
    "line or null, kind, key, value, message), \"shared_ids\" (id, uses: file,\n"
    "line), \"refused\" (file, message) and \"summary\". Control characters are\n"
    "written \\u00XX, and bytes that are not well-formed UTF-8 \\u00XX of their\n"
    "value (read as Latin-1).\n"
    "Exit status: 0 every script read (findings alone do not fail), 1 a script\n"
    "could not be read or held no weapon header, or with --strict any finding or\n"
    "shared weapon ID, 2 bad arguments. --strict passing means that normalize\n"
    "loses nothing of any weapon (order, spacing, letter case of keys, comments\n"
    "and line ends aside).\n",
    RunCheck,
};

}  // namespace kalvex::tdf

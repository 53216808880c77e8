// kalvex-tdf set FILE [--index N | --weapon CODE] [-o OUT] [Member=value]...
// [--entry KEY=VALUE]...: edits one weapon of a script in place, as the
// editor's File, Save does, and keeps every other byte.
#include <ostream>
#include <string>
#include <vector>

#include "record/record_fields.h"
#include "script/number_text.h"
#include "script/script_document.h"
#include "tools/kalvex_tdf/command.h"
#include "tools/kalvex_tdf/command_output.h"
#include "tools/kalvex_tdf/entry_edit.h"
#include "tools/kalvex_tdf/record_lines.h"
#include "tools/kalvex_tdf/script_input.h"
#include "tools/kalvex_tdf/weapon_selection.h"

namespace kalvex::tdf {
namespace {

struct SetArguments {
  WeaponSelection selection;
  std::string_view file;
  std::string_view out;  // empty: FILE itself
  std::vector<std::string_view> members;
  std::vector<std::string_view> entries;
};

std::optional<SetArguments> ParseSetArguments(const CommandContext& context) {
  std::optional<SelectionWords> words = TakeWeaponSelection(context, kSetCommand);
  if (!words) return std::nullopt;
  SetArguments args{words->selection, {}, {}, {}, {}};
  const std::vector<std::string_view>& rest = words->rest;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    const std::string_view word = rest[i];
    if (word == "-o" || word == "--entry") {
      if (i + 1 == rest.size() || (word == "-o" && !args.out.empty())) {
        RefuseArguments(context, kSetCommand,
                        word == "-o" ? "one output file after -o" : "KEY=VALUE after --entry");
        return std::nullopt;
      }
      (word == "-o" ? args.out : args.entries.emplace_back()) = rest[++i];
    } else if (word.starts_with("-") && word != kStandardInput) {
      RefuseArguments(context, kSetCommand, "the options --index, --weapon, -o and --entry only");
      return std::nullopt;
    } else if (word.find('=') != std::string_view::npos) {
      args.members.push_back(word);
    } else if (args.file.empty()) {
      args.file = word;
    } else {
      RefuseArguments(context, kSetCommand, "one script file");
      return std::nullopt;
    }
  }
  if (args.file.empty()) {
    RefuseArguments(context, kSetCommand, "a script file");
    return std::nullopt;
  }
  if (args.out.empty() && args.file == kStandardInput) args.out = kStandardOutput;
  return args;
}

// Sets the members named in `members` in `record`, as write takes them, with
// the value of a number member a decimal number or empty. The first error.
std::optional<std::string> ApplyMembers(const std::vector<std::string_view>& members,
                                        WeaponRecord& record) {
  for (const std::string_view member : members) {
    if (member.find('\n') != std::string_view::npos) {
      return std::string(member.substr(0, member.find('='))) + " must not hold a line end";
    }
    const RecordField* field = FindRecordField(member.substr(0, member.find('=')));
    const std::string_view value = member.substr(member.find('=') + 1);
    // A value as dump gives it changes nothing: the reset text, or what the
    // member holds already.
    const bool kept =
        field && field->IsText() && (value == kResetText || value == record.*field->text);
    const RecordLinesResult parsed = ParseRecordLines(member, record);
    if (!parsed.ok) return parsed.message;
    if (field && field->kind == FieldKind::kNumber && !value.empty() && !kept &&
        !IsDecimalNumber(value)) {
      return std::string(field->name) +
             " needs a decimal number (an optional \"-\", digits and "
             "at most one point), not \"" +
             std::string(value) + "\"";
    }
  }
  return std::nullopt;
}

int RunSet(const CommandContext& context) {
  const std::optional<SetArguments> args = ParseSetArguments(context);
  if (!args) return kExitBadInput;
  std::vector<EntryChange> entries;
  for (const std::string_view entry : args->entries) {
    std::string problem;
    if (std::optional<EntryChange> change = ParseEntryChange(entry, problem)) {
      entries.push_back(*change);
    } else {
      context.err << kProgram << ": --entry " << DisplayWord(entry) << ": " << problem << "\n";
      return kExitBadInput;
    }
  }
  const std::optional<ScriptDocument> document = OpenWeaponScript(context, args->file);
  if (!document) return kExitCannotRead;
  if (!args->selection.given() && document->weapons.size() > 1) {
    context.err << kProgram << ": " << DisplayName(args->file) << ": holds "
                << document->weapons.size()
                << " weapons: choose the one to edit with --index N or --weapon CODE\n";
    return kExitBadInput;
  }
  const std::optional<std::size_t> index =
      FindSelectedWeapon(context, args->file, *document, args->selection);
  if (!index) return kExitCannotRead;

  WeaponRecord record;
  ReadWeapon(*document, *index, record);
  WeaponRecord edited = record;
  if (const std::optional<std::string> error = ApplyMembers(args->members, edited)) {
    context.err << kProgram << ": " << *error << "\n";
    return kExitBadInput;
  }
  SavedText saved{document->text, {}};
  if (!(edited == record)) saved = SaveWeapon(*document, *index, edited);
  for (const EntryChange& change : entries) {
    if (!saved.ok()) break;
    saved =
        SetEntry(OpenScript(std::move(saved.text)), *index, change.scope, change.key, change.value);
  }
  if (!saved.ok()) {
    context.err << kProgram << ": " << DisplayName(args->file) << ": " << saved.refusal << "\n";
    return kExitBadInput;
  }
  if (args->out.empty() && saved.text == document->text) return kExitOk;  // nothing to save
  return WriteScriptTo(context, args->out.empty() ? args->file : args->out, saved.text);
}

}  // namespace

const Command kSetCommand = {
    "set",
    "FILE [--index N | --weapon CODE] [-o OUT] [Member=value]... [--entry KEY=VALUE]...",
    "edit one weapon of a script in place, keeping every byte not changed",
    "Edits one weapon of the weapon script FILE as the editor's File, Save does:\n"
    "each value that changes is written in place of the old one, an entry the\n"
    "weapon lacks is added, one the editor would not write is removed, and\n"
    "everything else (the other weapons, comments, order, letter case, line\n"
    "ends, entries without a field) stays byte for byte.\n"
    "--index N takes the Nth weapon of FILE (counted from 1, as list shows\n"
    "them), --weapon CODE the first weapon of that code (ASCII letter case\n"
    "ignored); a file of several weapons needs one of them.\n"
    "Member=value sets a member of the weapon record as write takes it\n"
    "(Weapdamage=250, Weapsost=cannon2, Weapsost=\"vortexfire\"); Member= gives a\n"
    "text member the empty text and removes the entry of a flag or list member\n"
    "(Weapexgaf=), a number field's value must be a decimal number (an optional\n"
    "\"-\", digits, at most one point), and a flag or list member's value must be\n"
    "in its domain (a flag 0 or 1, a position in its list, or a script text).\n"
    "--entry KEY=VALUE sets an entry that no member stands for (--entry\n"
    "shakeduration=1.5); --entry DAMAGE/KEY=VALUE one in [DAMAGE] (a per-target\n"
    "damage such as DAMAGE/heavytank=400), adding the section where there is\n"
    "none. An empty VALUE removes the entry. A KEY that a member stands for is\n"
    "refused: use Member=value.\n"
    "FILE is replaced as the editor saves, so that a failure leaves it as it was;\n"
    "with -o the result goes to OUT instead (\"-\": standard output). A value equal\n"
    "to the current one changes nothing: with no change at all FILE is not\n"
    "written, and OUT gets FILE's bytes.\n"
    "Exit status: 0 saved (or nothing to change), 1 FILE could not be read or\n"
    "written, or has no weapon of that number or code, 2 bad arguments or values,\n"
    "or a file of several weapons without a choice (nothing is written).\n",
    RunSet,
};

}  // namespace kalvex::tdf

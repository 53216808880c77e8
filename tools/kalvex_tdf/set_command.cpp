// kalvex-tdf set FILE... [--index N | --weapon CODE | --all | --where
// KEY=VALUE...] [-o OUT] ASSIGNMENT...: edits weapons of scripts in place,
// as the editor's File, Save does, and keeps every other byte.
#include <ostream>
#include <string>
#include <vector>

#include "script/script_document.h"
#include "tools/kalvex_tdf/command.h"
#include "tools/kalvex_tdf/command_output.h"
#include "tools/kalvex_tdf/script_input.h"
#include "tools/kalvex_tdf/weapon_changes.h"
#include "tools/kalvex_tdf/weapon_conditions.h"
#include "tools/kalvex_tdf/weapon_selection.h"

namespace kalvex::tdf {
namespace {

struct SetArguments {
  WeaponSelection selection;
  bool all = false;
  std::vector<WeaponCondition> conditions;
  std::vector<std::string_view> files;
  std::string_view out;  // empty: each FILE itself
  WeaponChanges changes;
};

// Sorts an assignment into `args`. False after saying what is wrong.
bool TakeAssignment(const CommandContext& context, std::string_view word, bool entry,
                    SetArguments& args) {
  const std::optional<std::string> problem = AddAssignment(word, entry, args.changes);
  if (!problem) return true;
  context.err << kProgram << ": " << (entry ? "--entry " : "") << DisplayWord(word) << ": "
              << *problem << "\n";
  return false;
}

std::optional<SetArguments> ParseSetArguments(const CommandContext& context) {
  std::optional<SelectionWords> words = TakeWeaponSelection(context, kSetCommand);
  if (!words) return std::nullopt;
  SetArguments args;
  args.selection = words->selection;
  const std::vector<std::string_view>& rest = words->rest;
  bool assigned = false;  // an assignment came: no FILE after it
  for (std::size_t i = 0; i < rest.size(); ++i) {
    const std::string_view word = rest[i];
    if (word == "-o" || word == "--entry" || word == "--where") {
      if (i + 1 == rest.size() || (word == "-o" && !args.out.empty())) {
        RefuseArguments(context, kSetCommand,
                        word == "-o"        ? "one output file after -o"
                        : word == "--entry" ? "KEY=VALUE after --entry"
                                            : "KEY=VALUE after --where");
        return std::nullopt;
      }
      const std::string_view value = rest[++i];
      if (word == "-o") {
        args.out = value;
      } else if (word == "--entry") {
        if (!TakeAssignment(context, value, true, args)) return std::nullopt;
      } else {
        std::string problem;
        const std::optional<WeaponCondition> condition = ParseWeaponCondition(value, problem);
        if (!condition) {
          context.err << kProgram << ": --where " << DisplayWord(value) << ": " << problem << "\n";
          return std::nullopt;
        }
        args.conditions.push_back(*condition);
      }
    } else if (word == "--all") {
      args.all = true;
    } else if (word.starts_with("-") && word != kStandardInput) {
      RefuseArguments(context, kSetCommand,
                      "the options --index, --weapon, --all, --where, -o and --entry only");
      return std::nullopt;
    } else if (word.find('=') != std::string_view::npos) {
      assigned = true;
      if (!TakeAssignment(context, word, false, args)) return std::nullopt;
    } else if (!assigned) {
      args.files.push_back(word);
    } else {
      RefuseArguments(context, kSetCommand, "every script file before the first assignment");
      return std::nullopt;
    }
  }
  if (args.files.empty()) {
    RefuseArguments(context, kSetCommand, "a script file");
    return std::nullopt;
  }
  if (!args.out.empty() && args.files.size() > 1) {
    RefuseArguments(context, kSetCommand, "one script file with -o");
    return std::nullopt;
  }
  if (args.selection.given() && (args.all || !args.conditions.empty())) {
    RefuseArguments(context, kSetCommand, "--index or --weapon, or else --all or --where");
    return std::nullopt;
  }
  return args;
}

// The weapons of `document` that the command edits, or nothing after saying
// why there are none; `status` is then what the command exits with.
std::optional<std::vector<std::size_t>> ChosenWeapons(const CommandContext& context,
                                                      const SetArguments& args,
                                                      std::string_view path,
                                                      const ScriptDocument& document, int& status) {
  std::vector<std::size_t> chosen;
  if (args.all || !args.conditions.empty()) {
    for (std::size_t i = 0; i < document.weapons.size(); ++i) {
      if (MeetsConditions(document, i, args.conditions)) chosen.push_back(i);
    }
    if (chosen.empty()) {
      context.err << kProgram << ": " << DisplayName(path) << ": no weapon meets --where\n";
      status = kExitCannotRead;
      return std::nullopt;
    }
    return chosen;
  }
  if (!args.selection.given() && document.weapons.size() > 1) {
    context.err << kProgram << ": " << DisplayName(path) << ": holds " << document.weapons.size()
                << " weapons: choose the one to edit with --index N or --weapon CODE, or use "
                   "--all or --where\n";
    status = kExitBadInput;
    return std::nullopt;
  }
  const std::optional<std::size_t> index =
      FindSelectedWeapon(context, path, document, args.selection);
  if (!index) {
    status = kExitCannotRead;
    return std::nullopt;
  }
  return std::vector<std::size_t>{*index};
}

// The text of `document` with each of the weapons at `chosen` edited;
// nothing after saying why a value was refused.
std::optional<std::string> EditWeapons(const CommandContext& context, const SetArguments& args,
                                       std::string_view path, const ScriptDocument& document,
                                       const std::vector<std::size_t>& chosen) {
  DocumentChanges changes(document);
  for (const std::size_t index : chosen) {
    if (const std::optional<ChangeRefusal> refusal = changes.Change(index, args.changes)) {
      context.err << kProgram << ": " << (refusal->save ? DisplayName(path) + ": " : "")
                  << refusal->message << "\n";
      return std::nullopt;
    }
  }
  return changes.Text();
}

int RunSet(const CommandContext& context) {
  const std::optional<SetArguments> args = ParseSetArguments(context);
  if (!args) return kExitBadInput;
  // Every file is edited before any is written: a refused value writes none.
  struct Edited {
    std::string_view target;
    std::string text;
    bool written = false;
  };
  std::vector<Edited> edited;
  int status = kExitOk;
  for (const std::string_view path : args->files) {
    const std::optional<ScriptDocument> document = OpenWeaponScript(context, path);
    if (!document) {
      status = kExitCannotRead;
      continue;
    }
    int chosen_status = kExitOk;
    const std::optional<std::vector<std::size_t>> chosen =
        ChosenWeapons(context, *args, path, *document, chosen_status);
    if (chosen_status == kExitBadInput) return kExitBadInput;
    if (!chosen) {
      status = chosen_status;
      continue;
    }
    std::optional<std::string> text = EditWeapons(context, *args, path, *document, *chosen);
    if (!text) return kExitBadInput;
    // Without a change FILE is not written; OUT gets its bytes.
    const bool in_place = args->out.empty() && path != kStandardInput;
    const std::string_view target = in_place            ? path
                                    : args->out.empty() ? kStandardOutput
                                                        : args->out;
    const bool written = !in_place || *text != document->text;
    edited.push_back({target, std::move(*text), written});
  }
  for (const Edited& file : edited) {
    if (!file.written) continue;
    if (WriteScriptTo(context, file.target, file.text) != kExitOk) status = kExitCannotWrite;
  }
  return status;
}

}  // namespace

const Command kSetCommand = {
    "set",
    "FILE... [--index N | --weapon CODE | --all | --where KEY=VALUE...] [-o OUT] ASSIGNMENT...",
    "edit weapons of scripts in place, keeping every byte not changed",
    "Edits weapons of the weapon scripts FILE as the editor's File, Save does:\n"
    "each value that changes is written in place of the old one, an entry the\n"
    "weapon lacks is added, one the editor would not write is removed, and\n"
    "everything else (the other weapons, comments, order, letter case, line\n"
    "ends, entries without a field) stays byte for byte. The FILEs come before\n"
    "the first argument that holds \"=\".\n"
    "--index N takes the Nth weapon of FILE (counted from 1, as list shows\n"
    "them), --weapon CODE the first weapon of that code (ASCII letter case\n"
    "ignored); a file of several weapons needs one of them, or --all or --where.\n"
    "--all edits every weapon of each FILE. --where KEY=VALUE edits the weapons\n"
    "whose last entry of KEY holds VALUE as a whole value (\"*\" for any run of\n"
    "characters, \"?\" for one, ASCII letter case ignored); KEY is a member, a\n"
    "script key, SECTION/KEY or code (the weapon's code), and KEY= takes the\n"
    "weapons without such an entry. Several --where must all hold; a FILE\n"
    "without a weapon that meets them is not written.\n"
    "An ASSIGNMENT is Member=value or KEY=VALUE. Member=value sets a member of\n"
    "the weapon record as write takes it (Weapdamage=250, Weapsost=cannon2,\n"
    "Weapsost=\"vortexfire\"); Member= gives a text member the empty text and\n"
    "removes the entry of a flag or list member (Weapexgaf=), a number field's\n"
    "value must be a decimal number (an optional \"-\", digits, at most one\n"
    "point), and a flag or list member's value must be in its domain (a flag 0\n"
    "or 1, a position in its list, or a script text).\n"
    "KEY=VALUE sets an entry by its script key, in any letter case, with the\n"
    "value as the script writes it (reloadtime=2.5, soundstart=cannon2);\n"
    "SECTION/KEY=VALUE one in the section [SECTION] (DAMAGE/default=300,\n"
    "DAMAGE/heavytank=400, CUSTOMPARAMS/unitpic=x.png), adding the section\n"
    "where the weapon has none. A key that a member reads is checked as that\n"
    "member's value and saved as the member is; a key of the style of fire\n"
    "(ballistic=1) or of the beam colour (color=208) is set as an entry, and\n"
    "its member then holds what the script reads. An empty VALUE removes every\n"
    "entry of the key. --entry KEY=VALUE is another spelling.\n"
    "Each FILE is replaced once, as the editor saves, so that a failure leaves\n"
    "it as it was; with -o (one FILE only) the result goes to OUT instead (\"-\":\n"
    "standard output). A value equal to the current one changes nothing: with\n"
    "no change at all FILE is not written, and OUT gets FILE's bytes.\n"
    "Exit status: 0 saved (or nothing to change), 1 a FILE could not be read or\n"
    "written, or has no weapon of that number or code or none that meets\n"
    "--where, 2 bad arguments or values, or a file of several weapons without a\n"
    "choice (nothing is written).\n",
    RunSet,
};

}  // namespace kalvex::tdf

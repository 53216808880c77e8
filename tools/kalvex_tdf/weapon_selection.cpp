#include "tools/kalvex_tdf/weapon_selection.h"

#include <charconv>
#include <ostream>

#include "script/ascii_case.h"
#include "tools/kalvex_tdf/script_input.h"

namespace kalvex::tdf {
namespace {

std::optional<std::size_t> ParseIndex(std::string_view word) {
  std::size_t value = 0;
  const char* const end = word.data() + word.size();
  const auto [ptr, error] = std::from_chars(word.data(), end, value);
  if (word.empty() || error != std::errc() || ptr != end || value == 0) return std::nullopt;
  return value;
}

}  // namespace

std::optional<SelectionWords> TakeWeaponSelection(const CommandContext& context,
                                                  const Command& command) {
  SelectionWords words;
  const auto& args = context.args;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const bool by_index = args[i] == "--index";
    if (!by_index && args[i] != "--weapon") {
      words.rest.push_back(args[i]);
      continue;
    }
    if (words.selection.given()) {
      RefuseArguments(context, command, "one --index N or --weapon CODE at most");
      return std::nullopt;
    }
    if (i + 1 == args.size()) {
      RefuseArguments(context, command,
                      by_index ? "a number after --index" : "a code after --weapon");
      return std::nullopt;
    }
    const std::string_view value = args[++i];
    if (by_index) {
      const std::optional<std::size_t> index = ParseIndex(value);
      if (!index) {
        RefuseArguments(context, command, "a weapon's number from 1 after --index");
        return std::nullopt;
      }
      words.selection.index = *index;
    } else if (value.empty()) {
      RefuseArguments(context, command, "a code after --weapon");
      return std::nullopt;
    } else {
      words.selection.code = value;
    }
  }
  return words;
}

std::optional<std::size_t> FindSelectedWeapon(const CommandContext& context, std::string_view path,
                                              const ScriptDocument& document,
                                              const WeaponSelection& selection) {
  if (selection.index > 0 && selection.index <= document.weapons.size()) {
    return selection.index - 1;
  }
  if (!selection.code.empty()) {
    for (std::size_t i = 0; i < document.weapons.size(); ++i) {
      const TextRange code = document.weapons[i].code;
      const std::string_view text(document.text.data() + code.begin, code.size());
      if (EqualIgnoringCase(text, selection.code)) return i;
    }
  }
  if (!selection.given()) return 0;
  context.err << kProgram << ": " << DisplayName(path) << ": no weapon ";
  if (selection.index > 0) {
    context.err << selection.index;
  } else {
    context.err << DisplayWord(selection.code);
  }
  context.err << "\n";
  return std::nullopt;
}

}  // namespace kalvex::tdf

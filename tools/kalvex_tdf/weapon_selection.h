// Which weapon of a script a command works on: "--index N" (counted from 1)
// or "--weapon CODE" (the first weapon of that code, ASCII letter case
// ignored), taken out of the command's words.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "script/script_document.h"
#include "tools/kalvex_tdf/command.h"

namespace kalvex::tdf {

struct WeaponSelection {
  std::size_t index = 0;  // from 1; 0: not given
  std::string_view code;  // empty: not given

  bool given() const { return index > 0 || !code.empty(); }
};

// The words of `context` without "--index N" and "--weapon CODE", in their
// order, and the selection they gave. Nothing after saying what is wrong (a
// number that is not one, an empty code, a choice given twice).
struct SelectionWords {
  WeaponSelection selection;
  std::vector<std::string_view> rest;
};
std::optional<SelectionWords> TakeWeaponSelection(const CommandContext& context,
                                                  const Command& command);

// The place in `document.weapons` of the weapon selected, or of the first one
// when none is; nothing after saying "kalvex-tdf: FILE: no weapon CODE" (or
// "no weapon N").
std::optional<std::size_t> FindSelectedWeapon(const CommandContext& context, std::string_view path,
                                              const ScriptDocument& document,
                                              const WeaponSelection& selection);

}  // namespace kalvex::tdf

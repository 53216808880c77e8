// Reading the weapon script a command was given, and telling the user when
// that fails or when the reader left something out.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "record/weapon_record.h"
#include "script/script_reader.h"
#include "tools/kalvex_tdf/command.h"

namespace kalvex::tdf {

// The script name that stands for standard input.
inline constexpr std::string_view kStandardInput = "-";

// How a script name is shown in messages: "(standard input)" for "-", a name
// holding control characters quoted (so that it cannot break a line), any
// other as it stands.
std::string DisplayName(std::string_view path);

// Reads the script file at `path` ("-": standard input, read once in binary)
// into `record`. When it cannot be read or holds no weapon header, says so on
// the context's standard error (naming the file) and returns nothing.
std::optional<ReadResult> ReadWeaponScript(const CommandContext& context, std::string_view path,
                                           WeaponRecord& record);

// When the reader reported anything about the script at `path`, says on
// standard error how much and that `check` lists it.
void NoteFindings(const CommandContext& context, std::string_view path, const ReadResult& read);

}  // namespace kalvex::tdf

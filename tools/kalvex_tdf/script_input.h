// Reading the weapon script a command was given, and telling the user when
// that fails or when the reader left something out.
#pragma once

#include <optional>
#include <ostream>
#include <string_view>

#include "record/weapon_record.h"
#include "script/script_reader.h"

namespace kalvex::tdf {

// Reads the script file at `path` into `record`. When the file cannot be read
// or holds no weapon header, says so on `err` (naming the file) and returns
// nothing.
std::optional<ReadResult> ReadWeaponScript(std::string_view path, WeaponRecord& record,
                                           std::ostream& err);

// When the reader skipped, cut or could not match anything in the script at
// `path`, says on `err` how much and that `check` lists it.
void NoteFindings(std::string_view path, const ReadResult& read, std::ostream& err);

}  // namespace kalvex::tdf

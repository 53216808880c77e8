// Reading the weapon script a command was given, and telling the user when
// that fails or when the reader left something out.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "script/file_refusal.h"
#include "script/script_document.h"
#include "script/script_reader.h"
#include "tools/kalvex_tdf/command.h"

namespace kalvex::tdf {

// The script name that stands for standard input.
inline constexpr std::string_view kStandardInput = "-";

// How a script name is shown in messages: "(standard input)" for "-", a name
// holding control characters quoted (so that it cannot break a line), any
// other as it stands.
std::string DisplayName(std::string_view path);

// A word of the command line as messages show it: quoted when it holds
// control characters, else as it stands.
std::string DisplayWord(std::string_view word);

// Reads standard input to its end, in binary, into `bytes`. Refused once it
// holds more than a script file may (kMaxScriptFileSize), or on a read error.
std::optional<FileRefusal> ReadStandardInput(std::istream& in, std::string& bytes);

// Reads the script file at `path` ("-": standard input, read once in binary)
// into a document. When it cannot be read, is UTF-16 text or holds no weapon
// header, says why on standard error (see TellRefusal), gives `refusal` (when
// given) the words of why, and returns nothing.
std::optional<ScriptDocument> OpenWeaponScript(const CommandContext& context, std::string_view path,
                                               std::string* refusal = nullptr);

// Says on standard error that the file `path` was refused:
// "kalvex-tdf: FILE: MESSAGE: REASON". Returns "MESSAGE: REASON".
std::string TellRefusal(const CommandContext& context, std::string_view path,
                        const FileRefusal& refusal);

}  // namespace kalvex::tdf

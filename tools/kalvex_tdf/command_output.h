// Where the commands put what they produce: standard output, or a script file
// saved as the editor saves it.
#pragma once

#include <string_view>

#include "tools/kalvex_tdf/command.h"

namespace kalvex::tdf {

// The output name that stands for standard output.
inline constexpr std::string_view kStandardOutput = "-";

// Flushes standard output. When anything written to it was lost, says so on
// standard error and returns false.
bool FlushStandardOutput(const CommandContext& context);

// Writes the script `bytes` to standard output for "-", else saves them as the
// file `target`. Returns kExitOk, or kExitCannotWrite after saying why on
// standard error. A save that the system could not confirm is saved: it says
// so on standard error and returns kExitOk.
int WriteScriptTo(const CommandContext& context, std::string_view target, std::string_view bytes);

}  // namespace kalvex::tdf

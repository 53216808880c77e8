#include "tools/kalvex_tdf/command_output.h"

#include <ostream>
#include <string>

#include "script/save_file.h"
#include "tools/kalvex_tdf/script_input.h"

namespace kalvex::tdf {

bool FlushStandardOutput(const CommandContext& context) {
  context.out.flush();
  if (context.out) return true;
  context.err << kProgram << ": standard output: " << FailureMessage(FileFailure::kCannotWrite)
              << "\n";
  return false;
}

int WriteScriptTo(const CommandContext& context, std::string_view target, std::string_view bytes) {
  if (target == kStandardOutput) {
    context.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return FlushStandardOutput(context) ? kExitOk : kExitCannotWrite;
  }
  const SaveResult saved = SaveScriptFile(std::string(target), bytes);
  switch (saved.status) {
    case SaveStatus::kSaved:
      return kExitOk;
    case SaveStatus::kSavedUnconfirmed:
      context.err << UnconfirmedSaveMessage(DisplayName(target), saved.reason) << "\n";
      return kExitOk;
    case SaveStatus::kCannotOpen:
    case SaveStatus::kCannotWrite:
      break;
  }
  TellRefusal(context, target, saved.refusal());
  return kExitCannotWrite;
}

}  // namespace kalvex::tdf

#include "tools/kalvex_tdf/command.h"

#include <ostream>

namespace kalvex::tdf {

int RefuseArguments(const CommandContext& context, const Command& command,
                    std::string_view expects) {
  context.err << kProgram << " " << command.name << ": expects " << expects << "\n"
              << "Usage: " << kProgram << " " << command.name << " " << command.arguments << "\n";
  return kExitBadInput;
}

}  // namespace kalvex::tdf

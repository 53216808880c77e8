#include "script/program_arguments.h"

namespace kalvex {

// The system hands the words over as bytes, which file names are here.
std::vector<std::string> ProgramArguments(int argc, char* argv[]) {
  if (argc <= 1) return {};
  return {argv + 1, argv + argc};
}

}  // namespace kalvex

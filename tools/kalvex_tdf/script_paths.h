// The weapon scripts that the command line names: files as given, folders
// walked for the scripts in them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/kalvex_tdf/command.h"

namespace kalvex::tdf {

// Each argument that is a folder gives the files ending in ".tdf" (in any
// letter case) in it and every folder below it, in byte order of their paths,
// each path as reached from the argument; any other argument stands for
// itself, as given. A folder that cannot be read is told on standard error
// and counts in `unreadable`.
std::vector<std::string> ScriptPaths(const CommandContext& context,
                                     const std::vector<std::string_view>& arguments,
                                     std::size_t& unreadable);

}  // namespace kalvex::tdf

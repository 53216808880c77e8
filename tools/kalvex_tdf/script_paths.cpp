#include "tools/kalvex_tdf/script_paths.h"

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <system_error>

#include "script/ascii_case.h"
#include "script/utf8_path.h"
#include "tools/kalvex_tdf/script_input.h"

namespace kalvex::tdf {
namespace {

bool IsScriptName(const std::filesystem::path& path) {
  const std::string name = Utf8FromPath(path.filename());
  return name.size() > 4 &&
         EqualIgnoringCase(std::string_view(name).substr(name.size() - 4), ".tdf");
}

}  // namespace

std::vector<std::string> ScriptPaths(const CommandContext& context,
                                     const std::vector<std::string_view>& arguments,
                                     std::size_t& unreadable) {
  namespace fs = std::filesystem;
  std::vector<std::string> paths;
  for (const std::string_view argument : arguments) {
    const fs::path root = PathFromUtf8(std::string(argument));
    std::error_code error;
    if (argument == kStandardInput || !fs::is_directory(root, error)) {
      paths.emplace_back(argument);
      continue;
    }
    std::vector<fs::path> found;
    fs::recursive_directory_iterator walk(root, error), end;
    for (; !error && walk != end; walk.increment(error)) {
      std::error_code kind_error;
      if (walk->is_regular_file(kind_error) && IsScriptName(walk->path())) {
        found.push_back(walk->path());
      }
    }
    if (error) {
      context.err << kProgram << ": " << DisplayName(argument)
                  << ": Unable to read the folder: " << error.message() << "\n";
      ++unreadable;
      continue;
    }
    std::sort(found.begin(), found.end(),
              [](const fs::path& a, const fs::path& b) { return a.native() < b.native(); });
    for (const fs::path& path : found) paths.push_back(Utf8FromPath(path));
  }
  return paths;
}

}  // namespace kalvex::tdf

#include "script/script_file_reader.h"

namespace kalvex {

ScriptFileResult ReadScriptFile(const std::filesystem::path& path, WeaponRecord& record) {
  ScriptFileResult result;
  std::string bytes;
  result.status = LoadScriptFile(path, bytes);
  if (result.opened()) result.read = ReadScript(bytes, record);
  return result;
}

}  // namespace kalvex

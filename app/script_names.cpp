#include "app/script_names.h"

#include <QString>
#include <filesystem>

namespace kalvex {

bool IsWeaponScriptName(std::string_view path) {
  const std::string extension = std::filesystem::path(path).extension().string();
  return QString::fromStdString(extension).compare(QStringLiteral(".tdf"), Qt::CaseInsensitive) ==
         0;
}

}  // namespace kalvex

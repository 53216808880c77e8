#include "app/file_messages.h"

#include "script/utf8_path.h"
#include "script/utf8_text.h"

namespace kalvex {

std::string ShownName(const std::string& path) {
  return Utf8ForDisplay(Utf8FromPath(PathFromUtf8(path).make_preferred()));
}

std::string FileErrorMessage(std::string_view firstLine, const std::string& path,
                             std::string_view reason) {
  return std::string(firstLine) + "\n\n" + ShownName(path) + "\n" + std::string(reason);
}

std::string FileErrorMessage(const FileRefusal& refusal, const std::string& path) {
  return FileErrorMessage(FailureMessage(refusal.failure), path, refusal.reason);
}

std::string SaveFailureMessage(std::string_view firstLine, const std::string& path,
                               std::string_view reason) {
  return FileErrorMessage(firstLine, path, reason) + "\n\nThe script was not saved.";
}

std::string SaveFailureMessage(const FileRefusal& refusal, const std::string& path) {
  return SaveFailureMessage(FailureMessage(refusal.failure), path, refusal.reason);
}

}  // namespace kalvex

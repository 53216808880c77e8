#include "app/window_title.h"

#include "app/file_messages.h"
#include "script/utf8_path.h"
#include "script/utf8_text.h"

namespace kalvex {

std::string ShownCode(std::string_view code) {
  constexpr std::string_view kBlanks = " \t";
  const std::size_t first = code.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return "(no code)";
  return Utf8FromLatin1(code.substr(first, code.find_last_not_of(kBlanks) + 1 - first));
}

std::string WindowTitle(std::string_view editor, const TitleParts& parts) {
  std::string title(editor);
  title += " - ";
  title += parts.path.empty() ? std::string("Untitled")
                              : ShownName(Utf8FromPath(PathFromUtf8(parts.path).filename()));
  if (parts.unsaved) title += '*';
  title += " - ";
  title += ShownCode(parts.code);
  title += " (";
  title += std::to_string(parts.position + 1);
  title += " of ";
  title += std::to_string(parts.count);
  title += ')';
  return title;
}

}  // namespace kalvex

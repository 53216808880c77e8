#include "platform/file_dialogs.h"

#include <filesystem>

#include "platform/platform_constants.h"
#include "platform/window.h"
#include "script/ascii_case.h"
#include "script/utf8_path.h"

namespace {

std::vector<std::string> SplitPatterns(std::string_view patterns) {
  std::vector<std::string> result;
  while (!patterns.empty()) {
    const std::size_t end = patterns.find(';');
    if (end != 0) result.emplace_back(patterns.substr(0, end));
    if (end == std::string_view::npos) break;
    patterns.remove_prefix(end + 1);
  }
  return result;
}

TFileRequest RequestFor(const TOpenSaveDialog::TData& data, bool mustExist) {
  return {data.FileName, data.InitialDir, ParseFileFilter(data.Filter), mustExist};
}

THandle HandleOf(const TWindow* window) { return window ? window->GetHandle() : nullptr; }

// `extension` as it is written in the name of a file `path`.extension that
// exists already, or as given when there is none. Of several, the one
// written as given is taken, else the first by name. The folder is read for
// the name as it stands there, since on a file system that ignores case any
// capitals would name the file.
std::string ExistingExtensionCapitals(const std::filesystem::path& path,
                                      std::string_view extension) {
  namespace fs = std::filesystem;
  std::error_code error;
  const std::string stem = kalvex::Utf8FromPath(path.filename()) + '.';
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  std::string found;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = kalvex::Utf8FromPath(entry->path().filename());
    if (!name.starts_with(stem) || !kalvex::EqualIgnoringCase(name.substr(stem.size()), extension))
      continue;
    const std::string capitals = name.substr(stem.size());
    if (capitals == extension) return capitals;
    if (found.empty() || capitals < found) found = capitals;
  }
  return found.empty() ? std::string(extension) : found;
}

}  // namespace

std::vector<TFileFilter> ParseFileFilter(std::string_view filter) {
  std::vector<TFileFilter> entries;
  while (true) {
    const std::size_t captionEnd = filter.find('|');
    if (captionEnd == std::string_view::npos) break;
    const std::size_t patternEnd = filter.find('|', captionEnd + 1);
    const std::string_view pattern = filter.substr(captionEnd + 1, patternEnd - captionEnd - 1);
    std::vector<std::string> patterns = SplitPatterns(pattern);
    if (!patterns.empty()) {
      entries.push_back({std::string(filter.substr(0, captionEnd)), std::move(patterns)});
    }
    if (patternEnd == std::string_view::npos) break;
    filter.remove_prefix(patternEnd + 1);
  }
  return entries;
}

std::string WithDefaultExtension(std::string path, std::string_view extension) {
  const std::filesystem::path chosen = kalvex::PathFromUtf8(path);
  const std::string name = kalvex::Utf8FromPath(chosen.filename());
  if (extension.empty() || name.empty() || name.find('.') != std::string::npos) return path;
  return path + '.' + ExistingExtensionCapitals(chosen, extension);
}

TOpenSaveDialog::TData::TData(unsigned long flags, std::string_view filter, std::string_view defExt)
    : Flags(flags), Filter(filter), DefExt(defExt) {}

TOpenSaveDialog::TOpenSaveDialog(TWindow* parent, TData& data) : parent_(parent), data_(data) {}

int TOpenSaveDialog::Execute() {
  std::optional<std::string> chosen = Choose();
  if (!chosen || chosen->empty()) return IDCANCEL;
  data_.FileName = std::move(*chosen);
  return IDOK;
}

TFileOpenDialog::TFileOpenDialog(TWindow* parent, TData& data) : TOpenSaveDialog(parent, data) {}

std::optional<std::string> TFileOpenDialog::Choose() {
  return UserInterface().ChooseFileToOpen(HandleOf(Parent()),
                                          RequestFor(Data(), Data().Flags & OFN_FILEMUSTEXIST));
}

TFileSaveDialog::TFileSaveDialog(TWindow* parent, TData& data) : TOpenSaveDialog(parent, data) {}

std::optional<std::string> TFileSaveDialog::Choose() {
  std::optional<std::string> chosen =
      UserInterface().ChooseFileToSave(HandleOf(Parent()), RequestFor(Data(), false));
  if (chosen && !chosen->empty()) return WithDefaultExtension(std::move(*chosen), Data().DefExt);
  return chosen;
}

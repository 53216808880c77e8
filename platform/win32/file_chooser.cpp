#include "platform/win32/file_chooser.h"

#include "platform/win32/text_codec.h"

namespace {

// Room for the longest path the dialogs give.
constexpr std::size_t kPathRoom = 32768;

}  // namespace

std::wstring DialogFilter(const std::vector<TFileFilter>& filters) {
  std::wstring filter;
  for (const TFileFilter& entry : filters) {
    filter += WideFromBytes(entry.Caption);
    filter += L'\0';
    for (std::size_t i = 0; i < entry.Patterns.size(); ++i) {
      if (i > 0) filter += L';';
      filter += WideFromBytes(entry.Patterns[i]);
    }
    filter += L'\0';
  }
  filter += L'\0';
  return filter;
}

std::optional<std::string> ChooseFile(HWND owner, const TFileRequest& request, bool save) {
  const std::wstring filter = DialogFilter(request.Filters);
  std::wstring path = WideFromUtf8(request.FileName);
  if (path.size() >= kPathRoom) path.clear();
  path.resize(kPathRoom, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = request.Filters.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = DWORD(path.size());
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  if (!save && request.MustExist) dialog.Flags |= OFN_FILEMUSTEXIST;
  const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  if (!chosen) return std::nullopt;
  path.resize(wcsnlen(path.c_str(), path.size()));
  return Utf8FromWide(path);
}

// The system's dialogs for choosing a file to open or to save to. A save
// dialog takes new names and replaces nothing itself: the editor asks before
// it replaces a file.
#include "platform/user_interface.h"
#include "platform/win32/native_window.h"
#include "platform/win32/text_codec.h"
// After <windows.h>, which win32.h brings: the dialogs' error codes.
#include <cderr.h>

namespace {

// Room for the longest path the dialogs give.
constexpr std::size_t kPathRoom = 32768;

// The filter the dialogs take: "caption\0pattern;pattern\0" for each entry,
// then a second '\0'.
std::wstring DialogFilter(const std::vector<TFileFilter>& filters) {
  std::wstring filter;
  for (const TFileFilter& entry : filters) {
    filter += WideFromUtf8(entry.Caption);
    filter += L'\0';
    for (std::size_t i = 0; i < entry.Patterns.size(); ++i) {
      if (i > 0) filter += L';';
      filter += WideFromUtf8(entry.Patterns[i]);
    }
    filter += L'\0';
  }
  filter += L'\0';
  return filter;
}

// Opens in the folder of `path`, else in `folder`, else in the current one.
std::optional<std::string> ShowFileDialog(HWND owner, const std::wstring& filter, std::wstring path,
                                          const std::wstring& folder, bool mustExist, bool save) {
  if (path.size() >= kPathRoom) path.clear();
  path.resize(kPathRoom, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.size() > 1 ? filter.c_str() : nullptr;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = DWORD(path.size());
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  if (mustExist) dialog.Flags |= OFN_FILEMUSTEXIST;
  if (save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog)) {
    path.resize(wcsnlen(path.c_str(), path.size()));
    return Utf8FromWide(path);
  }
  return std::nullopt;
}

// The chosen path (UTF-8), or nothing when the user cancelled.
std::optional<std::string> ChooseFile(HWND owner, const TFileRequest& request, bool save) {
  const std::wstring filter = DialogFilter(request.Filters);
  const std::wstring folder = WideFromUtf8(request.Folder);
  const bool mustExist = !save && request.MustExist;
  std::optional<std::string> chosen =
      ShowFileDialog(owner, filter, WideFromUtf8(request.FileName), folder, mustExist, save);
  // A proposed name the dialog cannot show keeps it from opening at all: it
  // opens without one rather than not at all.
  if (!chosen && CommDlgExtendedError() == FNERR_INVALIDFILENAME) {
    chosen = ShowFileDialog(owner, filter, {}, folder, mustExist, save);
  }
  return chosen;
}

}  // namespace

std::optional<std::string> TPlatformUserInterface::ChooseFileToOpen(THandle owner,
                                                                    const TFileRequest& request) {
  return ChooseFile(HwndOf(owner), request, false);
}

std::optional<std::string> TPlatformUserInterface::ChooseFileToSave(THandle owner,
                                                                    const TFileRequest& request) {
  return ChooseFile(HwndOf(owner), request, true);
}

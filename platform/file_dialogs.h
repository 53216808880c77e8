// The file open and save dialogs and the data record they share.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/user_interface.h"

class TWindow;

class TOpenSaveDialog {
 public:
  // What a dialog shows and what it gives back. `Filter` holds pairs
  // "caption|pattern|"; patterns of one entry are separated by ';'.
  struct TData {
    TData(unsigned long flags, std::string_view filter, std::string_view defExt);

    unsigned long Flags;  // OFN_*
    std::string Filter;
    std::string DefExt;      // added to a chosen name that has no extension
    std::string FileName;    // proposed by the dialog; the chosen path after IDOK
    std::string InitialDir;  // where the dialogs open when FileName names no folder
  };

  virtual ~TOpenSaveDialog() = default;

  // Shows the dialog: IDOK with the chosen path in the data's FileName, or
  // IDCANCEL with FileName unchanged.
  int Execute();

 protected:
  TOpenSaveDialog(TWindow* parent, TData& data);

  TWindow* Parent() const { return parent_; }
  TData& Data() const { return data_; }

  // Asks the user; nothing when cancelled.
  virtual std::optional<std::string> Choose() = 0;

 private:
  TWindow* parent_;
  TData& data_;
};

// Lets the user pick a file to read: with OFN_FILEMUSTEXIST only existing files.
class TFileOpenDialog : public TOpenSaveDialog {
 public:
  TFileOpenDialog(TWindow* parent, TData& data);

 protected:
  std::optional<std::string> Choose() override;
};

// Lets the user name a file to write, new or existing; an existing file is
// replaced without a question. OFN_FILEMUSTEXIST does not apply here.
class TFileSaveDialog : public TOpenSaveDialog {
 public:
  TFileSaveDialog(TWindow* parent, TData& data);

 protected:
  std::optional<std::string> Choose() override;
};

// The entries of a "caption|pattern|caption|pattern|" filter; a caption
// without a pattern is dropped.
std::vector<TFileFilter> ParseFileFilter(std::string_view filter);

// `path` with "." and `extension` added when its file name has no extension.
// When a file of that name stands there already with the extension in other
// capitals ("gun.tdf" for "gun" and "TDF"), its name is given instead, so
// that saving goes to that file rather than to a second one beside it.
std::string WithDefaultExtension(std::string path, std::string_view extension);

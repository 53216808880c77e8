// Saving the bytes of a script to a file so that a failure leaves the earlier
// file as it was: the bytes go to a temporary file in the same folder, which
// then replaces the target in one step. One implementation per system:
// save_file_posix.cpp and save_file_windows.cpp.
#pragma once

#include <string>
#include <string_view>

#include "script/file_refusal.h"

namespace kalvex {

enum class SaveStatus {
  kSaved,
  kSavedUnconfirmed,  // the file holds the bytes, but making them last failed (see SaveScriptFile)
  kCannotOpen,        // nothing was created or changed
  kCannotWrite,       // the earlier file, if any, is as it was (see SaveScriptFile)
};

struct SaveResult {
  SaveStatus status = SaveStatus::kSaved;
  std::string reason;  // why, in words ("Permission denied"); empty when saved

  // Saved with nothing to tell; kSavedUnconfirmed is saved too, but told.
  bool ok() const { return status == SaveStatus::kSaved; }
  // What the user is told when the save failed.
  FileRefusal refusal() const {
    return {
        status == SaveStatus::kCannotOpen ? FileFailure::kCannotOpen : FileFailure::kCannotWrite,
        reason};
  }
};

// What the user is told on kSavedUnconfirmed: `file` is the file's name as
// the messages show it, `reason` the result's.
inline std::string UnconfirmedSaveMessage(std::string_view file, std::string_view reason) {
  return "Saved " + std::string(file) +
         ", but the system could not confirm that it reached the disk: " + std::string(reason);
}

// Writes `bytes` as the whole contents of the regular file at `path` (UTF-8),
// creating it when it is missing. The bytes are written as they are: no line
// end is ever translated.
//
// Refused with kCannotOpen, touching nothing: an empty or folder-like name, a
// missing folder, a folder, a device, fifo, socket or other special file, and
// a read-only file (no write bit for its owner, or not writable by us; on
// Windows the read-only attribute).
//
// A symbolic link is written through: its final target is replaced and the
// link stays. An existing file keeps its permission bits and, where we may
// keep it, its owner (on Windows its attributes and security).
//
// Any error until the new file takes the place of the earlier one gives
// kCannotWrite and leaves the earlier file byte for byte as it was; the
// temporary file is removed, and when even that fails the reason names the
// temporary file left behind. On POSIX systems the folder is synced after the
// new file took its place, so that the new name lasts; when that fails the
// result is kSavedUnconfirmed, with the system's reason.
//
// On Windows a file that another program holds open without sharing it is
// refused with kCannotOpen ("The file is in use by another program").
//
// On POSIX systems only, when the folder refuses new files to us but the file
// itself is writable, the file is rewritten in place; an error then gives
// kCannotWrite and may leave it damaged.
SaveResult SaveScriptFile(const std::string& path, std::string_view bytes);

}  // namespace kalvex

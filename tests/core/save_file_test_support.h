// What the save tests of every system share: a fresh folder per test, the
// scripts saved, snapshots of a folder, the table of refusals and the walks
// through every failing system call.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "script/save_file.h"
#include "script/script_file_reader.h"
#include "script/script_writer.h"
#include "script/utf8_path.h"
#include "test_support.h"
#include "tests/call_faults.h"
#include "tests/temp_folder.h"

namespace kalvex::save_test {

namespace fs = std::filesystem;

// Reads a file afresh; nothing when it cannot be read.
inline std::optional<std::string> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.flush()) << path;
}

// What the system keeps about a file beside its contents: mode, owner and
// inode on POSIX systems, attributes on Windows. Defined by each system's
// save tests.
std::string SystemStateOf(const fs::path& path);

// What a save keeps of an existing file beside its contents: mode and owner
// on POSIX systems, attributes on Windows. Defined by each system's save
// tests.
std::string KeptStateOf(const fs::path& path);

// Opens up what a test locked (folder modes, read-only attributes) so that
// the folder can be removed. Defined by each system's save tests.
void MakeRemovable(const fs::path& folder);

// The error with which the walks below make system calls fail (an errno or
// GetLastError value), and the reason a save gives for it. Defined by each
// system's save tests.
extern const int kInjectedError;
extern const char* const kInjectedReason;

// Everything that a save could change under a folder. Special files are
// never opened.
struct EntryState {
  fs::file_type type = fs::file_type::none;
  std::string system;
  std::string contents;  // of a regular file; the text of a link
  bool operator==(const EntryState&) const = default;
};

inline std::map<std::string, EntryState> Snapshot(const std::string& folder) {
  std::map<std::string, EntryState> entries;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    EntryState state{entry.symlink_status().type(), SystemStateOf(entry.path()), {}};
    if (state.type == fs::file_type::regular) {
      state.contents = ReadFile(entry.path()).value_or("<unreadable>");
    }
    if (state.type == fs::file_type::symlink)
      state.contents = fs::read_symlink(entry.path()).string();
    entries[entry.path().string().substr(folder.size())] = state;
  }
  return entries;
}

inline std::set<std::string> Names(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

// The save ended with `status` and, when one is given, `reason`.
inline void ExpectStatus(const SaveResult& result, SaveStatus status,
                         const char* reason = nullptr) {
  EXPECT_EQ(result.ok(), status == SaveStatus::kSaved);
  EXPECT_EQ(result.status, status);
  if (reason != nullptr) {
    EXPECT_EQ(result.reason, reason);
  }
}

inline void ExpectSaved(const SaveResult& result) { ExpectStatus(result, SaveStatus::kSaved, ""); }

inline const std::string& EarlierScript() {
  static const std::string bytes = WriteScript(test::WorkedExample());
  return bytes;
}

inline const std::string& NewScript() {
  static const std::string bytes = [] {
    WeaponRecord record = test::WorkedExample();
    record.Weapname = "Heavy Rocket Battery";
    record.Weapbeam = 1;
    record.Weapcol2 = 3;
    return WriteScript(record);
  }();
  return bytes;
}

inline std::string MakeFile(const std::string& path) {
  WriteBytes(path, EarlierScript());
  return path;
}

// Each way a file can fail to be opened for writing: refused at once, with
// nothing created or changed anywhere in the folder.
struct RefusalCase {
  const char* name;
  std::function<std::string(const std::string& dir)> prepare;  // returns the path to save to
  const char* reason;  // what the user is told after the first line
};

// A save walked through every system call it makes: for N = 1, 2, ... the
// Nth call fails (in a second round, every later one too) until a save makes
// fewer calls than N.
struct SaveWalk {
  const char* name;
  std::function<std::string(const std::string& dir)> prepare;  // returns the path to save to
  const char* file;   // the file that the save writes, under the folder
  const char* calls;  // the calls of a save that none fails, in order
  // The first call of this name fails with `refused_error` in every save of
  // the walk, leading the save to another way.
  const char* refused = nullptr;
  int refused_error = 0;
  bool in_place = false;  // that way rewrites the file itself: a failure may damage it
};

// The walks of each system, the refusals that only it has, and the calls of
// loading a file. Defined by each system's save tests.
extern const std::vector<SaveWalk> kSaveWalks;
extern const std::vector<RefusalCase> kSystemRefusals;
extern const char* const kLoadCalls;

// The key of `file` (under the folder) in a Snapshot.
inline std::string SnapshotKey(const char* file) {
  return fs::path("/" + std::string(file)).make_preferred().string();
}

class SaveFileTest : public ::testing::Test {
 protected:
  void SetUp() override { UseFreshFolder(); }

  void TearDown() override {
    for (const std::string& folder : folders_) {
      MakeRemovable(folder);
      fs::remove_all(folder, ignore_);
    }
  }

  // Makes dir_ a new, empty folder of its own.
  void UseFreshFolder() {
    dir_ = test::MakeTempFolder("kalvex-save-").string();
    folders_.push_back(dir_);
  }

  std::string Path(const std::string& name) const { return dir_ + "/" + name; }

  // Saves to the case's path in a fresh folder: refused for the case's
  // reason, with nothing changed.
  void ExpectRefused(const RefusalCase& refusal) {
    SCOPED_TRACE(refusal.name);
    UseFreshFolder();
    const std::string path = refusal.prepare(dir_);
    const auto before = Snapshot(dir_);
    ExpectStatus(SaveScriptFile(path, NewScript()), SaveStatus::kCannotOpen, refusal.reason);
    EXPECT_EQ(Snapshot(dir_), before);
  }

  // Saves over the file that `prepare` makes in a fresh folder: it holds the
  // new script, keeps what a save keeps of it, and is alone in its folder.
  void ExpectReplacedKeepingState(const std::function<std::string(const std::string&)>& prepare) {
    UseFreshFolder();
    const std::string path = prepare(dir_);
    const std::string kept = KeptStateOf(path);
    ExpectSaved(SaveScriptFile(path, NewScript()));
    EXPECT_EQ(ReadFile(path), NewScript());
    EXPECT_EQ(KeptStateOf(path), kept);
    EXPECT_EQ(Names(dir_), std::set<std::string>{fs::path(path).filename().string()});
  }

  // Walks the save through its calls: each failure is told with its reason,
  // and leaves the earlier file as it was with no temporary file left, or
  // names the temporary file that could not be removed; a failure after the
  // new file took the old one's place is told as such.
  void Walk(const SaveWalk& walk) {
    SCOPED_TRACE(walk.name);
    for (const bool persistent : {false, true}) {
      for (std::size_t fail_at = 1;; ++fail_at) {
        SCOPED_TRACE(testing::Message()
                     << "call " << fail_at << (persistent ? " on" : "") << " fails");
        UseFreshFolder();
        const std::string path = walk.prepare(dir_);
        const auto before = Snapshot(dir_);
        const std::string kept = KeptStateOf(Path(walk.file));
        test::CallFaults faults(fail_at, persistent, kInjectedError, walk.refused,
                                walk.refused_error);
        const SaveResult result = SaveScriptFile(path, NewScript());
        faults.Disarm();
        if (faults.failed().empty()) {
          ExpectSaved(result);
          ExpectWritten(before, kept, walk.file);
          EXPECT_EQ(faults.calls(), walk.calls);
          break;
        }
        SCOPED_TRACE(faults.failed());
        EXPECT_FALSE(result.ok()) << "a failed call, told as saved";
        if (result.ok()) continue;
        if (result.status == SaveStatus::kSavedUnconfirmed) {
          ExpectStatus(result, SaveStatus::kSavedUnconfirmed, kInjectedReason);
          ExpectWritten(before, kept, walk.file);
        } else {
          ExpectNotWritten(result, before, walk);
        }
      }
    }
  }

  // `file` holds the new script and what the save keeps of an earlier file;
  // nothing else changed.
  void ExpectWritten(std::map<std::string, EntryState> before, const std::string& kept,
                     const char* file) {
    const std::string key = SnapshotKey(file);
    auto after = Snapshot(dir_);
    EXPECT_EQ(after[key].contents, NewScript());
    if (before.count(key) != 0) {
      EXPECT_EQ(KeptStateOf(Path(file)), kept);
    }
    before.erase(key);
    after.erase(key);
    EXPECT_EQ(after, before);
  }

  // The failure is told with its reason, and nothing changed but a temporary
  // file that the reason names (and, on the way in place, the file itself).
  void ExpectNotWritten(const SaveResult& result, std::map<std::string, EntryState> before,
                        const SaveWalk& walk) {
    ExpectStatus(result, result.status == SaveStatus::kCannotOpen ? SaveStatus::kCannotOpen
                                                                  : SaveStatus::kCannotWrite);
    auto after = Snapshot(dir_);
    std::string reason = kInjectedReason;
    for (auto entry = after.begin(); entry != after.end();) {
      if (before.count(entry->first) != 0) {
        ++entry;
        continue;
      }
      reason += "; the temporary file " + fs::path(entry->first).filename().string() +
                " could not be removed: " + kInjectedReason;
      entry = after.erase(entry);
    }
    EXPECT_EQ(result.reason, reason);
    if (walk.in_place) {
      before.erase(SnapshotKey(walk.file));
      after.erase(SnapshotKey(walk.file));
    }
    EXPECT_EQ(after, before);
  }

  // Walks a load of a script through its calls: each failure is told with
  // its error, and nothing is read.
  void WalkLoad() {
    const std::string path = MakeFile(Path("w.tdf"));
    for (const bool persistent : {false, true}) {
      for (std::size_t fail_at = 1;; ++fail_at) {
        SCOPED_TRACE(testing::Message()
                     << "call " << fail_at << (persistent ? " on" : "") << " fails");
        std::string bytes = "left over";
        std::error_code error;
        test::CallFaults faults(fail_at, persistent, kInjectedError);
        const ScriptFileStatus status = LoadScriptFile(PathFromUtf8(path), bytes, &error);
        faults.Disarm();
        if (faults.failed().empty()) {
          EXPECT_EQ(status, ScriptFileStatus::kRead);
          EXPECT_EQ(bytes, EarlierScript());
          EXPECT_EQ(faults.calls(), kLoadCalls);
          break;
        }
        SCOPED_TRACE(faults.failed());
        EXPECT_EQ(status, ScriptFileStatus::kCannotOpen);
        EXPECT_EQ(error.value(), kInjectedError);
        EXPECT_EQ(bytes, "");
      }
    }
  }

  std::string dir_;
  std::vector<std::string> folders_;
  std::error_code ignore_;
};

// Saves over `path` in `folder`, whose disk the file "filler" beside it
// filled up: the save fails and the earlier script stays; with the filler
// removed, the same save succeeds.
inline void ExpectFullDiskKeepsEarlierScript(const std::string& folder, const std::string& path) {
  ASSERT_GT(NewScript().size(), EarlierScript().size());
  ExpectStatus(SaveScriptFile(path, NewScript()), SaveStatus::kCannotWrite,
               "No space left on device");
  EXPECT_EQ(ReadFile(path), EarlierScript());
  EXPECT_EQ(Names(folder), (std::set<std::string>{"filler", "w.tdf"}));
  ASSERT_TRUE(fs::remove(fs::path(folder) / "filler"));
  ExpectSaved(SaveScriptFile(path, NewScript()));
  EXPECT_EQ(ReadFile(path), NewScript());
  EXPECT_EQ(Names(folder), std::set<std::string>{"w.tdf"});
}

inline constexpr const char* kReadOnly = "The file is read-only";
inline constexpr const char* kNoFolder = "The folder does not exist";
inline constexpr const char* kIsFolder = "It is a folder";
inline constexpr const char* kSpecial = "It is not a regular file";
inline constexpr const char* kBadName = "The file name is not valid";
inline constexpr const char* kTooLong = "File name too long";

// A file that is read-only in the system's own way: no write bits on POSIX
// systems, the read-only attribute on Windows.
inline std::string MakeReadOnlyFile(const std::string& path) {
  MakeFile(path);
  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  return path;
}

inline std::string MakeFolder(const std::string& path) {
  fs::create_directory(path);
  return path;
}

// The refusals that every system shares.
inline const RefusalCase kRefusals[] = {
    {"read-only file", [](auto& d) { return MakeReadOnlyFile(d + "/w.tdf"); }, kReadOnly},
    {"missing folder", [](auto& d) { return d + "/missing/w.tdf"; }, kNoFolder},
    {"path is a folder", [](auto& d) { return MakeFolder(d + "/sub"); }, kIsFolder},
    {"path is a folder, with a slash", [](auto& d) { return MakeFolder(d + "/sub") + "/"; },
     kIsFolder},
    {"missing file named with a slash", [](auto& d) { return d + "/new.tdf/"; }, kNoFolder},
    {"path ends in a dot", [](auto& d) { return d + "/."; }, kIsFolder},
    {"path ends in two dots", [](auto& d) { return MakeFolder(d + "/sub") + "/.."; }, kIsFolder},
    {"file used as a folder", [](auto& d) { return MakeFile(d + "/w.tdf") + "/x.tdf"; }, kNoFolder},
    {"empty name", [](auto&) { return std::string(); }, kBadName},
    {"name holding a NUL byte",
     [](auto& d) { return MakeFile(d + "/w.tdf") + std::string(1, '\0') + "x"; }, kBadName},
    {"name too long", [](auto& d) { return d + "/" + std::string(300, 'n') + ".tdf"; }, kTooLong},
};

}  // namespace kalvex::save_test

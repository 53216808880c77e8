// The File and Help commands: the question about unsaved changes answered
// every way, what counts as a change, file dialogs confirmed or cancelled,
// files that cannot be read or written, what opening a script tells, and
// the help.
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <string>

#include "pages/edit_text.h"
#include "script/utf8_path.h"
#include "tests/call_faults.h"
#include "tests/window/page_expectations.h"
#include "tests/window/page_values.h"
#include "tests/window/window_case.h"
#include "tests/window/window_slots.h"

namespace kalvex::test {
namespace {

constexpr std::string_view kCannotOpen = "Unable to open file";
constexpr std::string_view kNoWeapon = "No weapon found in file";
constexpr std::string_view kNoHeader =
    "It has no line with a weapon code in brackets, such as [GUN]";
constexpr std::string_view kUnreadableReplaced =
    "It does not hold a weapon script that this editor can read; replacing it loses its "
    "contents.\n";

// What File, Open reads in these cases: code and ID only, so every other
// member shows whether the record was reset before reading.
constexpr char kOpenedScript[] = "[OPENED]\r\n\t{\r\n\tID=7;\r\n}";

// A script of several weapons, which the window holds whole.
constexpr char kThreeWeapons[] =
    "[FIRST]\r\n\t{\r\n\tID=1;\r\n}\r\n[SECOND]\r\n\t{\r\n\tID=2;\r\n}\r\n"
    "[THIRD]\r\n\t{\r\n\tID=3;\r\n}\r\n";

WeaponRecord OpenedWeapon() {
  WeaponRecord record;
  record.Weapcode = "OPENED";
  record.WeapID = std::string("7");
  record.Weapmodl = 14;  // no model entry
  // No entries for these lists, which have no entry for none.
  for (int WeaponRecord::*list :
       {&WeaponRecord::Weapstyle, &WeaponRecord::Weaprend, &WeaponRecord::Weapcol2,
        &WeaponRecord::Weapexgaf, &WeaponRecord::Weapexart, &WeaponRecord::Weapwtgaf,
        &WeaponRecord::Weapwtart, &WeaponRecord::Weaplagaf, &WeaponRecord::Weaplaart}) {
    record.*list = kNoEntry;
  }
  return record;
}

// A device, which is no regular file.
const char* DevicePath() { return kNamesAreBytes ? "/dev/null" : "\\\\.\\NUL"; }

// What stands where a case saves or opens.
enum class Target { Nothing, Earlier, ReadOnly, Folder, Device, NoHeader, Empty, Utf16, Large };

// Makes `target` at `path`, or nothing there; false when this system cannot.
bool MakeTarget(Target target, const std::string& path) {
  namespace fs = std::filesystem;
  const fs::path at = PathFromUtf8(path);
  switch (target) {
    case Target::Nothing:
      break;
    case Target::Earlier:
    case Target::ReadOnly:
      WriteBytes(path, "earlier");
      if (target == Target::ReadOnly) {
        fs::permissions(at, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
      }
      break;
    case Target::Folder:
      fs::create_directory(at);
      break;
    case Target::Device: {
      std::error_code refused;  // Windows gives links only to those with the privilege
      fs::create_symlink(DevicePath(), at, refused);
      return !refused;
    }
    case Target::NoHeader:
      WriteBytes(path, "ID=5;\r\nname=Gun;\r\n");
      break;
    case Target::Empty:
      WriteBytes(path, "");
      break;
    case Target::Utf16:
      WriteBytes(path, std::string("\xFF\xFE[\0G\0U\0N\0]\0", 10));
      break;
    case Target::Large:
      WriteBytes(path, "[GUN]\r\n\t{\r\n\tID=5;\r\n}\r\n");
      fs::resize_file(at, 16 * 1024 * 1024 + 1);
      break;
  }
  return true;
}

// A file error's box: its first line, then the file's name and why ("":
// whatever the system says). A save's message ends in a line of its own
// that says nothing was saved.
void ExpectFileError(const AskedQuestion& told, std::string_view firstLine, const std::string& path,
                     std::string_view reason, bool save) {
  constexpr std::string_view kNotSaved = "\n\nThe script was not saved.";
  std::string text = told.Text;
  if (save) {
    ASSERT_TRUE(text.ends_with(kNotSaved)) << text;
    text.resize(text.size() - kNotSaved.size());
  }
  EXPECT_TRUE(text.starts_with(std::string(firstLine) + "\n")) << text;
  EXPECT_NE(text.find(path), std::string::npos) << text;
  const std::string why = text.substr(text.rfind('\n') + 1);
  EXPECT_TRUE(!why.empty() && why != path) << text;
  if (!reason.empty()) {
    EXPECT_EQ(why, reason);
  }
  EXPECT_EQ(told.Caption, "File Error");
  EXPECT_EQ(told.Type, MB_ICONEXCLAMATION | MB_OK);
}

class FileCommandCase : public WindowCase {
 protected:
  // The state after the user changed things: page 4 up, a code typed on
  // page 0, a model chosen on page 10 and the turret chosen on page 4.
  struct Snapshot {
    WeaponRecord record;
    const TWindow* turretList;
  };

  Snapshot MakeChanges() {
    EXPECT_TRUE(FileNew());
    EXPECT_TRUE(TypeOnPage(0, "Enter", "GUN"));
    EXPECT_TRUE(Driver().ClickPage(10));
    EXPECT_TRUE(Driver().Pick("ComboBox4", 3));
    EXPECT_TRUE(Driver().ClickPage(4));
    EXPECT_TRUE(Driver().Pick("ComboBox1", 1));
    EXPECT_EQ(Weapon().Weapcode, "GUN");
    EXPECT_EQ(Weapon().Weapmodl, 3);
    EXPECT_EQ(Weapon().Weaptur, 1);
    EXPECT_EQ(Window().SaveFlag(), 0);
    return {Weapon(), SlotControl(Window(), "ComboBox1")};
  }

  // Nothing changed: the page up, its controls not built again.
  void ExpectUnchanged(const Snapshot& before, int save = 0) {
    EXPECT_EQ(RecordDifferences(Weapon(), before.record), "");
    EXPECT_EQ(Window().SaveFlag(), save);
    EXPECT_EQ(Window().Page().Box, 1);
    EXPECT_EQ(Window().Page().indexx, 4);
    EXPECT_EQ(SlotControl(Window(), "ComboBox1"), before.turretList);
    EXPECT_EQ(Driver().PageListSelection(), 4);
    EXPECT_EQ(Driver().ListSelection("ComboBox1"), 1);
  }

  // A fresh weapon: no page up, a new page list with entry 0 selected.
  void ExpectFreshWeapon(const WeaponRecord& record) {
    EXPECT_EQ(RecordDifferences(Weapon(), record), "");
    EXPECT_EQ(Window().SaveFlag(), 1);
    EXPECT_EQ(Window().Page().Box, 0);
    for (const std::string_view slot : AllSlots()) {
      EXPECT_FALSE(SlotControl(Window(), slot));
    }
    EXPECT_EQ(Driver().PageListSelection(), 0);
  }

  // The names of the files in the case's folder.
  std::vector<std::string> FilesInFolder() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(PathFromUtf8(Path("")))) {
      if (entry.is_regular_file()) names.push_back(Utf8FromPath(entry.path().filename()));
    }
    std::ranges::sort(names);
    return names;
  }

  // The one message that File, Open of `script`, whose ID is 5, gives.
  std::string OpenedScriptMessage(std::string_view name, const std::string& script) {
    EXPECT_TRUE(FileNew());
    EXPECT_TRUE(OpenScriptOf(name, script));
    EXPECT_EQ(Weapon().WeapID, "5");
    if (Ui().Questions.size() != 1) return "asked " + std::to_string(Ui().Questions.size());
    EXPECT_EQ(Ui().Questions.front().Type & MB_TYPEMASK, MB_OK);
    return Ui().Questions.front().Text;
  }
};

// How a case answers the file dialog that follows the question.
enum class Choice { Cancel, Writable, Unwritable };

struct UnsavedAnswer {
  std::string_view name;
  bool open = false;  // File, Open; else File, New
  int answer;
  Choice saveDialog = Choice::Cancel;
  bool openDialog = false;  // whether the open dialog comes
  bool replaced = false;    // whether the weapon is then a fresh one
};

class UnsavedAnswerCase : public FileCommandCase,
                          public ::testing::WithParamInterface<UnsavedAnswer> {};

// File, New and File, Open ask first about unsaved changes, then save
// them, or not, and replace the weapon, or not.
TEST_P(UnsavedAnswerCase, DecidesWhatFollows) {
  const UnsavedAnswer& row = GetParam();
  ASSERT_TRUE(WriteBytes(Path("opened.tdf"), kOpenedScript));
  const Snapshot before = MakeChanges();
  Ui().Answers.push_back(row.answer);
  if (row.answer == IDYES && row.saveDialog != Choice::Cancel) {
    Ui().FileChoices.push_back(
        Path(row.saveDialog == Choice::Writable ? "saved.tdf" : "missing/saved.tdf"));
  } else if (row.answer == IDYES) {
    Ui().FileChoices.push_back(std::nullopt);
  }
  if (row.open && row.replaced) Ui().FileChoices.push_back(Path("opened.tdf"));

  ASSERT_TRUE(row.open ? FileOpen() : FileNew());

  ASSERT_FALSE(Ui().Questions.empty());
  EXPECT_EQ(Ui().Questions.front().Text, kUnsavedQuestion);
  EXPECT_EQ(Ui().Questions.front().Caption, "Warning...");
  EXPECT_EQ(Ui().Questions.front().Type, MB_YESNOCANCEL);
  EXPECT_EQ(Ui().FileDialogs.size(), (row.answer == IDYES ? 1u : 0u) + (row.openDialog ? 1u : 0u));
  if (row.openDialog) {
    EXPECT_FALSE(Ui().FileDialogs.back().Save);
    EXPECT_TRUE(Ui().FileDialogs.back().Request.MustExist);
  }
  EXPECT_EQ(std::filesystem::exists(PathFromUtf8(Path("saved.tdf"))),
            row.saveDialog == Choice::Writable);
  WeaponRecord fresh = row.open ? OpenedWeapon() : WeaponRecord();
  if (!row.open) fresh.Weapmodl = before.record.Weapmodl;  // File, New keeps the model
  if (row.replaced) ExpectFreshWeapon(fresh);
  // Saved, the weapon's lists show what the file holds: not a beam, it has
  // no colour.
  Snapshot kept = before;
  if (row.saveDialog == Choice::Writable) kept.record.Weapcol2 = kNoEntry;
  if (!row.replaced) ExpectUnchanged(kept, row.saveDialog == Choice::Writable ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, UnsavedAnswerCase,
    ::testing::Values(
        UnsavedAnswer{.name = "File, New: Yes, save dialog cancelled", .answer = IDYES},
        UnsavedAnswer{.name = "File, New: Yes, saved",
                      .answer = IDYES,
                      .saveDialog = Choice::Writable,
                      .replaced = true},
        UnsavedAnswer{.name = "File, New: Yes, saving failed",
                      .answer = IDYES,
                      .saveDialog = Choice::Unwritable},
        UnsavedAnswer{.name = "File, New: No", .answer = IDNO, .replaced = true},
        UnsavedAnswer{.name = "File, New: Cancel", .answer = IDCANCEL},
        UnsavedAnswer{.name = "File, Open: Cancel", .open = true, .answer = IDCANCEL},
        UnsavedAnswer{
            .name = "File, Open: Yes, save dialog cancelled", .open = true, .answer = IDYES},
        UnsavedAnswer{.name = "File, Open: Yes, saving failed",
                      .open = true,
                      .answer = IDYES,
                      .saveDialog = Choice::Unwritable},
        UnsavedAnswer{.name = "File, Open: Yes, saved, open dialog cancelled",
                      .open = true,
                      .answer = IDYES,
                      .saveDialog = Choice::Writable,
                      .openDialog = true},
        UnsavedAnswer{.name = "File, Open: Yes, saved, opened",
                      .open = true,
                      .answer = IDYES,
                      .saveDialog = Choice::Writable,
                      .openDialog = true,
                      .replaced = true},
        UnsavedAnswer{.name = "File, Open: No, open dialog cancelled",
                      .open = true,
                      .answer = IDNO,
                      .openDialog = true},
        UnsavedAnswer{.name = "File, Open: No, opened",
                      .open = true,
                      .answer = IDNO,
                      .openDialog = true,
                      .replaced = true}),
    [](const auto& row) { return CaseName(row.param.name); });

struct UserChange {
  std::string_view name;
  int page;
  std::string_view how;  // "type", "check", "choose", or the keys pressed
};

class UserChangeCase : public FileCommandCase, public ::testing::WithParamInterface<UserChange> {};

// Typing, checking and choosing mark the script unsaved at once; File, Save
// marks it saved and leaves the page up as it was.
TEST_P(UserChangeCase, MarksTheScriptUnsaved) {
  const UserChange& row = GetParam();
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(Driver().ClickPage(row.page));
  const std::string_view slot = kExpectedPages[std::size_t(row.page)].controls.front().slot;
  if (row.page == 0) {
    ASSERT_TRUE(Driver().Type("Enter", "AB"));
  }
  ASSERT_TRUE(Driver().PutOnClipboard("CD"));
  const TWindow* shown = SlotControl(Window(), slot);
  EXPECT_EQ(Window().SaveFlag(), 0);
  ASSERT_FALSE(SavedAs("page.tdf").empty());
  EXPECT_EQ(Window().SaveFlag(), 1);
  EXPECT_EQ(Window().Page().Box, 1);
  EXPECT_EQ(SlotControl(Window(), slot), shown);

  if (row.page == 0) {
    ASSERT_TRUE(Driver().ClickIntoEdit("Enter"));
  } else {
    ASSERT_TRUE(Driver().PressKeys("Tab"));  // from the page list to the page's first control
  }
  if (row.how == "type") {
    ASSERT_TRUE(Driver().PressKeys("X"));
  } else if (row.how == "check") {
    ASSERT_TRUE(Driver().ClickCheckBox());
  } else if (row.how == "choose") {
    ASSERT_TRUE(Driver().Pick("ComboBox1", 1));
  } else {
    std::string_view keys = row.how;
    for (std::size_t comma; (comma = keys.find(", ")) != std::string_view::npos;) {
      ASSERT_TRUE(Driver().PressKeys(keys.substr(0, comma)));
      keys.remove_prefix(comma + 2);
    }
    ASSERT_TRUE(Driver().PressKeys(keys));
  }
  EXPECT_EQ(Window().SaveFlag(), 0);
  if (row.page == 0) {
    EXPECT_NE(Driver().EditText("Enter"), "AB");
  }
}

INSTANTIATE_TEST_SUITE_P(Changes, UserChangeCase,
                         ::testing::Values(UserChange{"typing", 0, "type"},
                                           UserChange{"undoing what was typed", 0, "Ctrl+Z"},
                                           UserChange{"cutting", 0, "Ctrl+A, Ctrl+X"},
                                           UserChange{"pasting", 0, "Ctrl+A, Ctrl+V"},
                                           UserChange{"deleting", 0, "Ctrl+A, Delete"},
                                           UserChange{"checking with the mouse", 11, "check"},
                                           UserChange{"checking with the space bar", 11, "Space"},
                                           UserChange{"choosing with the mouse", 4, "choose"},
                                           UserChange{"choosing with an arrow key", 4, "Down"}),
                         [](const auto& row) { return CaseName(row.param.name); });

struct LaterChange {
  std::string_view start;   // "new", "opened" or "saved"
  std::string_view change;  // what is done then
  bool asks;                // whether File, Open then asks
};

class LaterChangeCase : public FileCommandCase,
                        public ::testing::WithParamInterface<LaterChange> {};

// Only a weapon that differs from the one last opened, saved or reset asks
// to be saved; every real change still asks.
TEST_P(LaterChangeCase, AsksOnlyForARealChange) {
  const LaterChange& row = GetParam();
  ASSERT_TRUE(WriteBytes(Path("opened.tdf"), kOpenedScript));
  ASSERT_TRUE(FileNew());
  if (row.start == "opened") {
    Ui().FileChoices.push_back(Path("opened.tdf"));
    ASSERT_TRUE(FileOpen());
  }
  if (row.start == "saved") {
    ASSERT_TRUE(TypeOnPage(0, "Enter", "SAVED"));
    ASSERT_FALSE(SavedAs("saved.tdf").empty());
  }
  if (row.start == "three weapons") {
    ASSERT_TRUE(WriteBytes(Path("three.tdf"), kThreeWeapons));
    Ui().FileChoices.push_back(Path("three.tdf"));
    Ui().WeaponChoices.push_back(0);
    ASSERT_TRUE(FileOpen());
  }
  const std::string code = ShownText(Weapon().Weapcode);
  const int turret = Weapon().Weaptur;
  if (row.change == "every page visited") {
    for (std::size_t page = 0; page < kExpectedPages.size(); ++page) {
      ASSERT_TRUE(Driver().ClickPage(int(page)));
    }
  }
  if (row.change == "code typed and typed back" || row.change == "code typed") {
    ASSERT_TRUE(TypeOnPage(0, "Enter", "OTHER"));
    ASSERT_TRUE(Driver().ClickPage(1));
    ASSERT_TRUE(Driver().ClickPage(0));
    if (row.change == "code typed and typed back") {
      ASSERT_TRUE(Driver().Type("Enter", code));
    }
  }
  if (row.change == "list choice taken back" || row.change == "list choice") {
    ASSERT_TRUE(Driver().ClickPage(4));
    ASSERT_TRUE(Driver().Pick("ComboBox1", 1 - turret));
    if (row.change == "list choice taken back") {
      ASSERT_TRUE(Driver().Pick("ComboBox1", turret));
    }
  }
  if (row.change == "list choice, then Ctrl+Z" || row.change == "list choice undone and redone") {
    ASSERT_TRUE(Driver().ClickPage(4));
    ASSERT_TRUE(Driver().Pick("ComboBox1", 1 - turret));
    ASSERT_TRUE(Driver().PressKeys("Ctrl+Z"));
    if (row.change == "list choice undone and redone") {
      ASSERT_TRUE(Driver().PressKeys("Ctrl+Y"));
    }
  }
  if (row.change == "box checked, page still up" || row.change == "box checked, then Ctrl+Z") {
    ASSERT_TRUE(Driver().ClickPage(11));
    ASSERT_TRUE(Driver().ClickCheckBox());
    if (row.change == "box checked, then Ctrl+Z") {
      ASSERT_TRUE(Driver().PressKeys("Ctrl+Z"));
    }
  }
  if (row.change == "code typed, page left, then Ctrl+Z") {
    ASSERT_TRUE(TypeOnPage(0, "Enter", "OTHER"));
    ASSERT_TRUE(Driver().ClickPage(1));
    ASSERT_TRUE(Driver().PressKeys("Ctrl+Z"));
  }
  if (row.change == "weapon duplicated, then Ctrl+Z") {
    ASSERT_TRUE(Driver().PressKeys("Ctrl+D"));
    ASSERT_TRUE(Driver().PressKeys("Ctrl+Z"));
  }
  if (row.change == "code typed, then the next weapon") {
    ASSERT_TRUE(TypeOnPage(0, "Enter", "OTHER"));
    ASSERT_TRUE(Driver().PressKeys("Ctrl+PgDown"));
  }
  if (row.change == "every weapon visited") {
    ASSERT_TRUE(Driver().ClickPage(3));
    for (const char* keys : {"Ctrl+PgDown", "Ctrl+PgDown", "Ctrl+PgUp", "Ctrl+PgUp"}) {
      ASSERT_TRUE(Driver().PressKeys(keys));
    }
  }
  Ui().Answers.push_back(IDCANCEL);
  Ui().FileChoices.push_back(Path("opened.tdf"));
  const std::size_t dialogs = Ui().FileDialogs.size();

  ASSERT_TRUE(FileOpen());

  EXPECT_EQ(!Ui().Questions.empty(), row.asks);
  if (row.asks) {
    EXPECT_EQ(Ui().Questions.front().Text, kUnsavedQuestion);
    EXPECT_EQ(Ui().FileDialogs.size(), dialogs);  // cancelled: no open dialog
  } else {
    EXPECT_EQ(RecordDifferences(Weapon(), OpenedWeapon()), "");
    EXPECT_EQ(Window().SaveFlag(), 1);
  }
}

std::vector<LaterChange> LaterChanges() {
  std::vector<LaterChange> rows;
  for (const std::string_view start : {"new", "opened", "saved", "three weapons"}) {
    rows.push_back({start, "every page visited", false});
    rows.push_back({start, "every weapon visited", false});
    rows.push_back({start, "code typed and typed back", false});
    rows.push_back({start, "list choice taken back", false});
    rows.push_back({start, "code typed", true});
    rows.push_back({start, "list choice", true});
    rows.push_back({start, "box checked, page still up", true});
    rows.push_back({start, "code typed, then the next weapon", true});
    rows.push_back({start, "list choice, then Ctrl+Z", false});
    rows.push_back({start, "box checked, then Ctrl+Z", false});
    rows.push_back({start, "code typed, page left, then Ctrl+Z", false});
    rows.push_back({start, "weapon duplicated, then Ctrl+Z", false});
    rows.push_back({start, "list choice undone and redone", true});
  }
  return rows;
}

INSTANTIATE_TEST_SUITE_P(Changes, LaterChangeCase, ::testing::ValuesIn(LaterChanges()),
                         [](const auto& row) {
                           return CaseName(std::string(row.param.change) + ", " +
                                           std::string(row.param.start));
                         });

struct Unopened {
  std::string_view name;
  Target target;
  std::string_view firstLine;
  std::string_view reason;  // "": as the system says
};

class UnopenedCase : public FileCommandCase, public ::testing::WithParamInterface<Unopened> {};

// A file that cannot be read, or holds no weapon, is reported; the weapon
// is then a fresh one, and the save dialog opens in the file's folder with
// no name proposed.
TEST_P(UnopenedCase, IsReportedAndLeavesAFreshWeapon) {
  const Unopened& row = GetParam();
  const std::string path = Path("opened.tdf");
  if (!MakeTarget(row.target, path)) GTEST_SKIP() << "no link to a device here";
  MakeChanges();
  Ui().Answers.push_back(IDNO);
  Ui().FileChoices.push_back(path);

  ASSERT_TRUE(FileOpen());

  ASSERT_EQ(Ui().Questions.size(), 2u);
  ExpectFileError(Ui().Questions.back(), row.firstLine, path, row.reason, false);
  WeaponRecord fresh;
  fresh.Weapmodl = Weapon().Weapmodl;  // kept by the reset, or "no model" from the reader
  ExpectFreshWeapon(fresh);
  ASSERT_TRUE(FileSave());
  EXPECT_EQ(Ui().FileDialogs.back().Request.FileName, "");
  EXPECT_EQ(Ui().FileDialogs.back().Request.Folder, Utf8FromPath(PathFromUtf8(path).parent_path()));
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnopenedCase,
    ::testing::Values(
        Unopened{"a missing file", Target::Nothing, kCannotOpen,
                 kNamesAreBytes ? "No such file or directory" : ""},
        Unopened{"a folder", Target::Folder, kCannotOpen, "It is a folder"},
        Unopened{"a link to a device", Target::Device, kCannotOpen, "It is not a regular file"},
        Unopened{"a weapon larger than 16 MiB", Target::Large, kCannotOpen,
                 "The file is larger than 16 MiB"},
        Unopened{"no header", Target::NoHeader, kNoWeapon, kNoHeader},
        Unopened{"an empty file", Target::Empty, kNoWeapon, kNoHeader},
        Unopened{"UTF-16 text", Target::Utf16, kNoWeapon,
                 "It is UTF-16 text, which the editor does not read; save it as ANSI or UTF-8"}),
    [](const auto& row) { return CaseName(row.param.name); });

struct FailedSave {
  std::string_view name;
  Target target;
  std::string_view where;  // the name saved as, in the case's folder
  std::string_view firstLine;
  std::string_view reason;  // "": as the system says
  bool diskFull = false;    // the script's write fails, as on a full disk
};

class FailedSaveCase : public FileCommandCase, public ::testing::WithParamInterface<FailedSave> {};

// A save that fails says why, leaves the script unsaved and what stood
// there as it was; the next File, New asks again.
TEST_P(FailedSaveCase, SaysWhyAndLeavesTheScriptUnsaved) {
  const FailedSave& row = GetParam();
  const std::string path = Path(row.where);
  if (!MakeTarget(row.target, path)) GTEST_SKIP() << "no link to a device here";
  const bool asked = row.target != Target::Nothing;
  if (asked) Ui().Answers.push_back(IDYES);  // replace it
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(TypeOnPage(0, "Enter", "GUN"));
  Ui().FileChoices.push_back(path);
  {
    std::optional<NamedCallFault> full;
    if (row.diskFull) {
      full.emplace(kNamesAreBytes ? "write" : "WriteFile", 1, kNamesAreBytes ? ENOSPC : 112);
    }
    ASSERT_TRUE(FileSave());
  }

  ASSERT_EQ(Ui().Questions.size(), asked ? 2u : 1u);
  ExpectFileError(Ui().Questions.back(), row.firstLine, path, row.reason, true);
  EXPECT_EQ(Window().SaveFlag(), 0);
  if (row.target == Target::Earlier || row.target == Target::ReadOnly) {
    EXPECT_EQ(ReadBytes(path), "earlier");
    EXPECT_EQ(FilesInFolder(), std::vector<std::string>{std::string(row.where)});
  }
  if (row.target == Target::Folder) {
    EXPECT_TRUE(std::filesystem::is_directory(PathFromUtf8(path)));
  }
  if (row.target == Target::Nothing) {
    EXPECT_FALSE(std::filesystem::exists(PathFromUtf8(Path("missing"))));
  }

  ASSERT_TRUE(FileNew());  // still unsaved: asks, and the closed box cancels
  EXPECT_EQ(Ui().Questions.back().Text, kUnsavedQuestion);
  EXPECT_EQ(Window().Page().Box, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, FailedSaveCase,
    ::testing::Values(FailedSave{"a read-only file", Target::ReadOnly, "read-only.tdf", kCannotOpen,
                                 "The file is read-only"},
                      FailedSave{"a missing folder", Target::Nothing, "missing/weapon.tdf",
                                 kCannotOpen, "The folder does not exist"},
                      FailedSave{"a folder", Target::Folder, "folder.tdf", kCannotOpen,
                                 "It is a folder"},
                      FailedSave{"a link to a device", Target::Device, "device.tdf", kCannotOpen,
                                 "It is not a regular file"},
                      FailedSave{.name = "no room for the script",
                                 .target = Target::Earlier,
                                 .where = "full.tdf",
                                 .firstLine = "Unable to write file",
                                 .reason = "",
                                 .diskFull = true}),
    [](const auto& row) { return CaseName(row.param.name); });

// The new file took the old one's place, but syncing its folder failed:
// the weapon counts as saved, in that file, and the user is told.
TEST_F(FileCommandCase, AnUnconfirmedSaveCountsAsSaved) {
  if (!kNamesAreBytes) GTEST_SKIP() << "only where a save syncs the file's folder";
  const std::string path = Path("unsynced.tdf");
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(TypeOnPage(0, "Enter", "GUN"));
  Ui().FileChoices.push_back(path);
  {
    const NamedCallFault unsynced("fsync", 2, EIO);  // the folder's
    ASSERT_TRUE(FileSave());
  }

  ASSERT_EQ(Ui().Questions.size(), 1u);
  const AskedQuestion& told = Ui().Questions.back();
  EXPECT_EQ(told.Text, "Saved " + path +
                           ", but the system could not confirm that it reached the disk: "
                           "Input/output error");
  EXPECT_EQ(told.Caption, "File Error");
  EXPECT_EQ(told.Type, MB_ICONEXCLAMATION | MB_OK);
  EXPECT_EQ(Window().SaveFlag(), 1);
  EXPECT_EQ(ReadBytes(path).rfind("[GUN]\r\n", 0), 0u);
  // As after any save, File, Save edits the weapon in that file without
  // asking, and File, New asks nothing.
  ASSERT_TRUE(Driver().Type("Enter", "GUN2"));
  ASSERT_FALSE(SavedAs("unsynced.tdf").empty());
  EXPECT_EQ(Ui().Questions.size(), 1u);
  EXPECT_EQ(ReadBytes(path).rfind("[GUN2]\r\n", 0), 0u);
  ASSERT_TRUE(FileNew());
  EXPECT_EQ(Ui().Questions.size(), 1u);
}

// However many entries are malformed, one message of a screenful tells of them.
TEST_F(FileCommandCase, OpeningAScriptWithManyMalformedEntriesShowsOneScreenful) {
  std::string script = "[GUN]\r\n\t{\r\n";
  for (int key = 0; key < 200; ++key) script += "\tID=" + std::to_string(key) + ";\r\n";
  const std::string text = OpenedScriptMessage("many.tdf", script + "\tID=5;\r\n}");
  EXPECT_LE(std::ranges::count(text, '\n'), 25) << text;
  EXPECT_NE(text.find("Line 3:"), std::string::npos) << text;
  EXPECT_EQ(text.find("\"199\""), std::string::npos) << text;
  EXPECT_TRUE(text.ends_with("\n... and 185 more.\n")) << text;  // 200 told, 15 listed
}

// After File, Open only what is malformed, and what saving spells anew, is
// told; entries without a field and values of the mod's own are kept
// without a word.
TEST_F(FileCommandCase, OpeningAScriptTellsOnlyWhatIsMalformed) {
  const std::string text =
      OpenedScriptMessage("told.tdf",
                          "[GUN]\r\n\t{\r\n\tfoo=1;\r\n\tID=5;\r\n\treloadtime=1.2.3;\r\n"
                          "\tsoundstart=vortexfire;\r\n\twaterexplosionart=h20;\r\n}\r\n");
  for (const char* said : {"Line 5:", "\"1.2.3\"", "Line 7:", "\"h20\"", "\"h2o\""}) {
    EXPECT_NE(text.find(said), std::string::npos) << said << " in " << text;
  }
  for (const char* unsaid : {"foo", "vortexfire", "lost", "not written back", "not kept"}) {
    EXPECT_EQ(text.find(unsaid), std::string::npos) << unsaid << " in " << text;
  }
}

struct Replaced {
  std::string_view name;
  int answer;
  std::string_view chosen;    // the name chosen in the dialog
  std::string_view existing;  // the file that stands there
};

class ReplacedCase : public FileCommandCase, public ::testing::WithParamInterface<Replaced> {};

// Replacing a file that does not read as a weapon script is asked first:
// its contents are lost, and No is the default answer.
TEST_P(ReplacedCase, IsAskedFirst) {
  const Replaced& row = GetParam();
  const std::string path = Path(row.existing);
  const std::string earlier = "a longer earlier file that is not a weapon";
  ASSERT_TRUE(WriteBytes(path, earlier));
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(TypeOnPage(0, "Enter", "NEWER"));
  Ui().Answers.push_back(row.answer);
  Ui().FileChoices.push_back(Path(row.chosen));

  ASSERT_TRUE(FileSave());

  ASSERT_EQ(Ui().Questions.size(), 1u);
  EXPECT_EQ(Ui().Questions.front().Text, path + " Already Exists.\n" +
                                             std::string(kUnreadableReplaced) +
                                             "Do You Want To Replace It?");
  EXPECT_EQ(Ui().Questions.front().Type, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2);
  const std::string now = ReadBytes(path);
  EXPECT_EQ(Window().SaveFlag(), row.answer == IDYES ? 1 : 0);
  if (row.answer == IDNO) {
    EXPECT_EQ(now, earlier);
  }
  if (row.answer == IDYES) {
    EXPECT_TRUE(now.starts_with("[NEWER]\r\n")) << now;
    EXPECT_TRUE(now.ends_with("\r\n}")) << now;
  }
  EXPECT_EQ(FilesInFolder(), std::vector<std::string>{std::string(row.existing)});
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ReplacedCase,
    ::testing::Values(Replaced{"No keeps the file", IDNO, "existing.tdf", "existing.tdf"},
                      Replaced{"Yes replaces it", IDYES, "existing.tdf", "existing.tdf"},
                      Replaced{"named without extension, No", IDNO, "existing", "existing.TDF"},
                      Replaced{"named without extension, Yes", IDYES, "existing", "existing.TDF"},
                      Replaced{"named without extension, file in small letters, No", IDNO,
                               "existing", "existing.tdf"},
                      Replaced{"named without extension, file in small letters, Yes", IDYES,
                               "existing", "existing.tdf"},
                      Replaced{"named without extension, file in mixed capitals, Yes", IDYES,
                               "existing", "existing.Tdf"}),
    [](const auto& row) { return CaseName(row.param.name); });

// The default extension is added in capitals to a name without one; the
// name chosen is the one the next dialog proposes.
TEST_F(FileCommandCase, SaveAddsTheDefaultExtension) {
  const struct {
    std::string_view typed;
    std::string_view written;
  } kNames[] = {{"gun", "gun.TDF"}, {"rocket.tdf", "rocket.tdf"}, {"bomb.txt", "bomb.txt"}};
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(Driver().ClickPage(0));
  std::vector<std::string> written;
  for (const auto& name : kNames) {
    SCOPED_TRACE(std::string(name.typed));
    Ui().FileChoices.push_back(Path(name.typed));
    ASSERT_TRUE(FileSave());
    EXPECT_TRUE(ReadBytes(Path(name.written)).starts_with("[ ]\r\n"));
    written.emplace_back(name.written);
    std::ranges::sort(written);
    EXPECT_EQ(FilesInFolder(), written);
    ASSERT_TRUE(FileSave());  // the dialog proposes the name just written, and is cancelled
    EXPECT_EQ(Ui().FileDialogs.back().Request.FileName, Path(name.written));
  }
  EXPECT_EQ(Ui().FileDialogs.front().Request.Filters.front().Patterns,
            std::vector<std::string>{"*.tdf"});
}

struct Utf8Message {
  std::string_view name;
  std::string_view file;         // the file's name, its bytes
  bool latin1Name = false;       // the name's bytes are Latin-1, not UTF-8
  std::string_view script = {};  // what it holds; "": nothing stands there
  bool save = false;             // File, Save to it; else File, Open
  std::string_view said;         // what the message says
};

class Utf8MessageCase : public FileCommandCase,
                        public ::testing::WithParamInterface<Utf8Message> {};

// Messages are UTF-8: a file's name whatever its bytes. (A script's bytes,
// read as Latin-1, are ShownTextCase's.)
TEST_P(Utf8MessageCase, SaysNamesAndScriptTextInUtf8) {
  const Utf8Message& row = GetParam();
  if (row.latin1Name && !kNamesAreBytes) GTEST_SKIP() << "file names here are not bytes";
  const std::string path = row.latin1Name ? BytePath(row.file) : Path(row.file);
  if (!row.script.empty()) {
    ASSERT_TRUE(WriteBytes(path, row.script));
  }
  ASSERT_TRUE(FileNew());
  Ui().FileChoices.push_back(path);
  ASSERT_TRUE(row.save ? FileSave() : FileOpen());
  ASSERT_EQ(Ui().Questions.size(), 1u);
  const std::string& text = Ui().Questions.front().Text;
  EXPECT_NE(text.find(row.said), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(Messages, Utf8MessageCase,
                         ::testing::Values(Utf8Message{.name = "a missing file named in UTF-8",
                                                       .file = "g\xC3\xBCn.tdf",
                                                       .said = "g\xC3\xBCn.tdf\n"},
                                           Utf8Message{.name = "a missing file named in Latin-1",
                                                       .file = "g\xFCn.tdf",
                                                       .latin1Name = true,
                                                       .said = "/g\xC3\xBCn.tdf\n"},
                                           Utf8Message{.name = "replacing a file named in Latin-1",
                                                       .file = "g\xFCn.tdf",
                                                       .latin1Name = true,
                                                       .script = "not a weapon",
                                                       .save = true,
                                                       .said = "/g\xC3\xBCn.tdf Already Exists."}),
                         [](const auto& row) { return CaseName(row.param.name); });

TEST_F(FileCommandCase, HelpAboutNamesTheEditorItsVersionAndLicence) {
  ASSERT_TRUE(Driver().ChooseMenuItem("&Help", "&About"));
  ASSERT_EQ(Ui().Questions.size(), 1u);
  const AskedQuestion& shown = Ui().Questions.front();
  for (const char* said : {"Cindervale Weapon Editor", KALVEX_VERSION, "MIT licence"}) {
    EXPECT_NE(shown.Text.find(said), std::string::npos) << shown.Text;
  }
  EXPECT_EQ(shown.Type & MB_TYPEMASK, MB_OK);
  EXPECT_EQ(Window().SaveFlag(), 1);
}

}  // namespace
}  // namespace kalvex::test

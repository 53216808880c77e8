// The File and Help commands as the user chooses them from the menu or with
// their keys, with the question about unsaved changes answered every way,
// file dialogs confirmed or cancelled, files that cannot be written or read,
// and scripts opened from outside: named at start-up or dropped. The worked
// example is built on the pages, saved, opened and saved again.
#include <sys/resource.h>
#include <sys/stat.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMimeData>
#include <QPointer>
#include <QUrl>
#include <QWindow>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <optional>

#include "app/startup.h"
#include "pages/edit_text.h"
#include "platform/qt/native_window.h"
#include "platform/qt/program_resources.h"
#include "tests/call_faults.h"
#include "tests/ui/editor_test_case.h"
#include "tests/ui/page_support.h"

using namespace kalvex::test;
using std::string_view;

namespace {

constexpr char kQuestion[] = "Do You Want To Save The Script?";
constexpr unsigned kErrorBox = MB_ICONEXCLAMATION | MB_OK;
constexpr char kCannotOpen[] = "Unable to open file";
constexpr char kNoWeapon[] = "No weapon found in file";
constexpr char kNoHeader[] = "It has no line with a weapon code in brackets, such as [GUN]";
constexpr char kUnreadableReplaced[] =
    "It does not hold a weapon script that this editor can read; replacing it loses its "
    "contents.\n";

// What File, Open reads in the tests: code and ID only, so every other member
// shows whether the record was reset before reading.
constexpr char kOpenedScript[] = "[OPENED]\r\n\t{\r\n\tID=7;\r\n}";

kalvex::WeaponRecord OpenedWeapon() {
  kalvex::WeaponRecord record;
  record.Weapcode = "OPENED";
  record.WeapID = std::string("7");  // not "7": GCC 12 at -O3 warns falsely (-Wrestrict)
  record.Weapmodl = 14;              // no model entry
  // No entries for these lists, which have no entry for none.
  for (int kalvex::WeaponRecord::*list :
       {&kalvex::WeaponRecord::Weapstyle, &kalvex::WeaponRecord::Weaprend,
        &kalvex::WeaponRecord::Weapcol2, &kalvex::WeaponRecord::Weapexgaf,
        &kalvex::WeaponRecord::Weapexart, &kalvex::WeaponRecord::Weapwtgaf,
        &kalvex::WeaponRecord::Weapwtart, &kalvex::WeaponRecord::Weaplagaf,
        &kalvex::WeaponRecord::Weaplaart}) {
    record.*list = kalvex::kNoEntry;
  }
  return record;
}

// Lowers the limit on the size of the files this process writes, while it
// lives; writes past it fail. No limit when `bytes` is 0.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : active_(bytes > 0) {
    if (!active_) return;
    getrlimit(RLIMIT_FSIZE, &before_);
    signal(SIGXFSZ, SIG_IGN);  // a failed write, not the end of the process
    const rlimit lowered{bytes, before_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    if (!active_) return;
    setrlimit(RLIMIT_FSIZE, &before_);
    signal(SIGXFSZ, SIG_DFL);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  bool active_;
  rlimit before_{};
};

// Notes, for every question, whether the main window was on the screen
// (exposed, so placed by the desktop) when it was asked.
struct EchoingExposure : ScriptedUserInterface {
  int MessageBox(THandle owner, const std::string& text, const std::string& caption,
                 unsigned type) override {
    QWidget* frame = window ? WidgetOf(*window->GetMainWindow()) : nullptr;
    exposedWhenAsked.push_back(frame && WidgetOf(owner) == frame &&
                               frame->windowHandle()->isExposed());
    return ScriptedUserInterface::MessageBox(owner, text, caption, type);
  }
  const TApplication* window = nullptr;
  std::vector<bool> exposedWhenAsked;
};

// How the test answers the file dialog that follows the question.
enum class Choice { Cancel, Writable, Unwritable };

// A change after saving: the page it is made on, and how (or the keys pressed).
constexpr std::tuple<const char*, int, string_view> kUserChanges[] = {
    {"typing", 0, "type"},
    {"undoing what was typed", 0, "Ctrl+Z"},
    {"cutting", 0, "Ctrl+A, Ctrl+X"},
    {"pasting", 0, "Ctrl+A, Ctrl+V"},
    {"deleting", 0, "Ctrl+A, Del"},
    {"checking with the mouse", 11, "check"},
    {"checking with the space bar", 11, "Space"},
    {"choosing with the mouse", 4, "choose"},
    {"choosing with an arrow key", 4, "Down"},
};

// Where the save goes, the message's first line and why ("": as the system says).
constexpr std::tuple<const char*, string_view, const char*, const char*> kFailingSaves[] = {
    {"read-only file", "read-only.tdf", kCannotOpen, "The file is read-only"},
    {"missing folder", "missing/weapon.tdf", kCannotOpen, "The folder does not exist"},
    {"a folder", "folder.tdf", kCannotOpen, "It is a folder"},
    {"a named pipe", "pipe.tdf", kCannotOpen, "It is not a regular file"},
    {"no room for the script", "full.tdf", "Unable to write file", ""},
};

// File, Open or File, New; the answer, the save dialog's choice, whether the
// open dialog comes, and whether the weapon is then replaced.
constexpr std::tuple<const char*, bool, int, Choice, bool, bool> kUnsavedAnswers[] = {
    {"File, New: Yes, save dialog cancelled", false, IDYES, Choice::Cancel, false, false},
    {"File, New: Yes, saved", false, IDYES, Choice::Writable, false, true},
    {"File, New: Yes, saving failed", false, IDYES, Choice::Unwritable, false, false},
    {"File, New: No", false, IDNO, Choice::Cancel, false, true},
    {"File, New: Cancel", false, IDCANCEL, Choice::Cancel, false, false},
    {"File, Open: Cancel", true, IDCANCEL, Choice::Cancel, false, false},
    {"File, Open: Yes, save dialog cancelled", true, IDYES, Choice::Cancel, false, false},
    {"File, Open: Yes, saving failed", true, IDYES, Choice::Unwritable, false, false},
    {"File, Open: Yes, saved, open dialog cancelled", true, IDYES, Choice::Writable, true, false},
    {"File, Open: Yes, saved, opened", true, IDYES, Choice::Writable, true, true},
    {"File, Open: No, open dialog cancelled", true, IDNO, Choice::Cancel, true, false},
    {"File, Open: No, opened", true, IDNO, Choice::Cancel, true, true},
};

// What is opened, the message's first line and why.
constexpr std::tuple<const char*, string_view, const char*, const char*> kNoWeaponFiles[] = {
    {"missing file", "missing.tdf", kCannotOpen, "No such file or directory"},
    {"a folder", "folder.tdf", kCannotOpen, "It is a folder"},
    {"a named pipe", "pipe.tdf", kCannotOpen, "It is not a regular file"},
    {"a weapon larger than 16 MiB", "large.tdf", kCannotOpen, "The file is larger than 16 MiB"},
    {"no header", "no-header.tdf", kNoWeapon, kNoHeader},
    {"empty file", "empty.tdf", kNoWeapon, kNoHeader},
    {"UTF-16 text", "utf16.tdf", kNoWeapon,
     "It is UTF-16 text, which the editor does not read; save it as ANSI or UTF-8"},
};

// The answer, the name chosen in the dialog, and the file that stands there.
constexpr std::tuple<const char*, int, const char*, const char*> kReplacedFiles[] = {
    {"No keeps the file", IDNO, "existing.tdf", "existing.tdf"},
    {"Yes replaces it", IDYES, "existing.tdf", "existing.tdf"},
    {"named without extension, No", IDNO, "existing", "existing.TDF"},
    {"named without extension, Yes", IDYES, "existing", "existing.TDF"},
    {"named without extension, file in small letters, No", IDNO, "existing", "existing.tdf"},
    {"named without extension, file in small letters, Yes", IDYES, "existing", "existing.tdf"},
    {"named without extension, file in mixed capitals, Yes", IDYES, "existing", "existing.Tdf"},
};

// The name typed, and the file written.
constexpr std::tuple<const char*, const char*, const char*> kExtensions[] = {
    {"no extension", "gun", "gun.TDF"},
    {"small extension", "gun.tdf", "gun.tdf"},
    {"other extension", "gun.txt", "gun.txt"},
};

// The name of the file dropped, the answer, and whether it is opened.
constexpr std::tuple<const char*, string_view, int, bool> kDrops[] = {
    {"No", "opened.tdf", IDNO, true},
    {"Cancel", "opened.tdf", IDCANCEL, false},
    {"extension in capitals, No", "opened.TDF", IDNO, true},
    {"not a weapon script", "opened.txt", IDNO, false},
    {"a name in Latin-1, not UTF-8", "\366ffnen.tdf", IDNO, true},  // \366: an o umlaut
};

constexpr std::tuple<const char*, QKeyCombination, string_view> kShortcuts[] = {
    {"Ctrl+N", Qt::CTRL | Qt::Key_N, "new"},
    {"Ctrl+O", Qt::CTRL | Qt::Key_O, "open"},
    {"Ctrl+S", Qt::CTRL | Qt::Key_S, "save"},
    {"Ctrl+Q", Qt::CTRL | Qt::Key_Q, "exit"},
    {"F1", Qt::Key_F1, "help"},
};

// The file's name, its script ("": none), the command and what the message says.
constexpr std::tuple<const char*, const char*, const char*, string_view, const char*>
    kUtf8Messages[] = {
        {"a missing file named in UTF-8", "g\xC3\xBCn.tdf", "", "open", "/g\xC3\xBCn.tdf\n"},
        {"a missing file named in Latin-1", "g\xFCn.tdf", "", "open", "/g\xC3\xBCn.tdf\n"},
        {"a value in Latin-1", "keys.tdf", "[GUN]\r\n\t{\r\n\tname=cl\xE9;\r\n\tname=x;\r\n}\r\n",
         "open", "\"cl\xC3\xA9\""},
        {"replacing a file named in Latin-1", "g\xFCn.tdf", "not a weapon", "save",
         "/g\xC3\xBCn.tdf Already Exists."},
};

constexpr char kWorkedExample[] = KALVEX_TEST_DATA "/worked_example.tdf";

struct WorkedStep {
  int page;
  std::string_view slot;
  std::string_view typed;  // edits: what the user types
  int position;            // lists: the entry chosen; -1 otherwise
  std::string_view shown;  // what the control shows when the script is opened again
};

constexpr std::string_view kChecked = "checked";

// The worked example, in the order a user may fill the pages.
constexpr WorkedStep kWorkedSteps[] = {
    {0, "Enter", "ROCKET2", -1, "ROCKET2"},
    {1, "Enter", "Light Rocket Launcher", -1, "Light Rocket Launcher"},
    {2, "Enter", "91", -1, "91"},
    {3, "Enter", "110", -1, "110"},
    {4, "ComboBox1", "", 1, "Yes"},
    {5, "Enter", "800", -1, "800"},
    {7, "Enter", "3", -1, "3"},
    {8, "Enter3", "0", -1, ""},  // an energy per shot of 0 writes no entry
    {9, "Enter", "350", -1, "350"},
    {9, "Enter3", "150", -1, "150"},
    {9, "Enter2", "100", -1, "100"},
    {10, "ComboBox1", "", 1, "Missile / Torpedos"},
    {10, "ComboBox4", "", 12, "Rocket"},
    {11, "Check1", "", -1, kChecked},
    {11, "Enter", "12000", -1, "12000"},
    {11, "Enter4", "4000", -1, "4000"},
    {12, "Enter2", ".1", -1, ".1"},
    {12, "ComboBox1", "", 1, "Yes"},
    {12, "ComboBox3", "", 1, "Yes"},
    {14, "ComboBox1", "", 24, "Light Rocket 1"},
    {14, "ComboBox4", "", 10, "Medium Explosion 1"},
    {15, "Enter", "48", -1, "48"},
    {17, "Enter", "2", -1, "2"},
};

}  // namespace

class FileCommandsTest : public EditorTestCase {
  Q_OBJECT

 private slots:
  // Typing, checking and choosing mark the script unsaved; File, Save marks it
  // saved and leaves the page up as it was.
  void userChangesMarkTheScriptUnsaved_data() { AddRows(kUserChanges); }
  void userChangesMarkTheScriptUnsaved() {
    const auto& [tag, page, change] = CurrentRow(kUserChanges);
    QVERIFY(driver_->ClickPage(page));
    const std::string_view slot = kExpectedPages[std::size_t(page)].controls.front().slot;
    if (page == 0) QVERIFY(driver_->Type("Enter", "AB"));
    QApplication::clipboard()->setText(QStringLiteral("CD"));
    const QPointer<QWidget> shown = driver_->Control(slot);
    QCOMPARE(driver_->Window().SaveFlag(), 0);
    SaveAs("page.tdf");
    QCOMPARE(driver_->Window().SaveFlag(), 1);
    QCOMPARE(driver_->Window().Page().Box, 1);
    QVERIFY(shown && shown == driver_->Control(slot));
    shown->setFocus();
    if (change == "type") QTest::keyClicks(shown, "X");
    if (change == "check") QVERIFY(driver_->ClickCheckBox());
    if (change == "choose") QVERIFY(driver_->Pick("ComboBox1", 1));
    if (change != "type" && change != "check" && change != "choose") {
      QTest::keySequence(shown, QKeySequence(Latin1(change)));
    }
    QVERIFY(driver_->Window().SaveFlag() == 0);
    if (page == 0) QVERIFY(driver_->Edit("Enter")->text() != QStringLiteral("AB"));
  }

  // What the user sees is what is saved: the page that is up goes into the
  // script, and stays up showing the same values.
  void saveWritesThePageThatIsUp() {
    QVERIFY(driver_->ClickPage(11));
    QVERIFY(driver_->ClickCheckBox());
    QVERIFY(driver_->Type("Enter", "12000"));
    const QPointer<QWidget> edit = driver_->Control("Enter");
    SaveAs("guided.tdf");
    const std::string written = ReadBytes(Path("guided.tdf"));
    QVERIFY(written.find("\tguidance=1;\r\n\tturnrate=12000;\r\n") != std::string::npos);
    QCOMPARE(driver_->Window().SaveFlag(), 1);
    QCOMPARE(driver_->Window().Page().Box, 1);
    QCOMPARE(driver_->Window().Page().indexx, 11);
    QVERIFY(edit && edit == driver_->Control("Enter") && edit->isVisible());
    QCOMPARE(driver_->Edit("Enter")->text(), QStringLiteral("12000"));
    QVERIFY(driver_->CheckBox()->isChecked());
  }

  void failingSaveShowsWhyAndLeavesTheScriptUnsaved_data() { AddRows(kFailingSaves); }
  void failingSaveShowsWhyAndLeavesTheScriptUnsaved() {
    const auto& [tag, target, message, reason] = CurrentRow(kFailingSaves);
    const std::string path = Path(target);
    const bool exists = MakeTarget(target, path);
    if (exists) Ui().Answers.push_back(IDYES);  // replace it
    QVERIFY(TypeCode("GUN"));
    Ui().FileChoices.push_back(path);
    {
      // Files of this process may grow to 100 bytes only, as on a full disk.
      const FileSizeLimit limit(target == "full.tdf" ? 100 : 0);
      QVERIFY(driver_->FileSave());
    }

    QCOMPARE(Ui().Questions.size(), exists ? 2u : 1u);
    ExpectFileError(Ui().Questions.back(), message, path, reason, true);
    QCOMPARE(driver_->Window().SaveFlag(), 0);
    if (target == "read-only.tdf" || target == "full.tdf") {
      QCOMPARE(ReadBytes(path), std::string("earlier"));
      QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{Latin1(target)});
    }
    if (target == "folder.tdf") QVERIFY(std::filesystem::is_directory(path));
    if (target == "pipe.tdf") QVERIFY(std::filesystem::is_fifo(path));
    if (!exists) QVERIFY(!std::filesystem::exists(Path("missing")));

    QVERIFY(driver_->FileNew());  // still unsaved: asks, and the closed box cancels
    QCOMPARE(Ui().Questions.back().Text, std::string(kQuestion));
    QCOMPARE(driver_->Window().Page().Box, 1);
  }

  // The new file took the old one's place, but syncing its folder failed:
  // the weapon counts as saved, in that file, and the user is told.
  void unconfirmedSaveCountsAsSaved() {
    const std::string path = Path("unsynced.tdf");
    QVERIFY(TypeCode("GUN"));
    Ui().FileChoices.push_back(path);
    {
      const kalvex::test::NamedCallFault unsynced("fsync", 2, EIO);  // the folder's
      QVERIFY(driver_->FileSave());
    }

    QCOMPARE(Ui().Questions.size(), 1u);
    const AskedQuestion& told = Ui().Questions.back();
    QCOMPARE(told.Text, "Saved " + path +
                            ", but the system could not confirm that it reached the disk: "
                            "Input/output error");
    QCOMPARE(told.Caption, std::string("File Error"));
    QCOMPARE(told.Type, kErrorBox);
    QCOMPARE(driver_->Window().SaveFlag(), 1);
    QCOMPARE(ReadBytes(path).rfind("[GUN]\r\n", 0), 0u);
    // As after any save, File, Save edits the weapon in that file without
    // asking, and File, New asks nothing.
    QVERIFY(driver_->Type("Enter", "GUN2"));
    SaveAs("unsynced.tdf");
    QCOMPARE(Ui().Questions.size(), 1u);
    QCOMPARE(ReadBytes(path).rfind("[GUN2]\r\n", 0), 0u);
    QVERIFY(driver_->FileNew());
    QCOMPARE(Ui().Questions.size(), 1u);
  }

  // File, New and File, Open ask first about unsaved changes, then save
  // them, or not, and replace the weapon, or not.
  void unsavedChangesAreAskedAboutFirst_data() { AddRows(kUnsavedAnswers); }
  void unsavedChangesAreAskedAboutFirst() {
    const auto& [tag, open, answer, saveChoice, openDialog, replaced] = CurrentRow(kUnsavedAnswers);
    QVERIFY(WriteBytes(Path("opened.tdf"), kOpenedScript));
    const Snapshot before = MakeChanges();
    if (QTest::currentTestFailed()) return;
    Ui().Answers.push_back(answer);
    if (answer == IDYES) Ui().FileChoices.push_back(ChosenPath(saveChoice));
    if (open && replaced) Ui().FileChoices.push_back(Path("opened.tdf"));

    QVERIFY(open ? driver_->FileOpen() : driver_->FileNew());

    QCOMPARE(Ui().Questions.front().Text, std::string(kQuestion));
    QCOMPARE(Ui().Questions.front().Caption, std::string("Warning..."));
    QCOMPARE(Ui().Questions.front().Type, MB_YESNOCANCEL);
    QCOMPARE(Ui().FileDialogs.size(), (answer == IDYES ? 1u : 0u) + (openDialog ? 1u : 0u));
    if (openDialog) QVERIFY(!Ui().FileDialogs.back().Save);
    if (openDialog) QVERIFY(Ui().FileDialogs.back().Request.MustExist);
    QCOMPARE(std::filesystem::exists(Path("saved.tdf")), saveChoice == Choice::Writable);
    kalvex::WeaponRecord fresh = open ? OpenedWeapon() : kalvex::WeaponRecord();
    if (!open) fresh.Weapmodl = before.record.Weapmodl;  // File, New keeps the model
    if (replaced) ExpectFreshWeapon(before, fresh);
    // Saved, the weapon's lists show what the file holds: not a beam, it has
    // no colour.
    Snapshot kept = before;
    if (saveChoice == Choice::Writable) kept.record.Weapcol2 = kalvex::kNoEntry;
    if (!replaced) ExpectUnchanged(kept, saveChoice == Choice::Writable ? 1 : 0);
  }

  // A file that cannot be read, or holds no weapon, is reported; the weapon
  // is then a fresh one.
  void openingWhatHoldsNoWeapon_data() { AddRows(kNoWeaponFiles); }
  void openingWhatHoldsNoWeapon() {
    const auto& [tag, target, message, reason] = CurrentRow(kNoWeaponFiles);
    const std::string path = Path(target);
    MakeTarget(target, path);
    const Snapshot before = MakeChanges();
    if (QTest::currentTestFailed()) return;
    Ui().Answers.push_back(IDNO);
    Ui().FileChoices.push_back(path);

    QVERIFY(driver_->FileOpen());

    QCOMPARE(Ui().Questions.size(), 2u);
    ExpectFileError(Ui().Questions.back(), message, path, reason);
    kalvex::WeaponRecord fresh;
    fresh.Weapmodl = Weapon().Weapmodl;  // kept by the reset, or "no model" from the reader
    ExpectFreshWeapon(before, fresh);
    // The save dialog opens in the file's folder with no name proposed.
    QVERIFY(driver_->FileSave());
    QCOMPARE(Ui().FileDialogs.back().Request.FileName, std::string());
    QCOMPARE(Ui().FileDialogs.back().Request.Folder, dir_->path().toStdString());
  }

  // However many entries are malformed, one message of a screenful tells of them.
  void openingAScriptWithManyMalformedEntriesShowsOneScreenful() {
    std::string script = "[GUN]\r\n\t{\r\n";
    for (int key = 0; key < 200; ++key) script += "\tID=" + std::to_string(key) + ";\r\n";
    const std::string text = OpenedScriptMessage("many.tdf", script + "\tID=5;\r\n}");
    QVERIFY2(std::ranges::count(text, '\n') <= 25, text.c_str());
    QVERIFY2(text.find("Line 3:") != std::string::npos, text.c_str());
    QVERIFY2(text.find("\"199\"") == std::string::npos, text.c_str());
    QVERIFY2(text.ends_with("\n... and 185 more.\n"), text.c_str());  // 200 told, 15 listed
  }

  // After File, Open only what is malformed, and what saving spells anew, is
  // told; entries without a field and values of the mod's own are kept
  // without a word.
  void openingAScriptTellsOnlyWhatIsMalformed() {
    const std::string text =
        OpenedScriptMessage("told.tdf",
                            "[GUN]\r\n\t{\r\n\tfoo=1;\r\n\tID=5;\r\n\treloadtime=1.2.3;\r\n"
                            "\tsoundstart=vortexfire;\r\n\twaterexplosionart=h20;\r\n}\r\n");
    for (const char* said : {"Line 5:", "\"1.2.3\"", "Line 7:", "\"h20\"", "\"h2o\""}) {
      QVERIFY2(text.find(said) != std::string::npos, text.c_str());
    }
    for (const char* unsaid : {"foo", "vortexfire", "lost", "not written back", "not kept"}) {
      QVERIFY2(text.find(unsaid) == std::string::npos, text.c_str());
    }
  }

  // Replacing a file that does not read as a weapon script is asked first:
  // its contents are lost, and No is the default answer.
  void saveAsksBeforeReplacingAFile_data() { AddRows(kReplacedFiles); }
  void saveAsksBeforeReplacingAFile() {
    const auto& [tag, answer, chosen, existing] = CurrentRow(kReplacedFiles);
    const std::string path = Path(existing);
    const std::string earlier = "a longer earlier file that is not a weapon";
    QVERIFY(WriteBytes(path, earlier));
    QVERIFY(TypeCode("NEWER"));
    Ui().Answers.push_back(answer);
    Ui().FileChoices.push_back(Path(chosen));

    QVERIFY(driver_->FileSave());

    QCOMPARE(Ui().Questions.size(), 1u);
    QCOMPARE(Ui().Questions.front().Text,
             path + " Already Exists.\n" + kUnreadableReplaced + "Do You Want To Replace It?");
    QCOMPARE(Ui().Questions.front().Type, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2);
    const std::string now = ReadBytes(path);
    QCOMPARE(driver_->Window().SaveFlag(), answer == IDYES ? 1 : 0);
    if (answer == IDNO) QCOMPARE(now, earlier);
    if (answer == IDYES) {
      QVERIFY(now.starts_with("[NEWER]\r\n"));
      QVERIFY(now.ends_with("\r\n}"));
    }
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{existing});
  }

  // The default extension is added in capitals to a name without one; the
  // name chosen is the one the next dialog proposes.
  void saveAddsTheDefaultExtension_data() { AddRows(kExtensions); }
  void saveAddsTheDefaultExtension() {
    const auto& [tag, typed, written] = CurrentRow(kExtensions);
    QVERIFY(driver_->ClickPage(0));
    SaveAs(typed);
    QVERIFY(ReadBytes(Path(written)).starts_with("[ ]\r\n"));
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{written});
    QVERIFY(driver_->FileSave());  // the dialog proposes the name just written
    QCOMPARE(Ui().FileDialogs.back().Request.FileName, Path(written));
    QCOMPARE(Ui().FileDialogs.front().Request.Filters.front().Patterns,
             std::vector<std::string>{"*.tdf"});
  }

  // Only a weapon that differs from the one last opened, saved or reset asks
  // to be saved; every real change still asks.
  void onlyARealChangeAsksBeforeOpening_data() {
    QTest::addColumn<QString>("start");  // "new", "opened" or "saved"
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("asks");
    for (const char* start : {"new", "opened", "saved"}) {
      const std::string from = std::string(", ") + start;
      QTest::newRow(("every page visited" + from).c_str()) << start << "visit" << false;
      QTest::newRow(("code typed and typed back" + from).c_str()) << start << "retype" << false;
      QTest::newRow(("list choice taken back" + from).c_str()) << start << "repick" << false;
      QTest::newRow(("code typed" + from).c_str()) << start << "type" << true;
      QTest::newRow(("list choice" + from).c_str()) << start << "pick" << true;
      QTest::newRow(("box checked, page still up" + from).c_str()) << start << "check" << true;
    }
  }

  void onlyARealChangeAsksBeforeOpening() {
    QFETCH(QString, start);
    QFETCH(QString, change);
    QFETCH(bool, asks);
    QVERIFY(WriteBytes(Path("opened.tdf"), kOpenedScript));
    if (start == "opened") {
      Ui().FileChoices.push_back(Path("opened.tdf"));
      QVERIFY(driver_->FileOpen());
    }
    if (start == "saved") {
      QVERIFY(TypeCode("SAVED"));
      SaveAs("saved.tdf");
    }
    const QString code = Latin1(kalvex::ShownText(Weapon().Weapcode));
    const int turret = Weapon().Weaptur;
    if (change == "visit") {
      for (int page = 0; page < int(kExpectedPages.size()); ++page)
        QVERIFY(driver_->ClickPage(page));
    }
    if (change == "retype" || change == "type") {
      QVERIFY(TypeCode("OTHER"));
      QVERIFY(driver_->ClickPage(1));
      QVERIFY(driver_->ClickPage(0));
      if (change == "retype") QVERIFY(driver_->Type("Enter", code));
    }
    if (change == "repick" || change == "pick") {
      QVERIFY(driver_->ClickPage(4));
      QVERIFY(driver_->Pick("ComboBox1", 1 - turret));
      if (change == "repick") QVERIFY(driver_->Pick("ComboBox1", turret));
    }
    if (change == "check") {
      QVERIFY(driver_->ClickPage(11));
      QVERIFY(driver_->ClickCheckBox());
    }
    Ui().Answers.push_back(IDCANCEL);
    Ui().FileChoices.push_back(Path("opened.tdf"));
    const std::size_t dialogs = Ui().FileDialogs.size();

    QVERIFY(driver_->FileOpen());

    QCOMPARE(!Ui().Questions.empty(), asks);
    if (asks) {
      QCOMPARE(Ui().Questions.front().Text, std::string(kQuestion));
      QCOMPARE(Ui().FileDialogs.size(), dialogs);  // cancelled: no open dialog
    } else {
      QCOMPARE(RecordDifferences(Weapon(), OpenedWeapon()), QString());
      QCOMPARE(driver_->Window().SaveFlag(), 1);
    }
  }

  // Names and codes take the printable Latin-1 characters; each reaches the
  // script as its one byte and reads back the same.
  void latin1NameIsSavedAsSingleBytesAndReadBack() {
    const QString name = QStringLiteral(u"Fus\u00E9e \u00A3\u00DF\u00FC\u00FF");
    QVERIFY(driver_->ClickPage(1));
    QVERIFY(driver_->Type("Enter", name));
    QCOMPARE(driver_->Edit("Enter")->text(), name);
    SaveAs("fusee.tdf");
    const std::string written = ReadBytes(Path("fusee.tdf"));
    QVERIFY2(written.find("\tname=Fus\351e \243\337\374\377;\r\n") != std::string::npos,
             written.c_str());
    QVERIFY(driver_->FileNew());
    Ui().FileChoices.push_back(Path("fusee.tdf"));
    QVERIFY(driver_->FileOpen());
    QCOMPARE(Weapon().Weapname, std::string("Fus\351e \243\337\374\377"));
    QVERIFY(driver_->ClickPage(1));
    QCOMPARE(driver_->Edit("Enter")->text(), name);
    QVERIFY(driver_->Type("Enter", QStringLiteral(u"Fus\u00E9e lourde")));  // changeable
    QVERIFY(driver_->ClickPage(0));
    QCOMPARE(Weapon().Weapname, std::string("Fus\351e lourde"));
  }

  // A weapon script dropped onto the window is opened as File, Open opens
  // one: the question about unsaved changes first. Other files are refused.
  void droppedScriptIsOpenedAfterTheQuestion_data() { AddRows(kDrops); }
  void droppedScriptIsOpenedAfterTheQuestion() {
    const auto& [tag, dropped, answer, opened] = CurrentRow(kDrops);
    const std::string path = BytePath(dropped);
    QVERIFY(WriteBytes(path, kOpenedScript));
    const Snapshot before = MakeChanges();
    if (QTest::currentTestFailed()) return;
    Ui().Answers.push_back(answer);

    QMimeData data;
    // As a file manager gives it: the name's bytes in %XX.
    data.setUrls({QUrl::fromEncoded("file://" + QByteArray(path.c_str()).toPercentEncoding("/"))});
    QDragEnterEvent enter(QPoint(300, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(driver_->Frame(), &enter);
    QCOMPARE(enter.isAccepted(), dropped != "opened.txt");
    QDropEvent drop(QPointF(300, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(driver_->Frame(), &drop);
    QCoreApplication::processEvents();

    QCOMPARE(Ui().FileDialogs.size(), 0u);
    QCOMPARE(Ui().Questions.size(), dropped == "opened.txt" ? 0u : 1u);
    if (dropped != "opened.txt") QCOMPARE(Ui().Questions.front().Text, std::string(kQuestion));
    if (opened) {
      ExpectFreshWeapon(before, OpenedWeapon());
      QVERIFY(driver_->FileSave());  // the save dialog proposes the dropped file
      QCOMPARE(Ui().FileDialogs.back().Request.FileName, path);
    } else {
      ExpectUnchanged(before);
    }
  }

  // The usual keys run the File and Help commands.
  void shortcutsRunTheCommands_data() { AddRows(kShortcuts); }
  void shortcutsRunTheCommands() {
    const auto& [tag, keys, command] = CurrentRow(kShortcuts);
    QVERIFY(TypeCode("GUN"));          // the keys work while an edit has the focus
    Ui().Answers.push_back(IDCANCEL);  // keeps the window open on Ctrl+Q

    QTest::keySequence(driver_->Edit("Enter"), QKeySequence(keys));

    const bool asks = command == "new" || command == "open" || command == "exit";
    QCOMPARE(Ui().Questions.size(), asks ? 1u : 0u);
    if (asks) QCOMPARE(Ui().Questions.front().Text, std::string(kQuestion));
    QCOMPARE(Ui().FileDialogs.size(), command == "save" ? 1u : 0u);
    QCOMPARE(Ui().HelpCalls.size(), command == "help" ? 1u : 0u);
    QCOMPARE(driver_->Window().Page().Box, 1);
  }

  // kalvex FILE opens FILE as File, Open does, and File, Save (Ctrl+S)
  // writes it back byte for byte.
  void fileNamedAtStartIsOpenedAndSavedBack() {
    const std::string original = ReadBytes(kWorkedExample);
    QVERIFY(!original.empty());
    const std::string path = BytePath("w\xF6rked.tdf");  // not UTF-8: kept as the system gave it
    QVERIFY(WriteBytes(path, original));
    ScriptedUserInterface ui;
    ui.FileChoices.push_back(path);  // the save dialog, confirmed as proposed
    ui.Answers.push_back(IDYES);     // replace it
    TStartUp app(path);
    QTimer::singleShot(0, [&] {
      QWidget* frame = WidgetOf(*app.GetMainWindow());
      frame->activateWindow();
      const auto& window = static_cast<const TMachines&>(*app.GetMainWindow());
      // The file is opened once the window is on the screen.
      if (QTest::qWaitForWindowActive(frame) &&
          QTest::qWaitFor([&] { return window.FileDialogData().FileName == path; })) {
        QTest::keyClick(frame, Qt::Key_S, Qt::ControlModifier);
      }
      QApplication::exit(0);
    });
    QCOMPARE(app.Run(), 0);
    QCOMPARE(ui.FileDialogs.size(), 1u);
    QVERIFY(ui.FileDialogs.front().Save);
    QCOMPARE(ui.FileDialogs.front().Request.FileName, path);
    QVERIFY(ui.Questions.empty());  // saved in place: no question
    QCOMPARE(ReadBytes(path), original);
  }

  // A FILE that cannot be read gives File, Open's message and a fresh weapon;
  // the message comes once the window stands on the screen, centred on it.
  void unreadableFileNamedAtStartIsReported() {
    EchoingExposure ui;
    const std::string path = Path("missing.tdf");
    TStartUp app(path);
    ui.window = &app;
    QTimer::singleShot(0, [&] {
      (void)QTest::qWaitFor([&] { return !ui.Questions.empty(); });
      QApplication::exit(0);
    });
    QCOMPARE(app.Run(), 0);
    QCOMPARE(ui.exposedWhenAsked, std::vector<bool>{true});
    QCOMPARE(ui.Questions.size(), 1u);
    ExpectFileError(ui.Questions.front(), kCannotOpen, path, "No such file or directory");
    auto& window = static_cast<TMachines&>(*app.GetMainWindow());
    QCOMPARE(RecordDifferences(window.EditedWeapon(), kalvex::WeaponRecord()), QString());
    QCOMPARE(window.SaveFlag(), 1);
    QCOMPARE(window.Page().Box, 0);
  }

  // Messages are UTF-8: a file's name whatever its bytes, a script's bytes
  // read as Latin-1.
  void messagesSayNamesAndScriptTextInUtf8_data() { AddRows(kUtf8Messages); }
  void messagesSayNamesAndScriptTextInUtf8() {
    const auto& [tag, name, script, command, said] = CurrentRow(kUtf8Messages);
    const std::string path = BytePath(name);
    if (*script) QVERIFY(WriteBytes(path, script));
    Ui().FileChoices.push_back(path);
    QVERIFY(command == "open" ? driver_->FileOpen() : driver_->FileSave());
    QCOMPARE(Ui().Questions.size(), 1u);
    const std::string& text = Ui().Questions.front().Text;
    QVERIFY2(text.find(said) != std::string::npos, text.c_str());
  }

  void helpContentsOpensTheHelp() {
    QVERIFY(driver_->HelpContents());
    QCOMPARE(Ui().HelpCalls.size(), 1u);
    QCOMPARE(Ui().HelpCalls.front().HelpFile, std::string("Kalvex.hlp"));
    QCOMPARE(Ui().HelpCalls.front().Command, HELP_CONTENTS);
    QFile help(HelpResource(Ui().HelpCalls.front().HelpFile));
    QVERIFY(help.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(help.readAll());
    for (const ExpectedPage& page : kExpectedPages) {
      const QString entry = Latin1(page.listEntry);
      QVERIFY2(text.contains(entry), qPrintable(entry));
    }
  }

  void helpAboutNamesTheEditorItsVersionAndLicence() {
    QVERIFY(driver_->HelpAbout());
    QCOMPARE(Ui().Questions.size(), 1u);
    const AskedQuestion& shown = Ui().Questions.front();
    for (const char* said : {"Cindervale Weapon Editor", KALVEX_VERSION, "MIT licence"}) {
      QVERIFY2(shown.Text.find(said) != std::string::npos, shown.Text.c_str());
    }
    QCOMPARE(shown.Type & MB_TYPEMASK, MB_OK);
    QCOMPARE(driver_->Window().SaveFlag(), 1);
  }

  // The light rocket launcher, built from File, New by typing, choosing and
  // checking on the pages, saved byte for byte as the game expects it, and
  // opened again.
  void buildSaveAndOpenTheLightRocketLauncher() {
    for (const WorkedStep& step : kWorkedSteps) {
      if (driver_->Window().Page().Box == 0 || driver_->Window().Page().indexx != step.page) {
        QVERIFY(driver_->ClickPage(step.page));
      }
      if (step.position >= 0) {
        QVERIFY(driver_->Pick(step.slot, step.position));
      } else if (step.shown == kChecked) {
        QVERIFY(driver_->ClickCheckBox());
      } else {
        QVERIFY(driver_->Type(step.slot, Latin1(step.typed)));
      }
      QCOMPARE(Shown(step), Latin1(step.typed.empty() ? step.shown : step.typed));
    }
    SaveAs("rocket2");
    const std::string saved = Path("rocket2");
    QCOMPARE(ReadBytes(saved + ".TDF"), ReadBytes(kWorkedExample));

    Ui().FileChoices.push_back(saved + ".TDF");
    QVERIFY(driver_->FileOpen());
    QCOMPARE(Ui().Questions.size(), 0u);
    for (const WorkedStep& step : kWorkedSteps) {
      QVERIFY(driver_->ClickPage(step.page));
      QCOMPARE(Shown(step), Latin1(step.shown));
    }
    QVERIFY(driver_->ClickPage(10));
    QVERIFY(!driver_->CheckBox()->isChecked());
    // Not a beam: the script has no colour, and the list shows none.
    QCOMPARE(driver_->DropDown("ComboBox3")->currentIndex(), -1);
  }

  // Opened, looked through page by page and saved again, the script is the same.
  void openedExampleIsSavedUnchanged() {
    Ui().FileChoices.push_back(kWorkedExample);
    QVERIFY(driver_->FileOpen());
    for (int page = 0; page < 19; ++page) QVERIFY(driver_->ClickPage(page));
    SaveAs("again.tdf");
    QCOMPARE(Ui().Questions.size(), 0u);
    QCOMPARE(ReadBytes(Path("again.tdf")), ReadBytes(kWorkedExample));
  }

 private:
  // A file error's box: its first line, then the file's name and why ("":
  // whatever the system says).
  // A save's message ends in a line of its own that says nothing was saved.
  static void ExpectFileError(const AskedQuestion& told, std::string_view firstLine,
                              const std::string& path, std::string_view reason, bool save = false) {
    constexpr std::string_view kNotSaved = "\n\nThe script was not saved.";
    std::string text = told.Text;
    if (save) {
      QVERIFY2(text.ends_with(kNotSaved), text.c_str());
      text.resize(text.size() - kNotSaved.size());
    }
    QVERIFY2(text.starts_with(std::string(firstLine) + "\n"), text.c_str());
    QVERIFY2(text.find(path) != std::string::npos, text.c_str());
    const std::string why = text.substr(text.rfind('\n') + 1);
    QVERIFY2(!why.empty() && why != path, text.c_str());
    if (!reason.empty()) QCOMPARE(why, std::string(reason));
    QCOMPARE(told.Caption, std::string("File Error"));
    QCOMPARE(told.Type, kErrorBox);
  }

  // The one message that File, Open of `script`, whose ID is 5, gives.
  std::string OpenedScriptMessage(const char* name, const std::string& script) {
    [&] {
      QVERIFY(WriteBytes(Path(name), script));
      Ui().FileChoices.push_back(Path(name));
      QVERIFY(driver_->FileOpen());
      QCOMPARE(Ui().Questions.size(), 1u);
      QCOMPARE(Ui().Questions.front().Type & MB_TYPEMASK, MB_OK);
      QCOMPARE(Weapon().WeapID, std::string("5"));
    }();
    return QTest::currentTestFailed() ? std::string() : Ui().Questions.front().Text;
  }

  // The state after the user changed things: page 4 up, a code typed on
  // page 0, a model chosen on page 10 and the turret chosen on page 4.
  struct Snapshot {
    kalvex::WeaponRecord record;
    QPointer<QListWidget> pageList;
    QPointer<QWidget> turretList;
  };

  Snapshot MakeChanges() {
    [&] {
      QVERIFY(TypeCode("GUN"));
      QVERIFY(driver_->ClickPage(10));
      QVERIFY(driver_->Pick("ComboBox4", 3));
      QVERIFY(driver_->ClickPage(4));
      QVERIFY(driver_->Pick("ComboBox1", 1));
      QCOMPARE(Weapon().Weapcode, std::string("GUN"));
      QCOMPARE(Weapon().Weapmodl, 3);
      QCOMPARE(Weapon().Weaptur, 1);
      QCOMPARE(driver_->Window().SaveFlag(), 0);
    }();
    return {Weapon(), driver_->PageList(), driver_->Control("ComboBox1")};
  }

  void ExpectUnchanged(const Snapshot& before, int save = 0) {
    QCOMPARE(RecordDifferences(Weapon(), before.record), QString());
    QCOMPARE(driver_->Window().SaveFlag(), save);
    QCOMPARE(driver_->Window().Page().Box, 1);
    QCOMPARE(driver_->Window().Page().indexx, 4);
    QVERIFY(before.pageList && driver_->PageList() == before.pageList);
    QVERIFY(before.turretList && driver_->Control("ComboBox1") == before.turretList);
    QCOMPARE(driver_->DropDown("ComboBox1")->currentIndex(), 1);
  }

  void ExpectFreshWeapon(const Snapshot& before, const kalvex::WeaponRecord& record) {
    QCOMPARE(RecordDifferences(Weapon(), record), QString());
    QCOMPARE(driver_->Window().SaveFlag(), 1);
    QCOMPARE(driver_->Window().Page().Box, 0);
    for (const std::string_view slot : AllSlots()) QVERIFY(!driver_->SlotControl(slot));
    QVERIFY(driver_->PageList() && driver_->PageList() != before.pageList);
    QCOMPARE(driver_->PageList()->currentRow(), 0);
  }

  // Makes what `target` names at `path`; true when something now stands there.
  static bool MakeTarget(std::string_view target, const std::string& path) {
    namespace fs = std::filesystem;
    if (target == "read-only.tdf" || target == "full.tdf") WriteBytes(path, "earlier");
    if (target == "read-only.tdf") {
      fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    }
    if (target == "folder.tdf") fs::create_directory(path);
    if (target == "pipe.tdf") mkfifo(path.c_str(), 0644);
    if (target == "no-header.tdf") WriteBytes(path, "ID=5;\r\nname=Gun;\r\n");
    if (target == "empty.tdf") WriteBytes(path, "");
    if (target == "utf16.tdf") WriteBytes(path, std::string("\xFF\xFE[\0G\0U\0N\0]\0", 10));
    if (target == "large.tdf") {
      WriteBytes(path, "[GUN]\r\n\t{\r\n\tID=5;\r\n}\r\n");
      fs::resize_file(path, 16 * 1024 * 1024 + 1);
    }
    return fs::exists(fs::symlink_status(path));
  }

  // A path in the test's folder whose name is `name`'s bytes, UTF-8 or not.
  std::string BytePath(std::string_view name) const {
    return (dir_->path().toStdString() + "/").append(name);
  }

  // What the control of a step of the worked example shows.
  QString Shown(const WorkedStep& step) const {
    if (step.position >= 0) return driver_->DropDown(step.slot)->currentText();
    if (step.shown == kChecked) return driver_->CheckBox()->isChecked() ? Latin1(kChecked) : "";
    return driver_->Edit(step.slot)->text();
  }

  // Types the weapon's code on the first page.
  bool TypeCode(const char* code) { return driver_->ClickPage(0) && driver_->Type("Enter", code); }

  void SaveAs(const char* name) {
    Ui().FileChoices.push_back(Path(name));
    QVERIFY(driver_->FileSave());
  }

  std::optional<std::string> ChosenPath(Choice choice) const {
    if (choice == Choice::Cancel) return std::nullopt;
    return Path(choice == Choice::Writable ? "saved.tdf" : "missing/saved.tdf");
  }

  ScriptedUserInterface& Ui() { return driver_->Ui(); }
  kalvex::WeaponRecord& Weapon() { return driver_->Window().EditedWeapon(); }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"

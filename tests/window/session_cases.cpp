// The editor's life: the window as it comes up (frame, menus, fixed
// controls), which event reaches which handler, the question about unsaved
// changes left out when nothing changed and answered Cancel, and closing,
// in a process of its own.
#include <string>

#include "tests/window/page_values.h"
#include "tests/window/window_case.h"
#include "tests/window/window_slots.h"

namespace kalvex::test {
namespace {

using SessionCase = WindowCase;
using Handler = void (TMachines::*)();

Handler HandlerFor(TEventKind kind, int id, int code) {
  for (const auto& entry : TMachines::Entries) {
    if (entry.Matches({kind, id, code, {}})) return entry.Handler;
  }
  return nullptr;
}

TEST_F(SessionCase, TheFrameHasItsTitleIconAndFixedSize) {
  EXPECT_EQ(Driver().Title(), "Cindervale Weapon Editor");
  const FrameShown frame = Driver().Frame();
  EXPECT_EQ(frame.OuterW, 640);
  EXPECT_EQ(frame.OuterH, 480);
  EXPECT_FALSE(frame.Sizable);
  EXPECT_FALSE(frame.MinimizeBox);
  EXPECT_FALSE(frame.MaximizeBox);
  EXPECT_TRUE(frame.CloseBox);
  EXPECT_EQ(frame.IconW, 32);
  EXPECT_EQ(frame.IconH, 32);
}

// Right after start: no page list, no page, a weapon of reset values and
// nothing unsaved; the file dialogs' data as the window made it.
TEST_F(SessionCase, StartsWithoutAPageListAndWithAResetWeapon) {
  EXPECT_FALSE(Driver().PageListEntries());
  EXPECT_FALSE(Window().PageList());
  for (const std::string_view slot : AllSlots()) {
    EXPECT_FALSE(SlotControl(Window(), slot)) << slot;
  }
  EXPECT_EQ(Window().Page().Box, 0);
  EXPECT_EQ(Window().SaveFlag(), 1);
  EXPECT_EQ(RecordDifferences(Weapon(), WeaponRecord{}), "");
  EXPECT_EQ(Weapon().Weapmodl, 0);
  EXPECT_EQ(Window().FileDialogData().Flags, 0x1004UL);
  EXPECT_EQ(Window().FileDialogData().Filter, "Weapon Files (*.TDF)|*.tdf|");
  EXPECT_EQ(Window().FileDialogData().DefExt, "TDF");
  EXPECT_TRUE(Window().FileDialogData().FileName.empty());
}

// Controls stand at client coordinates, below the menu bar.
TEST_F(SessionCase, TheFixedControlsStandAtTheirPlaces) {
  const PageArea& page = Window().Page();
  const struct {
    const TWindow* control;
    int id;
    ControlPlace place;
    std::string text;
  } kFixed[] = {
      {Window().HelpFrame(), 130, {180, 30, 400, 100}, "Item Help"},
      {page.CurHelp, -1, {200, 50, 340, 18}, " "},
      {page.HelpDesc, -1, {30, 230, 340, 18}, " "},
      {page.HelpDesc2, -1, {30, 300, 340, 18}, " "},
      {page.HelpDesc3, -1, {30, 370, 340, 18}, " "},
      {page.HelpDesc4, -1, {300, 230, 340, 18}, " "},
      {page.HelpDesc5, -1, {300, 300, 340, 18}, " "},
      {page.HelpDesc6, -1, {300, 370, 340, 18}, " "},
  };
  for (const auto& fixed : kFixed) {
    SCOPED_TRACE(fixed.text + " at " + std::to_string(fixed.place.x) + "," +
                 std::to_string(fixed.place.y));
    EXPECT_EQ(fixed.control->GetId(), fixed.id);
    EXPECT_EQ(Driver().PlaceOf(*fixed.control), fixed.place);
    EXPECT_EQ(Driver().TextOf(*fixed.control), fixed.text);
  }
}

// The menus hold exactly these items, with their keys beside them; each,
// chosen by its mnemonics, sends its command, which the response table
// routes to its handler. A click in the page list reaches the page switch.
TEST_F(SessionCase, MenuItemsAndThePageListReachTheirHandlers) {
  const struct {
    MenuItemShown shown;
    int command;
    Handler handler;
  } kItems[] = {
      {{"&File", "&New", "Ctrl+N"}, 104, &TMachines::New},
      {{"&File", "O&pen", "Ctrl+O"}, 110, &TMachines::Open},
      {{"&File", "Sa&ve", "Ctrl+S"}, 106, &TMachines::Save},
      {{"&File", "E&xit", "Ctrl+Q"}, 105, &TMachines::Close},
      // Nothing to undo or redo yet.
      {{"&Edit", "&Undo", "Ctrl+Z", false}, 126, &TMachines::Undo},
      {{"&Edit", "&Redo", "Ctrl+Y", false}, 127, &TMachines::Redo},
      {{"&Weapon", "&Next Weapon", "Ctrl+PgDown"}, 120, &TMachines::NextWeapon},
      {{"&Weapon", "&Previous Weapon", "Ctrl+PgUp"}, 121, &TMachines::PreviousWeapon},
      {{"&Weapon", "&Choose Weapon...", "Ctrl+G"}, 122, &TMachines::ChooseWeapon},
      {{"&Weapon", "Ne&w Weapon In This File", ""}, 123, &TMachines::NewWeaponInFile},
      {{"&Weapon", "&Duplicate Weapon", "Ctrl+D"}, 124, &TMachines::DuplicateWeapon},
      {{"&Weapon", "De&lete Weapon", ""}, 125, &TMachines::DeleteWeapon},
      {{"&Help", "&Contents", "F1"}, 103, &TMachines::Help},
      {{"&Help", "&About", ""}, 102, &TMachines::CmAbout},
  };
  std::vector<MenuItemShown> expected;
  for (const auto& item : kItems) expected.push_back(item.shown);
  EXPECT_EQ(Driver().MenuItems(), expected);

  // File, Exit then asks, and the closed box keeps the window.
  Window().SaveFlag() = 0;
  Weapon().Weapcode = "CHANGED";
  for (const auto& item : kItems) {
    SCOPED_TRACE(item.shown.Item);
    EXPECT_EQ(HandlerFor(TEventKind::Command, item.command, 0), item.handler);
    if (!item.shown.Enabled) continue;
    Window().Events.clear();
    ASSERT_TRUE(Driver().ChooseMenuItem(item.shown.Menu, item.shown.Item));
    EXPECT_EQ(Window().Events, (std::vector<SeenEvent>{{TEventKind::Command, item.command, 0}}));
  }
  Ui().Answers.push_back(IDNO);
  ASSERT_TRUE(FileNew());
  Window().Events.clear();
  ASSERT_TRUE(Driver().ClickPage(0));
  EXPECT_EQ(Window().Events, (std::vector<SeenEvent>{{TEventKind::ChildNotify, 200, 1}}));
  EXPECT_EQ(HandlerFor(TEventKind::ChildNotify, 200, 1), &TMachines::EvCBNSelChange);
  EXPECT_EQ(HandlerFor(TEventKind::ChildNotify, 200, 2), nullptr);
  EXPECT_EQ(HandlerFor(TEventKind::ChildNotify, 207, 1), nullptr);
}

// Every way of closing ends the process with status 1.
TEST_F(SessionCase, ClosingEndsTheEditorWithStatus1) {
  for (const char* how : {"file-exit", "close-box"}) {
    EXPECT_EQ(Driver().CloseEditorInOwnProcess(how), 1) << how;
  }
}

struct Closing {
  std::string_view name;
  CloseRequest request;
  int status;
  std::string told;
};

class ClosingCase : public WindowCase, public ::testing::WithParamInterface<Closing> {};

// A close that goes ahead ends the process at once with status 1: with
// nothing unsaved, answered No, or Yes and saved. Cancel, or Yes without
// the script saved, keeps the window.
TEST_P(ClosingCase, EndsTheProcessOrKeepsTheWindow) {
  const Closing& row = GetParam();
  CloseRequest request = row.request;
  if (request.SaveAs) request.SaveAs = Path(*request.SaveAs);
  const ClosedProcess closed = Driver().CloseInOwnProcess(request);
  std::string told = row.told;
  if (const std::size_t at = told.find("PATH"); at != std::string::npos) {
    told.replace(at, 4, *request.SaveAs);
  }
  EXPECT_EQ(closed.Told, told);
  EXPECT_EQ(closed.Status, row.status);
  if (request.SaveAs) {
    const std::string written = ReadBytes(*request.SaveAs);
    EXPECT_EQ(!written.empty(), row.status == 1);
    EXPECT_TRUE(written.empty() || written.starts_with("[ ]\r\n\t{")) << written;
  }
}

const std::string kAsked = "asked: Do You Want To Save The Script?|Warning...|3\n";

INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingCase,
    ::testing::Values(
        Closing{"File, Exit after start", {.How = "file-exit"}, 1, ""},
        Closing{"close box after start", {.How = "close-box"}, 1, ""},
        Closing{"unsaved, No", {.How = "file-exit", .Unsaved = true, .Answer = IDNO}, 1, kAsked},
        // Yes, with the save dialog cancelled: nothing was saved, so the window stays.
        Closing{"unsaved, Yes, not saved",
                {.How = "close-box", .Unsaved = true, .Answer = IDYES},
                0,
                kAsked + "open\n"},
        Closing{"unsaved, Cancel",
                {.How = "close-box", .Unsaved = true, .Answer = IDCANCEL},
                0,
                kAsked + "open\n"},
        Closing{"unsaved, question box closed",
                {.How = "close-box", .Unsaved = true},
                0,
                kAsked + "open\n"},
        Closing{"unsaved, Yes, saved",
                {.How = "close-box", .Unsaved = true, .Answer = IDYES, .SaveAs = "closed.tdf"},
                1,
                kAsked},
        // The file cannot be written: the reason is shown and the window stays.
        Closing{
            "unsaved, Yes, saving failed",
            {.How = "file-exit", .Unsaved = true, .Answer = IDYES, .SaveAs = "missing/closed.tdf"},
            0,
            kAsked + "asked: Unable to open file\n\nPATH\nThe folder does not exist\n\nThe script "
                     "was not saved.|File Error|48\nopen\n"}),
    [](const auto& row) { return CaseName(row.param.name); });

// Cancel, or closing the question's box, keeps the window as it was (had it
// closed, the process would have ended): the page up, what was typed,
// unsaved; from File, Exit, New and Open and from the close box.
TEST_F(SessionCase, CancelInTheUnsavedChangesQuestionKeepsTheWindow) {
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(TypeOnPage(0, "Enter", "GUN"));
  for (const char* item : {"E&xit", "&New", "O&pen", "close box", "close box, question closed"}) {
    SCOPED_TRACE(item);
    if (std::string_view(item) != "close box, question closed") Ui().Answers.push_back(IDCANCEL);
    if (std::string_view(item).starts_with("close box")) {
      ASSERT_TRUE(Driver().ClickCloseBox());
    } else {
      ASSERT_TRUE(Driver().ChooseMenuItem("&File", item));
    }
    ASSERT_EQ(Ui().Questions.size(), 1u);
    EXPECT_EQ(Ui().Questions[0].Text, kUnsavedQuestion);
    EXPECT_EQ(Ui().Questions[0].Caption, "Warning...");
    EXPECT_EQ(Ui().Questions[0].Type, MB_YESNOCANCEL);
    Ui().Questions.clear();
    EXPECT_TRUE(Ui().FileDialogs.empty());
    EXPECT_EQ(Window().SaveFlag(), 0);
    EXPECT_EQ(Driver().EditText("Enter"), "GUN");
    EXPECT_EQ(Driver().PageListSelection(), 0);
  }
}

}  // namespace
}  // namespace kalvex::test

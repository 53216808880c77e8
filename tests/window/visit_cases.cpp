// The rule that a visit to a page changes nothing the user did not change:
// a page shows the record and stores back exactly what it showed, and what
// the user changed; no blank grows, long and empty texts are kept as they
// are, and a list whose value lies outside its entries keeps that value
// unless the user picks an entry.
#include <algorithm>
#include <string>

#include "record/record_fields.h"
#include "script/script_writer.h"
#include "tests/window/page_case.h"
#include "tests/window/page_values.h"
#include "tests/window/window_slots.h"

namespace kalvex::test {
namespace {

using VisitCase = WindowCase;

// A script whose texts are longer than their edits let the user type, or
// empty, and whose lists hold values other than the reset ones.
constexpr char kLongAndEmptyScript[] =
    "[A WEAPON CODE FAR LONGER THAN THE SIXTY THREE CHARACTERS ITS EDIT TAKES]\r\n\t{\r\n"
    "\tID=12345678;\r\n"
    "\tname=A Name Much Longer Than The Sixty Three Characters An Edit Lets You Type;\r\n"
    "\trendertype=7;\r\n\tlineofsight=1;\r\n\tminbarrelangle=-40;\r\n\tTurret=1;\r\n"
    "\tmodel=torpedo;\r\n"
    "\trange=12345678901234567890;\r\n\treloadtime=;\r\n\tenergypershot=;\r\n"
    "\tweaponvelocity=0.5;\r\n\taccuracy=1234567890123456;\r\n\tturnrate=69000;\r\n"
    "\ttolerance=0;\r\n\tsmokedelay=;\r\n\tsoundstart=xplonuk4;\r\n\tsoundhit=xplomas2;\r\n"
    "\tbeamweapon=1;\r\n\tcolor=144;\r\n\tcolor2=217;\r\n"
    "\texplosiongaf=commboom;\r\n\texplosionart=commboom;\r\n"
    "\tmetal=;\r\n\tenergy=00012;\r\n"
    "\t[DAMAGE]\r\n\t\t{\r\n\t\tdefault=;\r\n\t\t}\r\n}";

// Values no list or check box of the pages can show, and texts with blanks
// after them, as an older weapon may hold them.
WeaponRecord OutsideValues() {
  WeaponRecord record;
  for (const ExpectedPage& page : kExpectedPages) {
    for (const ExpectedControl& c : page.controls) {
      if (c.kind == kEdit) {
        TextMember(record, c.member) = "12  ";
      } else {
        NumberMember(record, c.member) = int(c.entries.size()) + 5;
      }
    }
  }
  record.Weapcode = "ABC   ";
  record.Weapname = "  Leading Blanks";
  record.WeapID = "";
  record.Weaprange = std::string(" ");
  return record;
}

// Building a page and leaving it stores what the record held.
TEST_P(PageCase, ShowsTheRecordAndLeavesItUnchanged) {
  ASSERT_TRUE(FileNew());
  SetSampleValues(Weapon(), Expected());
  const WeaponRecord before = Weapon();
  ASSERT_TRUE(Driver().ClickPage(PageNumber()));
  EXPECT_EQ(ShownDifferences(Driver(), Expected(), before), "");
  ASSERT_TRUE(Driver().ClickPage(NextPage()));
  EXPECT_EQ(RecordDifferences(Weapon(), before), "");
}

// Each control, changed alone, stores its value into its own member and
// into no other.
TEST_P(PageCase, EachControlStoresIntoItsMember) {
  for (std::size_t index = 0; index < Expected().controls.size(); ++index) {
    SCOPED_TRACE(std::string(Expected().controls[index].slot));
    ASSERT_TRUE(StartFreshWeapon());
    SetSampleValues(Weapon(), Expected());
    WeaponRecord wanted = Weapon();
    ASSERT_TRUE(Driver().ClickPage(PageNumber()));
    ASSERT_TRUE(ChangeControl(Driver(), Expected(), index, wanted));
    ASSERT_TRUE(Driver().ClickPage(NextPage()));
    EXPECT_EQ(RecordDifferences(Weapon(), wanted), "");
  }
}

// All controls changed in turn (a list choice rebuilds the page on the way)
// are stored when the page is left and shown again on the next visit.
TEST_P(PageCase, EveryChangeOnItIsStored) {
  ASSERT_TRUE(FileNew());
  SetSampleValues(Weapon(), Expected());
  WeaponRecord wanted = Weapon();
  ASSERT_TRUE(Driver().ClickPage(PageNumber()));
  for (std::size_t index = 0; index < Expected().controls.size(); ++index) {
    ASSERT_TRUE(ChangeControl(Driver(), Expected(), index, wanted))
        << Expected().controls[index].slot;
  }
  ASSERT_TRUE(Driver().ClickPage(NextPage()));
  EXPECT_EQ(RecordDifferences(Weapon(), wanted), "");
  ASSERT_TRUE(Driver().ClickPage(PageNumber()));
  EXPECT_EQ(ShownDifferences(Driver(), Expected(), wanted), "");
}

// An edit the user empties stores the reset text: no value is given.
TEST_P(EditPageCase, EmptiedEditsGiveNoValue) {
  ASSERT_TRUE(FileNew());
  SetSampleValues(Weapon(), Expected());
  WeaponRecord wanted = Weapon();
  ASSERT_TRUE(Driver().ClickPage(PageNumber()));
  for (const ExpectedControl& c : Expected().controls) {
    if (c.kind != kEdit) continue;
    ASSERT_TRUE(Driver().Type(c.slot, ""));
    TextMember(wanted, c.member) = std::string(" ");
  }
  ASSERT_TRUE(Driver().ClickPage(NextPage()));
  EXPECT_EQ(RecordDifferences(Weapon(), wanted), "");
}

// Texts longer than the edit's limit, empty texts, the reset text and texts
// with blanks around them are shown whole (without trailing blanks) and
// kept as they were.
TEST_P(EditPageCase, EditsShowTextsWholeAndKeepThem) {
  const std::string texts[] = {std::string(79, '7'), "", " ", "7  ", " 7"};
  for (const std::string& text : texts) {
    SCOPED_TRACE('"' + text + '"');
    ASSERT_TRUE(StartFreshWeapon());
    for (const ExpectedControl& c : Expected().controls) {
      if (c.kind == kEdit) TextMember(Weapon(), c.member) = text;
    }
    const WeaponRecord before = Weapon();
    ASSERT_TRUE(Driver().ClickPage(PageNumber()));
    EXPECT_EQ(ShownDifferences(Driver(), Expected(), before), "");
    ASSERT_TRUE(Driver().ClickPage(NextPage()));
    ASSERT_TRUE(Driver().ClickPage(PageNumber()));
    ASSERT_TRUE(Driver().ClickPage(NextPage()));
    EXPECT_EQ(RecordDifferences(Weapon(), before), "");
  }
}

// A list whose member lies outside its positions (just past them, further,
// none, below none) shows no entry and an empty box; leaving the page keeps
// the member, and so does a choice in another list of the page. A check box
// whose member is neither 0 nor 1 keeps it too.
TEST_P(ListPageCase, AValueOutsideAListIsKeptUntilTheUserPicks) {
  const std::vector<ExpectedControl>& controls = Expected().controls;
  for (const int beyond : {0, 2, 3, -1, -7}) {
    for (int picked = -1; picked < int(controls.size()); ++picked) {
      const ExpectedControl* pick = picked < 0 ? nullptr : &controls[std::size_t(picked)];
      if (pick && pick->kind != kList) continue;
      SCOPED_TRACE(std::to_string(beyond) + (pick ? ", picked in " + std::string(pick->slot) : ""));
      ASSERT_TRUE(StartFreshWeapon());
      for (const ExpectedControl& c : controls) {
        if (c.kind == kList) {
          NumberMember(Weapon(), c.member) = beyond < 0 ? beyond : int(c.entries.size()) + beyond;
        } else if (c.kind == kCheck) {
          NumberMember(Weapon(), c.member) = 5;
        }
      }
      WeaponRecord wanted = Weapon();
      ASSERT_TRUE(Driver().ClickPage(PageNumber()));
      for (const ExpectedControl& c : controls) {
        if (c.kind != kList) continue;
        EXPECT_EQ(Driver().ListSelection(c.slot), -1) << c.slot;
        EXPECT_EQ(Driver().ListText(c.slot), "") << c.slot;
      }
      if (pick) {
        ASSERT_TRUE(Driver().Pick(pick->slot, 1));
        NumberMember(wanted, pick->member) = 1;
        EXPECT_EQ(Driver().ListSelection(pick->slot), 1);
      }
      ASSERT_TRUE(Driver().ClickPage(NextPage()));
      EXPECT_EQ(RecordDifferences(Weapon(), wanted), "");
    }
  }
}

// A model, sound or explosion art of the script's own is the list's last
// entry, spelled as in the script and selected. It is kept by leaving the
// page, by picking it again and by a choice in another list of the page;
// picking one of the list's entries stores that entry and drops the text.
TEST_F(VisitCase, AnOwnTextIsTheLastEntryUntilTheUserPicksAnother) {
  const std::string own = "vortex_m\xF6rser";
  for (int page = 0; page < kPages; ++page) {
    const ExpectedPage& expected = kExpectedPages[std::size_t(page)];
    for (const ExpectedControl& c : expected.controls) {
      if (c.kind != kList || !FindRecordField(c.member)->own) continue;
      const auto other = std::ranges::find_if(expected.controls, [&](const ExpectedControl& o) {
        return o.kind == kList && o.slot != c.slot;
      });
      for (const std::string_view step :
           {"leave the page", "pick it", "pick in another list", "pick an entry"}) {
        if (step == "pick in another list" && other == expected.controls.end()) continue;
        SCOPED_TRACE(std::string(c.member) + ", " + std::string(step));
        ASSERT_TRUE(StartFreshWeapon());
        for (const ExpectedControl& o : expected.controls) {
          if (o.kind == kList) NumberMember(Weapon(), o.member) = 0;
        }
        Weapon().own.*FindRecordField(c.member)->own = own;
        NumberMember(Weapon(), c.member) = 1;
        WeaponRecord wanted = Weapon();
        ASSERT_TRUE(Driver().ClickPage(page));
        const int extra = int(c.entries.size());
        const std::optional<std::vector<std::string>> entries = Driver().ListEntries(c.slot);
        ASSERT_TRUE(entries);
        ASSERT_EQ(entries->size(), std::size_t(extra + 1));
        EXPECT_EQ(entries->back(), own);
        EXPECT_EQ(Driver().ListSelection(c.slot), extra);

        if (step == "pick it") {
          ASSERT_TRUE(Driver().Pick(c.slot, extra));
        } else if (step == "pick in another list") {
          ASSERT_TRUE(Driver().Pick(other->slot, 1));
          NumberMember(wanted, other->member) = 1;
        } else if (step == "pick an entry") {
          ASSERT_TRUE(Driver().Pick(c.slot, 0));
          NumberMember(wanted, c.member) = 0;
          wanted.own.*FindRecordField(c.member)->own = {};
        }
        const bool kept = step != "pick an entry";
        EXPECT_EQ(Driver().ListEntries(c.slot)->size(), std::size_t(kept ? extra + 1 : extra));
        EXPECT_EQ(Driver().ListSelection(c.slot), kept ? extra : 0);
        ASSERT_TRUE(Driver().ClickPage((page + 1) % kPages));
        EXPECT_EQ(RecordDifferences(Weapon(), wanted), "");
      }
    }
  }
}

// The script written before and after a visit to every page is the same.
TEST_F(VisitCase, VisitingEveryPageWritesTheSameScript) {
  int run = 0;
  for (const std::string_view source : {"a new weapon", "a script with long and empty values",
                                        "values outside the lists, blanks after texts"}) {
    SCOPED_TRACE(std::string(source));
    const std::string files = std::to_string(run++);  // each source saves into files of its own
    ASSERT_TRUE(StartFreshWeapon());
    Ui().Questions.clear();
    if (source == "a script with long and empty values") {
      ASSERT_TRUE(OpenScriptOf("long.tdf", kLongAndEmptyScript));
      EXPECT_TRUE(Ui().Questions.empty());
      EXPECT_EQ(Weapon().Weapname,
                "A Name Much Longer Than The Sixty Three Characters An Edit Lets You Type");
    } else if (source == "values outside the lists, blanks after texts") {
      Weapon() = OutsideValues();
    }
    ASSERT_FALSE(SavedAs(files + "first.tdf").empty());
    // Saved, its lists show what the file holds (a value outside a list that
    // writes no entry shows none). Saved once more without a visit: a weapon
    // first written anew then stands in that file, and what the writer left
    // out of it (a turn rate without guidance) goes in now.
    const WeaponRecord before = Weapon();
    const std::string written = SavedAs(files + "before.tdf");
    ASSERT_FALSE(written.empty());
    if (source == "a new weapon") {
      EXPECT_EQ(written, WriteScript(WeaponRecord()));  // every field at its reset value
    }

    for (int page = 0; page < kPages; ++page) {
      ASSERT_TRUE(Driver().ClickPage(page));
    }
    ASSERT_TRUE(Driver().ClickPage(0));
    EXPECT_EQ(SavedAs(files + "after.tdf"), written);
    EXPECT_TRUE(Ui().Questions.empty());
    EXPECT_EQ(RecordDifferences(Weapon(), before), "");
  }
}

TEST_F(VisitCase, VisitingTheSmokePageAddsNoSmokeDelay) {
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(Driver().ClickPage(12));
  ASSERT_TRUE(Driver().ClickPage(13));
  const std::string written = SavedAs("smoke.tdf");
  EXPECT_NE(written.find("soundstart=;"), std::string::npos) << written;
  EXPECT_EQ(written.find("smokedelay"), std::string::npos) << written;
}

TEST_F(VisitCase, ACodeTypedOnceIsWrittenWithoutBlanksHoweverOftenItIsVisited) {
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(TypeOnPage(0, "Enter", "ABC"));
  for (int visit = 0; visit < 5; ++visit) {
    ASSERT_TRUE(Driver().ClickPage(1));
    ASSERT_TRUE(Driver().ClickPage(0));
    EXPECT_EQ(Driver().EditText("Enter"), "ABC");
  }
  EXPECT_EQ(Weapon().Weapcode, "ABC");
  EXPECT_TRUE(SavedAs("abc.tdf").starts_with("[ABC]\r\n\t{"));
}

struct TypedText {
  std::string_view name;
  int page;
  std::string_view typed;  // into the page's first edit
  std::string_view member;
  std::string_view stored;
};

class TypedTextCase : public WindowCase, public ::testing::WithParamInterface<TypedText> {};

// Blanks typed after a text are not stored, and a number's edit that holds
// only a minus or a point gives no value.
TEST_P(TypedTextCase, IsStoredWithoutWhatGivesNoValue) {
  const TypedText& row = GetParam();
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(TypeOnPage(row.page, "Enter", row.typed));
  EXPECT_EQ(Driver().EditText("Enter"), std::string(row.typed));
  ASSERT_TRUE(Driver().ClickPage((row.page + 1) % kPages));
  EXPECT_EQ(TextMember(Weapon(), row.member), row.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, TypedTextCase,
    ::testing::Values(
        TypedText{
            .name = "code", .page = 0, .typed = "ABC  ", .member = "Weapcode", .stored = "ABC"},
        TypedText{.name = "name",
                  .page = 1,
                  .typed = " Big Gun   ",
                  .member = "Weapname",
                  .stored = " Big Gun"},
        TypedText{.name = "name in Latin-1",
                  .page = 1,
                  .typed = "Fus\351e  ",
                  .member = "Weapname",
                  .stored = "Fus\351e"},
        TypedText{
            .name = "only blanks", .page = 0, .typed = "   ", .member = "Weapcode", .stored = " "},
        TypedText{
            .name = "a minus alone", .page = 5, .typed = "-", .member = "Weaprange", .stored = " "},
        TypedText{.name = "a point alone",
                  .page = 7,
                  .typed = ".",
                  .member = "Weapreload",
                  .stored = " "},
        TypedText{.name = "a minus and a point",
                  .page = 3,
                  .typed = "-.",
                  .member = "Weapdamage",
                  .stored = " "},
        TypedText{.name = "a negative number",
                  .page = 3,
                  .typed = "-5",
                  .member = "Weapdamage",
                  .stored = "-5"},
        TypedText{.name = "a number ending in a point",
                  .page = 18,
                  .typed = "12.",
                  .member = "Weapcovg",
                  .stored = "12."}),
    [](const auto& row) { return CaseName(row.param.name); });

}  // namespace
}  // namespace kalvex::test

// A visit to a page changes nothing the user did not change: no blank grows,
// long and empty texts are kept as they are, and a list whose value lies
// outside its entries keeps that value unless the user picks an entry.
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

#include "record/record_fields.h"
#include "tests/ui/data_rows.h"
#include "tests/ui/editor_driver.h"
#include "tests/ui/editor_test_case.h"
#include "tests/ui/offscreen_messages.h"
#include "tests/ui/page_support.h"

using namespace kalvex::test;

namespace {

// One-character texts are assigned as std::string: GCC 12 at -O3 warns
// falsely (-Wrestrict) when a one-character C string is assigned.
using namespace std::string_literals;

constexpr int kPages = 19;

// A script whose texts are longer than their edits let the user type, or
// empty, and whose lists hold values other than the reset ones.
constexpr char kLongAndEmptyScript[] =
    "[LONG WEAPONCODE]\r\n\t{\r\n"
    "\tID=12345678;\r\n"
    "\tname=A Name Much Longer Than The Sixty Eight Characters An Edit Lets You;\r\n"
    "\trendertype=7;\r\n\tlineofsight=1;\r\n\tminbarrelangle=-40;\r\n\tTurret=1;\r\n"
    "\tmodel=torpedo;\r\n"
    "\trange=123456789012;\r\n\treloadtime=;\r\n\tenergypershot=;\r\n"
    "\tweaponvelocity=0.5;\r\n\taccuracy=1234567;\r\n\tturnrate=69000;\r\n\ttolerance=0;\r\n"
    "\tsmokedelay=;\r\n\tsoundstart=xplonuk4;\r\n\tsoundhit=xplomas2;\r\n"
    "\tbeamweapon=1;\r\n\tcolor=144;\r\n\tcolor2=217;\r\n"
    "\texplosiongaf=commboom;\r\n\texplosionart=commboom;\r\n"
    "\tmetal=;\r\n\tenergy=00012;\r\n"
    "\t[DAMAGE]\r\n\t\t{\r\n\t\tdefault=;\r\n\t\t}\r\n}";

// Values no list or check box of the pages can show, and texts with blanks
// after them, as an older weapon may hold them.
kalvex::WeaponRecord OutsideValues() {
  kalvex::WeaponRecord record;
  for (const ExpectedPage& page : kExpectedPages) {
    for (const ExpectedControl& c : page.controls) {
      if (c.kind == "edit") {
        TextMember(record, c.member) = "12  ";
      } else {
        NumberMember(record, c.member) = int(c.entries.size()) + 5;
      }
    }
  }
  record.Weapcode = "ABC   ";
  record.Weapname = "  Leading Blanks";
  record.WeapID = "";
  record.Weaprange = " "s;
  return record;
}

// Typed into the page's first edit, and the member it is stored into.
struct TypedText {
  const char* name;
  int page;
  const char* typed;
  const char* member;
  const char* stored;
};

}  // namespace

class VisitRuleTest : public EditorTestCase {
  Q_OBJECT

 private slots:
  // The script written before and after a visit to every page is the same.
  void visitingEveryPageWritesTheSameScript_data() {
    QTest::addColumn<QString>("source");
    QTest::newRow("a new weapon") << "new";
    QTest::newRow("a script with long and empty values") << "script";
    QTest::newRow("values outside the lists, blanks after texts") << "outside";
  }

  void visitingEveryPageWritesTheSameScript() {
    QFETCH(QString, source);
    if (source == "script") {
      const std::string script = Path("long.tdf");
      QVERIFY(WriteBytes(script, kLongAndEmptyScript));
      driver_->Ui().FileChoices.push_back(script);
      QVERIFY(driver_->FileOpen());
      QCOMPARE(driver_->Ui().Questions.size(), 0u);
      QCOMPARE(driver_->Window().EditedWeapon().Weapname,
               std::string("A Name Much Longer Than The Sixty Eight Characters An Edit Lets You"));
    } else if (source == "outside") {
      driver_->Window().EditedWeapon() = OutsideValues();
    }
    const kalvex::WeaponRecord before = driver_->Window().EditedWeapon();
    driver_->Ui().FileChoices.push_back(Path("first.tdf"));
    QVERIFY(driver_->FileSave());
    // Saved once more without a visit: a weapon first written anew then
    // stands in that file, and what the writer left out of it (a turn rate
    // without guidance) goes in now.
    driver_->Ui().FileChoices.push_back(Path("before.tdf"));
    QVERIFY(driver_->FileSave());

    for (int page = 0; page < kPages; ++page) QVERIFY(driver_->ClickPage(page));
    QVERIFY(driver_->ClickPage(0));
    driver_->Ui().FileChoices.push_back(Path("after.tdf"));
    QVERIFY(driver_->FileSave());

    QCOMPARE(driver_->Ui().Questions.size(), 0u);
    QCOMPARE(RecordDifferences(driver_->Window().EditedWeapon(), before), QString());
    const std::string written = ReadBytes(Path("before.tdf"));
    QVERIFY(!written.empty());
    QCOMPARE(QString::fromLatin1(ReadBytes(Path("after.tdf"))), QString::fromLatin1(written));
  }

  void visitingTheSmokePageAddsNoSmokeDelay() {
    QVERIFY(driver_->ClickPage(12));
    QVERIFY(driver_->ClickPage(13));
    driver_->Ui().FileChoices.push_back(Path("smoke.tdf"));
    QVERIFY(driver_->FileSave());
    const std::string written = ReadBytes(Path("smoke.tdf"));
    QVERIFY(written.find("soundstart=;") != std::string::npos);
    QVERIFY(written.find("smokedelay") == std::string::npos);
  }

  void codeTypedOnceIsWrittenWithoutBlanksHoweverOftenItIsVisited() {
    QVERIFY(driver_->ClickPage(0));
    QVERIFY(driver_->Type("Enter", "ABC"));
    for (int visit = 0; visit < 5; ++visit) {
      QVERIFY(driver_->ClickPage(1));
      QVERIFY(driver_->ClickPage(0));
      QCOMPARE(driver_->Edit("Enter")->text(), QStringLiteral("ABC"));
    }
    QCOMPARE(driver_->Window().EditedWeapon().Weapcode, std::string("ABC"));
    driver_->Ui().FileChoices.push_back(Path("abc.tdf"));
    QVERIFY(driver_->FileSave());
    QVERIFY(ReadBytes(Path("abc.tdf")).starts_with("[ABC]\r\n\t{"));
  }

  // An edit the user empties stores the reset text: no value is given.
  void emptiedEditsGiveNoValue_data() { AddPageRows("edit"); }
  void emptiedEditsGiveNoValue() {
    QFETCH(int, page);
    const ExpectedPage& expected = kExpectedPages[std::size_t(page)];
    SetSampleValues(driver_->Window().EditedWeapon(), expected);
    kalvex::WeaponRecord wanted = driver_->Window().EditedWeapon();
    QVERIFY(driver_->ClickPage(page));
    for (const ExpectedControl& c : expected.controls) {
      if (c.kind != "edit") continue;
      QVERIFY(driver_->Type(c.slot, QString()));
      TextMember(wanted, c.member) = " "s;
    }
    QVERIFY(driver_->ClickPage((page + 1) % kPages));
    QCOMPARE(RecordDifferences(driver_->Window().EditedWeapon(), wanted), QString());
  }

  // Blanks typed after a text are not stored.
  void blanksTypedAfterATextAreDropped_data() {
    AddRows<TypedText>({
        {"code", 0, "ABC  ", "Weapcode", "ABC"},
        {"name", 1, " Big Gun   ", "Weapname", " Big Gun"},
        {"name in Latin-1", 1, "Fus\351e  ", "Weapname", "Fus\351e"},
        {"only blanks", 0, "   ", "Weapcode", " "},
    });
  }

  void blanksTypedAfterATextAreDropped() {
    QFETCH(TypedText, row);
    QVERIFY(driver_->ClickPage(row.page));
    QVERIFY(driver_->Type("Enter", Latin1(row.typed)));
    QCOMPARE(driver_->Edit("Enter")->text(), Latin1(row.typed));
    QVERIFY(driver_->ClickPage((row.page + 1) % kPages));
    QCOMPARE(TextMember(driver_->Window().EditedWeapon(), row.member), std::string(row.stored));
  }

  // Texts longer than the edit's limit, empty texts, the reset text and texts
  // with blanks around them are shown whole (without trailing blanks) and
  // kept as they were.
  void editsShowTextsWholeAndKeepThem_data() { AddPageRows("edit"); }

  void editsShowTextsWholeAndKeepThem() {
    QFETCH(int, page);
    const ExpectedPage& expected = kExpectedPages[std::size_t(page)];
    for (const std::string& text :
         {std::string("12345678901234567890123456789012345678901234567890"
                      "12345678901234567890123456789"),
          std::string(), std::string(" "), std::string("7  "), std::string(" 7")}) {
      QVERIFY(driver_->StartFreshWeapon());
      for (const ExpectedControl& c : expected.controls) {
        if (c.kind == "edit") TextMember(driver_->Window().EditedWeapon(), c.member) = text;
      }
      const kalvex::WeaponRecord before = driver_->Window().EditedWeapon();
      QVERIFY(driver_->ClickPage(page));
      QCOMPARE(ShownDifferences(*driver_, expected, before), QString());
      QVERIFY(driver_->ClickPage((page + 1) % kPages));
      QVERIFY(driver_->ClickPage(page));
      QVERIFY(driver_->ClickPage((page + 1) % kPages));
      QVERIFY2(driver_->Window().EditedWeapon() == before,
               qPrintable(QString::fromStdString('"' + text + "\": ") +
                          RecordDifferences(driver_->Window().EditedWeapon(), before)));
    }
  }

  // A list whose member lies outside its positions shows no entry; leaving
  // the page keeps the member, and so does a choice in another list of the
  // page. A check box whose member is neither 0 nor 1 keeps it too.
  void valueOutsideAListIsKeptUntilTheUserPicks_data() { AddPageRows("list"); }

  void valueOutsideAListIsKeptUntilTheUserPicks() {
    QFETCH(int, page);
    const ExpectedPage& expected = kExpectedPages[std::size_t(page)];
    for (const int beyond : {0, 2, 3, -1}) {
      for (int picked = -1; picked < int(expected.controls.size()); ++picked) {
        const ExpectedControl* pick =
            picked < 0 ? nullptr : &expected.controls[std::size_t(picked)];
        if (pick && pick->kind != "list") continue;
        QVERIFY(driver_->StartFreshWeapon());
        kalvex::WeaponRecord& record = driver_->Window().EditedWeapon();
        for (const ExpectedControl& c : expected.controls) {
          if (c.kind == "list") {
            NumberMember(record, c.member) = beyond < 0 ? -1 : int(c.entries.size()) + beyond;
          } else if (c.kind == "check") {
            NumberMember(record, c.member) = 5;
          }
        }
        kalvex::WeaponRecord wanted = record;
        QVERIFY(driver_->ClickPage(page));
        for (const ExpectedControl& c : expected.controls) {
          if (c.kind != "list") continue;
          QCOMPARE(driver_->DropDown(c.slot)->currentIndex(), -1);
          QCOMPARE(driver_->DropDown(c.slot)->currentText(), QString());
        }
        if (pick) {
          QVERIFY(driver_->Pick(pick->slot, 1));
          NumberMember(wanted, pick->member) = 1;
          QCOMPARE(driver_->DropDown(pick->slot)->currentIndex(), 1);
        }
        QVERIFY(driver_->ClickPage((page + 1) % kPages));
        QVERIFY2(driver_->Window().EditedWeapon() == wanted,
                 qPrintable(RecordDifferences(driver_->Window().EditedWeapon(), wanted)));
      }
    }
  }

  // A model, sound or explosion art of the script's own is the list's last
  // entry, spelled as in the script and selected. It is kept by leaving the
  // page, by picking it again and by a choice in another list of the page;
  // picking one of the list's entries stores that entry and drops the text.
  void ownTextIsTheLastEntryUntilTheUserPicksAnother_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("control");
    QTest::addColumn<QString>("step");
    for (int page = 0; page < kPages; ++page) {
      const ExpectedPage& expected = kExpectedPages[std::size_t(page)];
      for (int control = 0; control < int(expected.controls.size()); ++control) {
        const ExpectedControl& c = expected.controls[std::size_t(control)];
        if (c.kind != "list" || !kalvex::FindRecordField(c.member)->own) continue;
        for (const char* step :
             {"leave the page", "pick it", "pick in another list", "pick an entry"}) {
          QTest::addRow("%s, %s", std::string(c.member).c_str(), step)
              << page << control << QString::fromLatin1(step);
        }
      }
    }
  }

  void ownTextIsTheLastEntryUntilTheUserPicksAnother() {
    QFETCH(int, page);
    QFETCH(int, control);
    QFETCH(QString, step);
    const ExpectedPage& expected = kExpectedPages[std::size_t(page)];
    const ExpectedControl& c = expected.controls[std::size_t(control)];
    const std::string own = "vortex_m\xF6rser";
    kalvex::WeaponRecord& record = driver_->Window().EditedWeapon();
    for (const ExpectedControl& o : expected.controls) {
      if (o.kind == "list") NumberMember(record, o.member) = 0;
    }
    record.own.*kalvex::FindRecordField(c.member)->own = own;
    NumberMember(record, c.member) = 1;
    kalvex::WeaponRecord wanted = record;
    QVERIFY(driver_->ClickPage(page));
    const int extra = int(c.entries.size());
    QCOMPARE(driver_->DropDown(c.slot)->count(), extra + 1);
    QCOMPARE(driver_->DropDown(c.slot)->itemText(extra), Latin1(own));
    QCOMPARE(driver_->DropDown(c.slot)->currentIndex(), extra);

    const auto other = std::ranges::find_if(expected.controls, [&](const ExpectedControl& o) {
      return o.kind == "list" && o.slot != c.slot;
    });
    if (step == QLatin1String("pick it")) {
      QVERIFY(driver_->Pick(c.slot, extra));
    } else if (step == QLatin1String("pick in another list")) {
      if (other == expected.controls.end()) QSKIP("no other list on this page");
      QVERIFY(driver_->Pick(other->slot, 1));
      NumberMember(wanted, other->member) = 1;
    } else if (step == QLatin1String("pick an entry")) {
      QVERIFY(driver_->Pick(c.slot, 0));
      NumberMember(wanted, c.member) = 0;
      wanted.own.*kalvex::FindRecordField(c.member)->own = {};
    }
    const bool kept = step != QLatin1String("pick an entry");
    QCOMPARE(driver_->DropDown(c.slot)->count(), kept ? extra + 1 : extra);
    QCOMPARE(driver_->DropDown(c.slot)->currentIndex(), kept ? extra : 0);
    QVERIFY(driver_->ClickPage((page + 1) % kPages));
    QCOMPARE(RecordDifferences(driver_->Window().EditedWeapon(), wanted), QString());
  }
};

QTEST_MAIN(VisitRuleTest)
#include "visit_rule_test.moc"

// kalvex-tdf on scripts of several weapons: list, table and apply, the
// choice of a weapon by --index and --weapon, set editing one weapon in place,
// write --append, and check over every weapon of every file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/tools/kalvex_tdf_fixture.h"

namespace kalvex {
namespace {

// Three weapons as a mod holds them: comments, entries without a field, a
// per-target damage, a sound of the mod's own, a long code, CR LF.
const std::string kThree =
    "// the mod's rockets\r\n"              // 1
    "[ROCKET_LAUNCHER_MK2_HEAVY]\r\n"       // 2
    "\t{\r\n"                               // 3
    "\tID=101;\r\n"                         // 4
    "\tname=Heavy Rocket;\r\n"              // 5
    "\tshakeduration=1.5; // felt far\r\n"  // 6
    "\t[DAMAGE]\r\n"                        // 7
    "\t\t{\r\n"                             // 8
    "\t\tdefault=250;\r\n"                  // 9
    "\t\theavytank=400;\r\n"                // 10
    "\t\t}\r\n"                             // 11
    "\t}\r\n"                               // 12
    "[Pulse]\r\n"                           // 13
    "\t{\r\n"                               // 14
    "\tID=102;\r\n"                         // 15
    "\tname=Pulse\tGun;\r\n"                // 16
    "\tsoundstart=vortexfire;\r\n"          // 17
    "\treloadtime=0.367;\r\n"               // 18
    "\t}\r\n"                               // 19
    "[NOID]\r\n"                            // 20
    "\t{\r\n"                               // 21
    "\t}\r\n";                              // 22

// `text` with `from` replaced by `to` (the first time it stands there).
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::string ThreeWith(const std::string& from, const std::string& to) {
  return Replaced(kThree, from, to);
}

struct ToolCase {
  const char* name;
  std::string args;  // "%0" in them: the script of the case, holding kThree
  int status;
  std::string err;  // "%0" in it and in `out` stands for the script's path
  std::string out = "";
};

class WeaponsTest : public KalvexTdfTest {
 protected:
  void RunCases(const std::vector<ToolCase>& cases) {
    for (const ToolCase& c : cases) {
      SCOPED_TRACE(c.name);
      const std::string file = Script("three.tdf", kThree);
      const ToolRun run = RunTool(Words(c.args, {file}));
      EXPECT_EQ(run.status, c.status);
      EXPECT_EQ(run.out, Filled(c.out, {file}));
      EXPECT_EQ(run.err, Filled(c.err, {file}));
      EXPECT_EQ(ReadFile(file), kThree);
    }
  }
};

const std::string kThreeListed =
    "1\tROCKET_LAUNCHER_MK2_HEAVY\t101\tHeavy Rocket\t2\n"
    "2\tPulse\t102\tPulse Gun\t13\n"
    "3\tNOID\t\t\t20\n";

TEST_F(WeaponsTest, ListGivesOneLinePerWeapon) {
  const std::string usage =
      "kalvex-tdf list: expects one script file\nUsage: kalvex-tdf list FILE\n";
  RunCases({
      {"a file", "list %0", 0, "", kThreeListed},
      {"no file", "list", 2, usage},
      {"two files", "list %0 %0", 2, usage},
      {"a missing file", "list %0.missing", 1,
       "kalvex-tdf: %0.missing: Unable to open file: No such file or directory\n"},
  });
  EXPECT_EQ(RunTool({"list", "-"}, kThree).out, kThreeListed);
  const ToolRun none = RunTool({"list", "-"}, "ID=4;");
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.out, "");
}

TEST_F(WeaponsTest, TableGivesOneRowPerWeapon) {
  const std::string usage = "Usage: kalvex-tdf table FILE|FOLDER... [--keys K1,K2,...] [--csv]\n";
  RunCases({
      {"every key, in the order first met", "table %0", 0, "",
       "file\tindex\tcode\tID\tname\tshakeduration\tDAMAGE/default\tDAMAGE/heavytank\tsoundstart"
       "\treloadtime\n"
       "%0\t1\tROCKET_LAUNCHER_MK2_HEAVY\t101\tHeavy Rocket\t1.5\t250\t400\t\t\n"
       "%0\t2\tPulse\t102\tPulse Gun\t\t\t\tvortexfire\t0.367\n"
       "%0\t3\tNOID\t\t\t\t\t\t\t\n"},
      {"keys named, in any letter case, one that no weapon holds",
       "table %0 --keys reloadtime,damage/DEFAULT,Name,range", 0, "",
       "file\tindex\tcode\treloadtime\tdamage/DEFAULT\tName\trange\n"
       "%0\t1\tROCKET_LAUNCHER_MK2_HEAVY\t\t250\tHeavy Rocket\t\n"
       "%0\t2\tPulse\t0.367\t\tPulse Gun\t\n"
       "%0\t3\tNOID\t\t\t\t\n"},
      {"CSV", "table --csv %0 --keys name,ID", 0, "",
       "file,index,code,name,ID\r\n"
       "%0,1,ROCKET_LAUNCHER_MK2_HEAVY,Heavy Rocket,101\r\n"
       "%0,2,Pulse,Pulse Gun,102\r\n"
       "%0,3,NOID,,\r\n"},
      {"a missing file among others", "table %0.missing %0 --keys ID", 1,
       "kalvex-tdf: %0.missing: Unable to open file: No such file or directory\n",
       "file\tindex\tcode\tID\n%0\t1\tROCKET_LAUNCHER_MK2_HEAVY\t101\n%0\t2\tPulse\t102\n"
       "%0\t3\tNOID\t\n"},
      {"an empty key", "table %0 --keys ID,,name", 2,
       "kalvex-tdf table: expects key names between the commas of --keys\n" + usage},
      {"a key named twice", "table %0 --keys ID,Damage/X,damage/x", 2,
       "kalvex-tdf table: expects each key once in --keys, not \"damage/x\"\n" + usage},
      {"--keys twice", "table %0 --keys ID --keys name", 2,
       "kalvex-tdf table: expects one list of keys after --keys\n" + usage},
  });
}

// The cells as the script writes the values: its bytes, blanks around them
// left out, of a key given twice the last; keys and sections joined across
// letter case.
TEST_F(WeaponsTest, TableCellsHoldTheValuesAsWritten) {
  const std::string file = Script("odd.tdf",
                                  "[Gun One]\n{\n"
                                  "  Name = Big, \"Bad\"\tGun ;\n"
                                  "  reloadtime=1;\n"
                                  "  ReloadTime=2.5;\n"
                                  "  soundstart=Fus\xE9"
                                  "e;\n"
                                  "  description=two\r\nlines;\n"
                                  "  [damage]\n  {\n    Default=10;\n  }\n"
                                  "  [CUSTOMPARAMS]\n  {\n    unitpic=x.png;\n  }\n"
                                  "}\n"
                                  "[B]\n{\n"
                                  "  RELOADTIME=3;\n"
                                  "  [DAMAGE]{default=20;armor_heavy=5;}\n"
                                  "  [CustomParams]{UnitPic = y.png ;}\n"
                                  "}\n");
  const struct {
    const char* name;
    const char* args;
    std::string out;
  } kTables[] = {
      {"TSV", "table %0",
       "file\tindex\tcode\tName\treloadtime\tsoundstart\tdescription\tdamage/Default"
       "\tCUSTOMPARAMS/unitpic\tdamage/armor_heavy\n"
       "%0\t1\tGun One\tBig, \"Bad\" Gun\t2.5\tFus\xE9"
       "e\ttwo lines\t10\tx.png\t\n"
       "%0\t2\tB\t\t3\t\t\t20\ty.png\t5\n"},
      {"CSV", "table --csv %0",
       "file,index,code,Name,reloadtime,soundstart,description,damage/Default,"
       "CUSTOMPARAMS/unitpic,damage/armor_heavy\r\n"
       "%0,1,Gun One,\"Big, \"\"Bad\"\" Gun\",2.5,Fus\xE9"
       "e,two lines,10,x.png,\r\n"
       "%0,2,B,,3,,,20,y.png,5\r\n"},
      {"keys named", "table %0 --keys DAMAGE/armor_heavy,customparams/UNITPIC,description",
       "file\tindex\tcode\tDAMAGE/armor_heavy\tcustomparams/UNITPIC\tdescription\n"
       "%0\t1\tGun One\t\tx.png\ttwo lines\n"
       "%0\t2\tB\t5\ty.png\t\n"},
  };
  for (const auto& table : kTables) {
    SCOPED_TRACE(table.name);
    const ToolRun run = RunTool(Words(table.args, {file}));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, Filled(table.out, {file}));
  }
}

// Files as given, then each folder's scripts in byte order of their paths; a
// script without a weapon is named and the others are listed.
TEST_F(WeaponsTest, TableWalksFolders) {
  const std::string one = Script("one.tdf", "[ONE]{ID=9;}");
  fs::create_directories(dir_ / "mod" / "a");
  const std::string mod = (dir_ / "mod").string();
  Script("mod/b.tdf", "[B]{ID=2;}");
  Script("mod/A.TDF", "[A]{ID=1;}");
  Script("mod/a/z.Tdf", "[Z]{ID=3;}");
  Script("mod/notes.txt", "[N]{ID=4;}");
  Script("mod/empty.tdf", "");
  const ToolRun run = RunTool({"table", one, mod, "--keys", "ID"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            Filled("file\tindex\tcode\tID\n%0\t1\tONE\t9\n%1\t1\tA\t1\n%2\t1\tZ\t3\n"
                   "%3\t1\tB\t2\n",
                   {one, (dir_ / "mod" / "A.TDF").string(), (dir_ / "mod" / "a" / "z.Tdf").string(),
                    (dir_ / "mod" / "b.tdf").string()}));
  EXPECT_EQ(
      run.err.rfind(
          "kalvex-tdf: " + (dir_ / "mod" / "empty.tdf").string() + ": No weapon found in file", 0),
      0u)
      << run.err;
}

// kThree and a weapon in LF line ends: a key given twice, a comment, a
// section of the mod's own.
const std::string kMixed = kThree +
                           "[Extra]\n{\n"
                           "  range=800;\n"
                           "  range=900; // far\n"
                           "  [CUSTOMPARAMS]\n  {\n    x=1;\n  }\n"
                           "}\n";

// What table prints, applied unchanged, writes nothing: a value holding a
// tab, sections, a key given twice, both line ends, TSV and CSV.
TEST_F(WeaponsTest, ApplyOfAnUnchangedTableWritesNothing) {
  const std::string file = Script("mixed.tdf", kMixed);
  fs::permissions(file, fs::perms::owner_read);  // a write would fail
  for (const char* table : {"table %0", "table --csv %0"}) {
    SCOPED_TRACE(table);
    const ToolRun printed = RunTool(Words(table, {file}));
    ASSERT_EQ(printed.status, 0) << printed.err;
    for (const char* apply : {"apply -", "apply - --dry-run"}) {
      const ToolRun run = RunTool(Words(apply), printed.out);
      EXPECT_EQ(run.status, 0);
      EXPECT_EQ(run.err, "");
      EXPECT_EQ(run.out, "");
    }
  }
  EXPECT_EQ(ReadFile(file), kMixed);
}

TEST_F(WeaponsTest, ApplySetsTheCellsThatChanged) {
  const std::string rocket = "%0\t1\tROCKET_LAUNCHER_MK2_HEAVY\t";
  const struct {
    const char* name;
    std::string table;  // "%0": the script's path
    int status;
    std::string after;  // the script's bytes after
    std::string err = "";
    const char* args = "apply %1";
    std::string out = "";
  } cases[] = {
      {"one changed cell changes only its entry's line",
       "file\tindex\tcode\treloadtime\tID\n%0\t2\tPulse\t2.5\t102\n", 0,
       Replaced(kMixed, "reloadtime=0.367;", "reloadtime=2.5;")},
      {"numbers written otherwise are unchanged",
       "file\tindex\tcode\tshakeduration\tDAMAGE/default\n" + rocket + "1.50\t250.0\n", 0, kMixed},
      {"an empty cell removes the entry", "file\tindex\tcode\tsoundstart\n%0\t2\tPulse\t\n", 0,
       Replaced(kMixed, "\tsoundstart=vortexfire;\r\n", "")},
      {"a new column adds an entry", "file\tindex\tcode\tvlaunch\n%0\t3\tNOID\t1\n", 0,
       Replaced(kMixed, "[NOID]\r\n\t{\r\n", "[NOID]\r\n\t{\r\n\tvlaunch=1;\r\n")},
      {"a key given twice has its last entry set", "file\tindex\tcode\trange\n%0\t4\tExtra\t950\n",
       0, Replaced(kMixed, "range=900;", "range=950;")},
      {"a style of fire's cell", "file\tindex\tcode\tballistic\n%0\t3\tNOID\t1\n", 0,
       Replaced(kMixed, "[NOID]\r\n\t{\r\n", "[NOID]\r\n\t{\r\n\tballistic=1;\r\n")},
      {"section columns, CSV, rows in another order",
       "file,index,code,DAMAGE/armor_heavy,CUSTOMPARAMS/x\r\n"
       "%0,4,Extra,,2\r\n%0,1,ROCKET_LAUNCHER_MK2_HEAVY,5,\r\n",
       0,
       Replaced(Replaced(kMixed, "\t\theavytank=400;\r\n",
                         "\t\theavytank=400;\r\n\t\tarmor_heavy=5;\r\n"),
                "x=1;", "x=2;")},
      {"--dry-run prints the diff", "file\tindex\tcode\treloadtime\n%0\t2\tPulse\t2.5\n", 0, kMixed,
       "", "apply %1 --dry-run",
       "--- %0\n+++ %0\n@@ -15,7 +15,7 @@\n"
       " \tID=102;\r\n \tname=Pulse\tGun;\r\n \tsoundstart=vortexfire;\r\n"
       "-\treloadtime=0.367;\r\n+\treloadtime=2.5;\r\n"
       " \t}\r\n [NOID]\r\n \t{\r\n"},
      {"a row that no longer matches its weapon",
       "file\tindex\tcode\tID\n%0\t1\tROCKET_LAUNCHER_MK2_HEAVY\t7\n%0\t2\tPULSE2\t102\n", 1,
       kMixed, "kalvex-tdf: %0: row 3: weapon 2 is now \"Pulse\", not \"PULSE2\"\n"},
      {"a weapon past the file's", "file\tindex\tcode\tID\n%0\t9\tPulse\t102\n", 1, kMixed,
       "kalvex-tdf: %0: row 2: the file holds no weapon 9 (it holds 4)\n"},
      {"a refused value",
       "file\tindex\tcode\tID\treloadtime\n%0\t1\tROCKET_LAUNCHER_MK2_HEAVY\t7\t\n"
       "%0\t2\tPulse\t102\tfast\n",
       2, kMixed,
       "kalvex-tdf: %0: row 3: reloadtime=fast: Weapreload needs a decimal number (an optional "
       "\"-\", digits and at most one point), not \"fast\"\n"},
      {"a value that would break the script", "file\tindex\tcode\tvlaunch\n%0\t3\tNOID\t1;2\n", 2,
       kMixed,
       "kalvex-tdf: %0: row 2: column vlaunch: the value must not hold ; = [ ] { } or a line "
       "end\n"},
      {"a line end in a cell", "file,index,code,vlaunch\r\n%0,3,NOID,\"1\n2\"\r\n", 2, kMixed,
       "kalvex-tdf: %0: row 2: column vlaunch: the value must not hold ; = [ ] { } or a line "
       "end\n"},
      {"a key column twice", "file\tindex\tcode\tID\tid\n%0\t1\tX\t1\t1\n", 2, kMixed,
       "kalvex-tdf: %1: column 5 \"id\" names the key of column 4 again\n"},
      {"a key column named as one of the first three is a key",
       "file\tindex\tcode\tCode\n%0\t3\tNOID\t1\n", 0,
       Replaced(kMixed, "[NOID]\r\n\t{\r\n", "[NOID]\r\n\t{\r\n\tCode=1;\r\n")},
      {"a row of another width", "file\tindex\tcode\tID\n%0\t1\tX\n", 2, kMixed,
       "kalvex-tdf: %1: row 2: holds 3 cells, the header 4\n"},
      {"not a table", "index\tfile\n", 2, kMixed,
       "kalvex-tdf: %1: the table's header must begin with \"file\" and a tab or a comma\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string file = Script("mixed.tdf", kMixed);
    const std::string table = Script("table.txt", Filled(c.table, {file}));
    const ToolRun run = RunTool(Words(c.args, {file, table}));
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, Filled(c.err, {file, table}));
    EXPECT_EQ(run.out, Filled(c.out, {file}));
    EXPECT_EQ(ReadFile(file), c.after);
  }
}

TEST_F(WeaponsTest, IndexAndWeaponChooseTheWeapon) {
  const std::string usage = "Usage: kalvex-tdf dump [--index N | --weapon CODE] FILE\n";
  const std::string number = "kalvex-tdf dump: expects a weapon's number from 1 after --index\n";
  RunCases({
      {"index past the weapons", "dump --index 4 %0", 1, "kalvex-tdf: %0: no weapon 4\n"},
      {"no weapon of that code", "dump --weapon PULSE2 %0", 1,
       "kalvex-tdf: %0: no weapon PULSE2\n"},
      {"normalize, no weapon of that code", "normalize --weapon X %0 -", 1,
       "kalvex-tdf: %0: no weapon X\n"},
      {"set, index past the weapons", "set %0 --index 9 Weapdamage=5", 1,
       "kalvex-tdf: %0: no weapon 9\n"},
      {"index 0", "dump --index 0 %0", 2, number + usage},
      {"index not a number", "dump --index 2x %0", 2, number + usage},
      {"index without its number", "dump %0 --index", 2,
       "kalvex-tdf dump: expects a number after --index\n" + usage},
      {"both", "dump --index 1 --weapon NOID %0", 2,
       "kalvex-tdf dump: expects one --index N or --weapon CODE at most\n" + usage},
      {"normalize of several weapons without a choice", "normalize %0 -", 2,
       "kalvex-tdf: %0: holds 3 weapons and normalize writes one: choose it with --index N or "
       "--weapon CODE\n"},
      {"set of several weapons without a choice", "set %0 Weapdamage=5", 2,
       "kalvex-tdf: %0: holds 3 weapons: choose the one to edit with --index N or --weapon "
       "CODE, or use --all or --where\n"},
      {"set, no weapon meets --where", "set %0 --where code=zz --where id= vlaunch=1", 1,
       "kalvex-tdf: %0: no weapon meets --where\n"},
  });
  const std::string file = Script("three.tdf", kThree);
  const ToolRun second = RunTool({"dump", "--index", "2", file});
  EXPECT_EQ(second.status, 0);
  EXPECT_EQ(second.err, "");
  EXPECT_NE(second.out.find("Weapcode=Pulse\n"), std::string::npos);
  EXPECT_NE(second.out.find("Weapsost=\"vortexfire\"\n"), std::string::npos);
  for (const char* code : {"pulse", "PULSE", "Pulse"}) {
    EXPECT_EQ(RunTool({"dump", "--weapon", code, file}).out, second.out) << code;
  }
  const ToolRun first = RunTool({"dump", file});
  EXPECT_EQ(first.status, 0);
  EXPECT_NE(first.out.find("Weapcode=ROCKET_LAUNCHER_MK2_HEAVY\n"), std::string::npos);
  EXPECT_EQ(
      first.err.substr(0, first.err.find('\n') + 1),
      "kalvex-tdf: " + file +
          ": holds 3 weapons; this is the first (--index N or --weapon CODE takes another)\n");
  // Dump then write keeps the sound of the mod's own, as normalize writes it.
  const ToolRun normalized = RunTool({"normalize", "--index", "2", file, "-"});
  EXPECT_EQ(normalized.status, 0);
  EXPECT_NE(normalized.out.find("\tsoundstart=vortexfire;\r\n"), std::string::npos);
  EXPECT_NE(normalized.out.find("\treloadtime=0.367;\r\n"), std::string::npos);
  EXPECT_EQ(RunTool({"write", "-"}, second.out).out, normalized.out);
}

TEST_F(WeaponsTest, SetEditsOneWeaponInPlace) {
  const struct {
    const char* name;
    std::string args;   // after "set FILE"
    std::string after;  // the file's bytes after
  } cases[] = {
      {"damage of the first weapon", "--index 1 Weapdamage=300",
       ThreeWith("default=250;", "default=300;")},
      {"damage of a weapon without [DAMAGE]", "--index 2 Weapdamage=300",
       ThreeWith(
           "\treloadtime=0.367;\r\n\t}\r\n",
           "\treloadtime=0.367;\r\n\t[DAMAGE]\r\n\t\t{\r\n\t\tdefault=300;\r\n\t\t}\r\n\t}\r\n")},
      {"an entry added after the body's last, comment kept",
       "--weapon rocket_launcher_mk2_heavy Weapreload=0.5",
       ThreeWith("// felt far\r\n", "// felt far\r\n\treloadtime=0.5;\r\n")},
      {"a sound of the mod's own", "--weapon PULSE Weapsost=\"xplonew\"",
       ThreeWith("soundstart=vortexfire;", "soundstart=xplonew;")},
      {"a value removed", "--index 2 Weapreload=", ThreeWith("\treloadtime=0.367;\r\n", "")},
      {"a sound by its script text", "--index 2 Weapsost=CANNON2",
       ThreeWith("soundstart=vortexfire;", "soundstart=cannon2;")},
      {"a sound of the mod's own without quotes", "--index 2 Weapsost=vortexfire2",
       ThreeWith("soundstart=vortexfire;", "soundstart=vortexfire2;")},
      {"a sound removed", "--index 2 Weapsost=", ThreeWith("\tsoundstart=vortexfire;\r\n", "")},
      {"an explosion added", "--index 2 Weapexgaf=fx",
       ThreeWith("\treloadtime=0.367;\r\n", "\treloadtime=0.367;\r\n\texplosiongaf=fx;\r\n")},
      {"a barrel angle of the mod's own", "--index 3 Weapbarr=\"-55\"",
       ThreeWith("[NOID]\r\n\t{\r\n", "[NOID]\r\n\t{\r\n\tminbarrelangle=-55;\r\n")},
      {"an entry without a field", "--index 1 --entry shakeduration=2",
       ThreeWith("shakeduration=1.5;", "shakeduration=2;")},
      {"an entry added to an empty body", "--index 3 --entry vlaunch=1",
       ThreeWith("[NOID]\r\n\t{\r\n", "[NOID]\r\n\t{\r\n\tvlaunch=1;\r\n")},
      {"a per-target damage", "--index 1 --entry DAMAGE/heavytank=500",
       ThreeWith("heavytank=400;", "heavytank=500;")},
      {"a per-target damage removed",
       "--index 1 --entry damage/HEAVYTANK=", ThreeWith("\t\theavytank=400;\r\n", "")},
      {"a per-target damage added", "--index 1 --entry DAMAGE/scoutplane=40",
       ThreeWith("\t\theavytank=400;\r\n", "\t\theavytank=400;\r\n\t\tscoutplane=40;\r\n")},
      {"a per-target damage where there is no [DAMAGE]", "--index 2 --entry DAMAGE/scoutplane=40",
       ThreeWith(
           "\treloadtime=0.367;\r\n\t}\r\n",
           "\treloadtime=0.367;\r\n\t[DAMAGE]\r\n\t\t{\r\n\t\tscoutplane=40;\r\n\t\t}\r\n\t}\r\n")},
      {"members and entries together", "--index 1 Weapdamage=1 --entry shakeduration= WeapID=7",
       // The comment after the entry removed stays.
       Replaced(
           ThreeWith("\tID=101;\r\n\tname=Heavy Rocket;\r\n\tshakeduration=1.5; // felt far\r\n",
                     "\tID=7;\r\n\tname=Heavy Rocket;\r\n\t// felt far\r\n"),
           "default=250;", "default=1;")},
      {"a list member by its key and script text", "--index 2 SoundStart=CANNON2",
       ThreeWith("soundstart=vortexfire;", "soundstart=cannon2;")},
      {"a number by its key", "--weapon pulse RELOADTIME=2.5",
       ThreeWith("reloadtime=0.367;", "reloadtime=2.5;")},
      {"a field's entry removed by its key",
       "--index 2 reloadtime=", ThreeWith("\treloadtime=0.367;\r\n", "")},
      {"an always written field's entry removed by its key",
       "--index 1 ID=", ThreeWith("\tID=101;\r\n", "")},
      {"the damage removed by its key",
       "--index 1 DAMAGE/default=", ThreeWith("\t\tdefault=250;\r\n", "")},
      {"a style of fire by its key", "--index 2 --entry lineofsight=1",
       ThreeWith("\treloadtime=0.367;\r\n", "\treloadtime=0.367;\r\n\tlineofsight=1;\r\n")},
      {"half of a beam colour by its key", "--index 1 COLOR=208",
       ThreeWith("// felt far\r\n", "// felt far\r\n\tCOLOR=208;\r\n")},
      {"a key that no field reads", "--index 1 ShakeDuration=2",
       ThreeWith("shakeduration=1.5;", "shakeduration=2;")},
      {"the damage by its key", "--index 1 damage/DEFAULT=300",
       ThreeWith("default=250;", "default=300;")},
      {"a per-target damage added by its key", "--index 1 DAMAGE/armor_heavy=5",
       ThreeWith("\t\theavytank=400;\r\n", "\t\theavytank=400;\r\n\t\tarmor_heavy=5;\r\n")},
      {"a per-target damage changed by its key", "--index 1 Damage/HeavyTank=500",
       ThreeWith("heavytank=400;", "heavytank=500;")},
      {"a per-target damage removed by its key",
       "--index 1 DAMAGE/heavytank=", ThreeWith("\t\theavytank=400;\r\n", "")},
      {"a section added, then an entry added to it",
       "--index 2 CUSTOMPARAMS/unitpic=x.png customparams/buildpic=y.png",
       ThreeWith("\treloadtime=0.367;\r\n\t}\r\n",
                 "\treloadtime=0.367;\r\n\t[CUSTOMPARAMS]\r\n\t\t{\r\n\t\tunitpic=x.png;\r\n"
                 "\t\tbuildpic=y.png;\r\n\t\t}\r\n\t}\r\n")},
      {"a section added after [DAMAGE]", "--index 1 CUSTOMPARAMS/unitpic=x.png",
       ThreeWith("\t\theavytank=400;\r\n\t\t}\r\n\t}\r\n",
                 "\t\theavytank=400;\r\n\t\t}\r\n\t[CUSTOMPARAMS]\r\n\t\t{\r\n"
                 "\t\tunitpic=x.png;\r\n\t\t}\r\n\t}\r\n")},
      {"every weapon with --all", "--all ReloadTime=1",
       Replaced(Replaced(ThreeWith("// felt far\r\n", "// felt far\r\n\treloadtime=1;\r\n"),
                         "reloadtime=0.367;", "reloadtime=1;"),
                "[NOID]\r\n\t{\r\n", "[NOID]\r\n\t{\r\n\treloadtime=1;\r\n")},
      {"--where with wildcards in any letter case", "--where CODE=p?LS* soundstart=cannon2",
       ThreeWith("soundstart=vortexfire;", "soundstart=cannon2;")},
      {"--where KEY= takes the weapons without the entry", "--where SoundStart= vlaunch=1",
       Replaced(ThreeWith("// felt far\r\n", "// felt far\r\n\tvlaunch=1;\r\n"),
                "[NOID]\r\n\t{\r\n", "[NOID]\r\n\t{\r\n\tvlaunch=1;\r\n")},
      {"--where, every condition holding, a member among them",
       "--where ID=10? --where Weapdamage=2*0 name=X", ThreeWith("name=Heavy Rocket;", "name=X;")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string file = Script("three.tdf", kThree);
    std::vector<std::string> args = Words("set %0 " + c.args, {file});
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadFile(file), c.after);
    // To another file, or to standard output, FILE stays as it was.
    args.insert(args.end(), {"-o", "-"});
    EXPECT_EQ(RunTool(args).out, c.after);
  }
}

TEST_F(WeaponsTest, SetWithoutAChangeWritesNothing) {
  const std::string file = Script("three.tdf", kThree);
  // Read-only: a write would fail.
  fs::permissions(file, fs::perms::owner_read);
  for (const char* args : {"--index 2 Weapreload=0.367", "--index 1 --entry DAMAGE/heavytank=400",
                           "--index 3 --entry vlaunch=", "--index 2"}) {
    std::vector<std::string> words = Words(std::string("set %0 ") + args, {file});
    const ToolRun run = RunTool(words);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    words.insert(words.end(), {"-o", (dir_ / "copy.tdf").string()});
    EXPECT_EQ(RunTool(words).status, 0);
    EXPECT_EQ(ReadFile(dir_ / "copy.tdf"), kThree);
  }
  const ToolRun refused = RunTool({"set", file, "--index", "2", "Weapreload=2"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("kalvex-tdf: " + file + ": "), std::string::npos);
  EXPECT_EQ(ReadFile(file), kThree);
}

// Whatever dump prints of a weapon, set takes back without a change: lists
// without an entry, values of the mod's own, texts that are not numbers.
TEST_F(WeaponsTest, SetTakesBackWhatDumpPrints) {
  const std::string script =
      "[ODD]\r\n{\r\n\tID=7;\r\n\trange=8x0;\r\n\trendertype=9;\r\n\tminbarrelangle=-55;\r\n"
      "\tcolor=3;\r\n\tsoundstart=vortexfire;\r\n\tsoundhit=;\r\n\tmodel=;\r\n}\r\n";
  const std::string file = Script("odd.tdf", script);
  const ToolRun dump = RunTool({"dump", file});
  ASSERT_EQ(dump.status, 0);
  for (const char* line : {"\nWeapexgaf=\n", "\nWeapstyle=\n", "\nWeapcol2=\"3\"\n",
                           "\nWeaprend=\"9\"\n", "\nWeapbarr=\"-55\"\n"}) {
    EXPECT_NE(dump.out.find(line), std::string::npos) << line << " in\n" << dump.out;
  }
  std::vector<std::string> args = {"set", file};
  for (std::size_t begin = 0; begin < dump.out.size();) {
    const std::size_t end = dump.out.find('\n', begin);
    args.push_back(dump.out.substr(begin, end - begin));
    begin = end + 1;
  }
  fs::permissions(file, fs::perms::owner_read);  // a write would fail
  const ToolRun set = RunTool(args);
  EXPECT_EQ(set.status, 0) << set.err;
  EXPECT_EQ(set.err, "");
  EXPECT_EQ(ReadFile(file), script);
  // write takes the lines too, and leaves out what the weapon lacks.
  const ToolRun written = RunTool({"write", "-"}, dump.out);
  EXPECT_EQ(written.status, 0) << written.err;
  EXPECT_NE(written.out.find("\trendertype=9;\r\n\tminbarrelangle=-55;\r\n"), std::string::npos)
      << written.out;
  EXPECT_EQ(written.out.find("explosiongaf"), std::string::npos) << written.out;
}

TEST_F(WeaponsTest, SetRefusesBadValuesAndWritesNothing) {
  const std::string decimal =
      " needs a decimal number (an optional \"-\", digits and at most one point), not ";
  const std::string text =
      ", its script text (in double quotes where it is a whole number) or nothing, not ";
  const std::string usage =
      "Usage: kalvex-tdf set FILE... [--index N | --weapon CODE | --all | --where KEY=VALUE...] "
      "[-o OUT] ASSIGNMENT...\n";
  RunCases({
      {"not a decimal number", "set %0 --index 2 Weapreload=1,5", 2,
       "kalvex-tdf: Weapreload" + decimal + "\"1,5\"\n"},
      {"two points", "set %0 --index 2 Weaprange=1.2.3", 2,
       "kalvex-tdf: Weaprange" + decimal + "\"1.2.3\"\n"},
      {"a flag that is no number", "set %0 --index 2 Weaptur=yes", 2,
       "kalvex-tdf: Weaptur takes 0, 1 or nothing (0), not \"yes\"\n"},
      {"a flag of 2", "set %0 --index 2 Weaptur=2", 2,
       "kalvex-tdf: Weaptur takes 0, 1 or nothing (0), not \"2\"\n"},
      {"a sound past its list", "set %0 --index 2 Weapsost=99", 2,
       "kalvex-tdf: Weapsost takes a position in its list from 0 to 31" + text + "\"99\"\n"},
      {"a sound before its list", "set %0 --index 2 Weapsost=-1", 2,
       "kalvex-tdf: Weapsost takes a position in its list from 0 to 31" + text + "\"-1\"\n"},
      {"an explosion past its list", "set %0 --index 2 Weapexart=12", 2,
       "kalvex-tdf: Weapexart takes a position in its list from 0 to 11" + text + "\"12\"\n"},
      {"a model past its list", "set %0 --index 2 Weapmodl=15", 2,
       "kalvex-tdf: Weapmodl takes a position in its list from 0 to 14" + text + "\"15\"\n"},
      {"a render type past its list", "set %0 --index 2 Weaprend=99", 2,
       "kalvex-tdf: Weaprend takes a position in its list from 0 to 7" + text + "\"99\"\n"},
      {"a style past its list", "set %0 --index 2 Weapstyle=3", 2,
       "kalvex-tdf: Weapstyle takes a position in its list from 0 to 2, ballistic, lineofsight, "
       "dropped or nothing, not \"3\"\n"},
      {"a colour past its list", "set %0 --index 2 Weapcol2=5", 2,
       "kalvex-tdf: Weapcol2 takes a position in its list from 0 to 4, its values as the script "
       "gives them (\"232 / 234\", \"232\" or \"/ 234\") or nothing, not \"5\"\n"},
      {"an unknown member", "set %0 --index 2 Weapfoo=1", 2,
       "kalvex-tdf: unknown member \"Weapfoo\"\n"},
      {"a key with a member", "set %0 --index 2 --entry ReloadTime=1,5", 2,
       "kalvex-tdf: ReloadTime=1,5: Weapreload" + decimal + "\"1,5\"\n"},
      {"a list member's key with a value that breaks the script", "set %0 --all soundstart=a}b", 2,
       "kalvex-tdf: soundstart=a}b: Weapsost must not hold \"}\" (none of ; = [ ] { } or a line "
       "end)\n"},
      {"a value refused in two files", "set %0 %0 --all reloadtime=fast", 2,
       "kalvex-tdf: reloadtime=fast: Weapreload" + decimal + "\"fast\"\n"},
      {"a value that breaks the script", "set %0 --index 2 --entry a=1;b", 2,
       "kalvex-tdf: --entry a=1;b: the value must not hold ; = [ ] { } or a line end\n"},
      {"not a key", "set %0 --index 2 --entry 2a=1", 2,
       "kalvex-tdf: --entry 2a=1: a key or section is letters, digits and \"_\", not beginning "
       "with a digit\n"},
      {"no file", "set Weapdamage=1", 2, "kalvex-tdf set: expects a script file\n" + usage},
      {"-o with two files", "set %0 %0 -o - vlaunch=1", 2,
       "kalvex-tdf set: expects one script file with -o\n" + usage},
      {"--where with --index", "set %0 --index 1 --where code=x vlaunch=1", 2,
       "kalvex-tdf set: expects --index or --weapon, or else --all or --where\n" + usage},
      {"a file after an assignment", "set %0 vlaunch=1 %0", 2,
       "kalvex-tdf set: expects every script file before the first assignment\n" + usage},
  });
  // The first file takes the value it holds already and would change; the
  // second refuses it: neither is written.
  const std::string fast = "[FAST]\r\n{\r\n\treloadtime=fast;\r\n}\r\n";
  const std::string first = Script("fast.tdf", fast);
  const std::string second = Script("three.tdf", kThree);
  const ToolRun run = RunTool({"set", first, second, "--all", "Weapreload=fast", "vlaunch=1"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "kalvex-tdf: Weapreload" + decimal + "\"fast\"\n");
  EXPECT_EQ(ReadFile(first), fast);
  EXPECT_EQ(ReadFile(second), kThree);
}

TEST_F(WeaponsTest, WriteAppendAddsTheWeaponAtTheEnd) {
  const std::string lines = "Weapcode=NEW\nWeapID=9\n";
  const std::string script = RunTool({"write", "-"}, lines).out;
  std::string lf_script = script;
  std::erase(lf_script, '\r');
  const struct {
    const char* name;
    std::string before, after;
  } cases[] = {
      {"CR LF", kThree, kThree + script},
      {"LF, no line end at the end", "[A]\n{\nID=1;\n}", "[A]\n{\nID=1;\n}\n" + lf_script},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string file = Script("mod.tdf", c.before);
    const ToolRun run = RunTool({"write", "--append", file}, lines);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(file), c.after);
  }
  const std::string plain = Script("plain.txt", "no weapon here\n");
  EXPECT_EQ(RunTool({"write", "--append", plain}, lines).status, 1);
  EXPECT_EQ(ReadFile(plain), "no weapon here\n");
  EXPECT_EQ(RunTool({"write", "--append", (dir_ / "missing.tdf").string()}, lines).status, 1);
  EXPECT_FALSE(fs::exists(dir_ / "missing.tdf"));
  EXPECT_EQ(RunTool({"write", "--append", "-"}, lines).status, 2);
}

TEST_F(WeaponsTest, CheckReadsEveryWeapon) {
  const std::string file = Script("mod.tdf",
                                  "[A]\n{\nID=5;\nbeamweapon=1;\nmodel=rocket;\n}\n"
                                  "[B]\n{\nID=5;\nturnrate=300;\nwaterexplosionart=h20;\n}\n");
  const ToolRun run = RunTool({"check", "--strict", file});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, Filled("%0:5: normalize drops key \"model\" with value \"rocket\"\n"
                            "%0:10: normalize drops key \"turnrate\" with value \"300\"\n"
                            "%0:11: old spelling \"h20\" of key \"waterexplosionart\" will be "
                            "saved as \"h2o\"\n"
                            "weapon ID \"5\" is used by 2 weapons: %0:3, %0:9\n"
                            "kalvex-tdf check: 1 file read, 2 findings, 1 shared weapon ID, 0 "
                            "files refused, 1 old spelling that saving writes anew\n",
                            {file}));
  // The old spelling alone is no finding.
  const std::string old = Script("old.tdf", "[C]\n{\nID=6;\nwaterexplosionart=h20;\n}\n");
  EXPECT_EQ(RunTool({"check", "--strict", old}).status, 0);
  EXPECT_EQ(RunTool({"check", "--index", "1", file}).status, 2);
}

}  // namespace
}  // namespace kalvex

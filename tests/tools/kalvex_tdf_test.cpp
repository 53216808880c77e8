// kalvex-tdf run as a user runs it: arguments, standard input, exit status,
// standard output, standard error and the files it writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/tools/kalvex_tdf_fixture.h"

namespace kalvex {
namespace {

constexpr const char* kNoHeader =
    "No weapon found in file: It has no line with a weapon code in brackets, such as [GUN]";

// write: record lines on standard input, the script on standard output or in
// a file, replacing the file that was there.
TEST_F(KalvexTdfTest, WriteGivesTheScript) {
  const std::string lines = TestData("worked_example.rec");
  std::string crlf;
  for (const char c : lines) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const struct {
    const char* name;
    std::string input, earlier, script;  // `earlier`: the file's bytes before, if any
  } kWrites[] = {
      {"worked example", lines, "", TestData("worked_example.tdf")},
      {"CR LF", crlf, "", TestData("worked_example.tdf")},
      {"empty input over an earlier file", "", std::string(5000, 'x'), ResetScript()},
  };
  const fs::path target = dir_ / "rocket.tdf";
  for (const auto& write : kWrites) {
    SCOPED_TRACE(write.name);
    if (!write.earlier.empty()) WriteFile(target, write.earlier);
    for (const std::string& out : {std::string("-"), target.string()}) {
      const ToolRun run = RunTool({"write", out}, write.input);
      EXPECT_EQ(run.status, 0);
      EXPECT_EQ(run.out, out == "-" ? write.script : "");
      EXPECT_EQ(run.err, "");
    }
    EXPECT_EQ(ReadFile(target), write.script);
    EXPECT_EQ(Names(), std::vector<std::string>{"rocket.tdf"});
    fs::remove(target);
  }
}

// File names on the command line are UTF-8 on every system.
TEST_F(KalvexTdfTest, NonAsciiFileNames) {
  const std::u8string name = u8"Waffen-\u00C4\u03A9\u6B66/\u00E9t\u00E9.tdf";
  ASSERT_TRUE(fs::create_directory(dir_ / fs::path(name).parent_path()));
  const std::string path = (dir_ / "").string() + std::string(name.begin(), name.end());
  ToolRun run = RunTool({"write", path}, TestData("worked_example.rec"));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadFile(dir_ / fs::path(name)), TestData("worked_example.tdf"));
  run = RunTool({"dump", path});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, TestData("worked_example.dump"));
  // The same file named twice is one file, not two that share an ID.
  run = RunTool({"check", path, path});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, Summary(2, 0, 0, 0));
}

// Bad lines: exit status 2, the line named on standard error, nothing written.
TEST_F(KalvexTdfTest, BadLinesAreRefused) {
  const std::string held = "\" (none of ; = [ ] { } or a line end)\n";
  const struct {
    std::string input, error;
  } kBadInputs[] = {
      {"Weapcode", "kalvex-tdf: line 1: not a Name=value line\n"},
      {"Weapcode=A\n\nWeapfoo=1\n", "kalvex-tdf: line 3: unknown member \"Weapfoo\"\n"},
      {"Weaptur=yes", "kalvex-tdf: line 1: Weaptur takes 0, 1 or nothing (0), not \"yes\"\n"},
      {"# big\nWeapsost=4294967296",
       "kalvex-tdf: line 2: Weapsost takes a position in its list from 0 to 31, its script text "
       "(in double quotes where it is a whole number) or nothing, not \"4294967296\"\n"},
      {"Weaprend=99",
       "kalvex-tdf: line 1: Weaprend takes a position in its list from 0 to 7, its script text "
       "(in double quotes where it is a whole number) or nothing, not \"99\"\n"},
      {"Weapstyle=-1",
       "kalvex-tdf: line 1: Weapstyle takes a position in its list from 0 to 2, ballistic, "
       "lineofsight, dropped or nothing, not \"-1\"\n"},
      {"Weapsoht=\"xplo;\"", "kalvex-tdf: line 1: Weapsoht must not hold \";" + held},
      {"Weapcode=A;B", "kalvex-tdf: line 1: Weapcode must not hold \";" + held},
      {"Weapname=}{", "kalvex-tdf: line 1: Weapname must not hold \"}" + held},
      {"WeapID=[x]", "kalvex-tdf: line 1: WeapID must not hold \"[" + held},
      {"Weaprange=8}0", "kalvex-tdf: line 1: Weaprange must not hold \"}" + held},
      {"weapcode=X",
       "kalvex-tdf: line 1: unknown member \"weapcode\"; did you mean \"Weapcode\"?\n"},
      {"\xEF\xBB\xBFWeapcode=X\n",
       "kalvex-tdf: line 1: an invisible byte-order mark (bytes EF BB BF) stands before "
       "\"Weapcode\"; save the lines without it\n"},
  };
  const fs::path target = dir_ / "rocket.tdf";
  WriteFile(target, "earlier");
  for (const auto& bad : kBadInputs) {
    SCOPED_TRACE(bad.input);
    for (const std::string& out :
         {std::string("-"), target.string(), (dir_ / "new.tdf").string()}) {
      const ToolRun run = RunTool({"write", out}, bad.input);
      EXPECT_EQ(run.status, 2);
      EXPECT_EQ(run.out, "");
      EXPECT_EQ(run.err, bad.error);
    }
    EXPECT_EQ(ReadFile(target), "earlier");
    EXPECT_EQ(Names(), std::vector<std::string>{"rocket.tdf"});
  }
}

// write and normalize leave what stands at a path they cannot write.
TEST_F(KalvexTdfTest, UnwritableFileExitsWithOne) {
  const std::string source = Script("rocket.tdf", TestData("worked_example.tdf"));
  const fs::path read_only = dir_ / "read-only.tdf";
  WriteFile(read_only, "earlier");
  fs::permissions(read_only, fs::perms::owner_read | fs::perms::group_read);
  const fs::path missing = dir_ / "missing" / "x.tdf";
  const fs::path folder = dir_ / "sub";
  fs::create_directory(folder);
  const std::pair<fs::path, std::string> kRefused[] = {{read_only, "The file is read-only"},
                                                       {missing, "The folder does not exist"},
                                                       {folder, "It is a folder"}};
  for (const auto& [target, reason] : kRefused) {
    SCOPED_TRACE(target);
    for (const char* command : {"write %0", "normalize %1 %0"}) {
      const ToolRun run =
          RunTool(Words(command, {target.string(), source}), TestData("worked_example.rec"));
      EXPECT_EQ(run.status, 1);
      EXPECT_EQ(run.out, "");
      EXPECT_EQ(run.err,
                "kalvex-tdf: " + target.string() + ": Unable to open file: " + reason + "\n");
    }
  }
  EXPECT_EQ(ReadFile(read_only), "earlier");
  EXPECT_FALSE(fs::exists(missing.parent_path()));
  EXPECT_TRUE(fs::is_empty(folder));
}

// Wrong words on the command line: usage on standard error, exit status 2.
TEST_F(KalvexTdfTest, BadArgumentsShowUsage) {
  for (const char* args : {"",
                           "unknown",
                           "--frobnicate",
                           "write",
                           "write a.tdf b.tdf",
                           "dump",
                           "dump a.tdf b.tdf",
                           "normalize",
                           "normalize a.tdf",
                           "normalize a.tdf b.tdf c.tdf",
                           "check",
                           "check --strict --json",
                           "check --fast a.tdf",
                           "check - -",
                           "table",
                           "table --csv",
                           "table a.tdf --keys",
                           "table --fast a.tdf",
                           "apply",
                           "apply a.tsv b.tsv",
                           "apply --force a.tsv"}) {
    SCOPED_TRACE(args);
    const ToolRun run = RunTool(Words(args), "Weaptur=1\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Usage: kalvex-tdf "), std::string::npos) << run.err;
  }
  EXPECT_TRUE(Names().empty());
}

const std::pair<const char*, const char*> kUsages[] = {
    {"list", "Usage: kalvex-tdf list FILE"},
    {"dump", "Usage: kalvex-tdf dump [--index N | --weapon CODE] FILE"},
    {"table", "Usage: kalvex-tdf table FILE|FOLDER... [--keys K1,K2,...] [--csv]"},
    {"apply", "Usage: kalvex-tdf apply TABLE [--dry-run]"},
    {"set",
     "Usage: kalvex-tdf set FILE... [--index N | --weapon CODE | --all | --where KEY=VALUE...] "
     "[-o OUT] ASSIGNMENT..."},
    {"write", "Usage: kalvex-tdf write [--append] OUT"},
    {"normalize", "Usage: kalvex-tdf normalize [--index N | --weapon CODE] IN OUT"},
    {"check", "Usage: kalvex-tdf check [--strict] [--json] FILE..."},
};

TEST_F(KalvexTdfTest, HelpExplainsTheCommands) {
  for (const char* help : {"--help", "-h", "help"}) {
    SCOPED_TRACE(help);
    const ToolRun run = RunTool({help});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    for (const auto& [command, usage] : kUsages) {
      EXPECT_NE(run.out.find(usage), std::string::npos) << usage << "\n" << run.out;
    }
    EXPECT_NE(run.out.find("Name=value"), std::string::npos) << run.out;
  }
  for (const auto& [command, usage] : kUsages) {
    const ToolRun run = RunTool({command, "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind(usage, 0), 0u) << run.out;
  }
}

// The worked example typed by hand: odd spacing and case, comments, LF line
// ends, entries in another order, the damage section first. It reads as the
// worked example.
constexpr std::string_view kHandWrittenExample = R"(// Light rocket launcher, typed by hand
/* the header may follow
   a block comment */
[ ROCKET2 ]
{
  [damage] { DEFAULT = 1 10 ; }   // damage first
  Name =  Light Rocket Launcher ;
  id=91 ;
  ballistic=1;rendertype = 1;
  turret=1; MODEL=Rocket;
  range = 8 00 ;  reloadtime=3;
  /* flight */ flighttime=2;
  WeaponVelocity=350; startvelocity=150; weaponacceleration=100;
  areaofeffect=48;
  smokedelay=.1; smoketrail=1; startsmoke=1;
  soundstart=ROCKLIT1; soundhit=XploMed1;
  guidance=1; turnrate=12000; tolerance=4000;
  explosiongaf=fx; explosionart=explode3;
  waterexplosiongaf=fx; waterexplosionart=h2o;
  lavaexplosiongaf=FX; lavaexplosionart=LavaSplash;
}
)";

// For scripts that check passes, dump then write gives what normalize gives.
TEST_F(KalvexTdfTest, DumpThenWriteGivesTheNormalizedScript) {
  const struct {
    const char* name;
    std::string script;
    std::string normalized = "";  // the bytes normalize gives, when known here
    std::string dumped = "";      // the lines dump gives, when known here
  } kRoundTrips[] = {
      {"worked example", TestData("worked_example.tdf"), TestData("worked_example.tdf"),
       TestData("worked_example.dump")},
      {"reset weapon", ResetScript(), ResetScript()},
      {"typed by hand", std::string(kHandWrittenExample), TestData("worked_example.tdf")},
      {"texts with blanks, slashes and high bytes",
       "[\xC3\x84 B\tC]\n{name= Ro/ck\tet //x \xC3\x9C ;ID=7 7;range=8.0;reloadtime=.5;"
       "soundstart=;model=;beamweapon=0;}"},
  };
  for (const auto& trip : kRoundTrips) {
    SCOPED_TRACE(trip.name);
    const std::string path = Script("weapon.tdf", trip.script);
    const ToolRun check = RunTool({"check", "--strict", path});
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.out, Summary(1, 0, 0, 0));
    EXPECT_EQ(check.err, "");
    const ToolRun dump = RunTool({"dump", path});
    ASSERT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(dump.err, "");
    if (!trip.dumped.empty()) {
      EXPECT_EQ(dump.out, trip.dumped);
    }
    const ToolRun written = RunTool({"write", "-"}, dump.out);
    ASSERT_EQ(written.status, 0) << written.err;
    const ToolRun normalized = RunTool({"normalize", path, "-"});
    ASSERT_EQ(normalized.status, 0) << normalized.err;
    EXPECT_EQ(normalized.err, "");
    EXPECT_EQ(written.out, normalized.out);
    if (!trip.normalized.empty()) {
      EXPECT_EQ(normalized.out, trip.normalized);
    }
  }
}

TEST_F(KalvexTdfTest, NormalizesIntoAFileAndInPlace) {
  const std::string source = Script("hand.tdf", std::string(kHandWrittenExample));
  const fs::path target = dir_ / "rocket.tdf";
  WriteFile(target, "earlier");
  ToolRun run = RunTool({"normalize", source, target.string()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(ReadFile(target), TestData("worked_example.tdf"));
  run = RunTool({"normalize", source, source});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(ReadFile(source), TestData("worked_example.tdf"));
}

TEST_F(KalvexTdfTest, NormalizeSaysWhatItLeftOut) {
  const std::string source =
      Script("odd.tdf", "[X]{soundwater=splash;soundhit=boing;rendertype=;}");
  const ToolRun run = RunTool({"normalize", source, "-"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("[X]\r\n", 0), 0u) << run.out;
  EXPECT_EQ(run.err, "kalvex-tdf: " + source + ": 1 finding; \"kalvex-tdf check\" lists them\n" +
                         "kalvex-tdf: " + source + ": 1 entry that no field reads is left out\n");
  const ToolRun one = RunTool({"dump", "-"}, "[X]{soundwater=splash;}");
  EXPECT_EQ(one.err, "kalvex-tdf: (standard input): 1 entry that no field reads is left out\n");
}

// dump prints nothing, normalize writes nothing and check goes on with the
// other files; each fails.
TEST_F(KalvexTdfTest, UnreadableScriptsFail) {
  enum Kind { kMissing, kFolder, kFile };
  const struct {
    const char* name;
    Kind kind;
    std::string bytes;  // of a file
    std::string message;
  } kUnreadables[] = {
      {"missing file", kMissing, "", "Unable to open file: No such file or directory"},
      {"folder", kFolder, "", "Unable to open file: It is a folder"},
      {"empty file", kFile, "", kNoHeader},
      {"no header", kFile, "ID=91;name=Gun;", kNoHeader},
      {"entry before the header, farther than 40 characters", kFile,
       "ID=91;" + std::string(40, 'x') + "[GUN]{}", kNoHeader},
      {"UTF-16", kFile, std::string("\xFF\xFE[\0G\0]\0{\0}\0", 12),
       "No weapon found in file: It is UTF-16 text, which the editor does not read; save it as "
       "ANSI or UTF-8"},
      {"header never closed", kFile, "[GUN\r\n{ID=91;}", kNoHeader},
      {"binary", kFile, std::string("\0\x01\xFF]", 4), kNoHeader},
  };
  const std::string path = (dir_ / "in.tdf").string();
  const std::string earlier = (dir_ / "earlier.tdf").string();
  const fs::path fresh = dir_ / "fresh.tdf";
  const std::string good = Script("good.tdf", "[GOOD]\r\n{\r\n\tsoundwatr=splash;\r\n}");
  for (const auto& input : kUnreadables) {
    SCOPED_TRACE(input.name);
    fs::remove_all(path);
    if (input.kind == kFolder) fs::create_directory(path);
    if (input.kind == kFile) WriteFile(path, input.bytes);
    const std::string error = "kalvex-tdf: " + path + ": " + input.message + "\n";
    WriteFile(earlier, "earlier");
    for (const char* command :
         {"dump %0", "normalize %0 -", "normalize %0 %1", "normalize %0 %2"}) {
      const ToolRun run = RunTool(Words(command, {path, earlier, fresh.string()}));
      EXPECT_EQ(run.status, 1) << command;
      EXPECT_EQ(run.out, "") << command;
      EXPECT_EQ(run.err, error) << command;
    }
    EXPECT_EQ(ReadFile(earlier), "earlier");
    EXPECT_FALSE(fs::exists(fresh));
    const ToolRun run = RunTool({"check", path, good});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, good +
                           ":3: unknown key \"soundwatr\" with value \"splash\": neither the game "
                           "nor the later engine reads it; is it \"soundwater\"?\n" +
                           Summary(1, 1, 0, 1));
    EXPECT_EQ(run.err, error);
  }
}

// What the reader passed over, as check tells it judged by the known keys,
// and the faults a modder meets in scripts typed by hand; a CI job fails on
// them with --strict, but not on what only normalize drops.
TEST_F(KalvexTdfTest, CheckListsWhatTheReaderLeftOut) {
  const struct {
    const char* name;
    std::string script;
    std::string report;  // before the summary; "%0" stands for the script's path
    int findings;
    std::vector<std::string> dumped = {};  // in what dump gives
    int strict_status = 1;                 // of check --strict
  } kScripts[] = {
      {"odd entries",
       Filled("// a weapon\r\n"
              "[ROCKET2]\r\n"
              "\t{\r\n"
              "\tID=91;\r\n"
              "\tsoundwater=splash;\r\n"
              "\tname=%0;\r\n"
              "\trange=%1;\r\n"
              "\tsoundstart=rockfire;\r\n"
              "\texplosionart=;\r\n"
              "\tbogus;\r\n"
              "\t[DAMAGE]\r\n"
              "\t{\r\n"
              "\tarmor=5;\r\n"
              "\tdefault=1;\r\n"
              "\t}\r\n"
              "}",
              {std::string(80, 'N'), std::string(50, '9')}),
       // Known keys of the body and any key of "[DAMAGE]" are silent.
       "%0:9: could not match \"\" of key \"explosionart\"\n"
       "%0:10: entry \"bogus\" has no \"=\": nothing reads it\n",
       2},
      {"faults of a hand",
       "; mine\n"
       "[GUN]\n"
       "{\n"
       "range=800\n"
       "reloadtime=3;\n"
       "script={on hit};\n"
       "color=;\n"
       "[DAMAGE\n"
       "{\n"
       "default=5;\n"
       "}\n"
       "}\n"
       "tracks=1;\n",
       "%0:1: passed over \";mine\" before the weapon header\n"
       "%0:4: missing \";\" after value \"800\" of key \"range\"; the next line is read as an "
       "entry\n"
       "%0:6: unknown key \"script\" with value \"{on hit}\": neither the game nor the later "
       "engine reads it\n"
       "%0:7: could not match \"\" of key \"color\"\n"
       "%0:8: section name \"[DAMAGE\" has no \"]\"; the entries after it are read\n"
       "%0:13: the file goes on after the weapon at line 13: \"tracks=1;\" ...; it is not kept\n",
       6,
       {"Weaprange=800\nWeapreload=3\n", "Weapdamage=5\n"}},
      {"near misses and kinds",
       "[GUN]\n"
       "{\n"
       "reloadtim=2.5;\n"
       "reloadtime=fast;\n"
       "rgbcolor=1 0.5;\n"
       "shield=1;\n"
       "}\n",
       "%0:3: unknown key \"reloadtim\" with value \"2.5\": neither the game nor the later engine "
       "reads it; is it \"reloadtime\"?\n"
       "%0:4: value \"fast\" of key \"reloadtime\" is not a number\n"
       "%0:5: value \"1 0.5\" of key \"rgbcolor\" is not three numbers with blanks between them\n"
       "%0:6: key \"shield\" names a section and takes no value \"1\"\n",
       4},
      {"sections",
       "[GUN]\n"
       "{\n"
       "[SHIELD]{powr=3;power=4;goodcolor=0 0 1;}\n"
       "[SHEILD]{powr=1;}\n"
       "[EXTRA]{a=1;}\n"
       "[CUSTOMPARAMS]{reloadtim=any text;}\n"
       "[DAMAGE]{default=5;armor_heavy=x;vtol=2.5;}\n"
       "[TEXTURES]{[SHIELD]{1=a.png;}}\n"
       "}\n",
       "%0:3: unknown key \"powr\" in [SHIELD] with value \"3\": neither the game nor the later "
       "engine reads it; is it \"power\"?\n"
       "%0:3: value \"0 0 1\" of key \"goodcolor\" in [SHIELD] is not four numbers with blanks "
       "between them\n"
       "%0:4: unknown section \"[SHEILD]\": neither the game nor the later engine reads it or its "
       "entries; is it \"[SHIELD]\"?\n"
       "%0:5: unknown section \"[EXTRA]\": neither the game nor the later engine reads it or its "
       "entries\n"
       "%0:7: value \"x\" of key \"armor_heavy\" in [DAMAGE] is not a number\n"
       "%0:8: section \"[SHIELD]\" stands inside another section, where neither the game nor the "
       "later engine reads one\n",
       6},
      {"known keys only",
       "[GUN]\r\n{\r\n\tsoundwater=splash;\r\n\tExplosionGenerator=custom:x;\r\n"
       "\t[TEXTURES]{1=a.png;}\r\n\t[DAMAGE]{default=5;armor_heavy=400;}\r\n}\r\n",
       "",
       0,
       {},
       0},
      {"only normalize drops it",
       "[GUN]\n{\nrange=800;\nrange=900;\nexplosionart=;\n}\n",
       "%0:3: key \"range\" is given again further on; its value \"800\" here does not count\n"
       "%0:5: could not match \"\" of key \"explosionart\"\n",
       2,
       {},
       0},
  };
  for (const auto& hand : kScripts) {
    SCOPED_TRACE(hand.name);
    const std::string path = Script("hand.tdf", hand.script);
    const ToolRun run = RunTool({"check", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, Filled(hand.report, {path}) + Summary(1, hand.findings, 0, 0));
    EXPECT_EQ(RunTool({"check", "--strict", path}).status, hand.strict_status);
    const ToolRun dump = RunTool({"dump", path});
    for (const std::string& lines : hand.dumped) {
      EXPECT_NE(dump.out.find(lines), std::string::npos) << dump.out;
    }
  }
}

TEST_F(KalvexTdfTest, CheckSaysHowManyFindingsWereNotKept) {
  std::string script = "[MANY]\n{\n";
  for (int i = 0; i < 1005; ++i) script += "foo=1;\n";
  const std::string path = Script("many.tdf", script + "}");
  const ToolRun run = RunTool({"check", path});
  EXPECT_EQ(run.status, 0);
  const std::string last = path +
                           ":1002: unknown key \"foo\" with value \"1\": neither the game nor the "
                           "later engine reads it\n";
  const std::string not_kept = path + ": 5 more findings not kept\n";
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1002);
  EXPECT_NE(run.out.find(last + not_kept + Summary(1, 1005, 0, 0)), std::string::npos)
      << run.out.substr(0, 200);
}

// Texts that write refuses: dump then write cannot give these scripts back,
// and check says so, after "FILE: " (and for a number field's value first
// after "FILE:1: ").
TEST_F(KalvexTdfTest, CheckReportsTextsThatWriteRefuses) {
  const struct {
    std::string script, finding, number_finding = {};
  } kRefused[] = {
      {"[A;B]{}", "Weapcode \"A;B\" holds \";\", which write refuses"},
      {"[A=B{C}[D]{}", "Weapcode \"A=B{C}[D\" holds \"=\", which write refuses"},
      {"[A]{name=a=b{c};}", "Weapname \"a=b{c}\" holds \"=\", which write refuses"},
      {"[A]{name=x}y;}", "Weapname \"x}y\" holds \"}\", which write refuses"},
      {"[A]{ID=[7];}", "WeapID \"[7]\" holds \"[\", which write refuses"},
      {"[A]{name=q\"\x1B]0;", "Weapname \"q\\\"\\x1B]0\" holds \"]\", which write refuses"},
      {"[A]{range=8}00;}", "Weaprange \"8}00\" holds \"}\", which write refuses",
       "value \"8}00\" of key \"range\" is not a number"},
      {"[A]{[DAMAGE]{default=1=2;}}", "Weapdamage \"1=2\" holds \"=\", which write refuses",
       "value \"1=2\" of key \"default\" in [DAMAGE] is not a number"},
  };
  for (const auto& refused : kRefused) {
    SCOPED_TRACE(refused.script);
    const std::string path = Script("refused.tdf", refused.script);
    const ToolRun check = RunTool({"check", path});
    EXPECT_EQ(check.status, 0);
    const std::string number =
        refused.number_finding.empty() ? "" : path + ":1: " + refused.number_finding + "\n";
    EXPECT_EQ(check.out, number + path + ": " + refused.finding + "\n" +
                             Summary(1, number.empty() ? 1 : 2, 0, 0));
    const ToolRun dump = RunTool({"dump", path});
    EXPECT_EQ(dump.status, 0);
    EXPECT_EQ(RunTool({"write", "-"}, dump.out).status, 2);
  }
}

// Comparing IDs is tested with the core; here the lines and the same file
// named by two paths.
TEST_F(KalvexTdfTest, CheckReportsWeaponIdsThatScriptsShare) {
  const std::string a = Script("a.tdf", "[A]{ID=91;}");
  const std::string b = Script("b.tdf", "[B]\n{\n\nID=  91 ;}");
  const std::string c = Script("c.tdf", "[C]{ID=7;}");
  const std::string d = Script("d.tdf", "[D]{ID=91;}");
  const std::string reset1 = Script("reset1.tdf", "[R1]{ID= ;}");
  const std::string reset2 = Script("reset2.tdf", "[R2]{}");
  const std::string a_again = (dir_ / "." / "a.tdf").string();
  const ToolRun run = RunTool({"check", a, b, c, reset1, reset2, a_again, d});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "weapon ID \"91\" is used by 3 weapons: " + a + ":1, " + b + ":4, " + d +
                         ":1\n" + Summary(7, 0, 1, 0));
  EXPECT_EQ(RunTool({"check", "--strict", a, c}).status, 0);
  EXPECT_EQ(RunTool({"check", "--strict", a, b}).status, 1);
}

// "-" reads the script from standard input, in binary: CR LF stays as it is.
TEST_F(KalvexTdfTest, StandardInputServesEveryCommand) {
  const std::string script = TestData("worked_example.tdf");
  const ToolRun dump = RunTool({"dump", "-"}, script);
  EXPECT_EQ(dump.status, 0);
  EXPECT_EQ(dump.out, TestData("worked_example.dump"));
  const ToolRun normalized = RunTool({"normalize", "-", "-"}, script);
  EXPECT_EQ(normalized.status, 0);
  EXPECT_EQ(normalized.out, script);
  const std::string other = Script("other.tdf", "[OTHER]{ID=91;}");
  const ToolRun check =
      RunTool({"check", "--strict", "-", other}, "[T]\n{\nID=91;\nrange=8}00;\n}\n[TWIN2]{}");
  EXPECT_EQ(check.status, 1);
  EXPECT_EQ(check.out,
            "(standard input):4: value \"8}00\" of key \"range\" is not a number\n"
            "(standard input): Weaprange \"8}00\" holds \"}\", which write refuses\n"
            "weapon ID \"91\" is used by 2 weapons: (standard input):3, " +
                other + ":1\n" + Summary(2, 2, 1, 0));
  EXPECT_EQ(RunTool({"dump", "-"}, "no weapon").err,
            "kalvex-tdf: (standard input): " + std::string(kNoHeader) + "\n");
  // As much as a script file may hold: 16 MiB, not a byte more.
  std::string large = "[BIG]{range=5;}";
  large.resize(16 * 1024 * 1024, ' ');
  const ToolRun at_limit = RunTool({"dump", "-"}, large);
  EXPECT_EQ(at_limit.status, 0) << at_limit.err;
  EXPECT_NE(at_limit.out.find("\nWeaprange=5\n"), std::string::npos);
  const ToolRun above = RunTool({"dump", "-"}, large + ' ');
  EXPECT_EQ(above.status, 1);
  EXPECT_EQ(above.out, "");
  EXPECT_NE(above.err.find("16 MiB"), std::string::npos) << above.err;
}

// --json: one document; file names and texts of any bytes stay on their line
// and within valid UTF-8.
TEST_F(KalvexTdfTest, CheckWritesJson) {
#ifdef _WIN32
  GTEST_SKIP() << "POSIX only: Windows file names hold no control characters";
#endif
  const std::string odd = Script("we\nird\x01\xE9.tdf", "[A]{ID=7;x\"\xE9=\xC3\xA9;}");
  const std::string same = Script("b.tdf", "[B]{ID=7;}");
  const std::string missing = (dir_ / "missing.tdf").string();
  const ToolRun run = RunTool({"check", "--json", odd, same, missing});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, Filled(R"({
  "findings": [
    {"file": "%0", "line": 1, "kind": "unknown_key", "key": "x\"\u00E9", "value": "%3", "suggestion": null, "strict": true, "message": "unknown key \"x\\\"\u00E9\" with value \"%3\": neither the game nor the later engine reads it"}
  ],
  "shared_ids": [
    {"id": "7", "uses": [{"file": "%0", "line": 1}, {"file": "%1", "line": 1}]}
  ],
  "refused": [
    {"file": "%2", "message": "Unable to open file: No such file or directory"}
  ],
  "summary": {"files_read": 2, "findings": 1, "shared_ids": 1, "files_refused": 1, "old_spellings": 0}
}
)",
                            {(dir_ / "we\\u000Aird\\u0001\\u00E9.tdf").string(), same, missing,
                             "\xC3\xA9"}));
  EXPECT_EQ(run.err,
            "kalvex-tdf: " + missing + ": Unable to open file: No such file or directory\n");
  // In the lines of the plain report the name is quoted.
  const ToolRun plain = RunTool({"check", odd});
  const std::string quoted = '"' + (dir_ / "we\\x0Aird\\x01\xE9.tdf").string() + "\":1: ";
  EXPECT_EQ(plain.out.rfind(quoted, 0), 0u) << plain.out;
}

// Two of each, on every system: findings, shared IDs and refused files.
TEST_F(KalvexTdfTest, CheckWritesJsonOfSeveral) {
  const std::vector<std::string> paths = {Script("one.tdf", "[A]{ID=1;foo=1;}[B]{ID=2;}"),
                                          Script("two.tdf", "[C]{ID=2;rangee=;}[D]{ID=3;ID=1;}"),
                                          Script("empty.tdf", ""), Script("plain.txt", "x")};
  const std::string expected = R"({
  "findings": [
    {"file": %0, "line": 1, "kind": "unknown_key", "key": "foo", "value": "1", "suggestion": null, "strict": true, "message": "unknown key \"foo\" with value \"1\": neither the game nor the later engine reads it"},
    {"file": %1, "line": 1, "kind": "unknown_key", "key": "rangee", "value": "", "suggestion": "range", "strict": true, "message": "unknown key \"rangee\": neither the game nor the later engine reads it; is it \"range\"?"},
    {"file": %1, "line": 1, "kind": "repeated_key", "key": "ID", "value": "3", "suggestion": null, "strict": false, "message": "key \"ID\" is given again further on; its value \"3\" here does not count"}
  ],
  "shared_ids": [
    {"id": "1", "uses": [{"file": %0, "line": 1}, {"file": %1, "line": 1}]},
    {"id": "2", "uses": [{"file": %0, "line": 1}, {"file": %1, "line": 1}]}
  ],
  "refused": [
    {"file": %2, "message": %4},
    {"file": %3, "message": %4}
  ],
  "summary": {"files_read": 2, "findings": 3, "shared_ids": 2, "files_refused": 2, "old_spellings": 0}
}
)";
  std::vector<std::string> quoted;  // in JSON, with Windows' separators
  for (const std::string& text : {paths[0], paths[1], paths[2], paths[3], std::string(kNoHeader)}) {
    quoted.push_back("\"");
    for (const char c : text) quoted.back() += c == '\\' ? std::string("\\\\") : std::string(1, c);
    quoted.back() += '"';
  }
  std::vector<std::string> args = {"check", "--json"};
  args.insert(args.end(), paths.begin(), paths.end());
  const ToolRun run = RunTool(args);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, Filled(expected, quoted));
}

TEST_F(KalvexTdfTest, UnwritableStandardOutputFailsEveryCommand) {
  const std::string path = Script("rocket.tdf", "[A]{foo=1;}");
  const std::string finding = "kalvex-tdf: " + path +
                              ": 1 finding; \"kalvex-tdf check\" lists them\n" +
                              "kalvex-tdf: " + path + ": 1 entry that no field reads is left out\n";
  const std::pair<const char*, std::string> kCommands[] = {
      {"write -", ""}, {"dump %0", finding}, {"normalize %0 -", finding}, {"check %0", ""}};
  for (const auto& [command, before] : kCommands) {
    SCOPED_TRACE(command);
    const ToolRun run = RunTool(Words(command, {path}), TestData("worked_example.rec"), true);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, before + "kalvex-tdf: standard output: Unable to write file\n");
  }
}

}  // namespace
}  // namespace kalvex

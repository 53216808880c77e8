// Writes the seed corpus of the reader's fuzz target into the folder given as
// the only argument: scripts the writer wrote, and a few written by hand.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "record/record_fields.h"
#include "script/script_writer.h"
#include "tests/worked_example.h"

namespace {

using kalvex::WeaponRecord;

// A beam weapon with every flag set and every text given.
WeaponRecord Everything(int colour) {
  WeaponRecord r = kalvex::test::WorkedExample();
  for (const kalvex::RecordField& field : kalvex::kRecordFields) {
    if (field.kind == kalvex::FieldKind::kFlag) r.*field.number = 1;
    // The numbers that the worked example leaves out.
    if (field.kind == kalvex::FieldKind::kNumber &&
        (r.*field.text == kalvex::kResetText || r.*field.text == "0")) {
      r.*field.text = "12.5";
    }
  }
  r.Weapcol2 = colour;
  r.Weapbarr = 1 + colour;
  r.Weapstyle = colour % 3;
  r.Weapexgaf = 1;
  r.Weapexart = 4 + colour;
  r.Weapwtart = 6;
  r.Weaplaart = 11;
  return r;
}

std::vector<std::string> Seeds() {
  std::vector<std::string> seeds;
  WeaponRecord reset;
  seeds.push_back(kalvex::WriteScript(reset));
  seeds.push_back(kalvex::WriteScript(kalvex::test::WorkedExample()));
  for (int colour = 0; colour < 5; ++colour)
    seeds.push_back(kalvex::WriteScript(Everything(colour)));
  seeds.push_back(
      "// by hand\n[ GUN ]\n{ /* header entries anywhere */\n  RANGE = 8 00 ;\n  name = A Gun ;\n"
      "  ID=7; soundwater=splash; azimuth=3;\n  color=96; color2=98; model=MISSILE;\n"
      "  [DAMAGE] { default=5; armcom=2; }\n  rendertype=12; dropped=0; burnblow=0;\n}\n[NEXT]{}");
  seeds.push_back("[X]{soundstart=;soundhit=;model=;minbarrelangle=;explosionart=;color2=1;x;}");
  // Typed by hand: text before the header, values without their ";", braces
  // inside values, a section name without "]", a "{" without a name, a colour
  // pair that does not match, a flag of many zeros, text after the weapon.
  seeds.push_back(
      "; mine\r\n[HAND]\r\n{\r\n\trange=8}00;\r\n\ttracks=1\r\n\tscript={on hit};\r\n"
      "\treloadtime=3\r\n\t}\r\n\tcolor=232;\r\n\tcolor2=98;\r\n\tguidance=" +
      std::string(60, '0') +
      ";\r\n\t[DAMAGE\r\n\t{\r\n\tdefault=5\r\n\t}\r\n\t{ID=1;}\r\n}\r\n[TWIN2]\r\n{ID=2;}");
  seeds.push_back("x [JUNK] { [EXTRA] { a=1; } name=N\n/* never closed\n ID=3; }");
  seeds.push_back(std::string("\xFF\xFE[\0U\0]\0{\0}\0", 12));
  return seeds;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_reader_corpus FOLDER\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  const std::vector<std::string> seeds = Seeds();
  for (std::size_t i = 0; i < seeds.size(); ++i) {
    std::ofstream out(folder / ("seed_" + std::to_string(i) + ".tdf"), std::ios::binary);
    out << seeds[i];
    if (!out) {
      std::cerr << "cannot write into " << folder << "\n";
      return 1;
    }
  }
  return 0;
}

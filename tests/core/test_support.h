// Helpers shared by the core tests.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include "record/weapon_record.h"

namespace kalvex::test {

inline std::string ReadTestData(const std::string& name) {
  std::ifstream in(std::string(KALVEX_TEST_DATA) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The weapon of the worked example: a light rocket launcher.
inline WeaponRecord WorkedExample() {
  WeaponRecord r;
  r.Weapcode = "ROCKET2";
  r.WeapID = "91";
  r.Weapname = "Light Rocket Launcher";
  r.Weaprend = 1;
  r.Weaptur = 1;
  r.Weapmodl = 12;
  r.Weaprange = "800";
  r.Weapreload = "3";
  r.Weapenps = "0";
  r.Weapfght = "2";
  r.Weapspeed = "350";
  r.Weapstsp = "150";
  r.Weapaccl = "100";
  r.Weapefft = "48";
  r.Weapsmdl = ".1";
  r.Weapsmtl = 1;
  r.Weapsost = 24;
  r.Weapsoht = 10;
  r.Weapguid = 1;
  r.Weapturn = "12000";
  r.Weaptolr = "4000";
  r.Weapsmst = 1;
  r.Weapdamage = "110";
  return r;
}

// Line ends as the script stores them.
inline std::string Crlf(std::string text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace kalvex::test

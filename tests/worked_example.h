// The weapon that serves as the example throughout the tests, the fuzzer's
// seeds and the benchmarks: a light rocket launcher.
#pragma once

#include <string>

#include "record/weapon_record.h"

namespace kalvex::test {

// The weapon of the worked example: a light rocket launcher.
inline WeaponRecord WorkedExample() {
  // One-character texts go in as std::string: GCC 12 at -O3 warns falsely
  // (-Wrestrict) when a one-character C string is assigned.
  using namespace std::string_literals;
  WeaponRecord r;
  r.Weapcode = "ROCKET2";
  r.WeapID = "91";
  r.Weapname = "Light Rocket Launcher";
  r.Weaprend = 1;
  r.Weaptur = 1;
  r.Weapmodl = 12;
  r.Weaprange = "800";
  r.Weapreload = "3"s;
  r.Weapenps = "0"s;
  r.Weapfght = "2"s;
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

}  // namespace kalvex::test

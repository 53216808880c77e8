// The one weapon being edited: its 58 fields in declaration order, with the
// values that File, New gives them.
#pragma once

#include <string>

namespace kalvex {

// The text that means "no value given" in every text field.
inline constexpr const char* kResetText = " ";

// The style of fire of a weapon read from a script with no style entry: the
// style list shows no selection and no style entry is written.
inline constexpr int kNoStyle = -1;

// Values of the table fields that no list holds (a mod's own model, sounds or
// explosion art), spelled as in the script they came from. Where one is not
// empty it is the field's value, shown as an extra list entry and written as
// it stands, and the field's index means nothing; picking a list entry
// empties it.
struct OwnTexts {
  std::string Weapmodl;
  std::string Weapsost;
  std::string Weapsoht;
  std::string Weapexgaf;
  std::string Weapexart;
  std::string Weapwtgaf;
  std::string Weapwtart;
  std::string Weaplagaf;
  std::string Weaplaart;

  bool operator==(const OwnTexts&) const = default;
};

struct WeaponRecord {
  std::string Weapcode = kResetText;
  std::string Weapname = kResetText;
  int Weaptur = 0;
  std::string Weapmet = kResetText;
  std::string Weapenr = kResetText;
  int Weapguid = 0;
  std::string Weapturn = kResetText;
  std::string Weaptolr = kResetText;
  int Weapbarr = 0;
  std::string Weapaccu = kResetText;
  std::string Weapfght = kResetText;
  int Weapxpld = 0;
  int Weapauto = 0;
  int Weaptrak = 0;
  std::string Weaprand = kResetText;
  std::string Weaptime = kResetText;
  std::string Weapcovg = kResetText;
  int Weapsprp = 0;
  int Weapwatr = 0;
  int Weapparl = 0;
  int Weapcomm = 0;
  std::string Weaprate = kResetText;
  int Weapsmtl = 0;
  std::string Weapbrst = kResetText;
  std::string Weapbsta = kResetText;
  std::string Weapspry = kResetText;
  int Weapexgaf = 0;
  int Weapexart = 1;
  int Weapwtgaf = 0;
  int Weapmodl = 0;  // not touched by Reset()
  int Weapsost = 31;
  int Weapsoht = 21;
  int Weapsotg = 0;
  int Weaprend = 0;
  int Weapbeam = 0;
  int Weapcol2 = 0;
  int Weapwtart = 5;
  int Weaplagaf = 0;
  int Weaplaart = 8;
  std::string Weapsmdl = kResetText;
  int Weapsmst = 0;
  int Weapprop = 0;
  std::string Weapstsp = kResetText;
  int Weapsmed = 0;
  std::string Weapefft = kResetText;
  std::string Weapeftn = kResetText;
  std::string Weapfire = kResetText;
  int Weapunit = 0;
  int Weapbunc = 0;
  int Weapblow = 0;
  std::string Weapenps = kResetText;
  std::string Weapspeed = kResetText;
  std::string Weapaccl = kResetText;
  int Weapstyle = 0;  // kNoStyle: none read
  std::string WeapID = kResetText;
  std::string Weapdamage = kResetText;
  std::string Weaprange = kResetText;
  std::string Weapreload = kResetText;

  OwnTexts own;

  // Gives every field its reset value; the projectile model keeps its value
  // (an own model text included).
  void Reset();

  bool operator==(const WeaponRecord&) const = default;
};

}  // namespace kalvex

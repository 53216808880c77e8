#include "record/record_fields.h"

#include <algorithm>

namespace kalvex {

const std::array<RecordField, kRecordFieldCount>& RecordFields() {
  static const std::array<RecordField, kRecordFieldCount> fields = {{
      {"Weapcode", &WeaponRecord::Weapcode, nullptr},
      {"Weapname", &WeaponRecord::Weapname, nullptr},
      {"Weaptur", nullptr, &WeaponRecord::Weaptur},
      {"Weapmet", &WeaponRecord::Weapmet, nullptr},
      {"Weapenr", &WeaponRecord::Weapenr, nullptr},
      {"Weapguid", nullptr, &WeaponRecord::Weapguid},
      {"Weapturn", &WeaponRecord::Weapturn, nullptr},
      {"Weaptolr", &WeaponRecord::Weaptolr, nullptr},
      {"Weapbarr", nullptr, &WeaponRecord::Weapbarr},
      {"Weapaccu", &WeaponRecord::Weapaccu, nullptr},
      {"Weapfght", &WeaponRecord::Weapfght, nullptr},
      {"Weapxpld", nullptr, &WeaponRecord::Weapxpld},
      {"Weapauto", nullptr, &WeaponRecord::Weapauto},
      {"Weaptrak", nullptr, &WeaponRecord::Weaptrak},
      {"Weaprand", &WeaponRecord::Weaprand, nullptr},
      {"Weaptime", &WeaponRecord::Weaptime, nullptr},
      {"Weapcovg", &WeaponRecord::Weapcovg, nullptr},
      {"Weapsprp", nullptr, &WeaponRecord::Weapsprp},
      {"Weapwatr", nullptr, &WeaponRecord::Weapwatr},
      {"Weapparl", nullptr, &WeaponRecord::Weapparl},
      {"Weapcomm", nullptr, &WeaponRecord::Weapcomm},
      {"Weaprate", &WeaponRecord::Weaprate, nullptr},
      {"Weapsmtl", nullptr, &WeaponRecord::Weapsmtl},
      {"Weapbrst", &WeaponRecord::Weapbrst, nullptr},
      {"Weapbsta", &WeaponRecord::Weapbsta, nullptr},
      {"Weapspry", &WeaponRecord::Weapspry, nullptr},
      {"Weapexgaf", nullptr, &WeaponRecord::Weapexgaf, &OwnTexts::Weapexgaf},
      {"Weapexart", nullptr, &WeaponRecord::Weapexart, &OwnTexts::Weapexart},
      {"Weapwtgaf", nullptr, &WeaponRecord::Weapwtgaf, &OwnTexts::Weapwtgaf},
      {"Weapmodl", nullptr, &WeaponRecord::Weapmodl, &OwnTexts::Weapmodl},
      {"Weapsost", nullptr, &WeaponRecord::Weapsost, &OwnTexts::Weapsost},
      {"Weapsoht", nullptr, &WeaponRecord::Weapsoht, &OwnTexts::Weapsoht},
      {"Weapsotg", nullptr, &WeaponRecord::Weapsotg},
      {"Weaprend", nullptr, &WeaponRecord::Weaprend},
      {"Weapbeam", nullptr, &WeaponRecord::Weapbeam},
      {"Weapcol2", nullptr, &WeaponRecord::Weapcol2},
      {"Weapwtart", nullptr, &WeaponRecord::Weapwtart, &OwnTexts::Weapwtart},
      {"Weaplagaf", nullptr, &WeaponRecord::Weaplagaf, &OwnTexts::Weaplagaf},
      {"Weaplaart", nullptr, &WeaponRecord::Weaplaart, &OwnTexts::Weaplaart},
      {"Weapsmdl", &WeaponRecord::Weapsmdl, nullptr},
      {"Weapsmst", nullptr, &WeaponRecord::Weapsmst},
      {"Weapprop", nullptr, &WeaponRecord::Weapprop},
      {"Weapstsp", &WeaponRecord::Weapstsp, nullptr},
      {"Weapsmed", nullptr, &WeaponRecord::Weapsmed},
      {"Weapefft", &WeaponRecord::Weapefft, nullptr},
      {"Weapeftn", &WeaponRecord::Weapeftn, nullptr},
      {"Weapfire", &WeaponRecord::Weapfire, nullptr},
      {"Weapunit", nullptr, &WeaponRecord::Weapunit},
      {"Weapbunc", nullptr, &WeaponRecord::Weapbunc},
      {"Weapblow", nullptr, &WeaponRecord::Weapblow},
      {"Weapenps", &WeaponRecord::Weapenps, nullptr},
      {"Weapspeed", &WeaponRecord::Weapspeed, nullptr},
      {"Weapaccl", &WeaponRecord::Weapaccl, nullptr},
      {"Weapstyle", nullptr, &WeaponRecord::Weapstyle},
      {"WeapID", &WeaponRecord::WeapID, nullptr},
      {"Weapdamage", &WeaponRecord::Weapdamage, nullptr},
      {"Weaprange", &WeaponRecord::Weaprange, nullptr},
      {"Weapreload", &WeaponRecord::Weapreload, nullptr},
  }};
  return fields;
}

const RecordField* FindRecordField(std::string_view name) {
  const auto& fields = RecordFields();
  const auto it = std::find_if(fields.begin(), fields.end(),
                               [&](const RecordField& f) { return f.name == name; });
  return it == fields.end() ? nullptr : &*it;
}

std::string* OwnText(WeaponRecord& record, int WeaponRecord::*number) {
  const auto& fields = RecordFields();
  const auto it = std::find_if(fields.begin(), fields.end(),
                               [&](const RecordField& f) { return f.number == number; });
  return it == fields.end() || !it->own ? nullptr : &(record.own.*it->own);
}

}  // namespace kalvex

#include "record/weapon_record.h"

#include "record/record_fields.h"

namespace kalvex {

void WeaponRecord::Reset() {
  for (const RecordField& field : kRecordFields) {
    if (field.kept_by_reset) continue;
    if (field.IsText()) {
      this->*field.text = std::string(kResetText);
    } else {
      this->*field.number = field.reset;
    }
    if (field.own != nullptr) (own.*field.own).clear();
  }
}

}  // namespace kalvex

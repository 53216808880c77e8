// Values for the cases that walk the nineteen pages against what they must
// show and store: a record's members by name, sample values for a page, a
// change made as a user makes it, and what differs between what a page shows
// and a record, or between two records.
#pragma once

#include <string>
#include <string_view>

#include "record/weapon_record.h"
#include "tests/window/page_expectations.h"
#include "tests/window/window_driver.h"

namespace kalvex::test {

// A member of the weapon record by its name ("Weapcode", "Weaptur"); a name
// of the other kind, or no member's, throws std::invalid_argument.
std::string& TextMember(WeaponRecord& record, std::string_view member);
int& NumberMember(WeaponRecord& record, std::string_view member);

// Gives the members of the page's controls distinct sample values: edits
// short numbers that every edit takes, lists positions different for
// neighbouring controls, the check box 1.
void SetSampleValues(WeaponRecord& record, const ExpectedPage& page);

// Changes the control at `index` of the page that is up as a user does (an
// edit to another short number than its sample, a list to its next entry,
// the check box clicked) and puts the value it must store into `expected`.
bool ChangeControl(WindowDriver& driver, const ExpectedPage& page, std::size_t index,
                   WeaponRecord& expected);

// How the page that is up differs from the members of `record`, which edits
// show without trailing blanks, lists at their positions (none outside
// them), the check box checked for 1; empty when it shows them all.
std::string ShownDifferences(const WindowDriver& driver, const ExpectedPage& page,
                             WeaponRecord record);

// "Weapcode: \"A\" != \"B\"; ..." for each member that differs; empty when equal.
std::string RecordDifferences(const WeaponRecord& actual, const WeaponRecord& expected);

}  // namespace kalvex::test

// Helpers for tests that walk the nineteen pages against their expected
// contents: data rows, sample values for a page's members, and what differs
// between two weapon records.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "record/weapon_record.h"
#include "tests/window/page_expectations.h"

class QWidget;

namespace kalvex::test {

class EditorDriver;

// A text of the pages as Qt shows it.
QString Latin1(std::string_view text);

// Adds the column "page" and one row per page, named after its list entry;
// with `kind`, only the pages that have a control of that kind.
void AddPageRows(std::string_view kind = {});

// Gives the members of the page's controls distinct sample values: edits
// short numbers that every edit accepts, lists positions different for
// neighbouring controls, the check box 1.
void SetSampleValues(WeaponRecord& record, const ExpectedPage& page);

// Changes the control at `index` of the page that is up as a user does (an
// edit to another short number than its sample) and puts the value it must
// store into `expected`.
bool ChangeControl(EditorDriver& driver, const ExpectedPage& page, int index,
                   WeaponRecord& expected);

// Whether the page that is up shows the members of `record`: edits their
// texts without trailing blanks, lists their positions (none outside them),
// the check box checked for 1.
QString ShownDifferences(const EditorDriver& driver, const ExpectedPage& page, WeaponRecord record);

// The edits, drop-down lists and check boxes that the user sees in `frame`.
int ShownPageControls(const QWidget* frame);

// "Weapcode: \"A\" != \"B\"; ..." for each member that differs; empty when equal.
QString RecordDifferences(const WeaponRecord& actual, const WeaponRecord& expected);

}  // namespace kalvex::test

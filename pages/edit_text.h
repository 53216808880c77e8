// How an edit shows a text member and how its text goes back, so that a
// visit to a page changes nothing the user did not change.
#pragma once

#include <string>
#include <string_view>

namespace kalvex {

// The member's text as its edit shows it: whole, without trailing blanks
// (the reset text " " shows as an empty edit).
std::string ShownText(std::string_view member);

// Stores what the edit holds into `member`. An edit still showing what it
// was built with leaves the member exactly as it was; a changed text is
// stored without trailing blanks, and an emptied edit stores the reset text.
void CollectEditText(std::string& member, std::string_view edited);

// The same for a decimal number's edit, where what was typed of a number
// before its first digit ("-", ".", "-.") is no number and counts as an
// emptied edit.
void CollectNumberText(std::string& member, std::string_view edited);

}  // namespace kalvex

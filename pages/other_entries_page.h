// The page of other entries, built by the page switch after the nineteen
// pages of the table: a list of the weapon's entries that no field reads,
// an edit each for a key and its value, and Set and Remove.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace kalvex {

// A row of the page of other entries: an entry of the weapon that no field
// reads, by its name ("DAMAGE/armor_heavy"), with its value as written and
// whether its key is one the game knows.
struct EntryRow {
  std::string name;
  std::string value;
  bool known = true;
};

struct PageEditor;

// Sets the page's sentence and labels and creates its controls, the list
// showing the rows of `editor.otherEntries`; ends with the page up (Box 1).
void BuildOtherEntriesPage(const PageEditor& editor);

// Shows `rows` in the page's list, row `selected` selected (-1: none), an
// unknown key marked with "?".
void ShowEntryRows(TTwoColumnList& list, const std::vector<EntryRow>& rows, int selected);

}  // namespace kalvex

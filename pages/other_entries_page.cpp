#include "pages/other_entries_page.h"

#include "pages/control_ids.h"
#include "pages/page_editor.h"

namespace kalvex {

// The page of other entries: the list of the weapon's entries that no field
// reads, and an edit each for a key and its value with Set and Remove.
void BuildOtherEntriesPage(const PageEditor& e) {
  PageArea& area = e.area;
  area.CurHelp->SetText("Entries No Other Page Shows");
  area.HelpDesc->SetText("Entries (Section/Key, Value):");
  area.EntryList = new TTwoColumnList(&e.window, ID_ENTRY_LIST, "Key", "Value", 20, 250, 600, 110);
  area.EntryList->Create();
  ShowEntryRows(*area.EntryList, e.otherEntries(), -1);
  area.HelpDesc3->SetText("Key:");
  area.Enter = new TEdit(&e.window, ID_EDIT, "", 30, 390, 260, 20, 0);
  area.Enter->Create();
  area.HelpDesc6->SetText("Value:");
  area.Enter2 = new TEdit(&e.window, ID_EDIT, "", 300, 390, 170, 20, 0);
  area.Enter2->Create();
  area.Enter2->SetEnterHandler(e.enterInValue);
  area.SetButton = new TButton(&e.window, ID_ENTRY_SET, "Set", 480, 389, 60, 22);
  area.SetButton->Create();
  area.RemoveButton = new TButton(&e.window, ID_ENTRY_REMOVE, "Remove", 550, 389, 70, 22);
  area.RemoveButton->Create();
  area.Box = 1;
}

void ShowEntryRows(TTwoColumnList& list, const std::vector<EntryRow>& rows, int selected) {
  list.Clear();
  for (const EntryRow& row : rows)
    list.InsertRow(-1, row.known ? row.name : row.name + "?", row.value);
  list.SetSelIndex(selected);
}

}  // namespace kalvex

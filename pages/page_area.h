// The page area of the main window: the control slots that hold the
// controls of the page that is up, the page's sentence and label lines, and
// which page is up.
#pragma once

#include "pages/page_table.h"
#include "platform/platform.h"

namespace kalvex {

struct PageArea {
  int Box = 0;     // 1 while a page is up
  int indexx = 0;  // the page that is up
  TEdit* Enter = nullptr;
  TEdit* Enter2 = nullptr;
  TEdit* Enter3 = nullptr;
  TEdit* Enter4 = nullptr;
  TEdit* Enter5 = nullptr;  // taken down with the others; no page fills it
  TCheckBox* Check1 = nullptr;
  TComboBox* ComboBox1 = nullptr;
  TComboBox* ComboBox2 = nullptr;
  TComboBox* ComboBox3 = nullptr;
  TComboBox* ComboBox4 = nullptr;
  TComboBox* ComboBox5 = nullptr;
  TComboBox* ComboBox6 = nullptr;
  // The page of other entries: its list, Set and Remove; its key and value
  // edits are Enter and Enter2.
  TTwoColumnList* EntryList = nullptr;
  TButton* SetButton = nullptr;
  TButton* RemoveButton = nullptr;
  TStatic* CurHelp = nullptr;   // the sentence of the page that is up
  TStatic* HelpDesc = nullptr;  // the six label lines
  TStatic* HelpDesc2 = nullptr;
  TStatic* HelpDesc3 = nullptr;
  TStatic* HelpDesc4 = nullptr;
  TStatic* HelpDesc5 = nullptr;
  TStatic* HelpDesc6 = nullptr;
};

// The area's member for an edit slot (Enter … Enter4) and for a drop-down
// list slot (ComboBox1 … ComboBox6); the page table gives each control a
// slot of its own kind.
TEdit*& EditSlot(PageArea& area, Slot slot);
TComboBox*& ListSlot(PageArea& area, Slot slot);

TStatic* LabelStatic(const PageArea& area, LabelLine line);

// Gives each of the six label lines the one-space text.
void BlankLabelLines(const PageArea& area);

// Destroys every control of the page that is up and empties the slots; the
// label lines stay.
void DestroyPageControls(PageArea& area);

}  // namespace kalvex

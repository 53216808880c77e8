// The page editor: builds a page's controls in the page area, filled from
// the weapon record, collects them back into it, and switches pages.
#pragma once

#include <functional>
#include <vector>

#include "pages/other_entries_page.h"
#include "pages/page_area.h"
#include "record/weapon_record.h"

namespace kalvex {

// What the page editor works on.
struct PageEditor {
  TWindow& window;  // the parent of the page's controls
  PageArea& area;
  WeaponRecord& record;               // what the pages show and receive
  std::function<void()> userChanged;  // run at every change typed or clicked on a page
  // The rows that the page of other entries shows for the weapon.
  std::function<std::vector<EntryRow>()> otherEntries;
  // Run when the user presses Enter in that page's value edit.
  std::function<void()> enterInValue;
  // Run when a change is complete: the keyboard focus leaves an edit for
  // another control of the window, or a check box has been clicked.
  std::function<void()> changeDone;
};

// Whether the control's member holds different values in `a` and `b`, a
// list's own text included.
bool ValueDiffers(const PageControl& control, const WeaponRecord& a, const WeaponRecord& b);

// The page switch: collects the page that is up, takes it down and builds
// page `page` when it is a page number, the page of other entries included
// (nothing up otherwise). A control of the page that had the keyboard focus
// (a drop-down list whose choice rebuilds the page) has it again on the new
// page, in the same slot, so that
// the keyboard goes on working in it.
void SwitchPage(const PageEditor& editor, int page);

// Builds the page that is up, if one is, again from the record without
// collecting it; the control that had the keyboard focus has it again.
void ShowPageAgain(const PageEditor& editor);

// Stores the value of each control of the page that is up, if one is, into
// its member, in the page's collect order. The controls stay as they are.
// The page of other entries has nothing to collect: Set and Remove take
// effect at once.
void CollectShownPage(const PageEditor& editor);

// Blanks the label lines and destroys the controls of the page that is up
// without collecting them: no page is up.
void TakeDownPage(PageArea& area);

}  // namespace kalvex

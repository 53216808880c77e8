// Where a page's controls live in the main window: the control slots, the
// label lines, and taking a page's controls down.
#pragma once

#include "app/kalvex.h"
#include "pages/page_table.h"

namespace kalvex {

// The main window's member for an edit slot (Enter … Enter4) and for a
// drop-down list slot (ComboBox1 … ComboBox6); the page table gives each
// control a slot of its own kind.
TEdit*& EditSlot(TMachines& window, Slot slot);
TComboBox*& ListSlot(TMachines& window, Slot slot);

TStatic* LabelStatic(TMachines& window, LabelLine line);

// Gives each of the six label lines the one-space text.
void BlankLabelLines(TMachines& window);

// Destroys every control of the page that is up and empties the slots; the
// page list, the group box and the fixed statics stay.
void DestroyPageControls(TMachines& window);

}  // namespace kalvex

// Builds a page's controls, filled from the weapon record, and collects them
// back into it.
#pragma once

#include "app/kalvex.h"
#include "pages/page_table.h"

namespace kalvex {

// Sets the page's sentence and labels and creates its controls in build
// order; ends with the page up (Box 1).
void BuildPage(TMachines& window, const PageDescription& page);

// Stores the value of each control of the page that is up into its member,
// in the page's collect order. The controls stay as they are.
void CollectPage(TMachines& window, const PageDescription& page);

}  // namespace kalvex

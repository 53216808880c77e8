#include <cstdlib>

#include "app/kalvex.h"

void TMachines::Close() { CanClose(); }

bool TMachines::CanClose() {
  // The window stays open when the user cancels, or when the script could not
  // be saved: nothing unsaved is ever lost by closing.
  if (!SettleUnsavedChanges()) return false;
  std::_Exit(1);
}

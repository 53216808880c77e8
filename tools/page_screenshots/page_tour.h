// What the page screenshot programs share: the editor's window, shown with
// a weapon, brought to each of its twenty pages in turn. Every question the
// editor asks is answered without a window.
#pragma once

#include <functional>
#include <string>

#include "app/kalvex.h"

// Shows the window with the weapon of `script` (a new one when empty) and
// calls `draw` with each page up, numbered from 0; returns how many draws
// failed. The platform must have started.
int TourThePages(const std::string& script, const std::function<bool(TMachines&, int)>& draw);

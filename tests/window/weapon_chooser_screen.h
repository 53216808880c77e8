// The platform's own weapon-choosing dialog, used as a user uses it: a case
// gives the steps, and each implementation's half of this file does them in
// the real dialog with the platform's mouse and keyboard input and reads
// back what the dialog shows after each.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/user_interface.h"
#include "tests/window/window_driver.h"

namespace kalvex::test {

// One thing the user does; only one of its members is given.
struct ChooserStep {
  // Clicked into the filter box and typed there key by key, after what it
  // holds; UTF-8.
  std::string Type = {};
  // Pressed in the control that has the focus: "Down", "Up", "Enter",
  // "Escape", "Tab", "Backspace".
  std::string Keys = {};
  // The push button with this caption clicked: "OK", "Cancel".
  std::string Click = {};
  // The dialog resized as its frame is dragged, until its client area is
  // this size (or as near as the dialog lets it come).
  int Width = 0;
  int Height = 0;
};

// What the dialog shows. Places are in its client area.
struct ChooserShown {
  std::string Filter;                          // the filter box's text, UTF-8
  std::vector<std::vector<std::string>> Rows;  // the rows the list shows, cell by cell
  int Highlighted = -1;                        // the highlighted one of Rows; -1: none
  bool HighlightedInView = false;              // it stands wholly inside the list's view
  bool OkEnabled = false;
  std::string Focused;  // "filter", "list", "OK", "Cancel"; "" for anything else
  ControlPlace Client;  // at 0,0: the client area's size
  ControlPlace FilterBox;
  ControlPlace List;
  ControlPlace Ok;
  ControlPlace Cancel;
};

struct ChooserUse {
  // As the dialog came up, then after each step that left it open.
  std::vector<ChooserShown> Shown;
  // Whether the steps closed the dialog; if not, it is cancelled after them.
  bool ClosedByTheSteps = false;
  // What the dialog gave back.
  std::optional<std::size_t> Taken;
};

// Shows the platform's weapon-choosing dialog for `choice`, owned by
// `owner`, and does `steps` in it.
ChooserUse UseWeaponChooser(THandle owner, const TWeaponChoice& choice,
                            const std::vector<ChooserStep>& steps);

}  // namespace kalvex::test

// The editor's window in a process of its own, closed as a user closes it:
// the window cases' program runs as the close probe when its first argument
// is kCloseProbe, so that a case can watch the process end.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tests/window/window_driver.h"

namespace kalvex::test {

inline constexpr std::string_view kCloseProbe = "--close-probe";

// The arguments that make the program the close probe for `request`.
std::vector<std::string> CloseProbeArguments(const CloseRequest& request);

// Shows the window with the driver of the implementation, closes it as
// `arguments` (after kCloseProbe) say and prints each question as it is
// asked. Returns 0 when the window stayed, having printed "open", or a
// status above 1 when it could not do as asked; a close that goes ahead ends
// the process inside.
int RunCloseProbe(const std::vector<std::string>& arguments);

}  // namespace kalvex::test

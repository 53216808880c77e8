// Runs the window cases over Win32, in real windows on the desktop (under
// Wine, on a virtual X display); with the close probe's first argument, runs
// the close probe instead.
#include <gtest/gtest.h>

#include "platform/win32/win32.h"
#include "tests/window/close_probe.h"

int main(int argc, char* argv[]) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  if (argc > 1 && argv[1] == kalvex::test::kCloseProbe) {
    return kalvex::test::RunCloseProbe({argv + 1, argv + argc});
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

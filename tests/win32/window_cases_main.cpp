// Runs the window cases over Win32, in real windows on the desktop (under
// Wine, on a virtual X display).
#include <gtest/gtest.h>

#include "platform/win32/win32.h"

int main(int argc, char* argv[]) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

// Runs the window cases over Qt, headless unless a platform is named; with
// the close probe's first argument, runs the close probe instead.
#include <gtest/gtest.h>

#include <QApplication>

#include "tests/window/close_probe.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc > 1 && argv[1] == kalvex::test::kCloseProbe) {
    return kalvex::test::RunCloseProbe({argv + 1, argv + argc});
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

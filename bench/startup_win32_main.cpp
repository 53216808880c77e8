// Start-up as a whole process, on Windows: the editor starts as it always
// does, shows its main window, and ends once the window is on the screen and
// the message loop has run. Time it from outside, under Wine e.g.
//   farm-bench --warmup 3 -- wine build-windows/bench/kalvex_startup_bench.exe
#include "app/startup.h"
#include "platform/win32/win32.h"

namespace {

class TimedStartUp : public TStartUp {
 protected:
  void MainWindowShown() override { PostQuitMessage(0); }
};

}  // namespace

int main() {
  TimedStartUp app;
  return app.Run();
}

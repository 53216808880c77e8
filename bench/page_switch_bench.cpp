// One page switch as the user makes it on the heaviest page: collect the page
// that is up, take its controls down and build it again from the record.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/kalvex.h"

namespace {

void BM_PageSwitch(benchmark::State& state, int page) {
  TMachines window("Cindervale Weapon Editor");
  window.Create();
  window.New();
  window.PageList()->SetSelIndex(page);
  window.EvCBNSelChange();
  for (auto _ : state) {
    window.EvCBNSelChange();
    // What the event loop does after the switch: release the old controls'
    // widgets, lay out and paint the new ones.
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(window.Page().Box);
  }
  // The window must not ask about unsaved changes when the benchmark ends.
  window.SaveFlag() = 1;
}

BENCHMARK_CAPTURE(BM_PageSwitch, sounds_page_14, 14)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PageSwitch, explosions_page_13, 13)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PageSwitch, code_page_0, 0)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

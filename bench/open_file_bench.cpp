// File, Open of the largest file of a real mod up to the page shown: the
// file read, its weapon chosen in the list, and a page of it built and
// painted, as the user sees it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <fstream>

#include "app/kalvex.h"
#include "bench/generated_mod.h"

namespace {

// Answers the window as the user would who opens a file and looks at a
// weapon: the chooser takes the weapon in the middle, every box is answered
// with OK, and no file dialog is shown.
class ChoosingUserInterface : public TPlatformUserInterface {
 public:
  explicit ChoosingUserInterface(std::size_t weapon) : weapon_(weapon) {}
  int MessageBox(THandle, const std::string&, const std::string&, unsigned) override {
    return IDOK;
  }
  std::optional<std::size_t> ChooseWeapon(THandle, const TWeaponChoice&) override {
    return weapon_;
  }

 private:
  std::size_t weapon_;
};

constexpr int kRangePage = 5;

void BM_OpenLargestFileToPage(benchmark::State& state) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "kalvex_open_file_bench.tdf";
  std::ofstream(path, std::ios::binary)
      << kalvex::bench::GeneratedScript(2026, kalvex::bench::kLargestFileWeapons);
  ChoosingUserInterface ui(kalvex::bench::kLargestFileWeapons / 2);
  TUserInterface* const previous = SetUserInterface(&ui);
  TMachines window("Cindervale Weapon Editor");
  window.Create();
  for (auto _ : state) {
    window.OpenNamedFile(path.string());
    window.PageList()->SetSelIndex(kRangePage);
    window.EvCBNSelChange();
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(window.Page().Box);
  }
  // The window must not ask about unsaved changes when the benchmark ends.
  window.SaveFlag() = 1;
  SetUserInterface(previous);
  std::filesystem::remove(path);
}
BENCHMARK(BM_OpenLargestFileToPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

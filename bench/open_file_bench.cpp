// File, Open of the largest file of a real mod up to the page shown: the
// file read, its weapon chosen in the list, and a page of it built and
// painted, as the user sees it; and going on from weapon to weapon in it.
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

// The largest file of the mod, written once.
const std::filesystem::path& LargestFile() {
  static const std::filesystem::path path = [] {
    std::filesystem::path written =
        std::filesystem::temp_directory_path() / "kalvex_open_file_bench.tdf";
    std::ofstream(written, std::ios::binary)
        << kalvex::bench::GeneratedScript(2026, kalvex::bench::kLargestFileWeapons);
    return written;
  }();
  return path;
}

void BM_OpenLargestFileToPage(benchmark::State& state) {
  const std::filesystem::path& path = LargestFile();
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
}
BENCHMARK(BM_OpenLargestFileToPage)->Unit(benchmark::kMillisecond);

// Weapon, Next Weapon (Ctrl+PgDown) in the largest file, from the command to
// the page shown with the next weapon's values; Previous Weapon every other
// time, so that the weapons stay in the middle of the file.
void BM_NextWeaponInLargestFile(benchmark::State& state) {
  ChoosingUserInterface ui(kalvex::bench::kLargestFileWeapons / 2);
  TUserInterface* const previous = SetUserInterface(&ui);
  TMachines window("Cindervale Weapon Editor");
  window.Create();
  window.OpenNamedFile(LargestFile().string());
  window.PageList()->SetSelIndex(kRangePage);
  window.EvCBNSelChange();
  bool next = true;
  for (auto _ : state) {
    if (next) {
      window.NextWeapon();
    } else {
      window.PreviousWeapon();
    }
    next = !next;
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(window.Page().Box);
  }
  window.SaveFlag() = 1;
  SetUserInterface(previous);
}
BENCHMARK(BM_NextWeaponInLargestFile)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove(LargestFile());
  return 0;
}

// What users run on a whole mod, measured without the window: saving the
// largest file of a mod with one value changed, checking every file of a mod
// with kalvex-tdf check, its table with kalvex-tdf table, and reading every
// weapon of a mod once, which the other measures are held against.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "bench/generated_mod.h"
#include "record/weapon_record.h"
#include "script/save_file.h"
#include "script/script_document.h"
#include "script/script_file_reader.h"
#include "script/utf8_path.h"
#include "tools/kalvex_tdf/command.h"

namespace {

constexpr unsigned kSeed = 2026;

// The mod's files, written once into a folder of the benchmark's own.
const std::vector<std::filesystem::path>& ModFiles() {
  static const std::vector<std::filesystem::path> files = kalvex::bench::WriteGeneratedMod(
      kSeed, std::filesystem::temp_directory_path() / "kalvex_user_tasks_bench");
  return files;
}

// What File, Save does with one value changed in the middle of the largest
// file: the edit made in place, the file replaced, the saved text opened as
// the window's script.
void BM_SaveLargestFileWithOneEdit(benchmark::State& state) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "kalvex_user_tasks_bench_largest.tdf";
  kalvex::ScriptDocument document =
      kalvex::OpenScript(kalvex::bench::GeneratedScript(kSeed, kalvex::bench::kLargestFileWeapons));
  const std::size_t index = document.weapons.size() / 2;
  kalvex::WeaponRecord record;
  kalvex::ReadWeapon(document, index, record);
  int range = 900;
  for (auto _ : state) {
    record.Weaprange = std::to_string(range++ % 2 == 0 ? 900 : 901);
    kalvex::SavedText saved = kalvex::SaveWeapon(document, index, record);
    if (!saved.ok() || !kalvex::SaveScriptFile(kalvex::Utf8FromPath(path), saved.text).ok()) {
      state.SkipWithError("the save failed");
      break;
    }
    document = kalvex::OpenScript(std::move(saved.text));
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_SaveLargestFileWithOneEdit)->Unit(benchmark::kMillisecond);

// kalvex-tdf check over every file of the mod, its report thrown away.
void BM_CheckMod(benchmark::State& state) {
  std::vector<std::string> paths;
  for (const std::filesystem::path& path : ModFiles()) paths.push_back(path.string());
  const std::vector<std::string_view> args(paths.begin(), paths.end());
  std::istringstream in;
  for (auto _ : state) {
    std::ostringstream out, err;
    benchmark::DoNotOptimize(kalvex::tdf::kCheckCommand.run({args, in, out, err}));
  }
}
BENCHMARK(BM_CheckMod)->Unit(benchmark::kMillisecond);

// kalvex-tdf table over every file of the mod, every key a column, the table
// thrown away.
void BM_TableMod(benchmark::State& state) {
  std::vector<std::string> paths;
  for (const std::filesystem::path& path : ModFiles()) paths.push_back(path.string());
  const std::vector<std::string_view> args(paths.begin(), paths.end());
  std::istringstream in;
  for (auto _ : state) {
    std::ostringstream out, err;
    benchmark::DoNotOptimize(kalvex::tdf::kTableCommand.run({args, in, out, err}));
  }
}
BENCHMARK(BM_TableMod)->Unit(benchmark::kMillisecond);

// Every file of the mod read once and every weapon of it filled in.
void BM_ReadModOnce(benchmark::State& state) {
  kalvex::WeaponRecord record;
  for (auto _ : state) {
    for (const std::filesystem::path& path : ModFiles()) {
      kalvex::ScriptDocument document;
      if (kalvex::OpenScriptFile(path, document)) {
        state.SkipWithError("a file could not be read");
        return;
      }
      for (std::size_t i = 0; i < document.weapons.size(); ++i) {
        benchmark::DoNotOptimize(kalvex::ReadWeapon(document, i, record));
      }
    }
  }
}
BENCHMARK(BM_ReadModOnce)->Unit(benchmark::kMillisecond);

}  // namespace

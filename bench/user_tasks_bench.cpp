// What users run on a whole mod, measured without the window: saving the
// largest file of a mod with one value changed and with fifty weapons
// changed, against reading it, checking every file of a mod
// with kalvex-tdf check, its table with kalvex-tdf table, one column of that
// table changed and applied with kalvex-tdf apply, and reading every
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
#include "script/weapons_alone.h"
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

// Reads the file at `path` and fills in every weapon of it; whether it could
// be read.
bool ReadEveryWeapon(const std::filesystem::path& path, kalvex::WeaponRecord& record) {
  kalvex::ScriptDocument document;
  if (kalvex::OpenScriptFile(path, document)) return false;
  for (std::size_t i = 0; i < document.weapons.size(); ++i) {
    benchmark::DoNotOptimize(kalvex::ReadWeapon(document, i, record));
  }
  return true;
}

// File, Save of the largest file with 50 of its weapons edited: each weapon
// saved on its own text, all put back in one pass, the file replaced, the
// saved text opened as the window's script.
void BM_SaveLargestFileWithFiftyEdits(benchmark::State& state) {
  constexpr std::size_t kEdited = 50;
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "kalvex_user_tasks_bench_fifty.tdf";
  kalvex::ScriptDocument document =
      kalvex::OpenScript(kalvex::bench::GeneratedScript(kSeed, kalvex::bench::kLargestFileWeapons));
  std::vector<kalvex::WeaponRecord> records(kEdited);
  const std::size_t step = document.weapons.size() / kEdited;
  for (std::size_t i = 0; i < kEdited; ++i) kalvex::ReadWeapon(document, i * step, records[i]);
  int round = 0;
  for (auto _ : state) {
    std::vector<kalvex::WeaponText> texts;
    for (std::size_t i = 0; i < kEdited; ++i) {
      kalvex::WeaponRecord edited = records[i];
      edited.Weaprange = std::to_string(900 + round % 2);
      kalvex::SavedText saved =
          kalvex::SaveWeapon(kalvex::OpenWeaponAlone(document, i * step), 0, edited);
      if (!saved.ok()) {
        state.SkipWithError("a weapon could not be saved");
        return;
      }
      texts.push_back({i * step, std::move(saved.text)});
    }
    std::string text = kalvex::WithWeaponTexts(document, texts);
    if (!kalvex::SaveScriptFile(kalvex::Utf8FromPath(path), text).ok()) {
      state.SkipWithError("the save failed");
      break;
    }
    document = kalvex::OpenScript(std::move(text));
    ++round;
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_SaveLargestFileWithFiftyEdits)->Unit(benchmark::kMillisecond);

// The largest file read once and every weapon of it filled in, which saving
// it is held against.
void BM_ReadLargestFile(benchmark::State& state) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "kalvex_user_tasks_bench_read.tdf";
  if (!kalvex::SaveScriptFile(
           kalvex::Utf8FromPath(path),
           kalvex::bench::GeneratedScript(kSeed, kalvex::bench::kLargestFileWeapons))
           .ok()) {
    state.SkipWithError("the file could not be written");
    return;
  }
  kalvex::WeaponRecord record;
  for (auto _ : state) {
    if (!ReadEveryWeapon(path, record)) {
      state.SkipWithError("the file could not be read");
      break;
    }
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_ReadLargestFile)->Unit(benchmark::kMillisecond);

// `command` over every file of the mod, what it prints thrown away.
void RunOverMod(benchmark::State& state, const kalvex::tdf::Command& command) {
  std::vector<std::string> paths;
  for (const std::filesystem::path& path : ModFiles()) paths.push_back(path.string());
  const std::vector<std::string_view> args(paths.begin(), paths.end());
  std::istringstream in;
  for (auto _ : state) {
    std::ostringstream out, err;
    benchmark::DoNotOptimize(command.run({args, in, out, err}));
  }
}

// kalvex-tdf check over every file of the mod.
void BM_CheckMod(benchmark::State& state) { RunOverMod(state, kalvex::tdf::kCheckCommand); }
BENCHMARK(BM_CheckMod)->Unit(benchmark::kMillisecond);

// kalvex-tdf table over every file of the mod, every key a column.
void BM_TableMod(benchmark::State& state) { RunOverMod(state, kalvex::tdf::kTableCommand); }
BENCHMARK(BM_TableMod)->Unit(benchmark::kMillisecond);

// kalvex-tdf apply of the mod's table with every weapon's range changed, the
// files rewritten each time: a copy of the mod, so that the other measures
// read it as generated.
void BM_ApplyModColumn(benchmark::State& state) {
  const std::vector<std::filesystem::path> files = kalvex::bench::WriteGeneratedMod(
      kSeed, std::filesystem::temp_directory_path() / "kalvex_user_tasks_bench_apply");
  std::vector<std::string> words = {"--keys", "range"};
  for (const std::filesystem::path& path : files) words.push_back(path.string());
  const std::vector<std::string_view> table_args(words.begin(), words.end());
  std::istringstream none;
  std::ostringstream table, err;
  kalvex::tdf::kTableCommand.run({table_args, none, table, err});
  // The table with each range cell, the last of its row, made `range`.
  const auto with_range = [rows = table.str()](std::string_view range) {
    std::string changed;
    for (std::size_t begin = 0, end; begin < rows.size(); begin = end + 1) {
      end = rows.find('\n', begin);
      const std::string_view row = std::string_view(rows).substr(begin, end - begin);
      changed.append(begin == 0 ? row : row.substr(0, row.rfind('\t') + 1));
      if (begin != 0) changed.append(range);
      changed += '\n';
    }
    return changed;
  };
  const std::string tables[] = {with_range("901"), with_range("902")};
  const std::vector<std::string_view> args = {"-"};
  std::size_t round = 0;
  for (auto _ : state) {
    std::istringstream in(tables[round++ % 2]);
    std::ostringstream out;
    if (kalvex::tdf::kApplyCommand.run({args, in, out, err}) != 0) {
      state.SkipWithError("apply failed");
      break;
    }
  }
}
BENCHMARK(BM_ApplyModColumn)->Unit(benchmark::kMillisecond);

// Every file of the mod read once and every weapon of it filled in.
void BM_ReadModOnce(benchmark::State& state) {
  kalvex::WeaponRecord record;
  for (auto _ : state) {
    for (const std::filesystem::path& path : ModFiles()) {
      if (!ReadEveryWeapon(path, record)) {
        state.SkipWithError("a file could not be read");
        return;
      }
    }
  }
}
BENCHMARK(BM_ReadModOnce)->Unit(benchmark::kMillisecond);

}  // namespace

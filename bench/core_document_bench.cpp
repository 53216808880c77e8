// Script documents: a script of one weapon opened; a large file of many
// weapons opened, one weapon read, changed and saved in place, the saved
// bytes built in memory.
#include <benchmark/benchmark.h>

#include <string>

#include "record/weapon_record.h"
#include "script/script_document.h"
#include "tests/core/test_support.h"

namespace {

std::string WorkedExample() { return kalvex::test::ReadTestData("worked_example.tdf"); }

// `weapons` weapons in about `bytes`: the worked example under codes of
// their own, each followed by a comment and padded with entries without a
// field.
std::string ManyWeapons(std::size_t weapons, std::size_t bytes) {
  const std::string example = WorkedExample();
  const std::string body = example.substr(example.find('\n'));
  std::string padding;
  while (example.size() + padding.size() + 40 < bytes / weapons) {
    padding += "\tshakeduration=1.5; // shakes\r\n";
  }
  std::string script;
  for (std::size_t i = 0; i < weapons; ++i) {
    script += "[ROCKET_OF_THE_MOD_" + std::to_string(i) + "]";
    std::string weapon = body;
    weapon.insert(weapon.find("\t[DAMAGE]"), padding);
    script += weapon + "\r\n// next\r\n";
  }
  return script;
}

// What File, Open does with a script of one weapon: the document made, its
// weapon read. The reader's BM_ReadWorkedExample is the same without the
// document kept.
void BM_OpenWorkedExample(benchmark::State& state) {
  const std::string script = WorkedExample();
  kalvex::WeaponRecord record;
  for (auto _ : state) {
    const kalvex::ScriptDocument document = kalvex::OpenScript(script);
    benchmark::DoNotOptimize(kalvex::ReadWeapon(document, 0, record));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * script.size()));
}
BENCHMARK(BM_OpenWorkedExample);

void BM_OpenAndSaveSecondToLastWeapon(benchmark::State& state) {
  const std::size_t weapons = 600;
  const std::string script = ManyWeapons(weapons, static_cast<std::size_t>(state.range(0)));
  kalvex::WeaponRecord record;
  for (auto _ : state) {
    const kalvex::ScriptDocument document = kalvex::OpenScript(script);
    kalvex::ReadWeapon(document, weapons - 2, record);
    record.Weapdamage = "250";
    benchmark::DoNotOptimize(kalvex::SaveWeapon(document, weapons - 2, record));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * script.size()));
}
BENCHMARK(BM_OpenAndSaveSecondToLastWeapon)->Arg(1 << 20);

}  // namespace

// The script reader: one script read from memory, and large inputs whose time
// should grow linearly with their size.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>

#include "record/weapon_record.h"
#include "script/script_reader.h"

namespace {

std::string WorkedExample() {
  std::ifstream in(KALVEX_TEST_DATA "/worked_example.tdf", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A weapon whose body repeats the worked example's entries up to `bytes`.
std::string LargeScript(std::size_t bytes) {
  const std::string example = WorkedExample();
  const std::size_t body = example.find('{') + 1;
  const std::string entries = example.substr(body, example.find("\t[DAMAGE]") - body);
  std::string script = "[LARGE]\r\n\t{";
  while (script.size() < bytes) script += entries;
  return script + "}";
}

// A weapon body full of keys the reader does not know: every entry is a
// finding, and all but the first thousand are only counted.
std::string UnknownKeys(std::size_t bytes) {
  std::string script = "[T]{";
  while (script.size() < bytes) script += "\tazimuth=7;\r\n";
  return script + "}";
}

void BM_ReadWorkedExample(benchmark::State& state) {
  const std::string script = WorkedExample();
  kalvex::WeaponRecord record;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kalvex::ReadScript(script, record));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * script.size()));
}
BENCHMARK(BM_ReadWorkedExample);

void ReadLarge(benchmark::State& state, const std::string& script) {
  kalvex::WeaponRecord record;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kalvex::ReadScript(script, record));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * script.size()));
  state.SetComplexityN(static_cast<std::int64_t>(script.size()));
}

void BM_ReadLargeScript(benchmark::State& state) {
  ReadLarge(state, LargeScript(static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(BM_ReadLargeScript)
    ->RangeMultiplier(2)
    ->Range(256 << 10, 2 << 20)
    ->Complexity(benchmark::oN);

void BM_ReadUnknownKeys(benchmark::State& state) {
  ReadLarge(state, UnknownKeys(static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(BM_ReadUnknownKeys)
    ->RangeMultiplier(2)
    ->Range(256 << 10, 2 << 20)
    ->Complexity(benchmark::oN);

void BM_ReadEqualsSigns(benchmark::State& state) {
  ReadLarge(state, "[T]{" + std::string(static_cast<std::size_t>(state.range(0)), '='));
}
BENCHMARK(BM_ReadEqualsSigns)
    ->RangeMultiplier(2)
    ->Range(256 << 10, 2 << 20)
    ->Complexity(benchmark::oN);

}  // namespace

// The script reader: one script read from memory, and large inputs whose time
// should grow linearly with their size.
#include <benchmark/benchmark.h>

#include <string>

#include "record/weapon_record.h"
#include "script/script_reader.h"
#include "tests/core/test_support.h"

namespace {

std::string WorkedExample() { return kalvex::test::ReadTestData("worked_example.tdf"); }

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

std::string EqualsSigns(std::size_t bytes) { return "[T]{" + std::string(bytes, '='); }

void Read(benchmark::State& state, const std::string& script) {
  kalvex::WeaponRecord record;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kalvex::ReadScript(script, record));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * script.size()));
  state.SetComplexityN(static_cast<std::int64_t>(script.size()));
}

void ReadLarge(benchmark::State& state, std::string (*make)(std::size_t)) {
  Read(state, make(static_cast<std::size_t>(state.range(0))));
}

// Large inputs from 256 KiB to 2 MiB, their time fitted to their size.
void Sizes(benchmark::internal::Benchmark* b) {
  b->RangeMultiplier(2)->Range(256 << 10, 2 << 20)->Complexity(benchmark::oN);
}

void BM_ReadWorkedExample(benchmark::State& state) { Read(state, WorkedExample()); }
BENCHMARK(BM_ReadWorkedExample);
void BM_ReadLargeScript(benchmark::State& state) { ReadLarge(state, LargeScript); }
BENCHMARK(BM_ReadLargeScript)->Apply(Sizes);
void BM_ReadUnknownKeys(benchmark::State& state) { ReadLarge(state, UnknownKeys); }
BENCHMARK(BM_ReadUnknownKeys)->Apply(Sizes);
void BM_ReadEqualsSigns(benchmark::State& state) { ReadLarge(state, EqualsSigns); }
BENCHMARK(BM_ReadEqualsSigns)->Apply(Sizes);

}  // namespace

// Writing one weapon script to memory, reusing the output string as the
// editor does between saves.
#include <benchmark/benchmark.h>

#include <string>

#include "script/script_writer.h"
#include "tests/core/test_support.h"

namespace kalvex {
namespace {

void WriteRecord(benchmark::State& state, const WeaponRecord& record) {
  std::string bytes;
  for (auto _ : state) {
    WriteScript(record, bytes);
    benchmark::DoNotOptimize(bytes.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(bytes.size()));
}

void BM_WriteWorkedExample(benchmark::State& state) { WriteRecord(state, test::WorkedExample()); }
BENCHMARK(BM_WriteWorkedExample);

void BM_WriteResetRecord(benchmark::State& state) { WriteRecord(state, WeaponRecord{}); }
BENCHMARK(BM_WriteResetRecord);

}  // namespace
}  // namespace kalvex

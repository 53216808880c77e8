// Writing one weapon script to memory.
#include <benchmark/benchmark.h>

#include <string>

#include "script/script_writer.h"
#include "tests/core/test_support.h"

namespace kalvex {
namespace {

void WriteRecord(benchmark::State& state, const WeaponRecord& record) {
  std::size_t size = 0;
  for (auto _ : state) {
    const std::string bytes = WriteScript(record);
    benchmark::DoNotOptimize(bytes.data());
    size = bytes.size();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(size));
}

void BM_WriteWorkedExample(benchmark::State& state) { WriteRecord(state, test::WorkedExample()); }
BENCHMARK(BM_WriteWorkedExample);

void BM_WriteResetRecord(benchmark::State& state) { WriteRecord(state, WeaponRecord{}); }
BENCHMARK(BM_WriteResetRecord);

}  // namespace
}  // namespace kalvex

#pragma once
// The companion of a drawing benchmark: a memcpy of as many bytes as the drawing's picture holds,
// the least any paint of that picture can cost. Compare the two as a ratio from one run.

#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstring>
#include <vector>

namespace harvesta {

inline void MemcpyOfBytes(benchmark::State& state, std::size_t bytes) {
    std::vector<std::uint8_t> from(bytes, 1), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(bytes));
}

} // namespace harvesta

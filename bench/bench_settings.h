#pragma once

#include <benchmark/benchmark.h>

// Every case runs in repetitions of at least half a second each and is reported by its median,
// which a stray burst of load on the machine does not move.
inline void repeated(benchmark::internal::Benchmark* benchmark) {
    benchmark->Unit(benchmark::kMillisecond)
        ->Repetitions(9)
        ->MinTime(0.5)
        ->ReportAggregatesOnly(true);
}

// For cases that wait on the disk: their time is wall-clock time, not processor time.
inline void repeatedWallClock(benchmark::internal::Benchmark* benchmark) {
    repeated(benchmark);
    benchmark->UseRealTime();
}

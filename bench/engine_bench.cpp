// Time per evaluation, per report composed in memory and per check run written to a file.
// Run: cmake --preset bench && cmake --build --preset bench && build/bench/bench/engine_bench
// (QUENMAR_BENCH_DIR chooses the folder of the report files; /dev/shm by default, a tmpfs.)

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "check_run.h"
#include "evaluation.h"
#include "report.h"
#include "sample_inputs.h"
#include "utf8.h"

namespace {
// The report example: End-Top, N and N-m, one F.1.2-a component failing.
NozzleCheckInput sampleInput() { return endTopNewtonInput(); }

void BM_EvaluateNozzleLoads(benchmark::State& state) {
    NozzleCheckInput in = sampleInput();
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        NozzleCheckResult r = EvaluateNozzleLoads(in);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_EvaluateNozzleLoads);

void BM_ComposeCheckReport(benchmark::State& state) {
    const NozzleCheckInput in = sampleInput();
    const NozzleCheckResult r = EvaluateNozzleLoads(in);
    for (auto _ : state) {
        std::string text = ComposeCheckReport(in, r);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_ComposeCheckReport);

void BM_RunNozzleCheckToFile(benchmark::State& state) {
    const char* szDir = std::getenv("QUENMAR_BENCH_DIR");
    const std::string dir = szDir ? szDir : "/dev/shm";
    NozzleCheckInput in = sampleInput();
    in.strOutFileName = L"bench.txt";
    in.strOutFile = fromUtf8(dir) + L"/quenmar-bench.txt";
    for (auto _ : state) {
        NozzleCheckOutcome outcome = RunNozzleCheck(in);
        if (!outcome.bCompleted) state.SkipWithError("the report could not be written");
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_RunNozzleCheckToFile);
}  // namespace

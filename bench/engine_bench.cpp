// Time per evaluation, per report composed in memory and per check run written to a file.
// Run: cmake --preset bench && cmake --build --preset bench && build/bench/bench/engine_bench
// (QUENMAR_BENCH_DIR chooses the folder of the report files; /dev/shm by default, a tmpfs.)

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "check_run.h"
#include "evaluation.h"
#include "report.h"
#include "utf8.h"

namespace {
NozzleCheckInput sampleInput() {
    NozzleCheckInput in;
    in.nUnit = UnitSI;
    in.nXSuc = -450;
    in.nYDis = 300;
    in.nZDis = 420;
    in.nSucSize = 6;
    in.nDisSize = 4;
    in.strAllowSuc = {L"3110", L"2490", L"2050", L"2300", L"1180", L"1760"};
    in.strAllowDis = {L"1420", L"1160", L"1780", L"1330", L"680", L"1000"};
    in.nAppliedSuc = {1200, -800, 950, 1500, -600, 900};
    in.nAppliedDis = {-700, 500, 3600, 800, 400, -650};
    return in;
}

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

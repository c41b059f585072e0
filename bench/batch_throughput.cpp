// Batch throughput of quenmar-check: generates random cases as a CSV batch, runs the built tool on
// it as a user would (summary only, then with a report file a case) and prints cases per second
// and the tool's peak memory.
//
//   batch_throughput [--cases N] [--memory-cases N] [--keep DIR]
//
// Targets on the 2-core reference machine: 300,000 cases/s summary only, 20,000 cases/s with
// reports, peak memory under 50 MB for a batch of one million cases.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr double kTargetSummaryCasesPerSecond = 300000;
constexpr double kTargetReportCasesPerSecond = 20000;
constexpr double kTargetPeakMegabytes = 50;

// Random but plausible cases, written as CSV and as JSON Lines: all three arrangements and unit
// systems, the nine Table 4 sizes, loads up to about twice the allowables so that many fail, and
// now and then a size without a column (refused) so that every path of the batch is taken.
void WriteCases(const fs::path& csvPath, const fs::path& jsonPath, std::size_t nCases) {
    std::ofstream csv(csvPath, std::ios::binary);
    std::ofstream json(jsonPath, std::ios::binary);
    csv << "case,pump_type,unit,suc_size,dis_size,xSuc,ySuc,zSuc,xDis,yDis,zDis,"
           "FxSA,FySA,FzSA,MxSA,MySA,MzSA,FxDA,FyDA,FzDA,MxDA,MyDA,MzDA\n";
    std::mt19937 rng(20041);
    const char* const types[] = {"end-top", "top-top", "side-side"};
    const char* const units[] = {"kg", "N", "lb"};
    const int sizes[] = {2, 3, 4, 6, 8, 10, 12, 14, 16};
    const int loadScale[] = {300, 3000, 700};  // of the unit systems, roughly one allowable
    auto pick = [&](int nLow, int nHigh) {
        return std::uniform_int_distribution<int>(nLow, nHigh)(rng);
    };
    for (std::size_t i = 0; i < nCases; ++i) {
        const int nType = pick(0, 2);
        const int nUnit = pick(0, 2);
        const int nSucSize = pick(0, 99) == 0 ? 5 : sizes[pick(0, 8)];
        const int nDisSize = sizes[pick(0, 8)];
        const int nScale = loadScale[nUnit] * std::max(nDisSize, 2) / 4;
        int nPos[6];
        int nLoad[12];
        for (int& nVal : nPos) nVal = pick(100, 900) * (pick(0, 1) ? 1 : -1);
        for (int& nVal : nLoad) nVal = pick(-nScale, nScale);

        csv << "case-" << i + 1 << ',' << types[nType] << ',' << units[nUnit] << ',' << nSucSize
            << ',' << nDisSize;
        for (const int nVal : nPos) csv << ',' << nVal;
        for (const int nVal : nLoad) csv << ',' << nVal;
        csv << '\n';

        auto list = [&](const int* nVals, int nCount) {
            json << '[';
            for (int k = 0; k < nCount; ++k) json << (k ? ", " : "") << nVals[k];
            json << ']';
        };
        json << "{\"case\": \"case-" << i + 1 << "\", \"pump_type\": \"" << types[nType]
             << "\", \"unit\": \"" << units[nUnit] << "\", \"suction\": {\"size\": " << nSucSize
             << ", \"position_mm\": ";
        list(nPos, 3);
        json << ", \"applied\": ";
        list(nLoad, 6);
        json << "}, \"discharge\": {\"size\": " << nDisSize << ", \"position_mm\": ";
        list(nPos + 3, 3);
        json << ", \"applied\": ";
        list(nLoad + 6, 6);
        json << "}}\n";
    }
}

struct Measured {
    double dSeconds = 0;
    double dPeakMegabytes = 0;
    int nExit = -1;
};

Measured RunTool(const std::vector<std::string>& args) {
    std::vector<std::string> argv = {QUENMAR_CHECK_EXE};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> cargv;
    for (auto& arg : argv) cargv.push_back(arg.data());
    cargv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(cargv[0], cargv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Measured measured;
    measured.dSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    measured.dPeakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is KiB
    measured.nExit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return measured;
}

// dTarget 0: a figure for information, without a target of its own.
void Report(const char* szWhat, std::size_t nCases, const Measured& measured, double dTarget) {
    const double dRate = static_cast<double>(nCases) / measured.dSeconds;
    std::printf("%-28s %9zu cases %8.3f s %10.0f cases/s", szWhat, nCases, measured.dSeconds,
                dRate);
    if (dTarget > 0) {
        std::printf(" (target %6.0f: %s)", dTarget, dRate >= dTarget ? "met" : "MISSED");
    } else {
        std::printf("%23s", "");
    }
    std::printf("  peak %6.1f MB%s\n", measured.dPeakMegabytes,
                measured.nExit < 0 || measured.nExit > 2 ? "  (the tool failed)" : "");
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t nCases = 100000;
    std::size_t nMemoryCases = 1000000;
    fs::path keep;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string strArg = argv[i];
        if (strArg == "--cases") nCases = std::stoul(argv[i + 1]);
        if (strArg == "--memory-cases") nMemoryCases = std::stoul(argv[i + 1]);
        if (strArg == "--keep") keep = argv[i + 1];
    }
    const fs::path dir =
        keep.empty() ? fs::temp_directory_path() / ("quenmar-bench-" + std::to_string(getpid()))
                     : keep;
    fs::create_directories(dir);
    const fs::path cases = dir / "cases.csv";
    const fs::path jsonCases = dir / "cases.jsonl";
    WriteCases(cases, jsonCases, nCases);

    std::printf("quenmar-check batch throughput (%s)\n", QUENMAR_CHECK_EXE);
    const Measured summaryOnly =
        RunTool({"--batch", cases.string(), "--summary", (dir / "summary.csv").string()});
    Report("summary only", nCases, summaryOnly, kTargetSummaryCasesPerSecond);
    const Measured jsonSummary =
        RunTool({"--batch", jsonCases.string(), "--summary", (dir / "summary-json.csv").string()});
    Report("summary only, JSON Lines", nCases, jsonSummary, 0);
    const Measured withReports =
        RunTool({"--batch", cases.string(), "--out-dir", (dir / "reports").string(), "--summary",
                 (dir / "summary-reports.csv").string()});
    Report("report file a case", nCases, withReports, kTargetReportCasesPerSecond);

    // Memory: a long batch must stay flat, with and without reports.
    const fs::path bigCases = dir / "cases-big.csv";
    WriteCases(bigCases, dir / "cases-big.jsonl", nMemoryCases);
    fs::remove_all(dir / "reports");
    const Measured bigSummary =
        RunTool({"--batch", bigCases.string(), "--summary", (dir / "summary-big.csv").string()});
    Report("summary only, long batch", nMemoryCases, bigSummary, kTargetSummaryCasesPerSecond);
    const Measured bigReports =
        RunTool({"--batch", bigCases.string(), "--out-dir", (dir / "reports").string(), "--summary",
                 (dir / "summary-big-reports.csv").string()});
    Report("report file a case, long", nMemoryCases, bigReports, kTargetReportCasesPerSecond);
    const double dPeak = std::max(bigSummary.dPeakMegabytes, bigReports.dPeakMegabytes);
    std::printf("peak memory for %zu cases: %.1f MB (target under %.0f MB: %s)\n", nMemoryCases,
                dPeak, kTargetPeakMegabytes, dPeak < kTargetPeakMegabytes ? "met" : "MISSED");

    if (keep.empty()) fs::remove_all(dir);
    return 0;
}

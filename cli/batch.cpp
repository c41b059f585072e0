#include "batch.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <thread>

#include "case_csv.h"
#include "case_json.h"
#include "case_name.h"
#include "check_pool.h"
#include "exit_codes.h"
#include "line_reader.h"
#include "summary.h"

namespace fs = std::filesystem;

namespace {

// Cases a chunk holds, and chunks on their way through the threads at a time: together they
// bound the memory of a batch of any length.
constexpr std::size_t kChunkCases = 256;
constexpr std::size_t kMaxChunksInFlight = 8;
constexpr std::chrono::milliseconds kProgressEvery{200};

void PrintError(const std::string& strWhat) {
    std::fprintf(stderr, "quenmar-check: %s\n", strWhat.c_str());
}

// Collects cases into chunks, names their reports in file order, hands the chunks to the pool
// and writes their rows in file order.
class BatchRun {
  public:
    BatchRun(const BatchOptions& options, std::FILE* out, unsigned nWorkers)
        : m_options(options), m_out(out), m_pool(options, nWorkers) {
        // A progress line only helps a person watching; it would garble a log file, and rows
        // printed to the same terminal show the progress themselves.
        m_bProgress = isatty(STDERR_FILENO) && (options.strSummaryPath || !isatty(STDOUT_FILENO));
        const std::string strHeader = SummaryRows::Header();
        std::fwrite(strHeader.data(), 1, strHeader.size(), m_out);
    }

    // A job slot for the next case, to be filled by the reader and then passed to Commit.
    BatchJob& NextJob() {
        if (!m_filling) m_filling = TakeChunk();
        if (m_filling->jobs.size() == m_nFilled) m_filling->jobs.emplace_back();
        BatchJob& job = m_filling->jobs[m_nFilled];
        job.error.reset();
        job.strReportName.clear();
        job.strJsonLine.clear();
        return job;
    }

    void Commit(BatchJob& job) {
        // Invalid rows take their name too, so that mending one leaves the other names as they
        // were.
        if (m_options.strOutDir) {
            job.strReportName = m_names.Claim(
                SanitiseCaseName(job.checkCase.strName, "case-" + std::to_string(job.nLine)));
        }
        if (++m_nFilled == kChunkCases) SubmitFilling();
    }

    int Finish() {
        if (m_filling) SubmitFilling();
        while (!m_inFlight.empty()) WriteOldest();
        if (m_bProgress && m_nCases > 0) {
            ShowProgress();
            std::fputc('\n', stderr);
        }
        if (m_nRefused > 0 || m_nInvalid > 0) return kExitRefused;
        return m_nFailed > 0 ? kExitFailed : kExitPassed;
    }

  private:
    std::unique_ptr<BatchChunk> TakeChunk() {
        if (m_spare.empty()) return std::make_unique<BatchChunk>();
        auto chunk = std::move(m_spare.back());
        m_spare.pop_back();
        return chunk;
    }

    void SubmitFilling() {
        m_filling->jobs.resize(m_nFilled);
        m_nFilled = 0;
        m_pool.Submit(*m_filling);
        m_inFlight.push_back(std::move(m_filling));
        if (m_inFlight.size() >= kMaxChunksInFlight) WriteOldest();
    }

    void WriteOldest() {
        std::unique_ptr<BatchChunk> chunk = std::move(m_inFlight.front());
        m_inFlight.pop_front();
        m_pool.WaitDone(*chunk);
        std::fwrite(chunk->strRows.data(), 1, chunk->strRows.size(), m_out);
        m_nFailed += chunk->nFailed;
        m_nRefused += chunk->nRefused;
        m_nInvalid += chunk->nInvalid;
        m_nCases += chunk->jobs.size();
        // A few updates a second are all a person can read.
        if (m_bProgress && std::chrono::steady_clock::now() - m_lastProgress > kProgressEvery) {
            ShowProgress();
            m_lastProgress = std::chrono::steady_clock::now();
        }
        m_spare.push_back(std::move(chunk));
    }

    void ShowProgress() {
        std::fprintf(stderr, "\rquenmar-check: %zu cases, %zu failed, %zu refused, %zu invalid",
                     m_nCases, m_nFailed, m_nRefused, m_nInvalid);
    }

    const BatchOptions& m_options;
    std::FILE* m_out;
    UniqueNames m_names;
    std::unique_ptr<BatchChunk> m_filling;
    std::size_t m_nFilled = 0;
    std::deque<std::unique_ptr<BatchChunk>> m_inFlight;
    std::vector<std::unique_ptr<BatchChunk>> m_spare;
    bool m_bProgress = false;
    std::chrono::steady_clock::time_point m_lastProgress;
    std::size_t m_nCases = 0;
    std::size_t m_nFailed = 0;
    std::size_t m_nRefused = 0;
    std::size_t m_nInvalid = 0;
    // Last, so that it is destroyed first: its threads may still hold chunks owned above.
    CheckPool m_pool;
};

void ReadCsvRows(CsvReader& reader, const CaseCsvHeader& header, BatchRun& run) {
    CsvRecord record;
    while (reader.Next(record)) {
        if (IsBlankRecord(record)) continue;
        BatchJob& job = run.NextJob();
        job.nLine = record.nLine;
        job.error = header.ReadRow(record, job.checkCase);
        run.Commit(job);
    }
}

void ReadJsonLines(LineReader& reader, bool bNamesNeeded, BatchRun& run) {
    std::string strLine;
    bool bTooLong = false;
    while (reader.Next(strLine, bTooLong)) {
        if (!bTooLong && strLine.find_first_not_of(" \t") == std::string::npos) continue;
        BatchJob& job = run.NextJob();
        job.nLine = reader.LineNumber();
        job.checkCase = CheckCase{};
        if (bTooLong) {
            job.error = CaseError{"", "line too long"};
        } else if (bNamesNeeded) {
            // Report names are given in file order, so the case name is needed here.
            job.error = ParseCaseJson(strLine, CaseJsonUse::BatchLine, job.checkCase);
        } else {
            job.strJsonLine.swap(strLine);
        }
        run.Commit(job);
    }
}

unsigned WorkerCount(unsigned nJobs) {
    if (nJobs == 0) nJobs = std::max(1u, std::thread::hardware_concurrency());
    // One thread checks on the reading thread itself; more hand the checks to workers.
    return nJobs == 1 ? 0 : nJobs;
}

}  // namespace

int RunBatch(const BatchOptions& options) {
    const std::string strExt = fs::path(options.strCasesPath).extension().string();
    const bool bCsv = strExt == ".csv" || strExt == ".CSV";
    const bool bJsonLines = strExt == ".jsonl" || strExt == ".ndjson";
    if (!bCsv && !bJsonLines) {
        PrintError(options.strCasesPath + ": unknown batch file type (.csv, .jsonl or .ndjson)");
        return kExitUsage;
    }
    std::error_code ec;
    if (fs::is_directory(options.strCasesPath, ec)) {
        PrintError(options.strCasesPath + ": is a folder, not a batch file");
        return kExitUsage;
    }
    std::ifstream in(options.strCasesPath, std::ios::binary);
    if (!in) {
        PrintError(options.strCasesPath + ": cannot open: " + std::strerror(errno));
        return kExitUsage;
    }
    // A CSV header that cannot be read stops the batch before anything is created.
    std::optional<CsvReader> csvReader;
    std::optional<LineReader> lineReader;
    CaseCsvHeader header;
    if (bCsv) {
        csvReader.emplace(in);
        CsvRecord record;
        if (!csvReader->Next(record)) {
            PrintError(options.strCasesPath + ": no header row");
            return kExitUsage;
        }
        if (auto error = CaseCsvHeader::Read(record, header)) {
            PrintError(options.strCasesPath + ": line " + std::to_string(record.nLine) + ": " +
                       error->Describe());
            return kExitUsage;
        }
    } else {
        lineReader.emplace(in);
    }
    if (options.strOutDir) {
        fs::create_directories(*options.strOutDir, ec);
        if (ec || !fs::is_directory(*options.strOutDir)) {
            PrintError(*options.strOutDir + ": cannot create the report folder" +
                       (ec ? ": " + ec.message() : ""));
            return kExitUsage;
        }
    }
    std::FILE* out = stdout;
    if (options.strSummaryPath) {
        out = std::fopen(options.strSummaryPath->c_str(), "wb");
        if (out == nullptr) {
            PrintError(*options.strSummaryPath + ": cannot create: " + std::strerror(errno));
            return kExitUsage;
        }
    }
    // Rows arrive a chunk at a time; a large buffer keeps the write calls few.
    std::setvbuf(out, nullptr, _IOFBF, 1 << 16);

    int nExit = 0;
    try {
        BatchRun run(options, out, WorkerCount(options.nJobs));
        if (csvReader) {
            ReadCsvRows(*csvReader, header, run);
        } else {
            ReadJsonLines(*lineReader, options.strOutDir.has_value(), run);
        }
        nExit = run.Finish();
    } catch (const std::ios_base::failure& e) {
        // The stream buffer throws when the file fails under it (a lost device, say).
        PrintError(options.strCasesPath + ": cannot read: " + e.what());
        nExit = kExitUsage;
    }
    bool bWritten = std::fflush(out) == 0 && !std::ferror(out);
    if (out != stdout && std::fclose(out) != 0) bWritten = false;
    if (!bWritten) {
        PrintError((options.strSummaryPath ? *options.strSummaryPath : "stdout") +
                   ": the summary could not be written completely");
        return kExitIoError;
    }
    return nExit;
}

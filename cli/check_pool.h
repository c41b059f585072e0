#pragma once
// The part of a batch that runs on several threads: checking chunks of cases and formatting their
// summary rows. Reading the cases, naming the reports and writing the summary stay on the
// calling thread, so the result does not depend on the number of threads.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "batch.h"
#include "case_error.h"
#include "check_case.h"
#include "summary.h"

struct BatchJob {
    std::size_t nLine = 0;           // where the case starts in the batch file
    CheckCase checkCase;             // the case, when it could be read
    std::optional<CaseError> error;  // why it could not
    std::string strReportName;       // its report file name without ".txt"; empty = no report
    // A JSON line still to be parsed into checkCase and error. Without reports no name is needed
    // in file order, so the parsing, the costliest step of such a batch, moves to the workers.
    std::string strJsonLine;
};

struct BatchChunk {
    std::vector<BatchJob> jobs;
    // Filled by the check:
    std::string strRows;  // summary rows, in the order of the jobs
    std::size_t nFailed = 0;
    std::size_t nRefused = 0;
    std::size_t nInvalid = 0;
    bool bDone = false;  // guarded by the pool
};

// Checks the cases of one chunk and formats their rows. One per thread: it keeps a row formatter.
class ChunkChecker {
  public:
    explicit ChunkChecker(const BatchOptions& options);
    void Check(BatchChunk& chunk);

  private:
    void CheckWithReport(const BatchJob& job, NozzleCheckInput& input, BatchChunk& chunk);
    void CheckSummaryOnly(const BatchJob& job, const NozzleCheckInput& input, BatchChunk& chunk);

    const BatchOptions& m_options;
    SummaryRows m_rows;
    std::string m_strPassed;
    std::string m_strFailed;
};

class CheckPool {
  public:
    // nWorkers 0 checks each chunk on the calling thread as it is submitted.
    CheckPool(const BatchOptions& options, unsigned nWorkers);
    ~CheckPool();
    CheckPool(const CheckPool&) = delete;
    CheckPool& operator=(const CheckPool&) = delete;

    void Submit(BatchChunk& chunk);
    void WaitDone(BatchChunk& chunk);

  private:
    void Work();

    const BatchOptions& m_options;
    std::optional<ChunkChecker> m_inline;
    std::mutex m_mutex;
    std::condition_variable m_workReady;
    std::condition_variable m_chunkDone;
    std::deque<BatchChunk*> m_pending;
    bool m_bStop = false;
    std::vector<std::thread> m_threads;
};

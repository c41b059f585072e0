#include "check_pool.h"

#include <filesystem>

#include "case_json.h"
#include "check_run.h"
#include "evaluation.h"
#include "utf8.h"

namespace fs = std::filesystem;

ChunkChecker::ChunkChecker(const BatchOptions& options)
    : m_options(options), m_strPassed(toUtf8(kMsgAllPassed)), m_strFailed(toUtf8(kMsgFailed)) {}

void ChunkChecker::Check(BatchChunk& chunk) {
    m_rows.Text().clear();
    chunk.nFailed = chunk.nRefused = chunk.nInvalid = 0;
    for (BatchJob& job : chunk.jobs) {
        if (!job.strJsonLine.empty()) {
            job.checkCase = CheckCase{};
            job.error = ParseCaseJson(job.strJsonLine, CaseJsonUse::BatchLine, job.checkCase);
        }
        if (job.error) {
            ++chunk.nInvalid;
            m_rows.AddUnchecked(job.checkCase.strName, CaseStatus::Invalid,
                                "line " + std::to_string(job.nLine) + ": " + job.error->Describe());
            continue;
        }
        NozzleCheckInput input = ToNozzleCheckInput(job.checkCase);
        if (m_options.strOutDir) {
            CheckWithReport(job, input, chunk);
        } else {
            CheckSummaryOnly(job, input, chunk);
        }
    }
    // Hand the rows over and keep a buffer of the same size for the next chunk.
    const std::size_t nCapacity = m_rows.Text().capacity();
    chunk.strRows.swap(m_rows.Text());
    m_rows.Text().reserve(nCapacity);
}

void ChunkChecker::CheckWithReport(const BatchJob& job, NozzleCheckInput& input,
                                   BatchChunk& chunk) {
    const std::string strFile = job.strReportName + ".txt";
    const std::string strPath = (fs::path(*m_options.strOutDir) / strFile).string();
    input.strOutFile = fromUtf8(strPath);
    input.strOutFileName = fromUtf8(strFile);
    const NozzleCheckOutcome outcome = RunNozzleCheck(input);
    if (!outcome.bCompleted) {
        ++chunk.nRefused;
        m_rows.AddUnchecked(job.checkCase.strName, CaseStatus::Refused, toUtf8(outcome.strMessage));
        return;
    }
    // The report came from the check run; the utilisations need the numbers behind it.
    const NozzleCheckResult result = EvaluateNozzleLoads(input);
    if (result.nFail > 0) ++chunk.nFailed;
    m_rows.AddChecked(job.checkCase.strName, result, strPath,
                      result.nFail == 0 ? m_strPassed : m_strFailed);
}

void ChunkChecker::CheckSummaryOnly(const BatchJob& job, const NozzleCheckInput& input,
                                    BatchChunk& chunk) {
    const NozzleCheckResult result = EvaluateNozzleLoads(input);
    if (const std::wstring strRefusal = RefusalBeforeOutput(input, result); !strRefusal.empty()) {
        ++chunk.nRefused;
        m_rows.AddUnchecked(job.checkCase.strName, CaseStatus::Refused, toUtf8(strRefusal));
        return;
    }
    if (result.nFail > 0) ++chunk.nFailed;
    m_rows.AddChecked(job.checkCase.strName, result, "",
                      result.nFail == 0 ? m_strPassed : m_strFailed);
}

CheckPool::CheckPool(const BatchOptions& options, unsigned nWorkers) : m_options(options) {
    if (nWorkers == 0) {
        m_inline.emplace(options);
        return;
    }
    for (unsigned i = 0; i < nWorkers; ++i) m_threads.emplace_back(&CheckPool::Work, this);
}

CheckPool::~CheckPool() {
    {
        std::lock_guard lock(m_mutex);
        m_bStop = true;
    }
    m_workReady.notify_all();
    for (auto& thread : m_threads) thread.join();
}

void CheckPool::Submit(BatchChunk& chunk) {
    if (m_inline) {
        m_inline->Check(chunk);
        chunk.bDone = true;
        return;
    }
    {
        std::lock_guard lock(m_mutex);
        chunk.bDone = false;
        m_pending.push_back(&chunk);
    }
    m_workReady.notify_one();
}

void CheckPool::WaitDone(BatchChunk& chunk) {
    std::unique_lock lock(m_mutex);
    m_chunkDone.wait(lock, [&] { return chunk.bDone; });
}

void CheckPool::Work() {
    ChunkChecker checker(m_options);
    for (;;) {
        BatchChunk* chunk = nullptr;
        {
            std::unique_lock lock(m_mutex);
            m_workReady.wait(lock, [&] { return m_bStop || !m_pending.empty(); });
            if (m_pending.empty()) return;  // stopping, and nothing left to check
            chunk = m_pending.front();
            m_pending.pop_front();
        }
        checker.Check(*chunk);
        {
            std::lock_guard lock(m_mutex);
            chunk->bDone = true;
        }
        m_chunkDone.notify_all();
    }
}

#pragma once
// Many cases in one run: a CSV or JSON Lines file in, a report file a case and a summary out.

#include <optional>
#include <string>

struct BatchOptions {
    std::string strCasesPath;                   // .csv, or .jsonl / .ndjson for JSON Lines
    std::optional<std::string> strOutDir;       // report folder; none = summary only, no reports
    std::optional<std::string> strSummaryPath;  // none = stdout
    unsigned nJobs = 0;                         // threads that check cases; 0 = one a core
};

// Runs the batch, holding only a bounded window of cases in memory however long the file. Cases
// are checked on several threads; the summary keeps the order of the file and report names do
// not depend on the number of threads. Returns the exit code: 0 all passed, 1 any failed, 2 any
// refused or invalid; 64 when the batch cannot start (an unknown file type, a file that cannot
// be opened, a bad CSV header) and 74 when the summary cannot be written. Errors that stop the
// batch go to stderr as one line.
int RunBatch(const BatchOptions& options);

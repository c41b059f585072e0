#pragma once
// Many cases in one run: a CSV or JSON Lines file in, a report file a case and a summary out.

#include <optional>
#include <string>

struct BatchOptions {
    std::string strCasesPath;                 // .csv, or .jsonl / .ndjson for JSON Lines
    std::optional<std::string> strOutDir;     // report folder; none = summary only, no reports
    std::optional<std::string> strSummaryPath;  // none = stdout
};

// Runs the batch case by case, never holding more than one case in memory. Returns the exit
// code: 0 all passed, 1 any failed, 2 any refused or invalid; 64 when the batch cannot start (an
// unknown file type, a file that cannot be opened, a bad CSV header) and 74 when the summary
// cannot be written. Errors that stop the batch go to stderr as one line.
int RunBatch(const BatchOptions& options);

#include "batch.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

#include "case_csv.h"
#include "case_json.h"
#include "case_name.h"
#include "check_case.h"
#include "check_run.h"
#include "evaluation.h"
#include "exit_codes.h"
#include "line_reader.h"
#include "refusal.h"
#include "summary.h"
#include "utf8.h"

namespace fs = std::filesystem;

namespace {

void PrintError(const std::string& strWhat) {
    std::fprintf(stderr, "quenmar-check: %s\n", strWhat.c_str());
}

// Checks one case at a time and keeps the counts that make the exit code.
class BatchRun {
public:
    BatchRun(const BatchOptions& options, SummaryWriter& summary)
        : m_options(options), m_summary(summary) {
        // A progress line only helps a person watching; it would garble a log file, and rows
        // printed to the same terminal show the progress themselves.
        m_bProgress = isatty(STDERR_FILENO) && (options.strSummaryPath || !isatty(STDOUT_FILENO));
    }

    void Checked(const CheckCase& checkCase, std::size_t nLine) {
        NozzleCheckInput input = ToNozzleCheckInput(checkCase);
        if (m_options.strOutDir) {
            CheckWithReport(checkCase.strName, input, nLine);
        } else {
            CheckSummaryOnly(checkCase.strName, input);
        }
        Progress();
    }

    void Invalid(const std::string& strCase, std::size_t nLine, const CaseError& error) {
        ++m_nInvalid;
        m_summary.WriteUnchecked(strCase, CaseStatus::Invalid,
                                 "line " + std::to_string(nLine) + ": " + error.Describe());
        Progress();
    }

    int Finish() {
        if (m_bProgress && m_nCases > 0) std::fputc('\n', stderr);
        if (m_nRefused > 0 || m_nInvalid > 0) return kExitRefused;
        return m_nFailed > 0 ? kExitFailed : kExitPassed;
    }

private:
    void CheckWithReport(const std::string& strCase, NozzleCheckInput& input, std::size_t nLine) {
        const std::string strName =
            m_names.Claim(SanitiseCaseName(strCase, "case-" + std::to_string(nLine)));
        const std::string strPath = (fs::path(*m_options.strOutDir) / (strName + ".txt")).string();
        input.strOutFile = fromUtf8(strPath);
        input.strOutFileName = fromUtf8(strName + ".txt");
        const NozzleCheckOutcome outcome = RunNozzleCheck(input);
        if (!outcome.bCompleted) {
            Refused(strCase, outcome.strMessage);
            return;
        }
        // The report came from the check run; the utilisations need the numbers behind it.
        const NozzleCheckResult result = EvaluateNozzleLoads(input);
        Count(result);
        m_summary.WriteChecked(strCase, result, strPath, toUtf8(outcome.strMessage));
    }

    void CheckSummaryOnly(const std::string& strCase, const NozzleCheckInput& input) {
        const NozzleCheckResult result = EvaluateNozzleLoads(input);
        if (const std::wstring strRefusal = RefusalBeforeOutput(input, result);
            !strRefusal.empty()) {
            Refused(strCase, strRefusal);
            return;
        }
        Count(result);
        m_summary.WriteChecked(strCase, result, "",
                               result.nFail == 0 ? m_strPassed : m_strFailed);
    }

    void Refused(const std::string& strCase, const std::wstring& strMessage) {
        ++m_nRefused;
        m_summary.WriteUnchecked(strCase, CaseStatus::Refused, toUtf8(strMessage));
    }

    void Count(const NozzleCheckResult& result) {
        if (result.nFail > 0) ++m_nFailed;
    }

    void Progress() {
        ++m_nCases;
        if (m_bProgress && m_nCases % 4096 == 0) {
            std::fprintf(stderr, "\rquenmar-check: %zu cases, %zu failed, %zu refused, %zu invalid",
                         m_nCases, m_nFailed, m_nRefused, m_nInvalid);
        }
    }

    const BatchOptions& m_options;
    SummaryWriter& m_summary;
    UniqueNames m_names;
    const std::string m_strPassed = toUtf8(kMsgAllPassed);
    const std::string m_strFailed = toUtf8(kMsgFailed);
    bool m_bProgress = false;
    std::size_t m_nCases = 0;
    std::size_t m_nFailed = 0;
    std::size_t m_nRefused = 0;
    std::size_t m_nInvalid = 0;
};

void ReadCsvRows(CsvReader& reader, const CaseCsvHeader& header, BatchRun& run) {
    CsvRecord record;
    CheckCase checkCase;
    while (reader.Next(record)) {
        if (IsBlankRecord(record)) continue;
        if (auto error = header.ReadRow(record, checkCase)) {
            run.Invalid(checkCase.strName, record.nLine, *error);
        } else {
            run.Checked(checkCase, record.nLine);
        }
    }
}

void ReadJsonLines(LineReader& reader, BatchRun& run) {
    std::string strLine;
    bool bTooLong = false;
    while (reader.Next(strLine, bTooLong)) {
        if (bTooLong) {
            run.Invalid("", reader.LineNumber(), CaseError{"", "line too long"});
            continue;
        }
        if (strLine.find_first_not_of(" \t") == std::string::npos) continue;
        CheckCase checkCase;
        if (auto error = ParseCaseJson(strLine, CaseJsonUse::BatchLine, checkCase)) {
            run.Invalid(checkCase.strName, reader.LineNumber(), *error);
        } else {
            run.Checked(checkCase, reader.LineNumber());
        }
    }
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
        std::error_code ec;
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

    SummaryWriter summary(out);
    summary.WriteHeader();
    BatchRun run(options, summary);
    if (csvReader) {
        ReadCsvRows(*csvReader, header, run);
    } else {
        ReadJsonLines(*lineReader, run);
    }
    const int nExit = run.Finish();
    bool bWritten = summary.Flush();
    if (out != stdout && std::fclose(out) != 0) bWritten = false;
    if (!bWritten) {
        PrintError((options.strSummaryPath ? *options.strSummaryPath : "stdout") +
                   ": the summary could not be written completely");
        return kExitIoError;
    }
    return nExit;
}

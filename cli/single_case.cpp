#include "single_case.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "case_json.h"
#include "check_case.h"
#include "check_run.h"
#include "exit_codes.h"
#include "utf8.h"

namespace {

// A case is a few hundred bytes; anything far larger is not a case file, and is not read whole.
constexpr std::size_t kMaxCaseFileBytes = 1 << 20;

void PrintError(const std::string& strPath, const std::string& strWhat) {
    std::fprintf(stderr, "quenmar-check: %s: %s\n", strPath.c_str(), strWhat.c_str());
}

}  // namespace

int RunSingleCase(const std::string& strCasePath, const std::optional<std::string>& strOutput) {
    std::ifstream in(strCasePath, std::ios::binary);
    if (!in) {
        PrintError(strCasePath, std::string("cannot open: ") + std::strerror(errno));
        return kExitUsage;
    }
    std::string strText(kMaxCaseFileBytes + 1, '\0');
    in.read(strText.data(), static_cast<std::streamsize>(strText.size()));
    strText.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        PrintError(strCasePath, "cannot read");
        return kExitUsage;
    }
    if (strText.size() > kMaxCaseFileBytes) {
        PrintError(strCasePath, "larger than 1 MiB; not a case file");
        return kExitUsage;
    }

    CheckCase checkCase;
    if (auto error = ParseCaseJson(strText, CaseJsonUse::SingleCase, checkCase)) {
        PrintError(strCasePath, error->Describe());
        return kExitUsage;
    }
    if (strOutput) checkCase.strOutput = fromUtf8(*strOutput);

    NozzleCheckInput input = ToNozzleCheckInput(checkCase);
    const NozzleCheckOutcome outcome = RunNozzleCheck(input);
    if (!outcome.bCompleted) {
        std::fprintf(stderr, "%s\n", toUtf8(outcome.strMessage).c_str());
        return kExitRefused;
    }
    std::printf("%s\n%s\n", toUtf8(input.strResultLine).c_str(),
                toUtf8(outcome.strMessage).c_str());
    return outcome.strMessage == kMsgAllPassed ? kExitPassed : kExitFailed;
}

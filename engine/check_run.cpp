#include "check_run.h"

#include "report.h"
#include "report_file.h"
#include "utf8.h"

namespace {
bool endsInTxt(const std::wstring& strName) {
    // Only these two spellings count; ".Txt" gains another ".txt".
    const std::wstring strLast = strName.size() < 4 ? strName : strName.substr(strName.size() - 4);
    return strLast == L".txt" || strLast == L".TXT";
}
}  // namespace

std::wstring ResultLinePrefix(int nFail) {
    if (nFail == 0) return L"Passed, ";
    if (nFail == 1) return L"One Fail is checked, ";
    return std::to_wstring(nFail) + L" Fails are checked, ";
}

std::wstring RefusalBeforeOutput(const NozzleCheckInput& input, const NozzleCheckResult& result) {
    // The flange position along each nozzle's own axis must have been entered.
    if ((input.nSucNozzType == EndNozzle && input.nXSuc == 0) ||
        (input.nSucNozzType == TopNozzle && input.nZSuc == 0) ||
        (input.nDisNozzType == TopNozzle && input.nZDis == 0)) {
        return kMsgNozzleDimension;
    }
    if (input.nSucSize == 0 || input.nDisSize == 0) return kMsgNozzleSize;
    if (result.nFnMsA[3] == 0 || result.nFnMsA[7] == 0 || result.nFnMdA[3] == 0 ||
        result.nFnMdA[7] == 0) {
        return kMsgAppliedLoads;
    }
    return {};
}

NozzleCheckOutcome RunNozzleCheck(NozzleCheckInput& input) {
    const NozzleCheckResult result = EvaluateNozzleLoads(input);
    if (std::wstring strRefusal = RefusalBeforeOutput(input, result); !strRefusal.empty()) {
        return {false, std::move(strRefusal)};
    }

    if (!endsInTxt(input.strOutFileName)) {
        input.strOutFileName += L".txt";
        input.strOutFile += L".txt";
    }
    // Shorter than "a.txt": no file was chosen.
    if (input.strOutFileName.size() < 5) return {false, kMsgOutputFile};

    // Nothing is reported as done unless the whole report reached the disk.
    if (!WriteWholeFile(toUtf8(input.strOutFile), ComposeCheckReport(input, result))) {
        return {false, kMsgOutputFile};
    }

    input.strResultLine = ResultLinePrefix(result.nFail) + L"see File " + input.strOutFileName;
    return {true, result.nFail == 0 ? kMsgAllPassed : kMsgFailed};
}

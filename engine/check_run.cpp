#include "check_run.h"

#include "evaluation.h"
#include "report.h"
#include "report_file.h"
#include "utf8.h"

namespace {
NozzleCheckOutcome refused(const wchar_t* szMessage) { return {false, szMessage}; }

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

NozzleCheckOutcome RunNozzleCheck(NozzleCheckInput& input) {
    // The flange position along each nozzle's own axis must have been entered.
    if ((input.nSucNozzType == EndNozzle && input.nXSuc == 0) ||
        (input.nSucNozzType == TopNozzle && input.nZSuc == 0) ||
        (input.nDisNozzType == TopNozzle && input.nZDis == 0)) {
        return refused(kMsgNozzleDimension);
    }
    if (input.nSucSize == 0 || input.nDisSize == 0) return refused(kMsgNozzleSize);

    const NozzleCheckResult result = EvaluateNozzleLoads(input);
    if (result.nFnMsA[3] == 0 || result.nFnMsA[7] == 0 || result.nFnMdA[3] == 0 ||
        result.nFnMdA[7] == 0) {
        return refused(kMsgAppliedLoads);
    }

    if (!endsInTxt(input.strOutFileName)) {
        input.strOutFileName += L".txt";
        input.strOutFile += L".txt";
    }
    // Shorter than "a.txt": no file was chosen.
    if (input.strOutFileName.size() < 5) return refused(kMsgOutputFile);

    // Nothing is reported as done unless the whole report reached the disk.
    if (!WriteWholeFile(toUtf8(input.strOutFile), ComposeCheckReport(input, result))) {
        return refused(kMsgOutputFile);
    }

    input.strResultLine = ResultLinePrefix(result.nFail) + L"see File " + input.strOutFileName;
    return {true, result.nFail == 0 ? kMsgAllPassed : kMsgFailed};
}

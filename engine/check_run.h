#pragma once
// One complete check as the "Nozzle Load Check" button starts it, without any window.

#include <string>

#include "evaluation.h"
#include "nozzle_check_input.h"

// Refusal and closing texts of the check run, as the user sees them.
inline constexpr const wchar_t* kMsgNozzleDimension = L"Pump Nozzle Dimension을 입력하세요.";
inline constexpr const wchar_t* kMsgNozzleSize = L"Pump Nozzle Size를 입력하세요.";
inline constexpr const wchar_t* kMsgAppliedLoads =
    L"Applied(Computed) Nozzle Forces & Moments를 입력하세요.";
inline constexpr const wchar_t* kMsgOutputFile = L"체크하여 결과를 출력할 파일을 입력하세요.";
inline constexpr const wchar_t* kMsgAllPassed = L"All Nozzle Loads are Passed.\nCheck result Output File.";
inline constexpr const wchar_t* kMsgFailed = L"*** Failed ***\nCheck Result output as the File.";

struct NozzleCheckOutcome {
    bool bCompleted = false;  // true: report written and strResultLine set; false: refused
    std::wstring strMessage;  // a refusal text or a closing text
};

// The refusal text of the tests that come before the output file (nozzle position, nozzle size,
// applied resultants of 0), or an empty text when the check goes on. `result` is the evaluation of
// `input`. A summary that evaluates without writing reports refuses exactly what the run refuses.
std::wstring RefusalBeforeOutput(const NozzleCheckInput& input, const NozzleCheckResult& result);

// Tests the input, evaluates it, writes the report to strOutFile (".txt" appended to it and to
// strOutFileName when the name lacks it) and sets strResultLine. A report that cannot be written
// completely refuses the run and leaves any earlier file at that path as it was.
NozzleCheckOutcome RunNozzleCheck(NozzleCheckInput& input);

// The Result line's first part for a fail count: "Passed, ", "One Fail is checked, ", ...
std::wstring ResultLinePrefix(int nFail);

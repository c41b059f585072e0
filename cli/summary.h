#pragma once
// The batch summary: one CSV row a case with its status and the utilisation of every criterion.

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "evaluation.h"

inline constexpr int kCriterionCount = 17;

// The 17 criteria in the order of the report: F.1.2-a suction Fx ... Mz and discharge Fx ... Mz,
// F.1.2-b suction and discharge, F.1.2-c Fr, My, Mr. These are also the summary's column heads.
extern const std::array<const char*, kCriterionCount> kCriterionNames;

// Each criterion's value over its limit: ratio / 2.0, sum / 2.0, FrCA / dLimitFr,
// |MyCA| / dLimitMy, MrCA / dLimitMr. Above 1 fails; exactly 1 passes F.1.2-a and -b but fails
// F.1.2-c, whose comparison is strict. An allowable of 0 gives inf or nan.
std::array<double, kCriterionCount> Utilisations(const NozzleCheckResult& result);

// The criterion with the greatest utilisation, the first one on a tie; nan counts as greatest,
// since such a criterion always fails.
int GoverningCriterion(const std::array<double, kCriterionCount>& dUtil);

enum class CaseStatus { Passed, Failed, Refused, Invalid };

// Formats summary rows into a text of its own; a batch formats rows on several threads, each
// into its own SummaryRows, and writes the texts in the order of the cases.
class SummaryRows {
  public:
    static std::string Header();
    // A checked case (passed or failed); strReport is empty when no report file was written.
    void AddChecked(std::string_view strCase, const NozzleCheckResult& result,
                    std::string_view strReport, std::string_view strMessage);
    // A refused or invalid case: no fails, no utilisations, no report.
    void AddUnchecked(std::string_view strCase, CaseStatus status, std::string_view strMessage);
    std::string& Text() { return m_text; }  // the rows added so far

  private:
    // A text cell, made safe for spreadsheets; bRepeats for texts that recur row after row.
    void Cell(std::string_view text, bool bRepeats = false);
    std::string m_text;
    // The few texts that repeat on every row (closing and refusal messages) made into cells once.
    std::array<std::pair<std::string, std::string>, 8> m_cellCache;
    std::size_t m_nCached = 0;
};

// A utilisation with four decimals, as to_chars writes it ("nan" for NaN, "inf" for infinity).
void AppendUtilisation(std::string& strOut, double dVal);

// A CSV cell for a text: quoted when it holds a comma, quote or line break; a text that starts
// with '=', '+', '-', '@', a tab or a carriage return gets a leading apostrophe, so that no
// spreadsheet takes it for a formula. Line breaks inside become blanks, one row staying one line.
std::string CsvCell(std::string_view text);

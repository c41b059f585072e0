#include "summary.h"

#include <charconv>
#include <cmath>

const std::array<const char*, kCriterionCount> kCriterionNames = {
    "FxSA", "FySA", "FzSA", "MxSA", "MySA", "MzSA", "FxDA", "FyDA", "FzDA",
    "MxDA", "MyDA", "MzDA", "SumS", "SumD", "FrCA", "MyCA", "MrCA",
};

std::array<double, kCriterionCount> Utilisations(const NozzleCheckResult& result) {
    std::array<double, kCriterionCount> dUtil{};
    for (int i = 0; i < 6; ++i) {
        dUtil[i] = result.dRatioS[i] / 2.0;
        dUtil[6 + i] = result.dRatioD[i] / 2.0;
    }
    dUtil[12] = result.dSumS / 2.0;
    dUtil[13] = result.dSumD / 2.0;
    dUtil[14] = result.FrCA / result.dLimitFr;
    dUtil[15] = std::fabs(result.MyCA) / result.dLimitMy;
    dUtil[16] = result.MrCA / result.dLimitMr;
    return dUtil;
}

int GoverningCriterion(const std::array<double, kCriterionCount>& dUtil) {
    int nGoverning = 0;
    for (int i = 1; i < kCriterionCount; ++i) {
        if (std::isnan(dUtil[nGoverning])) break;
        if (std::isnan(dUtil[i]) || dUtil[i] > dUtil[nGoverning]) nGoverning = i;
    }
    return nGoverning;
}

std::string CsvCell(std::string_view text) {
    std::string strCell;
    if (!text.empty() && (text[0] == '=' || text[0] == '+' || text[0] == '-' || text[0] == '@' ||
                          text[0] == '\t' || text[0] == '\r')) {
        strCell = "'";
    }
    bool bQuote = false;
    for (const char ch : text) {
        if (ch == '\n' || ch == '\r') {
            strCell += ' ';
            continue;
        }
        if (ch == ',' || ch == '"') bQuote = true;
        strCell += ch;
        if (ch == '"') strCell += '"';
    }
    return bQuote ? "\"" + strCell + "\"" : strCell;
}

namespace {
const char* StatusName(CaseStatus status) {
    switch (status) {
        case CaseStatus::Passed:
            return "passed";
        case CaseStatus::Failed:
            return "failed";
        case CaseStatus::Refused:
            return "refused";
        case CaseStatus::Invalid:
            return "invalid";
    }
    return "";
}
}  // namespace

std::string SummaryRows::Header() {
    std::string strHeader = "case,status,fails,governing,utilisation";
    for (const char* name : kCriterionNames) {
        strHeader += ',';
        strHeader += name;
    }
    return strHeader + ",report,message\n";
}

void SummaryRows::Cell(std::string_view text, bool bRepeats) {
    // The common case, a plain text, is copied as it stands.
    const bool bPlain =
        text.find_first_of(",\"\n\r") == std::string_view::npos &&
        (text.empty() || std::string_view("=+-@\t").find(text[0]) == std::string_view::npos);
    if (bPlain) {
        m_text += text;
        return;
    }
    if (!bRepeats) {
        m_text += CsvCell(text);
        return;
    }
    for (std::size_t i = 0; i < m_nCached; ++i) {
        if (m_cellCache[i].first == text) {
            m_text += m_cellCache[i].second;
            return;
        }
    }
    std::string strCell = CsvCell(text);
    m_text += strCell;
    if (m_nCached < m_cellCache.size()) m_cellCache[m_nCached++] = {std::string(text), strCell};
}

void AppendUtilisation(std::string& strOut, double dVal) {
    if (std::isnan(dVal)) {
        strOut += "nan";
        return;
    }
    // Eighteen numbers a row made to_chars the costliest step of a summary-only batch. For the
    // usual utilisations the scaled value is exact to well below 1e-6, so rounding it gives the
    // digits of the exact decimal expansion; values near a tie of the fifth decimal, and large
    // ones, still go through to_chars.
    const double dScaled = dVal * 10000.0;
    if (dVal >= 0 && dVal < 1e5 && std::fabs(dScaled - std::floor(dScaled) - 0.5) > 1e-6) {
        const auto nScaled = static_cast<long long>(dScaled + 0.5);
        char szDigits[24];
        auto [end, ec] = std::to_chars(szDigits, szDigits + sizeof szDigits, nScaled / 10000);
        *end++ = '.';
        const auto nFraction = static_cast<int>(nScaled % 10000);
        for (int nDivisor = 1000; nDivisor > 0; nDivisor /= 10) {
            *end++ = static_cast<char>('0' + nFraction / nDivisor % 10);
        }
        strOut.append(szDigits, end);
        return;
    }
    char szBuff[400];  // the largest double has 309 digits before the point
    const auto [ptr, ec] =
        std::to_chars(szBuff, szBuff + sizeof szBuff, dVal, std::chars_format::fixed, 4);
    strOut.append(szBuff, ec == std::errc() ? ptr : szBuff);
}

void SummaryRows::AddChecked(std::string_view strCase, const NozzleCheckResult& result,
                             std::string_view strReport, std::string_view strMessage) {
    const auto dUtil = Utilisations(result);
    const int nGoverning = GoverningCriterion(dUtil);
    Cell(strCase);
    m_text += ',';
    m_text += StatusName(result.nFail == 0 ? CaseStatus::Passed : CaseStatus::Failed);
    m_text += ',';
    m_text += std::to_string(result.nFail);
    m_text += ',';
    m_text += kCriterionNames[nGoverning];
    m_text += ',';
    AppendUtilisation(m_text, dUtil[nGoverning]);
    for (const double dVal : dUtil) {
        m_text += ',';
        AppendUtilisation(m_text, dVal);
    }
    m_text += ',';
    Cell(strReport);
    m_text += ',';
    Cell(strMessage, true);
    m_text += '\n';
}

void SummaryRows::AddUnchecked(std::string_view strCase, CaseStatus status,
                               std::string_view strMessage) {
    Cell(strCase);
    m_text += ',';
    m_text += StatusName(status);
    m_text += ",,,";
    m_text.append(kCriterionCount, ',');
    m_text += ",,";
    Cell(strMessage, status == CaseStatus::Refused);
    m_text += '\n';
}

#include "report.h"

#include <cmath>
#include <cstddef>
#include <string_view>

#include "number_format.h"

namespace {
// Every line ends in CR LF on every platform: the report has always been a Windows text file,
// and engineers compare reports byte for byte.
constexpr std::string_view kEol = "\r\n";

struct UnitWords {
    const char* szForce;
    const char* szMoment;
};

UnitWords unitWordsOf(int nUnit) {
    if (nUnit == UnitKg) return {"kg", "kg-m"};
    if (nUnit == UnitSI) return {"N", "N-m"};
    return {"lb", "ft-lb"};
}

const char* suctionWord(int nType) {
    if (nType == EndNozzle) return "End";
    if (nType == TopNozzle) return "Top";
    return "Side";
}

const char* dischargeWord(int nType) { return nType == TopNozzle ? "Top" : "Side"; }

std::string dec(long long n) { return std::to_string(n); }

// "%-8.1f" cut at its first blank: one decimal, no padding.
std::string oneDecimal(double dVal) { return formatFixedLegacy(dVal, 1); }

// A row of four labels ("FxST4 =            FyST4 = ...") with each value written just after
// its "= ", overwriting what stands there: a long value runs into the next label, as the report
// has always printed it. The line ends after the fourth unit word.
std::string loadLine(std::string_view tmpl, std::size_t nLabel, std::size_t nStep,
                     const LoadVector& v, std::size_t nFirst, const char* szUnit) {
    std::string szBuff(tmpl);
    for (std::size_t i = 0; i < 4; ++i) {
        std::string value = dec(v[nFirst + i]) + ' ' + szUnit;
        if (i < 3) value += ',';
        const std::size_t nPos = nLabel + nStep * i;
        if (szBuff.size() < nPos + value.size()) szBuff.resize(nPos + value.size(), ' ');
        szBuff.replace(nPos, value.size(), value);
        if (i == 3) szBuff.resize(nPos + value.size());
    }
    return szBuff;
}

// The report is assembled piece by piece into one buffer; a line takes its pieces as they come.
class ReportText {
public:
    ReportText() { m_text.reserve(4096); }
    template <typename... Pieces>
    void line(const Pieces&... pieces) {
        (m_text.append(std::string_view(pieces)), ...);
        m_text += kEol;
    }
    void blank() { m_text += kEol; }
    std::string take() { return std::move(m_text); }

private:
    std::string m_text;
};

const char* const szEqS[6] = {"FxSA/FxST4", "FySA/FyST4", "FzSA/FzST4",
                              "MxSA/MxST4", "MySA/MyST4", "MzSA/MzST4"};
const char* const szEqD[6] = {"FxDA/FxDT4", "FyDA/FyDT4", "FzDA/FzDT4",
                              "MxDA/MxDT4", "MyDA/MyDT4", "MzDA/MzDT4"};

void componentChecks(ReportText& out, const char* const szEq[6], const LoadVector& applied,
                     const LoadVector& allowable, const std::array<double, 6>& dRatio,
                     const std::array<bool, 6>& bPass) {
    constexpr int kIndex[6] = {0, 1, 2, 4, 5, 6};
    for (int i = 0; i < 6; ++i) {
        const int k = kIndex[i];
        out.line("   |", szEq[i], "| = |", padLeft(dec(applied[k]), 6), "/",
                 padRight(dec(allowable[k]), 6), "| = ", padLeft(formatFixedLegacy(dRatio[i], 2), 5),
                 bPass[i] ? " < 2.0  . . . Passed" : " > 2.0  . . . Fail");
    }
}

void resultantSumLine(ReportText& out, const LoadVector& applied, const LoadVector& allowable,
                      double dSum, const char* szVerdict) {
    out.line(" ", padLeft(dec(applied[3]), 6), " / 1.5 / ", padRight(dec(allowable[3]), 6), " + ",
             padLeft(dec(applied[7]), 6), " / 1.5 / ", padRight(dec(allowable[7]), 6), " = ",
             padLeft(formatFixedLegacy(dSum, 2), 5), szVerdict);
}

void combinedCheckLines(ReportText& out, const char* szHead, const char* szTail, double dValue,
                        char ch, const char* szFactor, int nSuc, int nDis, double dLimit) {
    const char szCh[2] = {ch, '\0'};
    out.line(szHead, szCh, szTail);
    out.line("      = ", padRight(formatFixedLegacy(dValue, 1), 7), " ", szCh, " ", szFactor, " x (",
             padLeft(dec(nSuc), 6), " + ", padRight(dec(nDis), 6), ") = ",
             padRight(formatFixedLegacy(dLimit, 1), 7),
             ch == '<' ? "  . . . Passed" : "  . . . Fail");
}

// Forces carried to the pump centre: "FxCA = FxSA + FxDA = 1200 + -700 = 500 N".
void combinedForceLine(ReportText& out, const char* szHead, int nSuc, int nDis, long long nSum,
                       const char* szForce) {
    out.line(szHead, dec(nSuc), " + ", dec(nDis), " = ", dec(nSum), " ", szForce);
}
}  // namespace

std::string ComposeCheckReport(const NozzleCheckInput& in, const NozzleCheckResult& r) {
    const UnitWords units = unitWordsOf(in.nUnit);
    const char* szForce = units.szForce;
    const char* szMoment = units.szMoment;
    // Lever arms are mm: /1000 to metres for kg-m and N-m, /304.8 to feet for ft-lb.
    const char* szLever = UsesFootPoundMoments(in.nUnit) ? "]/304.8" : "]/1000";
    ReportText out;

    out.line("1. Given Pump Configuration and Nozzle Allowable Data");
    out.line("a) Pump Configuration");
    out.line("   xSuc = ", dec(in.nXSuc), "mm, ySuc = ", dec(in.nYSuc), "mm,  zSuc = ", dec(in.nZSuc),
             "mm");
    out.line("   xDis = ", dec(in.nXDis), "mm, yDis = ", dec(in.nYDis), "mm,  zDis = ", dec(in.nZDis),
             "mm");
    out.blank();
    out.line("b) Allowable Forces and Moments from API STD 610 Table-4 (10th Edition 2004)");
    out.line("   For Suction, ", suctionWord(in.nSucNozzType), " Nozzle of Size ", dec(in.nSucSize),
             "(in)");
    out.line("      ", loadLine("FxST4 =            FyST4 =            FzST4 =            FrST4 = ",
                                8, 19, r.nFnMsT4, 0, szForce));
    out.line("      ", loadLine("MxST4 =            MyST4 =            MzST4 =            MrST4 = ",
                                8, 19, r.nFnMsT4, 4, szMoment));
    out.line("   For Discharge, ", dischargeWord(in.nDisNozzType), " Nozzle of Size ",
             dec(in.nDisSize), "(in)");
    out.line("      ", loadLine("FxDT4 =            FyDT4 =            FzDT4 =            FrDT4 = ",
                                8, 19, r.nFnMdT4, 0, szForce));
    out.line("      ", loadLine("MxDT4 =            MyDT4 =            MzDT4 =            MrDT4 = ",
                                8, 19, r.nFnMdT4, 4, szMoment));
    out.blank();

    out.line("2. Applied (Computed) Forces/Moments (from Stress Analysis Report)");
    out.line("   For Suction Nozzle of ", dec(in.nSucSize), "(in):");
    out.line("      ", loadLine("FxSA =            FySA =            FzSA =            FrSA = ", 7,
                                18, r.nFnMsA, 0, szForce));
    out.line("      ", loadLine("MxSA =            MySA =            MzSA =            MrSA = ", 7,
                                18, r.nFnMsA, 4, szMoment));
    out.line("   For Discharge Nozzle of ", dec(in.nDisSize), "(in)");
    out.line("      ", loadLine("FxDA =            FyDA =            FzDA =            FrDA = ", 7,
                                18, r.nFnMdA, 0, szForce));
    out.line("      ", loadLine("MxDA =            MyDA =            MzDA =            MrDA = ", 7,
                                18, r.nFnMdA, 4, szMoment));
    out.blank();

    out.line("3. Nozzle Load Check by API STD 610 (10th Edition 2004)");
    out.line("a) Checking Suction and Discharge Nozzle by Para. F.1.2-a:");
    componentChecks(out, szEqS, r.nFnMsA, r.nFnMsT4, r.dRatioS, r.bPassS);
    componentChecks(out, szEqD, r.nFnMdA, r.nFnMdT4, r.dRatioD, r.bPassD);

    out.blank();
    out.line("b) Checking Suction and Discharge Nozzle by Para. F.1.2-b:");
    out.line("   FrSA / (1.5 x FrST4) + MrSA / (1.5 x MrST4) <= 2");
    resultantSumLine(out, r.nFnMsA, r.nFnMsT4, r.dSumS,
                     r.bPassSumS ? " < 2   . . . Passed" : " > 2   . . . Fail");
    out.line("   FrDA / (1.5 x FrDT4) + MrDA / (1.5 x MrDT4) <= 2");
    // The discharge fail text has always read "> 2.0" where the suction one reads "> 2".
    resultantSumLine(out, r.nFnMdA, r.nFnMdT4, r.dSumD,
                     r.bPassSumD ? " < 2   . . . Passed" : " > 2.0   . . . Fail");

    out.blank();
    out.line("c) Applied Forces and Moments Combined to the Pump Center Pt are as follows:");
    combinedForceLine(out, "   FxCA = FxSA + FxDA = ", r.nFnMsA[0], r.nFnMdA[0], r.FxCA, szForce);
    combinedForceLine(out, "   FyCA = FySA + FyDA = ", r.nFnMsA[1], r.nFnMdA[1], r.FyCA, szForce);
    combinedForceLine(out, "   FzCA = FzSA + FzDA = ", r.nFnMsA[2], r.nFnMdA[2], r.FzCA, szForce);
    out.line("   FrCA = (FxCA^2 + FyCA^2 + FzCA^2)^0.5 = ", oneDecimal(r.FrCA), " ", szForce);
    out.line("   MxCA = MxSA + MxDA - [(FySA)(zS)+(FyDA)(zD)-(FzSA)(yS)-(FzDA)(yD)", szLever);
    out.line("        = ", oneDecimal(r.MxCA), " ", szMoment);
    out.line("   MyCA = MySA + MyDA + [(FxSA)(zS)+(FxDA)(zD)-(FzSA)(xS)-(FzDA)(xD)", szLever);
    out.line("        = ", oneDecimal(r.MyCA), " ", szMoment);
    out.line("   MzCA = MzSA + MzDA - [(FxSA)(yS)+(FxDA)(yD)-(FySA)(xS)-(FyDA)(xD)", szLever);
    out.line("        = ", oneDecimal(r.MzCA), " ", szMoment);
    out.line("   MrCA = (MxCA^2 + MyCA^2 + MzCA^2)^0.5 = ", oneDecimal(r.MrCA), " ", szMoment);

    out.blank();
    out.line("d) Checking Combined Force/Moment by Para. F.1.2-c:");
    combinedCheckLines(out, "   FrCA ", " 1.5(FrST4+FrDT4)", r.FrCA, r.chFr, "1.5", r.nFnMsT4[3],
                       r.nFnMdT4[3], r.dLimitFr);
    // Section c) shows MyCA with its sign; the criterion compares its magnitude.
    combinedCheckLines(out, "   | MyCA | ", " 2.0(MyST4+MyDT4)", std::fabs(r.MyCA), r.chMy, "2.0",
                       r.nFnMsT4[5], r.nFnMdT4[5], r.dLimitMy);
    combinedCheckLines(out, "   MrCA ", " 1.5(MrST4+MrDT4)", r.MrCA, r.chMr, "1.5", r.nFnMsT4[7],
                       r.nFnMdT4[7], r.dLimitMr);

    if (r.nFail == 0) {
        out.blank();
        out.line("As shown above, the Nozzle Loads are satisfied on API STD 610 Requirements.");
    }
    return out.take();
}

void WriteCheckReport(std::ostream& out, const NozzleCheckInput& input,
                      const NozzleCheckResult& result) {
    const std::string text = ComposeCheckReport(input, result);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

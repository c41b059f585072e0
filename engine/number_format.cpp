#include "number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace {
constexpr int kSignificantDigits = 17;

// Decimal digits without a point: digits[0] is a guard '0' so that a carry always has room;
// nPoint counts the digits before the point. Large enough for the exact expansion of any double.
struct Digits {
    char digits[1700];
    std::size_t nSize = 0;
    std::size_t nPoint = 0;
};

// Rounds at index `keep`: the digits from `keep` on become '0', and when the first of them was
// 5 to 9 the kept part is raised by one unit in its last place.
void roundHalfAwayAt(Digits& d, std::size_t keep) {
    if (keep >= d.nSize) return;
    const bool bUp = d.digits[keep] >= '5';
    std::fill(d.digits + keep, d.digits + d.nSize, '0');
    if (!bUp) return;
    for (std::size_t i = keep; i-- > 0;) {
        if (d.digits[i] != '9') {
            ++d.digits[i];
            return;
        }
        d.digits[i] = '0';
    }
}

// Reads a to_chars text ("123.456" or "1.23456e+02") into `d`, moving the point by the exponent.
void splitDigits(const char* begin, const char* end, Digits& d) {
    const char* szExp = std::find(begin, end, 'e');
    int nExponent = 0;
    if (szExp != end) std::from_chars(szExp[1] == '+' ? szExp + 2 : szExp + 1, end, nExponent);
    const char* szDot = std::find(begin, szExp, '.');
    const auto nIntDigits = static_cast<std::size_t>(szDot - begin);

    // Leading zeros where the point moves left past the integer digits.
    const std::size_t nShiftLeft = nExponent < 0 ? static_cast<std::size_t>(-nExponent) : 0;
    const std::size_t nPad = nShiftLeft >= nIntDigits ? nShiftLeft - nIntDigits + 1 : 0;
    char* p = d.digits;
    *p++ = '0';
    p = std::fill_n(p, nPad, '0');
    p = std::copy(begin, szDot, p);
    if (szDot != szExp) p = std::copy(szDot + 1, szExp, p);
    d.nSize = static_cast<std::size_t>(p - d.digits);
    d.nPoint = 1 + nPad + nIntDigits - nShiftLeft;
    if (nExponent > 0) {
        d.nPoint += static_cast<std::size_t>(nExponent);
        if (d.nSize < d.nPoint) {
            std::fill(d.digits + d.nSize, d.digits + d.nPoint, '0');
            d.nSize = d.nPoint;
        }
    }
}

// The digits of a non-negative finite value, good for rounding to 17 significant digits: its
// 18 leading digits when they settle that rounding, else its exact expansion.
bool significantDigits(double dMagnitude, Digits& d) {
    char szBuff[1600];
    // Correctly rounded to 18 digits, the 18th tells which way the 17th goes, unless it is a 5:
    // that may have come from a 4 rounded up.
    std::to_chars_result res = std::to_chars(szBuff, szBuff + sizeof szBuff, dMagnitude,
                                             std::chars_format::scientific, kSignificantDigits);
    if (res.ec != std::errc{}) return false;
    const char* szExp = std::find(szBuff, res.ptr, 'e');
    if (dMagnitude != 0 && *(szExp - 1) == '5') {
        // The exact expansion: a double is an integer times 2^(exponent - 53), so that many
        // fraction digits hold every digit it has.
        int nExponent = 0;
        std::frexp(dMagnitude, &nExponent);
        const int nFractionDigits = nExponent >= 53 ? 0 : 53 - nExponent;
        res = std::to_chars(szBuff, szBuff + sizeof szBuff, dMagnitude, std::chars_format::fixed,
                            nFractionDigits);
        if (res.ec != std::errc{}) return false;
    }
    splitDigits(szBuff, res.ptr, d);
    return true;
}
}  // namespace

std::string formatFixedLegacy(double dVal, int decimals) {
    if (std::isnan(dVal)) return "nan";
    if (std::isinf(dVal)) return dVal < 0 ? "-inf" : "inf";

    Digits d;
    if (!significantDigits(std::fabs(dVal), d)) return "nan";  // cannot happen: buffers hold any double

    const char* szFirst = std::find_if(d.digits, d.digits + d.nSize, [](char c) { return c != '0'; });
    if (szFirst != d.digits + d.nSize) {
        roundHalfAwayAt(d, static_cast<std::size_t>(szFirst - d.digits) + kSignificantDigits);
    }
    const std::size_t nKeep = d.nPoint + static_cast<std::size_t>(decimals);
    if (d.nSize < nKeep) {
        std::fill(d.digits + d.nSize, d.digits + nKeep, '0');
        d.nSize = nKeep;
    }
    roundHalfAwayAt(d, nKeep);

    std::string out;
    if (std::signbit(dVal)) out += '-';
    std::size_t nIntegerStart = 0;
    while (nIntegerStart + 1 < d.nPoint && d.digits[nIntegerStart] == '0') ++nIntegerStart;
    out.append(d.digits + nIntegerStart, d.digits + d.nPoint);
    if (decimals > 0) {
        out += '.';
        out.append(d.digits + d.nPoint, d.digits + nKeep);
    }
    return out;
}

std::string padLeft(std::string text, std::size_t width) {
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

std::string padRight(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

#include "number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace {
// Rounds the decimal digit string `digits` (no point; digits[0] is a guard '0' so that a carry
// always has room) at index `keep`: the digits from `keep` on become '0', and when the first of
// them was 5 to 9 the kept part is raised by one unit in its last place.
void roundHalfAwayAt(std::string& digits, std::size_t keep) {
    if (keep >= digits.size()) return;
    const bool bUp = digits[keep] >= '5';
    for (std::size_t i = keep; i < digits.size(); ++i) digits[i] = '0';
    if (!bUp) return;
    for (std::size_t i = keep; i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
}

constexpr int kSignificantDigits = 17;
}  // namespace

std::string formatFixedLegacy(double dVal, int decimals) {
    if (std::isnan(dVal)) return "nan";
    if (std::isinf(dVal)) return dVal < 0 ? "-inf" : "inf";

    // The exact decimal expansion: a double is an integer times 2^(exponent - 53), so that many
    // fraction digits hold every digit it has.
    const double dMagnitude = std::fabs(dVal);
    int nExponent = 0;
    std::frexp(dMagnitude, &nExponent);
    const int nFractionDigits = nExponent >= 53 ? 0 : 53 - nExponent;
    char szExact[1600];
    const auto [end, ec] = std::to_chars(szExact, szExact + sizeof szExact, dMagnitude,
                                         std::chars_format::fixed, nFractionDigits);
    if (ec != std::errc{}) return "nan";  // cannot happen: the buffer holds any double

    // Digits without the point, after a guard '0'; nPoint counts the digits before the point.
    std::string digits = "0";
    std::size_t nPoint = 0;
    for (const char* p = szExact; p != end; ++p) {
        if (*p == '.') {
            nPoint = digits.size();
        } else {
            digits += *p;
        }
    }
    if (nPoint == 0) nPoint = digits.size();

    const std::size_t nFirstSignificant = digits.find_first_not_of('0');
    if (nFirstSignificant != std::string::npos) {
        roundHalfAwayAt(digits, nFirstSignificant + kSignificantDigits);
    }
    const std::size_t nKeep = nPoint + static_cast<std::size_t>(decimals);
    if (digits.size() < nKeep) digits.append(nKeep - digits.size(), '0');
    roundHalfAwayAt(digits, nKeep);

    std::string out;
    if (std::signbit(dVal)) out += '-';
    const std::size_t nIntegerStart = std::min(digits.find_first_not_of('0'), nPoint - 1);
    out.append(digits, nIntegerStart, nPoint - nIntegerStart);
    if (decimals > 0) {
        out += '.';
        out.append(digits, nPoint, static_cast<std::size_t>(decimals));
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

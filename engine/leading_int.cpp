#include "leading_int.h"

#include <climits>

namespace {
// The blanks that scanf-style integer reading skips: space, \t, \n, \v, \f, \r.
bool isBlank(wchar_t ch) { return ch == L' ' || (ch >= L'\t' && ch <= L'\r'); }
}  // namespace

std::optional<int> parseLeadingIntSlow(std::wstring_view text) {
    const wchar_t* p = text.data();
    const wchar_t* const end = p + text.size();
    while (p != end && isBlank(*p)) ++p;
    bool bNegative = false;
    if (p != end && (*p == L'+' || *p == L'-')) {
        bNegative = *p == L'-';
        ++p;
    }
    if (p == end || static_cast<unsigned>(*p - L'0') > 9) return std::nullopt;

    // Accumulate the magnitude, stopping the growth once it is past the 32-bit range so that no
    // number of digits can overflow.
    constexpr long long kLimit = static_cast<long long>(INT_MAX) + 1;
    long long nMagnitude = 0;
    for (; p != end; ++p) {
        const auto nDigit = static_cast<unsigned>(*p - L'0');
        if (nDigit > 9) break;
        if (nMagnitude <= kLimit) nMagnitude = nMagnitude * 10 + nDigit;
    }
    if (bNegative) return nMagnitude >= kLimit ? INT_MIN : static_cast<int>(-nMagnitude);
    return nMagnitude > INT_MAX ? INT_MAX : static_cast<int>(nMagnitude);
}

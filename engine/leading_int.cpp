#include "leading_int.h"

#include <climits>

namespace {
// The blanks that scanf-style integer reading skips.
bool isBlank(wchar_t ch) {
    return ch == L' ' || ch == L'\t' || ch == L'\n' || ch == L'\v' || ch == L'\f' || ch == L'\r';
}
bool isDigit(wchar_t ch) { return ch >= L'0' && ch <= L'9'; }
}  // namespace

std::optional<int> parseLeadingInt(std::wstring_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool bNegative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        bNegative = text[i] == L'-';
        ++i;
    }
    if (i >= text.size() || !isDigit(text[i])) return std::nullopt;

    // Accumulate the magnitude, stopping the growth once it is past the 32-bit range so that no
    // number of digits can overflow.
    constexpr long long kLimit = static_cast<long long>(INT_MAX) + 1;
    long long nMagnitude = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        if (nMagnitude <= kLimit) nMagnitude = nMagnitude * 10 + (text[i] - L'0');
    }
    if (bNegative) return nMagnitude >= kLimit ? INT_MIN : static_cast<int>(-nMagnitude);
    return nMagnitude > INT_MAX ? INT_MAX : static_cast<int>(nMagnitude);
}

int leadingIntOrZero(std::wstring_view text) { return parseLeadingInt(text).value_or(0); }

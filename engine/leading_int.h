#pragma once
// Reading integers the way the check has always read typed text.

#include <optional>
#include <string_view>

// Skips leading white space, takes one optional '+' or '-', then decimal digits up to the first
// other character; what follows the digits is ignored. A value beyond the signed 32-bit range gives
// the nearest limit. Text without a digit at that point (empty, blanks, letters first, a lone sign)
// gives no value.
std::optional<int> parseLeadingIntSlow(std::wstring_view text);
inline std::optional<int> parseLeadingInt(std::wstring_view text) {
    // Plain digits, as every refreshed allowable field holds them: no blanks, no sign, no limit
    // to watch, and no branch on the characters, which keeps the check fast.
    if (!text.empty() && text.size() <= 9) {
        unsigned nValue = 0;
        bool bAllDigits = true;
        for (const wchar_t ch : text) {
            const auto nDigit = static_cast<unsigned>(ch - L'0');
            bAllDigits &= nDigit <= 9;
            nValue = nValue * 10 + nDigit;  // unsigned: wraps harmlessly on other characters
        }
        if (bAllDigits) return static_cast<int>(nValue);
    }
    return parseLeadingIntSlow(text);
}

// The same, with 0 for text that holds no leading integer.
inline int leadingIntOrZero(std::wstring_view text) { return parseLeadingInt(text).value_or(0); }

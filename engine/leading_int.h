#pragma once
// Reading integers the way the check has always read typed text.

#include <optional>
#include <string_view>

// Skips leading white space, takes one optional '+' or '-', then decimal digits up to the first
// other character; what follows the digits is ignored. A value beyond the signed 32-bit range gives
// the nearest limit. Text without a digit at that point (empty, blanks, letters first, a lone sign)
// gives no value.
std::optional<int> parseLeadingInt(std::wstring_view text);

// The same, with 0 for text that holds no leading integer.
int leadingIntOrZero(std::wstring_view text);

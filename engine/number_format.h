#pragma once
// Fixed-point numbers as the report has always printed them.

#include <string>

// The value's exact decimal expansion is rounded to 17 significant digits and then to `decimals`
// decimals, each time half away from zero: 0.125 gives "0.13", 2.675 (2.67499999999999982...)
// gives "2.67". Engineers compare old and new reports digit by digit, so this deliberately differs
// from printf, which rounds exact ties to even. A negative value keeps its sign even when it
// rounds to zero ("-0.0"); infinities and NaN give "inf", "-inf" and "nan". No padding.
std::string formatFixedLegacy(double dVal, int decimals);

// Pads to `width` characters with blanks on the left ("%6d", "%5.2f") or right ("%-6d").
std::string padLeft(std::string text, std::size_t width);
std::string padRight(std::string text, std::size_t width);

#include "number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

struct FixedCase {
    double dVal;
    int decimals;
    const char* expected;
};

// Expected texts: the exact expansion rounded to 17 significant digits, then to the decimals,
// both half away from zero. Where printf differs it is noted.
TEST(number_format_test, rounds_half_away_from_zero_after_17_significant_digits) {
    const double inf = std::numeric_limits<double>::infinity();
    const FixedCase cases[] = {
        {0.125, 2, "0.13"},               // exact tie; printf gives 0.12
        {2.675, 2, "2.67"},               // stored as 2.67499999999999982...
        {4587.25, 1, "4587.3"},           // exact tie; printf gives 4587.2
        {1.45, 1, "1.5"},                 // 1.44999999999999995... is 1.4500000000000000 at 17 digits
        {2.25, 1, "2.3"},
        {std::nextafter(0.125, 0.0), 2, "0.12"},
        {99.95, 1, "100.0"},              // carry into a new leading digit
        {0.0, 2, "0.00"},
        {-0.0, 1, "-0.0"},                // the sign stays, as printf keeps it
        {-0.04, 1, "-0.0"},
        {-66.5, 1, "-66.5"},
        {10552.5, 1, "10552.5"},
        {2.0, 2, "2.00"},
        {std::nextafter(2.0, 3.0), 2, "2.00"},
        {5e-324, 2, "0.00"},
        {1.2345678901234568e17, 1, "123456789012345680.0"},
        {inf, 2, "inf"},
        {-inf, 1, "-inf"},
        {std::nan(""), 2, "nan"},
        {-std::nan(""), 1, "nan"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatFixedLegacy(c.dVal, c.decimals), c.expected) << "value " << c.dVal;
    }
}

TEST(number_format_test, pads_to_a_field_without_cutting_longer_texts) {
    EXPECT_EQ(padLeft("0.13", 5), " 0.13");
    EXPECT_EQ(padRight("680", 6), "680   ");
    EXPECT_EQ(padLeft("-2147483648", 6), "-2147483648");
    EXPECT_EQ(padRight("inf", 7), "inf    ");
}

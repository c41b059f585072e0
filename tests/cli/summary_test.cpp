#include "summary.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "n_example.h"

namespace {

TEST(summary_test, cells_are_quoted_and_kept_from_running_as_formulas) {
    struct Row {
        std::string strText, strCell;
    };
    const Row rows[] = {
        {"P-101", "P-101"},
        {"", ""},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "two lines"},
        {"=1+2", "'=1+2"},
        {"+1", "'+1"},
        {"-1", "'-1"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tx", "'\tx"},
        {"=HYPERLINK(\"u\",\"v\")", "\"'=HYPERLINK(\"\"u\"\",\"\"v\"\")\""},
        {"a=b", "a=b"},
    };
    for (const Row& row : rows) EXPECT_EQ(CsvCell(row.strText), row.strCell) << row.strText;
}

TEST(summary_test, utilisations_of_the_n_example) {
    const NozzleCheckResult result = EvaluateNozzleLoads(NExampleInput());
    const auto dUtil = Utilisations(result);
    EXPECT_DOUBLE_EQ(dUtil[0], 1200.0 / 3110.0 / 2.0);
    EXPECT_DOUBLE_EQ(dUtil[4], 600.0 / 1180.0 / 2.0);  // by magnitude
    EXPECT_DOUBLE_EQ(dUtil[8], 3600.0 / 1780.0 / 2.0);
    EXPECT_DOUBLE_EQ(dUtil[12], result.dSumS / 2.0);
    EXPECT_DOUBLE_EQ(dUtil[14], result.FrCA / result.dLimitFr);
    EXPECT_DOUBLE_EQ(dUtil[15], std::fabs(result.MyCA) / result.dLimitMy);
    EXPECT_DOUBLE_EQ(dUtil[16], result.MrCA / result.dLimitMr);
    EXPECT_STREQ(kCriterionNames[GoverningCriterion(dUtil)], "FzDA");
}

TEST(summary_test, governing_criterion_takes_the_first_of_equals_and_nan_first) {
    std::array<double, kCriterionCount> dUtil{};
    dUtil[3] = 0.9;
    dUtil[7] = 0.9;
    EXPECT_EQ(GoverningCriterion(dUtil), 3);
    dUtil[9] = std::numeric_limits<double>::infinity();
    EXPECT_EQ(GoverningCriterion(dUtil), 9);
    dUtil[11] = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(GoverningCriterion(dUtil), 11);
    dUtil[0] = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(GoverningCriterion(dUtil), 0);
}

}  // namespace

namespace {

// The shortcut for usual values must print what the exact conversion prints.
TEST(summary_test, utilisation_digits_match_the_exact_conversion) {
    std::vector<double> values = {0.0,
                                  0.5,
                                  1.0,
                                  1.00005,
                                  0.12345,
                                  0.99995,
                                  2.00005,
                                  99999.9,
                                  123456.78,
                                  1e300,
                                  1.0112359550561798,
                                  std::numeric_limits<double>::infinity()};
    std::mt19937_64 rng(7);
    for (int i = 0; i < 200000; ++i) {
        const double dMagnitude = std::pow(10.0, static_cast<double>(i % 7) - 2.0);
        values.push_back(std::uniform_real_distribution<double>(0, dMagnitude)(rng));
        values.push_back(static_cast<double>(rng() % 2000000) /
                         20000.0);  // ties of the 5th decimal
    }
    for (const double dVal : values) {
        char szBuff[400];
        const auto [end, ec] =
            std::to_chars(szBuff, szBuff + sizeof szBuff, dVal, std::chars_format::fixed, 4);
        std::string strOut;
        AppendUtilisation(strOut, dVal);
        ASSERT_EQ(strOut, std::string(szBuff, end)) << dVal;
    }
}

}  // namespace

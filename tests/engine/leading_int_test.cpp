#include "leading_int.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

struct LeadingIntCase {
    std::wstring text;
    std::optional<int> expected;
};

TEST(leading_int_test, reads_the_leading_integer_or_nothing) {
    const LeadingIntCase cases[] = {
        {L" -25", -25},
        {L"+7", 7},
        {L"12abc", 12},
        {L"0", 0},
        {L"\t 12.7", 12},
        {L"007", 7},
        {L"", std::nullopt},
        {L"   ", std::nullopt},
        {L"abc", std::nullopt},
        {L"-", std::nullopt},
        {L"x12", std::nullopt},
        {L"+-3", std::nullopt},
        {L"2147483647", INT_MAX},
        {L"2147483648", INT_MAX},
        {L"-2147483648", INT_MIN},
        {L"-2147483649", INT_MIN},
        {L"99999999999999999999999999", INT_MAX},
        {L"-99999999999999999999999999", INT_MIN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseLeadingInt(c.text), c.expected) << "text \"" << std::string(c.text.begin(), c.text.end()) << "\"";
    }
}

TEST(leading_int_test, text_without_an_integer_reads_as_zero_for_allowables) {
    EXPECT_EQ(leadingIntOrZero(L"abc"), 0);
    EXPECT_EQ(leadingIntOrZero(L""), 0);
    EXPECT_EQ(leadingIntOrZero(L"  1200"), 1200);
}

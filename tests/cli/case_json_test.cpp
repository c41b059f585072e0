// Reading case objects; the error lines of broken files are covered end to end in the tool tests.

#include "case_json.h"

#include <gtest/gtest.h>

namespace {

TEST(case_json_test, full_case_fills_every_field) {
    CheckCase checkCase;
    const auto error = ParseCaseJson(R"({
        "case": "P-1", "pump_type": "side-side", "unit": "lb", "output": "r",
        "suction": {"size": "10", "position_mm": [1, -2, 3], "applied": [1, 2, 3, 4, 5, 6],
                    "allowable": [1350, " 1700", "", "abc", -5, "12.7"]},
        "discharge": {"size": 8, "position_mm": [-2147483648, 2147483647, 0]}})",
                                     CaseJsonUse::SingleCase, checkCase);
    ASSERT_FALSE(error) << error->Describe();
    EXPECT_EQ(checkCase.strName, "P-1");
    EXPECT_EQ(checkCase.nPumpType, SideSide);
    EXPECT_EQ(checkCase.nUnit, UnitUS);
    EXPECT_EQ(checkCase.strOutput, L"r");
    EXPECT_EQ(checkCase.suction.strSize, L"10");
    EXPECT_EQ(checkCase.suction.nPosition, (std::array<int, 3>{1, -2, 3}));
    EXPECT_EQ(checkCase.suction.nApplied, (Loads{1, 2, 3, 4, 5, 6}));
    const std::array<std::optional<std::wstring>, 6> allow = {L"1350", L" 1700", L"",
                                                              L"abc",  L"-5",    L"12.7"};
    EXPECT_EQ(checkCase.suction.strAllowable, allow);
    EXPECT_EQ(checkCase.discharge.strSize, L"8");
    EXPECT_EQ(checkCase.discharge.nPosition, (std::array<int, 3>{-2147483648, 2147483647, 0}));
    EXPECT_EQ(checkCase.discharge.nApplied, Loads{});
    EXPECT_FALSE(checkCase.discharge.strAllowable[0]);
}

TEST(case_json_test, empty_object_keeps_the_defaults) {
    CheckCase checkCase;
    ASSERT_FALSE(ParseCaseJson("\xEF\xBB\xBF{}", CaseJsonUse::SingleCase, checkCase));
    EXPECT_EQ(checkCase.nPumpType, EndTop);
    EXPECT_EQ(checkCase.nUnit, UnitKg);
    EXPECT_FALSE(checkCase.suction.strSize);
    EXPECT_FALSE(checkCase.strOutput);
}

TEST(case_json_test, batch_lines_take_no_output) {
    CheckCase checkCase;
    const auto error =
        ParseCaseJson(R"({"case": "a", "output": "x"})", CaseJsonUse::BatchLine, checkCase);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->strField, "output");
    EXPECT_EQ(checkCase.strName, "a");  // read before the error, for the summary row
}

TEST(case_json_test, unicode_text_survives) {
    CheckCase checkCase;
    ASSERT_FALSE(
        ParseCaseJson(R"({"output": "보고서/펌프 1"})", CaseJsonUse::SingleCase, checkCase));
    EXPECT_EQ(checkCase.strOutput, L"보고서/펌프 1");
    const auto error = ParseCaseJson("{\"output\": \"\xFF\"}", CaseJsonUse::SingleCase, checkCase);
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->strReason.starts_with("not valid JSON")) << error->strReason;
}

}  // namespace

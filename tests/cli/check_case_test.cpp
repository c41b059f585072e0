// How a case fills the record: as a person typing the same values into the form.

#include "check_case.h"

#include <gtest/gtest.h>

namespace {

LoadTexts Texts(std::initializer_list<const wchar_t*> texts) {
    LoadTexts result;
    std::size_t i = 0;
    for (const wchar_t* text : texts) result[i++] = text;
    return result;
}

TEST(check_case_test, size_text_runs_the_allowable_refresh) {
    struct Row {
        std::optional<std::wstring> strSize;
        int nExpectedSize;
        std::wstring strExpectedText;
        LoadTexts strExpectedAllow;
    };
    const LoadTexts kEnd6kg = Texts({L"318", L"254", L"209", L"235", L"120", L"180"});
    const LoadTexts kEnd2kg = Texts({L"91", L"73", L"59", L"47", L"24", L"36"});
    const LoadTexts kEnd16kg = Texts({L"1043", L"862", L"680", L"747", L"373", L"553"});
    const Row rows[] = {
        {L"6", 6, L"6", kEnd6kg},
        {L" 6 inch", 6, L" 6 inch", kEnd6kg},  // the leading integer counts
        {L"20", 20, L"20", kEnd16kg},          // stored as typed, looked up in the 16-inch column
        {L"1", 1, L"1", kEnd2kg},
        {L"abc", 0, L"abc", kEnd2kg},  // no digits: size 0 (refused later), 2-inch values shown
        {L"5", 0, L"", LoadTexts{}},   // no column: size and allowables emptied
        {L"", 0, L"", LoadTexts{}},    // empty text: nothing looked up
        {std::nullopt, 0, L"", LoadTexts{}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.strSize ? std::string(row.strSize->begin(), row.strSize->end()) : "none");
        CheckCase checkCase;
        checkCase.suction.strSize = row.strSize;
        const NozzleCheckInput input = ToNozzleCheckInput(checkCase);
        EXPECT_EQ(input.nSucSize, row.nExpectedSize);
        EXPECT_EQ(input.strSucSize, row.strExpectedText);
        EXPECT_EQ(input.strAllowSuc, row.strExpectedAllow);
    }
}

TEST(check_case_test, pump_type_and_unit_choose_the_table_rows) {
    CheckCase checkCase;
    checkCase.nPumpType = TopTop;
    checkCase.nUnit = UnitKg;
    checkCase.suction.strSize = L"4";
    checkCase.discharge.strSize = L"6";
    NozzleCheckInput input = ToNozzleCheckInput(checkCase);
    EXPECT_EQ(input.nSucNozzType, TopNozzle);
    EXPECT_EQ(input.nDisNozzType, TopNozzle);
    EXPECT_EQ(input.strAllowSuc, Texts({L"145", L"118", L"181", L"135", L"69", L"102"}));

    checkCase.nPumpType = EndTop;
    checkCase.nUnit = UnitUS;
    input = ToNozzleCheckInput(checkCase);
    EXPECT_EQ(input.nSucNozzType, EndNozzle);
    EXPECT_EQ(input.strAllowDis, Texts({L"560", L"460", L"700", L"1700", L"870", L"1300"}));

    checkCase.nPumpType = SideSide;
    input = ToNozzleCheckInput(checkCase);
    EXPECT_EQ(input.nPumpType, SideSide);
    EXPECT_EQ(input.nSucNozzType, SideNozzle);
    EXPECT_EQ(input.nDisNozzType, SideNozzle);
}

TEST(check_case_test, allowable_overrides_replace_only_the_given_texts) {
    CheckCase checkCase;
    checkCase.nUnit = UnitSI;
    checkCase.suction.strSize = L"6";
    checkCase.suction.strAllowable[0] = L" 1200";
    checkCase.suction.strAllowable[4] = L"";
    checkCase.discharge.strAllowable[5] = L"12.7";  // no size: overrides still land
    const NozzleCheckInput input = ToNozzleCheckInput(checkCase);
    EXPECT_EQ(input.strAllowSuc, Texts({L" 1200", L"2490", L"2050", L"2300", L"", L"1760"}));
    EXPECT_EQ(input.strAllowDis, Texts({L"", L"", L"", L"", L"", L"12.7"}));
}

TEST(check_case_test, positions_loads_and_output_file) {
    CheckCase checkCase;
    checkCase.suction.nPosition = {-450, 1, 2};
    checkCase.discharge.nPosition = {3, 300, 420};
    checkCase.suction.nApplied = {1, 2, 3, 4, 5, 6};
    checkCase.discharge.nApplied = {-1, -2, -3, -4, -5, -6};
    checkCase.strOutput = L"out/dir/pump 1";
    const NozzleCheckInput input = ToNozzleCheckInput(checkCase);
    EXPECT_EQ(input.nXSuc, -450);
    EXPECT_EQ(input.nYSuc, 1);
    EXPECT_EQ(input.nZSuc, 2);
    EXPECT_EQ(input.nXDis, 3);
    EXPECT_EQ(input.nYDis, 300);
    EXPECT_EQ(input.nZDis, 420);
    EXPECT_EQ(input.nAppliedSuc, (Loads{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(input.nAppliedDis, (Loads{-1, -2, -3, -4, -5, -6}));
    EXPECT_EQ(input.strOutFile, L"out/dir/pump 1");
    EXPECT_EQ(input.strOutFileName, L"pump 1");
    EXPECT_EQ(input.strResultLine, L"");

    checkCase.strOutput.reset();
    EXPECT_EQ(ToNozzleCheckInput(checkCase).strOutFile, L"");
}

}  // namespace

#include "allowable_loads.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>

#include "nozzle_check_input.h"

namespace {
struct Loads6 {
    std::array<int, 3> nF;
    std::array<int, 3> nM;
    bool operator==(const Loads6&) const = default;
};

Loads6 lookUp(int nType, int nSize, int nUnit) {
    Loads6 out{{-1, -1, -1}, {-1, -1, -1}};
    EXPECT_TRUE(GetNozzAllowLoads(nType, nSize, nUnit, out.nF.data(), out.nM.data()))
        << "size " << nSize;
    return out;
}

constexpr int kSizes[] = {2, 3, 4, 6, 8, 10, 12, 14, 16};
}  // namespace

TEST(allowable_loads_test, published_values_per_unit_and_nozzle_type) {
    struct Case {
        int nType, nSize, nUnit;
        Loads6 expected;
    };
    const Case cases[] = {
        {SideNozzle, 6, UnitUS, {{560, 700, 460}, {1700, 870, 1300}}},
        {EndNozzle, 10, UnitSI, {{6670, 5340, 4450}, {5020, 2440, 3800}}},
        {TopNozzle, 16, UnitSI, {{8450, 6670, 10230}, {7320, 3660, 5420}}},
        {EndNozzle, 2, UnitKg, {{91, 73, 59}, {47, 24, 36}}},
        {EndNozzle, 4, UnitKg, {{181, 145, 118}, {135, 69, 102}}},
        {TopNozzle, 4, UnitKg, {{145, 118, 181}, {135, 69, 102}}},
        {TopNozzle, 6, UnitUS, {{560, 460, 700}, {1700, 870, 1300}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lookUp(c.nType, c.nSize, c.nUnit), c.expected)
            << "type " << c.nType << " size " << c.nSize << " unit " << c.nUnit;
    }
}

TEST(allowable_loads_test, sizes_map_to_columns_and_odd_sizes_have_none) {
    struct Case {
        int nSize;
        int nColumnSize;  // the size whose column is used; 0 = no column
    };
    const Case cases[] = {{2, 2},   {1, 2},   {0, 2},  {-3, 2},  {INT_MIN, 2}, {3, 3},
                          {4, 4},   {5, 0},   {7, 0},  {9, 0},   {11, 0},      {13, 0},
                          {15, 0},  {16, 16}, {17, 16}, {20, 16}, {INT_MAX, 16}};
    for (const auto& c : cases) {
        for (int nUnit : {UnitKg, UnitSI, UnitUS}) {
            int nF[3] = {-1, -1, -1};
            int nM[3] = {-1, -1, -1};
            const bool bFound = GetNozzAllowLoads(EndNozzle, c.nSize, nUnit, nF, nM);
            if (c.nColumnSize == 0) {
                EXPECT_FALSE(bFound) << "size " << c.nSize;
                EXPECT_EQ((Loads6{{nF[0], nF[1], nF[2]}, {nM[0], nM[1], nM[2]}}),
                          (Loads6{{-1, -1, -1}, {-1, -1, -1}}))
                    << "an odd size must leave the outputs untouched";
            } else {
                EXPECT_EQ((Loads6{{nF[0], nF[1], nF[2]}, {nM[0], nM[1], nM[2]}}),
                          lookUp(EndNozzle, c.nColumnSize, nUnit))
                    << "size " << c.nSize << " unit " << nUnit;
            }
        }
    }
}

TEST(allowable_loads_test, kg_rows_are_derived_from_the_lb_rows) {
    // End nozzle: Fx from the 200 row, Fy from 160, Fz from 130; moments Mx, My, Mz.
    const int kFx[] = {91, 136, 181, 318, 499, 680, 816, 907, 1043};
    const int kFy[] = {73, 109, 145, 254, 386, 544, 680, 726, 862};
    const int kFz[] = {59, 91, 118, 209, 318, 454, 544, 590, 680};
    const int kMx[] = {47, 97, 135, 235, 359, 512, 622, 650, 747};
    const int kMy[] = {24, 48, 69, 120, 180, 249, 304, 318, 373};
    const int kMz[] = {36, 73, 102, 180, 263, 387, 470, 484, 553};
    for (int c = 0; c < 9; ++c) {
        const Loads6 expected{{kFx[c], kFy[c], kFz[c]}, {kMx[c], kMy[c], kMz[c]}};
        EXPECT_EQ(lookUp(EndNozzle, kSizes[c], UnitKg), expected) << "size " << kSizes[c];
    }
}

TEST(allowable_loads_test, moments_do_not_depend_on_the_nozzle_type) {
    for (int nUnit : {UnitKg, UnitSI, UnitUS}) {
        for (int nSize : kSizes) {
            const auto end = lookUp(EndNozzle, nSize, nUnit).nM;
            EXPECT_EQ(lookUp(TopNozzle, nSize, nUnit).nM, end);
            EXPECT_EQ(lookUp(SideNozzle, nSize, nUnit).nM, end);
        }
    }
}

TEST(allowable_loads_test, refresh_follows_the_size_text) {
    struct Case {
        std::wstring text;
        bool bRefreshed;
        std::wstring sizeAfter;
        int nSizeAfter;
        LoadTexts allowAfter;
    };
    const LoadTexts earlier = {L"1", L"2", L"3", L"4", L"5", L"6"};
    const Case cases[] = {
        {L"", false, L"", 9, earlier},  // an emptied size keeps the row and the size
        {L"12", true, L"12", 12, {L"816", L"680", L"544", L"622", L"304", L"470"}},
        {L"0", true, L"0", 0, {L"91", L"73", L"59", L"47", L"24", L"36"}},
        {L"20", true, L"20", 20, {L"1043", L"862", L"680", L"747", L"373", L"553"}},
        {L"15", true, L"", 0, {}},  // no column: size and row emptied
    };
    for (const auto& c : cases) {
        std::wstring strSize = c.text;
        int nSize = 9;
        LoadTexts strAllow = earlier;
        EXPECT_EQ(RefreshAllowables(strSize, nSize, EndNozzle, UnitKg, strAllow), c.bRefreshed);
        EXPECT_EQ(strSize, c.sizeAfter);
        EXPECT_EQ(nSize, c.nSizeAfter);
        EXPECT_EQ(strAllow, c.allowAfter);
    }
}

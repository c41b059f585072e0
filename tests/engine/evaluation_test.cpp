#include "evaluation.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "sample_inputs.h"

namespace {
// A record whose suction and discharge allowables are all `nAllow` and whose applied loads are 0.
NozzleCheckInput uniformAllowables(int nAllow) {
    NozzleCheckInput in;
    const std::wstring text = std::to_wstring(nAllow);
    in.strAllowSuc.fill(text);
    in.strAllowDis.fill(text);
    return in;
}
}  // namespace

TEST(evaluation_test, example_check_gives_its_vectors_and_combined_loads) {
    const NozzleCheckResult r = EvaluateNozzleLoads(endTopNewtonInput());
    EXPECT_EQ(r.nFnMsT4, (LoadVector{3110, 2490, 2050, 4480, 2300, 1180, 1760, 3127}));
    EXPECT_EQ(r.nFnMdT4, (LoadVector{1420, 1160, 1780, 2555, 1330, 680, 1000, 1798}));
    EXPECT_EQ(r.nFnMsA, (LoadVector{1200, -800, 950, 1727, 1500, -600, 900, 1849}));
    EXPECT_EQ(r.nFnMdA, (LoadVector{-700, 500, 3600, 3701, 800, 400, -650, 1106}));
    EXPECT_EQ(r.FxCA, 500);
    EXPECT_EQ(r.FyCA, -300);
    EXPECT_EQ(r.FzCA, 4550);
    EXPECT_DOUBLE_EQ(r.MxCA, 3170.0);
    EXPECT_DOUBLE_EQ(r.MyCA, -66.5);
    EXPECT_DOUBLE_EQ(r.MzCA, 820.0);
    EXPECT_DOUBLE_EQ(r.dLimitFr, 10552.5);
    EXPECT_DOUBLE_EQ(r.dLimitMy, 3720.0);
    EXPECT_FALSE(r.bPassD[2]);
    EXPECT_EQ(r.nFail, 1);
}

TEST(evaluation_test, component_ratio_of_exactly_two_passes) {
    struct Case {
        int nApplied;
        bool bPass;
    };
    const Case cases[] = {{1000, true}, {1001, false}, {-1200, false}, {-800, true}, {0, true}};
    for (const auto& c : cases) {
        NozzleCheckInput in = uniformAllowables(500);
        in.nAppliedSuc[0] = c.nApplied;
        const NozzleCheckResult r = EvaluateNozzleLoads(in);
        EXPECT_EQ(r.bPassS[0], c.bPass) << "applied " << c.nApplied;
    }
}

TEST(evaluation_test, allowable_of_zero_or_unreadable_text_fails_its_ratio) {
    NozzleCheckInput in = uniformAllowables(500);
    in.strAllowSuc[0] = L"abc";  // reads as 0
    in.strAllowSuc[1] = L"";     // reads as 0
    in.strAllowSuc[2] = L"  12.7";
    in.nAppliedSuc[0] = 10;
    const NozzleCheckResult r = EvaluateNozzleLoads(in);
    EXPECT_TRUE(std::isinf(r.dRatioS[0]));
    EXPECT_FALSE(r.bPassS[0]);
    EXPECT_TRUE(std::isnan(r.dRatioS[1]));  // 0 / 0
    EXPECT_FALSE(r.bPassS[1]);
    EXPECT_EQ(r.nFnMsT4[2], 12);
}

TEST(evaluation_test, resultant_sum_of_exactly_two_passes) {
    NozzleCheckInput in;
    // FrT4 1000 (600, 800, 0), MrT4 2000 (1200, 1600, 0); FrA 1500, MrA 3000.
    in.strAllowSuc = {L"600", L"800", L"0", L"1200", L"1600", L"0"};
    in.nAppliedSuc = {900, 1200, 0, 1800, 2400, 0};
    NozzleCheckResult r = EvaluateNozzleLoads(in);
    EXPECT_EQ(r.dSumS, 2.0);
    EXPECT_TRUE(r.bPassSumS);
    in.nAppliedSuc[0] = 901;
    r = EvaluateNozzleLoads(in);
    EXPECT_FALSE(r.bPassSumS);
}

TEST(evaluation_test, combined_force_equal_to_its_limit_fails) {
    NozzleCheckInput in;
    // FrST4 = FrDT4 = 500, limit 1.5 x 1000 = 1500; FxCA 1500 meets it exactly.
    in.strAllowSuc = {L"300", L"400", L"0", L"1", L"1", L"1"};
    in.strAllowDis = {L"300", L"400", L"0", L"1", L"1", L"1"};
    in.nAppliedSuc[0] = 750;
    in.nAppliedDis[0] = 750;
    NozzleCheckResult r = EvaluateNozzleLoads(in);
    EXPECT_EQ(r.FrCA, r.dLimitFr);
    EXPECT_EQ(r.chFr, '>');
    in.nAppliedDis[0] = 749;
    r = EvaluateNozzleLoads(in);
    EXPECT_EQ(r.chFr, '<');
}

TEST(evaluation_test, lever_arms_move_the_loads_to_the_pump_centre) {
    NozzleCheckInput in = uniformAllowables(100000);
    in.nXSuc = -450;
    in.nAppliedSuc = {0, 0, 950, 10, -3000, 20};
    in.nAppliedDis = {0, 0, 0, 5, 1000, 7};
    NozzleCheckResult r = EvaluateNozzleLoads(in);
    // Ly = -(950 x -450) = 427500 N-mm in kg and N: 427.5 added to My only.
    EXPECT_DOUBLE_EQ(r.MxCA, 15.0);
    EXPECT_DOUBLE_EQ(r.MyCA, -2000.0 + 427.5);
    EXPECT_DOUBLE_EQ(r.MzCA, 27.0);
    EXPECT_EQ(r.chMy, '<');  // a negative MyCA is judged by its magnitude

    // In lb and ft-lb the same lever arm is lb x mm: 427500 / 304.8 ft-lb.
    in.nUnit = UnitUS;
    r = EvaluateNozzleLoads(in);
    EXPECT_DOUBLE_EQ(r.MyCA, -2000.0 + 427500 / 304.8);
    EXPECT_DOUBLE_EQ(r.MxCA, 15.0);
}

TEST(evaluation_test, every_criterion_failing_counts_seventeen) {
    NozzleCheckInput in = uniformAllowables(1);
    in.nAppliedSuc = {100, 100, 100, 100, 100, 100};
    in.nAppliedDis = {100, 100, 100, 100, 100, 100};
    EXPECT_EQ(EvaluateNozzleLoads(in).nFail, 17);
}

TEST(evaluation_test, loads_beyond_the_32_bit_model_give_finite_results) {
    NozzleCheckInput in;
    in.strAllowSuc.fill(L"-2147483648");
    in.strAllowDis.fill(L"2147483647");
    in.nAppliedSuc.fill(INT_MIN);
    in.nAppliedDis.fill(INT_MIN);
    in.nXSuc = in.nYSuc = in.nZSuc = INT_MAX;
    in.nXDis = in.nYDis = in.nZDis = INT_MIN;
    for (int nUnit : {UnitKg, UnitUS}) {
        in.nUnit = nUnit;
        const NozzleCheckResult r = EvaluateNozzleLoads(in);
        EXPECT_EQ(r.nFnMsA[3], INT_MAX);  // resultants clamp to the 32-bit range
        EXPECT_EQ(r.nFnMdT4[7], INT_MAX);
        EXPECT_EQ(r.FxCA, 2LL * INT_MIN);  // the combined force is the true sum
        for (double d : {r.FrCA, r.MxCA, r.MyCA, r.MzCA, r.MrCA, r.dLimitFr, r.dLimitMy, r.dLimitMr}) {
            EXPECT_TRUE(std::isfinite(d));
        }
    }
}

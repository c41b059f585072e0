#include "report.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "evaluation.h"
#include "sample_inputs.h"

namespace {
std::string readFixture(const std::string& name) {
    std::ifstream in(std::string(QUENMAR_FIXTURES_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string reportOf(const NozzleCheckInput& in) {
    return ComposeCheckReport(in, EvaluateNozzleLoads(in));
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}
}  // namespace

TEST(report_test, example_report_matches_byte_for_byte) {
    EXPECT_EQ(reportOf(endTopNewtonInput()), readFixture("end-top-n-one-fail.txt"));
}

TEST(report_test, writes_the_same_bytes_to_a_stream) {
    const NozzleCheckInput in = endTopNewtonInput();
    std::ostringstream out(std::ios::binary);
    WriteCheckReport(out, in, EvaluateNozzleLoads(in));
    EXPECT_EQ(out.str(), reportOf(in));
}

TEST(report_test, passed_report_ends_in_the_closing_sentence_after_an_empty_line) {
    const std::string text = reportOf(endTopNewtonPassedInput());
    const std::string ending =
        "   MrCA < 1.5(MrST4+MrDT4)\r\n"
        "      = 2698.5  < 1.5 x (  3127 + 1798  ) = 7387.5   . . . Passed\r\n"
        "\r\n"
        "As shown above, the Nozzle Loads are satisfied on API STD 610 Requirements.\r\n";
    ASSERT_GE(text.size(), ending.size());
    EXPECT_EQ(text.substr(text.size() - ending.size()), ending);
    EXPECT_TRUE(contains(text, "|  1600/1780  | =  0.90 < 2.0  . . . Passed\r\n"));
}

TEST(report_test, failed_report_ends_with_the_combined_moment_line) {
    const std::string text = reportOf(endTopNewtonInput());
    EXPECT_FALSE(contains(text, "As shown above"));
    EXPECT_TRUE(text.ends_with(". . . Passed\r\n"));
}

TEST(report_test, lb_report_converts_lever_arms_with_feet) {
    NozzleCheckInput in = endTopNewtonInput();
    in.nUnit = UnitUS;
    const std::string text = reportOf(in);
    EXPECT_TRUE(contains(text, "   MxCA = MxSA + MxDA - [(FySA)(zS)+(FyDA)(zD)-(FzSA)(yS)-(FzDA)(yD)]/304.8\r\n"));
    EXPECT_TRUE(contains(text, "   MyCA = MySA + MyDA + [(FxSA)(zS)+(FxDA)(zD)-(FzSA)(xS)-(FzDA)(xD)]/304.8\r\n"));
    EXPECT_TRUE(contains(text, "   MzCA = MzSA + MzDA - [(FxSA)(yS)+(FxDA)(yD)-(FySA)(xS)-(FyDA)(xD)]/304.8\r\n"));
    // MyCA = -200 + 133500 / 304.8 = 237.99...; MxCA = 2300 + 870000 / 304.8 = 5154.33...
    EXPECT_TRUE(contains(text, "        = 5154.3 ft-lb\r\n"));
    EXPECT_TRUE(contains(text, "        = 238.0 ft-lb\r\n"));
    EXPECT_TRUE(contains(text, "      FxST4 = 3110 lb,   FyST4"));
    EXPECT_FALSE(contains(text, "]/1000"));
}

TEST(report_test, unit_and_nozzle_words) {
    struct Case {
        int nUnit;
        int nPumpType;
        const char* szForce;
        const char* szMoment;
        const char* szSuction;
        const char* szDischarge;
    };
    const Case cases[] = {
        {UnitKg, EndTop, "kg", "kg-m", "End", "Top"},
        {UnitSI, TopTop, "N", "N-m", "Top", "Top"},
        {UnitUS, SideSide, "lb", "ft-lb", "Side", "Side"},
    };
    for (const auto& c : cases) {
        NozzleCheckInput in = endTopNewtonInput();
        in.nUnit = c.nUnit;
        const NozzleTypePair types = NozzleTypesOfPumpType(c.nPumpType);
        in.nSucNozzType = types.nSucNozzType;
        in.nDisNozzType = types.nDisNozzType;
        const std::string text = reportOf(in);
        const std::string f = c.szForce;
        const std::string m = c.szMoment;
        EXPECT_TRUE(contains(text, "   For Suction, " + std::string(c.szSuction) + " Nozzle of Size 6(in)\r\n"));
        EXPECT_TRUE(contains(text, "   For Discharge, " + std::string(c.szDischarge) + " Nozzle of Size 4(in)\r\n"));
        EXPECT_TRUE(contains(text, "FrDA = 3701 " + f + "\r\n"));
        EXPECT_TRUE(contains(text, "MrDA = 1106 " + m + "\r\n"));
        EXPECT_TRUE(contains(text, " = 4550 " + f + "\r\n"));
        EXPECT_TRUE(contains(text, "^0.5 = 4587.2 " + f + "\r\n"));
        EXPECT_TRUE(contains(text, "        = -66.5 " + m + "\r\n") || c.nUnit == UnitUS);
    }
}

TEST(report_test, long_values_run_into_the_next_label) {
    NozzleCheckInput in = endTopNewtonInput();
    in.nUnit = UnitUS;
    in.nAppliedSuc[3] = -2000;
    in.nAppliedSuc[4] = 500;
    in.nAppliedSuc[5] = 300;
    std::string text = reportOf(in);
    EXPECT_TRUE(contains(text, "\r\n      MxSA = -2000 ft-lb,ySA = 500 ft-lb, MzSA = 300 ft-lb, MrSA = 2083 ft-lb\r\n"));

    in.nUnit = UnitKg;
    in.strAllowDis[3] = L"12345";
    in.strAllowDis[4] = L"-1500";
    in.strAllowDis[5] = L"800";
    text = reportOf(in);
    EXPECT_TRUE(contains(text, "\r\n      MxDT4 = 12345 kg-m,MyDT4 = -1500 kg-m,MzDT4 = 800 kg-m,  MrDT4 = 12462 kg-m\r\n"));
}

TEST(report_test, verdict_texts_at_the_boundaries) {
    NozzleCheckInput in;
    in.nSucSize = in.nDisSize = 2;
    in.strAllowSuc = {L"500", L"800", L"8", L"1200", L"1600", L"8"};
    in.strAllowDis = {L"600", L"800", L"8", L"1200", L"1600", L"8"};
    in.nAppliedSuc = {1000, 1, 1, 1, 1, 1};       // ratio exactly 2.0
    in.nAppliedDis = {1800, 2400, 0, 1, 1, 1};     // FrDA 3000 against FrDT4 1000: sum > 2
    const std::string text = reportOf(in);
    EXPECT_TRUE(contains(text, "   |FxSA/FxST4| = |  1000/500   | =  2.00 < 2.0  . . . Passed\r\n"));
    EXPECT_TRUE(contains(text, " > 2.0   . . . Fail\r\n"));  // discharge F.1.2-b fail text

    in.nAppliedSuc = {1800, 2400, 0, 1, 1, 1};
    EXPECT_TRUE(contains(reportOf(in), " > 2   . . . Fail\r\n   FrDA"));  // suction F.1.2-b
}

TEST(report_test, undefined_ratios_print_in_their_fields) {
    NozzleCheckInput in = endTopNewtonInput();
    in.strAllowSuc[0] = L"";   // 1200 / 0: inf
    in.strAllowDis = {L"", L"", L"", L"", L"", L""};
    in.nAppliedDis[0] = 0;     // 0 / 0: nan
    const std::string text = reportOf(in);
    EXPECT_TRUE(contains(text, "   |FxSA/FxST4| = |  1200/0     | =   inf > 2.0  . . . Fail\r\n"));
    EXPECT_TRUE(contains(text, "   |FxDA/FxDT4| = |     0/0     | =   nan > 2.0  . . . Fail\r\n"));
    EXPECT_TRUE(contains(text, "/ 1.5 / 0      =   inf > 2.0   . . . Fail\r\n"));
    EXPECT_TRUE(contains(text, "1.5 x (  3225 + 0     ) = 4837.5   . . . Passed\r\n"));
}

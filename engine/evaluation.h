#pragma once
// The three criteria of API STD 610 paragraph F.1.2 for one check.

#include <array>
#include <cstdint>

#include "nozzle_check_input.h"

// Fx, Fy, Fz, Fr, Mx, My, Mz, Mr; Fr and Mr are the resultants rounded to the nearest integer.
using LoadVector = std::array<int, 8>;

struct NozzleCheckResult {
    LoadVector nFnMsT4{};  // suction allowable
    LoadVector nFnMdT4{};  // discharge allowable
    LoadVector nFnMsA{};   // suction applied
    LoadVector nFnMdA{};   // discharge applied
    // F.1.2-a: |applied / allowable| per component, order Fx, Fy, Fz, Mx, My, Mz; passes up to 2.0.
    std::array<double, 6> dRatioS{};
    std::array<bool, 6> bPassS{};
    std::array<double, 6> dRatioD{};
    std::array<bool, 6> bPassD{};
    // F.1.2-b: FrA / 1.5 / FrT4 + MrA / 1.5 / MrT4 per nozzle; passes up to 2.0.
    double dSumS = 0;
    bool bPassSumS = false;
    double dSumD = 0;
    bool bPassSumD = false;
    // F.1.2-c: loads of both nozzles carried to the pump centre. The combined forces are exact
    // sums (64-bit, so that no sum of 32-bit loads can overflow).
    std::int64_t FxCA = 0;
    std::int64_t FyCA = 0;
    std::int64_t FzCA = 0;
    double FrCA = 0;  // not rounded
    double MxCA = 0;
    double MyCA = 0;  // keeps its sign; the criterion compares |MyCA|
    double MzCA = 0;
    double MrCA = 0;
    double dLimitFr = 0;
    double dLimitMy = 0;
    double dLimitMr = 0;
    char chFr = '>';  // '<' passed, '>' failed (a value equal to its limit fails)
    char chMy = '>';
    char chMr = '>';
    int nFail = 0;  // failed criteria of the 17
};

NozzleCheckResult EvaluateNozzleLoads(const NozzleCheckInput& input);

// The lever-arm terms are lb x mm in lb and ft-lb; this turns them into the moment unit
// (mm to ft there, mm to m for kg-m and N-m).
bool UsesFootPoundMoments(int nUnit);

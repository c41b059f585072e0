#include "evaluation.h"

#include <climits>
#include <cmath>
#include <cstdint>

#include "leading_int.h"

// The loads are 32-bit integers. Sums of squares, combined forces, moment sums and lever-arm terms
// are formed in wider types so that no input can overflow; wherever the 32-bit arithmetic of the
// check fits, the results are the same to the last bit.

namespace {
constexpr double kMmToM = 0.001;      // lever arms in kg x mm or N x mm to kg-m or N-m
constexpr double kMmPerFoot = 304.8;  // lever arms in lb x mm to ft-lb

// The resultant of three components, rounded half up to an integer; clamped to the 32-bit range
// for components whose squares leave it.
int roundedResultant(int a, int b, int c) {
    const auto square = [](int v) {
        const auto m = static_cast<std::uint64_t>(v < 0 ? -static_cast<std::int64_t>(v) : v);
        return m * m;
    };
    const std::uint64_t nSumSq = square(a) + square(b) + square(c);  // < 3 * 2^62: no overflow
    const double dRoot = std::sqrt(static_cast<double>(nSumSq)) + 0.5;
    return dRoot >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<int>(dRoot);
}

void fillResultants(LoadVector& v) {
    v[3] = roundedResultant(v[0], v[1], v[2]);
    v[7] = roundedResultant(v[4], v[5], v[6]);
}

LoadVector allowableVector(const LoadTexts& texts) {
    LoadVector v{};
    for (int i = 0; i < 3; ++i) {
        v[i] = leadingIntOrZero(texts[i]);
        v[i + 4] = leadingIntOrZero(texts[i + 3]);
    }
    fillResultants(v);
    return v;
}

LoadVector appliedVector(const Loads& loads) {
    LoadVector v{};
    for (int i = 0; i < 3; ++i) {
        v[i] = loads[i];
        v[i + 4] = loads[i + 3];
    }
    fillResultants(v);
    return v;
}

// F.1.2-a for one nozzle: each component against twice its allowable; returns the failures.
int checkComponents(const LoadVector& applied, const LoadVector& allowable,
                    std::array<double, 6>& dRatio, std::array<bool, 6>& bPass) {
    constexpr int kIndex[6] = {0, 1, 2, 4, 5, 6};
    int nFail = 0;
    for (int i = 0; i < 6; ++i) {
        const int k = kIndex[i];
        dRatio[i] = std::fabs(static_cast<double>(applied[k]) / static_cast<double>(allowable[k]));
        bPass[i] = dRatio[i] <= 2.0;  // an infinite or undefined ratio fails
        if (!bPass[i]) ++nFail;
    }
    return nFail;
}

// F.1.2-b for one nozzle: the force and moment resultants together.
double resultantSum(const LoadVector& applied, const LoadVector& allowable) {
    return static_cast<double>(applied[3]) / 1.5 / static_cast<double>(allowable[3]) +
           static_cast<double>(applied[7]) / 1.5 / static_cast<double>(allowable[7]);
}

double product(int a, int b) {
    return static_cast<double>(static_cast<std::int64_t>(a) * static_cast<std::int64_t>(b));
}

double sumAsDouble(int a, int b) {
    return static_cast<double>(static_cast<std::int64_t>(a) + static_cast<std::int64_t>(b));
}
}  // namespace

bool UsesFootPoundMoments(int nUnit) { return nUnit != UnitKg && nUnit != UnitSI; }

NozzleCheckResult EvaluateNozzleLoads(const NozzleCheckInput& input) {
    NozzleCheckResult r;
    r.nFnMsT4 = allowableVector(input.strAllowSuc);
    r.nFnMdT4 = allowableVector(input.strAllowDis);
    r.nFnMsA = appliedVector(input.nAppliedSuc);
    r.nFnMdA = appliedVector(input.nAppliedDis);
    const LoadVector& sT4 = r.nFnMsT4;
    const LoadVector& dT4 = r.nFnMdT4;
    const LoadVector& sA = r.nFnMsA;
    const LoadVector& dA = r.nFnMdA;

    int nFail = checkComponents(sA, sT4, r.dRatioS, r.bPassS);
    nFail += checkComponents(dA, dT4, r.dRatioD, r.bPassD);

    r.dSumS = resultantSum(sA, sT4);
    r.bPassSumS = r.dSumS <= 2.0;
    r.dSumD = resultantSum(dA, dT4);
    r.bPassSumD = r.dSumD <= 2.0;
    nFail += !r.bPassSumS + !r.bPassSumD;

    // F.1.2-c: both nozzles carried to the pump centre.
    r.FxCA = static_cast<std::int64_t>(sA[0]) + dA[0];
    r.FyCA = static_cast<std::int64_t>(sA[1]) + dA[1];
    r.FzCA = static_cast<std::int64_t>(sA[2]) + dA[2];
    const auto dFx = static_cast<double>(r.FxCA);
    const auto dFy = static_cast<double>(r.FyCA);
    const auto dFz = static_cast<double>(r.FzCA);
    r.FrCA = std::sqrt(dFx * dFx + dFy * dFy + dFz * dFz);

    const int xS = input.nXSuc, yS = input.nYSuc, zS = input.nZSuc;
    const int xD = input.nXDis, yD = input.nYDis, zD = input.nZDis;
    // Each product of a 32-bit force and a 32-bit coordinate is exact in 64 bits, and exact as a
    // double whenever the 32-bit arithmetic would have held it.
    const double Lx = product(sA[1], zS) + product(dA[1], zD) - product(sA[2], yS) - product(dA[2], yD);
    const double Ly = product(sA[0], zS) + product(dA[0], zD) - product(sA[2], xS) - product(dA[2], xD);
    const double Lz = product(sA[0], yS) + product(dA[0], yD) - product(sA[1], xS) - product(dA[1], xD);

    // The coordinates are mm in every unit system: with ft-lb moments the lever arms go to feet,
    // otherwise to metres (a multiplication by 0.001, which reports have always used).
    const bool bFootPound = UsesFootPoundMoments(input.nUnit);
    const auto toMoment = [bFootPound](double dLever) {
        return bFootPound ? dLever / kMmPerFoot : dLever * kMmToM;
    };
    r.MxCA = sumAsDouble(sA[4], dA[4]) - toMoment(Lx);
    r.MyCA = sumAsDouble(sA[5], dA[5]) + toMoment(Ly);
    r.MzCA = sumAsDouble(sA[6], dA[6]) - toMoment(Lz);
    r.MrCA = std::sqrt(r.MxCA * r.MxCA + r.MyCA * r.MyCA + r.MzCA * r.MzCA);

    r.dLimitFr = 1.5 * sumAsDouble(sT4[3], dT4[3]);
    r.dLimitMy = std::fabs(2.0 * sumAsDouble(sT4[5], dT4[5]));
    r.dLimitMr = 1.5 * sumAsDouble(sT4[7], dT4[7]);
    // Strict: a combined load equal to its limit fails.
    r.chFr = r.dLimitFr > r.FrCA ? '<' : '>';
    r.chMy = r.dLimitMy > std::fabs(r.MyCA) ? '<' : '>';
    r.chMr = r.dLimitMr > r.MrCA ? '<' : '>';
    nFail += (r.chFr == '>') + (r.chMy == '>') + (r.chMr == '>');

    r.nFail = nFail;
    return r;
}

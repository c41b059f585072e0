#pragma once
// Check records that several engine tests share.

#include "nozzle_check_input.h"

// An End-Top pump in N and N-m with a 6-inch suction and a 4-inch discharge nozzle: one F.1.2-a
// component (FzDA) fails. The report of this record is tests/fixtures/end-top-n-one-fail.txt.
inline NozzleCheckInput endTopNewtonInput() {
    NozzleCheckInput in;
    in.nUnit = UnitSI;
    in.nXSuc = -450;
    in.nYDis = 300;
    in.nZDis = 420;
    in.nSucSize = 6;
    in.nDisSize = 4;
    in.strSucSize = L"6";
    in.strDisSize = L"4";
    in.strAllowSuc = {L"3110", L"2490", L"2050", L"2300", L"1180", L"1760"};
    in.strAllowDis = {L"1420", L"1160", L"1780", L"1330", L"680", L"1000"};
    in.nAppliedSuc = {1200, -800, 950, 1500, -600, 900};
    in.nAppliedDis = {-700, 500, 3600, 800, 400, -650};
    return in;
}

// The same pump with the discharge Fz brought down so that every criterion passes.
inline NozzleCheckInput endTopNewtonPassedInput() {
    NozzleCheckInput in = endTopNewtonInput();
    in.nAppliedDis[2] = 1600;
    return in;
}

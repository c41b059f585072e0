#pragma once
// The report example of the check: an End-Top pump in N and N-m, 6-inch suction, 4-inch discharge,
// one F.1.2-a component failing. Built field by field here, independently of the tool's reader.

#include <string>

#include "nozzle_check_input.h"

inline const char* kNExampleJson = R"({
  "pump_type": "end-top",
  "unit": "N",
  "suction": {"size": 6, "position_mm": [-450, 0, 0],
              "applied": [1200, -800, 950, 1500, -600, 900]},
  "discharge": {"size": 4, "position_mm": [0, 300, 420],
                "applied": [-700, 500, 3600, 800, 400, -650]}
})";

inline NozzleCheckInput NExampleInput() {
    NozzleCheckInput input;
    input.nUnit = UnitSI;
    input.nXSuc = -450;
    input.nYDis = 300;
    input.nZDis = 420;
    input.strSucSize = L"6";
    input.nSucSize = 6;
    input.strDisSize = L"4";
    input.nDisSize = 4;
    input.strAllowSuc = {L"3110", L"2490", L"2050", L"2300", L"1180", L"1760"};
    input.strAllowDis = {L"1420", L"1160", L"1780", L"1330", L"680", L"1000"};
    input.nAppliedSuc = {1200, -800, 950, 1500, -600, 900};
    input.nAppliedDis = {-700, 500, 3600, 800, 400, -650};
    return input;
}

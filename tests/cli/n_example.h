#pragma once
// The report example of the check: an End-Top pump in N and N-m, 6-inch suction, 4-inch discharge,
// one F.1.2-a component failing: the JSON case, and the record built field by field without the
// tool's reader.

#include <string>

#include "nozzle_check_input.h"
#include "sample_inputs.h"

inline const char* kNExampleJson = R"({
  "pump_type": "end-top",
  "unit": "N",
  "suction": {"size": 6, "position_mm": [-450, 0, 0],
              "applied": [1200, -800, 950, 1500, -600, 900]},
  "discharge": {"size": 4, "position_mm": [0, 300, 420],
                "applied": [-700, 500, 3600, 800, 400, -650]}
})";

// The record a person filling the form with the same values ends up with.
inline NozzleCheckInput NExampleInput() { return endTopNewtonInput(); }

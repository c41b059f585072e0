#pragma once
// The refusals of the check run that do not concern the output file, for the summary-only batch,
// which evaluates without writing reports.

#include <string>

#include "evaluation.h"
#include "nozzle_check_input.h"

// The refusal text RunNozzleCheck would give before it turns to the output file (nozzle position,
// nozzle size, applied resultants of 0), or an empty text when it would go on. `result` is the
// evaluation of `input`.
std::wstring RefusalBeforeOutput(const NozzleCheckInput& input, const NozzleCheckResult& result);

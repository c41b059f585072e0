#pragma once
// The check report: plain ASCII text, CR LF after every line.

#include <ostream>
#include <string>

#include "evaluation.h"
#include "nozzle_check_input.h"

// Writes the whole report to a stream opened in binary mode (the CR LF are written here).
void WriteCheckReport(std::ostream& out, const NozzleCheckInput& input,
                      const NozzleCheckResult& result);

// The same report as one string.
std::string ComposeCheckReport(const NozzleCheckInput& input, const NozzleCheckResult& result);

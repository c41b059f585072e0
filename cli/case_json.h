#pragma once
// Case objects in JSON: a single case file, or one line of a JSON Lines batch.

#include <optional>
#include <string_view>

#include "case_error.h"
#include "check_case.h"

enum class CaseJsonUse {
    SingleCase,  // "output" names the report file
    BatchLine,   // "case" names the case; reports go to the batch's folder, so "output" is refused
};

// Parses UTF-8 text holding one JSON object into a case. Any syntax error, wrong type, value
// beyond 32 bits, unknown name, array of the wrong length, unknown or repeated key gives an error
// naming the field.
std::optional<CaseError> ParseCaseJson(std::string_view text, CaseJsonUse use, CheckCase& out);

#pragma once
// One case file in, one report out, the result on stdout as the form would show it.

#include <optional>
#include <string>

// Checks the case in strCasePath; strOutput, when given, replaces the file's "output". Returns
// 0 passed, 1 failed, 2 refused (the refusal text on stderr), 64 when the file cannot be read as
// a case (one line on stderr naming the file and the field).
int RunSingleCase(const std::string& strCasePath, const std::optional<std::string>& strOutput);

#pragma once
// Batch rows in CSV: a header row names the columns, each further row is one case.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "case_error.h"
#include "check_case.h"
#include "csv_reader.h"

// Where each known column sits in the file; columns may come in any order and may be left out
// (a missing column reads as an empty cell).
class CaseCsvHeader {
  public:
    // Fails on an unknown or repeated column name, naming it.
    static std::optional<CaseError> Read(const CsvRecord& header, CaseCsvHeader& out);

    // Fills a case from one row. An empty cell keeps the default (end-top, kg, no size, 0, no
    // allowable override); a cell that cannot be read gives an error naming its column.
    std::optional<CaseError> ReadRow(const CsvRecord& row, CheckCase& out) const;

    // The column names in their usual order, for templates and help.
    static const std::vector<std::string>& ColumnNames();

  private:
    std::vector<int> m_nIndex;  // per known column: its position in the file, or -1
    std::size_t m_nFields = 0;  // fields every row must have
};

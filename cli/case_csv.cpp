#include "case_csv.h"

#include <limits>

#include "utf8.h"

namespace {

// The known columns, in the order of the usual header.
enum Column : int {
    ColCase,
    ColPumpType,
    ColUnit,
    ColSucSize,
    ColDisSize,
    ColXSuc,
    ColYSuc,
    ColZSuc,
    ColXDis,
    ColYDis,
    ColZDis,
    ColFxSA,  // six applied suction loads, then six applied discharge loads
    ColFxDA = ColFxSA + 6,
    ColFxST4 = ColFxDA + 6,  // six suction allowable overrides, then six discharge ones
    ColFxDT4 = ColFxST4 + 6,
    ColCount = ColFxDT4 + 6,
};

const std::vector<std::string> kColumnNames = {
    "case",  "pump_type", "unit",  "suc_size", "dis_size", "xSuc",  "ySuc",  "zSuc",  "xDis",
    "yDis",  "zDis",      "FxSA",  "FySA",     "FzSA",     "MxSA",  "MySA",  "MzSA",  "FxDA",
    "FyDA",  "FzDA",      "MxDA",  "MyDA",     "MzDA",     "FxST4", "FyST4", "FzST4", "MxST4",
    "MyST4", "MzST4",     "FxDT4", "FyDT4",    "FzDT4",    "MxDT4", "MyDT4", "MzDT4",
};

std::string Echo(const std::string& strCell) {
    std::string text = strCell.size() > 40 ? strCell.substr(0, 37) + "..." : strCell;
    for (char& ch : text) {
        if (static_cast<unsigned char>(ch) < 0x20) ch = ' ';
    }
    return "\"" + text + "\"";
}

// A signed 32-bit integer, blanks around it allowed; an empty cell keeps nOut. Read by hand: it
// runs eighteen times a row and is the busiest step of a summary-only batch.
std::optional<CaseError> ReadIntCell(const std::string& strCell, int nColumn, int& nOut) {
    const char* first = strCell.data();
    const char* last = first + strCell.size();
    while (first != last && *first == ' ') ++first;
    while (last != first && last[-1] == ' ') --last;
    if (first == last) return std::nullopt;
    const bool bNegative = *first == '-';
    if (*first == '-' || *first == '+') ++first;
    if (first == last) {
        return CaseError{kColumnNames[nColumn], "expected an integer, found " + Echo(strCell)};
    }
    long long nVal = 0;
    bool bTooLarge = false;
    for (const char* p = first; p != last; ++p) {
        if (*p < '0' || *p > '9') {
            return CaseError{kColumnNames[nColumn], "expected an integer, found " + Echo(strCell)};
        }
        nVal = nVal * 10 + (*p - '0');
        if (nVal > 2147483648LL) {
            bTooLarge = true;
            nVal = 2147483648LL;  // keep reading: a later letter makes it no integer at all
        }
    }
    if (bNegative) nVal = -nVal;
    if (bTooLarge || nVal < std::numeric_limits<int>::min() ||
        nVal > std::numeric_limits<int>::max()) {
        return CaseError{kColumnNames[nColumn],
                         Echo(strCell) + " is beyond the signed 32-bit range"};
    }
    nOut = static_cast<int>(nVal);
    return std::nullopt;
}

}  // namespace

const std::vector<std::string>& CaseCsvHeader::ColumnNames() { return kColumnNames; }

std::optional<CaseError> CaseCsvHeader::Read(const CsvRecord& header, CaseCsvHeader& out) {
    if (!header.strError.empty()) return CaseError{"header", header.strError};
    // Spreadsheets set to a decimal comma save "CSV" with semicolons or tabs between the cells.
    if (header.fields.size() == 1 && header.fields[0].find_first_of(";\t") != std::string::npos) {
        return CaseError{"header", "the columns must be separated by commas, not by ';' or tabs"};
    }
    out.m_nIndex.assign(ColCount, -1);
    out.m_nFields = header.fields.size();
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        const std::string& strName = header.fields[i];
        int nColumn = 0;
        while (nColumn < ColCount && kColumnNames[nColumn] != strName) ++nColumn;
        if (nColumn == ColCount) return CaseError{Echo(strName), "unknown column"};
        if (out.m_nIndex[nColumn] >= 0) return CaseError{strName, "column given twice"};
        out.m_nIndex[nColumn] = static_cast<int>(i);
    }
    return std::nullopt;
}

std::optional<CaseError> CaseCsvHeader::ReadRow(const CsvRecord& row, CheckCase& out) const {
    static const std::string kEmpty;
    auto cell = [&](int nColumn) -> const std::string& {
        const int nIndex = m_nIndex[nColumn];
        return nIndex < 0 || static_cast<std::size_t>(nIndex) >= row.fields.size()
                   ? kEmpty
                   : row.fields[nIndex];
    };
    out = CheckCase{};
    // Named even when the row is malformed, so that the summary can say which case it was.
    out.strName = cell(ColCase);
    if (!row.strError.empty()) return CaseError{"", row.strError};
    if (row.fields.size() != m_nFields) {
        return CaseError{"", "expected " + std::to_string(m_nFields) + " fields, found " +
                                 std::to_string(row.fields.size())};
    }
    if (const std::string& strType = cell(ColPumpType); !strType.empty()) {
        const auto nType = PumpTypeFromName(strType);
        if (!nType) {
            return CaseError{"pump_type", UnknownPumpType(Echo(strType))};
        }
        out.nPumpType = *nType;
    }
    if (const std::string& strUnit = cell(ColUnit); !strUnit.empty()) {
        const auto nUnit = LoadUnitFromName(strUnit);
        if (!nUnit) return CaseError{"unit", UnknownUnit(Echo(strUnit))};
        out.nUnit = *nUnit;
    }
    // A size cell is the size field's text as it stands; an empty cell leaves the field empty.
    if (const std::string& strSize = cell(ColSucSize); !strSize.empty()) {
        out.suction.strSize = fromUtf8(strSize);
    }
    if (const std::string& strSize = cell(ColDisSize); !strSize.empty()) {
        out.discharge.strSize = fromUtf8(strSize);
    }
    for (int i = 0; i < 3; ++i) {
        if (auto error = ReadIntCell(cell(ColXSuc + i), ColXSuc + i, out.suction.nPosition[i])) {
            return error;
        }
        if (auto error = ReadIntCell(cell(ColXDis + i), ColXDis + i, out.discharge.nPosition[i])) {
            return error;
        }
    }
    for (int i = 0; i < 6; ++i) {
        if (auto error = ReadIntCell(cell(ColFxSA + i), ColFxSA + i, out.suction.nApplied[i])) {
            return error;
        }
        if (auto error = ReadIntCell(cell(ColFxDA + i), ColFxDA + i, out.discharge.nApplied[i])) {
            return error;
        }
        // An allowable cell stands as typed, like the text of an allowable field.
        if (const std::string& strText = cell(ColFxST4 + i); !strText.empty()) {
            out.suction.strAllowable[i] = fromUtf8(strText);
        }
        if (const std::string& strText = cell(ColFxDT4 + i); !strText.empty()) {
            out.discharge.strAllowable[i] = fromUtf8(strText);
        }
    }
    return std::nullopt;
}

#include "allowable_loads.h"

#include <charconv>

#include "leading_int.h"

namespace {
// Columns: nominal size 2, 3, 4, 6, 8, 10, 12, 14, 16 inch.
constexpr int kColumns = 9;

// lb; rows per NozzleType: Fx, Fy, Fz.
constexpr int nNozzAllowForces_US[3][3][kColumns] = {
    {{200, 300, 400, 700, 1100, 1500, 1800, 2000, 2300},
     {160, 240, 320, 560, 850, 1200, 1500, 1600, 1900},
     {130, 200, 260, 460, 700, 1000, 1200, 1300, 1500}},
    {{160, 240, 320, 560, 850, 1200, 1500, 1600, 1900},
     {130, 200, 260, 460, 700, 1000, 1200, 1300, 1500},
     {200, 300, 400, 700, 1100, 1500, 1800, 2000, 2300}},
    {{160, 240, 320, 560, 850, 1200, 1500, 1600, 1900},
     {200, 300, 400, 700, 1100, 1500, 1800, 2000, 2300},
     {130, 200, 260, 460, 700, 1000, 1200, 1300, 1500}},
};

// ft-lb, every nozzle type: Mx, My, Mz.
constexpr int nNozzAllowMoments_US[3][kColumns] = {
    {340, 700, 980, 1700, 2600, 3700, 4500, 4700, 5400},
    {170, 350, 500, 870, 1300, 1800, 2200, 2300, 2700},
    {260, 530, 740, 1300, 1900, 2800, 3400, 3500, 4000},
};

// N; rows per NozzleType: Fx, Fy, Fz. Table data in its own right, not converted from lb.
constexpr int nNozzAllowForces_SI[3][3][kColumns] = {
    {{890, 1330, 1780, 3110, 4890, 6670, 8000, 8900, 10230},
     {710, 1070, 1420, 2490, 3780, 5340, 6670, 7120, 8450},
     {580, 890, 1160, 2050, 3110, 4450, 5340, 5780, 6670}},
    {{710, 1070, 1420, 2490, 3780, 5340, 6670, 7120, 8450},
     {580, 890, 1160, 2050, 3110, 4450, 5340, 5780, 6670},
     {890, 1330, 1780, 3110, 4890, 6670, 8000, 8900, 10230}},
    {{710, 1070, 1420, 2490, 3780, 5340, 6670, 7120, 8450},
     {890, 1330, 1780, 3110, 4890, 6670, 8000, 8900, 10230},
     {580, 890, 1160, 2050, 3110, 4450, 5340, 5780, 6670}},
};

// N-m, every nozzle type: Mx, My, Mz.
constexpr int nNozzAllowMoments_SI[3][kColumns] = {
    {460, 950, 1330, 2300, 3530, 5020, 6100, 6370, 7320},
    {230, 470, 680, 1180, 1760, 2440, 2980, 3120, 3660},
    {350, 720, 1000, 1760, 2580, 3800, 4610, 4750, 5420},
};

// The table column of a nominal size, or -1 for the odd sizes that Table 4 does not list.
// Sizes above 16 are tested before odd sizes, so 17 takes the 16-inch column.
int columnOfSize(int nSize) {
    if (nSize <= 2) return 0;
    if (nSize > 16) return 8;
    if (nSize == 3) return 1;
    if (nSize % 2 != 0) return -1;
    return nSize / 2;
}
}  // namespace

bool GetNozzAllowLoads(int nNozzType, int nSize, int nUnit, int nF[3], int nM[3]) {
    const int nCol = columnOfSize(nSize);
    if (nCol < 0) return false;
    // Callers pass only the three nozzle types; anything else reads the side rows rather than
    // memory beyond the table.
    const int nType = (nNozzType == EndNozzle || nNozzType == TopNozzle) ? nNozzType : SideNozzle;

    for (int i = 0; i < 3; ++i) {
        if (nUnit == UnitSI) {
            nF[i] = nNozzAllowForces_SI[nType][i][nCol];
            nM[i] = nNozzAllowMoments_SI[i][nCol];
            continue;
        }
        nF[i] = nNozzAllowForces_US[nType][i][nCol];
        nM[i] = nNozzAllowMoments_US[i][nCol];
        if (nUnit == UnitKg) {
            // kg and kg-m are derived from lb and ft-lb at each look-up, rounded half up.
            nF[i] = static_cast<int>(nF[i] * 0.45359 + 0.5);
            nM[i] = static_cast<int>(nM[i] * 0.45359 * 12.0 * 0.0254 + 0.5);
        }
    }
    return true;
}

namespace {
// "%d". std::to_wstring goes through the C library's wide printf, which costs more than a whole
// evaluation when a batch fills thousands of records.
std::wstring decimalText(int nVal) {
    char szBuff[16];
    const auto [end, ec] = std::to_chars(szBuff, szBuff + sizeof szBuff, nVal);
    return std::wstring(szBuff, end);
}
}  // namespace

bool RefreshAllowables(std::wstring& strSize, int& nSize, int nNozzType, int nUnit,
                       LoadTexts& strAllow) {
    // An emptied size keeps its last values: deleting the text to retype it must not wipe the row.
    if (strSize.empty()) return false;
    nSize = leadingIntOrZero(strSize);
    int nF[3];
    int nM[3];
    if (GetNozzAllowLoads(nNozzType, nSize, nUnit, nF, nM)) {
        for (std::size_t i = 0; i < 3; ++i) {
            strAllow[i] = decimalText(nF[i]);
            strAllow[i + 3] = decimalText(nM[i]);
        }
    } else {
        // A size without a Table 4 column: the size and its row are emptied, without a word.
        nSize = 0;
        strSize.clear();
        for (std::wstring& str : strAllow) str.clear();
    }
    return true;
}

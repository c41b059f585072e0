#pragma once
// API STD 610 (10th edition) Table 4: allowable nozzle loads.

#include <string>

#include "nozzle_check_input.h"

// Fills nF (Fx, Fy, Fz) and nM (Mx, My, Mz) for a nozzle of the given NozzleType and size (inch)
// in the given LoadUnit. Sizes of 2 inch and below take the 2-inch column, sizes above 16 the
// 16-inch column; the odd sizes 5 to 15 have no column: then it returns false and writes nothing.
bool GetNozzAllowLoads(int nNozzType, int nSize, int nUnit, int nF[3], int nM[3]);

// A nozzle's six allowable texts after its size text changed, as the form has always kept them:
// an empty size text changes nothing and returns false. Otherwise nSize becomes the text's leading
// integer and the texts the Table 4 values ("%d"); a size without a column empties the size text
// and the six texts and sets nSize to 0. Returns true when anything was refreshed.
bool RefreshAllowables(std::wstring& strSize, int& nSize, int nNozzType, int nUnit,
                       LoadTexts& strAllow);

#pragma once
// API STD 610 (10th edition) Table 4: allowable nozzle loads.

// Fills nF (Fx, Fy, Fz) and nM (Mx, My, Mz) for a nozzle of the given NozzleType and size (inch)
// in the given LoadUnit. Sizes of 2 inch and below take the 2-inch column, sizes above 16 the
// 16-inch column; the odd sizes 5 to 15 have no column: then it returns false and writes nothing.
bool GetNozzAllowLoads(int nNozzType, int nSize, int nUnit, int nF[3], int nM[3]);

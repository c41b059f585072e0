#pragma once
// The one record of a nozzle load check: everything the check form shows and the check reads.

#include <array>
#include <string>

enum LoadUnit : int {
    UnitKg = 0,  // kg, kg-m
    UnitSI = 1,  // N, N-m
    UnitUS = 2,  // lb, ft-lb
};

enum PumpType : int {
    EndTop = 0,    // end suction, top discharge
    TopTop = 1,
    SideSide = 2,
};

enum NozzleType : int {
    EndNozzle = 0,
    TopNozzle = 1,
    SideNozzle = 2,
};

// The nozzle types that a pump arrangement gives its suction and discharge nozzle.
struct NozzleTypePair {
    int nSucNozzType;
    int nDisNozzType;
};
NozzleTypePair NozzleTypesOfPumpType(int nPumpType);

// Forces and moments of one nozzle, in the order Fx, Fy, Fz, Mx, My, Mz.
using LoadTexts = std::array<std::wstring, 6>;
using Loads = std::array<int, 6>;

struct NozzleCheckInput {
    // Nozzle positions from the pump centre point, whole mm: X along the shaft, Y across it, Z up.
    int nXSuc = 0;
    int nYSuc = 0;
    int nZSuc = 0;
    int nXDis = 0;
    int nYDis = 0;
    int nZDis = 0;
    int nPumpType = EndTop;  // PumpType; the engine reads only the two nozzle types
    int nUnit = UnitKg;      // LoadUnit of every allowable and applied load
    int nSucSize = 0;        // inch, as last accepted from strSucSize; 0 = no size accepted
    int nDisSize = 0;        // inch; 0 = no size accepted
    std::wstring strSucSize;  // size text as typed
    std::wstring strDisSize;
    int nSucNozzType = EndNozzle;  // NozzleType
    int nDisNozzType = TopNozzle;  // NozzleType
    LoadTexts strAllowSuc;  // Table 4 allowables as the fields show them; read as leading integers
    LoadTexts strAllowDis;
    std::wstring strResultLine;   // one-line summary of the last completed check
    std::wstring strOutFile;      // full path of the report file
    std::wstring strOutFileName;  // its last path component, as chosen with "..."
    Loads nAppliedSuc{};  // applied loads from the stress analysis, in nUnit
    Loads nAppliedDis{};
};

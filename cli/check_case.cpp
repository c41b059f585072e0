#include "check_case.h"

#include <string_view>

#include "allowable_loads.h"

namespace {

void ApplyOverrides(const NozzleCase& nozzle, LoadTexts& strAllow) {
    for (int i = 0; i < 6; ++i) {
        if (nozzle.strAllowable[i]) strAllow[i] = *nozzle.strAllowable[i];
    }
}

}  // namespace

NozzleCheckInput ToNozzleCheckInput(const CheckCase& checkCase) {
    NozzleCheckInput input;
    input.nPumpType = checkCase.nPumpType;
    const NozzleTypePair types = NozzleTypesOfPumpType(checkCase.nPumpType);
    input.nSucNozzType = types.nSucNozzType;
    input.nDisNozzType = types.nDisNozzType;
    input.nUnit = checkCase.nUnit;

    if (checkCase.suction.strSize) {
        input.strSucSize = *checkCase.suction.strSize;
        RefreshAllowables(input.strSucSize, input.nSucSize, input.nSucNozzType, input.nUnit,
                          input.strAllowSuc);
    }
    if (checkCase.discharge.strSize) {
        input.strDisSize = *checkCase.discharge.strSize;
        RefreshAllowables(input.strDisSize, input.nDisSize, input.nDisNozzType, input.nUnit,
                          input.strAllowDis);
    }
    ApplyOverrides(checkCase.suction, input.strAllowSuc);
    ApplyOverrides(checkCase.discharge, input.strAllowDis);

    input.nXSuc = checkCase.suction.nPosition[0];
    input.nYSuc = checkCase.suction.nPosition[1];
    input.nZSuc = checkCase.suction.nPosition[2];
    input.nXDis = checkCase.discharge.nPosition[0];
    input.nYDis = checkCase.discharge.nPosition[1];
    input.nZDis = checkCase.discharge.nPosition[2];
    input.nAppliedSuc = checkCase.suction.nApplied;
    input.nAppliedDis = checkCase.discharge.nApplied;

    if (checkCase.strOutput) {
        input.strOutFile = *checkCase.strOutput;
        input.strOutFileName = LastPathComponent(input.strOutFile);
    }
    return input;
}

std::wstring LastPathComponent(const std::wstring& strPath) {
    const std::size_t nSlash = strPath.rfind(L'/');
    return nSlash == std::wstring::npos ? strPath : strPath.substr(nSlash + 1);
}

std::optional<int> PumpTypeFromName(std::string_view name) {
    if (name == "end-top") return EndTop;
    if (name == "top-top") return TopTop;
    if (name == "side-side") return SideSide;
    return std::nullopt;
}

std::optional<int> LoadUnitFromName(std::string_view name) {
    if (name == "kg") return UnitKg;
    if (name == "N") return UnitSI;
    if (name == "lb") return UnitUS;
    return std::nullopt;
}

std::string UnknownPumpType(const std::string& echo) {
    return "unknown pump type " + echo + " (end-top, top-top or side-side)";
}

std::string UnknownUnit(const std::string& echo) {
    return "unknown unit " + echo + " (kg, N or lb)";
}

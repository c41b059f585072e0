#pragma once
// One load case as a case file or a batch row describes it, before it becomes a NozzleCheckInput.

#include <array>
#include <optional>
#include <string>

#include "nozzle_check_input.h"

// What a person would put into one nozzle's fields of the check form.
struct NozzleCase {
    std::optional<std::wstring> strSize;  // size field text, inch; nullopt = field left empty
    std::array<int, 3> nPosition{};       // x, y, z from the pump centre point, whole mm
    Loads nApplied{};                     // Fx, Fy, Fz, Mx, My, Mz in the case's unit
    // Allowables typed over the looked-up ones, Fx ... Mz; nullopt = keep the Table 4 value.
    std::array<std::optional<std::wstring>, 6> strAllowable;
};

struct CheckCase {
    std::string strName;  // UTF-8 name of the case in a batch; empty for a single case file
    int nPumpType = EndTop;
    int nUnit = UnitKg;
    NozzleCase suction;
    NozzleCase discharge;
    std::optional<std::wstring> strOutput;  // report path as chosen in the file chooser
};

// The record the form would hold after a person entered the case: pump type, unit, size texts
// (each running the allowable refresh), allowable overrides, positions, applied loads and the
// chosen output file, in that order.
NozzleCheckInput ToNozzleCheckInput(const CheckCase& checkCase);

// The last path component of a path, as the file chooser gives it for strOutFileName.
std::wstring LastPathComponent(const std::wstring& strPath);

// "end-top", "top-top", "side-side" and "kg", "N", "lb"; nullopt for any other text.
std::optional<int> PumpTypeFromName(std::string_view name);
std::optional<int> LoadUnitFromName(std::string_view name);

// The error texts for a name that is none of those; `echo` shows the name as it was given.
std::string UnknownPumpType(const std::string& echo);
std::string UnknownUnit(const std::string& echo);

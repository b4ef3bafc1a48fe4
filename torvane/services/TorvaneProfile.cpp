#include "torvane/services/TorvaneProfile.h"

#include "torvane/results/TorvaneChartCatalogue.h"
#include "torvane/services/ErrCode.h"

namespace torvane {

namespace {

const UnitRow kUnits[] = {
    {kUnitNone, " ", "%.2f"},
    {kUnitRatio, " ", "%.2f"},
    {kUnitPercent, "%", "%.1f"},
    {kUnitInch, "in", "%.3f"},
    {kUnitCm, "cm", "%.1f"},
    {kUnitMm, "mm", "%.2f"},
    {kUnitCubicInch, "ci", "%.1f"},
    {kUnitCc, "cc", "%.2f"},
    {kUnitDegree, "Deg", "%.1f"},
    {kUnitRpm, "rpm", "%.0f"},
    {kUnitInHg, "inHg", "%.2f"},
    {kUnitInH2O, "inH2O", "%.1f"},
    {kUnitCmHg, "cmHg", "%.3f"},
    {kUnitCmH2O, "cmH2O", "%.2f"},
    {kUnitPsi, "psi", "%.1f"},
    {kUnitCfm, "cfm", "%.1f"},
    {kUnitLitrePerMin, "l/min", "%.3f"},
    {kUnitLbsPerMin, "lbs/min", "%.1f"},
    {kUnitKgPerMin, "kg/min", "%.3f"},
};

const ProgramProfile kProfile = {
    "Torvane",
    kUnits,
    static_cast<int>(sizeof kUnits / sizeof kUnits[0]),
    {kErrFileWrite, kErrFileRead, kErrFileValue},
};

}  // namespace

const ProgramProfile& TorvaneProgramProfile() {
    return kProfile;
}

void TorvaneInstallProgramProfile() {
    InstallProgramProfile(kProfile);
    TorvaneInstallChartCatalogue();
}

}  // namespace torvane

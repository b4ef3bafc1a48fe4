#include "quillet/services/QuilletProfile.h"

#include "quillet/services/ErrCode.h"

namespace quillet {

namespace {

const UnitRow kUnits[] = {
    {kUnitNone, " ", "%.2f"},           {kUnitRatio, " ", "%.2f"},
    {kUnitPercent, "%", "%.1f"},        {kUnitFactor, " ", "%.2f"},
    {kUnitCoefficient, " ", "%.2f"},    {kUnitInch, "in", "%.3f"},
    {kUnitFoot, "ft", "%.1f"},          {kUnitCm, "cm", "%.1f"},
    {kUnitMm, "mm", "%.2f"},            {kUnitMetre, "m", "%.2f"},
    {kUnitCubicInch, "ci", "%.1f"},     {kUnitCc, "cc", "%.2f"},
    {kUnitDegree, "Deg", "%.1f"},       {kUnitRpm, "rpm", "%.0f"},
    {kUnitInHg, "inHg", "%.2f"},        {kUnitInH2O, "inH2O", "%.1f"},
    {kUnitCmH2O, "cmH2O", "%.1f"},      {kUnitPsi, "psi", "%.1f"},
    {kUnitCfm, "cfm", "%.1f"},          {kUnitLitrePerMin, "l/min", "%.3f"},
    {kUnitLbsPerMin, "lbs/min", "%.1f"}, {kUnitKgPerMin, "kg/min", "%.3f"},
    {kUnitHorsepower, "hp", "%.0f"},    {kUnitLbFt, "lb-ft", "%.0f"},
    {kUnitPound, "lbs", "%.0f"},        {kUnitSquareFoot, "sqft", "%.1f"},
    {kUnitSquareMetre, "sqm", "%.3f"},  {kUnitSecond, "secs", "%.3f"},
    {kUnitMph, "mph", "%.1f"},          {kUnitFahrenheit, "f", "%.1f"},
    {kUnitCelsius, "c", "%.1f"},
};

const ProgramProfile kProfile = {
    "Quillet",
    kUnits,
    static_cast<int>(sizeof kUnits / sizeof kUnits[0]),
    {kErrFileWrite, kErrFileRead, kErrFileValue},
};

}  // namespace

const ProgramProfile& QuilletProgramProfile() { return kProfile; }

void QuilletInstallProgramProfile() { InstallProgramProfile(kProfile); }

}  // namespace quillet

// The drag-race program's profile for the shared field classes: its table of
// 31 units and the codes its field lines throw (80 write, 81 read, 83 value).
#pragma once

#include "common/ProgramProfile.h"

namespace quillet {

// Unit ids: indexes into the drag-race program's unit table.
enum QuilletUnit : int {
    kUnitNone = 0,  // unit-less values
    kUnitRatio = 1,
    kUnitPercent = 2,
    kUnitFactor = 3,       // unit-less multipliers and factors
    kUnitCoefficient = 4,  // unit-less coefficients
    kUnitInch = 5,
    kUnitFoot = 6,
    kUnitCm = 7,
    kUnitMm = 8,
    kUnitMetre = 9,
    kUnitCubicInch = 10,
    kUnitCc = 11,
    kUnitDegree = 12,
    kUnitRpm = 13,
    kUnitInHg = 14,
    kUnitInH2O = 15,
    kUnitCmH2O = 16,
    kUnitPsi = 17,
    kUnitCfm = 18,
    kUnitLitrePerMin = 19,
    kUnitLbsPerMin = 20,
    kUnitKgPerMin = 21,
    kUnitHorsepower = 22,
    kUnitLbFt = 23,
    kUnitPound = 24,
    kUnitSquareFoot = 25,
    kUnitSquareMetre = 26,
    kUnitSecond = 27,
    kUnitMph = 28,
    kUnitFahrenheit = 29,
    kUnitCelsius = 30,
};

const ProgramProfile& QuilletProgramProfile();
// Installs the drag-race program's profile; the program and every test
// program that makes fields call it once at start-up.
void QuilletInstallProgramProfile();

}  // namespace quillet

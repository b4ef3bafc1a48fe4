// The engine program's profile for the shared field classes: its 19 units
// and the codes its field lines throw (44 write, 45 read, 47 value).
#pragma once

#include "common/ProgramProfile.h"

namespace torvane {

// Unit ids: indexes into the engine program's unit table.
enum TorvaneUnit : int {
    kUnitNone = 0,  // unit-less values
    kUnitRatio = 1,
    kUnitPercent = 2,
    kUnitInch = 3,
    kUnitCm = 4,
    kUnitMm = 5,
    kUnitCubicInch = 6,
    kUnitCc = 7,
    kUnitDegree = 8,
    kUnitRpm = 9,
    kUnitInHg = 10,
    kUnitInH2O = 11,
    kUnitCmHg = 12,
    kUnitCmH2O = 13,
    kUnitPsi = 14,
    kUnitCfm = 15,
    kUnitLitrePerMin = 16,
    kUnitLbsPerMin = 17,
    kUnitKgPerMin = 18,
};

const ProgramProfile& TorvaneProgramProfile();
// Installs the engine program's profile and its graphs' catalogue; the
// program and every test program that makes fields call it once at start-up.
void TorvaneInstallProgramProfile();

}  // namespace torvane

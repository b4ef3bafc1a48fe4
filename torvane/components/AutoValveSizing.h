// The simulation interface's two automatic sizing rules: valve diameters from
// the bore by cylinder-head type, valve lifts from the intake valve diameter
// by camshaft type. Lengths in inches.
#pragma once

namespace torvane {

// Head types 1..16 (type 17, custom flow data, has no ratio: assertion).
void SimInterfaceAutoValveSizes(int headType, float bore, float& intakeDiameter,
                                float& exhaustDiameter);
// Camshaft types 1..7 except 6 ("Pro Stock/Max Power" has no ratio: assertion).
void SimInterfaceAutoValveLift(int camshaftType, float intakeValveDiameter, float& intakeLift,
                               float& exhaustLift);
// Whether the rules above have a ratio for the type, so callers can skip them.
bool SimInterfaceHasValveSizeRatio(int headType);
bool SimInterfaceHasValveLiftRatio(int camshaftType);

}  // namespace torvane

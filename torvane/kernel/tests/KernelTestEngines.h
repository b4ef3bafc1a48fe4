// Engines filled into a simulation block the way the simulation interface
// loads them from an engine document built with the component commands
// (English units; flows per valve; rating 4 for a flow rated at 1.5 inHg).
#pragma once

#include "torvane/kernel/SimulationBlock.h"

namespace torvane {

// "Chevy 350" (33135: 4.0 x 3.48 in, 8 cylinders), "Wedge/Stock Ports And
// Valves" heads with 2.02/1.60 valves, "Stock Street/Economy" cam, compression
// 9.5, 600 cfm at 1.5 inHg on a "Dual-Plane Std-Flow" manifold, "H.P.
// Manifolds And Mufflers", gasoline.
SimulationBlock MakeChevy350Block();

// A typed-in 1.5-inch-stroke four-cylinder (bore 2.6 in) with "4-Valve
// Head/Stock Ports And Valves", automatic valve sizes and lifts, "High
// Performance Street" cam, compression 11, 300 cfm at 1.5 inHg on an
// individual-runner manifold, "Large-Tube Headers With Mufflers", gasoline.
SimulationBlock MakeShortStrokeBlock();

// The Chevy 350 on the "Forced Induction" manifold with the "Centrifugal-
// Paxton" blower (kind 2) and no intercooler.
SimulationBlock MakeCentrifugalBlowerBlock();

}  // namespace torvane

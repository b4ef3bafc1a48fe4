// Engine-cycle simulation kernel: a zero-dimensional, single-cylinder,
// crank-angle-stepped filling-and-emptying model. For each of 22 engine speeds
// (500 to 11000 rpm; the first three only settle the model) it integrates
// cylinder pressure, temperature and mass through one 720-degree cycle and
// stores 15 result curves at 2000 to 11000 rpm in the simulation block.
//
// Single-precision floats and English units throughout: psi absolute,
// degrees Rankine, inches, cubic inches, rpm, crank degrees, BTU, pounds.
// Crank frame: 0 is top dead centre at the start of the power stroke, 360 top
// dead centre of the valve overlap, 720 the next firing top dead centre.
#pragma once

#include "torvane/kernel/SimulationBlock.h"

namespace torvane {

// Runs the engine described by the block's inputs into its result arrays. A
// failed run (geometry that cannot be built or simulated, a pressure ratio,
// temperature or flow function turning negative, or curves that are not finite
// numbers) leaves brake power at 2000 rpm at 0; results of the points before
// the failure stay, all later ones are 0.
void SimKernelRun(SimulationBlock& block);
// The same on the program's block.
void SimKernelRun();

// Run set-up: geometry, induction, fuel, lifter ramp, valve events, flow
// coefficients and cam lobes, into block.kernel. False when the engine cannot
// be simulated.
bool SimKernelSetUp(SimulationBlock& block);

// Slider-crank cylinder volume (cubic inches) and its change per crank degree.
void SimKernelCylinderVolume(const SimulationBlock& block, float crankDeg, float* volume,
                             float* dVolumePerDeg);

// Effective flow area (square inches) of the intake or exhaust valves at a
// crank angle; 0 unless the angle lies strictly between opening and closing.
float SimKernelIntakeValveArea(const SimulationBlock& block, float crankDeg);
float SimKernelExhaustValveArea(const SimulationBlock& block, float crankDeg);

// Flow coefficient of a valve side at a valve lift: piecewise linear from
// (0, 1.0) through the flow-bench points, the last segment continued beyond
// the last used point, clamped to 0..1.
float SimKernelFlowCoefficient(const SimKernelValve& valve, float valveLift);

// Compressor model for one engine speed: updates block.kernel's boost, charge
// temperature and drive MEP. Does nothing without a forced-induction kind.
void SimKernelForcedInduction(SimulationBlock& block, float rpm);

// Crank-angle step (degrees) at an engine speed.
float SimKernelCrankStep(float stroke, float rpm);

// Intake ram amplitude (psi) of a manifold type at an engine speed; the
// forced-induction manifold (7) keeps `previous`.
float SimKernelRamAmplitude(int manifoldType, float rpm, float previous);

}  // namespace torvane

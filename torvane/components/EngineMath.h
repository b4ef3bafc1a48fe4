// Stateless engine-geometry formulas in single precision; lengths in inches.
#pragma once

namespace torvane {

// Swept volume of one cylinder in cc.
float EngineMathSweptVolume(float bore, float stroke);
// The same value as EngineMathSweptVolume.
float EngineMathCylinderDisplacement(float bore, float stroke);
// Chamber volume that gives `compressionRatio` (above 1) over `sweptVolume`.
float EngineMathChamberVolume(float sweptVolume, float compressionRatio);
// (chamber + swept) / chamber; the chamber must not be 0.
float EngineMathCompressionRatio(float sweptVolume, float chamberVolume);
// A flow tested at pressure drop p1 restated at pressure drop p2.
float EngineMathScaleFlow(float flow, float pressureDrop1, float pressureDrop2);
// Bore or stroke that give `displacement` (in any volume unit cubed with the lengths).
float EngineMathBoreFromDisplacement(float displacement, int cylinders, float stroke);
float EngineMathStrokeFromDisplacement(float displacement, int cylinders, float bore);

}  // namespace torvane

// The physics of the drag-race program: a fixed-step run of one vehicle from
// a standing launch to the end of the strip, and the barometer formula.
#pragma once

namespace quillet {

struct RaceSimBlock;

// Runs the vehicle described by the block's inputs over raceLength ft (660 or
// 1320) in steps of 0.001 s and writes the time slip, the track marks and the
// sampled channels into the block. True when the vehicle reached the finish.
// False, at once, for a race length other than 660 or 1320 or a vehicle whose
// values leave the model undefined (no weight, a zero ratio, tyre, wheelbase
// or displacement, no air to burn); false after 88 s for a vehicle that does
// not finish. A failed run leaves in the block whatever it had written.
bool QuilletMathRun(RaceSimBlock& block, int raceLength);

// Barometric pressure in inHg at an elevation in ft.
float QuilletMathBarometerFromElevation(float elevation);

}  // namespace quillet

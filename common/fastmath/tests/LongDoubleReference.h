// An independent, slower reference for the float functions: 80-bit long
// double arithmetic (64-bit mantissa) with quarter-turn reduction and long
// Taylor series for sine and cosine, the runtime's powl for powers. Each
// gives the nearest float, or says that its own error (below 2^-58 for sine
// and cosine, 2^-52 for powers) leaves the rounding undecided.
#pragma once

namespace fastmath_reference {

// Sets the x87 unit of the calling thread to 64-bit precision (Windows
// starts threads at 53). Call before the functions below, in each thread.
void UseFullLongDoublePrecision();

struct Rounded {
    float value;
    bool decided;
};

Rounded Sin(float x);
Rounded Cos(float x);
Rounded Pow(float x, float y);

}  // namespace fastmath_reference

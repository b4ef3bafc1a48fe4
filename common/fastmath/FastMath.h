// Correctly rounded maths for the simulation kernels: each result is the
// exact value rounded to the nearest float (double for x^2.5), ties to even,
// so runs give the same numbers on every platform and compiler.
//
// Each function first evaluates in double with a proven error bound and
// rounds when the result lies clearly on one side of every rounding
// boundary; the rare rest is recomputed with double-double arithmetic (and,
// where the exact value may itself be a boundary, decided exactly).
//
// The library also defines the C runtime's names sinf, cosf, sincosf and powf
// (StandardNames.cpp); a program that links it gets these for every call,
// the kernels' std::sin, std::cos and std::pow on floats included.
#pragma once

namespace fastmath {

float Sin(float x);
float Cos(float x);
void SinCos(float x, float* sine, float* cosine);
// sin x and cos x in double before rounding: within 2^-49 of the exact
// values (relative), the same on every platform.
void SinCosInDouble(float x, double* sine, double* cosine);
// x^y with the special cases of the C standard's powf (pow(x, 0) = 1,
// pow(1, y) = 1, negative x only with whole y, signed zeros and infinities).
float Pow(float x, float y);
// Pow(x, y1) and Pow(x, y2), bit for bit, taking log2 x once.
void PowPair(float x, float y1, float y2, float* first, float* second);
// x^2.5 in double, correctly rounded; a NaN for x < 0.
double PowTwoAndAHalf(double x);
// x^y in double for a float x, NOT correctly rounded: within 2^-40 of the
// exact value (relative) for x > 0 and results between 2^-1000 and 2^1000,
// the same on every platform; x^1 is x. Other arguments get the runtime's
// pow. For a double power that feeds a float sum, where an error this small
// almost never moves the float.
double PowApproximate(float x, double y);

}  // namespace fastmath

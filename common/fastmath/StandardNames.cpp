// The C runtime's names for the float functions, defined here so that a
// program linking this library calls the correctly rounded ones everywhere:
// the linker takes a name from the first library that defines it, and the
// runtime's libraries come last.
//
// The runtime keeps sincosf in one object with sincos and sincosl; those two
// are defined here as well (from its sin, cos, sinl and cosl), so that object
// is never linked beside this one. This file is built without the compiler's
// built-in maths, which would turn sin and cos of one argument back into a
// call of sincos. It includes no C maths header: that header's inline powf
// would clash with the definition here.
#include "common/fastmath/FastMath.h"

extern "C" {

double sin(double);
double cos(double);
long double sinl(long double);
long double cosl(long double);

float sinf(float x) {
    return fastmath::Sin(x);
}

float cosf(float x) {
    return fastmath::Cos(x);
}

void sincosf(float x, float* sine, float* cosine) {
    fastmath::SinCos(x, sine, cosine);
}

float powf(float x, float y) {
    return fastmath::Pow(x, y);
}

void sincos(double x, double* sine, double* cosine) {
    *sine = sin(x);
    *cosine = cos(x);
}

void sincosl(long double x, long double* sine, long double* cosine) {
    *sine = sinl(x);
    *cosine = cosl(x);
}

}  // extern "C"

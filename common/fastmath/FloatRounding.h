// Rounding a more precise value to float, and telling when an approximation
// is too close to a rounding boundary to round safely. With round to nearest
// the boundaries are the points halfway between adjacent floats.
#pragma once

#include <cstdint>
#include <cstring>

#include "common/fastmath/DoubleDouble.h"

// The fast paths are inlined into their few callers.
#define FASTMATH_INLINE [[gnu::always_inline]] inline

namespace fastmath {

inline uint64_t BitsOf(double x) {
    uint64_t u;
    std::memcpy(&u, &x, sizeof u);
    return u;
}

inline uint32_t BitsOf(float x) {
    uint32_t u;
    std::memcpy(&u, &x, sizeof u);
    return u;
}

inline float FloatFromBits(uint32_t u) {
    float x;
    std::memcpy(&x, &u, sizeof x);
    return x;
}

inline double DoubleFromBits(uint64_t u) {
    double x;
    std::memcpy(&x, &u, sizeof x);
    return x;
}

// For y whose magnitude lies in the normal float range: whether y lies within
// `tolerance` double ulps of a point halfway between two floats. The 29 bits
// below a float's mantissa are 1000...0 exactly at such a point.
inline bool NearFloatMidpointNormal(double y, uint32_t tolerance) {
    const uint32_t below = static_cast<uint32_t>(BitsOf(y)) & 0x1FFFFFFFu;
    return below - (0x10000000u - tolerance) <= 2 * tolerance;
}

// The float next to f on the side of `direction` (a nonzero double); 2^128
// stands for the float beyond the largest one.
inline double NeighbourFloat(float f, double direction) {
    if (f == 0.0f) return direction > 0 ? 0x1p-149 : -0x1p-149;
    const uint32_t bits = BitsOf(f);
    const bool away = (direction > 0) == (f > 0.0f);
    const float g = FloatFromBits(away ? bits + 1 : bits - 1);
    if (g - g != 0.0f) return g > 0 ? 0x1p128 : -0x1p128;
    return g;
}

// The point halfway between the float nearest y and its neighbour on y's
// side, or 0 when y is a float itself. Any finite y.
inline double NearestFloatMidpoint(double y) {
    float f = static_cast<float>(y);
    if (f - f != 0.0f) f = y > 0 ? 0x1.fffffep127f : -0x1.fffffep127f;  // beyond the range
    const double d = y - static_cast<double>(f);
    if (d == 0.0) return 0.0;
    return 0.5 * (static_cast<double>(f) + NeighbourFloat(f, d));
}

// Whether y, within relative error `relError` of the exact value, may round
// to another float than the exact value does. Any finite y, subnormal
// results included.
inline bool MayRoundEitherWay(double y, double relError) {
    const double m = NearestFloatMidpoint(y);
    const double distance = y - m;
    return m != 0.0 && (distance < 0 ? -distance : distance) <= relError * (y < 0 ? -y : y);
}

// The float nearest to v.hi + v.lo, ties to even.
inline float RoundToFloat(DoublePair v) {
    const float f = static_cast<float>(v.hi);
    if (f - f != 0.0f) {
        // hi at the boundary of the range itself rounds up to infinity; a
        // lo toward zero keeps the largest float.
        const bool atBoundary = v.hi == 0x1.ffffffp127 || v.hi == -0x1.ffffffp127;
        if (atBoundary && (v.lo < 0) == (v.hi > 0)) return v.hi > 0 ? 0x1.fffffep127f : -0x1.fffffep127f;
        return f;
    }
    if (v.lo == 0.0) return f;
    const double fd = f;
    if (fd == v.hi) return f;
    const double g = NeighbourFloat(f, v.hi - fd);
    if (v.hi != 0.5 * (fd + g)) return f;
    // hi lies exactly halfway: the rounding went to the even float, lo decides.
    const bool towardG = (v.lo > 0) == (g > fd);
    return towardG ? static_cast<float>(g) : f;
}

}  // namespace fastmath

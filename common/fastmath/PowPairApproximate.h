// x^y1 and x^y2 in double for one float x, NOT correctly rounded, inline for
// a kernel's inner loop, which rounds them to floats: short polynomials for a
// short chain of dependent operations. Within 2^-33 of the exact values
// (relative); rounded to float, the results are the correctly rounded ones
// except within 2^-9 of a float's spacing from a point halfway between two
// floats (about one rounding in 10,000). The same on every platform, provided
// the callers are built without contracting a * b + c into fused
// multiply-adds (-ffp-contract=off).
//
// x = 2^e m is split as in the correctly rounded Pow (the table's short
// reciprocal c of m's top seven bits, z = m c - 1 exact, |z| <= 2^-7):
//   log2 x = e - log2 c + log2(1 + z),
// log2(1 + z) by its Taylor series to z^4 (left out: below 2^-36.7), -log2 c
// by the table's leading double; the roundings add below 2^-46 for a float's
// range of logs. Then 2^l = 2^q 2^(j/64) (1 + p) with p the Taylor series of
// 2^(f/64) - 1 to the third power (|f| <= 1/2; left out: below 2^-34.6). For
// |y| <= 4 an error d in log2 x moves x^y by 4 ln 2 d relative, so one log's
// error gives below 2^-35.2 and a difference of two logs below 2^-34.2; with
// the exponential's, below 2^-33.4.
#pragma once

#include <cmath>
#include <cstdint>

#include "common/fastmath/FastMath.h"
#include "common/fastmath/FastMathTables.h"
#include "common/fastmath/FloatRounding.h"

namespace fastmath {
namespace approximate {

// log2 x for a positive normal float x, within 2^-36.7.
FASTMATH_INLINE double Log2(float x) {
    const uint32_t bits = BitsOf(x);
    const uint32_t fraction = bits & 0x7FFFFFu;
    const unsigned index = fraction >> 16;
    // From row 53 on the table's reciprocal goes with m / 2.
    const unsigned upper = index >= 53 ? 1u : 0u;
    const tables::LogEntry& row = tables::kLog2Table[index];
    // m (or m / 2) as a double by its bits; m c has at most 35 bits, so it and
    // z are exact.
    const double m = DoubleFromBits((static_cast<uint64_t>(1023 - upper) << 52) |
                                    (static_cast<uint64_t>(fraction) << 29));
    const double z = m * row.reciprocal - 1.0;
    constexpr double kInvLn2 = 1.4426950408889634;
    constexpr double c1 = kInvLn2, c2 = -kInvLn2 / 2, c3 = kInvLn2 / 3, c4 = -kInvLn2 / 4;
    const double z2 = z * z;
    const double p = (z * c1 + z2 * c2) + (z2 * z) * (c3 + z * c4);
    const int exponent = static_cast<int>(bits >> 23) - 127 + static_cast<int>(upper);
    return (static_cast<double>(exponent) + row.minusLog2Hi) + p;
}

// 2^(l64 / 64) for |l64| < 64000, within 2^-34.6 (relative). The callers
// scale the exponent by 64 beforehand, which is exact.
FASTMATH_INLINE double Exp2Of64ths(double l64) {
    const double shifter = 0x1.8p52;
    const double shifted = l64 + shifter;
    const double n = shifted - shifter;  // l64 rounded to an integer
    // The same integer from the low bits of the shifted sum, without waiting
    // for n.
    const int ni = static_cast<int32_t>(static_cast<uint32_t>(BitsOf(shifted)));
    const double f = l64 - n;  // exact, |f| <= 1/2
    // 2^(f/64) - 1 with the coefficients of exp(f ln 2 / 64) scaled by powers
    // of 1/64 (exact).
    constexpr double c1 = 0.6931471805599453;
    constexpr double c2 = c1 * c1 / 2, c3 = c2 * c1 / 3;
    constexpr double d1 = c1 * 0x1p-6, d2 = c2 * 0x1p-12, d3 = c3 * 0x1p-18;
    const double f2 = f * f;
    const double pMinus1 = f * d1 + f2 * (d2 + f * d3);
    // 2^(j/64) 2^q by the exponent bits: the result is a normal double.
    const int q = ni >> 6;  // arithmetic shift: floor(ni / 64)
    const double scaled = DoubleFromBits(BitsOf(tables::kExp2Sixtyfourths[ni & 63].hi) +
                                         (static_cast<uint64_t>(static_cast<int64_t>(q)) << 52));
    return scaled + scaled * pMinus1;
}

}  // namespace approximate

// Positive normal x with |y1|, |y2| <= 4 take the inline path; other
// arguments go to PowApproximate.
FASTMATH_INLINE void PowPairApproximate(float x, double y1, double y2, double* first,
                                        double* second) {
    if (BitsOf(x) - 0x00800000u < 0x7F000000u && std::fabs(y1) <= 4.0 && std::fabs(y2) <= 4.0) {
        const double log2x = approximate::Log2(x);
        *first = approximate::Exp2Of64ths((y1 * 64.0) * log2x);
        *second = approximate::Exp2Of64ths((y2 * 64.0) * log2x);
        return;
    }
    *first = PowApproximate(x, y1);
    *second = PowApproximate(x, y2);
}

// (a / b)^y1 and (a / b)^y2 from log2 a - log2 b: the two logs run side by
// side instead of after the division, and the quotient is not rounded to a
// float first. Within 2^-33 for positive normal a and b with |log2(a / b)| < 64
// and |y1|, |y2| <= 4; other arguments take PowPairApproximate of the float
// quotient.
FASTMATH_INLINE void PowPairOfRatioApproximate(float a, float b, double y1, double y2,
                                               double* first, double* second) {
    if (BitsOf(a) - 0x00800000u < 0x7F000000u && BitsOf(b) - 0x00800000u < 0x7F000000u &&
        std::fabs(y1) <= 4.0 && std::fabs(y2) <= 4.0) {
        const double log2Ratio = approximate::Log2(a) - approximate::Log2(b);
        if (std::fabs(log2Ratio) < 64.0) {
            *first = approximate::Exp2Of64ths((y1 * 64.0) * log2Ratio);
            *second = approximate::Exp2Of64ths((y2 * 64.0) * log2Ratio);
            return;
        }
    }
    PowPairApproximate(a / b, y1, y2, first, second);
}

}  // namespace fastmath

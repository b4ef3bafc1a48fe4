// Correctly rounded sine and cosine of a float.
//
// |x| = m 2^s (m of 24 bits) is reduced exactly enough with integer
// arithmetic: the fraction of a turn, |x| / (2 pi) mod 1, is m times a
// 128-bit window of the bits of 1/(2 pi), to within 2^-104 of a turn. Its top
// six bits pick one of 64 sectors k, the rest is the offset t from the
// sector's centre line, |t| <= 1/2 sector, and
//   sin(x) = sin(2 pi k / 64) cos(r) + cos(2 pi k / 64) sin(r),  r = t pi / 32.
// Below 2^8 the sector and offset come from double arithmetic instead
// (below): the same sum then, unless the offset is too small to trust.
// The double evaluation is within 2^-49 of the exact value (relative); the
// result is rounded from it unless it lies within 2^-44 of a point halfway
// between floats, when the same sum is taken in double-double arithmetic
// (error below 2^-95, far below the closest approach of any float's sine or
// cosine to such a point, which the all-floats check program measures).
#include <cstdint>

#include "common/fastmath/DoubleDouble.h"
#include "common/fastmath/FastMath.h"
#include "common/fastmath/FastMathTables.h"
#include "common/fastmath/FloatRounding.h"
#include "common/fastmath/WideProduct.h"

namespace fastmath {
namespace {

using tables::kSinSixtyFourths;

// Below this, sin x rounds to x and cos x to 1.
constexpr uint32_t kTinyExponentBits = (127u - 12u) << 23;
// 2^-44 relative, in double ulps of the result.
constexpr uint32_t kMidpointTolerance = 512;

// |x| = 2 pi (sector + t) / 64 modulo 2 pi, |t| = (hi + lo 2^-64) 2^-64.
struct Reduced {
    unsigned sector;
    bool negativeOffset;
    uint64_t hi;
    uint64_t lo;
};

FASTMATH_INLINE Reduced Reduce(uint32_t absBits) {
    const int exponent = static_cast<int>(absBits >> 23);
    const uint64_t mantissa = (absBits & 0x7FFFFFu) | 0x800000u;
    // |x| = mantissa 2^s; the window starts at bit s + 1 of 1/(2 pi), held
    // behind 64 zero bits. Branch-free throughout: the kernels' arguments
    // change sector, side and exponent from call to call.
    const int offset = exponent - 150 + 64;
    const int word = offset >> 6, shift = offset & 63;
    const uint64_t* bits = tables::kInvTwoPiBits + word;
    // (b >> 1) >> (63 - shift) is b >> (64 - shift), and 0 for shift 0.
    const uint64_t windowHi = (bits[0] << shift) | ((bits[1] >> 1) >> (63 - shift));
    const uint64_t windowLo = (bits[1] << shift) | ((bits[2] >> 1) >> (63 - shift));
    const Wide low = MultiplyWide(mantissa, windowLo);
    const Wide high = MultiplyWide(mantissa, windowHi);
    const uint64_t turnHi = high.lo + low.hi;  // fraction of a turn, 2^-128 units
    const uint64_t turnLo = low.lo;

    Reduced r;
    const uint64_t hi = (turnHi << 6) | (turnLo >> 58);
    const uint64_t lo = turnLo << 6;
    // Past the centre line: the offset from the next sector, negated.
    r.negativeOffset = (hi >> 63) != 0;
    const uint64_t negate = uint64_t{0} - (hi >> 63);
    r.lo = (lo ^ negate) - negate;
    r.hi = (hi ^ negate) + (negate & static_cast<uint64_t>(lo == 0));
    r.sector = static_cast<unsigned>((turnHi >> 58) + (hi >> 63)) & 63;
    return r;
}

// The offset angle r in radians, in double. Its top 53 and next 32 bits are
// converted exactly (signed conversions, no branch on the top bit) and
// summed with one rounding.
FASTMATH_INLINE double OffsetAngle(const Reduced& r) {
    const double top = static_cast<double>(static_cast<int64_t>(r.hi >> 11));
    const double next = static_cast<double>(static_cast<int64_t>(((r.hi & 0x7FF) << 21) | (r.lo >> 43)));
    const double angle = (top * 0x1p-53 + next * 0x1p-85) * tables::kPiOver32.hi;
    return DoubleFromBits(BitsOf(angle) | (static_cast<uint64_t>(r.negativeOffset) << 63));
}

// The offset angle as a double-double.
DoublePair OffsetAnglePair(const Reduced& r) {
    const double p1 = static_cast<double>(r.hi & ~uint64_t{0x1FFFFF});
    const double p2 = static_cast<double>(((r.hi & 0x1FFFFF) << 32) | (r.lo >> 32)) * 0x1p-32;
    const double p3 = static_cast<double>(r.lo & 0xFFFFFFFFu) * 0x1p-64;
    DoublePair t = Add(TwoSum(p1, p2), p3);
    t.hi *= 0x1p-64;
    t.lo *= 0x1p-64;
    const DoublePair angle = Mul(t, tables::kPiOver32);
    return r.negativeOffset ? Negate(angle) : angle;
}

struct SinCosPair {
    double sine;
    double cosine;
};

// |x| < 2^8 in double: 32/pi = C1 + C2 + C3, C1 and C2 of 29 bits, so |x| C1
// and |x| C2 are exact; k is the integer nearest |x| C1 and
//   t = (|x| C1 - k) + |x| C2 + |x| C3
// is within 2^-52 |t| + 2^-102 of the exact offset (the first difference is
// exact, then two roundings; C3's product and what lies beyond C3 add
// 2^-103 each). From |t| >= 2^-40 on that is within the integer
// reduction's error; smaller offsets take the integer path.
constexpr uint32_t kDoubleReductionLimitBits = (127u + 8u) << 23;
constexpr double kSmallestDoubleOffset = 0x1p-40;

struct SectorAngle {
    unsigned sector;
    double angle;  // r in radians
};

FASTMATH_INLINE bool ReduceInDouble(uint32_t absBits, SectorAngle* out) {
    if (absBits >= kDoubleReductionLimitBits) return false;
    const double ax = static_cast<double>(FloatFromBits(absBits));
    const double* c = tables::kSectorsPerRadian;
    const double u = ax * c[0];
    const double shifter = 0x1.8p52;
    const double k = (u + shifter) - shifter;
    const double t = ((u - k) + ax * c[1]) + ax * c[2];
    if (!(t >= kSmallestDoubleOffset || t <= -kSmallestDoubleOffset)) return false;
    out->sector = static_cast<unsigned>(static_cast<int>(k)) & 63;
    out->angle = t * tables::kPiOver32.hi;
    return true;
}

// Out of line: the kernels' arguments rarely need it, and inlined its
// registers would be saved and restored on every call.
[[gnu::noinline]] SectorAngle SectorAngleByIntegers(uint32_t absBits) {
    const Reduced red = Reduce(absBits);
    return {red.sector, OffsetAngle(red)};
}

FASTMATH_INLINE SectorAngle SectorAngleOf(uint32_t absBits) {
    SectorAngle a;
    if (ReduceInDouble(absBits, &a)) return a;
    return SectorAngleByIntegers(absBits);
}

// sin and cos of the reduced angle in double: Taylor polynomials, |r| <= pi/64.
FASTMATH_INLINE SinCosPair EvaluateDouble(const SectorAngle& a) {
    const double r = a.angle;
    const double r2 = r * r;
    const double sinR =
        r + r * r2 * (-1.0 / 6 + r2 * (1.0 / 120 + r2 * (-1.0 / 5040)));
    const double cosRMinus1 =
        r2 * (-0.5 + r2 * (1.0 / 24 + r2 * (-1.0 / 720 + r2 * (1.0 / 40320))));
    const double s = kSinSixtyFourths[a.sector].hi;
    const double c = kSinSixtyFourths[a.sector + 16].hi;
    return {s + (s * cosRMinus1 + c * sinR), c + (c * cosRMinus1 - s * sinR)};
}

DoublePair SinOffsetPair(DoublePair r, DoublePair r2) {
    // r (1 - r^2/3! + ... - r^14/15!)
    DoublePair acc = Negate(tables::kInverseFactorial[15]);
    for (int n = 13; n >= 1; n -= 2) {
        const DoublePair c = ((n / 2) % 2 == 0) ? tables::kInverseFactorial[n]
                                                 : Negate(tables::kInverseFactorial[n]);
        acc = Add(Mul(acc, r2), c);
    }
    return Mul(acc, r);
}

DoublePair CosOffsetPair(DoublePair r2) {
    // 1 - r^2/2! + ... + r^16/16!
    DoublePair acc = tables::kInverseFactorial[16];
    for (int n = 14; n >= 0; n -= 2) {
        const DoublePair c = ((n / 2) % 2 == 0) ? tables::kInverseFactorial[n]
                                                 : Negate(tables::kInverseFactorial[n]);
        acc = Add(Mul(acc, r2), c);
    }
    return acc;
}

// sin (wantSine) or cos of the reduced angle in double-double.
DoublePair EvaluatePair(const Reduced& red, bool wantSine) {
    const DoublePair r = OffsetAnglePair(red);
    const DoublePair r2 = Mul(r, r);
    const DoublePair sinR = SinOffsetPair(r, r2);
    const DoublePair cosR = CosOffsetPair(r2);
    const DoublePair s = kSinSixtyFourths[red.sector];
    const DoublePair c = kSinSixtyFourths[red.sector + 16];
    if (wantSine) return Add(Mul(s, cosR), Mul(c, sinR));
    return Add(Mul(c, cosR), Negate(Mul(s, sinR)));
}

float Round(double fast, uint32_t absBits, bool wantSine) {
    if (!NearFloatMidpointNormal(fast, kMidpointTolerance)) return static_cast<float>(fast);
    return RoundToFloat(EvaluatePair(Reduce(absBits), wantSine));
}

}  // namespace

float Sin(float x) {
    const uint32_t bits = BitsOf(x);
    const uint32_t absBits = bits & 0x7FFFFFFFu;
    if (absBits < kTinyExponentBits) return x;  // |sin x - x| < half an ulp
    if (absBits >= 0x7F800000u) return x - x;   // NaN for infinities and NaNs
    const float s = Round(EvaluateDouble(SectorAngleOf(absBits)).sine, absBits, true);
    return (bits >> 31) ? -s : s;
}

float Cos(float x) {
    const uint32_t absBits = BitsOf(x) & 0x7FFFFFFFu;
    if (absBits < kTinyExponentBits) return 1.0f;
    if (absBits >= 0x7F800000u) return x - x;
    return Round(EvaluateDouble(SectorAngleOf(absBits)).cosine, absBits, false);
}

void SinCos(float x, float* sine, float* cosine) {
    const uint32_t bits = BitsOf(x);
    const uint32_t absBits = bits & 0x7FFFFFFFu;
    if (absBits < kTinyExponentBits) {
        *sine = x;
        *cosine = 1.0f;
        return;
    }
    if (absBits >= 0x7F800000u) {
        *sine = *cosine = x - x;
        return;
    }
    const SinCosPair v = EvaluateDouble(SectorAngleOf(absBits));
    const float s = Round(v.sine, absBits, true);
    *sine = (bits >> 31) ? -s : s;
    *cosine = Round(v.cosine, absBits, false);
}

void SinCosInDouble(float x, double* sine, double* cosine) {
    const uint32_t bits = BitsOf(x);
    const uint32_t absBits = bits & 0x7FFFFFFFu;
    if (absBits >= 0x7F800000u) {
        *sine = *cosine = static_cast<double>(x - x);
        return;
    }
    if (absBits < kTinyExponentBits) {  // |x| < 2^-12: the series' next terms are below 2^-84
        const double d = static_cast<double>(x), d2 = d * d;
        *sine = d - d * d2 * (1.0 / 6);
        *cosine = 1.0 - d2 * (0.5 - d2 * (1.0 / 24));
        return;
    }
    const SinCosPair v = EvaluateDouble(SectorAngleOf(absBits));
    *sine = (bits >> 31) ? -v.sine : v.sine;
    *cosine = v.cosine;
}

}  // namespace fastmath

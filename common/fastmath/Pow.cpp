// Correctly rounded x^y for floats, as 2^(y log2 x).
//
// x = 2^e m is split at the top seven mantissa bits i with a short reciprocal
// c_i, so z = m c_i - 1 is exact and |z| < 2^-7, and
//   log2 x = e - log2 c_i + log2(1 + z).
// log2 x comes out within 2^-51 (relative), l = y log2 x within
// |l| 2^-51 (absolute; |l| < 152 for results in range), and
// 2^l = 2^(n/64) 2^f with |f| <= 1/128 from a table and a polynomial. The
// double result is thus within 2^-44 of the exact value; it is rounded
// unless it lies within 2^-41 of a point halfway between floats. Then the exact value may itself be such a point (x^y can
// be, for whole y up to 15 and for roots of perfect squares, fourth and
// eighth powers), which is checked with integers; otherwise the same steps
// run in double-double arithmetic (error below 2^-95).
#include <cmath>
#include <cstdint>
#include <limits>

#include "common/fastmath/DoubleDouble.h"
#include "common/fastmath/FastMath.h"
#include "common/fastmath/FastMathTables.h"
#include "common/fastmath/FloatRounding.h"

namespace fastmath {
namespace {

using tables::kLog2Table;

// Below 150 2^-51 ln 2 + 2^-52 < 2^-44 for every result in range; with a margin.
constexpr double kRelErrorBound = 0x1p-41;
constexpr double kInvLn2 = 1.4426950408889634;  // 1/ln 2, double

enum class IntegerKind { kNone, kOdd, kEven };

IntegerKind KindOf(uint32_t yBits) {
    const int exponent = static_cast<int>((yBits >> 23) & 0xFF);
    if (exponent < 127) return IntegerKind::kNone;  // 0 < |y| < 1
    if (exponent > 150) return IntegerKind::kEven;  // |y| >= 2^24
    const uint32_t mantissa = (yBits & 0x7FFFFFu) | 0x800000u;
    const int fractionBits = 150 - exponent;
    if (fractionBits > 0 && (mantissa & ((1u << fractionBits) - 1)) != 0) return IntegerKind::kNone;
    return ((mantissa >> fractionBits) & 1u) ? IntegerKind::kOdd : IntegerKind::kEven;
}

// x > 0 finite as 2^exponent m with the table row of m's top mantissa bits
// and z = m c - 1; from row 53 on m is halved and the exponent raised.
struct LogArgument {
    int exponent;
    const tables::LogEntry* row;
    double z;
};

FASTMATH_INLINE LogArgument SplitArgument(float x) {
    uint32_t bits = BitsOf(x);
    int exponent = static_cast<int>(bits >> 23) - 127;
    if ((bits >> 23) == 0) {  // subnormal
        bits = BitsOf(x * 0x1p24f);
        exponent = static_cast<int>(bits >> 23) - 127 - 24;
    }
    const uint32_t fraction = bits & 0x7FFFFFu;
    const unsigned index = fraction >> 16;
    // Without a branch: which half a ratio's mantissa lies in is a coin toss.
    static const double kMantissaScale[2] = {0x1p-23, 0x1p-24};
    const unsigned upper = index >= 53 ? 1u : 0u;
    exponent += static_cast<int>(upper);
    const tables::LogEntry* row = &kLog2Table[index];
    // m c with m = mantissa 2^-23 (or 2^-24): the scale goes with c, off the
    // conversion's path; both products are exact, so z is the same.
    const double scaledReciprocal = row->reciprocal * kMantissaScale[upper];
    return {exponent, row, static_cast<double>(fraction | 0x800000u) * scaledReciprocal - 1.0};
}

// log2 x in double, relative error below 2^-51: the table's -log2 c in two
// parts and log2(1 + z) by a degree-7 polynomial (Estrin's scheme).
FASTMATH_INLINE double Log2Double(const LogArgument& a) {
    const double z = a.z, z2 = z * z;
    constexpr double c1 = kInvLn2, c2 = -kInvLn2 / 2, c3 = kInvLn2 / 3, c4 = -kInvLn2 / 4,
                     c5 = kInvLn2 / 5, c6 = -kInvLn2 / 6, c7 = kInvLn2 / 7;
    const double p = z * ((c1 + z * c2) + z2 * ((c3 + z * c4) + z2 * ((c5 + z * c6) + z2 * c7)));
    return (static_cast<double>(a.exponent) + a.row->minusLog2Hi) + (p + a.row->minusLog2Lo);
}

double ScaleByPowerOfTwo(int q) {
    return DoubleFromBits(static_cast<uint64_t>(q + 1023) << 52);
}

// 2^l for -1000 < l < 1000 in double, relative error below 2^-52.
FASTMATH_INLINE double Exp2Double(double l) {
    const double shifter = 0x1.8p52;
    const double l64 = l * 64.0;
    const double n = (l64 + shifter) - shifter;
    const int ni = static_cast<int>(n);
    const double f = l64 - n;  // exact, |f| <= 1/2: 64 times the offset
    // 2^(f/64) - 1: Taylor polynomial of exp(f ln 2 / 64) to degree 5, its
    // coefficients scaled by powers of 1/64 (exact, so the terms are as
    // with f/64).
    constexpr double c1 = 0.6931471805599453;
    constexpr double c2 = c1 * c1 / 2, c3 = c2 * c1 / 3, c4 = c3 * c1 / 4, c5 = c4 * c1 / 5;
    constexpr double d1 = c1 * 0x1p-6, d2 = c2 * 0x1p-12, d3 = c3 * 0x1p-18, d4 = c4 * 0x1p-24,
                     d5 = c5 * 0x1p-30;
    const double f2 = f * f;
    const double pMinus1 = f * ((d1 + f * d2) + f2 * ((d3 + f * d4) + f2 * d5));
    // The table entry scaled by 2^q ahead of the sum (exact while the result
    // stays within the normal doubles, as the powers of floats do; far below
    // them only the low part loses bits, beyond the error bound's reach).
    const double scale = ScaleByPowerOfTwo((ni - (ni & 63)) / 64);
    const DoublePair& e = tables::kExp2Sixtyfourths[ni & 63];
    const double hi = e.hi * scale, lo = e.lo * scale;
    return hi + (hi * pMinus1 + lo);
}

// The exact x^y, for the cases where it may be a float or lie halfway
// between two: x a power of two with y log2 x whole, or x^y = r^Y with an
// integer r and Y whose power has at most 25 bits. False otherwise (then
// x^y is irrational or needs more than 25 bits, so it is no rounding
// boundary). The range of x^y is already known to be within doubles.
bool ExactPower(float x, float y, double* value) {
    uint32_t xBits = BitsOf(x);
    int xExponent = static_cast<int>(xBits >> 23) - 150;
    uint32_t xMantissa = xBits & 0x7FFFFFu;
    if ((xBits >> 23) == 0)
        xExponent = -149;
    else
        xMantissa |= 0x800000u;
    while ((xMantissa & 1u) == 0) {
        xMantissa >>= 1;
        ++xExponent;
    }
    if (xMantissa == 1) {
        const double t = static_cast<double>(xExponent) * static_cast<double>(y);
        if (t != std::floor(t)) return false;
        *value = std::ldexp(1.0, static_cast<int>(t));
        return true;
    }
    if (!(y > 0.0f)) return false;
    const uint32_t yBits = BitsOf(y);
    uint32_t yMantissa = (yBits & 0x7FFFFFu) | 0x800000u;
    int yExponent = static_cast<int>(yBits >> 23) - 150;
    while ((yMantissa & 1u) == 0) {
        yMantissa >>= 1;
        ++yExponent;
    }
    // y = yMantissa 2^yExponent, yMantissa odd.
    uint64_t root = xMantissa;
    int rootExponent = xExponent;
    uint64_t power = yMantissa;
    if (yExponent >= 0) {
        if (yExponent > 4) return false;  // y >= 32: 3^y has over 25 bits
        power <<= yExponent;
    } else {
        if (yExponent < -3) return false;  // an odd root would need 16th powers
        for (int i = 0; i < -yExponent; ++i) {
            if (rootExponent % 2 != 0) return false;
            const uint64_t s = static_cast<uint64_t>(std::sqrt(static_cast<double>(root)) + 0.5);
            if (s * s != root) return false;
            root = s;
            rootExponent /= 2;
        }
    }
    if (power > 15) return false;
    uint64_t result = 1;
    for (uint64_t i = 0; i < power; ++i) {
        result *= root;
        if (result >= (uint64_t{1} << 25)) return false;
    }
    *value = std::ldexp(static_cast<double>(result),
                        rootExponent * static_cast<int>(power));
    return true;
}

// log2 x as a double-double with relative error below 2^-100.
DoublePair Log2Pair(const LogArgument& a) {
    const double z = a.z;
    // ln(1 + z) = z - z^2/2 + ... - z^16/16
    DoublePair acc = Negate(tables::kInverse[16]);
    for (int n = 15; n >= 1; --n) {
        const DoublePair c = (n % 2) ? tables::kInverse[n] : Negate(tables::kInverse[n]);
        acc = Add(Mul(acc, z), c);
    }
    const DoublePair log2OnePlusZ = Mul(Mul(acc, z), tables::kInvLn2);
    DoublePair log2x = TwoSum(static_cast<double>(a.exponent), a.row->minusLog2Hi);
    log2x = Add(log2x, a.row->minusLog2Lo);
    return Add(log2x, log2OnePlusZ);
}

// 2^l as a double-double, -152 < l < 130.
DoublePair Exp2Pair(DoublePair l) {
    const double shifter = 0x1.8p52;
    const double n = (l.hi * 64.0 + shifter) - shifter;
    const int ni = static_cast<int>(n);
    const DoublePair g = Mul(Add(l, -n * 0x1p-6), tables::kLn2);
    // exp(g) = 1 + g + ... + g^13/13!
    DoublePair acc = tables::kInverseFactorial[13];
    for (int k = 12; k >= 0; --k) acc = Add(Mul(acc, g), tables::kInverseFactorial[k]);
    DoublePair v = Mul(acc, tables::kExp2Sixtyfourths[ni & 63]);
    const double scale = ScaleByPowerOfTwo((ni - (ni & 63)) / 64);
    v.hi *= scale;
    v.lo *= scale;
    return v;
}

// x^y for x > 0 finite, x != 1, y finite and nonzero, when the double
// evaluation may lie too close to a rounding boundary.
[[gnu::noinline]] float PowNearBoundary(float x, float y, const LogArgument& arg) {
    double exact;
    if (ExactPower(x, y, &exact)) return static_cast<float>(exact);
    return RoundToFloat(Exp2Pair(Mul(Log2Pair(arg), static_cast<double>(y))));
}

// x^y for x > 0 finite, x != 1, y finite and nonzero, from x's split and
// its log2 in double.
FASTMATH_INLINE float PowFromLog(float x, float y, const LogArgument& arg, double log2x) {
    const double l = static_cast<double>(y) * log2x;
    if (l >= 129.0) return std::numeric_limits<float>::infinity();
    if (l < -151.0) return 0.0f;
    const double fast = Exp2Double(l);
    // Normal results by the bits below a float's mantissa (2^-41 relative is
    // at most 2^12 double ulps), results near the ends of the range by their
    // neighbouring floats.
    const bool normal = fast >= 0x1p-126 && fast < 0x1p128;
    if (normal ? !NearFloatMidpointNormal(fast, 1u << 12) : !MayRoundEitherWay(fast, kRelErrorBound))
        return static_cast<float>(fast);
    return PowNearBoundary(x, y, arg);
}

}  // namespace

float Pow(float x, float y) {
    const uint32_t xBits = BitsOf(x), yBits = BitsOf(y);
    const uint32_t ax = xBits & 0x7FFFFFFFu, ay = yBits & 0x7FFFFFFFu;
    if (ay == 0) return 1.0f;
    if (xBits == 0x3F800000u) return 1.0f;
    if (ax > 0x7F800000u || ay > 0x7F800000u) return x + y;
    const float inf = std::numeric_limits<float>::infinity();
    const bool yNegative = (yBits >> 31) != 0;
    if (ay == 0x7F800000u) {
        if (ax == 0x3F800000u) return 1.0f;  // (-1)^+-inf
        return (ax > 0x3F800000u) != yNegative ? inf : 0.0f;
    }
    const IntegerKind kind = KindOf(yBits);
    bool negative = false;
    if (xBits >> 31) {
        if (ax != 0 && ax != 0x7F800000u && kind == IntegerKind::kNone)
            return std::numeric_limits<float>::quiet_NaN();
        negative = kind == IntegerKind::kOdd;
        x = -x;
    }
    if (ax == 0) {
        const float r = yNegative ? inf : 0.0f;
        return negative ? -r : r;
    }
    if (ax == 0x7F800000u) {
        const float r = yNegative ? 0.0f : inf;
        return negative ? -r : r;
    }

    const float sign = negative ? -1.0f : 1.0f;
    const LogArgument arg = SplitArgument(x);
    return sign * PowFromLog(x, y, arg, Log2Double(arg));
}

double PowApproximate(float x, double y) {
    if (y == 1.0) return x;
    if (!(x > 0.0f) || x - x != 0.0f || y - y != 0.0) return std::pow(static_cast<double>(x), y);
    // log2 x within 2^-51, so l within 1000 2^-51 < 2^-41 and 2^l within
    // 2^-41 ln 2 + 2^-52.
    const double l = y * Log2Double(SplitArgument(x));
    if (!(l > -1000.0 && l < 1000.0)) return std::pow(static_cast<double>(x), y);
    return Exp2Double(l);
}

void PowPair(float x, float y1, float y2, float* first, float* second) {
    // The common case shares the log: x positive, finite and not 1, each y
    // finite and nonzero (the shape Pow itself takes down to PowFromLog).
    const uint32_t xBits = BitsOf(x);
    const auto ordinary = [](float y) {
        const uint32_t ay = BitsOf(y) & 0x7FFFFFFFu;
        return ay != 0 && ay < 0x7F800000u;
    };
    if (xBits == 0 || xBits >= 0x7F800000u || xBits == 0x3F800000u || !ordinary(y1) ||
        !ordinary(y2)) {
        *first = Pow(x, y1);
        *second = Pow(x, y2);
        return;
    }
    const LogArgument arg = SplitArgument(x);
    const double log2x = Log2Double(arg);
    *first = PowFromLog(x, y1, arg, log2x);
    *second = PowFromLog(x, y2, arg, log2x);
}

}  // namespace fastmath

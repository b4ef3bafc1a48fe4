// x^2.5 in double, correctly rounded.
//
// x = 4^j v with v in [1, 4), so x^2.5 = 2^(5j) v^2.5 and v^2.5 in [1, 32).
// v^2 is exact as a double-double and sqrt(v) is the rounded root plus its
// correction (v - s^2) / (2 s), so v^2 sqrt(v) comes out as a double-double
// within 2^-98 of the exact value. Rounding it to the 53 bits of the result
// (fewer below 2^-1022) is safe unless it lies that close to a point halfway
// between two results; then v^5 is compared with that point squared in exact
// integer arithmetic. v^2.5 lies exactly on such a point when v is the square
// of a number of up to 11 bits, and the tie goes to the even result.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "common/fastmath/DoubleDouble.h"
#include "common/fastmath/FastMath.h"
#include "common/fastmath/FloatRounding.h"

namespace fastmath {
namespace {

constexpr double kRelErrorBound = 0x1p-98;

// A natural number of up to 512 bits, least significant 32-bit limb first.
class BigNatural {
public:
    explicit BigNatural(uint64_t value) {
        limbs_[0] = static_cast<uint32_t>(value);
        limbs_[1] = static_cast<uint32_t>(value >> 32);
    }

    void Multiply(uint64_t factor) {
        BigNatural high = *this;
        MultiplyLimbs(static_cast<uint32_t>(factor));
        high.MultiplyLimbs(static_cast<uint32_t>(factor >> 32));
        high.ShiftLeft(32);
        Add(high);
    }

    void ShiftLeft(int bits) {
        const int whole = bits / 32, part = bits % 32;
        for (int i = kLimbs - 1; i >= 0; --i) {
            uint64_t v = i - whole >= 0 ? static_cast<uint64_t>(limbs_[i - whole]) << part : 0;
            if (part != 0 && i - whole - 1 >= 0) v |= limbs_[i - whole - 1] >> (32 - part);
            limbs_[i] = static_cast<uint32_t>(v);
        }
    }

    // -1, 0 or 1 as this is less than, equal to or greater than other.
    int Compare(const BigNatural& other) const {
        for (int i = kLimbs - 1; i >= 0; --i)
            if (limbs_[i] != other.limbs_[i]) return limbs_[i] < other.limbs_[i] ? -1 : 1;
        return 0;
    }

private:
    static constexpr int kLimbs = 16;

    void MultiplyLimbs(uint32_t factor) {
        uint64_t carry = 0;
        for (uint32_t& limb : limbs_) {
            const uint64_t v = static_cast<uint64_t>(limb) * factor + carry;
            limb = static_cast<uint32_t>(v);
            carry = v >> 32;
        }
    }

    void Add(const BigNatural& other) {
        uint64_t carry = 0;
        for (int i = 0; i < kLimbs; ++i) {
            const uint64_t v = static_cast<uint64_t>(limbs_[i]) + other.limbs_[i] + carry;
            limbs_[i] = static_cast<uint32_t>(v);
            carry = v >> 32;
        }
    }

    uint32_t limbs_[kLimbs] = {};
};

// Sign of v^2.5 - midpoint, exactly, with v = vInteger 2^vExponent and the
// midpoint = oddInteger 2^midExponent (so the sign of v^5 - midpoint^2).
int CompareExactly(uint64_t vInteger, int vExponent, uint64_t oddInteger, int midExponent) {
    BigNatural fifth(vInteger);
    for (int i = 0; i < 4; ++i) fifth.Multiply(vInteger);
    BigNatural square(oddInteger);
    square.Multiply(oddInteger);
    const int shift = 5 * vExponent - 2 * midExponent;
    if (shift >= 0)
        fifth.ShiftLeft(shift);
    else
        square.ShiftLeft(-shift);
    return fifth.Compare(square);
}

// The general path: any x, subnormal results included.
double PowTwoAndAHalfScaled(double x) {
    if (std::isnan(x)) return x;
    if (x < 0) return std::numeric_limits<double>::quiet_NaN();
    if (x == 0) return 0.0;
    if (std::isinf(x)) return x;

    const int j = static_cast<int>(std::floor(std::ilogb(x) / 2.0));
    if (5 * j >= 1024) return std::numeric_limits<double>::infinity();
    if (5 * j + 5 < -1076) return 0.0;  // below half the smallest subnormal
    const double v = std::ldexp(x, -2 * j);  // [1, 4), exact

    const DoublePair square = TwoProduct(v, v);
    const double s = std::sqrt(v);
    const DoublePair s2 = TwoProduct(s, s);
    const DoublePair root = FastTwoSum(s, ((v - s2.hi) - s2.lo) / (2.0 * s));
    const DoublePair p = Mul(square, root);

    // The result's ulp in v's units: 53 bits, or the subnormal spacing.
    const int ulpExponent = std::max(std::ilogb(p.hi) - 52, -1074 - 5 * j);
    const double a = std::ldexp(p.hi, -ulpExponent);
    const double b = std::ldexp(p.lo, -ulpExponent);
    double n = std::nearbyint(a);
    const double d = (a - n) + b;  // the rest, in ulps
    const double distance = std::fabs(std::fabs(d) - 0.5);
    if (distance > kRelErrorBound * a) {
        if (d > 0.5) n += 1;
        if (d < -0.5) n -= 1;
    } else {
        // Close to n +- 1/2: decide exactly which side v^2.5 lies on.
        const double direction = d > 0 ? 1.0 : -1.0;
        const int vExponent = std::ilogb(v) - 52;
        const uint64_t vInteger = static_cast<uint64_t>(std::ldexp(v, -vExponent));
        const uint64_t odd = 2 * static_cast<uint64_t>(n) + (d > 0 ? 1 : -1);  // 54 bits
        const int side = CompareExactly(vInteger, vExponent, odd, ulpExponent - 1);
        if (side * direction > 0)
            n += direction;
        else if (side == 0 && std::fmod(n, 2.0) != 0)
            n += direction;  // a tie goes to the even one
    }
    return std::ldexp(n, ulpExponent + 5 * j);
}

// The fast path's last step: x^2 sqrt(x) = (square)(s + correction), with
// the leading product p exact, summed to r + rest. The rounded r when it lies
// clearly away from every halfway point and off the powers of two (where the
// spacing below is half); otherwise 0, which the fast path never returns.
FASTMATH_INLINE double RoundedOrZero(DoublePair square, double s, double correction, DoublePair p) {
    const double lo = p.lo + (square.hi * correction + square.lo * s);
    const double r = p.hi + lo;
    const double rest = lo - (r - p.hi);  // p.hi + lo - r, exact
    const uint64_t bits = BitsOf(r);
    const double halfUlp = DoubleFromBits(bits & 0x7FF0000000000000u) * 0x1p-53;
    if ((bits & 0xFFFFFFFFFFFFFu) != 0 && std::fabs(std::fabs(rest) - halfUlp) > kRelErrorBound * r)
        return r;
    return 0.0;
}

// The exact products by splitting (any x86-64 processor).
double FastPathBySplitting(double x) {
    const DoublePair square = TwoProduct(x, x);
    const double s = std::sqrt(x);
    const DoublePair s2 = TwoProduct(s, s);
    const double correction = ((x - s2.hi) - s2.lo) / (2.0 * s);
    return RoundedOrZero(square, s, correction, TwoProduct(square.hi, s));
}

// The same exact products by fused multiply-add: each product's error and
// x - s^2 (exactly a double for the correctly rounded root s) come out
// exactly as by splitting, so the result is the same bit for bit.
[[gnu::target("fma")]] double FastPathByFusedMultiplyAdd(double x) {
    const double square = x * x;
    const double s = std::sqrt(x);
    const double correction = __builtin_fma(-s, s, x) / (2.0 * s);
    const double p = square * s;
    return RoundedOrZero({square, __builtin_fma(x, x, -square)}, s, correction,
                         {p, __builtin_fma(square, s, -p)});
}

bool ProcessorHasFusedMultiplyAdd() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("fma");
}

// False until set at start-up; either path gives the same results.
const bool kHasFusedMultiplyAdd = ProcessorHasFusedMultiplyAdd();

}  // namespace

double PowTwoAndAHalf(double x) {
    // The same sum unscaled, for x whose powers stay well within range; it
    // hands the rare result near a halfway point (or at a power of two) to
    // the general path.
    if (x > 0x1p-300 && x < 0x1p300) {
        const double r =
            kHasFusedMultiplyAdd ? FastPathByFusedMultiplyAdd(x) : FastPathBySplitting(x);
        if (r != 0.0) return r;
    }
    return PowTwoAndAHalfScaled(x);
}

}  // namespace fastmath

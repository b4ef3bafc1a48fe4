#include "common/fastmath/tests/LongDoubleReference.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "common/fastmath/FastMathTables.h"

namespace fastmath_reference {
namespace {

// pi/2 as two long doubles.
constexpr long double kHalfPiHi = 0xc.90fdaa22168c235p-3L;
constexpr long double kHalfPiLo = -0xe.ce675d1fc8f8cbbp-69L;

// |x| / (2 pi) mod 1 as four 32-bit words, most significant first.
void TurnFraction(float x, uint32_t out[4]) {
    uint32_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    bits &= 0x7FFFFFFFu;
    const uint64_t mantissa =
        (bits >> 23) ? ((bits & 0x7FFFFFu) | 0x800000u) : (bits & 0x7FFFFFu);
    const int exponent = (bits >> 23) ? static_cast<int>(bits >> 23) - 150 : -149;
    // 32-bit words of the table (64 zero bits, then 1/(2 pi)).
    uint32_t table[10];
    for (int i = 0; i < 5; ++i) {
        table[2 * i] = static_cast<uint32_t>(fastmath::tables::kInvTwoPiBits[i] >> 32);
        table[2 * i + 1] = static_cast<uint32_t>(fastmath::tables::kInvTwoPiBits[i]);
    }
    auto bit = [&table](int position) -> uint32_t {  // 0 = first table bit
        if (position < 0 || position >= 320) return 0;
        return (table[position / 32] >> (31 - position % 32)) & 1u;
    };
    uint32_t window[5] = {};  // bits s + 1 ... s + 160 of 1/(2 pi)
    for (int i = 0; i < 160; ++i)
        window[i / 32] |= bit(exponent + 64 + i) << (31 - i % 32);
    // mantissa * window, keep the fraction (the low 160 bits, top 128 of them).
    uint64_t carry = 0;
    uint32_t product[5];
    for (int i = 4; i >= 0; --i) {
        const uint64_t v = mantissa * window[i] + carry;
        product[i] = static_cast<uint32_t>(v);
        carry = v >> 32;
    }
    for (int i = 0; i < 4; ++i) out[i] = product[i];
}

long double SinSeries(long double r) {
    const long double r2 = r * r;
    long double term = r, sum = r;
    for (int n = 3; n <= 27; n += 2) {
        term *= -r2 / (static_cast<long double>(n - 1) * n);
        sum += term;
    }
    return sum;
}

long double CosSeries(long double r) {
    const long double r2 = r * r;
    long double term = 1, sum = 1;
    for (int n = 2; n <= 28; n += 2) {
        term *= -r2 / (static_cast<long double>(n - 1) * n);
        sum += term;
    }
    return sum;
}

Rounded RoundWithin(long double v, long double relError) {
    const float f = static_cast<float>(v);
    const long double fd = f;
    if (fd == v) return {f, true};
    float g = std::nextafter(f, v > fd ? INFINITY : -INFINITY);
    const long double mid = (fd + static_cast<long double>(g)) / 2;
    const bool decided = std::fabs(v - mid) > relError * std::fabs(v);
    return {f, decided};
}

// sin (wantSine) or cos of x.
Rounded SinOrCos(float x, bool wantSine) {
    if (std::isnan(x) || std::isinf(x)) return {NAN, true};
    if (std::fabs(x) < 0.75f) {  // no reduction: the series of x itself
        const long double v = wantSine ? SinSeries(x) : CosSeries(x);
        return RoundWithin(v, 0x1p-58L);
    }
    uint32_t f[4];
    TurnFraction(x, f);
    // Quarter turns: the top two bits pick the quadrant, the rest is centred.
    unsigned quadrant = f[0] >> 30;
    uint64_t restHi = (static_cast<uint64_t>(f[0]) << 34) | (static_cast<uint64_t>(f[1]) << 2) |
                      (f[2] >> 30);
    uint64_t restLo = (static_cast<uint64_t>(f[2]) << 34) | (static_cast<uint64_t>(f[3]) << 2);
    bool negative = false;
    if (restHi >> 63) {  // past half a quadrant: negate in integers, no cancellation
        negative = true;
        ++quadrant;
        restLo = ~restLo + 1;
        restHi = ~restHi + (restLo == 0 ? 1 : 0);
    }
    long double rest = static_cast<long double>(restHi) * 0x1p-64L +
                       static_cast<long double>(restLo) * 0x1p-128L;
    if (negative) rest = -rest;
    const long double r = rest * kHalfPiHi + rest * kHalfPiLo;
    const long double s = SinSeries(r), c = CosSeries(r);
    long double v;
    if (wantSine) {
        const long double values[4] = {s, c, -s, -c};
        v = values[quadrant & 3];
        if (std::signbit(x)) v = -v;
    } else {
        const long double values[4] = {c, -s, -c, s};
        v = values[quadrant & 3];
    }
    return RoundWithin(v, 0x1p-58L);
}

}  // namespace

void UseFullLongDoublePrecision() {
#if defined(__i386__) || defined(__x86_64__)
    unsigned short control;
    __asm__ volatile("fnstcw %0" : "=m"(control));
    control |= 0x300;
    __asm__ volatile("fldcw %0" : : "m"(control));
#endif
}

Rounded Sin(float x) {
    return SinOrCos(x, true);
}

Rounded Cos(float x) {
    return SinOrCos(x, false);
}

Rounded Pow(float x, float y) {
    const long double v = powl(static_cast<long double>(x), static_cast<long double>(y));
    if (std::isnan(v) || std::isinf(v) || v == 0) return {static_cast<float>(v), true};
    return RoundWithin(v, 0x1p-52L);
}

}  // namespace fastmath_reference

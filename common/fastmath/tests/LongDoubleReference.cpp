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

// The table as 32-bit words: 64 zero bits, then 1/(2 pi).
struct TableWords {
    uint32_t words[10];
    TableWords() {
        for (int i = 0; i < 5; ++i) {
            words[2 * i] = static_cast<uint32_t>(fastmath::tables::kInvTwoPiBits[i] >> 32);
            words[2 * i + 1] = static_cast<uint32_t>(fastmath::tables::kInvTwoPiBits[i]);
        }
    }
    // 32 bits from bit `position` on (0 = first table bit; zeros outside).
    uint32_t At(int position) const {
        const auto word = [this](int i) -> uint64_t { return i >= 0 && i < 10 ? words[i] : 0; };
        const int i = position >= 0 ? position / 32 : -((31 - position) / 32);
        const int shift = position - 32 * i;
        const uint64_t pair = (word(i) << 32) | word(i + 1);
        return static_cast<uint32_t>(pair >> (32 - shift));
    }
};

// |x| / (2 pi) mod 1 as four 32-bit words, most significant first: the
// mantissa times 160 bits of 1/(2 pi) from bit s + 1 on, for |x| = m 2^s.
void TurnFraction(float x, uint32_t out[4]) {
    static const TableWords table;
    uint32_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    bits &= 0x7FFFFFFFu;
    const uint64_t mantissa =
        (bits >> 23) ? ((bits & 0x7FFFFFu) | 0x800000u) : (bits & 0x7FFFFFu);
    const int exponent = (bits >> 23) ? static_cast<int>(bits >> 23) - 150 : -149;
    uint32_t window[5];
    for (int i = 0; i < 5; ++i) window[i] = table.At(exponent + 64 + 32 * i);
    uint64_t carry = 0;
    uint32_t product[5];
    for (int i = 4; i >= 0; --i) {
        const uint64_t v = mantissa * window[i] + carry;
        product[i] = static_cast<uint32_t>(v);
        carry = v >> 32;
    }
    for (int i = 0; i < 4; ++i) out[i] = product[i];
}

struct InverseFactorials {
    long double values[30];
    InverseFactorials() {
        values[0] = 1;
        for (int n = 1; n < 30; ++n) values[n] = values[n - 1] / n;
    }
};

long double SinSeries(long double r) {
    static const InverseFactorials f;
    const long double r2 = r * r;
    long double sum = f.values[27];
    for (int n = 25; n >= 1; n -= 2) sum = f.values[n] - r2 * sum;
    return r * sum;
}

long double CosSeries(long double r) {
    static const InverseFactorials f;
    const long double r2 = r * r;
    long double sum = f.values[28];
    for (int n = 26; n >= 0; n -= 2) sum = f.values[n] - r2 * sum;
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

// Double-double arithmetic: a value held as the unevaluated sum hi + lo of
// two doubles with |lo| <= ulp(hi) / 2, about 106 significant bits. Plain
// IEEE double operations only (no fused multiply-add needed), so the results
// are the same on every compiler that keeps doubles in double precision.
#pragma once

namespace fastmath {

struct DoublePair {
    double hi;
    double lo;
};

// a + b exactly, for |a| >= |b| or a == 0.
inline DoublePair FastTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// a + b exactly, any order.
inline DoublePair TwoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// a split into two halves of at most 26 significant bits each.
inline DoublePair Split(double a) {
    const double t = 134217729.0 * a;  // 2^27 + 1
    const double hi = t - (t - a);
    return {hi, a - hi};
}

// a * b exactly (barring overflow and underflow).
inline DoublePair TwoProduct(double a, double b) {
    const double p = a * b;
    const DoublePair as = Split(a);
    const DoublePair bs = Split(b);
    const double err = ((as.hi * bs.hi - p) + as.hi * bs.lo + as.lo * bs.hi) + as.lo * bs.lo;
    return {p, err};
}

inline DoublePair Add(DoublePair a, DoublePair b) {
    DoublePair s = TwoSum(a.hi, b.hi);
    const DoublePair t = TwoSum(a.lo, b.lo);
    s.lo += t.hi;
    s = FastTwoSum(s.hi, s.lo);
    s.lo += t.lo;
    return FastTwoSum(s.hi, s.lo);
}

inline DoublePair Add(DoublePair a, double b) {
    DoublePair s = TwoSum(a.hi, b);
    s.lo += a.lo;
    return FastTwoSum(s.hi, s.lo);
}

inline DoublePair Mul(DoublePair a, DoublePair b) {
    DoublePair p = TwoProduct(a.hi, b.hi);
    p.lo += a.hi * b.lo + a.lo * b.hi;
    return FastTwoSum(p.hi, p.lo);
}

inline DoublePair Mul(DoublePair a, double b) {
    DoublePair p = TwoProduct(a.hi, b);
    p.lo += a.lo * b;
    return FastTwoSum(p.hi, p.lo);
}

inline DoublePair Negate(DoublePair a) {
    return {-a.hi, -a.lo};
}

}  // namespace fastmath

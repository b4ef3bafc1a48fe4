// Sine and cosine of an argument that moves in small steps, such as an
// angle through a crank-stepped cycle. Each call turns the previous call's
// pair, kept in double, by the change of argument, which costs a fraction of
// a fresh evaluation; a change over 1/16 radian, and every 64th call, start
// afresh from SinCosInDouble. The pair stays within 2^-44 of the exact
// values, so rounded to float it almost always gives the correctly rounded
// result; on rare arguments lying that close to halfway between two floats,
// the float next to it. The same on every platform, provided the callers are
// built without contracting a * b + c into fused multiply-adds
// (-ffp-contract=off), as the kernels are: MoveTo is inline, as a call would
// cost a good part of what it saves.
//
// For a step d = x - x_last (exact in double: both are floats),
//   sin(x) = s + (s (cos d - 1) + c sin d),  cos(x) = c + (c (cos d - 1) - s sin d)
// with sin d and cos d - 1 from their Taylor series to d^7 and d^8, or to d^5
// and d^6 for |d| <= 1/64 (a crank stepped by under a degree); either way, for
// |d| <= 1/16 the terms left out are below 2^-54. Each turn adds at most a
// few double roundings and that; 64 of them with the fresh evaluation's 2^-49
// stay below 2^-44.
#pragma once

namespace fastmath {

class SteppedSinCos {
public:
    // Moves to argument x (radians); then Sine() and Cosine() give its values.
    void MoveTo(float x);
    float Sine() const { return static_cast<float>(sine_); }
    float Cosine() const { return static_cast<float>(cosine_); }

private:
    static constexpr double kLargestStep = 0.0625;
    static constexpr double kShortStep = 0.015625;  // takes the shorter series
    static constexpr int kStepsPerRestart = 64;

    void Restart(float x);

    float x_ = 0.0f;
    double sine_ = 0.0;
    double cosine_ = 1.0;
    int stepsLeft_ = 0;  // before the next fresh evaluation
};

inline void SteppedSinCos::MoveTo(float x) {
    const double d = static_cast<double>(x) - static_cast<double>(x_);
    // A NaN step, or a NaN or infinite x, restarts too.
    if (stepsLeft_ == 0 || !(d >= -kLargestStep && d <= kLargestStep)) {
        Restart(x);
        return;
    }
    --stepsLeft_;
    x_ = x;
    const double d2 = d * d;
    double sinD, cosDMinus1;
    if (d2 <= kShortStep * kShortStep) {
        sinD = d + d * d2 * (-1.0 / 6 + d2 * (1.0 / 120));
        cosDMinus1 = d2 * (-0.5 + d2 * (1.0 / 24 + d2 * (-1.0 / 720)));
    } else {
        sinD = d + d * d2 * (-1.0 / 6 + d2 * (1.0 / 120 + d2 * (-1.0 / 5040)));
        cosDMinus1 = d2 * (-0.5 + d2 * (1.0 / 24 + d2 * (-1.0 / 720 + d2 * (1.0 / 40320))));
    }
    const double s = sine_, c = cosine_;
    sine_ = s + (s * cosDMinus1 + c * sinD);
    cosine_ = c + (c * cosDMinus1 - s * sinD);
}

}  // namespace fastmath

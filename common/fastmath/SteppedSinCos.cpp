// For a step d = x - x_last (exact in double: both are floats),
//   sin(x) = s + (s (cos d - 1) + c sin d),  cos(x) = c + (c (cos d - 1) - s sin d)
// with sin d and cos d - 1 from their Taylor series to d^7 and d^8; for
// |d| <= 1/16 the terms left out are below 2^-54. Each turn adds at most a
// few double roundings and that; 64 of them with the fresh evaluation's 2^-49
// stay below 2^-44.
#include "common/fastmath/SteppedSinCos.h"

#include "common/fastmath/FastMath.h"

namespace fastmath {

namespace {
constexpr double kLargestStep = 0.0625;
constexpr int kStepsPerRestart = 64;
}  // namespace

void SteppedSinCos::Restart(float x) {
    SinCosInDouble(x, &sine_, &cosine_);
    x_ = x;
    stepsLeft_ = kStepsPerRestart;
}

void SteppedSinCos::MoveTo(float x) {
    const double d = static_cast<double>(x) - static_cast<double>(x_);
    // A NaN step, or a NaN or infinite x, restarts too.
    if (stepsLeft_ == 0 || !(d >= -kLargestStep && d <= kLargestStep)) {
        Restart(x);
        return;
    }
    --stepsLeft_;
    x_ = x;
    const double d2 = d * d;
    const double sinD = d + d * d2 * (-1.0 / 6 + d2 * (1.0 / 120 + d2 * (-1.0 / 5040)));
    const double cosDMinus1 = d2 * (-0.5 + d2 * (1.0 / 24 + d2 * (-1.0 / 720 + d2 * (1.0 / 40320))));
    const double s = sine_, c = cosine_;
    sine_ = s + (s * cosDMinus1 + c * sinD);
    cosine_ = c + (c * cosDMinus1 - s * sinD);
}

}  // namespace fastmath

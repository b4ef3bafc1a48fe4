#include "common/fastmath/SteppedSinCos.h"

#include "common/fastmath/FastMath.h"

namespace fastmath {

void SteppedSinCos::Restart(float x) {
    SinCosInDouble(x, &sine_, &cosine_);
    x_ = x;
    stepsLeft_ = kStepsPerRestart;
}

}  // namespace fastmath

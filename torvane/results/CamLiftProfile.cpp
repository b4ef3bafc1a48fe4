#include "torvane/results/CamLiftProfile.h"

#include <cmath>

#include "common/Assertion.h"

namespace torvane {

static const char kAssertModule[] = "CamLiftProfile.cpp";

namespace {
constexpr float kPi = 3.1415927f;
}

void CamLiftProfile::Set(int kind_, float opening_, float closing_, float maxLift_, float rampRate_) {
    kind = kind_;
    opening = opening_;
    closing = closing_;
    maxLift = maxLift_;
    rampRate = rampRate_;
}

void CamLiftProfile::Generate() {
    APP_ASSERT(kind == 1 || kind == 2);
    APP_ASSERT(opening > 0 && closing > 0 && maxLift > 0);
    APP_ASSERT(rampRate >= 1 && rampRate <= 6);
    APP_ASSERT(closing > opening);
    const float duration = closing - opening;
    float start = opening;
    float total = duration;
    // The events' window inside the widened profile (0.050-inch timing).
    float windowStart = 0;
    float windowEnd = 0;
    if (kind == 2) {
        // Widened so that the raised cosine passes 0.050 in at the events.
        total = kPi * duration / (kPi - std::acos(1.0f - 0.1f / maxLift));
        windowStart = (total - duration) * 0.5f;
        windowEnd = total - windowStart;
        start = opening - windowStart;
    }
    APP_ASSERT(total > 0);
    const float end = start + total;
    const float ramp = ((2 * maxLift / (6 - 1)) * (rampRate - 1) - maxLift) * 0.1f;
    const float step = total * 0.025f;
    float s = 0;
    for (int i = 0; i < kPointCount; ++i, s += step) {
        if (i == 0 || i == kPointCount - 1) {
            angle[i] = i == 0 ? start : end;
            lift[i] = 0;
            continue;
        }
        const float base = (1 - std::cos(2 * kPi * s / total)) * maxLift * 0.5f;
        float rampTerm = 0;
        if (kind == 1)
            rampTerm = (1 - std::cos(4 * kPi * s / total)) * ramp * 0.5f;
        else if (s > windowStart && s < windowEnd)
            rampTerm = (1 - std::cos(4 * kPi * (s - windowStart) / duration)) * ramp * 0.5f;
        angle[i] = start + s;
        lift[i] = base + rampTerm;
    }
}

}  // namespace torvane

#include "common/sweepui/SweepPace.h"

void CSweepPace::Took(unsigned long milliseconds) {
    if (milliseconds < 20 && runs_ < kMaxRuns)
        runs_ *= 2;
    else if (milliseconds > 50 && runs_ > 1)
        runs_ /= 2;
}

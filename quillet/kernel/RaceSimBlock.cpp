#include "quillet/kernel/RaceSimBlock.h"

#include <cstring>
#include <type_traits>

namespace quillet {

static_assert(std::is_trivially_copyable<RaceSimBlock>::value, "the block is plain data");

namespace {

constexpr double kMphPerFootPerSecond = 0.6818;
constexpr float kTimedMarkFeet[kRaceTimedMarkCount] = {60.0f, 330.0f, 660.0f, 1000.0f};

enum TrackValue : int {
    kTrackDistance = 0,
    kTrackTime,
    kTrackSpeed,
    kTrackAcceleration,
    kTrackResistance,
    kTrackTyreSpeed,
    kTrackEngineRpm,
    kTrackClutchRpm,
};

// The values every row past the start line takes from the mark arrays.
void FillMarkValues(const RaceSimBlock& block, int mark, float* row) {
    row[kTrackAcceleration] = block.markAcceleration[mark];
    row[kTrackResistance] = block.markResistance[mark];
    row[kTrackTyreSpeed] = block.markTyreSpeed[mark];
    row[kTrackEngineRpm] = static_cast<float>(block.markEngineRpm[mark]);
    row[kTrackClutchRpm] = block.markClutchRpm[mark];
}

}  // namespace

const RaceChannel kRaceDocumentCurveChannels[kRaceChannelCount] = {
    kRaceChannelTime,      kRaceChannelDistance,   kRaceChannelAcceleration,
    kRaceChannelSpeed,     kRaceChannelResistance, kRaceChannelDriveForce,
    kRaceChannelTorque,    kRaceChannelPower,      kRaceChannelEngineRpm,
    kRaceChannelClutchRpm, kRaceChannelTyreSpeed,  kRaceChannelTyreDiameter,
};

const int kRaceStepTableCurves[kRaceStepTableCount] = {0, 1, 2, 3, 6, 7};

void RaceSimBlock::Clear() {
    std::memset(this, 0, sizeof *this);
}

bool RaceSimBlockSetPowerCurve(RaceSimBlock& block, const float* rpm, const float* torque,
                               int pointCount) {
    if (pointCount < 2 || pointCount > kRaceCurvePoints) return false;
    for (int i = 0; i < kRaceCurvePoints; ++i) {
        const bool entered = i < pointCount;
        block.rpmPoints[i] = entered ? rpm[i] : 0.0f;
        block.torquePoints[i] = entered ? torque[i] : 0.0f;
    }
    const float step = block.rpmPoints[1] - block.rpmPoints[0];
    for (int i = pointCount; i < kRaceCurvePoints; ++i)
        block.rpmPoints[i] = block.rpmPoints[i - 1] + step;
    return true;
}

void RaceSimBlockFillTrackRows(const RaceSimBlock& block,
                               float rows[kRaceTrackRowCount][kRaceTrackRowValues]) {
    float* start = rows[0];
    start[kTrackDistance] = block.rollout / 12.0f;
    start[kTrackTime] = block.startTime;
    start[kTrackSpeed] = block.channel[kRaceChannelSpeed][0];
    start[kTrackAcceleration] = block.channel[kRaceChannelAcceleration][0];
    start[kTrackResistance] = block.channel[kRaceChannelResistance][0];
    start[kTrackTyreSpeed] = block.channel[kRaceChannelTyreSpeed][0];
    start[kTrackEngineRpm] = block.channel[kRaceChannelEngineRpm][0];
    start[kTrackClutchRpm] = block.channel[kRaceChannelClutchRpm][0];

    for (int mark = 0; mark < kRaceTimedMarkCount; ++mark) {
        float* row = rows[mark + 1];
        row[kTrackDistance] = kTimedMarkFeet[mark];
        row[kTrackTime] = block.markTime[mark];
        row[kTrackSpeed] = static_cast<float>(block.markSpeed[mark]);
        FillMarkValues(block, mark, row);
    }

    // The last row is labelled 1320 ft after a 660-ft race as well.
    float* finish = rows[kRaceTrackRowCount - 1];
    finish[kTrackDistance] = static_cast<float>(kRaceQuarterMile);
    finish[kTrackTime] = block.elapsedTime;
    finish[kTrackSpeed] = static_cast<float>(block.finishSpeed * kMphPerFootPerSecond);
    FillMarkValues(block, kRaceMarkCount - 1, finish);
}

int RaceSimBlockCopyCurves(const RaceSimBlock& block,
                           float curves[kRaceChannelCount][kRaceMaxSamples],
                           float stepTables[kRaceStepTableCount][kRaceStepCount]) {
    int count = block.sampleCount;
    if (count < 0) count = 0;
    if (count > kRaceMaxSamples) count = kRaceMaxSamples;

    const float* distance = block.channel[kRaceChannelDistance];
    float threshold = 0.0f;
    int step = -1;
    for (int i = 0; i < count; ++i) {
        for (int curve = 0; curve < kRaceChannelCount; ++curve)
            curves[curve][i] = block.channel[kRaceDocumentCurveChannels[curve]][i];

        // At most one step per sample; a full table stops taking entries.
        if (distance[i] >= threshold && step + 1 < kRaceStepCount) {
            ++step;
            for (int table = 0; table < kRaceStepTableCount; ++table)
                stepTables[table][step] = curves[kRaceStepTableCurves[table]][i];
            if (step == 0) stepTables[0][0] = 0.0f;  // the time table starts at 0 s
            threshold += kRaceStepFeet;
        }
    }
    return count;
}

}  // namespace quillet

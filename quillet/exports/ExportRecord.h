// The 922-byte record that the older DOS drag-race program reads: the
// drivetrain and driving settings and the time-slip times of the last run,
// little-endian and packed, everything else zero.
#pragma once

#include <cstdint>

namespace quillet {

constexpr int kExportRecordSize = 922;
constexpr int kExportNameLength = 29;  // characters of the vehicle name kept

struct ExportRecordValues {
    bool clutch = false;  // coupling: a clutch, else a torque converter
    float gearRatio[6] = {};
    const char* vehicleName = "";
    float redline = 0;
    float rollout = 0;  // in
    float launchRpm = 0;
    float shiftRpm[5] = {};
    float finishTime = 0;  // s from the launch to the finish
    float startTime = 0;   // s from the launch to the start line
    float markTime[4] = {};  // s at 60, 330, 660 and 1000 ft
    float finishEngineRpm = 0;
    float timeInGear[6] = {};  // s
};

// Field offsets of the record.
enum ExportRecordOffset : int {
    kExportTagOffset = 0,
    kExportCouplingOffset = 50,
    kExportGearRatioOffset = 162,
    kExportNameOffset = 194,
    kExportRedlineOffset = 331,
    kExportRolloutOffset = 339,
    kExportLaunchOffset = 388,
    kExportShiftRpmOffset = 392,
    kExportFinishTimeOffset = 740,
    kExportStartTimeOffset = 760,
    kExportMarkTimeOffset = 764,
    kExportFinishRpmOffset = 796,
    kExportTimeInGearOffset = 798,
};

extern const char kExportRecordTag[];  // "KOVA/02.08.07/"

void BuildExportRecord(const ExportRecordValues& values, uint8_t (&record)[kExportRecordSize]);

}  // namespace quillet

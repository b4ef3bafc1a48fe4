#include "quillet/exports/ExportRecord.h"

#include <cstring>

namespace quillet {

const char kExportRecordTag[] = "KOVA/02.08.07/";

namespace {

void PutInt16(uint8_t* at, int16_t value) {
    const uint16_t bits = static_cast<uint16_t>(value);
    at[0] = static_cast<uint8_t>(bits & 0xFF);
    at[1] = static_cast<uint8_t>(bits >> 8);
}

void PutFloat(uint8_t* at, float value) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(bits >> (8 * i));
}

void PutFloats(uint8_t* at, const float* values, int count) {
    for (int i = 0; i < count; ++i) PutFloat(at + 4 * i, values[i]);
}

// Truncation toward zero; values beyond 16 bits saturate.
int16_t ToInt16(float value) {
    if (!(value > -32768.0f)) return value != value ? 0 : -32768;
    if (value >= 32767.0f) return 32767;
    return static_cast<int16_t>(value);
}

}  // namespace

void BuildExportRecord(const ExportRecordValues& values, uint8_t (&record)[kExportRecordSize]) {
    std::memset(record, 0, sizeof record);
    std::memcpy(record + kExportTagOffset, kExportRecordTag, sizeof kExportRecordTag);
    PutInt16(record + kExportCouplingOffset, values.clutch ? -1 : 0);
    PutFloats(record + kExportGearRatioOffset, values.gearRatio, 6);
    const char* name = values.vehicleName != nullptr ? values.vehicleName : "";
    std::memcpy(record + kExportNameOffset, name, strnlen(name, kExportNameLength));
    PutFloat(record + kExportRedlineOffset, values.redline);
    PutFloat(record + kExportRolloutOffset, values.rollout);
    PutFloat(record + kExportLaunchOffset, values.launchRpm);
    PutFloats(record + kExportShiftRpmOffset, values.shiftRpm, 5);
    PutFloat(record + kExportFinishTimeOffset, values.finishTime);
    PutFloat(record + kExportStartTimeOffset, values.startTime);
    PutFloats(record + kExportMarkTimeOffset, values.markTime, 4);
    PutInt16(record + kExportFinishRpmOffset, ToInt16(values.finishEngineRpm));
    PutFloats(record + kExportTimeInGearOffset, values.timeInGear, 6);
}

}  // namespace quillet

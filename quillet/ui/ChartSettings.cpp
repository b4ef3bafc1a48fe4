#include "quillet/ui/ChartSettings.h"

#include "common/Assertion.h"
#include "common/ProgramProfile.h"
#include "common/Util.h"
#include "quillet/ui/ResultCurveCatalogue.h"

namespace quillet {

static const char kAssertModule[] = "ChartSettings";

void ChartAxisSetting::Select(int curve, int preset) {
    APP_ASSERT(curve >= 0 && curve < kResultCurveRowCount);
    APP_ASSERT(preset >= 0 && preset < kScalePresetCount);
    curveIndex = curve;
    resultCurve = ResultCurveResultId(curve);
    name = ResultCurveName(curve);
    unit = ResultCurveUnit(curve);
    scalePreset = preset;
    if (preset != 0) ResultCurvePresetRange(curve, preset, presetMin, presetMax);
}

void ChartAxisSetting::Write(FILE* file) const { UtilWriteFormat(file, "%d %d\n", curveIndex, scalePreset); }

void ChartAxisSetting::Read(FILE* file) {
    int curve = 0, preset = 0;
    if (sscanf(UtilReadLine(file), "%d %d", &curve, &preset) != 2) ThrowFileReadError();
    if (curve < 0 || curve >= kResultCurveRowCount || preset < 0 || preset >= kScalePresetCount)
        ThrowFileValueError();
    Select(curve, preset);
}

void ZoneBlock::Write(FILE* file) const {
    UtilWriteFormat(file, "%d %d %d %d %d %d %d\n", axis, curveIndex, preset, zoneCount, enabled, applies,
                    needsConversion);
    for (const Zone& z : zones)
        UtilWriteFormat(file, "%d %d %f %f %d %f %f %d\n", z.color, z.enabled, double(z.min), double(z.displayMin),
                        z.showMinLabel, double(z.max), double(z.displayMax), z.showMaxLabel);
}

void ZoneBlock::Read(FILE* file) {
    ZoneBlock read;
    if (sscanf(UtilReadLine(file), "%d %d %d %d %d %d %d", &read.axis, &read.curveIndex, &read.preset,
               &read.zoneCount, &read.enabled, &read.applies, &read.needsConversion) != 7)
        ThrowFileReadError();
    if (read.axis < 0 || read.axis > 2 || read.curveIndex < 0 || read.curveIndex >= kResultCurveRowCount ||
        read.preset < 0 || read.preset >= kZonePresetCount || read.zoneCount < 0 || read.zoneCount > kMaxZones ||
        (read.enabled != 0 && read.preset == 0))
        ThrowFileValueError();
    for (Zone& z : read.zones) {
        if (sscanf(UtilReadLine(file), "%d %d %f %f %d %f %f %d", &z.color, &z.enabled, &z.min, &z.displayMin,
                   &z.showMinLabel, &z.max, &z.displayMax, &z.showMaxLabel) != 8)
            ThrowFileReadError();
        if (z.color < 0 || z.color > 0xFFFFFF) ThrowFileValueError();
    }
    *this = read;
}

ChartSettings::ChartSettings() {
    x.Select(2, 3);
    y.Select(3, 2);
    y2.Select(4, 2);
}

void ChartSettings::Reset(int place) {
    APP_ASSERT(place >= 0 && place <= 2);
    static const struct {
        int mode;
        int axes[3][2];
    } kPlaces[3] = {
        {kChartCompare, {{2, 1}, {4, 1}, {11, 1}}},
        {kChartCombine, {{2, 3}, {3, 0}, {kSpeedsComboRow, 0}}},
        {kChartCombine, {{2, 3}, {5, 0}, {kRpmsComboRow, 0}}},
    };
    mode = kPlaces[place].mode;
    ChartAxisSetting* axes[3] = {&x, &y, &y2};
    for (int a = 0; a < 3; ++a) axes[a]->Select(kPlaces[place].axes[a][0], kPlaces[place].axes[a][1]);
    zones = ZoneBlock();
}

void ChartSettings::Write(FILE* file) const {
    UtilWriteInt(file, mode);
    x.Write(file);
    y.Write(file);
    y2.Write(file);
    zones.Write(file);
}

void ChartSettings::Read(FILE* file) {
    ChartSettings read(*this);
    read.mode = UtilReadInt(file);
    if (read.mode != kChartCombine && read.mode != kChartCompare) ThrowFileValueError();
    read.x.Read(file);
    read.y.Read(file);
    read.y2.Read(file);
    // An x curve, a y curve, and in compare mode no combination on y.
    const bool showable = read.x.curveIndex != 0 && !ResultCurveIsCombo(read.x.curveIndex) &&
                          read.y.curveIndex != 0 &&
                          (read.mode != kChartCompare ||
                           (!ResultCurveIsCombo(read.y.curveIndex) && !ResultCurveIsCombo(read.y2.curveIndex)));
    if (!showable) ThrowFileValueError();
    read.zones.Read(file);
    *this = read;
}

}  // namespace quillet

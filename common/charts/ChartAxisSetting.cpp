#include "common/charts/ChartAxisSetting.h"

#include "common/Assertion.h"
#include "common/ProgramProfile.h"
#include "common/Util.h"
#include "common/charts/ChartCatalogue.h"

static const char kAssertModule[] = "ChartAxisSetting.cpp";

void ChartAxisSetting::Select(int curve, int preset) {
    APP_ASSERT(curve >= 0 && curve < ResultCurveRowCount());
    APP_ASSERT(preset >= 0 && preset < kScalePresetCount);
    curveIndex = curve;
    resultCurve = ResultCurveResultId(curve);
    name = ResultCurveName(curve);
    unit = ResultCurveUnit(curve);
    scalePreset = static_cast<short>(preset);
    if (preset != 0) ResultCurvePresetRange(curve, preset, presetMin, presetMax);
}

void ChartAxisSetting::Write(FILE* file) const {
    UtilWriteFormat(file, "%d %d\n", curveIndex, static_cast<int>(scalePreset));
}

void ChartAxisSetting::Read(FILE* file) {
    int curve = 0;
    int preset = 0;
    if (sscanf(UtilReadLine(file), "%d %d", &curve, &preset) != 2) ThrowFileReadError();
    if (curve < 0 || curve >= ResultCurveRowCount() || preset < 0 || preset >= kScalePresetCount)
        ThrowFileValueError();
    Select(curve, preset);
}


#include "common/charts/ChartCatalogue.h"

#include "common/Assertion.h"

static const char kAssertModule[] = "ChartCatalogue.cpp";

namespace {

const ChartCatalogue* g_catalogue = nullptr;

const char* const kScalePresetNames[kScalePresetCount] = {"Auto-Range", "Low-Range", "Mid-Range", "Hi-Range"};

const ResultCurveRow& Row(int index) {
    const ChartCatalogue& catalogue = CurrentChartCatalogue();
    APP_ASSERT(index >= 0 && index < catalogue.curveCount);
    APP_ASSERT(catalogue.curves[index].index == index);
    return catalogue.curves[index];
}

const ZonePresetRow& Preset(int preset) {
    const ChartCatalogue& catalogue = CurrentChartCatalogue();
    APP_ASSERT(preset >= 0 && preset < catalogue.zonePresetCount);
    APP_ASSERT(catalogue.zonePresets[preset].index == preset);
    return catalogue.zonePresets[preset];
}

const int* PresetBounds(int preset, int zone) {
    const ZonePresetRow& row = Preset(preset);
    APP_ASSERT(zone >= 0 && zone < row.zoneCount);
    return row.bounds[zone];
}

}  // namespace

void InstallChartCatalogue(const ChartCatalogue& catalogue) {
    APP_ASSERT(catalogue.curves != nullptr && catalogue.curveCount > 0);
    APP_ASSERT(catalogue.zonePresets != nullptr && catalogue.zonePresetCount > 0);
    APP_ASSERT(catalogue.places != nullptr && catalogue.placeCount > 0);
    g_catalogue = &catalogue;
}

const ChartCatalogue& CurrentChartCatalogue() {
    APP_ASSERT(g_catalogue != nullptr);
    return *g_catalogue;
}

int ResultCurveRowCount() { return CurrentChartCatalogue().curveCount; }

const char* ResultCurveName(int index) { return Row(index).name; }

const char* ResultCurveUnit(int index) { return Row(index).unit; }

int ResultCurveResultId(int index) { return Row(index).resultCurve; }

int ResultCurveCount(int index) { return Row(index).curvesDrawn; }

bool ResultCurveIsCombo(int index) { return ResultCurveCount(index) > 1; }

void ResultCurvePresetRange(int index, int preset, int& min, int& max) {
    const ResultCurveRow& row = Row(index);
    APP_ASSERT(preset >= 1 && preset < kScalePresetCount);
    min = row.presetRange[preset - 1][0];
    max = row.presetRange[preset - 1][1];
}

const char* ScalePresetName(int preset) {
    APP_ASSERT(preset >= 0 && preset < kScalePresetCount);
    return kScalePresetNames[preset];
}

int ZonePresetCount() { return CurrentChartCatalogue().zonePresetCount; }

const char* ZonePresetName(int preset) { return Preset(preset).name; }

const char* ZonePresetUnit(int preset) { return Preset(preset).unit; }

int ZonePresetZoneCount(int preset) { return Preset(preset).zoneCount; }

int ZonePresetZoneMin(int preset, int zone) { return PresetBounds(preset, zone)[0]; }

int ZonePresetZoneMax(int preset, int zone) { return PresetBounds(preset, zone)[1]; }

bool ZonePresetFitsCurve(int preset, int curve, bool& conversion) {
    const ZonePresetRow& row = Preset(preset);
    APP_ASSERT(curve >= 0 && curve < ResultCurveRowCount());
    for (int fitting : row.fitsCurves) {
        if (fitting == 0) break;
        if (fitting == curve) {
            conversion = row.conversion;
            return true;
        }
    }
    return false;
}

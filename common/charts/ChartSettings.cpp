#include "common/charts/ChartSettings.h"

#include "common/Assertion.h"
#include "common/ProgramProfile.h"
#include "common/Util.h"

static const char kAssertModule[] = "ChartSettings.cpp";

namespace {

// The x axis offers every single curve ((None) and the combinations not).
bool IsXAxisCurve(int curve) {
    return curve != 0 && !ResultCurveIsCombo(curve);
}

// The axes as the graph view can show them: an x curve, a y curve, and in
// compare mode no combination on either y axis.
bool AreAxesShowable(const ChartSettings& settings) {
    if (!IsXAxisCurve(settings.x.curveIndex) || settings.y.curveIndex == 0) return false;
    return settings.mode != kChartCompare || (!ResultCurveIsCombo(settings.y.curveIndex) &&
                                              !ResultCurveIsCombo(settings.y2.curveIndex));
}

}  // namespace

void ChartSettings::Reset(int place) {
    const ChartCatalogue& catalogue = CurrentChartCatalogue();
    APP_ASSERT(place >= 0 && place < catalogue.placeCount);
    Apply(catalogue.places[place]);
}

void ChartSettings::ResetToNewView() { Apply(CurrentChartCatalogue().newView); }

void ChartSettings::Apply(const ChartPlaceDefaults& defaults) {
    mode = defaults.mode;
    x.Clear();
    y.Clear();
    y2.Clear();
    x.Select(defaults.x.curve, defaults.x.preset);
    y.Select(defaults.y.curve, defaults.y.preset);
    y2.Select(defaults.y2.curve, defaults.y2.preset);
    zones.Reset();
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
    if (!AreAxesShowable(read)) ThrowFileValueError();
    read.zones.Read(file);
    *this = read;
}


#include "torvane/results/ChartSettings.h"

#include "common/ProgramProfile.h"
#include "common/Util.h"
#include "torvane/results/ResultCurveCatalogue.h"

namespace torvane {

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

void ChartSettings::Reset(ChartViewPlace place) {
    mode = kChartCompare;
    x.Clear();
    y.Clear();
    y2.Clear();
    x.Select(1, 3);
    if (place == kFirstChartView) {
        y.Select(4, 0);
        y2.Select(5, 0);
    } else {
        y.Select(2, 2);
        y2.Select(3, 2);
    }
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

}  // namespace torvane

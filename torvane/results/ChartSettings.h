// The settings of one engine graph as the engine file keeps them: the graph
// mode, the x, y and second-y axis selections and the data zones. The engine
// document holds one record for each of its two graph views, so that an
// engine keeps its graph settings whether or not its views exist.
#pragma once

#include <cstdio>

#include "torvane/results/ChartAxisSetting.h"
#include "torvane/results/ZoneSettings.h"

namespace torvane {

// The document's graph views.
enum ChartViewPlace { kFirstChartView, kSecondChartView };

// Graph modes: one document with the combination curves, or up to four
// documents compared.
enum ChartMode { kChartCombine = 0, kChartCompare = 1 };

struct ChartSettings {
    explicit ChartSettings(ChartViewPlace place = kFirstChartView) { Reset(place); }

    // The defaults of the view's place: compare mode, engine speed on x at
    // the high range; the first view shows manifold pressure and volumetric
    // efficiency, the second power and torque. No zones.
    void Reset(ChartViewPlace place);

    // "%d" mode, the three axis lines and the zone lines. File errors are
    // thrown as ErrCodeException: write, read (a line missing or not
    // scanning) and value (a number out of range, or a combination the
    // graph cannot show). A failed read leaves the record as it was.
    void Write(FILE* file) const;
    void Read(FILE* file);

    int mode;
    ChartAxisSetting x, y, y2;
    ZoneSettings zones;
};

}  // namespace torvane

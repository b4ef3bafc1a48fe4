// The settings of one graph as the document's file keeps them: the graph
// mode, the x, y and second-y axis selections and the data zones.
#pragma once

#include <cstdio>

#include "common/charts/ChartAxisSetting.h"
#include "common/charts/ChartCatalogue.h"
#include "common/charts/ZoneSettings.h"

struct ChartSettings {
    // The defaults of graph place `place` of the installed catalogue.
    explicit ChartSettings(int place = 0) { Reset(place); }

    // The defaults of the place (asserted to be one of the catalogue's);
    // no zones.
    void Reset(int place);
    // The defaults of a view that has no place yet; no zones.
    void ResetToNewView();

    // "%d" mode, the three axis lines and the zone lines. File errors are
    // thrown as ErrCodeException: write, read (a line missing or not
    // scanning) and value (a number out of range, or a combination the
    // graph cannot show). A failed read leaves the record as it was.
    void Write(FILE* file) const;
    void Read(FILE* file);

    int mode;
    ChartAxisSetting x, y, y2;
    ZoneSettings zones;

private:
    void Apply(const ChartPlaceDefaults& defaults);
};

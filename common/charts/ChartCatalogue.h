// What a program tells the shared graph code about its graphs: the catalogue
// of result curves an axis can show, the data-zone presets, the defaults of
// each graph place and the numbered errors of zone validation. Each program
// installs its catalogue once, before it makes any graph setting; the
// accessors below read the installed one.
#pragma once

constexpr int kMaxZones = 6;
// 0 "Auto-Range" (the chart picks the range), 1..3 fixed ranges.
constexpr int kScalePresetCount = 4;
constexpr int kMaxZoneFitCurves = 5;

// Graph modes: one document with the combination curves, or documents
// compared.
enum ChartMode { kChartCombine = 0, kChartCompare = 1 };

// One curve an axis can show.
struct ResultCurveRow {
    int index;
    short curvesDrawn;  // more than 1: a combination row
    int resultCurve;    // the document's curve, 0 for rows that draw several
    const char* name;
    const char* unit;
    int presetRange[3][2];  // min and max of scale presets 1..3
};

// One data-zone preset.
struct ZonePresetRow {
    int index;
    const char* name;
    const char* unit;
    int zoneCount;
    int bounds[kMaxZones][2];  // min and max of each zone
    bool conversion;           // the bounds need converting to the charted curve
    int fitsCurves[kMaxZoneFitCurves];  // curve rows; 0 ends the list
};

// An axis selection: curve row and scale preset.
struct ChartAxisDefault {
    int curve;
    int preset;
};

// The settings a graph starts with.
struct ChartPlaceDefaults {
    int mode;
    ChartAxisDefault x, y, y2;
};

struct ChartCatalogue {
    const ResultCurveRow* curves;
    int curveCount;
    const ZonePresetRow* zonePresets;
    int zonePresetCount;
    // The defaults of each graph place of a document, and of a view that has
    // no place yet.
    const ChartPlaceDefaults* places;
    int placeCount;
    ChartPlaceDefaults newView;
    // Zone validation: a zone whose min is not below its max, a zone that
    // starts before the one before it ends.
    unsigned short zoneEmptyError;
    unsigned short zoneOverlapError;
};

// Makes `catalogue` (which must outlive every graph setting) the current one.
void InstallChartCatalogue(const ChartCatalogue& catalogue);
// The installed catalogue; none installed is an assertion.
const ChartCatalogue& CurrentChartCatalogue();

// The curve rows; each asserts the row index.
int ResultCurveRowCount();
const char* ResultCurveName(int index);
const char* ResultCurveUnit(int index);
// The document curve, 0 for (None) and the combination rows.
int ResultCurveResultId(int index);
// The number of curves the row draws.
int ResultCurveCount(int index);
bool ResultCurveIsCombo(int index);
// The range of scale preset 1..3.
void ResultCurvePresetRange(int index, int preset, int& min, int& max);

// "Auto-Range", "Low-Range", "Mid-Range", "Hi-Range".
const char* ScalePresetName(int preset);

// The zone presets; each asserts the preset (and the zone below the
// preset's count).
int ZonePresetCount();
const char* ZonePresetName(int preset);
const char* ZonePresetUnit(int preset);
int ZonePresetZoneCount(int preset);
int ZonePresetZoneMin(int preset, int zone);
int ZonePresetZoneMax(int preset, int zone);
// Whether the preset fits curve row `curve`; when it does, `conversion`
// tells whether its bounds need converting.
bool ZonePresetFitsCurve(int preset, int curve, bool& conversion);

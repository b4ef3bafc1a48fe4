// The settings of one drag-race graph as the vehicle file keeps them: the
// graph mode, the x, y and second-y selections of the curve catalogue and
// the data-zone block.
#pragma once

#include <cstdio>

namespace quillet {

// The graph's mode: one vehicle with the combination curves, or vehicles
// compared.
enum ChartMode { kChartCombine = 0, kChartCompare = 1 };

// One axis: a catalogue row and a scale preset with the preset's range.
struct ChartAxisSetting {
    // Row and preset (asserted 0..14 and 0..3); presets 1..3 take their
    // range, preset 0 ("Auto-Range") keeps the range the axis had.
    void Select(int curve, int preset);

    // "%d %d": row and preset; file errors thrown as the file's codes.
    void Write(FILE* file) const;
    void Read(FILE* file);

    int curveIndex = 0;
    int resultCurve = 0;
    const char* name = nullptr;
    const char* unit = nullptr;
    int scalePreset = 0;
    int presetMin = 0;
    int presetMax = 0;
};

constexpr int kMaxZones = 6;
constexpr int kZonePresetCount = 14;

// The data zones of a graph as the file keeps them: the header (axis,
// curve, preset, count, shown, applies, needs conversion) and six zones.
struct ZoneBlock {
    struct Zone {
        int color = 0;
        int enabled = 0;
        float min = 0, displayMin = 0;
        int showMinLabel = 0;
        float max = 0, displayMax = 0;
        int showMaxLabel = 0;
    };
    int axis = 0, curveIndex = 0, preset = 0, zoneCount = 0;
    int enabled = 0, applies = 0, needsConversion = 1;
    Zone zones[kMaxZones];

    void Write(FILE* file) const;
    void Read(FILE* file);
};

struct ChartSettings {
    // The view's defaults before it has a place: distance over the full
    // track, acceleration and speed on their middle ranges.
    ChartSettings();
    // The defaults of graph place 0, 1 or 2.
    void Reset(int place);

    // "%d" mode, the three axis lines and the zone block. A failed read
    // (line missing or not scanning, a number out of range, axes the graph
    // cannot show) throws the file's code and leaves the record as it was.
    void Write(FILE* file) const;
    void Read(FILE* file);

    int mode = kChartCompare;
    ChartAxisSetting x, y, y2;
    ZoneBlock zones;
};

}  // namespace quillet

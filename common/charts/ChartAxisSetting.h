// One axis of a graph: a row of the program's result-curve catalogue and a
// scale preset, with the preset's range.
#pragma once

#include <cstdio>

struct ChartAxisSetting {
    // Row and preset (asserted to be a catalogue row and 0..3); name, unit and result curve
    // from the row. Presets 1..3 take their range; preset 0 ("Auto-Range")
    // keeps the range the axis had.
    void Select(int curve, int preset);
    void SetCurve(int curve) { Select(curve, scalePreset); }
    void SetScale(int preset) { Select(curveIndex, preset); }
    // Every field 0.
    void Clear() { *this = ChartAxisSetting(); }

    // "%d %d": row and preset. File errors are thrown as ErrCodeException
    // (write, read, and value for a row or preset out of range).
    void Write(FILE* file) const;
    void Read(FILE* file);

    int curveIndex = 0;
    int resultCurve = 0;
    const char* name = nullptr;  // the catalogue's texts
    const char* unit = nullptr;
    short scalePreset = 0;
    int presetMin = 0;
    int presetMax = 0;
};


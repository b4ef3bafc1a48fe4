// Data zones of a graph: up to six shaded value bands of one axis, chosen
// from the program's table of presets (for instance piston-speed bands over
// engine speed) and stored with the graph's settings in the document's file.
#pragma once

#include <cstdio>

#include "common/charts/ChartCatalogue.h"
#include "framework/Framework.h"

// One zone: its colour, and each bound in the preset's unit, in the unit of
// the charted curve ("display") and as a label.
class ZoneRange {
public:
    ZoneRange() { Reset(); }
    void Reset();

    // The bound, its display value and its label ("%g").
    void SetMin(float value);
    void SetMax(float value);
    void SetDisplayMin(float value) { displayMin_ = value; }
    void SetDisplayMax(float value) { displayMax_ = value; }
    void SetColor(int rgb) { color_ = rgb; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    void SetShowMinLabel(bool show) { showMinLabel_ = show; }
    void SetShowMaxLabel(bool show) { showMaxLabel_ = show; }

    int GetColor() const { return color_; }
    bool IsEnabled() const { return enabled_; }
    float GetMin() const { return min_; }
    float GetMax() const { return max_; }
    float GetDisplayMin() const { return displayMin_; }
    float GetDisplayMax() const { return displayMax_; }
    bool IsShowMinLabel() const { return showMinLabel_; }
    bool IsShowMaxLabel() const { return showMaxLabel_; }
    // The label, or null when it is empty.
    const char* GetMinText() const;
    const char* GetMaxText() const;

    // One line: colour, enabled, min, display min, show min label, max,
    // display max, show max label. Reading takes the display values and
    // labels from the bounds; a colour that is no RGB value is a value error.
    void Write(FILE* file) const;
    void Read(FILE* file);

private:
    int color_;
    bool enabled_;
    float min_, displayMin_;
    CString minLabel_;
    bool showMinLabel_;
    float max_, displayMax_;
    CString maxLabel_;
    bool showMaxLabel_;
};

// The zones of one graph.
struct ZoneSettings {
    ZoneSettings() { Reset(); }
    // Header zeroed but "needs conversion", every zone reset.
    void Reset();

    // When the preset fits the curve: the zones belong to `axis` (0 x, 1 y,
    // 2 second y) and that curve; true. Otherwise they belong to none.
    bool AttachToCurve(int axis, int curve);

    // Zones in feet per minute (piston speed) attached to an engine-speed
    // curve, shown in engine speed: display bounds = feet per minute x 6 /
    // stroke in inches, each zone shown with both labels. Without a stroke
    // every zone is disabled. No conversion is needed afterwards.
    void ConvertPistonSpeedZones(bool strokeSet, float strokeInches);

    // The widest text extent in `dc` among the labels of the zones below
    // the count.
    int MeasureLabelWidth(HDC dc) const;

    // The zones' colours blended, channel by channel in whole steps, from
    // the first zone's to the last's (at least three zones, asserted); the
    // last can end a little short of its colour.
    void BlendColors();

    // Each zone below the count: the catalogue's empty-zone code when its min
    // is not below its max, its overlap code when the zone before it ends
    // above its min (touching is allowed).
    bool Validate(unsigned short& code) const;

    // The header line "%d %d %d %d %d %d %d" (axis, curve, preset, count,
    // enabled, applies, needs conversion) and one line per zone. File errors
    // are thrown as ErrCodeException.
    void Write(FILE* file) const;
    void Read(FILE* file);

    int axis;
    int curveIndex;  // catalogue row the zones are attached to
    int preset;      // a row of the catalogue's zone presets
    int zoneCount;   // 0..6
    bool enabled;
    bool applies;  // the preset fits the charted curve
    bool needsConversion;
    ZoneRange zones[kMaxZones];
};


#include "common/charts/ZoneSettings.h"

#include <cstdlib>
#include <cstring>

#include "common/Assertion.h"
#include "common/ProgramProfile.h"
#include "common/Util.h"

static const char kAssertModule[] = "ZoneSettings.cpp";

namespace {

// A colour is an RGB value: 24 bits.
const int kColorLimit = 0x1000000;

CString Label(float value) {
    CString label;
    label.Format("%g", static_cast<double>(value));
    return label;
}

}  // namespace

// --------------------------------------------------------------- ZoneRange

void ZoneRange::Reset() {
    color_ = 0;
    enabled_ = true;
    min_ = displayMin_ = 0.0f;
    minLabel_.Empty();
    showMinLabel_ = true;
    max_ = displayMax_ = 0.0f;
    maxLabel_.Empty();
    showMaxLabel_ = true;
}

void ZoneRange::SetMin(float value) {
    min_ = displayMin_ = value;
    minLabel_ = Label(value);
}

void ZoneRange::SetMax(float value) {
    max_ = displayMax_ = value;
    maxLabel_ = Label(value);
}

const char* ZoneRange::GetMinText() const {
    return minLabel_.IsEmpty() ? nullptr : minLabel_.GetString();
}

const char* ZoneRange::GetMaxText() const {
    return maxLabel_.IsEmpty() ? nullptr : maxLabel_.GetString();
}

void ZoneRange::Write(FILE* file) const {
    UtilWriteFormat(file, "%d %d %f %f %d %f %f %d\n", color_, enabled_ ? 1 : 0,
                    static_cast<double>(min_), static_cast<double>(displayMin_),
                    showMinLabel_ ? 1 : 0, static_cast<double>(max_),
                    static_cast<double>(displayMax_), showMaxLabel_ ? 1 : 0);
}

void ZoneRange::Read(FILE* file) {
    int color = 0, enabled = 0, showMin = 0, showMax = 0;
    float min = 0.0f, displayMin = 0.0f, max = 0.0f, displayMax = 0.0f;
    if (sscanf(UtilReadLine(file), "%d %d %f %f %d %f %f %d", &color, &enabled, &min, &displayMin,
               &showMin, &max, &displayMax, &showMax) != 8)
        ThrowFileReadError();
    if (color < 0 || color >= kColorLimit) ThrowFileValueError();
    color_ = color;
    enabled_ = enabled != 0;
    SetMin(min);
    showMinLabel_ = showMin != 0;
    SetMax(max);
    showMaxLabel_ = showMax != 0;
}

// ------------------------------------------------------------ ZoneSettings

void ZoneSettings::Reset() {
    axis = curveIndex = preset = zoneCount = 0;
    enabled = applies = false;
    needsConversion = true;
    for (ZoneRange& zone : zones) zone.Reset();
}

bool ZoneSettings::AttachToCurve(int axisIndex, int curve) {
    bool conversion = false;
    if (ZonePresetFitsCurve(preset, curve, conversion)) {
        axis = axisIndex;
        curveIndex = curve;
        applies = true;
        needsConversion = conversion;
        return true;
    }
    axis = curveIndex = 0;
    applies = needsConversion = false;
    return false;
}

void ZoneSettings::ConvertPistonSpeedZones(bool strokeSet, float strokeInches) {
    bool conversion = false;
    APP_ASSERT(ZonePresetFitsCurve(preset, curveIndex, conversion) && conversion);
    for (int i = 0; i < zoneCount; ++i) {
        ZoneRange& zone = zones[i];
        if (!strokeSet) {
            zone.SetEnabled(false);
            continue;
        }
        APP_ASSERT(strokeInches > 0.0f);
        zone.SetDisplayMin(zone.GetMin() * 6.0f / strokeInches);
        zone.SetDisplayMax(zone.GetMax() * 6.0f / strokeInches);
        zone.SetEnabled(true);
        zone.SetShowMinLabel(true);
        zone.SetShowMaxLabel(true);
    }
    needsConversion = false;
}

int ZoneSettings::MeasureLabelWidth(HDC dc) const {
    int widest = 0;
    for (int i = 0; i < zoneCount; ++i) {
        for (const char* label : {zones[i].GetMinText(), zones[i].GetMaxText()}) {
            SIZE size = {0, 0};
            if (label) ::GetTextExtentPoint32A(dc, label, int(strlen(label)), &size);
            if (size.cx > widest) widest = size.cx;
        }
    }
    return widest;
}

void ZoneSettings::BlendColors() {
    APP_ASSERT(zoneCount >= 3 && zoneCount <= kMaxZones);
    const int first = zones[0].GetColor();
    const int last = zones[zoneCount - 1].GetColor();
    int colors[kMaxZones] = {};
    for (int shift = 0; shift < 24; shift += 8) {
        const int from = (first >> shift) & 0xFF, to = (last >> shift) & 0xFF;
        const int step = std::abs(to - from) / (zoneCount - 1);
        for (int i = 0; i < zoneCount; ++i) colors[i] |= (to >= from ? from + i * step : from - i * step) << shift;
    }
    for (int i = 0; i < zoneCount; ++i) zones[i].SetColor(colors[i]);
}

bool ZoneSettings::Validate(unsigned short& code) const {
    for (int i = 0; i < zoneCount; ++i) {
        const ZoneRange& zone = zones[i];
        APP_ASSERT(zone.GetMinText() != nullptr && zone.GetMaxText() != nullptr);
        if (zone.GetMin() >= zone.GetMax()) {
            code = CurrentChartCatalogue().zoneEmptyError;
            return false;
        }
        if (i > 0 && zones[i - 1].GetMax() > zone.GetMin()) {
            code = CurrentChartCatalogue().zoneOverlapError;
            return false;
        }
    }
    return true;
}

void ZoneSettings::Write(FILE* file) const {
    UtilWriteFormat(file, "%d %d %d %d %d %d %d\n", axis, curveIndex, preset, zoneCount,
                    enabled ? 1 : 0, applies ? 1 : 0, needsConversion ? 1 : 0);
    for (const ZoneRange& zone : zones) zone.Write(file);
}

void ZoneSettings::Read(FILE* file) {
    int header[7] = {};
    if (sscanf(UtilReadLine(file), "%d %d %d %d %d %d %d", &header[0], &header[1], &header[2],
               &header[3], &header[4], &header[5], &header[6]) != 7)
        ThrowFileReadError();
    const int readAxis = header[0], readCurve = header[1], readPreset = header[2],
              readCount = header[3];
    if (readAxis < 0 || readAxis > 2 || readCurve < 0 || readCurve >= ResultCurveRowCount() ||
        readPreset < 0 || readPreset >= ZonePresetCount() || readCount < 0 || readCount > kMaxZones)
        ThrowFileValueError();
    const bool readEnabled = header[4] != 0;
    // Zones are shown only with a preset: the program never writes this.
    if (readEnabled && readPreset == 0) ThrowFileValueError();

    axis = readAxis;
    curveIndex = readCurve;
    preset = readPreset;
    zoneCount = readCount;
    enabled = readEnabled;
    applies = header[5] != 0;
    needsConversion = header[6] != 0;
    for (ZoneRange& zone : zones) zone.Read(file);
}


// The result curves an engine graph can show: one fixed catalogue of rows,
// each with its name, unit, the number of curves it draws, the document
// result curve it stands for (0 for rows that draw several) and the ranges
// of its three fixed scale presets.
#pragma once

namespace torvane {

constexpr int kResultCurveRowCount = 20;
// 0 "Auto-Range" (the chart picks the range), 1..3 fixed ranges.
constexpr int kScalePresetCount = 4;

// Each asserts the row index 0..19.
const char* ResultCurveName(int index);
const char* ResultCurveUnit(int index);
// The document result curve (1..16), 0 for combination rows.
int ResultCurveResultId(int index);
// The number of curves the row draws.
int ResultCurveCount(int index);
bool ResultCurveIsCombo(int index);
// The range of scale preset 1..3.
void ResultCurvePresetRange(int index, int preset, int& min, int& max);

// "Auto-Range", "Low-Range", "Mid-Range", "Hi-Range".
const char* ScalePresetName(int preset);

}  // namespace torvane

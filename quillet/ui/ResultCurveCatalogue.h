// The run curves a drag-race graph can show: one fixed catalogue of rows,
// each with its name, unit, the number of curves it draws, the document
// curve it stands for (0 for the rows that draw two) and the ranges of its
// three fixed scale presets.
#pragma once

namespace quillet {

constexpr int kResultCurveRowCount = 15;
// 0 "Auto-Range" (the chart picks the range), 1..3 fixed ranges.
constexpr int kScalePresetCount = 4;
// The two combination rows.
constexpr int kSpeedsComboRow = 13;
constexpr int kRpmsComboRow = 14;

// Each asserts the row index 0..14.
const char* ResultCurveName(int index);
const char* ResultCurveUnit(int index);
// The document curve (1..12), 0 for (None) and the combination rows.
int ResultCurveResultId(int index);
// The number of curves the row draws.
int ResultCurveCount(int index);
bool ResultCurveIsCombo(int index);
// The range of scale preset 1..3.
void ResultCurvePresetRange(int index, int preset, int& min, int& max);

}  // namespace quillet

#include "torvane/results/ResultCurveCatalogue.h"

#include "common/Assertion.h"

namespace torvane {

static const char kAssertModule[] = "ResultCurveCatalogue.cpp";

namespace {

struct ResultCurveRow {
    int index;
    short curvesDrawn;
    int resultCurve;
    const char* name;
    const char* unit;
    int presetRange[3][2];  // min and max of scale presets 1..3
};

const ResultCurveRow kRows[kResultCurveRowCount] = {
    {0, 1, 0, "(None)", " ", {{0, 0}, {0, 0}, {0, 0}}},
    {1, 1, 1, "Engine Speed (RPM)", "RPM", {{0, 5000}, {0, 8000}, {0, 11000}}},
    {2, 1, 2, "Power (HP)", "HP", {{0, 500}, {0, 1000}, {0, 2000}}},
    {3, 1, 3, "Torque (lb-ft)", "lb-ft", {{0, 500}, {0, 1000}, {0, 2000}}},
    {4, 1, 4, "Manifold Pressure (psi)", "psi", {{0, 10}, {0, 15}, {0, 20}}},
    {5, 1, 5, "Volumetric Eff.(%)", "%", {{0, 50}, {0, 75}, {0, 100}}},
    {6, 2, 0, "Power,Torque combo", "HP,lb-ft", {{0, 500}, {0, 1000}, {0, 2000}}},
    {7, 1, 9, "Indicated Power (HP)", "HP", {{0, 500}, {0, 1000}, {0, 2000}}},
    {8, 1, 10, "Frictional Power (HP)", "HP", {{0, 500}, {0, 1000}, {0, 2000}}},
    {9, 1, 11, "Pumping Power (HP)", "HP", {{0, 500}, {0, 1000}, {0, 2000}}},
    {10, 1, 12, "Mechanical Eff.(%)", "%", {{0, 50}, {0, 75}, {0, 100}}},
    {11, 1, 13, "Induction Airflow (CFM)", "CFM", {{0, 1000}, {0, 2000}, {0, 4000}}},
    {12, 1, 14, "Piston Gas Force (lbs)", "lbs", {{0, 1000}, {0, 2000}, {0, 4000}}},
    {13, 1, 15, "Piston Speed (fpm)", "fpm", {{0, 1000}, {0, 2000}, {0, 4000}}},
    {14, 1, 7, "BMEP (psi)", "psi", {{0, 50}, {0, 100}, {0, 500}}},
    {15, 1, 6, "IMEP (psi)", "psi", {{0, 50}, {0, 100}, {0, 500}}},
    {16, 1, 8, "FMEP (psi)", "psi", {{0, 50}, {0, 100}, {0, 500}}},
    {17, 1, 16, "PMEP (psi)", "psi", {{0, 50}, {0, 100}, {0, 500}}},
    {18, 4, 0, "Power combo", "HP", {{0, 500}, {0, 1000}, {0, 2000}}},
    {19, 4, 0, "Pressures combo", "psi", {{0, 50}, {0, 100}, {0, 500}}},
};

const char* const kScalePresetNames[kScalePresetCount] = {"Auto-Range", "Low-Range", "Mid-Range",
                                                          "Hi-Range"};

const ResultCurveRow& Row(int index) {
    APP_ASSERT(index >= 0 && index < kResultCurveRowCount);
    APP_ASSERT(kRows[index].index == index);
    return kRows[index];
}

}  // namespace

const char* ResultCurveName(int index) {
    return Row(index).name;
}

const char* ResultCurveUnit(int index) {
    return Row(index).unit;
}

int ResultCurveResultId(int index) {
    return Row(index).resultCurve;
}

int ResultCurveCount(int index) {
    return Row(index).curvesDrawn;
}

bool ResultCurveIsCombo(int index) {
    return ResultCurveCount(index) > 1;
}

void ResultCurvePresetRange(int index, int preset, int& min, int& max) {
    const ResultCurveRow& row = Row(index);
    APP_ASSERT(preset >= 1 && preset < kScalePresetCount);
    min = row.presetRange[preset - 1][0];
    max = row.presetRange[preset - 1][1];
}

const char* ScalePresetName(int preset) {
    APP_ASSERT(preset >= 0 && preset < kScalePresetCount);
    return kScalePresetNames[preset];
}

}  // namespace torvane

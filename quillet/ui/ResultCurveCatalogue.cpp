#include "quillet/ui/ResultCurveCatalogue.h"

#include "common/Assertion.h"

namespace quillet {

static const char kAssertModule[] = "ResultCurveCatalogue";

namespace {

struct CurveRow {
    const char* name;
    const char* unit;
    int drawn;
    int resultCurve;
    int ranges[3][2];
};

const CurveRow kRows[kResultCurveRowCount] = {
    {"(None)", " ", 1, 0, {{0, 0}, {0, 0}, {0, 0}}},
    {"Time (secs)", "Secs", 1, 1, {{0, 5}, {0, 10}, {0, 20}}},
    {"Distance (ft)", "Feet", 1, 2, {{0, 60}, {0, 660}, {0, 1320}}},
    {"Acceleration (g's)", "g's", 1, 3, {{0, 1}, {0, 3}, {0, 5}}},
    {"Speed (mph)", "MPH", 1, 4, {{0, 200}, {0, 300}, {0, 400}}},
    {"Drag (lbs)", "lbs", 1, 5, {{0, 1000}, {0, 3000}, {0, 5000}}},
    {"Drive Force (lbs)", "lbs", 1, 6, {{0, 1000}, {0, 3000}, {0, 5000}}},
    {"Engine Torque (lbft)", "lbft", 1, 7, {{0, 500}, {0, 1000}, {0, 5000}}},
    {"Engine Power (HP)", "HP", 1, 8, {{0, 500}, {0, 1000}, {0, 5000}}},
    {"Engine Speed (RPM)", "RPM", 1, 9, {{0, 5000}, {0, 8000}, {0, 11000}}},
    {"Clutch Speed (RPM)", "RPM", 1, 10, {{0, 5000}, {0, 8000}, {0, 11000}}},
    {"Tire Speed (mph)", "MPH", 1, 11, {{0, 200}, {0, 300}, {0, 400}}},
    {"Tire Diameter (inches)", "in", 1, 12, {{0, 30}, {0, 50}, {0, 100}}},
    {"Vehicle/Tire MPH", "MPH", 2, 0, {{0, 200}, {0, 300}, {0, 400}}},
    {"Engine/Clutch RPM", "RPM", 2, 0, {{0, 5000}, {0, 8000}, {0, 11000}}},
};

const CurveRow& Row(int index) {
    APP_ASSERT(index >= 0 && index < kResultCurveRowCount);
    return kRows[index];
}

}  // namespace

const char* ResultCurveName(int index) { return Row(index).name; }
const char* ResultCurveUnit(int index) { return Row(index).unit; }
int ResultCurveResultId(int index) { return Row(index).resultCurve; }
int ResultCurveCount(int index) { return Row(index).drawn; }
bool ResultCurveIsCombo(int index) { return index == kSpeedsComboRow || index == kRpmsComboRow; }

void ResultCurvePresetRange(int index, int preset, int& min, int& max) {
    APP_ASSERT(preset >= 1 && preset < kScalePresetCount);
    min = Row(index).ranges[preset - 1][0];
    max = Row(index).ranges[preset - 1][1];
}

}  // namespace quillet

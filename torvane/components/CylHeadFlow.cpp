#include "torvane/components/CylHeadFlow.h"

#include <algorithm>

#include "common/ErrCodeException.h"
#include "common/FieldChecks.h"
#include "common/Util.h"
#include "torvane/components/ComponentFile.h"
#include "torvane/services/ErrCode.h"
#include "torvane/services/TorvaneProfile.h"

namespace torvane {

static const char kAssertModule[] = "CylHeadFlow.cpp";

namespace {

const float kInchToMm = 25.4f;
const float kInH2OToCmH2O = 2.54f;
const float kMinLift = 0.01f, kMaxLift = 1.5f;

const ComponentFileKind kFlowFileKind = {"flw", "Airflow Files (*.flw)|*.flw|All Files (*.*)|*.*||",
                                         "FlowFiles (.FLW)"};

// ---- The 16 stock heads.

const int kPresetPoints = 8;
const float kPresetPressureDrop = 28.0f;

// Lift rows shared by the presets, in inches (both sides use the same row).
const float kLiftsL1[kPresetPoints] = {0.2f, 0.3f, 0.4f, 0.5f, 0.55f, 0.6f, 0.65f, 0.7f};
const float kLiftsL2[kPresetPoints] = {0.05f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f};
const float kLiftsL3[kPresetPoints] = {0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f};
const float kLiftsL4[kPresetPoints] = {0.06f, 0.12f, 0.18f, 0.24f, 0.31f, 0.37f, 0.43f, 0.46f};

struct PresetSide {
    float testDiameter;
    int valvesPerPort;
    float flows[kPresetPoints];  // cfm at 28 inH2O
};

struct HeadPreset {
    const char* name;
    PresetSide intake;
    PresetSide exhaust;
    const float* lifts;
};

const HeadPreset kPresets[CylHeadFlow::kPresetCount] = {
    {"Low Performance/Stock Ports And Valves",
     {2.02f, 1, {126, 167, 201, 207, 211, 211, 214, 214}},
     {1.6f, 1, {92, 110, 118, 123, 124, 124, 125, 125}},
     kLiftsL1},
    {"Low Performance/Pocket Porting",
     {2.02f, 1, {133, 176, 213, 219, 223, 223, 227, 227}},
     {1.6f, 1, {97, 116, 125, 130, 131, 131, 132, 132}},
     kLiftsL1},
    {"Low Performance/Ported, Large Valves",
     {2.02f, 1, {130, 177, 217, 239, 242, 242, 242, 242}},
     {1.6f, 1, {101, 133, 153, 164, 164, 164, 171, 171}},
     kLiftsL1},
    {"Wedge/Stock Ports And Valves",
     {2.02f, 1, {134, 176, 213, 219, 223, 223, 227, 227}},
     {1.6f, 1, {97, 116, 125, 130, 131, 131, 132, 132}},
     kLiftsL1},
    {"Wedge/Pocket Porting, Stock Valve Size",
     {2.02f, 1, {138, 187, 230, 253, 256, 256, 256, 256}},
     {1.6f, 1, {107, 141, 162, 174, 174, 174, 181, 181}},
     kLiftsL1},
    {"Wedge/Pocket Porting, Large Valves",
     {2.02f, 1, {140, 191, 234, 257, 261, 261, 261, 261}},
     {1.6f, 1, {109, 143, 165, 177, 177, 177, 184, 184}},
     kLiftsL1},
    {"Wedge/Fully Ported, Large Valves",
     {2.04f, 1, {139, 194, 240, 270, 278, 284, 284, 285}},
     {1.625f, 1, {110, 152, 184, 187, 191, 194, 197, 197}},
     kLiftsL1},
    {"Wedge/Pro-Stock Porting And Mods",
     {2.08f, 1, {34, 68, 140, 204, 257, 287, 306, 323}},
     {1.65f, 1, {30, 60, 114, 155, 194, 216, 227, 240}},
     kLiftsL2},
    {"Canted/Oval Stock Ports, Stock Valves",
     {2.19f, 1, {141, 193, 235, 259, 263, 263, 263, 263}},
     {1.88f, 1, {119, 157, 180, 193, 193, 193, 201, 201}},
     kLiftsL1},
    {"Canted/Oval Pocket Ported, Stock Valves",
     {2.19f, 1, {163, 222, 272, 299, 303, 303, 303, 303}},
     {1.88f, 1, {137, 181, 208, 223, 223, 223, 232, 232}},
     kLiftsL1},
    {"Canted/Oval Pocket Ported, Large Valves",
     {2.19f, 1, {167, 227, 279, 307, 311, 311, 311, 311}},
     {1.88f, 1, {141, 185, 213, 228, 228, 228, 238, 238}},
     kLiftsL1},
    {"Canted/Rectangular Ports, Fully Ported",
     {2.25f, 1, {40, 80, 165, 241, 304, 338, 361, 381}},
     {1.9f, 1, {37, 75, 143, 195, 244, 272, 285, 302}},
     kLiftsL2},
    {"Canted/Rectangular Pro-Stock Ports/Mods",
     {2.42f, 1, {191, 284, 355, 424, 460, 499, 525, 534}},
     {1.9f, 1, {170, 227, 280, 343, 382, 413, 419, 425}},
     kLiftsL3},
    {"4-Valve Head/Stock Ports And Valves",
     {1.26f, 2, {36, 70, 106, 127, 146, 161, 168, 173}},
     {1.08f, 2, {31, 67, 101, 117, 127, 133, 137, 143}},
     kLiftsL4},
    {"4-Valve Head/Ported With Large Valves",
     {1.26f, 2, {41, 80, 121, 145, 167, 185, 193, 198}},
     {1.08f, 2, {36, 77, 116, 134, 145, 152, 157, 163}},
     kLiftsL4},
    {"4-Valve Head/Race Porting And Mods",
     {1.26f, 2, {53, 104, 157, 188, 216, 239, 250, 256}},
     {1.08f, 2, {47, 100, 150, 174, 188, 197, 203, 212}},
     kLiftsL4},
};

const HeadPreset& Preset(int headType) {
    APP_ASSERT(headType >= 1 && headType <= CylHeadFlow::kPresetCount);
    return kPresets[headType - 1];
}

// ---- One valve side.

void SetTestConditions(FlowBenchSide& side, float testDiameter, float pressureDrop,
                       int valvesPerPort) {
    side.testDiameter.SetValue(testDiameter);
    side.pressureDrop.SetValue(pressureDrop);
    side.valvesPerPort.SetValue(valvesPerPort);
}

void LoadPresetSide(FlowBenchSide& side, const PresetSide& preset, const float* lifts) {
    SetTestConditions(side, preset.testDiameter, kPresetPressureDrop, preset.valvesPerPort);
    for (int i = 0; i < kPresetPoints; ++i) {
        side.lift[i].SetValue(lifts[i]);
        side.airflow[i].SetValue(preset.flows[i]);
    }
}

void SetSideUnits(FlowBenchSide& side, bool english) {
    side.testDiameter.SetUnitSystem(english);
    side.pressureDrop.SetUnitSystem(english);
    for (CFloatPtSpec& point : side.lift) point.SetUnitSystem(english);
    for (CFloatPtSpec& point : side.airflow) point.SetUnitSystem(english);
}

bool FillLifts(FlowBenchSide& side, int index, int numPoints) {
    APP_ASSERT(index >= 0 && index < CylHeadFlow::kMaxPoints);
    const float step = index == 0 ? side.lift[0].GetValue()
                                  : side.lift[index].GetValue() - side.lift[index - 1].GetValue();
    if (!(step > 0.0f)) return false;
    for (int i = index + 1; i < numPoints; ++i) {
        side.lift[i].SetValue(std::clamp(side.lift[i - 1].GetValue() + step, kMinLift, kMaxLift));
    }
    return true;
}

bool LiftAbovePrevious(const FlowBenchSide& side, int index) {
    APP_ASSERT(index >= 0 && index < CylHeadFlow::kMaxPoints);
    return index == 0 || side.lift[index].GetValue() > side.lift[index - 1].GetValue();
}

bool LiftsAscend(const FlowBenchSide& side, int numPoints) {
    for (int i = 1; i < numPoints; ++i) {
        if (!LiftAbovePrevious(side, i)) return false;
    }
    return true;
}

void WriteSide(FILE* file, const FlowBenchSide& side, int numPoints) {
    side.testDiameter.WriteToFile(file);
    side.pressureDrop.WriteToFile(file);
    for (int i = 0; i < numPoints; ++i) side.lift[i].WriteToFile(file);
    for (int i = 0; i < numPoints; ++i) side.airflow[i].WriteToFile(file);
}

void ReadSide(FILE* file, FlowBenchSide& side, int numPoints) {
    side.testDiameter.ReadFromFile(file);
    side.pressureDrop.ReadFromFile(file);
    for (int i = 0; i < numPoints; ++i) side.lift[i].ReadFromFile(file);
    for (int i = 0; i < numPoints; ++i) side.airflow[i].ReadFromFile(file);
}

std::vector<CFloatPtSpec> PointFields(const CFloatPtSpec& point) {
    return std::vector<CFloatPtSpec>(CylHeadFlow::kMaxPoints, point);
}

}  // namespace

FlowBenchSide::FlowBenchSide(const char* diameterName, float minDiameter, float maxDiameter,
                             const char* pressureDropName, const char* valvesName,
                             const char* airflowName, const char* liftName)
    : testDiameter(diameterName, kUnitInch, minDiameter, maxDiameter, kUnitMm, kInchToMm),
      pressureDrop(pressureDropName, kUnitInH2O, 1.0f, 75.0f, kUnitCmH2O, kInH2OToCmH2O),
      valvesPerPort(valvesName, 1, 3),
      airflow(PointFields(CFloatPtSpec(airflowName, kUnitCfm, 1.0f, 750.0f, kUnitCfm, 1.0f))),
      lift(PointFields(CFloatPtSpec(liftName, kUnitInch, kMinLift, kMaxLift, kUnitMm, kInchToMm))) {
}

CylHeadFlow::CylHeadFlow()
    : intake("Intake Valve Test Diameter", 0.75f, 4.0f, "Intake Test Pressure Drop",
             "Number of Intake Valves Per Port", "Intake Valve Airflow", "Intake Valve Lift"),
      exhaust("Exhaust Valve Test Diameter", 0.5f, 3.25f, "Exhaust Test Pressure Drop",
              "Number of Exhaust Valves Per Port", "Exhaust Valve Airflow", "Exhaust Valve Lift") {
    SetTestConditions(intake, 0.75f, 1.0f, 1);
    SetTestConditions(exhaust, 0.5f, 1.0f, 1);
}

void CylHeadFlow::Reset() {
    EnglishUnitsScope<CylHeadFlow> english(*this);
    description_.Empty();
    notes_.Empty();
    SetTestConditions(intake, 0.75f, 1.0f, 1);
    SetTestConditions(exhaust, 0.5f, 1.0f, 1);
    for (int i = 0; i < numPoints_; ++i) {
        for (FlowBenchSide* side : {&intake, &exhaust}) {
            side->lift[i].SetValue(0.05f * static_cast<float>(i + 1));
            side->airflow[i].SetValue(100.0f);
        }
    }
}

void CylHeadFlow::SetNumPoints(int count) {
    APP_ASSERT(count >= kMinPoints && count <= kMaxPoints);
    numPoints_ = count;
    for (int i = count; i < kMaxPoints; ++i) {
        for (FlowBenchSide* side : {&intake, &exhaust}) {
            side->lift[i].Clear();
            side->airflow[i].Clear();
        }
    }
}

void CylHeadFlow::FillNextPoint() {
    for (FlowBenchSide* side : {&intake, &exhaust}) {
        side->airflow[numPoints_ - 1] = side->airflow[numPoints_ - 2];
    }
}

bool CylHeadFlow::FillIntakeLifts(int index) {
    EnglishUnitsScope<CylHeadFlow> english(*this);
    return FillLifts(intake, index, numPoints_);
}

bool CylHeadFlow::FillExhaustLifts(int index) {
    EnglishUnitsScope<CylHeadFlow> english(*this);
    return FillLifts(exhaust, index, numPoints_);
}

bool CylHeadFlow::ValidateIntakeLift(int index, unsigned short& code) const {
    if (LiftAbovePrevious(intake, index)) return true;
    code = 51;
    return false;
}

bool CylHeadFlow::ValidateExhaustLift(int index, unsigned short& code) const {
    if (LiftAbovePrevious(exhaust, index)) return true;
    code = 52;
    return false;
}

bool CylHeadFlow::ValidateIntakeLifts(unsigned short& code) const {
    if (LiftsAscend(intake, numPoints_)) return true;
    code = 51;
    return false;
}

bool CylHeadFlow::ValidateExhaustLifts(unsigned short& code) const {
    if (LiftsAscend(exhaust, numPoints_)) return true;
    code = 52;
    return false;
}

bool CylHeadFlow::Validate(unsigned short& code) const {
    if (description_.IsEmpty()) {
        code = 61;
        return false;
    }
    std::vector<FieldCode> checks = {{&intake.testDiameter, 53},  {&intake.pressureDrop, 54},
                                     {&intake.valvesPerPort, 6},  {&exhaust.testDiameter, 55},
                                     {&exhaust.pressureDrop, 56}, {&exhaust.valvesPerPort, 7}};
    for (int i = 0; i < numPoints_; ++i) {
        checks.insert(checks.end(), {{&intake.lift[i], 57},
                                     {&intake.airflow[i], 58},
                                     {&exhaust.lift[i], 59},
                                     {&exhaust.airflow[i], 60}});
    }
    return FirstInvalidField(checks.data(), checks.size(), code) && ValidateIntakeLifts(code) &&
           ValidateExhaustLifts(code);
}

void CylHeadFlow::SetUnits(int mode) {
    APP_ASSERT(mode == 0 || mode == 1);
    SetSideUnits(intake, mode == 0);
    SetSideUnits(exhaust, mode == 0);
    unitMode_ = mode;
}

void CylHeadFlow::SetDescription(const char* text) {
    APP_ASSERT(text != nullptr);
    description_ = text;
    description_.Trim();
}

const char* CylHeadFlow::GetDescriptionOrNull() const {
    return description_.IsEmpty() ? nullptr : static_cast<const char*>(description_);
}

void CylHeadFlow::SetNotes(const char* text) {
    APP_ASSERT(text != nullptr);
    notes_ = text;
    notes_.Trim();
}

int CylHeadFlow::GetIntakeValvesPerPort() const {
    APP_ASSERT(intake.valvesPerPort.IsValid());
    return intake.valvesPerPort.GetValue();
}

int CylHeadFlow::GetExhaustValvesPerPort() const {
    APP_ASSERT(exhaust.valvesPerPort.IsValid());
    return exhaust.valvesPerPort.GetValue();
}

const char* CylHeadFlow::GetPresetName(int headType) {
    return Preset(headType).name;
}

void CylHeadFlow::LoadPreset(int headType) {
    const HeadPreset& preset = Preset(headType);
    EnglishUnitsScope<CylHeadFlow> english(*this);
    description_ = preset.name;
    notes_.Empty();
    SetNumPoints(kPresetPoints);
    LoadPresetSide(intake, preset.intake, preset.lifts);
    LoadPresetSide(exhaust, preset.exhaust, preset.lifts);
}

void CylHeadFlow::WriteBlock(FILE* file) {
    EnglishUnitsScope<CylHeadFlow> english(*this);
    UtilWriteLine(file, kComponentFileVersion);
    UtilWriteLine(file, description_);
    UtilWriteInt(file, unitMode_);
    UtilWriteInt(file, numPoints_);
    WriteSide(file, intake, numPoints_);
    WriteSide(file, exhaust, numPoints_);
    intake.valvesPerPort.WriteToFile(file);
    exhaust.valvesPerPort.WriteToFile(file);
    UtilWriteLine(file, notes_);
}

void CylHeadFlow::ReadBlock(FILE* file) {
    SetUnits(0);
    const bool currentVersion = ReadComponentVersion(file, kErrFlowFileVersion);
    SetDescription(UtilReadLine(file));
    const int fileMode = UtilReadInt(file);
    if (fileMode != 0 && fileMode != 1) throw ErrCodeException(kErrFileValue);
    const int count = UtilReadInt(file);
    if (count < kMinPoints || count > kMaxPoints) throw ErrCodeException(kErrFileValue);
    SetNumPoints(count);
    ReadSide(file, intake, numPoints_);
    ReadSide(file, exhaust, numPoints_);
    if (currentVersion) {
        intake.valvesPerPort.ReadFromFile(file);
        exhaust.valvesPerPort.ReadFromFile(file);
        SetNotes(UtilReadLine(file));
    }
    SetUnits(fileMode);
}

bool CylHeadFlow::SaveToFile(const char* path) {
    return SaveComponentFile(*this, path);
}

bool CylHeadFlow::LoadFromFile(const char* path) {
    return LoadComponentFile(*this, path);
}

bool CylHeadFlow::BrowseSave(const char* currentPath, CString& fileName, CString& fullPath) const {
    // Without a current path the description, made fit for a file name, is offered.
    CString initialName = currentPath != nullptr ? currentPath : "";
    if (initialName.IsEmpty() && !description_.IsEmpty()) {
        initialName = description_;
        UtilSanitizeFileName(initialName);
    }
    return BrowseComponentSave(*this, kFlowFileKind, initialName, fileName, fullPath);
}

bool CylHeadFlow::BrowseOpen(CString& fileName, CString& fullPath) const {
    return BrowseComponentFile(kFlowFileKind, false, "*.flw", fileName, fullPath);
}

// ---- The printed report.

namespace {

// Where one valve side's part of the report stands, in logical units.
struct ReportColumns {
    const char* title;
    int left;    // labels and lifts
    int valueX;  // test values
    int flowX;   // flows
    int right;   // end of the title's underline
};
const ReportColumns kIntakeColumns = {"Intake Valve", 30, 102, 120, 168};
const ReportColumns kExhaustColumns = {"Exhaust Valve", 218, 289, 308, 356};
const int kColumnHeadWidth = 48;

void DrawLine(CDC* dc, int x1, int x2, int y) {
    dc->MoveTo(x1, y);
    dc->LineTo(x2, y);
}

void PrintField(CDC* dc, int x, int y, const CSimSpec& field, bool withUnits) {
    CString text;
    if (withUnits) {
        field.FormatWithUnits(text);
    } else {
        field.FormatValue(text);
    }
    dc->TextOut(x, y, text);
}

void PrintSide(CDC* dc, const FlowBenchSide& side, const ReportColumns& at, int underlineDrop) {
    dc->TextOut(at.left, 60, CString(at.title));
    DrawLine(dc, at.left, at.right, 60 + underlineDrop);
    dc->TextOut(at.left, 80, CString("Test Diameter:"));
    PrintField(dc, at.valueX, 80, side.testDiameter, true);
    dc->TextOut(at.left, 95, CString("Pressure Drop:"));
    PrintField(dc, at.valueX, 95, side.pressureDrop, true);

    dc->TextOut(at.left, 119, CString("Lift: ") + side.lift[0].GetUnitText());
    dc->TextOut(at.flowX, 119, CString("Flow: ") + side.airflow[0].GetUnitText());
    DrawLine(dc, at.left, at.left + kColumnHeadWidth, 119 + underlineDrop);
    DrawLine(dc, at.flowX, at.flowX + kColumnHeadWidth, 119 + underlineDrop);
    for (int i = 0; i < CylHeadFlow::kMaxPoints; ++i) {
        const int y = 137 + 24 * i;
        PrintField(dc, at.left, y, side.lift[i], false);
        PrintField(dc, at.flowX, y, side.airflow[i], false);
    }
}

}  // namespace

void CylHeadFlow::PrintReport(CDC* dc) const {
    APP_ASSERT(dc != nullptr);
    const int oldBackground = dc->SetBkMode(TRANSPARENT);
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* oldPen = dc->SelectObject(&pen);
    TEXTMETRIC metrics = {};
    dc->GetTextMetrics(&metrics);
    const int underlineDrop = metrics.tmHeight * 9 / 8;

    dc->TextOut(30, 8, CString("CYLINDER HEAD AIRFLOW DATA"));
    dc->TextOut(30, 30, CString("Description: ") + description_);
    PrintSide(dc, intake, kIntakeColumns, underlineDrop);
    PrintSide(dc, exhaust, kExhaustColumns, underlineDrop);

    dc->SelectObject(oldPen);
    dc->SetBkMode(oldBackground);
}

}  // namespace torvane

// The import of an engine from an engine file (.tvn) of version "3.08" or
// later: block name, bore, stroke, cylinders and the last power table. The
// reader skips the rest of the file by counting lines, so it depends on the
// engine file's line layout.
#include <cstring>

#include "common/ErrCodeException.h"
#include "common/Util.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/document/QuilletDocFields.h"
#include "quillet/services/ErrCode.h"
#include "quillet/services/QuilletProfile.h"

namespace quillet {

static const char kAssertModule[] = "QuilletDocImport.cpp";

namespace {

const char kOldestVersion[] = "3.08";
const char kLatestVersion[] = "4.05";
const float kPi = 3.1415927f;

// Lines of the engine file between the values the import reads.
const int kLinesAfterVersion = 3;     // units and two flags
const int kLinesAfterCylinders = 46;  // the other engine fields, the cam block
const int kLatestCamLines = 16;       // the latest cam block's second half
const int kLinesBeforeFlowPoints = 5;  // airflow file field, flow block head
const int kFlowTestLines = 2;         // test diameter and pressure drop of a side
const int kLatestFlowLines = 3;       // valve counts and notes
const int kLinesBeforeTables = 10;    // the compression-calculator data

[[noreturn]] void ThrowFileCode(unsigned short code) { throw ErrCodeException(code); }

// The scratch fields of the import, built on first use.
struct EngineFileFields {
    CPartTypeSpec blockType{"Torvane Block Type", 1, 2000};
    CFloatPtSpec bore{"Bore", kUnitInch, -3.4028235e38f, 3.4028235e38f, kUnitMm, 25.4f};
    CFloatPtSpec stroke{"Stroke", kUnitInch, -3.4028235e38f, 3.4028235e38f, kUnitMm, 25.4f};
    CIntegerSpec cylinders{"Number of Cylinders", 1, 100};
    CPowerCurve curve;
};

EngineFileFields& Scratch() {
    static EngineFileFields fields;
    return fields;
}

// One line, blanks trimmed at both ends; the end of the file throws 81.
CString ReadTrimmedLine(FILE* file) {
    CString line = UtilReadLine(file);
    line.Trim();
    return line;
}

void SkipLines(FILE* file, int count) {
    for (int i = 0; i < count; ++i) UtilReadLine(file);
}

// A count line that must hold a number above 0.
int ReadPositiveCount(FILE* file) {
    const int count = UtilReadInt(file);
    if (count <= 0) ThrowFileCode(kErrFileValue);
    return count;
}

// `rows` lines of rpm, power and torque; rows outside the limits are left
// out and at most 26 are kept.
void ReadPowerTable(FILE* file, int rows, CPowerCurve& curve) {
    curve.Reset();
    for (int i = 0; i < rows; ++i) {
        float rpm = 0.0f, power = 0.0f, torque = 0.0f;
        if (sscanf(UtilReadLine(file), "%f %f %f", &rpm, &power, &torque) != 3)
            ThrowFileCode(kErrFileRead);
        curve.AppendPoint(rpm, power, torque);
    }
}

// Reads the engine's lines into the scratch fields.
void ReadEngineLines(FILE* file, EngineFileFields& engine) {
    const CString version = ReadTrimmedLine(file);
    if (strcmp(version, kOldestVersion) < 0) ThrowFileCode(kErrEngineFileTooOld);
    const bool latest = version == kLatestVersion;
    SkipLines(file, kLinesAfterVersion);
    engine.blockType.ReadFromFile(file);
    if (!engine.blockType.IsValid()) ThrowFileCode(kErrFileValue);  // a block without a name
    engine.bore.ReadFromFile(file);
    engine.stroke.ReadFromFile(file);
    engine.cylinders.ReadFromFile(file);
    SkipLines(file, kLinesAfterCylinders);
    if (latest) SkipLines(file, kLatestCamLines);
    SkipLines(file, kLinesBeforeFlowPoints);
    const int flowPoints = ReadPositiveCount(file);
    SkipLines(file, 2 * (kFlowTestLines + 2 * flowPoints));
    if (latest) SkipLines(file, kLatestFlowLines);
    SkipLines(file, kLinesBeforeTables);
    const bool secondTable = UtilReadInt(file) != 0;
    const int rows = ReadPositiveCount(file);
    ReadPowerTable(file, rows, engine.curve);
    // With nitrous the second table is the engine as described.
    if (secondTable) ReadPowerTable(file, rows, engine.curve);
}

}  // namespace

bool CQuilletDoc::ImportEngineFile(const char* path) {
    APP_ASSERT(path != nullptr);
    const int savedUnits = units_;
    SetUnits(0);
    EngineFileFields& engine = Scratch();
    unsigned short failure = 0;
    float displacement = 0.0f;
    FILE* file = fopen(path, "rt");
    if (file == nullptr) {
        failure = kErrFileOpen;
    } else {
        try {
            ReadEngineLines(file, engine);
        } catch (const ErrCodeException& error) {
            failure = error.Code();
        }
        if (fclose(file) != 0 && failure == 0) failure = kErrFileClose;
    }
    if (failure == 0) {
        CPowerCurve& curve = engine.curve;
        unsigned short code = 0;
        // A table without two usable rows has no rpm column to run on.
        if (curve.GetNumPoints() < kPowerCurveMinRows) {
            failure = kErrCurveRpm;
        } else {
            curve.UpdatePeaksFromTable();
            if (!curve.Validate(&code)) failure = code;
        }
        displacement = kPi * engine.stroke.GetValue() * engine.bore.GetValue() *
                       engine.bore.GetValue() * static_cast<float>(engine.cylinders.GetValue()) *
                       0.25f;
        if (failure == 0 && !m_displacement.IsInRange(displacement)) failure = 3;
    }
    if (failure != 0) {
        SetUnits(savedUnits);
        ErrCodeShowError(failure);
        return false;
    }
    m_engineType.SetType(kEngineTypeCustom, engine.blockType.GetTypeName());
    SetEngineClass(kEngineClassIC);
    m_displacement.SetValue(displacement);
    m_powerCurve = engine.curve;
    SetUnits(savedUnits);
    return true;
}

void CQuilletDoc::OnImportEngineFile() {
    CString path;
    if (QuilletDocHost().AskImportFileName(path) && ImportEngineFile(path)) {
        SetModifiedFlag();
        AfterEngineChange();
        return;
    }
    CommitEditorOrRefresh();
}

}  // namespace quillet

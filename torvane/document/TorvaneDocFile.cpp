// The engine file (.tvn): text lines in a fixed order, values always in
// English units. The drag-race program reads engines from it by line
// position, so the order and number of lines up to the power tables never
// change. Version "4.05" is written; it and five older versions are read.
#include <cstring>

#include "common/ErrCodeException.h"
#include "common/ProgramProfile.h"
#include "common/SafeFileSave.h"
#include "common/Util.h"
#include "torvane/document/ComponentMenuTable.h"
#include "torvane/document/TorvaneCommandIds.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/services/ErrCode.h"

namespace torvane {

static const char kAssertModule[] = "TorvaneDocFile.cpp";

namespace {

const char kEngineFileVersion[] = "4.05";

// What a file of each version holds after the flow block.
enum FileContent {
    kUpToFlowBlock,  // "3.07", "3.06", "3.05"
    kUpToTables,     // "3.10", "3.08": the calculator data and the two tables
    kEverything,     // "4.05": and the notes and the graph settings
};

const struct {
    const char* version;
    FileContent content;
} kKnownVersions[] = {
    {kEngineFileVersion, kEverything}, {"3.10", kUpToTables},    {"3.08", kUpToTables},
    {"3.07", kUpToFlowBlock},          {"3.06", kUpToFlowBlock}, {"3.05", kUpToFlowBlock},
};

const int kTableRows = 19;
const unsigned short kConfirmSaveWithoutResults = 204;

[[noreturn]] void ThrowFileCode(unsigned short code) {
    throw ErrCodeException(code);
}

FileContent ReadVersion(FILE* file) {
    CString version = UtilReadLine(file);
    version.Trim();
    for (const auto& known : kKnownVersions)
        if (version == known.version) return known.content;
    ThrowFileCode(kErrEngineFileVersion);
}

// "0 or 1"; any number but 0 reads as 1.
bool ReadFlag(FILE* file) {
    return UtilReadInt(file) != 0;
}

void WriteFlag(FILE* file, bool flag) {
    UtilWriteInt(file, flag ? 1 : 0);
}

void WriteTable(FILE* file, const CTorvaneDoc& source) {
    for (int i = 0; i < kTableRows; ++i) {
        UtilWriteFormat(file, "%.0f %f %f\n", static_cast<double>(source.GetRpmPoint(i)),
                        static_cast<double>(source.GetPowerPoint(i)),
                        static_cast<double>(source.GetTorquePoint(i)));
    }
}

// Results are never taken from a file: the rows are only checked.
void SkipTable(FILE* file, int rows) {
    for (int i = 0; i < rows; ++i) {
        float rpm = 0.0f, power = 0.0f, torque = 0.0f;
        if (sscanf(UtilReadLine(file), "%f %f %f", &rpm, &power, &torque) != 3)
            ThrowFileReadError();
    }
}

}  // namespace

// ------------------------------------------------------------------- fields

std::vector<CSimSpec*> CTorvaneDoc::FileFields(EngineFileFields run) {
    switch (run) {
        case kBlockToForcedInduction:
            return {&shortBlockType,
                    &bore,
                    &stroke,
                    &cylinders,
                    &cylinderHeadType,
                    &intakeValvesPerCylinder,
                    &exhaustValvesPerCylinder,
                    &intakeValveDiameter,
                    &exhaustValveDiameter,
                    &compressionRatio,
                    &inductionFlow,
                    &pressureDrop,
                    &manifoldType,
                    &fuelType,
                    &nitrousFlowRate,
                    &forcedInductionType};
        case kBlowerToCamFile:
            return {&blowerFlowRate,      &blowerPressureRatio, &blowerEfficiency,
                    &blowerRpm,           &blowerSurgeFlowRate, &blowerInternalGearRatio,
                    &blowerBeltGearRatio, &blowerBoostLimit,    &intercoolerEfficiency,
                    &exhaustSystem,       &camDataFile};
        case kCalculatorHead:
            return {&chamberVolume, &gasketBore, &gasketThickness};
        case kCalculatorDeck:
            return {&pistonDistance, &pistonDeckVolume, &gasketVolume, &deckVolume,
                    &combustionSpace};
    }
    APP_ASSERT(false);
    return {};
}

void CTorvaneDoc::WriteFields(FILE* file, EngineFileFields run) {
    for (const CSimSpec* field : FileFields(run)) field->WriteToFile(file);
}

void CTorvaneDoc::ReadFields(FILE* file, EngineFileFields run) {
    for (CSimSpec* field : FileFields(run)) field->ReadFromFile(file);
}

// ------------------------------------------------------------------ writing

bool CTorvaneDoc::HasNitrous() const {
    CFloatPtSpec rate(nitrousFlowRate);
    rate.ToBaseUnit();
    return rate.GetValue() > 0.0f;
}

bool CTorvaneDoc::RunCopy(CTorvaneDoc& copy, bool onGasoline) const {
    CopyEngineTo(copy);
    if (onGasoline) copy.ApplyFuelRow(kCmdFuelGasoline);
    return copy.RunSimulation(false, false);
}

void CTorvaneDoc::TakeResultsFrom(const CTorvaneDoc& other) {
    std::memcpy(results_, other.results_, sizeof results_);
}

bool CTorvaneDoc::WriteEngineFile(const char* path) {
    APP_ASSERT(path != nullptr);
    // The file is written from a copy in English units, so that neither the
    // unit switch nor the run on gasoline ever touches the document.
    CTorvaneDoc english;
    CopyEngineTo(english);
    english.SetUnitsMode(0);
    for (int i = 0; i < 2; ++i) english.chartSettings_[i] = chartSettings_[i];
    // Without nitrous both tables hold the current results. With nitrous the
    // first holds the engine on gasoline without it and the second a new run
    // of the engine as described, which the document then keeps.
    const bool nitrous = HasNitrous();
    CTorvaneDoc gasoline;
    if (nitrous) {
        RunCopy(gasoline, true);
        english.RunSimulation(false, false);
    }
    const int shownMode = unitsMode_;
    const unsigned short failure = WriteFileSafely(path, "wt", kFileWriteCodes, [&](FILE* file) {
        english.WriteEngineLines(file, shownMode, nitrous ? gasoline : english);
    });
    if (failure != 0) {
        ErrCodeShowError(failure);
        return false;
    }
    if (nitrous) TakeResultsFrom(english);
    return true;
}

void CTorvaneDoc::WriteEngineLines(FILE* file, int shownUnitsMode, const CTorvaneDoc& firstTable) {
    APP_ASSERT(unitsMode_ == 0);
    UtilWriteFormat(file, "%s\n", kEngineFileVersion);
    UtilWriteInt(file, shownUnitsMode);
    WriteFlag(file, autoValveSizes_);
    WriteFlag(file, autoRun_);
    WriteFields(file, kBlockToForcedInduction);
    UtilWriteInt(file, forcedInductionKind_);
    WriteFields(file, kBlowerToCamFile);
    cam.WriteBlock(file);
    airflowFile.WriteToFile(file);
    headFlow.WriteBlock(file);
    WriteFlag(file, compressionCalculatorUsed_);
    UtilWriteInt(file, pistonMethod_);
    WriteFields(file, kCalculatorHead);
    WriteFields(file, kCalculatorDeck);
    WriteFlag(file, HasNitrous());
    UtilWriteInt(file, kTableRows);
    WriteTable(file, firstTable);
    WriteTable(file, *this);
    notes.WriteToFile(file);
    for (const ChartSettings& settings : chartSettings_) settings.Write(file);
}

// ------------------------------------------------------------------ reading

bool CTorvaneDoc::ReadEngineFile(const char* path) {
    APP_ASSERT(path != nullptr);
    FILE* file = fopen(path, "rt");
    if (file == nullptr) {
        ErrCodeShowError(kErrFileOpen);
        return false;
    }
    // Read into a copy, so that a damaged file leaves the document as it was;
    // what an older file does not hold keeps the document's values.
    CTorvaneDoc read;
    CopyEngineTo(read);
    for (int i = 0; i < 2; ++i) read.chartSettings_[i] = chartSettings_[i];
    read.SetUnitsMode(0);
    unsigned short failure = 0;
    try {
        read.ReadEngineLines(file);
    } catch (const ErrCodeException& error) {
        failure = error.Code();
    }
    if (fclose(file) != 0 && failure == 0) failure = kErrFileClose;
    if (failure != 0) {
        ErrCodeShowError(failure);
        return false;
    }
    // The engine is the file's; results are never taken from a file.
    float results[kResultCurveCount][kResultPointCount];
    std::memcpy(results, results_, sizeof results);
    read.CopyEngineTo(*this);
    std::memcpy(results_, results, sizeof results);
    for (int i = 0; i < 2; ++i) chartSettings_[i] = read.chartSettings_[i];
    return true;
}

void CTorvaneDoc::ReadEngineLines(FILE* file) {
    const FileContent content = ReadVersion(file);
    const int mode = UtilReadInt(file);
    if (mode != 0 && mode != 1) ThrowFileValueError();
    autoValveSizes_ = ReadFlag(file);
    autoRun_ = ReadFlag(file);
    ReadFields(file, kBlockToForcedInduction);
    // Any kind is taken; validation refuses one that is no compressor.
    forcedInductionKind_ = UtilReadInt(file);
    ReadFields(file, kBlowerToCamFile);
    if (forcedInductionType.GetValue() == kForcedInductionNone)
        ResetBlowerFields(kBlowerFieldCount);
    cam.ReadBlock(file);
    airflowFile.ReadFromFile(file);
    headFlow.ReadBlock(file);
    if (content != kUpToFlowBlock) {
        compressionCalculatorUsed_ = ReadFlag(file);
        const int method = UtilReadInt(file);
        if (method != 1 && method != 2) ThrowFileValueError();
        ReadFields(file, kCalculatorHead);
        SetPistonMethod(method);  // the "Piston Distance" limits of the method
        ReadFields(file, kCalculatorDeck);
        ReadFlag(file);  // nitrous: the tables are not taken
        const int rows = UtilReadInt(file);
        if (rows < 1) ThrowFileValueError();
        SkipTable(file, rows);
        SkipTable(file, rows);
    }
    if (content == kEverything) {
        notes.ReadFromFile(file);
        for (ChartSettings& settings : chartSettings_) settings.Read(file);
    }
    SetUnitsMode(mode);
}

// ------------------------------------------------------ document overrides

BOOL CTorvaneDoc::OnOpenDocument(LPCSTR pathName) {
    if (!CDocument::OnOpenDocument(pathName)) return FALSE;
    if (!ReadEngineFile(pathName)) return FALSE;
    RecomputeDerived();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CTorvaneDoc::OnSaveDocument(LPCSTR pathName) {
    unsigned short code = 0;
    if (!Validate(code)) {
        ErrCodeShowError(code);
        return FALSE;
    }
    if (!HasResults() && ErrCodeAskConfirm(kConfirmSaveWithoutResults) != IDOK) return FALSE;
    if (!WriteEngineFile(pathName)) return FALSE;
    SetModifiedFlag(FALSE);
    return TRUE;
}

ChartSettings& CTorvaneDoc::GetChartSettings(ChartViewPlace place) {
    APP_ASSERT(place == kFirstChartView || place == kSecondChartView);
    return chartSettings_[place];
}

const ChartSettings& CTorvaneDoc::GetChartSettings(ChartViewPlace place) const {
    APP_ASSERT(place == kFirstChartView || place == kSecondChartView);
    return chartSettings_[place];
}

}  // namespace torvane

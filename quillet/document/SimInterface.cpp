#include "quillet/document/SimInterface.h"

#include <cstdint>

#include "common/SafeFileSave.h"
#include "common/Util.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/exports/ExportRecord.h"
#include "quillet/kernel/QuilletMath.h"
#include "quillet/services/ErrCode.h"

namespace quillet {

static const char kAssertModule[] = "SimInterface.cpp";

namespace {

RaceSimBlock g_block;
CSimInterface* g_instance = nullptr;

int16_t ToInt16(int value) { return static_cast<int16_t>(value); }

// The value of shift k (0-based) or gear k when the gearbox has it, else 0.
float IfWithinGears(const CQuilletDoc& doc, int k, const CFloatPtSpec& field) {
    return doc.m_gearCount.GetValue() >= k + 1 ? field.GetValue() : 0.0f;
}

void FillBlock(const CQuilletDoc& doc, RaceSimBlock& block) {
    const bool jet = doc.m_engineClass.GetValue() != kEngineClassIC;
    const int shiftType = doc.m_shiftType.GetValue();
    const int transmission = doc.m_transmissionType.GetValue();
    const bool clutch = doc.m_couplingType.GetValue() == kCouplingClutch;
    block.jetFlag = jet ? 1 : 0;
    block.syncromeshTransmission = ToInt16(shiftType == kShiftSyncromesh ? transmission : 0);
    block.planetaryTransmission = ToInt16(shiftType == kShiftPlanetary ? transmission : 0);
    block.converterFlag = clutch ? 0 : 1;
    block.clutchFlag = clutch ? -1 : 0;
    block.displacement = doc.m_displacement.GetValue();
    if (doc.m_engineClass.GetValue() == kEngineClassJet) {
        block.rocketThrust = doc.m_rocketThrust.GetValue();
        block.rocketWeight = doc.m_rocketWeight.GetValue();
    }
    if (!clutch) {
        block.converterStall = doc.m_converterStall.GetValue();
        block.converterMultiplier = doc.m_converterMultiplier.GetValue();
        block.converterSlippage = doc.m_converterSlippage.GetValue();
    }
    for (int k = 0; k < kRaceGearCount; ++k)
        block.gearRatio[k] = IfWithinGears(doc, k, doc.m_gearRatio[k]);
    const bool motorcycle = doc.m_vehicleClass.GetValue() != kClassAutomobile;
    if (doc.m_vehicleClass.GetValue() == kClassMotorcycle)
        block.primaryRatio = doc.m_primaryRatio.GetValue();
    block.rearAxleRatio = doc.m_rearAxleRatio.GetValue();
    block.motorcycleFlag = motorcycle ? 1 : 0;
    block.weight = doc.m_weight.GetValue();
    block.wheelbase = doc.m_wheelbase.GetValue();
    block.frontDriveFlag = doc.m_driveType.GetValue() != kDriveRear ? 1 : 0;
    block.drivingWheelWeight = doc.m_drivingWeight.GetValue();
    block.frontalArea = doc.m_frontalArea.GetValue();
    block.dragCoefficient = doc.m_dragCoefficient.GetValue();
    block.tyreDiameter = doc.m_tireDiameter.GetValue();
    block.wheelWidth = doc.m_wheelWidth.GetValue();
    block.tyreGrowth = doc.m_tireGrowth.GetValue();
    block.tractionCoefficient = doc.m_tractionCoefficient.GetValue();
    block.redline = doc.m_redline.GetValue();
    if (shiftType == kShiftSyncromesh) block.shiftTime = doc.m_shiftTime.GetValue();
    block.rollout = doc.m_rollout.GetValue();
    block.temperature = doc.m_temperature.GetValue();
    block.wind = doc.m_wind.GetValue();
    block.humidity = doc.m_humidity.GetValue();
    block.barometer = doc.m_barometer.GetValue();
    block.launchRpm = doc.m_launchRpm.GetValue();
    for (int k = 0; k < kRaceShiftCount; ++k)
        block.shiftRpm[k] = IfWithinGears(doc, k, doc.m_shiftRpm[k]);
    block.peakPower = doc.m_powerCurve.GetPeakPower();
}

void FillPowerCurve(const CPowerCurve& curve, RaceSimBlock& block) {
    const int count = curve.GetNumPoints();
    APP_ASSERT(count >= kPowerCurveMinRows && count <= kPowerCurveMaxRows);
    float rpm[kRaceCurvePoints] = {};
    float torque[kRaceCurvePoints] = {};
    for (int i = 0; i < count; ++i) {
        rpm[i] = curve.GetRpm(i);
        torque[i] = curve.GetTorque(i);
    }
    APP_ASSERT(RaceSimBlockSetPowerCurve(block, rpm, torque, count));
}

ExportRecordValues ExportValues(const CQuilletDoc& doc) {
    const CRaceResults& results = doc.GetResults();
    ExportRecordValues values;
    values.clutch = doc.m_couplingType.GetValue() == kCouplingClutch;
    for (int k = 0; k < kGearFieldCount; ++k)
        values.gearRatio[k] = IfWithinGears(doc, k, doc.m_gearRatio[k]);
    values.vehicleName = doc.m_vehicleType.GetTypeName();
    values.redline = doc.m_redline.GetValue();
    values.rollout = doc.m_rollout.GetValue();
    values.launchRpm = doc.m_launchRpm.GetValue();
    for (int k = 0; k < kShiftFieldCount; ++k)
        values.shiftRpm[k] = IfWithinGears(doc, k, doc.m_shiftRpm[k]);
    values.startTime = results.GetTrackRow(0).time;
    values.finishTime = results.elapsedTime + values.startTime;
    for (int mark = 0; mark < 4; ++mark) values.markTime[mark] = results.GetTrackRow(mark + 1).time;
    values.finishEngineRpm = results.GetTrackRow(kRaceTrackRowCount - 1).engineRpm;
    for (int k = 0; k < kGearFieldCount; ++k) values.timeInGear[k] = results.timeInGear[k];
    return values;
}

}  // namespace

RaceSimBlock& CSimInterface::Block() { return g_block; }

void SimInterfaceCreateInstance() {
    APP_ASSERT(g_instance == nullptr);
    static CSimInterface instance;
    g_instance = &instance;
}

CSimInterface& SimInterfaceGetInstance() {
    APP_ASSERT(g_instance != nullptr);
    return *g_instance;
}

void SimInterfaceClearBlock() { SimInterfaceGetInstance().Block().Clear(); }

bool SimInterfaceRun(const CQuilletDoc* doc) {
    return SimInterfaceRunOn(SimInterfaceGetInstance().Block(), doc);
}

bool SimInterfaceRunOn(RaceSimBlock& block, const CQuilletDoc* doc) {
    APP_ASSERT(doc != nullptr);
    block.Clear();
    FillBlock(*doc, block);
    APP_ASSERT(doc->m_gearCount.GetValue() > 0);
    FillPowerCurve(doc->m_powerCurve, block);
    const int raceLength = doc->GetRaceLength();
    APP_ASSERT(raceLength == kRaceEighthMile || raceLength == kRaceQuarterMile);
    return QuilletMathRun(block, raceLength);
}

void SimInterfaceCopyResults(CRaceResults& results) {
    SimInterfaceCopyResultsFrom(SimInterfaceGetInstance().Block(), results);
}

void SimInterfaceCopyResultsFrom(const RaceSimBlock& block, CRaceResults& results) {
    results.elapsedTime = block.elapsedTime;
    results.trapSpeed = block.trapSpeed;
    results.time0To60 = block.time0To60;
    results.time0To100 = block.time0To100;
    for (int k = 0; k < kRaceGearCount; ++k) {
        results.timeInGear[k] = block.timeInGear[k];
        results.distanceAtGearEnd[k] = block.distanceAtGearEnd[k];
    }
    float rows[kRaceTrackRowCount][kRaceTrackRowValues] = {};
    RaceSimBlockFillTrackRows(block, rows);
    for (int row = 0; row < kRaceTrackRowCount; ++row) results.trackRows[row].Set(rows[row]);
    APP_ASSERT(block.sampleCount >= 0 && block.sampleCount <= kRaceMaxSamples);
    results.sampleCount = RaceSimBlockCopyCurves(block, results.curves, results.stepTables);
}

void SimInterfaceExportFile(CQuilletDoc* doc) {
    APP_ASSERT(doc != nullptr);
    if (!doc->ValidateOrShowCode()) return;
    if (doc->GetUnits() != 0) {
        ErrCodeShowError(kErrExportMetricUnits);
        return;
    }
    if (doc->GetNumCurvePoints() == 0) {
        ErrCodeShowError(kErrExportNoResults);
        return;
    }
    CString defaultName;
    UtilMakeShortFileName(doc->GetTitle(), defaultName, ".qlt");
    CString chosen;
    if (!QuilletDocHost().AskExportFileName(defaultName, chosen)) return;

    // The record always goes under the 8.3 form of the chosen name.
    const int slash = chosen.ReverseFind('\\');
    const CString folder = chosen.Left(slash + 1);
    CString shortName;
    if (!UtilMakeShortFileName(chosen.Mid(slash + 1), shortName, ".qlt")) {
        ErrCodeShowError(kErrExportNameClash);
        return;
    }
    const CString target = folder + shortName;
    // The dialog asked before overwriting the chosen file only: a different
    // file that the short name would replace is never overwritten.
    if (target.CompareNoCase(chosen) != 0 && GetFileAttributesA(target) != INVALID_FILE_ATTRIBUTES) {
        ErrCodeShowError(kErrExportNameClash);
        return;
    }
    SimInterfaceWriteExportRecord(target, doc);
}

bool SimInterfaceWriteExportRecord(const char* path, const CQuilletDoc* doc) {
    APP_ASSERT(path != nullptr && doc != nullptr);
    APP_ASSERT(doc->m_gearCount.GetValue() > 0);
    uint8_t record[kExportRecordSize];
    BuildExportRecord(ExportValues(*doc), record);
    const unsigned short failure =
        WriteFileSafely(path, "wb", kFileWriteCodes, [&record](FILE* file) {
            if (fwrite(record, sizeof record, 1, file) != 1) throw ErrCodeException(kErrFileWrite);
        });
    if (failure == 0) return true;
    ErrCodeShowError(failure);
    return false;
}

}  // namespace quillet

#include "torvane/document/SimInterfaceExport.h"

#include "common/ErrCodeException.h"
#include "common/SafeFileSave.h"
#include "torvane/document/ComponentMenuTable.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/exports/ExportFile.h"
#include "torvane/services/ErrCode.h"

namespace torvane {

static const char kAssertModule[] = "SimInterfaceExport.cpp";

namespace {

enum ExportError : unsigned short {
    kErrNoResults = 79,
    kErrAutoCalculation = 80,
    kErrPressureDrop = 81,
    kErrCustomAirflow = 82,
    kErrFourValveHead = 83,
    kErrTwoValveHead = 84,
    kErrForcedInduction = 85,
    kErrMetricUnits = 87,
};

const ExportFileKind kGameRecordFile = {
    "tvn",
    ".tvn",
    "Older Game Engine Files (*.tvn)|*.tvn|All Files (*.*)|*.*||",
    "Export Engine to the Older Game Programs",
};

const float kRequiredPressureDrop = 1.5f;
const int kFirstFourValveHead = 14;
const int kLastFourValveHead = 16;

bool HasValves(const CTorvaneDoc& doc, int perCylinder) {
    return doc.intakeValvesPerCylinder.GetValue() == perCylinder &&
           doc.exhaustValvesPerCylinder.GetValue() == perCylinder;
}

// 0 when the engine fits what the older programs model; else the error.
unsigned short CheckExportable(const CTorvaneDoc& doc) {
    unsigned short code = 0;
    if (!doc.Validate(code)) return code;
    if (doc.GetUnitsMode() != 0) return kErrMetricUnits;
    if (!doc.HasResults()) return kErrNoResults;
    if (doc.IsAutoValveSizes() || doc.IsAutoValveLift()) return kErrAutoCalculation;
    if (doc.pressureDrop.GetValue() != kRequiredPressureDrop) return kErrPressureDrop;
    const int head = doc.cylinderHeadType.GetValue();
    if (head == kHeadTypeCustom) return kErrCustomAirflow;
    if (head >= kFirstFourValveHead && head <= kLastFourValveHead) {
        if (!HasValves(doc, 2)) return kErrFourValveHead;
    } else if (!HasValves(doc, 1)) {
        return kErrTwoValveHead;
    }
    if (doc.manifoldType.GetValue() == kManifoldForcedInduction) return kErrForcedInduction;
    return 0;
}

}  // namespace

GameEngineRecordInputs SimInterfaceGameRecordInputs(const CTorvaneDoc& doc) {
    const Cam& cam = doc.cam;
    GameEngineRecordInputs in;
    in.camshaftName = cam.camshaftType.GetTypeName();
    in.shortBlockName = doc.shortBlockType.GetTypeName();
    in.manifoldType = doc.manifoldType.GetValue();
    in.cylinderHeadType = doc.cylinderHeadType.GetValue();
    in.exhaustSystem = doc.exhaustSystem.GetValue();
    in.timing050Inch = cam.primary.method.GetValue() == kFiftyThou;
    in.lifterType = cam.lifterType.GetValue();
    in.bore = doc.bore.GetValue();
    in.stroke = doc.stroke.GetValue();
    in.cylinders = doc.cylinders.GetValue();
    in.intakeValveDiameter = doc.intakeValveDiameter.GetValue();
    in.exhaustValveDiameter = doc.exhaustValveDiameter.GetValue();
    in.compressionRatio = doc.compressionRatio.GetValue();
    in.inductionFlow = doc.inductionFlow.GetValue();
    in.pressureDrop = doc.pressureDrop.GetValue();
    in.exhaustOpening = cam.primary.evo.GetValue();
    in.exhaustClosing = cam.primary.evc.GetValue();
    in.intakeOpening = cam.primary.ivo.GetValue();
    in.intakeClosing = cam.primary.ivc.GetValue();
    in.intakeLift = cam.intakeLift.GetValue();
    in.exhaustLift = cam.exhaustLift.GetValue();
    in.camAdvance = cam.advance.GetValue();
    for (int curve = 0; curve < kGameRecordCurveCount; ++curve) {
        const float* values = doc.GetCurve(kCurvePower + curve);
        for (int point = 0; point < kGameRecordPointCount; ++point)
            in.curves[curve][point] = values[point];
    }
    in.compressionCalculatorUsed = doc.IsCompressionCalculatorUsed();
    in.pistonMethod = doc.GetPistonMethod();
    in.fuelType = doc.fuelType.GetValue();
    in.chamberVolume = doc.chamberVolume.GetValue();
    in.pistonDeckVolume = doc.pistonDeckVolume.GetValue();
    in.deckVolume = doc.deckVolume.GetValue();
    in.gasketBore = doc.gasketBore.GetValue();
    in.pistonDistance = doc.pistonDistance.GetValue();
    in.gasketVolume = doc.gasketVolume.GetValue();
    in.gasketThickness = doc.gasketThickness.GetValue();
    in.nitrousFlowRate = doc.nitrousFlowRate.GetValue();
    return in;
}

bool SimInterfaceWriteGameRecord(const char* path, CTorvaneDoc* doc) {
    APP_ASSERT(path != nullptr && doc != nullptr);
    const GameEngineRecord record = GameEngineRecordBuild(SimInterfaceGameRecordInputs(*doc));
    const unsigned short failure = WriteFileSafely(path, "wb", kFileWriteCodes, [&record](FILE* file) {
        if (fwrite(record.data(), 1, record.size(), file) != record.size())
            throw ErrCodeException(kErrFileWrite);
    });
    if (failure != 0) {
        ErrCodeShowError(failure);
        return false;
    }
    return true;
}

void SimInterfaceExportGameFile(CTorvaneDoc* doc) {
    APP_ASSERT(doc != nullptr);
    const unsigned short code = CheckExportable(*doc);
    if (code != 0) {
        ErrCodeShowError(code);
        return;
    }
    CString target;
    if (ExportChooseTarget(kGameRecordFile, doc->GetTitle(), target))
        SimInterfaceWriteGameRecord(target, doc);
}

}  // namespace torvane

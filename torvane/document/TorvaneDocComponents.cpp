// The engine document's component commands: each looks up its row of the
// component table and copies the row's values into the document's fields.
#include "torvane/document/ComponentMenuTable.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/services/ErrCode.h"
#include "torvane/services/TorvaneShellServices.h"

namespace torvane {

static const char kAssertModule[] = "TorvaneDocComponents.cpp";

namespace {

const ComponentRow& RowOf(UINT commandId) {
    return GetComponentRow(TorvaneDocFindComponentRow(commandId));
}

// Table values are in the fields' base units.
void StoreBaseValue(CFloatPtSpec& field, float value) {
    field.SetValueInUnit(value, true);
}

void StorePart(CPartTypeSpec& field, int typeIndex, const char* name) {
    const bool stored = field.SetType(typeIndex, name);
    APP_ASSERT(stored);
}

void StorePart(CPartTypeSpec& field, const ComponentRow& row) {
    StorePart(field, row.typeIndex, row.name);
}

// The name a custom-airflow head takes: the flow data's description, unless
// that is the name of a built-in head.
CString CustomHeadName(const CylHeadFlow& flow) {
    CString name = flow.GetDescription();
    name.Trim();
    for (int type = 1; type <= CylHeadFlow::kPresetCount; ++type) {
        if (name == CylHeadFlow::GetPresetName(type)) return "Custom Airflow";
    }
    return name.IsEmpty() ? CString("Custom Airflow") : name;
}

}  // namespace

void CTorvaneDoc::EndComponentCommand() {
    SetUnitsMode(unitsMode_);
    if (FieldEditorIsOpen()) FieldEditorPostCommit();
}

void CTorvaneDoc::EndHeadCommand() {
    SetUnitsMode(unitsMode_);
    if (FieldEditorIsOpen()) {
        FieldEditorPostCommit();
        return;
    }
    RecomputeDerived();
    UpdateAllViews(nullptr);
}

void CTorvaneDoc::OnShortBlock(UINT id) {
    if (!ConfirmSpecChange(shortBlockType)) return;
    const ComponentRow& row = RowOf(id);
    StorePart(shortBlockType, row);
    StoreBaseValue(bore, row.values[kBlockBore]);
    StoreBaseValue(stroke, row.values[kBlockStroke]);
    cylinders.SetValue(static_cast<int>(row.values[kBlockCylinders]));
    EndComponentCommand();
}

void CTorvaneDoc::OnCylinderHead(UINT id) {
    if (!ConfirmSpecChange(cylinderHeadType)) return;
    if (id == kCmdCustomHead) {
        if (!RunAirflowDialog(headFlow, airflowFile)) return;
        StorePart(cylinderHeadType, kHeadTypeCustom, CustomHeadName(headFlow));
        autoValveSizes_ = false;
        SetValveCountsFromFlowData();
    } else {
        const int headType = RowOf(id).typeIndex;
        airflowFile.Clear();
        headFlow.LoadPreset(headType);
        StorePart(cylinderHeadType, headType, CylHeadFlow::GetPresetName(headType));
        SetValveCountsFromFlowData();
        WarnAboutValveCount();
    }
    EndHeadCommand();
}

void CTorvaneDoc::SetValveCountsFromFlowData() {
    // Custom flow data may lack valid counts: one valve each, as a flow file without them.
    const bool valid =
        headFlow.intake.valvesPerPort.IsValid() && headFlow.exhaust.valvesPerPort.IsValid();
    intakeValvesPerCylinder.SetValue(valid ? headFlow.GetIntakeValvesPerPort() : 1);
    exhaustValvesPerCylinder.SetValue(valid ? headFlow.GetExhaustValvesPerPort() : 1);
}

void CTorvaneDoc::WarnAboutValveCount() const {
    const int valves = intakeValvesPerCylinder.GetValue() + exhaustValvesPerCylinder.GetValue();
    if (valves == 3) ErrCodeShowWarning(103);
    if (valves == 4) ErrCodeShowWarning(104);
}

bool CTorvaneDoc::ApplyValueRow(CFloatPtSpec& field, UINT id) {
    if (!ConfirmSpecChange(field)) return false;
    StoreBaseValue(field, RowOf(id).values[0]);
    return true;
}

void CTorvaneDoc::OnIntakeValveDiameter(UINT id) {
    if (!ApplyValueRow(intakeValveDiameter, id)) return;
    autoValveSizes_ = false;
    EndComponentCommand();
}

void CTorvaneDoc::OnExhaustValveDiameter(UINT id) {
    if (!ApplyValueRow(exhaustValveDiameter, id)) return;
    autoValveSizes_ = false;
    EndComponentCommand();
}

void CTorvaneDoc::OnIntakeValveLift(UINT id) {
    if (!ApplyValueRow(cam.intakeLift, id)) return;
    cam.SetAutoValveLift(false);
    EndComponentCommand();
}

void CTorvaneDoc::OnExhaustValveLift(UINT id) {
    if (!ApplyValueRow(cam.exhaustLift, id)) return;
    cam.SetAutoValveLift(false);
    EndComponentCommand();
}

void CTorvaneDoc::OnCompressionRatio(UINT id) {
    if (ApplyValueRow(compressionRatio, id)) EndComponentCommand();
}

void CTorvaneDoc::OnInduction(UINT id) {
    if (!ConfirmSpecChange(inductionFlow)) return;
    const ComponentRow& row = RowOf(id);
    StoreBaseValue(inductionFlow, row.values[kInductionFlow]);
    StoreBaseValue(pressureDrop, row.values[kInductionPressureDrop]);
    EndComponentCommand();
}

void CTorvaneDoc::OnManifold(UINT id) {
    if (!ConfirmSpecChange(manifoldType)) return;
    const ComponentRow& row = RowOf(id);
    StorePart(manifoldType, row);
    if (row.typeIndex == kManifoldIndividualRunner) ErrCodeShowWarning(105);
    if (id == kCmdManifoldForcedInduction && !exhaustSystem.IsValid())
        StorePart(exhaustSystem, RowOf(kCmdExhaustFirst));
    EndComponentCommand();
}

void CTorvaneDoc::OnForcedInduction(UINT id) {
    if (!ConfirmSpecChange(forcedInductionType)) return;
    ApplyForcedInductionRow(id);
    EndComponentCommand();
}

void CTorvaneDoc::ApplyForcedInductionRow(UINT commandId) {
    const ComponentRow& row = RowOf(commandId);
    StorePart(forcedInductionType, row);
    const int kind = static_cast<int>(row.values[kBlowerKind]);
    forcedInductionKind_ = kind;
    ResetBlowerFields(kCompressorFieldCount);
    if (commandId == kCmdForcedInductionNone || commandId == kCmdCustomTurbo ||
        commandId == kCmdCustomCentrifugalBlower || commandId == kCmdCustomRootsBlower)
        return;
    const bool turbo = kind == 1, centrifugal = kind == 2, roots = kind == 3;
    StoreBaseValue(blowerFlowRate, row.values[kBlowerFlow]);
    if (turbo || centrifugal) StoreBaseValue(blowerPressureRatio, row.values[kBlowerPressureRatio]);
    StoreBaseValue(blowerEfficiency, row.values[kBlowerEfficiency]);
    if (centrifugal) StoreBaseValue(blowerRpm, row.values[kBlowerRpm]);
    if (turbo) StoreBaseValue(blowerSurgeFlowRate, row.values[kBlowerSurgeFlow]);
    if (centrifugal) StoreBaseValue(blowerInternalGearRatio, row.values[kBlowerInternalGearRatio]);
    if (centrifugal || roots) StoreBaseValue(blowerBeltGearRatio, row.values[kBlowerBeltGearRatio]);
    // A limit the user chose stays.
    if (!blowerBoostLimit.IsValid())
        StoreBaseValue(blowerBoostLimit, row.values[kBlowerBoostLimit]);
}

void CTorvaneDoc::OnIntercooler(UINT id) {
    if (!ApplyValueRow(intercoolerEfficiency, id)) return;
    // 0 % means no intercooler.
    if (id == kCmdIntercoolerNone) intercoolerEfficiency.ResetToMin();
    EndComponentCommand();
}

void CTorvaneDoc::OnFuel(UINT id) {
    if (!ConfirmSpecChange(fuelType)) return;
    ApplyFuelRow(id);
    EndComponentCommand();
}

void CTorvaneDoc::ApplyFuelRow(UINT commandId) {
    const ComponentRow& row = RowOf(commandId);
    StorePart(fuelType, row);
    StoreBaseValue(nitrousFlowRate, row.values[kFuelNitrousFlow]);
}

void CTorvaneDoc::OnExhaust(UINT id) {
    if (!ConfirmSpecChange(exhaustSystem)) return;
    StorePart(exhaustSystem, RowOf(id));
    EndComponentCommand();
}

void CTorvaneDoc::OnCamType(UINT id) {
    if (!ConfirmSpecChange(cam.camshaftType)) return;
    if (id == kCmdCustomCamType) {
        const CString& current = cam.camshaftType.GetTypeName();
        CString entered;
        if (!RunCamTypeDialog(current.IsEmpty() ? nullptr : current.GetString(), entered)) return;
        camDataFile.Clear();
        // No name typed: the custom row's own name.
        if (entered.IsEmpty()) entered = TorvaneDocGetComponentName(id);
        StorePart(cam.camshaftType, kCamTypeCustom, entered);
    } else {
        ApplyCamTypeRow(id);
    }
    EndComponentCommand();
}

void CTorvaneDoc::ApplyCamTypeRow(UINT commandId) {
    const ComponentRow& row = RowOf(commandId);
    camDataFile.Clear();
    StorePart(cam.camshaftType, row);
    cam.SetTimingSeatToSeat();
    cam.SetSeatToSeatLimits();
    StoreBaseValue(cam.primary.ivo, row.values[kCamIvo]);
    StoreBaseValue(cam.primary.ivc, row.values[kCamIvc]);
    StoreBaseValue(cam.primary.evo, row.values[kCamEvo]);
    StoreBaseValue(cam.primary.evc, row.values[kCamEvc]);
    cam.alternate.method.Clear();
    for (CFloatPtSpec* event :
         {&cam.alternate.ivo, &cam.alternate.ivc, &cam.alternate.evo, &cam.alternate.evc})
        event->Clear();
    StoreBaseValue(cam.advance, 0.0f);
    StoreBaseValue(cam.intakeLift, row.values[kCamIntakeLift]);
    StoreBaseValue(cam.exhaustLift, row.values[kCamExhaustLift]);
    StoreBaseValue(cam.rampRate, row.values[kCamRampRate]);
    cam.SetMoreAccurateRampRate(false);
    StorePart(cam.lifterType, RowOf(static_cast<UINT>(row.values[kCamLifterCommand])));
}

void CTorvaneDoc::OnTimingMethod(UINT id) {
    if (!ConfirmSpecChange(cam.primary.method)) return;
    const int method = RowOf(id).typeIndex;
    const bool changes = cam.primary.method.IsValid() && cam.primary.method.GetValue() != method;
    if (cam.alternate.method.IsValid() && cam.alternate.method.GetValue() == method) {
        // The cam already holds events of that method: keep both sets.
        cam.SwapTimingSets();
    } else {
        Cam converted;
        cam.CopyWithTimingMethod(&converted, method);
        cam = converted;
    }
    if (changes) ErrCodeShowWarning(method == kSeatToSeat ? 101 : 102);
    EndComponentCommand();
}

void CTorvaneDoc::OnLifterType(UINT id) {
    if (!ConfirmSpecChange(cam.lifterType)) return;
    StorePart(cam.lifterType, RowOf(id));
    EndComponentCommand();
}

void CTorvaneDoc::OnRampRate(UINT id) {
    if (!ApplyValueRow(cam.rampRate, id)) return;
    cam.SetMoreAccurateRampRate(false);
    EndComponentCommand();
}

void CTorvaneDoc::OnCamAdvance(UINT id) {
    if (ApplyValueRow(cam.advance, id)) EndComponentCommand();
}

void CTorvaneDoc::OnValvesPerCylinder(UINT id) {
    const bool intake = id == kCmdIntakeValvesOne || id == kCmdIntakeValvesTwo;
    CIntegerSpec& count = intake ? intakeValvesPerCylinder : exhaustValvesPerCylinder;
    if (!ConfirmSpecChange(count)) return;
    count.SetValue(id == kCmdIntakeValvesOne || id == kCmdExhaustValvesOne ? 1 : 2);
    WarnAboutValveCount();
    EndComponentCommand();
}

void CTorvaneDoc::OnPressureDropChoice(UINT id) {
    if (!ConfirmSpecChange(pressureDrop)) return;
    StoreBaseValue(pressureDrop, id == kCmdPressureDrop15 ? 1.5f : 3.0f);
    EndComponentCommand();
}

// ---- Flow and cam files ----

// Saves a component (cylinder-head flow or cam) through the save dialog,
// starting from its current file, and records the file it went to.
template <class Component>
void CTorvaneDoc::SaveComponentFile(Component& component, CFileSpec& file) {
    CString name, path;
    const char* current = file.IsValid() ? static_cast<const char*>(file.GetText()) : "";
    if (!component.BrowseSave(current, name, path) || !component.SaveToFile(path)) return;
    file.ParseAndSet(path, false);
    SetModifiedFlag(TRUE);
    EndComponentCommand();
}

void CTorvaneDoc::OnAirflowFileOpen() {
    if (!ConfirmSpecChange(cylinderHeadType)) return;
    // Read into a copy: a file that fails part-way leaves the head as it was.
    CylHeadFlow loaded = headFlow;
    CString name, path;
    if (!loaded.BrowseOpen(name, path) || !loaded.LoadFromFile(path)) return;
    headFlow = loaded;
    airflowFile.ParseAndSet(path, false);
    StorePart(cylinderHeadType, kHeadTypeCustom, CustomHeadName(headFlow));
    SetValveCountsFromFlowData();
    SetModifiedFlag(TRUE);
    EndHeadCommand();
}

void CTorvaneDoc::OnAirflowFileSave() { SaveComponentFile(headFlow, airflowFile); }

void CTorvaneDoc::OnCamFileOpen() {
    if (!ConfirmSpecChange(cam.camshaftType)) return;
    Cam loaded;
    CString name, path;
    if (!loaded.BrowseOpen(name, path) || !loaded.LoadFromFile(path)) return;
    cam = loaded;
    camDataFile.ParseAndSet(path, false);
    SetModifiedFlag(TRUE);
    EndHeadCommand();
}

void CTorvaneDoc::OnCamFileSave() { SaveComponentFile(cam, camDataFile); }

}  // namespace torvane

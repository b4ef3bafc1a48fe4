// The vehicle document: fields, construction and clearing, units, the
// preset choices of the popup menus, driving styles, views and commands.
// Validation and the run are in QuilletDocRun.cpp, the vehicle file in
// QuilletDocFile.cpp and the engine import in QuilletDocImport.cpp.
#include "quillet/document/QuilletDoc.h"

#include <algorithm>

#include "common/DocumentSerial.h"
#include "quillet/document/QuilletCommands.h"
#include "quillet/document/QuilletDocFields.h"
#include "quillet/document/SimInterface.h"
#include "quillet/document/VehicleChoiceTable.h"
#include "quillet/services/ErrCode.h"
#include "quillet/services/QuilletProfile.h"

namespace quillet {

static const char kAssertModule[] = "QuilletDoc.cpp";

namespace {

const float kDrivingRpmMin = 1.0f;
const float kDrivingRpmMax = 14500.0f;

CQuilletDoc* g_lastCreated = nullptr;

// The command ranges the constructor checks against the choice table.
const UINT kChoiceRanges[][2] = {
    {kCmdVehicleClassFirst, kCmdVehicleClassLast},
    {kCmdEngineClassFirst, kCmdEngineClassLast},
    {kCmdDriveWheelsFirst, kCmdDriveWheelsLast},
    {kCmdManualTransFirst, kCmdManualTransLast},
    {kCmdAutomaticTransFirst, kCmdAutomaticTransLast},
    {kCmdShiftTypeFirst, kCmdShiftTypeLast},
    {kCmdCouplingFirst, kCmdCouplingLast},
    {kCmdRearAxleFirst, kCmdRearAxleLast},
    {kCmdPrimaryRatioFirst, kCmdPrimaryRatioLast},
    {kCmdAutomobileFirst, kCmdAutomobileLast},
    {kCmdEngineFirst, kCmdEngineLast},
    {kCmdJetEngineFirst, kCmdJetEngineLast},
    {kCmdTireFirst, kCmdTireLast},
    {kCmdDrivingStyleFirst, kCmdDrivingStyleLast},
    {kCmdWeatherFirst, kCmdWeatherLast},
};

const char kPlaceholderName[] = "***";
const char kCustomName[] = "Custom";

// A choice stored into its part-type field.
void SetChoice(CPartTypeSpec& field, const VehicleChoiceRow& row) {
    APP_ASSERT(field.SetType(row.choiceIndex, row.name));
}

// Float columns of a choice row.
enum VehicleColumn { kVehicleWeight, kVehicleWheelbase, kVehicleDrive, kVehicleWeightPercent,
                     kVehicleFrontalArea, kVehicleDrag };
enum JetColumn { kJetThrust, kJetWeight };
enum ConverterColumn { kConverterStall, kConverterMultiplier, kConverterSlippage };
enum TireColumn { kTireDiameter, kTireWidth, kTireGrowth, kTireTraction };
enum StyleColumn { kStyleRedlineFactor, kStyleShiftFactor, kStyleLaunchFactor, kStyleRollout,
                   kStyleShiftTime };
enum WeatherColumn { kWeatherBarometer, kWeatherHumidity, kWeatherElevation, kWeatherWind,
                     kWeatherTemperature };
const int kGearCountColumn = 6;

}  // namespace

IMPLEMENT_DYNCREATE(CQuilletDoc, CDocument)

BEGIN_MESSAGE_MAP(CQuilletDoc, CDocument)
    ON_COMMAND_RANGE(kCmdVehicleClassFirst, kCmdVehicleClassLast, OnVehicleClassChoice)
    ON_COMMAND_RANGE(kCmdEngineClassFirst, kCmdEngineClassLast, OnEngineClassChoice)
    ON_COMMAND_RANGE(kCmdDriveWheelsFirst, kCmdDriveWheelsLast, OnDriveWheelsChoice)
    ON_COMMAND_RANGE(kCmdShiftTypeFirst, kCmdShiftTypeLast, OnShiftTypeChoice)
    ON_COMMAND_RANGE(kCmdCouplingFirst, kCmdCouplingLast, OnCouplingChoice)
    ON_COMMAND_RANGE(kCmdAutomobileFirst, kCmdAutomobileLast, OnAutomobileChoice)
    ON_COMMAND_RANGE(kCmdEngineFirst, kCmdEngineLast, OnEngineChoice)
    ON_COMMAND_RANGE(kCmdJetEngineFirst, kCmdJetEngineLast, OnJetEngineChoice)
    ON_COMMAND_RANGE(kCmdManualTransFirst, kCmdManualTransLast, OnManualTransChoice)
    ON_COMMAND_RANGE(kCmdAutomaticTransFirst, kCmdAutomaticTransLast, OnAutomaticTransChoice)
    ON_COMMAND_RANGE(kCmdRearAxleFirst, kCmdRearAxleLast, OnRearAxleChoice)
    ON_COMMAND_RANGE(kCmdPrimaryRatioFirst, kCmdPrimaryRatioLast, OnPrimaryRatioChoice)
    ON_COMMAND_RANGE(kCmdTireFirst, kCmdTireLast, OnTireChoice)
    ON_COMMAND_RANGE(kCmdDrivingStyleFirst, kCmdDrivingStyleLast, OnDrivingStyleChoice)
    ON_COMMAND_RANGE(kCmdWeatherFirst, kCmdWeatherLast, OnWeatherChoice)
    ON_COMMAND(kCmdRun, OnRun)
    ON_COMMAND(kCmdAutoRun, OnAutoRun)
    ON_UPDATE_COMMAND_UI(kCmdAutoRun, OnUpdateAutoRun)
    ON_COMMAND(kCmdEighthMile, OnEighthMile)
    ON_COMMAND(kCmdQuarterMile, OnQuarterMile)
    ON_UPDATE_COMMAND_UI(kCmdEighthMile, OnUpdateEighthMile)
    ON_UPDATE_COMMAND_UI(kCmdQuarterMile, OnUpdateQuarterMile)
    ON_COMMAND(kCmdUnitsEnglish, OnUnitsEnglish)
    ON_COMMAND(kCmdUnitsMetric, OnUnitsMetric)
    ON_UPDATE_COMMAND_UI(kCmdUnitsEnglish, OnUpdateUnitsEnglish)
    ON_UPDATE_COMMAND_UI(kCmdUnitsMetric, OnUpdateUnitsMetric)
    ON_COMMAND(kCmdClearComponents, OnClearComponents)
    ON_COMMAND(kCmdFilePrint, OnFilePrint)
    ON_COMMAND(kCmdFilePrintPreview, OnFilePrintPreview)
    ON_COMMAND(kCmdQuickIterator, OnQuickIterator)
    ON_COMMAND(kCmdProIterator, OnProIterator)
    ON_COMMAND(kCmdIterator, OnIterator)
    ON_COMMAND(kCmdTractionCalculator, OnTractionCalculator)
    ON_UPDATE_COMMAND_UI(kCmdTractionCalculator, OnUpdateTractionCalculator)
    ON_COMMAND(kCmdExportFile, OnExportFile)
    ON_COMMAND(kCmdImportEngineFile, OnImportEngineFile)
END_MESSAGE_MAP()

CQuilletDoc::CQuilletDoc()
    : m_vehicleType("Vehicle Type", 1, 41),
      m_vehicleClass("Vehicle Classification Type", 1, 2),
      m_weight("Vehicle Weight", kUnitPound, 100.0f, 99999.0f, kUnitPound, 1.0f),
      m_wheelbase("Vehicle Wheelbase", kUnitInch, 40.0f, 500.0f, kUnitMm, 25.4f),
      m_driveType("Drive Type", 1, 2),
      m_drivingWeight("Weight % Distribution on Driving Wheels", kUnitPercent, 1.0f, 99.0f,
                      kUnitPercent, 1.0f),
      m_frontalArea("Vehicle Frontal Area", kUnitSquareFoot, 1.0f, 99.0f, kUnitSquareMetre,
                    0.092903f),
      m_dragCoefficient("Aerodynamic Drag Coefficient", kUnitCoefficient, 0.0f, 0.99f,
                        kUnitCoefficient, 1.0f),
      m_engineType("Engine Type", 1, 36),
      m_engineClass("Engine class type", 1, 2),
      m_displacement("Engine Displacement Volume", kUnitCubicInch, 5.0f, 1500.0f, kUnitCc,
                     16.38706f),
      m_rocketThrust("Rocket Thrust", kUnitPound, 1.0f, 125000.0f, kUnitPound, 1.0f),
      m_rocketWeight("Rocket Weight", kUnitPound, 1.0f, 125000.0f, kUnitPound, 1.0f),
      m_transmissionType("Transmission Type", 1, 69),
      m_shiftType("Shift Type", 1, 3),
      m_gearCount("Number of Transmission Gears", 1, 6),
      m_couplingType("Transmission Coupling Type", 1, 9),
      m_converterStall("Converter Stall Speed", kUnitRpm, 1000.0f, 8000.0f, kUnitRpm, 1.0f),
      m_converterMultiplier("Converter Torque Multiplier", kUnitFactor, 1.1f, 4.0f, kUnitFactor,
                            1.0f),
      m_converterSlippage("Converter Slippage", kUnitPercent, 1.0f, 30.0f, kUnitPercent, 1.0f),
      m_gearRatio{
          CFloatPtSpec("First Gear Ratio", kUnitRatio, 0.5f, 9.99f, kUnitRatio, 1.0f),
          CFloatPtSpec("Second Gear Ratio", kUnitRatio, 0.5f, 9.99f, kUnitRatio, 1.0f),
          CFloatPtSpec("Third Gear Ratio", kUnitRatio, 0.5f, 9.99f, kUnitRatio, 1.0f),
          CFloatPtSpec("Fourth Gear Ratio", kUnitRatio, 0.5f, 9.99f, kUnitRatio, 1.0f),
          CFloatPtSpec("Fifth Gear Ratio", kUnitRatio, 0.5f, 9.99f, kUnitRatio, 1.0f),
          CFloatPtSpec("Sixth Gear Ratio", kUnitRatio, 0.5f, 9.99f, kUnitRatio, 1.0f),
      },
      m_rearAxleRatio("Rear-Axle Gear Ratio", kUnitRatio, 0.5f, 9.99f, kUnitRatio, 1.0f),
      m_primaryRatio("Motorcycle Primary Gear Ratio", kUnitRatio, 0.5f, 9.99f, kUnitRatio, 1.0f),
      m_tireType("Tire Type", 1, 10),
      m_wheelWidth("Driving Wheel Width", kUnitInch, 2.5f, 30.0f, kUnitMm, 25.4f),
      m_tractionCoefficient("Traction Coefficient", kUnitCoefficient, 0.5f, 6.0f,
                            kUnitCoefficient, 1.0f),
      m_tireGrowth("Tire Growth Factor", kUnitFactor, 0.0f, 30.0f, kUnitFactor, 1.0f),
      m_tireDiameter("Driving Tire Static Diameter", kUnitInch, 12.0f, 40.0f, kUnitMm, 25.4f),
      m_drivingStyle("Driving Style", 1, 4),
      m_redline("Redline RPM", kUnitRpm, kDrivingRpmMin, kDrivingRpmMax, kUnitRpm, 1.0f),
      m_shiftTime("Shift Time", kUnitSecond, 0.0f, 9.999f, kUnitSecond, 1.0f),
      m_rollout("Rollout Distance", kUnitInch, 0.0f, 18.0f, kUnitMm, 25.4f),
      m_launchRpm("Launch RPM", kUnitRpm, 100.0f, kDrivingRpmMax, kUnitRpm, 1.0f),
      m_shiftRpm{
          CFloatPtSpec("First to Second Gear Shift RPM", kUnitRpm, 100.0f, kDrivingRpmMax,
                       kUnitRpm, 1.0f),
          CFloatPtSpec("Second to Third Gear Shift RPM", kUnitRpm, 100.0f, kDrivingRpmMax,
                       kUnitRpm, 1.0f),
          CFloatPtSpec("Third to Fourth Gear Shift RPM", kUnitRpm, 100.0f, kDrivingRpmMax,
                       kUnitRpm, 1.0f),
          CFloatPtSpec("Fourth to Fifth Gear Shift RPM", kUnitRpm, 100.0f, kDrivingRpmMax,
                       kUnitRpm, 1.0f),
          CFloatPtSpec("Fifth to Sixth Gear Shift RPM", kUnitRpm, 100.0f, kDrivingRpmMax,
                       kUnitRpm, 1.0f),
      },
      m_weather("Weather Conditions", 1, 8),
      m_barometer("Barometric Pressure", kUnitInHg, 0.0f, 100.0f, kUnitInHg, 1.0f),
      m_humidity("Humidity", kUnitPercent, 0.0f, 100.0f, kUnitPercent, 1.0f),
      m_elevation("Elevation above Sea Level", kUnitFoot, -2000.0f, 30000.0f, kUnitMetre,
                  0.3048f),
      m_wind("Wind Speed", kUnitMph, -200.0f, 200.0f, kUnitMph, 1.0f),
      m_temperature("Temperature", -50.0f, 180.0f),
      m_notes("Notes") {
    serial_ = NextDocumentSerial();
    for (const UINT* range : kChoiceRanges) CheckChoiceRange(range[0], range[1]);
    ClearVehicle();
}

CQuilletDoc::~CQuilletDoc() {
    // The main frame drops what it holds of this document.
    if (formView_ != nullptr)
        QuilletDocHost().PostToMainFrame(kMsgDocumentDestroyed, reinterpret_cast<WPARAM>(this));
    DeleteIterators();
    if (g_lastCreated == this) g_lastCreated = nullptr;
}

// ---------------------------------------------------------------- State

void CQuilletDoc::ClearVehicle() {
    VisitFields(*this, [](CSimSpec& field) { field.Clear(); });
    m_powerCurve.SetDefaults();
    DeleteIterators();
    baseline_ = true;
    OnVehicleClassChoice(kCmdVehicleClassFirst);
    OnEngineClassChoice(kCmdEngineClassFirst);
    OnDriveWheelsChoice(kCmdDriveWheelsFirst);
    SetUnits(0);
    autoRun_ = true;
    results_.Clear();
}

void CQuilletDoc::CopyVehicleTo(CQuilletDoc* dest) const {
    APP_ASSERT(dest != nullptr && dest != this);
    dest->SetTitle(GetTitle());
    VisitFieldPairs(*this, *dest, [](const auto& from, auto& to) { to = from; });
    dest->m_powerCurve = m_powerCurve;
    dest->raceLength_ = raceLength_;
    dest->results_ = results_;
    dest->units_ = units_;
    dest->autoRun_ = autoRun_;
}

void CQuilletDoc::SetUnits(int metric) {
    units_ = metric;
    const bool base = metric == 0;
    for (CFloatPtSpec* field :
         {&m_weight, &m_wheelbase, &m_frontalArea, &m_displacement, &m_rocketThrust,
          &m_rocketWeight, &m_converterStall, &m_wheelWidth, &m_tireDiameter, &m_rollout,
          &m_barometer, &m_elevation, &m_wind}) {
        field->SetUnitSystem(base);
    }
    m_temperature.SetEnglishUnits(base);
}

void CQuilletDoc::SetRaceLength(int feet) {
    APP_ASSERT(feet == 660 || feet == 1320);
    raceLength_ = feet;
}

bool CQuilletDoc::IsJet() const { return m_engineClass.GetValue() == kEngineClassJet; }

bool CQuilletDoc::IsMotorcycle() const { return m_vehicleClass.GetValue() == kClassMotorcycle; }

bool CQuilletDoc::HasPresetDrivingStyle() const {
    return m_drivingStyle.IsSet() && m_drivingStyle.GetValue() != kDrivingStyleCustom;
}

// --------------------------------------------------------------- Choices

const VehicleChoiceRow& CQuilletDoc::FindChoiceRow(UINT commandId) {
    const VehicleChoiceRow* row = FindVehicleChoiceRow(commandId);
    APP_ASSERT(row != nullptr);
    return *row;
}

void CQuilletDoc::CheckChoiceRange(UINT firstId, UINT lastId) {
    const VehicleChoiceRow* first = &FindChoiceRow(firstId);
    const VehicleChoiceRow* last = &FindChoiceRow(lastId);
    APP_ASSERT(first <= last);
    for (const VehicleChoiceRow* row = first; row < last; ++row)
        APP_ASSERT(row[1].commandId == row[0].commandId + 1);
}

void CQuilletDoc::CommitOpenEditor() {
    if (QuilletDocHost().IsEditorOpen()) QuilletDocHost().PostCommitToOpenEditor();
}

bool CQuilletDoc::ConfirmClassChange(int newClass) {
    if (!m_vehicleClass.IsSet() || m_vehicleClass.GetValue() == newClass) return true;
    const unsigned short question = newClass == kClassAutomobile ? 204 : 205;
    return ErrCodeAskConfirm(question) == IDOK;
}

void CQuilletDoc::SetVehicleClass(int vehicleClass) {
    SetChoice(m_vehicleClass, FindChoiceRow(kCmdVehicleClassFirst + vehicleClass - 1));
    // As question 204 tells the user: an automobile has no primary ratio.
    if (vehicleClass == kClassAutomobile) m_primaryRatio.Clear();
}

void CQuilletDoc::OnVehicleClassChoice(UINT id) {
    const VehicleChoiceRow& row = FindChoiceRow(id);
    if (ConfirmClassChange(row.choiceIndex)) SetVehicleClass(row.choiceIndex);
    CommitOpenEditor();
}

bool CQuilletDoc::ConfirmEngineClassChange(int newClass) {
    const bool pistonToJet = m_engineClass.IsSet() &&
                             m_engineClass.GetValue() == kEngineClassIC &&
                             newClass == kEngineClassJet;
    return !pistonToJet || ErrCodeAskConfirm(206) == IDOK;
}

void CQuilletDoc::SetEngineClass(int engineClass) {
    SetChoice(m_engineClass, FindChoiceRow(kCmdEngineClassFirst + engineClass - 1));
    ApplyEngineClassPlaceholders();
}

void CQuilletDoc::ApplyEngineClassPlaceholders() {
    const struct {
        CPartTypeSpec& field;
        int placeholder;
    } parts[] = {{m_transmissionType, kTransmissionPlaceholder},
                 {m_shiftType, kShiftPlaceholder},
                 {m_couplingType, kCouplingPlaceholder},
                 {m_tireType, kTirePlaceholder}};
    for (const auto& part : parts) {
        if (IsJet()) {
            if (!part.field.IsSet()) part.field.SetType(part.placeholder, kPlaceholderName);
        } else if (part.field.IsSet() && part.field.GetValue() == part.placeholder) {
            part.field.Clear();
        }
    }
}

void CQuilletDoc::OnEngineClassChoice(UINT id) {
    const VehicleChoiceRow& row = FindChoiceRow(id);
    if (ConfirmEngineClassChange(row.choiceIndex)) {
        SetEngineClass(row.choiceIndex);
        if (m_engineType.IsSet()) m_engineType.SetType(m_engineType.GetValue(), row.name);
    }
    CommitOpenEditor();
}

void CQuilletDoc::OnDriveWheelsChoice(UINT id) {
    SetChoice(m_driveType, FindChoiceRow(id));
    CommitOpenEditor();
}

void CQuilletDoc::OnShiftTypeChoice(UINT id) {
    SetChoice(m_shiftType, FindChoiceRow(id));
    CommitOpenEditor();
}

void CQuilletDoc::OnCouplingChoice(UINT id) {
    const VehicleChoiceRow& row = FindChoiceRow(id);
    // A jet's placeholder is no converter to give up.
    const int coupling = m_couplingType.GetValue();
    const bool converterToClutch = m_couplingType.IsSet() && coupling != kCouplingClutch &&
                                   coupling != kCouplingPlaceholder &&
                                   row.choiceIndex == kCouplingClutch;
    if (!converterToClutch || ErrCodeAskConfirm(207) == IDOK) {
        SetChoice(m_couplingType, row);
        if (row.choiceIndex == kCouplingClutch) {
            m_converterStall.Clear();
            m_converterMultiplier.Clear();
            m_converterSlippage.Clear();
        } else {
            SetBaseValue(m_converterStall, row.values[kConverterStall]);
            SetBaseValue(m_converterMultiplier, row.values[kConverterMultiplier]);
            SetBaseValue(m_converterSlippage, row.values[kConverterSlippage]);
        }
        SetUnits(units_);
        ReapplyDrivingStyle();
    }
    CommitOpenEditor();
}

void CQuilletDoc::OnAutomobileChoice(UINT id) {
    const VehicleChoiceRow& row = FindChoiceRow(id);
    if (ConfirmClassChange(kClassAutomobile)) {
        SetChoice(m_vehicleType, row);
        SetVehicleClass(kClassAutomobile);
        SetBaseValue(m_weight, row.values[kVehicleWeight]);
        SetBaseValue(m_wheelbase, row.values[kVehicleWheelbase]);
        const int drive = static_cast<int>(row.values[kVehicleDrive]);
        SetChoice(m_driveType, FindChoiceRow(kCmdDriveWheelsFirst + drive - 1));
        SetBaseValue(m_drivingWeight, row.values[kVehicleWeightPercent]);
        SetBaseValue(m_frontalArea, row.values[kVehicleFrontalArea]);
        SetBaseValue(m_dragCoefficient, row.values[kVehicleDrag]);
        SetUnits(units_);
    }
    CommitOpenEditor();
}

void CQuilletDoc::OnEngineChoice(UINT id) {
    if (id == kCmdCustomEngine) {
        CString description = m_engineType.IsSet() ? m_engineType.GetTypeName() : kCustomName;
        if (QuilletDocHost().EditPowerCurve(m_powerCurve, description)) {
            description.Trim();
            if (description.IsEmpty()) description = kCustomName;
            m_engineType.SetType(kEngineTypeCustom, description);
            SetEngineClass(kEngineClassIC);
            SetModifiedFlag();
        }
    } else {
        const VehicleChoiceRow& row = FindChoiceRow(id);
        SetChoice(m_engineType, row);
        SetEngineClass(kEngineClassIC);
        SetBaseValue(m_displacement, row.values[0]);
        m_powerCurve.LoadPresetEngine(row.choiceIndex);
    }
    AfterEngineChange();
}

void CQuilletDoc::AfterEngineChange() {
    if (!CheckRpmAgainstCurve()) {
        ErrCodeShowError(64);
        ResetDrivingRpms();
    }
    if (!IsJet()) {
        m_rocketThrust.Clear();
        m_rocketWeight.Clear();
        ApplyEngineClassPlaceholders();
    }
    ReapplyDrivingStyle();
    SetUnits(units_);
    CommitEditorOrRefresh();
}

void CQuilletDoc::CommitEditorOrRefresh() {
    if (QuilletDocHost().IsEditorOpen()) {
        QuilletDocHost().PostCommitToOpenEditor();
    } else {
        UpdateBarometerFromElevation();
        RefreshAllViews();
    }
}

void CQuilletDoc::ResetDrivingRpms() {
    m_redline.Clear();
    m_launchRpm.Clear();
    for (CFloatPtSpec& shift : m_shiftRpm) shift.Clear();
}

void CQuilletDoc::OnJetEngineChoice(UINT id) {
    const VehicleChoiceRow& row = FindChoiceRow(id);
    if (ConfirmEngineClassChange(kEngineClassJet)) {
        SetChoice(m_engineType, row);
        SetEngineClass(kEngineClassJet);
        SetBaseValue(m_rocketThrust, row.values[kJetThrust]);
        SetBaseValue(m_rocketWeight, row.values[kJetWeight]);
        SetUnits(units_);
    }
    CommitOpenEditor();
}

void CQuilletDoc::OnManualTransChoice(UINT id) { SetTransmission(id, kShiftSyncromesh); }

void CQuilletDoc::OnAutomaticTransChoice(UINT id) { SetTransmission(id, kShiftPlanetary); }

void CQuilletDoc::SetTransmission(UINT id, int shiftType) {
    const VehicleChoiceRow& row = FindChoiceRow(id);
    SetChoice(m_transmissionType, row);
    SetChoice(m_shiftType, FindChoiceRow(kCmdShiftTypeFirst + shiftType - 1));
    ApplyGearSet(row);
    ReapplyDrivingStyle();
    CommitOpenEditor();
}

void CQuilletDoc::ApplyGearSet(const VehicleChoiceRow& row) {
    const int gears = static_cast<int>(row.values[kGearCountColumn]);
    m_gearCount.SetValue(gears);
    for (int k = 0; k < kGearFieldCount; ++k) {
        m_gearRatio[k].Clear();
        if (k < gears) SetBaseValue(m_gearRatio[k], row.values[k]);
    }
}

void CQuilletDoc::OnRearAxleChoice(UINT id) {
    SetBaseValue(m_rearAxleRatio, FindChoiceRow(id).values[0]);
    CommitOpenEditor();
}

void CQuilletDoc::OnPrimaryRatioChoice(UINT id) {
    // Only a motorcycle has a primary drive; the menu offers it to nothing else.
    if (IsMotorcycle()) SetBaseValue(m_primaryRatio, FindChoiceRow(id).values[0]);
    CommitOpenEditor();
}

void CQuilletDoc::OnTireChoice(UINT id) {
    const VehicleChoiceRow& row = FindChoiceRow(id);
    SetChoice(m_tireType, row);
    SetBaseValue(m_tireDiameter, row.values[kTireDiameter]);
    SetBaseValue(m_wheelWidth, row.values[kTireWidth]);
    SetBaseValue(m_tireGrowth, row.values[kTireGrowth]);
    SetBaseValue(m_tractionCoefficient, row.values[kTireTraction]);
    SetUnits(units_);
    CommitOpenEditor();
}

void CQuilletDoc::OnDrivingStyleChoice(UINT id) {
    const VehicleChoiceRow& row = FindChoiceRow(id);
    SetChoice(m_drivingStyle, row);
    ApplyDrivingStyle(row.choiceIndex);
    CommitOpenEditor();
}

void CQuilletDoc::OnWeatherChoice(UINT id) {
    const VehicleChoiceRow& row = FindChoiceRow(id);
    SetChoice(m_weather, row);
    SetBaseValue(m_barometer, row.values[kWeatherBarometer]);
    SetBaseValue(m_humidity, row.values[kWeatherHumidity]);
    SetBaseValue(m_elevation, row.values[kWeatherElevation]);
    SetBaseValue(m_wind, row.values[kWeatherWind]);
    SetBaseValue(m_temperature, row.values[kWeatherTemperature]);
    SetUnits(units_);
    CommitOpenEditor();
}

void CQuilletDoc::ReapplyDrivingStyle() {
    if (HasPresetDrivingStyle()) ApplyDrivingStyle(m_drivingStyle.GetValue());
}

void CQuilletDoc::ApplyDrivingStyle(int style) {
    APP_ASSERT(style >= 1 && style < kDrivingStyleCustom);
    const VehicleChoiceRow& row = FindChoiceRow(kCmdDrivingStyleFirst + style - 1);
    const CFloatPtSpec& peakRpm = m_powerCurve.PeakPowerRpm();
    const bool hasPeak = peakRpm.IsSet();
    const float peak = peakRpm.GetValue();
    // Rpms from the style stay within the power table when it can tell.
    const bool hasTable = m_powerCurve.IsValid();
    const float tableTop = hasTable ? m_powerCurve.GetMaxRpm() : 0.0f;
    const auto withinTable = [hasTable, tableTop](float rpm) {
        return hasTable ? std::min(rpm, tableTop) : rpm;
    };

    m_redline.Clear();
    m_shiftTime.Clear();
    m_rollout.Clear();
    m_launchRpm.Clear();
    for (CFloatPtSpec& shift : m_shiftRpm) shift.Clear();

    // A value beyond a field's limits (a peak above about 12600 rpm without
    // a table to limit it) leaves the field unset.
    if (hasPeak) StoreIfInRange(m_redline, withinTable(peak * (1.0f + row.values[kStyleRedlineFactor])));
    if (m_couplingType.IsSet()) {
        if (m_couplingType.GetValue() == kCouplingClutch) {
            if (hasPeak)
                StoreIfInRange(m_launchRpm, withinTable(peak * row.values[kStyleLaunchFactor]));
            SetBaseValue(m_shiftTime, row.values[kStyleShiftTime]);
        } else if (m_converterStall.IsSet()) {
            StoreIfInRange(m_launchRpm, m_converterStall.GetValue());
        }
    }
    if (m_gearCount.IsSet() && hasPeak) {
        const int shifts = std::min(m_gearCount.GetValue(), kShiftFieldCount);
        for (int k = 0; k < shifts; ++k)
            StoreIfInRange(m_shiftRpm[k], withinTable(peak * (1.0f + row.values[kStyleShiftFactor])));
    }
    SetBaseValue(m_rollout, row.values[kStyleRollout]);
    SetUnits(units_);
}

bool CQuilletDoc::CheckRpmAgainstCurve() const {
    if (!m_powerCurve.IsValid()) return true;
    const float top = m_powerCurve.GetMaxRpm();
    const auto above = [top](const CFloatPtSpec& rpm) { return rpm.IsSet() && rpm.GetValue() > top; };
    if (above(m_redline) || above(m_launchRpm)) return false;
    return std::none_of(std::begin(m_shiftRpm), std::end(m_shiftRpm), above);
}

// ---------------------------------------------------------------- Views

void CQuilletDoc::SetTableView(int slot, CView* view) {
    APP_ASSERT(slot == 2 || slot == 3);
    tableViews_[slot - 2] = view;
}

CView* CQuilletDoc::GetTableView(int slot) const {
    APP_ASSERT(slot == 2 || slot == 3);
    return tableViews_[slot - 2];
}

void CQuilletDoc::RegisterChartView(CQuilletChartViewLink* view) {
    APP_ASSERT(view != nullptr);
    for (CQuilletChartViewLink*& slot : chartViews_) {
        if (slot == nullptr) {
            slot = view;
            return;
        }
    }
    AssertionFailure(kAssertModule, __LINE__);  // a fourth chart view
}

void CQuilletDoc::UnregisterChartView(CQuilletChartViewLink* view) {
    for (CQuilletChartViewLink*& slot : chartViews_) {
        if (slot == view) slot = nullptr;
    }
}

int CQuilletDoc::GetChartViewPlace(const CQuilletChartViewLink* view) const {
    for (int place = 0; place < 3; ++place)
        if (view != nullptr && chartViews_[place] == view) return place;
    return -1;
}

CQuilletChartViewLink* CQuilletDoc::GetChartView(int place) const {
    APP_ASSERT(place >= 0 && place < 3);
    return chartViews_[place];
}

void CQuilletDoc::RefreshAllViews() {
    UpdateAllViews(nullptr, 0);
    QuilletDocHost().PostToMainFrame(kMsgRepaintTimeSlip, 0);
}

// ------------------------------------------------------------- Commands

BOOL CQuilletDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return FALSE;
    g_lastCreated = this;
    return TRUE;
}

void CQuilletDoc::OnRun() {
    RunSimulation(true, true);
    RefreshAllViews();
}

void CQuilletDoc::OnAutoRun() { autoRun_ = !autoRun_; }

void CQuilletDoc::OnUpdateAutoRun(CCmdUI* cmdUI) { cmdUI->SetCheck(autoRun_ ? 1 : 0); }

void CQuilletDoc::OnEighthMile() {
    SetRaceLength(660);
    RunSimulation(false, true);
    RefreshAllViews();
}

void CQuilletDoc::OnQuarterMile() {
    SetRaceLength(1320);
    RunSimulation(false, true);
    RefreshAllViews();
}

void CQuilletDoc::OnUpdateEighthMile(CCmdUI* cmdUI) { cmdUI->SetCheck(raceLength_ == 660); }

void CQuilletDoc::OnUpdateQuarterMile(CCmdUI* cmdUI) { cmdUI->SetCheck(raceLength_ == 1320); }

void CQuilletDoc::OnUnitsEnglish() {
    SetUnits(0);
    RefreshAllViews();
}

void CQuilletDoc::OnUnitsMetric() {
    SetUnits(1);
    RefreshAllViews();
}

void CQuilletDoc::OnUpdateUnitsEnglish(CCmdUI* cmdUI) { cmdUI->SetCheck(units_ == 0); }

void CQuilletDoc::OnUpdateUnitsMetric(CCmdUI* cmdUI) { cmdUI->SetCheck(units_ == 1); }

void CQuilletDoc::OnClearComponents() {
    ClearVehicle();
    SetUnits(units_);
    SetModifiedFlag(FALSE);
    RefreshAllViews();
    POSITION position = GetFirstViewPosition();
    while (position != nullptr) GetNextView(position)->Invalidate();
}

void CQuilletDoc::OnFilePrint() {
    APP_ASSERT(formView_ != nullptr);
    formView_->DoFilePrint();
}

void CQuilletDoc::OnFilePrintPreview() {
    APP_ASSERT(formView_ != nullptr);
    formView_->DoFilePrintPreview();
}

void CQuilletDoc::OnIterator() { QuilletDocHost().PostToMainFrame(WM_COMMAND, kCmdIteratorNoOp); }

void CQuilletDoc::OnExportFile() { SimInterfaceExportFile(this); }

// --------------------------------------------------------- Document list

bool QuilletDocIsValid(const CQuilletDoc* doc) {
    if (doc == nullptr || !AfxIsValidAddress(doc, sizeof(CQuilletDoc))) return false;
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return false;
    POSITION templates = app->GetFirstDocTemplatePosition();
    if (templates == nullptr) return false;
    const CDocTemplate* docTemplate = app->GetNextDocTemplate(templates);
    POSITION position = docTemplate->GetFirstDocPosition();
    while (position != nullptr) {
        const CDocument* open = docTemplate->GetNextDoc(position);
        APP_ASSERT(open->IsKindOf(RUNTIME_CLASS(CQuilletDoc)));
        if (open == doc) return true;
    }
    return false;
}

bool QuilletDocIsOpen(const CQuilletDoc* doc, int serial) {
    APP_ASSERT(serial != 0);
    return QuilletDocIsValid(doc) && doc->GetSerial() == serial;
}

CQuilletDoc* QuilletDocGetLastCreated() { return g_lastCreated; }

}  // namespace quillet

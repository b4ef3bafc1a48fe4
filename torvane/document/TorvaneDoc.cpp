#include "torvane/document/TorvaneDoc.h"

#include <cfloat>

#include "common/DocumentSerial.h"
#include "torvane/document/ComponentMenuTable.h"
#include "torvane/document/Iterator.h"
#include "torvane/services/ErrCode.h"
#include "torvane/services/TorvaneProfile.h"
#include "torvane/services/TorvaneShellServices.h"

namespace torvane {

static const char kAssertModule[] = "TorvaneDoc.cpp";

IMPLEMENT_DYNCREATE(CTorvaneDoc, CDocument)

namespace {

// Every field of each kind, for clearing, copying and switching units.
CPartTypeSpec CTorvaneDoc::*const kPartTypeFields[] = {
    &CTorvaneDoc::shortBlockType, &CTorvaneDoc::cylinderHeadType,    &CTorvaneDoc::manifoldType,
    &CTorvaneDoc::fuelType,       &CTorvaneDoc::forcedInductionType, &CTorvaneDoc::exhaustSystem,
};
CIntegerSpec CTorvaneDoc::*const kIntegerFields[] = {
    &CTorvaneDoc::cylinders,
    &CTorvaneDoc::intakeValvesPerCylinder,
    &CTorvaneDoc::exhaustValvesPerCylinder,
};
CFileSpec CTorvaneDoc::*const kFileFields[] = {&CTorvaneDoc::airflowFile,
                                               &CTorvaneDoc::camDataFile};
CFloatPtSpec CTorvaneDoc::*const kFloatFields[] = {
    &CTorvaneDoc::bore,
    &CTorvaneDoc::stroke,
    &CTorvaneDoc::cylinderVolume,
    &CTorvaneDoc::totalBlockVolume,
    &CTorvaneDoc::intakeValveDiameter,
    &CTorvaneDoc::exhaustValveDiameter,
    &CTorvaneDoc::compressionRatio,
    &CTorvaneDoc::combustionSpace,
    &CTorvaneDoc::inductionFlow,
    &CTorvaneDoc::pressureDrop,
    &CTorvaneDoc::nitrousFlowRate,
    &CTorvaneDoc::blowerFlowRate,
    &CTorvaneDoc::blowerPressureRatio,
    &CTorvaneDoc::blowerEfficiency,
    &CTorvaneDoc::blowerRpm,
    &CTorvaneDoc::blowerSurgeFlowRate,
    &CTorvaneDoc::blowerInternalGearRatio,
    &CTorvaneDoc::blowerBeltGearRatio,
    &CTorvaneDoc::blowerBoostLimit,
    &CTorvaneDoc::intercoolerEfficiency,
    &CTorvaneDoc::chamberVolume,
    &CTorvaneDoc::gasketBore,
    &CTorvaneDoc::gasketThickness,
    &CTorvaneDoc::pistonDistance,
    &CTorvaneDoc::pistonDeckVolume,
    &CTorvaneDoc::gasketVolume,
    &CTorvaneDoc::deckVolume,
};
// The compression-ratio calculator's fields.
CFloatPtSpec CTorvaneDoc::*const kCompressionCalculatorFields[] = {
    &CTorvaneDoc::chamberVolume,  &CTorvaneDoc::gasketBore,       &CTorvaneDoc::gasketThickness,
    &CTorvaneDoc::pistonDistance, &CTorvaneDoc::pistonDeckVolume, &CTorvaneDoc::gasketVolume,
    &CTorvaneDoc::deckVolume,
};

// Curves that CopyEngineTo carries over (the first six in storage order:
// speed, power, torque, manifold pressure, volumetric efficiency, BMEP).
const int kCopiedCurveCount = 6;

CTorvaneDoc* g_lastCreated = nullptr;

}  // namespace

CTorvaneDoc::CTorvaneDoc()
    : shortBlockType("Short Block Type", 1, 205),
      bore("Bore", kUnitInch, 2.0f, 7.0f, kUnitMm, 25.4f),
      stroke("Stroke", kUnitInch, 1.5f, 7.0f, kUnitMm, 25.4f),
      cylinders("Number of Cylinders", 1, 12),
      cylinderVolume("Cylinder Volume", kUnitCc, 1.0f, 4415.0f, kUnitCc, 1.0f),
      totalBlockVolume("Total Block Volume", kUnitCubicInch, 1.0f, 5000.0f, kUnitCc, 16.38706f),
      cylinderHeadType("Cylinder Head Type", 1, 17),
      airflowFile("Airflow File"),
      intakeValvesPerCylinder("Number of Intake Valves per Cylinder", 1, 3),
      exhaustValvesPerCylinder("Number of Exhaust Valves per Cylinder", 1, 3),
      intakeValveDiameter("Intake Valve Diameter", kUnitInch, 0.75f, 4.0f, kUnitMm, 25.4f),
      exhaustValveDiameter("Exhaust Valve Diameter", kUnitInch, 0.5f, 3.25f, kUnitMm, 25.4f),
      compressionRatio("Compression Ratio", kUnitRatio, 6.0f, 18.0f, kUnitRatio, 1.0f),
      combustionSpace("Combustion Space", kUnitCc, 0.1f, 5000.0f, kUnitCc, 1.0f),
      inductionFlow("Induction Flow", kUnitCfm, 100.0f, 4000.0f, kUnitCfm, 1.0f),
      pressureDrop("Pressure Drop", kUnitInHg, 1.5f, 3.0f, kUnitInHg, 1.0f),
      manifoldType("Manifold Type", 1, 11),
      fuelType("Fuel Type", 1, 21),
      nitrousFlowRate("Nitrous Flow Rate", kUnitLbsPerMin, 0.0f, 20.0f, kUnitLbsPerMin, 1.0f),
      forcedInductionType("Forced Induction Type", 1, 71),
      blowerFlowRate("Blower Flow Rate", kUnitCfm, 0.1f, 1000.0f, kUnitCfm, 1.0f),
      blowerPressureRatio("Blower Pressure Ratio", kUnitRatio, 0.1f, 10.0f, kUnitRatio, 1.0f),
      blowerEfficiency("Blower Efficiency", kUnitPercent, 0.0f, 100.0f, kUnitPercent, 1.0f),
      blowerRpm("Blower RPM", kUnitRpm, 1000.0f, 100000.0f, kUnitRpm, 1.0f),
      blowerSurgeFlowRate("Blower Surge Flow Rate", kUnitCfm, 10.0f, 1000.0f, kUnitCfm, 1.0f),
      blowerInternalGearRatio("Blower Internal Gear Ratio", kUnitRatio, 0.1f, 10.0f, kUnitRatio,
                              1.0f),
      blowerBeltGearRatio("Blower Belt Gear Ratio", kUnitRatio, 0.1f, 10.0f, kUnitRatio, 1.0f),
      blowerBoostLimit("Blower Boost Level Limit", kUnitPsi, 0.5f, 80.0f, kUnitPsi, 1.0f),
      intercoolerEfficiency("Intercooler Efficiency", kUnitPercent, 0.0f, 150.0f, kUnitPercent,
                            1.0f),
      exhaustSystem("Exhaust System", 1, 7),
      camDataFile("Cam Data File"),
      chamberVolume("Cylinder Head Chamber Volume", kUnitCc, 0.1f, 500.0f, kUnitCc, 1.0f),
      // The bore limits widened by 1 in on each side.
      gasketBore("Head Gasket Bore Diameter", kUnitInch, 1.0f, 8.0f, kUnitMm, 25.4f),
      gasketThickness("Head Gasket Compressed Thickness", kUnitInch, 0.0f, 0.15f, kUnitMm, 25.4f),
      pistonDistance("Piston Distance", kUnitInch, -0.5f, 2.0f, kUnitMm, 25.4f),
      pistonDeckVolume("Piston to Block Deck Volume", kUnitCc, 0.1f, 6000.0f, kUnitCc, 1.0f),
      gasketVolume("Head Gasket Volume", kUnitCc, -100000.0f, FLT_MAX, kUnitCc, 1.0f),
      deckVolume("Deck Volume", kUnitCc, -100000.0f, FLT_MAX, kUnitCc, 1.0f),
      notes("Notes"),
      serial_(NextDocumentSerial()) {
    TorvaneDocCheckComponentRanges();
    ClearEngine();
}

CTorvaneDoc::~CTorvaneDoc() {
    DeleteIterators();
    if (g_lastCreated == this) g_lastCreated = nullptr;
    CWnd* mainFrame = AfxGetMainWnd();
    if (formViewEntered_ && mainFrame != nullptr)
        mainFrame->PostMessage(kMsgDocumentClosing, reinterpret_cast<WPARAM>(this));
}

void CTorvaneDoc::ClearEngine() {
    for (auto field : kPartTypeFields) (this->*field).Clear();
    for (auto field : kIntegerFields) (this->*field).Clear();
    for (auto field : kFileFields) (this->*field).Clear();
    for (auto field : kFloatFields) (this->*field).Clear();
    notes.Clear();
    headFlow.Reset();
    cam.Clear();
    ClearCompressionCalculator();
    forcedInductionType.SetType(kForcedInductionNone,
                                TorvaneDocGetComponentName(kCmdForcedInductionNone));
    forcedInductionKind_ = 0;
    ResetBlowerFields(kBlowerFieldCount);
    SetUnitsMode(0);
    autoValveSizes_ = false;
    autoRun_ = true;
    ClearResults();
    DeleteIterators();
    sweepResultsInvalidated_ = true;
    ApplyFuelRow(kCmdFuelGasoline);
}

void CTorvaneDoc::ResetBlowerFields(int count) {
    CFloatPtSpec* const blowerFields[kBlowerFieldCount] = {
        &blowerFlowRate,      &blowerPressureRatio, &blowerEfficiency,
        &blowerRpm,           &blowerSurgeFlowRate, &blowerInternalGearRatio,
        &blowerBeltGearRatio, &blowerBoostLimit,    &intercoolerEfficiency,
    };
    APP_ASSERT(count >= 0 && count <= kBlowerFieldCount);
    for (int i = 0; i < count; ++i) blowerFields[i]->ResetToMin();
}

void CTorvaneDoc::CopyEngineTo(CTorvaneDoc& other) const {
    APP_ASSERT(&other != this);
    other.SetTitle(GetTitle());
    for (auto field : kPartTypeFields) other.*field = this->*field;
    for (auto field : kIntegerFields) other.*field = this->*field;
    for (auto field : kFileFields) other.*field = this->*field;
    for (auto field : kFloatFields) other.*field = this->*field;
    other.notes = notes;
    other.headFlow = headFlow;
    other.cam = cam;
    other.compressionCalculatorUsed_ = compressionCalculatorUsed_;
    other.pistonMethod_ = pistonMethod_;
    other.forcedInductionKind_ = forcedInductionKind_;
    other.ClearResults();
    for (int curve = 0; curve < kCopiedCurveCount; ++curve)
        for (int point = 0; point < kResultPointCount; ++point)
            other.results_[curve][point] = results_[curve][point];
    other.unitsMode_ = unitsMode_;
    other.autoValveSizes_ = autoValveSizes_;
    other.autoRun_ = autoRun_;
}

bool CTorvaneDoc::ConfirmSpecChange(const CSimSpec& field) {
    bool invalidateSweep = false;
    if (coarseIterator_ != nullptr && coarseIterator_->HasResults() && !sweepResultsInvalidated_) {
        if (ErrCodeAskConfirm(205) != IDOK) return false;
        invalidateSweep = true;
    }
    const bool blockDimension = &field == &bore || &field == &stroke;
    if (compressionCalculatorUsed_ && (blockDimension || &field == &compressionRatio)) {
        if (ErrCodeAskConfirm(blockDimension ? 203 : 202) != IDOK) return false;
        ClearCompressionCalculator();
    }
    if (invalidateSweep) sweepResultsInvalidated_ = true;
    return true;
}

BOOL CTorvaneDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return FALSE;
    g_lastCreated = this;
    return TRUE;
}

void CTorvaneDoc::ClearAutoCalcFlags() {
    autoValveSizes_ = false;
    cam.SetAutoValveLift(false);
    cam.SetMoreAccurateRampRate(false);
}

void CTorvaneDoc::SetPistonMethod(int method) {
    APP_ASSERT(method == 1 || method == 2);
    pistonMethod_ = method;
    pistonDistance.SetLimits(method == 1 ? 0.1f : -0.5f, 2.0f);
}

void CTorvaneDoc::ClearCompressionCalculator() {
    compressionCalculatorUsed_ = false;
    SetPistonMethod(2);
    for (auto field : kCompressionCalculatorFields) (this->*field).Clear();
}

void CTorvaneDoc::CreateIterators() {
    if (coarseIterator_ != nullptr) return;
    coarseIterator_ = new CIterator;
    fineIterator_ = new CIterator;
    sweepResultsInvalidated_ = true;
}

void CTorvaneDoc::DeleteIterators() {
    for (CIterator** sweep : {&coarseIterator_, &fineIterator_}) {
        // The application must not go on opening the results of a deleted sweep.
        if (*sweep != nullptr && GetBestResultsIterator() == *sweep) ClearBestResultsIterator();
        delete *sweep;
        *sweep = nullptr;
    }
}

CView* CTorvaneDoc::GetViewPointer(DocViewSlot slot) const {
    APP_ASSERT(slot >= 0 && slot < kViewSlotCount);
    return views_[slot];
}

void CTorvaneDoc::SetViewPointer(DocViewSlot slot, CView* view) {
    APP_ASSERT(slot >= 0 && slot < kViewSlotCount);
    views_[slot] = view;
    if (slot == kFormViewSlot && view != nullptr) formViewEntered_ = true;
}

void CTorvaneDoc::OnChangedViewList() {
    // The window of a view that left may be gone already: no command may
    // reach it through its slot. The views of another window take the free
    // slots when they next show the document, which the main frame asks of
    // the active document once the closing window is gone.
    bool freed = false;
    for (CView*& view : views_) {
        if (view == nullptr) continue;
        bool present = false;
        for (POSITION at = GetFirstViewPosition(); at != nullptr && !present;) present = GetNextView(at) == view;
        if (!present) {
            view = nullptr;
            freed = true;
        }
    }
    CWnd* mainFrame = AfxGetMainWnd();
    if (freed && GetFirstViewPosition() != nullptr && mainFrame != nullptr)
        mainFrame->PostMessage(kMsgDocumentClosing, reinterpret_cast<WPARAM>(this));
    CDocument::OnChangedViewList();
}

void CTorvaneDoc::SetUnitsMode(int mode) {
    APP_ASSERT(mode == 0 || mode == 1);
    unitsMode_ = mode;
    for (auto field : kFloatFields) (this->*field).SetUnitSystem(mode == 0);
    headFlow.SetUnits(mode);
    cam.SetUnits(mode);
}

// ---------------------------------------------------------------- commands

BEGIN_MESSAGE_MAP(CTorvaneDoc, CDocument)
ON_COMMAND_RANGE(kCmdShortBlockFirst, kCmdShortBlockLast, OnShortBlock)
ON_COMMAND_RANGE(kCmdCylinderHeadFirst, kCmdCylinderHeadLast, OnCylinderHead)
ON_COMMAND_RANGE(kCmdIntakeValveDiameterFirst, kCmdIntakeValveDiameterLast, OnIntakeValveDiameter)
ON_COMMAND_RANGE(kCmdExhaustValveDiameterFirst, kCmdExhaustValveDiameterLast,
                 OnExhaustValveDiameter)
ON_COMMAND_RANGE(kCmdIntakeValveLiftFirst, kCmdIntakeValveLiftLast, OnIntakeValveLift)
ON_COMMAND_RANGE(kCmdExhaustValveLiftFirst, kCmdExhaustValveLiftLast, OnExhaustValveLift)
ON_COMMAND_RANGE(kCmdCompressionRatioFirst, kCmdCompressionRatioLast, OnCompressionRatio)
ON_COMMAND_RANGE(kCmdInductionFirst, kCmdInductionLast, OnInduction)
ON_COMMAND_RANGE(kCmdManifoldFirst, kCmdManifoldLast, OnManifold)
ON_COMMAND_RANGE(kCmdForcedInductionFirst, kCmdForcedInductionLast, OnForcedInduction)
ON_COMMAND_RANGE(kCmdIntercoolerFirst, kCmdIntercoolerLast, OnIntercooler)
ON_COMMAND_RANGE(kCmdFuelFirst, kCmdFuelLast, OnFuel)
ON_COMMAND_RANGE(kCmdExhaustFirst, kCmdExhaustLast, OnExhaust)
ON_COMMAND_RANGE(kCmdCamTypeFirst, kCmdCamTypeLast, OnCamType)
ON_COMMAND_RANGE(kCmdTimingMethodFirst, kCmdTimingMethodLast, OnTimingMethod)
ON_COMMAND_RANGE(kCmdLifterTypeFirst, kCmdLifterTypeLast, OnLifterType)
ON_COMMAND_RANGE(kCmdRampRateFirst, kCmdRampRateLast, OnRampRate)
ON_COMMAND_RANGE(kCmdCamAdvanceFirst, kCmdCamAdvanceLast, OnCamAdvance)
ON_COMMAND_RANGE(kCmdIntakeValvesOne, kCmdExhaustValvesTwo, OnValvesPerCylinder)
ON_COMMAND_RANGE(kCmdPressureDrop15, kCmdPressureDrop30, OnPressureDropChoice)
ON_COMMAND(kCmdRun, OnRun)
ON_COMMAND(kCmdClearComponents, OnClearComponents)
ON_COMMAND(kCmdUnitsEnglish, OnUnitsEnglish)
ON_COMMAND(kCmdUnitsMetric, OnUnitsMetric)
ON_UPDATE_COMMAND_UI(kCmdUnitsEnglish, OnUpdateUnitsEnglish)
ON_UPDATE_COMMAND_UI(kCmdUnitsMetric, OnUpdateUnitsMetric)
ON_COMMAND_RANGE(ID_FILE_PRINT, ID_FILE_PRINT, OnPrintCommand)
ON_COMMAND_RANGE(ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_PREVIEW, OnPrintCommand)
ON_COMMAND(kCmdAutoValveSizes, OnAutoValveSizes)
ON_COMMAND(kCmdAutoValveLift, OnAutoValveLift)
ON_COMMAND(kCmdAutoCamAccurate, OnAutoCamAccurate)
ON_COMMAND(kCmdAutoRun, OnAutoRun)
ON_COMMAND(kCmdCamManager, OnCamDialog)
ON_COMMAND(kCmdCamMath, OnCamMath)
ON_UPDATE_COMMAND_UI(kCmdAutoRun, OnUpdateAutoRun)
ON_COMMAND(kCmdExportOlderPrograms, OnExportOlderPrograms)
ON_COMMAND(kCmdExportGame, OnExportGameFile)
ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
ON_COMMAND(kCmdAirflowFileOpen, OnAirflowFileOpen)
ON_COMMAND(kCmdAirflowFileSave, OnAirflowFileSave)
ON_COMMAND(kCmdCamFileOpen, OnCamFileOpen)
ON_COMMAND(kCmdCamFileSave, OnCamFileSave)
ON_COMMAND(kCmdSweep, OnSweep)
ON_COMMAND(kCmdQuickIterator, OnQuickIterator)
ON_UPDATE_COMMAND_UI(kCmdQuickIterator, OnUpdateQuickIterator)
END_MESSAGE_MAP()

void CTorvaneDoc::OnPrintCommand(UINT id) {
    if (CView* form = GetViewPointer(kFormViewSlot)) form->SendMessage(WM_COMMAND, id);
}

void CTorvaneDoc::OnRun() {
    RunSimulation(true, true);
    UpdateAllViews(nullptr);
}

void CTorvaneDoc::OnClearComponents() {
    const int shownMode = unitsMode_;
    ClearEngine();
    SetUnitsMode(shownMode);
    SetModifiedFlag(FALSE);
    UpdateAllViews(nullptr);
    POSITION position = GetFirstViewPosition();
    while (position != nullptr) {
        CView* view = GetNextView(position);
        if (view->GetSafeHwnd() == nullptr) continue;
        view->Invalidate();
        view->UpdateWindow();
    }
}

void CTorvaneDoc::UnitsCommand(int mode) {
    SetUnitsMode(mode);
    UpdateAllViews(nullptr);
}

void CTorvaneDoc::OnUnitsEnglish() {
    UnitsCommand(0);
}
void CTorvaneDoc::OnUnitsMetric() {
    UnitsCommand(1);
}
void CTorvaneDoc::OnUpdateUnitsEnglish(CCmdUI* cmdUI) {
    cmdUI->SetCheck(unitsMode_ == 0);
}
void CTorvaneDoc::OnUpdateUnitsMetric(CCmdUI* cmdUI) {
    cmdUI->SetCheck(unitsMode_ == 1);
}

// ------------------------------------------------------- document registry

CTorvaneDoc* TorvaneDocGetLastCreated() {
    return g_lastCreated;
}

void TorvaneDocClearLastCreated() {
    g_lastCreated = nullptr;
}

bool TorvaneDocIsValid(const CTorvaneDoc* document) {
    CWinApp* app = AfxGetApp();
    if (document == nullptr || app == nullptr) return false;
    // Compares addresses only: the pointer may name a document already deleted.
    POSITION templatePosition = app->GetFirstDocTemplatePosition();
    while (templatePosition != nullptr) {
        CDocTemplate* docTemplate = app->GetNextDocTemplate(templatePosition);
        POSITION docPosition = docTemplate->GetFirstDocPosition();
        while (docPosition != nullptr) {
            CDocument* held = docTemplate->GetNextDoc(docPosition);
            if (held == document) return true;
        }
    }
    return false;
}

bool TorvaneDocIsOpen(const CTorvaneDoc* document, int serial) {
    return TorvaneDocIsValid(document) && document->GetSerial() == serial;
}

}  // namespace torvane

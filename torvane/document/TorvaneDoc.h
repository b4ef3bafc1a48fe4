// The engine document: an engine described by specification fields, the
// cylinder-head flow data and the cam, filled by typing or by component menu
// commands; validated, simulated into 16 result curves of 19 engine speeds,
// and shown by the document's views. A document works without a template,
// frame or view (the sweeps keep documents of their own).
#pragma once

#include <vector>

#include "common/SimSpec.h"
#include "common/charts/ChartSettings.h"
#include "framework/Framework.h"
#include "torvane/components/Cam.h"
#include "torvane/components/CylHeadFlow.h"
#include "torvane/results/TorvaneChartCatalogue.h"

namespace torvane {

class SimInterface;

class CIterator;

// Result curve types (the numbers every caller uses).
enum ResultCurve {
    kCurveRpm = 1,
    kCurvePower,
    kCurveTorque,
    kCurveManifoldPressure,
    kCurveVolumetricEfficiency,
    kCurveImep,
    kCurveBmep,
    kCurveFmep,
    kCurveIndicatedPower,
    kCurveFrictionPower,
    kCurvePumpingPower,
    kCurveMechanicalEfficiency,
    kCurveAirflow,
    kCurvePistonForce,
    kCurvePistonSpeed,
    kCurvePmep,
};
constexpr int kResultCurveCount = 16;
constexpr int kResultPointCount = 19;

// The views that enter themselves into the document (not owned).
enum DocViewSlot {
    kFormViewSlot,
    kResultsTableSlot1,
    kResultsTableSlot2,
    kChartViewSlot1,
    kChartViewSlot2,
    kViewSlotCount,
};

// Posted to the main frame by a document whose form view was registered,
// when the document is destroyed, and when a window of a document that has
// others closes (wParam: the document). The frame refreshes the active
// document's views.
constexpr UINT kMsgDocumentClosing = WM_USER + 109;

class CTorvaneDoc : public CDocument {
    DECLARE_DYNCREATE(CTorvaneDoc)
public:
    CTorvaneDoc();
    ~CTorvaneDoc() override;

    // ---- Fields, components and defaults ----

    // The default engine: nothing set but the fuel ("Gasoline", no nitrous);
    // forced induction "None"; English units; "Auto Run" on; no results and
    // no sweeps.
    void ClearEngine();
    // Copies the engine (title, fields, flow data, cam, switches, units and
    // the first six stored curves) into another document.
    void CopyEngineTo(CTorvaneDoc& other) const;
    // Asked before a component command or an editor changes `field`: may ask
    // the user to give up sweep results or compression-calculator data.
    // False when the user cancelled.
    bool ConfirmSpecChange(const CSimSpec& field);

    BOOL OnNewDocument() override;

    int GetSerial() const { return serial_; }
    int GetUnitsMode() const { return unitsMode_; }
    bool IsAutoValveSizes() const { return autoValveSizes_; }
    void SetAutoValveSizes(bool on) { autoValveSizes_ = on; }
    bool IsAutoValveLift() const { return cam.GetAutoValveLift(); }
    bool IsAutoCamAccurate() const { return cam.GetMoreAccurateRampRate(); }
    void ClearAutoCalcFlags();
    bool IsAutoRun() const { return autoRun_; }
    void SetAutoRun(bool on) { autoRun_ = on; }

    int GetForcedInductionKind() const { return forcedInductionKind_; }
    void SetForcedInductionKind(int kind) { forcedInductionKind_ = kind; }
    // "Compression Ratio" comes from the compression-ratio calculator.
    bool IsCompressionCalculatorUsed() const { return compressionCalculatorUsed_; }
    void SetCompressionCalculatorUsed(bool used) { compressionCalculatorUsed_ = used; }
    // 1 or 2: selects the "Piston Distance" limits.
    int GetPistonMethod() const { return pistonMethod_; }
    void SetPistonMethod(int method);
    // Flag 0, method 2, the seven calculator fields not set.
    void ClearCompressionCalculator();

    // The sweeps of this document (null until created).
    CIterator* GetCoarseIterator() const { return coarseIterator_; }
    CIterator* GetFineIterator() const { return fineIterator_; }
    // Creates both sweeps when missing (their results then count as invalidated).
    void CreateIterators();
    bool AreSweepResultsInvalidated() const { return sweepResultsInvalidated_; }
    void SetSweepResultsInvalidated(bool invalidated) { sweepResultsInvalidated_ = invalidated; }

    CView* GetViewPointer(DocViewSlot slot) const;
    void SetViewPointer(DocViewSlot slot, CView* view);

    // ---- Validation, run and results ----

    // True when the engine is complete; else false with the code of the
    // first missing value, section by section in this order.
    bool Validate(unsigned short& code) const;
    bool ValidateBlock(unsigned short& code) const;
    bool ValidateHead(unsigned short& code) const;
    bool ValidateCompression(unsigned short& code) const;
    bool ValidateInduction(unsigned short& code) const;
    bool ValidateExhaust(unsigned short& code) const;
    bool ValidateCam(unsigned short& code) const;

    // Validates, simulates in English units and stores the 16 curves; on a
    // failure the results are zero, and the validation code or error 42 is
    // shown when asked. The units mode is the same afterwards.
    bool RunSimulation(bool showValidationError, bool showRunError);
    // The same run through `sim` (its own simulation block), showing
    // nothing: on a failure `failure` holds the code RunSimulation would show
    // (the validation code or 42). Safe on a worker thread when each thread
    // has its own document and interface.
    bool RunSimulationWith(SimInterface* sim, unsigned short& failure);
    // Derived fields (volumes, automatic valve sizes and lifts, cam events
    // and ramp rate), then a run when "Auto Run" is on.
    void RecomputeDerived();
    // 0 Domestic/English, 1 Foreign/Metric: switches every field's unit.
    void SetUnitsMode(int mode);

    // Point 0..18 of each curve type, in type order.
    float GetRpmPoint(int point) const { return GetCurvePoint(kCurveRpm, point); }
    float GetPowerPoint(int point) const { return GetCurvePoint(kCurvePower, point); }
    float GetTorquePoint(int point) const { return GetCurvePoint(kCurveTorque, point); }
    float GetManifoldPressurePoint(int point) const {
        return GetCurvePoint(kCurveManifoldPressure, point);
    }
    float GetVolEffPoint(int point) const {
        return GetCurvePoint(kCurveVolumetricEfficiency, point);
    }
    float GetCurve6Point(int point) const { return GetCurvePoint(kCurveImep, point); }
    float GetBmepPoint(int point) const { return GetCurvePoint(kCurveBmep, point); }
    float GetCurve8Point(int point) const { return GetCurvePoint(kCurveFmep, point); }
    float GetCurve9Point(int point) const { return GetCurvePoint(kCurveIndicatedPower, point); }
    float GetCurve10Point(int point) const { return GetCurvePoint(kCurveFrictionPower, point); }
    float GetCurve11Point(int point) const { return GetCurvePoint(kCurvePumpingPower, point); }
    float GetCurve12Point(int point) const {
        return GetCurvePoint(kCurveMechanicalEfficiency, point);
    }
    float GetCurve13Point(int point) const { return GetCurvePoint(kCurveAirflow, point); }
    float GetCurve14Point(int point) const { return GetCurvePoint(kCurvePistonForce, point); }
    float GetCurve15Point(int point) const { return GetCurvePoint(kCurvePistonSpeed, point); }
    float GetCurve16Point(int point) const { return GetCurvePoint(kCurvePmep, point); }
    float GetCurvePoint(int type, int point) const;
    // The 19 values of a curve type 1..16.
    const float* GetCurve(int type) const;
    int GetNumRpmPoints() const { return kResultPointCount; }
    void ClearResults();
    // Power at the first speed point is above 0.
    bool HasResults() const;
    // The stored curves in storage order (types 1, 2, 3, 4, 5, 7, 9 ... 15,
    // 6, 8, 16): the order of the simulation interface's copy operations.
    float* GetStoredCurve(int storageIndex);

    // Over the speeds in [rpmFrom, rpmTo] (2000 <= from < to <= 11000), for
    // types 2..8: the largest value (0 without positive values), and the area
    // under the curve x 0.001.
    float GetPeakValue(int type, float rpmFrom, float rpmTo) const;
    float GetCurveArea(int type, float rpmFrom, float rpmTo) const;
    // The speed of the largest power (2) or torque (3) value; the first of
    // equal maxima; 2000 without positive values.
    float GetPeakRpm(int type) const;

    // ---- Engine file (.tvn) and game exports ----

    // Writes the engine file in English units; false after showing the error
    // (43 open, 44 write, 46 close). The file replaces an existing one only
    // once it is complete, and the document is never changed on the way.
    bool WriteEngineFile(const char* path);
    // Reads an engine file of version "4.05" or an older one; false after
    // showing the error, with the document as it was.
    bool ReadEngineFile(const char* path);
    BOOL OnOpenDocument(LPCSTR pathName) override;
    // Validates, asks before saving an engine without results, then writes.
    BOOL OnSaveDocument(LPCSTR pathName) override;

    // The settings of the first and the second graph; the engine file keeps
    // them, and the graph views show and edit them.
    ChartSettings& GetChartSettings(ChartViewPlace place);
    const ChartSettings& GetChartSettings(ChartViewPlace place) const;

    // The racing game's text export: checks, the save dialog and the write.
    afx_msg void OnExportGameFile();
    // Writes the .gme file (two runs of copies of the engine); false after
    // showing the error (42 run, 43, 44, 46).
    bool WriteTextExport(const char* path);

    // ---- Fields, in the order of the engine file ----
    CPartTypeSpec shortBlockType;
    CFloatPtSpec bore;
    CFloatPtSpec stroke;
    CIntegerSpec cylinders;
    CFloatPtSpec cylinderVolume;
    CFloatPtSpec totalBlockVolume;
    CPartTypeSpec cylinderHeadType;
    CFileSpec airflowFile;
    CylHeadFlow headFlow;
    CIntegerSpec intakeValvesPerCylinder;
    CIntegerSpec exhaustValvesPerCylinder;
    CFloatPtSpec intakeValveDiameter;
    CFloatPtSpec exhaustValveDiameter;
    CFloatPtSpec compressionRatio;
    CFloatPtSpec combustionSpace;
    CFloatPtSpec inductionFlow;
    CFloatPtSpec pressureDrop;
    CPartTypeSpec manifoldType;
    CPartTypeSpec fuelType;
    CFloatPtSpec nitrousFlowRate;
    CPartTypeSpec forcedInductionType;
    CFloatPtSpec blowerFlowRate;
    CFloatPtSpec blowerPressureRatio;
    CFloatPtSpec blowerEfficiency;
    CFloatPtSpec blowerRpm;
    CFloatPtSpec blowerSurgeFlowRate;
    CFloatPtSpec blowerInternalGearRatio;
    CFloatPtSpec blowerBeltGearRatio;
    CFloatPtSpec blowerBoostLimit;
    CFloatPtSpec intercoolerEfficiency;
    CPartTypeSpec exhaustSystem;
    CFileSpec camDataFile;
    Cam cam;
    // The compression-ratio calculator's fields.
    CFloatPtSpec chamberVolume;
    CFloatPtSpec gasketBore;
    CFloatPtSpec gasketThickness;
    CFloatPtSpec pistonDistance;
    CFloatPtSpec pistonDeckVolume;
    CFloatPtSpec gasketVolume;
    CFloatPtSpec deckVolume;
    CNotesSpec notes;

protected:
    // ---- Commands ----
    // Component commands, one handler per command range.
    afx_msg void OnShortBlock(UINT id);
    afx_msg void OnCylinderHead(UINT id);
    afx_msg void OnIntakeValveDiameter(UINT id);
    afx_msg void OnExhaustValveDiameter(UINT id);
    afx_msg void OnIntakeValveLift(UINT id);
    afx_msg void OnExhaustValveLift(UINT id);
    afx_msg void OnCompressionRatio(UINT id);
    afx_msg void OnInduction(UINT id);
    afx_msg void OnManifold(UINT id);
    afx_msg void OnForcedInduction(UINT id);
    afx_msg void OnIntercooler(UINT id);
    afx_msg void OnFuel(UINT id);
    afx_msg void OnExhaust(UINT id);
    afx_msg void OnCamType(UINT id);
    afx_msg void OnTimingMethod(UINT id);
    afx_msg void OnLifterType(UINT id);
    afx_msg void OnRampRate(UINT id);
    afx_msg void OnCamAdvance(UINT id);
    afx_msg void OnValvesPerCylinder(UINT id);
    afx_msg void OnPressureDropChoice(UINT id);

    afx_msg void OnRun();
    afx_msg void OnClearComponents();
    afx_msg void OnUnitsEnglish();
    afx_msg void OnUnitsMetric();
    afx_msg void OnUpdateUnitsEnglish(CCmdUI* cmdUI);
    afx_msg void OnUpdateUnitsMetric(CCmdUI* cmdUI);
    // Print and Print Preview go to the specification form, which prints
    // the engine's pages whatever view is active.
    afx_msg void OnPrintCommand(UINT id);

    afx_msg void OnAutoValveSizes();
    afx_msg void OnAutoValveLift();
    afx_msg void OnAutoCamAccurate();
    afx_msg void OnCamDialog();
    afx_msg void OnCamMath();
    afx_msg void OnAutoRun();
    afx_msg void OnUpdateAutoRun(CCmdUI* cmdUI);
    afx_msg void OnExportOlderPrograms();
    afx_msg void OnFileSaveAs();
    afx_msg void OnAirflowFileOpen();
    afx_msg void OnAirflowFileSave();
    afx_msg void OnCamFileOpen();
    afx_msg void OnCamFileSave();
    // The Zuv Oradizov and the Quick Iterator on this engine.
    afx_msg void OnSweep();
    afx_msg void OnQuickIterator();
    afx_msg void OnUpdateQuickIterator(CCmdUI* cmdUI);

    // A view that leaves the document is forgotten in its slot.
    void OnChangedViewList() override;

    DECLARE_MESSAGE_MAP()

private:
    // The blower fields in order: flow, pressure ratio, efficiency, rpm,
    // surge flow, internal and belt gear ratios (the compressor's own seven),
    // then boost limit and intercooler efficiency.
    static constexpr int kBlowerFieldCount = 9;
    static constexpr int kCompressorFieldCount = 7;
    // The first `count` blower fields to their lower limits, not set.
    void ResetBlowerFields(int count);

    // Ends a component command: the units mode again, then the open field
    // editor commits (the head commands recompute when none is open).
    void EndComponentCommand();
    void EndHeadCommand();
    template <class Component>
    void SaveComponentFile(Component& component, CFileSpec& file);
    // Ends a switch command: the open field editor commits, else the
    // document recomputes and its views show it.
    void EndSwitchCommand();
    // Asks, then stores the row's one value; false when the user cancelled.
    bool ApplyValueRow(CFloatPtSpec& field, UINT id);
    void ApplyFuelRow(UINT commandId);
    void ApplyForcedInductionRow(UINT commandId);
    void ApplyCamTypeRow(UINT commandId);
    void SetValveCountsFromFlowData();
    void WarnAboutValveCount() const;
    void DeleteIterators();
    void UnitsCommand(int mode);
    bool ValidateForcedInduction(unsigned short& code) const;
    void StoreValvesAutomatically();
    void StoreLiftsAutomatically();

    // ---- Engine file ----
    // The runs of fields the engine file holds between its other lines.
    enum EngineFileFields {
        kBlockToForcedInduction,
        kBlowerToCamFile,
        kCalculatorHead,
        kCalculatorDeck,
    };
    std::vector<CSimSpec*> FileFields(EngineFileFields run);
    void WriteFields(FILE* file, EngineFileFields run);
    void ReadFields(FILE* file, EngineFileFields run);
    // Written from an English-units copy; the first table from `firstTable`,
    // the second from this document's curves.
    void WriteEngineLines(FILE* file, int shownUnitsMode, const CTorvaneDoc& firstTable);
    void ReadEngineLines(FILE* file);
    // Makes `copy` a copy of this engine, on gasoline without nitrous when
    // asked, and runs it; false when the run failed.
    bool RunCopy(CTorvaneDoc& copy, bool onGasoline) const;
    bool HasNitrous() const;
    // Takes the curves of another document.
    void TakeResultsFrom(const CTorvaneDoc& other);

    int forcedInductionKind_ = 0;  // 0 none, 1 turbocharger, 2 centrifugal, 3 roots blower
    bool compressionCalculatorUsed_ = false;
    int pistonMethod_ = 2;
    float results_[kResultCurveCount][kResultPointCount] = {};  // storage order
    int unitsMode_ = 0;
    bool autoValveSizes_ = false;
    bool autoRun_ = true;
    CIterator* coarseIterator_ = nullptr;
    CIterator* fineIterator_ = nullptr;
    bool sweepResultsInvalidated_ = true;
    CView* views_[kViewSlotCount] = {};
    // A form view was entered once: the main frame hears when the document goes.
    bool formViewEntered_ = false;
    int serial_;
    ChartSettings chartSettings_[2] = {ChartSettings(kFirstChartView),
                                       ChartSettings(kSecondChartView)};
};

// Checks and enables the automatic-calculation switches of a choice menu
// for `document`.
void TorvaneDocPrepareChoiceMenu(const CTorvaneDoc& document, HMENU menu);

// The document OnNewDocument made last (null when cleared or none yet).
CTorvaneDoc* TorvaneDocGetLastCreated();
void TorvaneDocClearLastCreated();

// `document` is one of the documents the application's templates hold.
bool TorvaneDocIsValid(const CTorvaneDoc* document);
// ... and still the document of that serial number.
bool TorvaneDocIsOpen(const CTorvaneDoc* document, int serial);

}  // namespace torvane

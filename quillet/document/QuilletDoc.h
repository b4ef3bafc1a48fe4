// The vehicle document: one open vehicle. Every input of a run is a typed
// specification field; the engine is a power table; the last run's output
// is a CRaceResults. The document validates, runs, saves and reads itself,
// imports engines from engine files, fills itself from the preset choices
// of its popup menus and owns the two sweep engines of its iterators.
#pragma once

#include <cstdio>
#include <functional>
#include <vector>

#include "common/SimSpec.h"
#include "framework/Framework.h"
#include "quillet/document/PowerCurve.h"
#include "quillet/document/QuilletDocHost.h"
#include "quillet/document/RaceResults.h"
#include "quillet/document/TemperatureSpec.h"

namespace quillet {

struct RaceSimBlock;

class CIterator;
struct VehicleChoiceRow;

// Choice indexes the document relies on.
enum VehicleClass : int { kClassAutomobile = 1, kClassMotorcycle = 2 };
enum EngineClass : int { kEngineClassIC = 1, kEngineClassJet = 2 };
enum DriveType : int { kDriveRear = 1, kDriveFront = 2 };
enum ShiftType : int { kShiftSyncromesh = 1, kShiftPlanetary = 2, kShiftPlaceholder = 3 };
enum CouplingType : int { kCouplingClutch = 1, kCouplingPlaceholder = 9 };
constexpr int kTransmissionPlaceholder = 68;
constexpr int kTirePlaceholder = 9;
constexpr int kEngineTypeCustom = 36;
constexpr int kDrivingStyleCustom = 4;
constexpr int kGearFieldCount = 6;
constexpr int kShiftFieldCount = 5;

class CQuilletDoc : public CDocument {
    DECLARE_DYNCREATE(CQuilletDoc)

public:
    CQuilletDoc();
    ~CQuilletDoc() override;

    // ---- Fields, in the document's order (views bind to them) ----------
    CPartTypeSpec m_vehicleType;
    CPartTypeSpec m_vehicleClass;
    CFloatPtSpec m_weight;
    CFloatPtSpec m_wheelbase;
    CPartTypeSpec m_driveType;
    CFloatPtSpec m_drivingWeight;  // % of the weight on the driving wheels
    CFloatPtSpec m_frontalArea;
    CFloatPtSpec m_dragCoefficient;
    CPartTypeSpec m_engineType;
    CPartTypeSpec m_engineClass;
    CFloatPtSpec m_displacement;
    CPowerCurve m_powerCurve;
    CFloatPtSpec m_rocketThrust;
    CFloatPtSpec m_rocketWeight;
    CPartTypeSpec m_transmissionType;
    CPartTypeSpec m_shiftType;
    CIntegerSpec m_gearCount;
    CPartTypeSpec m_couplingType;
    CFloatPtSpec m_converterStall;
    CFloatPtSpec m_converterMultiplier;
    CFloatPtSpec m_converterSlippage;
    CFloatPtSpec m_gearRatio[kGearFieldCount];
    CFloatPtSpec m_rearAxleRatio;
    CFloatPtSpec m_primaryRatio;
    CPartTypeSpec m_tireType;
    CFloatPtSpec m_wheelWidth;
    CFloatPtSpec m_tractionCoefficient;
    CFloatPtSpec m_tireGrowth;
    CFloatPtSpec m_tireDiameter;
    CPartTypeSpec m_drivingStyle;
    CFloatPtSpec m_redline;
    CFloatPtSpec m_shiftTime;
    CFloatPtSpec m_rollout;
    CFloatPtSpec m_launchRpm;
    CFloatPtSpec m_shiftRpm[kShiftFieldCount];  // shift k to k+1
    CPartTypeSpec m_weather;
    CFloatPtSpec m_barometer;
    CFloatPtSpec m_humidity;
    CFloatPtSpec m_elevation;
    CFloatPtSpec m_wind;
    CTemperatureSpec m_temperature;
    CNotesSpec m_notes;

    // ---- State ------------------------------------------------------------
    // Every field cleared, default power table, class "Automobile", engine
    // class "IC Engine", drive "Rear", English units, auto-run on, results
    // cleared, iterators deleted. The race length stays.
    void ClearVehicle();
    // Copies the vehicle into another document: title, fields, power table,
    // race length, results, units and auto-run flag.
    void CopyVehicleTo(CQuilletDoc* dest) const;
    // 0: every field in its base (English) unit; 1: in its alternate unit.
    void SetUnits(int metric);
    int GetUnits() const { return units_; }
    bool IsAutoRun() const { return autoRun_; }
    void SetAutoRun(bool on) { autoRun_ = on; }
    int GetRaceLength() const { return raceLength_; }
    void SetRaceLength(int feet);  // 660 or 1320
    int GetSerial() const { return serial_; }
    bool IsJet() const;
    bool IsMotorcycle() const;
    bool HasPresetDrivingStyle() const;

    // ---- Choices of the popup menus ------------------------------------
    // The row of a command id (an absent id is a programming error).
    static const VehicleChoiceRow& FindChoiceRow(UINT commandId);
    // Checks that firstId..lastId are consecutive rows of the table.
    static void CheckChoiceRange(UINT firstId, UINT lastId);

    afx_msg void OnVehicleClassChoice(UINT id);
    afx_msg void OnEngineClassChoice(UINT id);
    afx_msg void OnDriveWheelsChoice(UINT id);
    afx_msg void OnShiftTypeChoice(UINT id);
    afx_msg void OnCouplingChoice(UINT id);
    afx_msg void OnAutomobileChoice(UINT id);
    afx_msg void OnEngineChoice(UINT id);
    afx_msg void OnJetEngineChoice(UINT id);
    afx_msg void OnManualTransChoice(UINT id);
    afx_msg void OnAutomaticTransChoice(UINT id);
    afx_msg void OnRearAxleChoice(UINT id);
    afx_msg void OnPrimaryRatioChoice(UINT id);
    afx_msg void OnTireChoice(UINT id);
    afx_msg void OnDrivingStyleChoice(UINT id);
    afx_msg void OnWeatherChoice(UINT id);

    // Number of gears and ratios from a transmission row.
    void ApplyGearSet(const VehicleChoiceRow& row);
    // Redline, shift time, rollout, launch and shift rpms from preset style
    // 1..3 and the rpm at peak power.
    void ApplyDrivingStyle(int style);
    // False when the power table validates and a set redline, launch or
    // shift rpm lies above its highest rpm.
    bool CheckRpmAgainstCurve() const;

    // ---- Validation and the run ------------------------------------------
    // Vehicle, engine, drivetrain, tyres, driving, weather; the first
    // failure leaves its code.
    bool Validate(short* code) const;
    // Validate, showing a failure's code.
    bool ValidateOrShowCode() const;
    // Validation sections (the form's panel icons); each returns 0 or its
    // first failing code.
    short ValidateVehicle() const;
    short ValidateEngine() const;
    short ValidateDrivetrain() const;
    short ValidateTires() const;
    short ValidateDriving() const;
    short ValidateWeather() const;
    // Validates, runs in English units and keeps the results; on failure
    // the results are cleared and, when asked, the code shown.
    bool RunSimulation(bool showValidationError, bool showRunError);
    // The same run on `block` (the caller's own race record), showing
    // nothing; safe on a worker thread when each thread has its own
    // document and record.
    bool RunSimulationOn(RaceSimBlock& block);
    // The barometer from the elevation (rounded to 0.01 inHg), then a run
    // when auto-run is on.
    void UpdateBarometerFromElevation();
    void RefreshAllViews();

    // ---- Results -----------------------------------------------------------
    const CRaceResults& GetResults() const { return results_; }
    CRaceResults& GetResults() { return results_; }
    const float* GetCurve(int curve) const { return results_.GetCurve(curve); }
    const float* GetStepTable(int curve) const { return results_.GetStepTable(curve); }
    int GetNumCurvePoints() const { return results_.GetNumCurvePoints(); }
    // Values at a distance past the start line, between the two samples
    // around it; all 0 before a run or beyond the last sample.
    void InterpolateAtDistance(float feet, float* time, float* speed, float* tyreSpeed,
                               float* slip, float* tyreDiameter, float* engineRpm) const;
    static float LinearInterpolate(float x0, float y0, float x1, float y1, float x);
    // Area (x 0.001) under curve 3, 4, 7 or 8 against distance between the
    // samples nearest fromFt and toFt; 0 when they cannot be told apart.
    float CurveAreaBetween(int curve, float fromFt, float toFt) const;
    void FormatBarometer(CString& out) const { m_barometer.FormatValue(out); }
    void FormatHumidity(CString& out) const { m_humidity.FormatValue(out); }
    void FormatTemperature(CString& out) const { m_temperature.FormatValue(out); }

    // ---- Typed values --------------------------------------------------
    // The edit control's commit: 0 stored, 1 the text does not parse, 2 the
    // document refused it (the user cancelled a question or a ratio broke
    // the gear order).
    int CommitEditedText(CSimSpec& field, const char* text);
    // Cross-checks a typed value against related fields with the program's
    // questions; true when a question was asked (then `changed` tells that
    // the user accepted a correction, which stored the edited field).
    bool CheckEditedValue(CSimSpec& field, const char* text, bool* changed);
    // False when the user keeps the iterator's baseline results.
    bool ConfirmBaselineChange(CSimSpec& field);

    // ---- Files ---------------------------------------------------------
    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(LPCSTR pathName) override;
    BOOL OnSaveDocument(LPCSTR pathName) override;
    bool WriteVehicleFile(const char* path);
    bool ReadVehicleFile(const char* path);
    // Takes the engine of an engine file: block name, displacement and
    // power table. On failure the code is shown and the engine unchanged.
    bool ImportEngineFile(const char* path);

    // ---- Views and iterators ---------------------------------------------
    void SetFormView(CQuilletFormViewLink* view) { formView_ = view; }
    CQuilletFormViewLink* GetFormView() const { return formView_; }
    // Slots 2 and 3 of the table views.
    void SetTableView(int slot, CView* view);
    CView* GetTableView(int slot) const;
    // Takes the first free one of the three chart-view slots.
    void RegisterChartView(CQuilletChartViewLink* view);
    void UnregisterChartView(CQuilletChartViewLink* view);
    // The slot (0..2) a chart view holds, -1 when it holds none.
    int GetChartViewPlace(const CQuilletChartViewLink* view) const;
    // The chart view in slot 0..2, or null.
    CQuilletChartViewLink* GetChartView(int place) const;
    CIterator* GetCoarseIterator() const { return coarseIterator_; }
    CIterator* GetFineIterator() const { return fineIterator_; }
    bool GetBaselineFlag() const { return baseline_; }

    // ---- Commands --------------------------------------------------------
    afx_msg void OnRun();
    afx_msg void OnAutoRun();
    afx_msg void OnUpdateAutoRun(CCmdUI* cmdUI);
    afx_msg void OnEighthMile();
    afx_msg void OnQuarterMile();
    afx_msg void OnUpdateEighthMile(CCmdUI* cmdUI);
    afx_msg void OnUpdateQuarterMile(CCmdUI* cmdUI);
    afx_msg void OnUnitsEnglish();
    afx_msg void OnUnitsMetric();
    afx_msg void OnUpdateUnitsEnglish(CCmdUI* cmdUI);
    afx_msg void OnUpdateUnitsMetric(CCmdUI* cmdUI);
    afx_msg void OnClearComponents();
    afx_msg void OnFilePrint();
    afx_msg void OnFilePrintPreview();
    afx_msg void OnQuickIterator();
    afx_msg void OnProIterator();
    afx_msg void OnIterator();
    afx_msg void OnTractionCalculator();
    afx_msg void OnUpdateTractionCalculator(CCmdUI* cmdUI);
    afx_msg void OnExportFile();
    afx_msg void OnImportEngineFile();

protected:
    DECLARE_MESSAGE_MAP()

private:
    // The run of a validated document on `block`, results stored.
    bool RunValidatedOn(RaceSimBlock& block);
    short ValidateGearOrder() const;
    // 0, or the gear-order code of gear k (0-based) with ratio x.
    short GearOrderCode(int k, float x) const;

    // Choices.
    bool ConfirmClassChange(int newClass);
    void SetVehicleClass(int vehicleClass);
    bool ConfirmEngineClassChange(int newClass);
    // A manual (syncromesh) or automatic (planetary) transmission row.
    void SetTransmission(UINT id, int shiftType);
    void SetEngineClass(int engineClass);
    // The four placeholders exist only while the engine is a jet.
    void ApplyEngineClassPlaceholders();
    // After a new engine: driving rpms against the table, placeholders,
    // driving style, then CommitEditorOrRefresh.
    void AfterEngineChange();
    void CommitOpenEditor();
    // The open field editor commits; without one, barometer and views.
    void CommitEditorOrRefresh();
    void ReapplyDrivingStyle();
    void ResetDrivingRpms();

    // The iterators' dialogs.
    void CreateIterators(bool baseline);
    void DeleteIterators();
    CIterator& ChosenIterator() const;

    // Typed values: the rpm checks of CheckEditedValue.
    bool CheckEditedRpm(CFloatPtSpec& field, float x, bool* changed, bool* cancelled);
    int ShiftIndexOf(const CSimSpec& field) const;

    // Files.
    void WriteVehicleLines(FILE* file, int savedUnits) const;
    // Reads the file's lines into this document, and into `takeSettings`
    // what makes each of `views` take its chart settings.
    void ReadVehicleLines(FILE* file, CQuilletChartViewLink* const (&views)[3],
                          std::vector<std::function<void()>>& takeSettings);
    bool ChartViewsRegistered() const;

    int raceLength_ = 1320;
    CRaceResults results_;
    int units_ = 0;
    bool autoRun_ = true;
    CIterator* coarseIterator_ = nullptr;
    CIterator* fineIterator_ = nullptr;
    bool baseline_ = true;
    CQuilletFormViewLink* formView_ = nullptr;
    CView* tableViews_[2] = {};
    CQuilletChartViewLink* chartViews_[3] = {};
    int serial_ = 0;
};

// True when `doc` is one of the documents of the application's first
// document template; `QuilletDocIsOpen` also matches its serial number.
bool QuilletDocIsValid(const CQuilletDoc* doc);
bool QuilletDocIsOpen(const CQuilletDoc* doc, int serial);
// The document that OnNewDocument made last (null when it is gone).
CQuilletDoc* QuilletDocGetLastCreated();

}  // namespace quillet

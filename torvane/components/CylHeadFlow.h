// Flow-bench data of a cylinder head: description and notes, the test
// conditions of each side and 4 to 10 points of valve lift against airflow
// for the intake and the exhaust valve. Filled from 16 built-in head presets
// or typed in; saved as a .flw file and, as the same block of 11 + 4n lines,
// inside the engine document file; prints itself as a one-page report.
#pragma once

#include <cstdio>
#include <vector>

#include "common/SimSpec.h"

class CDC;

namespace torvane {

// The test conditions and points of one valve side.
struct FlowBenchSide {
    FlowBenchSide(const char* diameterName, float minDiameter, float maxDiameter,
                  const char* pressureDropName, const char* valvesName, const char* airflowName,
                  const char* liftName);

    CFloatPtSpec testDiameter;          // in
    CFloatPtSpec pressureDrop;          // inH2O
    CIntegerSpec valvesPerPort;         // 1..3
    std::vector<CFloatPtSpec> airflow;  // 10 points, cfm
    std::vector<CFloatPtSpec> lift;     // 10 points, in
};

class CylHeadFlow {
public:
    static constexpr int kMaxPoints = 10;
    static constexpr int kMinPoints = 4;
    static constexpr int kPresetCount = 16;

    CylHeadFlow();
    CylHeadFlow(const CylHeadFlow& other) = default;
    CylHeadFlow& operator=(const CylHeadFlow& other) = default;

    // Empty texts, the default test conditions, lift 0.05 (i + 1) and flow 100
    // at every existing point.
    void Reset();

    int GetNumPoints() const { return numPoints_; }
    // 4..10 points; the points beyond are cleared.
    void SetNumPoints(int count);
    // Copies the flows of the second-to-last point into the last one.
    void FillNextPoint();
    // Continues the lifts after `index` with the step that ends at it,
    // limited to 0.01..1.5 in. False, and nothing changed, when that step is
    // not above 0 (lifts typed out of order).
    bool FillIntakeLifts(int index);
    bool FillExhaustLifts(int index);

    // Lift `index` above the one before it (codes 51 intake, 52 exhaust).
    bool ValidateIntakeLift(int index, unsigned short& code) const;
    bool ValidateExhaustLift(int index, unsigned short& code) const;
    bool ValidateIntakeLifts(unsigned short& code) const;
    bool ValidateExhaustLifts(unsigned short& code) const;
    // The first invalid item's code, in a fixed order.
    bool Validate(unsigned short& code) const;

    // 0: English units, 1: metric.
    void SetUnits(int mode);
    int GetUnits() const { return unitMode_; }

    // Texts are stored trimmed on both sides.
    void SetDescription(const char* text);
    const CString& GetDescription() const { return description_; }
    const char* GetDescriptionOrNull() const;
    void SetNotes(const char* text);
    const CString& GetNotes() const { return notes_; }

    // The valid valve counts (assertion when not valid).
    int GetIntakeValvesPerPort() const;
    int GetExhaustValvesPerPort() const;

    // The 16 stock heads (types 1..16; another type is an assertion).
    static const char* GetPresetName(int headType);
    void LoadPreset(int headType);

    // The flow block; file errors are thrown as ErrCodeException.
    void WriteBlock(FILE* file);
    void ReadBlock(FILE* file);
    // The .flw file; errors are shown by number and give false.
    bool SaveToFile(const char* path);
    bool LoadFromFile(const char* path);
    // The system file dialogs in the program's flow folder; Cancel gives
    // false and empty outputs. BrowseSave validates the data first.
    bool BrowseSave(const char* currentPath, CString& fileName, CString& fullPath) const;
    bool BrowseOpen(CString& fileName, CString& fullPath) const;

    // The one-page report, in the device context's current mapping.
    void PrintReport(CDC* dc) const;

    // The modified flag, set by the airflow dialog when the user changes the data.
    friend bool GetLeadFlag(const CylHeadFlow& flow) { return flow.modified_; }
    friend void SetLeadFlag(CylHeadFlow& flow, bool value) { flow.modified_ = value; }

    FlowBenchSide intake;
    FlowBenchSide exhaust;

private:
    bool modified_ = false;
    CString description_;
    CString notes_;
    int unitMode_ = 0;
    int numPoints_ = kMinPoints;
};

}  // namespace torvane

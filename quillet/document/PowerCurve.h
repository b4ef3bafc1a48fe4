// The engine of a piston-engine vehicle as the run sees it: a table of up to
// 26 rows of engine speed, power and torque, and the four peak values. Always
// in rpm, hp and lb-ft, whatever units the document shows.
#pragma once

#include <cstdio>

#include "common/SimSpec.h"

namespace quillet {

// Validation codes of the power table.
enum PowerCurveErrCode : unsigned short {
    kErrPeakPower = 4,
    kErrPeakPowerRpm = 5,
    kErrPeakTorque = 6,
    kErrPeakTorqueRpm = 7,
    kErrCurveRpm = 8,
    kErrCurvePower = 9,
    kErrCurveTorque = 10,
    kErrCurveRpmSpacing = 11,  // two rows less than 100 rpm apart
};

// How the table was entered.
enum PowerCurveEntryMode : int {
    kEntryPeaks = 0,   // rows synthesised from the four peaks (also a new table)
    kEntryPower = 1,   // power entered, torque computed
    kEntryTorque = 2,  // torque entered, power computed
};

constexpr int kPowerCurveMaxRows = 26;
constexpr int kPowerCurveMinRows = 2;

class CPowerCurve {
public:
    CPowerCurve();
    CPowerCurve(const CPowerCurve&) = default;
    CPowerCurve& operator=(const CPowerCurve&) = default;

    // Mode 0, peaks cleared, 10 rows at 2000, 2500 .. 6500 rpm.
    void SetDefaults();
    // Mode 0, peaks cleared, no rows.
    void Reset();
    // Clears the peaks and the power and torque of every row.
    void ClearAll();

    int GetEntryMode() const { return entryMode_; }
    void SetEntryMode(int mode) { entryMode_ = mode; }

    int GetNumPoints() const { return count_; }
    // n in 2..26; rows from n on are cleared.
    void SetNumPoints(int n);
    bool IsPointComplete(int i) const;

    // 0 for rows beyond the count; power and torque also 0 when not set.
    float GetRpm(int i) const;
    float GetPower(int i) const;
    float GetTorque(int i) const;
    float GetPeakPower() const { return peakPower_.GetValue(); }

    // The fields themselves, for the editor.
    CFloatPtSpec& PeakPower() { return peakPower_; }
    CFloatPtSpec& PeakPowerRpm() { return peakPowerRpm_; }
    CFloatPtSpec& PeakTorque() { return peakTorque_; }
    CFloatPtSpec& PeakTorqueRpm() { return peakTorqueRpm_; }
    const CFloatPtSpec& PeakPower() const { return peakPower_; }
    const CFloatPtSpec& PeakPowerRpm() const { return peakPowerRpm_; }
    const CFloatPtSpec& PeakTorque() const { return peakTorque_; }
    const CFloatPtSpec& PeakTorqueRpm() const { return peakTorqueRpm_; }
    CFloatPtSpec& RpmAt(int i);
    CFloatPtSpec& PowerAt(int i);
    CFloatPtSpec& TorqueAt(int i);
    const CFloatPtSpec& RpmAt(int i) const { return RowAt(i).rpm; }
    const CFloatPtSpec& PowerAt(int i) const { return RowAt(i).power; }
    const CFloatPtSpec& TorqueAt(int i) const { return RowAt(i).torque; }

    // Row i's power from its torque (or torque from its power). False, with
    // the computed field cleared, when the result lies outside its limits.
    bool ComputePowerFromTorque(int i);
    bool ComputeTorqueFromPower(int i);
    // Rows at start, start + step, ...; the computed column follows the
    // entered one. A row whose rpm would pass the limit copies the row before.
    void FillRpmSteps(float start, float step);

    // The first row of the largest power (torque); false when no row has one.
    bool FindPeakPower(float& rpm, float& power) const;
    bool FindPeakTorque(float& rpm, float& torque) const;
    void UpdatePeaksFromTable();
    // The highest rpm of the table, which must validate.
    float GetMaxRpm() const;
    // Adds a row when there is room and all three values are within limits.
    void AppendPoint(float rpm, float power, float torque);

    // The preset engine of that choice index (1..21), mode "power entered".
    void LoadPresetEngine(int engineType);
    // Rows every 500 rpm from 2000 rpm, torque from a curve through the four
    // peaks, until the torque or power leaves its limits.
    void SynthesizeFromPeaks();

    // First failure wins: peaks 4..7, then rows 8..10, then spacing 11.
    bool Validate(unsigned short* code) const;
    bool IsValid() const;

    // The table's text lines; failures throw the program's file codes.
    void WriteToFile(FILE* file) const;
    void ReadFromFile(FILE* file);

private:
    struct Row {
        Row();
        CFloatPtSpec rpm;
        CFloatPtSpec power;
        CFloatPtSpec torque;
    };

    // The first row of the largest value of a column.
    bool FindPeak(CFloatPtSpec Row::*column, float& rpm, float& value) const;
    void ClearPeaks();
    void ClearRowsFrom(int first);
    void SetPeak(CFloatPtSpec& value, CFloatPtSpec& rpm, bool found, float peak, float peakRpm);
    const Row& RowAt(int i) const;

    int entryMode_ = kEntryPeaks;
    CFloatPtSpec peakPower_;
    CFloatPtSpec peakPowerRpm_;
    CFloatPtSpec peakTorque_;
    CFloatPtSpec peakTorqueRpm_;
    int count_ = 0;
    Row rows_[kPowerCurveMaxRows];
};

}  // namespace quillet

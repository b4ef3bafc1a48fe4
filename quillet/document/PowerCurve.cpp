#include "quillet/document/PowerCurve.h"

#include <cmath>

#include "common/ErrCodeException.h"
#include "common/Util.h"
#include "quillet/services/ErrCode.h"
#include "quillet/services/QuilletProfile.h"

namespace quillet {

static const char kAssertModule[] = "PowerCurve.cpp";

namespace {

const float kMinRpm = 1.0f, kMaxRpm = 14500.0f;
const float kMinPower = 1.0f, kMaxPower = 7000.0f;
const float kMinTorque = 1.0f, kMaxTorque = 5000.0f;

const int kDefaultRows = 10;
const float kTableStartRpm = 2000.0f;
const float kTableRpmStep = 500.0f;
const float kMinRowSpacing = 100.0f;  // rpm between neighbouring rows

// hp = lb-ft x rpm x this, and lb-ft = hp x 5252 / rpm.
const double kPowerPerTorqueRpm = 0.00019040366;
const float kTorquePowerConstant = 5252.0f;

// Power in hp every 500 rpm from 2000 rpm; an engine ends at its first 0.
const int kPresetPoints = 19;
struct PresetEngineCurve {
    int engineType;
    float power[kPresetPoints];
};

// Seven engines, each as street (1..7), track (8..14) and race (15..21).
const PresetEngineCurve kPresetEngineCurveTable[] = {
    {1, {48, 60, 75, 85, 92, 93, 88, 78, 62, 45, 24, 3}},
    {2, {73, 103, 129, 148, 162, 170, 167, 157, 140, 115, 81, 38}},
    {3, {149, 188, 227, 256, 271, 263, 241, 212, 170, 123, 67, 11}},
    {4, {94, 133, 166, 191, 210, 220, 216, 203, 181, 149, 105, 50}},
    {5, {129, 171, 204, 231, 250, 244, 226, 193, 146, 82}},
    {6, {149, 211, 263, 301, 325, 330, 324, 305, 272, 223, 158, 75}},
    {7, {169, 238, 297, 343, 378, 400, 393, 370, 329, 270, 191, 91}},
    {8, {35, 53, 72, 91, 109, 124, 137, 145, 150, 148, 144, 135, 123, 108, 88, 63, 34}},
    {9, {66, 84, 103, 133, 168, 206, 243, 276, 302, 326, 338, 347, 342, 322, 280, 200, 150}},
    {10, {96, 145, 198, 251, 300, 343, 376, 396, 400, 396, 383, 361, 329, 287, 233, 168, 91}},
    {11, {77, 116, 158, 201, 240, 274, 302, 325, 340, 337, 326, 307, 280, 244, 198, 143, 77}},
    {12, {105, 160, 218, 276, 330, 377, 414, 439, 450, 445, 431, 406, 370, 323, 263, 189, 102}},
    {13, {120, 181, 247, 313, 375, 428, 471, 503, 520, 515, 498, 469, 428, 373, 303, 219, 118}},
    {14, {139, 210, 287, 364, 435, 497, 546, 582, 600, 594, 575, 542, 494, 430, 350, 252, 136}},
    {15, {33, 51, 71, 93, 116, 139, 161, 182, 200, 215, 225, 230, 228, 224, 216, 204, 189}},
    {16, {59, 92, 130, 172, 215, 260, 304, 346, 386, 421, 449, 470, 480, 477, 469, 454, 433}},
    {17, {105, 162, 226, 293, 362, 428, 490, 545, 590, 626, 650, 645, 630, 604, 567, 517, 455}},
    {18, {75, 116, 163, 213, 266, 318, 369, 416, 457, 490, 512, 520, 517, 506, 488, 462, 428}},
    {19, {121, 187, 260, 338, 417, 494, 566, 628, 678, 710, 720, 715, 698, 669, 628, 573, 504}},
    {20, {141, 218, 304, 395, 487, 577, 660, 733, 793, 836, 860, 854, 834, 799, 750, 684, 602}},
    {21, {164, 274, 342, 389, 471, 584, 696, 802, 893, 978, 1046, 1135, 1178, 1174, 1098, 1005, 975}},
};

const PresetEngineCurve* FindPresetEngineCurve(int engineType) {
    for (const PresetEngineCurve& curve : kPresetEngineCurveTable) {
        if (curve.engineType == engineType) return &curve;
    }
    return nullptr;
}

[[noreturn]] void ThrowFileCode(unsigned short code) { throw ErrCodeException(code); }

// Stores a value read from a file. 0 is what the writer puts for a value
// that is not set, so it reads back as not set; anything else out of the
// limits is a damaged file.
void StoreReadValue(CFloatPtSpec& field, float value) {
    if (value == 0.0f) {
        field.Clear();
        return;
    }
    if (!field.IsInRange(value)) ThrowFileCode(kErrFileValue);
    field.SetValue(value);
}

float ValueOrZero(const CFloatPtSpec& field) { return field.IsSet() ? field.GetValue() : 0.0f; }

}  // namespace

CPowerCurve::Row::Row()
    : rpm("Engine RPM", kUnitRpm, kMinRpm, kMaxRpm, kUnitRpm, 1.0f),
      power("Engine Horsepower", kUnitHorsepower, kMinPower, kMaxPower, kUnitHorsepower, 1.0f),
      torque("Engine Torque", kUnitLbFt, kMinTorque, kMaxTorque, kUnitLbFt, 1.0f) {}

CPowerCurve::CPowerCurve()
    : peakPower_("Engine Peak Horsepower", kUnitHorsepower, kMinPower, kMaxPower, kUnitHorsepower,
                 1.0f),
      peakPowerRpm_("RPM at Peak Power", kUnitRpm, kMinRpm, kMaxRpm, kUnitRpm, 1.0f),
      peakTorque_("Engine Peak Torque", kUnitLbFt, kMinTorque, kMaxTorque, kUnitLbFt, 1.0f),
      peakTorqueRpm_("RPM at Peak Torque", kUnitRpm, kMinRpm, kMaxRpm, kUnitRpm, 1.0f) {
    SetDefaults();
}

void CPowerCurve::SetDefaults() {
    Reset();
    count_ = kDefaultRows;
    for (int i = 0; i < kDefaultRows; ++i) rows_[i].rpm.SetValue(kTableStartRpm + kTableRpmStep * i);
}

void CPowerCurve::Reset() {
    entryMode_ = kEntryPeaks;
    ClearPeaks();
    count_ = 0;
    ClearRowsFrom(0);
}

void CPowerCurve::ClearAll() {
    ClearPeaks();
    for (Row& row : rows_) {
        row.power.Clear();
        row.torque.Clear();
    }
}

void CPowerCurve::ClearPeaks() {
    peakPower_.Clear();
    peakPowerRpm_.Clear();
    peakTorque_.Clear();
    peakTorqueRpm_.Clear();
}

void CPowerCurve::ClearRowsFrom(int first) {
    for (int i = first; i < kPowerCurveMaxRows; ++i) {
        rows_[i].rpm.Clear();
        rows_[i].power.Clear();
        rows_[i].torque.Clear();
    }
}

void CPowerCurve::SetNumPoints(int n) {
    APP_ASSERT(n >= kPowerCurveMinRows && n <= kPowerCurveMaxRows);
    count_ = n;
    ClearRowsFrom(n);
}

const CPowerCurve::Row& CPowerCurve::RowAt(int i) const {
    APP_ASSERT(i >= 0 && i < kPowerCurveMaxRows);
    return rows_[i];
}

CFloatPtSpec& CPowerCurve::RpmAt(int i) { return const_cast<Row&>(RowAt(i)).rpm; }
CFloatPtSpec& CPowerCurve::PowerAt(int i) { return const_cast<Row&>(RowAt(i)).power; }
CFloatPtSpec& CPowerCurve::TorqueAt(int i) { return const_cast<Row&>(RowAt(i)).torque; }

bool CPowerCurve::IsPointComplete(int i) const {
    const Row& row = RowAt(i);
    return i < count_ && row.rpm.IsSet() && row.power.IsSet() && row.torque.IsSet();
}

float CPowerCurve::GetRpm(int i) const {
    const Row& row = RowAt(i);
    return i < count_ ? row.rpm.GetValue() : 0.0f;
}

float CPowerCurve::GetPower(int i) const {
    const Row& row = RowAt(i);
    return i < count_ ? ValueOrZero(row.power) : 0.0f;
}

float CPowerCurve::GetTorque(int i) const {
    const Row& row = RowAt(i);
    return i < count_ ? ValueOrZero(row.torque) : 0.0f;
}

bool CPowerCurve::ComputePowerFromTorque(int i) {
    Row& row = const_cast<Row&>(RowAt(i));
    APP_ASSERT(i < count_ && row.rpm.IsSet() && row.torque.IsSet());
    const float power =
        static_cast<float>(row.torque.GetValue() * row.rpm.GetValue() * kPowerPerTorqueRpm);
    if (!row.power.IsInRange(power)) {
        row.power.Clear();
        return false;
    }
    row.power.SetValue(power);
    return true;
}

bool CPowerCurve::ComputeTorqueFromPower(int i) {
    Row& row = const_cast<Row&>(RowAt(i));
    APP_ASSERT(i < count_ && row.rpm.IsSet() && row.power.IsSet());
    const float torque = row.power.GetValue() * kTorquePowerConstant / row.rpm.GetValue();
    if (!row.torque.IsInRange(torque)) {
        row.torque.Clear();
        return false;
    }
    row.torque.SetValue(torque);
    return true;
}

void CPowerCurve::FillRpmSteps(float start, float step) {
    APP_ASSERT(entryMode_ == kEntryPower || entryMode_ == kEntryTorque);
    APP_ASSERT(rows_[0].rpm.IsInRange(start) && rows_[0].rpm.IsInRange(step));
    for (int i = 0; i < count_; ++i) {
        Row& row = rows_[i];
        const float rpm = start + static_cast<float>(i) * step;
        if (!row.rpm.IsInRange(rpm)) {
            if (i > 0) row = rows_[i - 1];
            continue;
        }
        row.rpm.SetValue(rpm);
        if (entryMode_ == kEntryPower && row.power.IsSet()) ComputeTorqueFromPower(i);
        if (entryMode_ == kEntryTorque && row.torque.IsSet()) ComputePowerFromTorque(i);
    }
}

bool CPowerCurve::FindPeak(CFloatPtSpec Row::*column, float& rpm, float& value) const {
    APP_ASSERT(count_ >= 1);
    bool found = false;
    float best = 0.0f;
    for (int i = 0; i < count_; ++i) {
        const Row& row = rows_[i];
        const CFloatPtSpec& field = row.*column;
        if (row.rpm.IsSet() && field.IsSet() && field.GetValue() > best) {
            best = field.GetValue();
            rpm = row.rpm.GetValue();
            value = best;
            found = true;
        }
    }
    return found;
}

bool CPowerCurve::FindPeakPower(float& rpm, float& power) const {
    return FindPeak(&Row::power, rpm, power);
}

bool CPowerCurve::FindPeakTorque(float& rpm, float& torque) const {
    return FindPeak(&Row::torque, rpm, torque);
}

void CPowerCurve::SetPeak(CFloatPtSpec& value, CFloatPtSpec& rpm, bool found, float peak,
                          float peakRpm) {
    if (found) {
        value.SetValue(peak);
        rpm.SetValue(peakRpm);
    } else {
        value.Clear();
        rpm.Clear();
    }
}

void CPowerCurve::UpdatePeaksFromTable() {
    float rpm = 0.0f, value = 0.0f;
    bool found = FindPeakPower(rpm, value);
    SetPeak(peakPower_, peakPowerRpm_, found, value, rpm);
    found = FindPeakTorque(rpm, value);
    SetPeak(peakTorque_, peakTorqueRpm_, found, value, rpm);
}

float CPowerCurve::GetMaxRpm() const {
    APP_ASSERT(IsValid());
    float highest = 0.0f;
    for (int i = 0; i < count_; ++i) {
        if (rows_[i].rpm.GetValue() > highest) highest = rows_[i].rpm.GetValue();
    }
    return highest;
}

void CPowerCurve::AppendPoint(float rpm, float power, float torque) {
    if (count_ >= kPowerCurveMaxRows) return;
    Row& row = rows_[count_];
    if (!row.rpm.IsInRange(rpm) || !row.power.IsInRange(power) || !row.torque.IsInRange(torque))
        return;
    row.rpm.SetValue(rpm);
    row.power.SetValue(power);
    row.torque.SetValue(torque);
    ++count_;
}

void CPowerCurve::LoadPresetEngine(int engineType) {
    const PresetEngineCurve* preset = FindPresetEngineCurve(engineType);
    APP_ASSERT(preset != nullptr);
    SetDefaults();
    count_ = 0;
    float rpm = kTableStartRpm;
    for (float power : preset->power) {
        if (!(power > 0.0f)) break;
        Row& row = rows_[count_++];
        row.power.SetValue(power);
        row.rpm.SetValue(rpm);
        row.torque.SetValue(power * kTorquePowerConstant / rpm);
        rpm += kTableRpmStep;
    }
    APP_ASSERT(count_ >= kPowerCurveMinRows && count_ <= kPowerCurveMaxRows);
    ClearRowsFrom(count_);
    entryMode_ = kEntryPower;
    UpdatePeaksFromTable();
}

void CPowerCurve::SynthesizeFromPeaks() {
    APP_ASSERT(peakPower_.IsSet() && peakPowerRpm_.IsSet() && peakTorque_.IsSet() &&
               peakTorqueRpm_.IsSet());
    const double peakPower = peakPower_.GetValue();
    const double powerRpm = peakPowerRpm_.GetValue();
    const double peakTorque = peakTorque_.GetValue();
    const double torqueRpm = peakTorqueRpm_.GetValue();
    const double k = 5252.113 * peakPower;
    const double zeroRpm = 1.75 * powerRpm;  // where the torque falls to 0

    // Below the torque peak: a parabola from 0 at 400 rpm up to the peak.
    const double a1 = -peakTorque / ((torqueRpm - 400.0) * (torqueRpm - 400.0));
    // Between the peaks: down to the torque of peak power. With both peaks at
    // one rpm this piece is that single point, the torque peak.
    const double a2 = powerRpm != torqueRpm
                          ? (k / powerRpm - peakTorque) /
                                ((powerRpm - torqueRpm) * (powerRpm - torqueRpm))
                          : 0.0;
    // Above the power peak: power flat at the peak, torque 0 at zeroRpm.
    const double b1 = k * (3.0 * powerRpm * powerRpm - zeroRpm * zeroRpm) /
                      ((powerRpm - zeroRpm) * (powerRpm - zeroRpm) * powerRpm * powerRpm);
    const double b2 = (k + powerRpm * b1 * (zeroRpm - powerRpm)) /
                      (powerRpm * powerRpm * powerRpm - zeroRpm * zeroRpm * powerRpm);
    const double b0 = -zeroRpm * zeroRpm * b2 - zeroRpm * b1;

    count_ = 0;
    ClearRowsFrom(0);
    for (int i = 0; i < kPowerCurveMaxRows; ++i) {
        const double rpm = kTableStartRpm + kTableRpmStep * i;
        double torque;
        if (rpm < torqueRpm) {
            torque = peakTorque + a1 * (rpm - torqueRpm) * (rpm - torqueRpm);
        } else if (rpm <= powerRpm) {
            torque = peakTorque + a2 * (rpm - torqueRpm) * (rpm - torqueRpm);
        } else {
            torque = b2 * rpm * rpm + b1 * rpm + b0;
        }
        if (torque < 0.0) torque = 0.0;
        double power = torque * rpm * 0.00019039955918694057;
        if (power < 0.0) power = 0.0;
        // Written so that a value that is no number stops the table too.
        if (!(torque >= kMinTorque && torque <= kMaxTorque && power >= kMinPower &&
              power <= kMaxPower))
            break;
        Row& row = rows_[count_++];
        row.rpm.SetValue(static_cast<float>(rpm));
        row.power.SetValue(static_cast<float>(power));
        row.torque.SetValue(static_cast<float>(torque));
    }
}

bool CPowerCurve::Validate(unsigned short* code) const {
    APP_ASSERT(code != nullptr);
    APP_ASSERT(peakPower_.GetUnit() == kUnitHorsepower && peakPowerRpm_.GetUnit() == kUnitRpm &&
               peakTorque_.GetUnit() == kUnitLbFt && peakTorqueRpm_.GetUnit() == kUnitRpm);
    const struct {
        const CFloatPtSpec& field;
        unsigned short code;
    } peaks[] = {{peakPower_, kErrPeakPower},
                 {peakPowerRpm_, kErrPeakPowerRpm},
                 {peakTorque_, kErrPeakTorque},
                 {peakTorqueRpm_, kErrPeakTorqueRpm}};
    for (const auto& peak : peaks) {
        if (!peak.field.IsValid()) {
            *code = peak.code;
            return false;
        }
    }
    // A table of fewer than two rows (an engine file with one usable row)
    // cannot be run: it reads as a missing rpm column.
    if (count_ < kPowerCurveMinRows || count_ > kPowerCurveMaxRows) {
        *code = kErrCurveRpm;
        return false;
    }
    for (int i = 0; i < count_; ++i) {
        const Row& row = rows_[i];
        APP_ASSERT(row.rpm.GetUnit() == kUnitRpm && row.power.GetUnit() == kUnitHorsepower &&
                   row.torque.GetUnit() == kUnitLbFt);
        if (!row.rpm.IsValid()) *code = kErrCurveRpm;
        else if (!row.power.IsValid()) *code = kErrCurvePower;
        else if (!row.torque.IsValid()) *code = kErrCurveTorque;
        else continue;
        return false;
    }
    for (int i = 1; i < count_; ++i) {
        if (rows_[i].rpm.GetValue() - rows_[i - 1].rpm.GetValue() < kMinRowSpacing) {
            *code = kErrCurveRpmSpacing;
            return false;
        }
    }
    return true;
}

bool CPowerCurve::IsValid() const {
    unsigned short code = 0;
    return Validate(&code);
}

void CPowerCurve::WriteToFile(FILE* file) const {
    APP_ASSERT(count_ >= 1);
    UtilWriteInt(file, entryMode_);
    peakPower_.WriteToFile(file);
    peakPowerRpm_.WriteToFile(file);
    peakTorque_.WriteToFile(file);
    peakTorqueRpm_.WriteToFile(file);
    UtilWriteInt(file, count_);
    for (int i = 0; i < count_; ++i) {
        UtilWriteFormat(file, "%.0f %f %f\n", static_cast<double>(ValueOrZero(rows_[i].rpm)),
                        static_cast<double>(GetPower(i)), static_cast<double>(GetTorque(i)));
    }
}

void CPowerCurve::ReadFromFile(FILE* file) {
    entryMode_ = UtilReadInt(file);
    peakPower_.ReadFromFile(file);
    peakPowerRpm_.ReadFromFile(file);
    peakTorque_.ReadFromFile(file);
    peakTorqueRpm_.ReadFromFile(file);
    const int count = UtilReadInt(file);
    if (count < kPowerCurveMinRows || count > kPowerCurveMaxRows) ThrowFileCode(kErrFileValue);
    SetNumPoints(count);
    for (int i = 0; i < count; ++i) {
        float rpm = 0.0f, power = 0.0f, torque = 0.0f;
        if (sscanf(UtilReadLine(file), "%f %f %f", &rpm, &power, &torque) != 3)
            ThrowFileCode(kErrFileRead);
        StoreReadValue(rows_[i].rpm, rpm);
        StoreReadValue(rows_[i].power, power);
        StoreReadValue(rows_[i].torque, torque);
    }
}

}  // namespace quillet

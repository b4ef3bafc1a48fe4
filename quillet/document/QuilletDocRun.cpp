// The vehicle document: validation, the run and its results, typed values
// and the tools that work on the whole vehicle.
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "common/Util.h"
#include "quillet/document/Iterator.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/document/QuilletDocFields.h"
#include "quillet/document/QuilletUtil.h"
#include "quillet/document/SimInterface.h"
#include "quillet/kernel/QuilletMath.h"
#include "quillet/services/ErrCode.h"

namespace quillet {

static const char kAssertModule[] = "QuilletDocRun.cpp";

namespace {

// A field and the code it gives when it is not valid.
struct FieldCheck {
    const CSimSpec& field;
    short code;
};

short FirstInvalid(std::initializer_list<FieldCheck> checks) {
    for (const FieldCheck& check : checks) {
        if (!check.field.IsValid()) return check.code;
    }
    return 0;
}

// Neighbouring gear ratios must differ by about 0.01 at least.
const float kMinRatioGap = 0.00999f;
// The first shift may lie at most this far below the launch rpm.
const float kLaunchToFirstShift = 300.0f;
// The redline must stay this far above the converter stall.
const float kStallToRedline = 10.0f;

const short kErrRatioTooLow = 29;   // + gear (0-based)
const short kErrRatioTooHigh = 35;  // + gear

}  // namespace

// ------------------------------------------------------------ Validation

bool CQuilletDoc::Validate(short* code) const {
    APP_ASSERT(code != nullptr);
    for (short (CQuilletDoc::*section)() const :
         {&CQuilletDoc::ValidateVehicle, &CQuilletDoc::ValidateEngine,
          &CQuilletDoc::ValidateDrivetrain, &CQuilletDoc::ValidateTires,
          &CQuilletDoc::ValidateDriving, &CQuilletDoc::ValidateWeather}) {
        const short failed = (this->*section)();
        if (failed != 0) {
            *code = failed;
            return false;
        }
    }
    APP_ASSERT(raceLength_ == 660 || raceLength_ == 1320);
    return true;
}

bool CQuilletDoc::ValidateOrShowCode() const {
    short code = 0;
    if (Validate(&code)) return true;
    ErrCodeShowError(static_cast<unsigned short>(code));
    return false;
}

short CQuilletDoc::ValidateVehicle() const {
    short code = FirstInvalid({{m_vehicleType, 41}, {m_vehicleClass, 42}, {m_weight, 43}});
    if (code == 0 && !IsJet())
        code = FirstInvalid({{m_wheelbase, 44}, {m_driveType, 45}, {m_drivingWeight, 46}});
    if (code == 0) code = FirstInvalid({{m_frontalArea, 47}, {m_dragCoefficient, 48}});
    return code;
}

short CQuilletDoc::ValidateEngine() const {
    short code = FirstInvalid({{m_engineType, 1}, {m_engineClass, 2}});
    if (code != 0) return code;
    if (IsJet()) return FirstInvalid({{m_rocketThrust, 12}, {m_rocketWeight, 13}});
    if (!m_displacement.IsValid()) return 3;
    unsigned short curveCode = 0;
    return m_powerCurve.Validate(&curveCode) ? 0 : static_cast<short>(curveCode);
}

short CQuilletDoc::ValidateDrivetrain() const {
    if (IsJet()) return 0;
    short code = FirstInvalid(
        {{m_transmissionType, 14}, {m_shiftType, 15}, {m_gearCount, 16}, {m_couplingType, 17}});
    if (code != 0) return code;
    // The jets' placeholders (or a typed coupling or shift type, which takes
    // the same index) name nothing a piston engine can run with.
    if (m_transmissionType.GetValue() == kTransmissionPlaceholder) return 14;
    if (m_shiftType.GetValue() == kShiftPlaceholder) return 15;
    if (m_couplingType.GetValue() == kCouplingPlaceholder) return 17;
    if (m_couplingType.GetValue() != kCouplingClutch) {
        code = FirstInvalid(
            {{m_converterStall, 18}, {m_converterMultiplier, 19}, {m_converterSlippage, 20}});
        if (code != 0) return code;
    }
    const int gears = m_gearCount.GetValue();
    for (int k = 0; k < gears; ++k) {
        if (!m_gearRatio[k].IsValid()) return static_cast<short>(21 + k);
    }
    code = ValidateGearOrder();
    if (code != 0) return code;
    // A motorcycle has a primary drive before the gearbox and its final
    // drive behind it, which the run takes from the rear-axle ratio.
    if (IsMotorcycle() && !m_primaryRatio.IsValid()) return 28;
    return m_rearAxleRatio.IsValid() ? 0 : 27;
}

short CQuilletDoc::ValidateGearOrder() const {
    for (int k = 0; k < m_gearCount.GetValue(); ++k) {
        const short code = GearOrderCode(k, m_gearRatio[k].GetValue());
        if (code != 0) return code;
    }
    return 0;
}

short CQuilletDoc::GearOrderCode(int k, float ratio) const {
    for (int lower = k - 1; lower >= 0; --lower) {
        if (!m_gearRatio[lower].IsValid()) continue;
        if (m_gearRatio[lower].GetValue() - ratio < kMinRatioGap)
            return static_cast<short>(kErrRatioTooHigh + k);
        break;
    }
    const int gears = m_gearCount.IsValid() ? m_gearCount.GetValue() : kGearFieldCount;
    for (int higher = k + 1; higher < gears; ++higher) {
        if (!m_gearRatio[higher].IsValid()) continue;
        if (ratio - m_gearRatio[higher].GetValue() < kMinRatioGap)
            return static_cast<short>(kErrRatioTooLow + k);
        break;
    }
    return 0;
}

short CQuilletDoc::ValidateTires() const {
    if (IsJet()) return 0;
    if (m_tireType.GetValue() == kTirePlaceholder) return 49;
    return FirstInvalid({{m_tireType, 49},
                         {m_wheelWidth, 50},
                         {m_tractionCoefficient, 51},
                         {m_tireGrowth, 52},
                         {m_tireDiameter, 53}});
}

short CQuilletDoc::ValidateDriving() const {
    if (!m_drivingStyle.IsValid()) return 54;
    const bool piston = !IsJet();
    if (piston) {
        if (!m_redline.IsValid()) return 55;
        if (m_converterStall.IsValid() &&
            m_converterStall.GetValue() + kStallToRedline > m_redline.GetValue())
            return 102;
        if (!m_couplingType.IsValid()) return 17;
        if (m_couplingType.GetValue() == kCouplingClutch && !m_shiftTime.IsValid()) return 56;
    }
    if (!m_rollout.IsValid()) return 57;
    if (!piston) return 0;

    const float redline = m_redline.GetValue();
    if (!m_launchRpm.IsValid()) return 58;
    const float launch = m_launchRpm.GetValue();
    if (redline < launch) return 104;
    if (m_converterStall.IsValid() && m_converterStall.GetValue() < launch) return 103;
    if (!m_gearCount.IsValid()) return 16;
    const int shifts = std::min(m_gearCount.GetValue() - 1, kShiftFieldCount);
    for (int k = 0; k < shifts; ++k) {
        if (!m_shiftRpm[k].IsValid()) return static_cast<short>(59 + k);
        if (redline < m_shiftRpm[k].GetValue()) return static_cast<short>(105 + k);
    }
    if (shifts > 0 && m_shiftRpm[0].GetValue() < launch - kLaunchToFirstShift) return 110;

    if (m_powerCurve.IsValid()) {
        const float top = m_powerCurve.GetMaxRpm();
        if (redline > top) return 65;
        if (launch > top) return 66;
        for (int k = 0; k < shifts; ++k) {
            if (m_shiftRpm[k].GetValue() > top) return static_cast<short>(67 + k);
        }
    }
    return 0;
}

short CQuilletDoc::ValidateWeather() const {
    if (!m_weather.IsValid()) return 72;
    const bool piston = !IsJet();
    if (piston) {
        const short code = FirstInvalid({{m_humidity, 74}, {m_elevation, 75}});
        if (code != 0) return code;
    }
    if (!m_wind.IsValid()) return 76;
    if (piston && !m_temperature.IsValid()) return 77;
    return 0;
}

// ---------------------------------------------------------------- The run

bool CQuilletDoc::RunSimulation(bool showValidationError, bool showRunError) {
    short code = 0;
    if (!Validate(&code)) {
        if (showValidationError) ErrCodeShowError(static_cast<unsigned short>(code));
        results_.Clear();
        return false;
    }
    const bool finished = RunValidatedOn(SimInterfaceGetInstance().Block());
    if (!finished && showRunError) ErrCodeShowError(kErrRunFailed);
    return finished;
}

bool CQuilletDoc::RunSimulationOn(RaceSimBlock& block) {
    short code = 0;
    if (!Validate(&code)) {
        results_.Clear();
        return false;
    }
    return RunValidatedOn(block);
}

bool CQuilletDoc::RunValidatedOn(RaceSimBlock& block) {
    const int savedUnits = units_;
    SetUnits(0);
    const bool finished = SimInterfaceRunOn(block, this);
    results_.Clear();
    if (finished) SimInterfaceCopyResultsFrom(block, results_);
    SetUnits(savedUnits);
    return finished;
}

void CQuilletDoc::UpdateBarometerFromElevation() {
    if (m_elevation.IsSet()) {
        m_elevation.ToBaseUnit();
        m_barometer.ToBaseUnit();
        const float pressure = QuilletMathBarometerFromElevation(m_elevation.GetValue());
        if (!StoreIfInRange(m_barometer, UtilRoundToDecimals(pressure, 2))) m_barometer.Clear();
    }
    if (autoRun_) RunSimulation(false, true);
    SetUnits(units_);
}

// ---------------------------------------------------------------- Results

float CQuilletDoc::LinearInterpolate(float x0, float y0, float x1, float y1, float x) {
    APP_ASSERT(x1 > x0);
    const float slope = (y1 - y0) / (x1 - x0);
    return y0 + slope * x - x0 * slope;
}

void CQuilletDoc::InterpolateAtDistance(float feet, float* time, float* speed, float* tyreSpeed,
                                        float* slip, float* tyreDiameter,
                                        float* engineRpm) const {
    APP_ASSERT(time && speed && tyreSpeed && slip && tyreDiameter && engineRpm);
    *time = *speed = *tyreSpeed = *slip = *tyreDiameter = *engineRpm = 0.0f;
    const int count = GetNumCurvePoints();
    const float* distance = GetCurve(kCurveDistance);
    for (int i = 0; i + 1 < count; ++i) {
        if (!(distance[i] <= feet && feet <= distance[i + 1])) continue;
        const auto at = [&](int curve) {
            const float* y = GetCurve(curve);
            // Two samples at one distance: nothing to interpolate between.
            if (!(distance[i + 1] > distance[i])) return y[i];
            return LinearInterpolate(distance[i], y[i], distance[i + 1], y[i + 1], feet);
        };
        *time = at(kCurveTime);
        *speed = at(kCurveSpeed);
        *tyreSpeed = at(kCurveTyreSpeed);
        *tyreDiameter = at(kCurveTyreDiameter);
        *engineRpm = at(kCurveEngineRpm);
        *slip = std::max(*tyreSpeed - *speed, 0.0f);
        return;
    }
}

float CQuilletDoc::CurveAreaBetween(int curve, float fromFt, float toFt) const {
    APP_ASSERT(curve == kCurveAcceleration || curve == kCurveSpeed || curve == kCurveTorque ||
               curve == kCurvePower);
    APP_ASSERT(fromFt >= 0.0f && toFt <= 1320.0f && fromFt < toFt);
    const int count = GetNumCurvePoints();
    const float* distance = GetCurve(kCurveDistance);
    // The nearer sample of a pair; a tie takes the later one.
    const auto nearer = [distance](int i, float feet) {
        return feet - distance[i] < distance[i + 1] - feet ? i : i + 1;
    };

    int startPair = -1;
    for (int i = 0; i + 1 < count; ++i) {
        // The first pair also takes a distance before its first sample.
        if ((i == 0 || distance[i] <= fromFt) && fromFt <= distance[i + 1]) {
            startPair = i;
            break;
        }
    }
    if (startPair < 0) return 0.0f;
    const int first = nearer(startPair, fromFt);

    int last = -1;
    for (int i = startPair + 1; i < count; ++i) {
        if (distance[i] > toFt) break;
        if (i + 1 == count) {
            last = i;  // the last sample: nothing valid lies after it
            break;
        }
        if (toFt <= distance[i + 1]) {
            last = nearer(i, toFt);
            break;
        }
    }
    if (last <= first) return 0.0f;
    return UtilCurveAreaByIndex(distance, GetCurve(curve), count, first, last) * 0.001f;
}

// ----------------------------------------------------------- Typed values

int CQuilletDoc::CommitEditedText(CSimSpec& field, const char* text) {
    APP_ASSERT(text != nullptr);
    if (!field.ParseAndSet(text, true)) return 1;
    if (!ConfirmBaselineChange(field)) return 2;
    bool changed = false;
    if (CheckEditedValue(field, text, &changed)) return changed ? 0 : 2;
    APP_ASSERT(field.ParseAndSet(text, false));
    return 0;
}

bool CQuilletDoc::CheckEditedValue(CSimSpec& field, const char* text, bool* changed) {
    APP_ASSERT(text != nullptr && changed != nullptr);
    *changed = false;
    for (int k = 0; k < kGearFieldCount; ++k) {
        if (&field != &m_gearRatio[k]) continue;
        float ratio = 0.0f;
        const short code = m_gearRatio[k].ParseNumber(text, ratio) ? GearOrderCode(k, ratio) : 0;
        if (code == 0) return false;
        ErrCodeShowError(static_cast<unsigned short>(code));
        return true;
    }

    const int shift = ShiftIndexOf(field);
    bool asked = false;
    bool cancelled = false;
    if (&field == &m_redline || &field == &m_converterStall || &field == &m_launchRpm ||
        shift >= 0) {
        CFloatPtSpec& rpmField = static_cast<CFloatPtSpec&>(field);
        float x = 0.0f;
        if (rpmField.ParseNumber(text, x)) asked = CheckEditedRpm(rpmField, x, changed, &cancelled);
    }

    // Typing a driving value makes the driving style a custom one, unless
    // the user took the edit back.
    const bool drivingField = &field == &m_redline || &field == &m_shiftTime ||
                              &field == &m_rollout || &field == &m_launchRpm || shift >= 0;
    if (drivingField && !cancelled) m_drivingStyle.SetType(kDrivingStyleCustom, "Custom");
    return asked;
}

int CQuilletDoc::ShiftIndexOf(const CSimSpec& field) const {
    for (int k = 0; k < kShiftFieldCount; ++k) {
        if (&field == &m_shiftRpm[k]) return k;
    }
    return -1;
}

bool CQuilletDoc::CheckEditedRpm(CFloatPtSpec& field, float x, bool* changed, bool* cancelled) {
    const bool hasTop = m_powerCurve.IsValid();
    const float top = hasTop ? m_powerCurve.GetMaxRpm() : 0.0f;
    bool asked = false;
    // Asks `question`; on OK stores the corrections and goes on with the
    // edited field's new value.
    const auto confirm = [&](unsigned short question,
                             std::initializer_list<std::pair<CFloatPtSpec*, float>> corrections) {
        asked = true;
        if (ErrCodeAskConfirm(question) != IDOK) {
            *cancelled = true;
            return false;
        }
        for (const auto& correction : corrections) {
            if (!StoreIfInRange(*correction.first, correction.second)) continue;
            *changed = true;
            if (correction.first == &field) x = correction.second;
        }
        return true;
    };
    const auto valid = [](const CFloatPtSpec& rpm) { return rpm.IsValid(); };

    if (&field == &m_redline) {
        if (hasTop && x > top && !confirm(215, {{&m_redline, top}})) return true;
        if (valid(m_converterStall) && m_converterStall.GetValue() + kStallToRedline >= x &&
            !confirm(208, {{&m_redline, m_converterStall.GetValue() + 2 * kStallToRedline}}))
            return true;
        float highest = valid(m_launchRpm) ? m_launchRpm.GetValue() : 0.0f;
        for (const CFloatPtSpec& shift : m_shiftRpm) {
            if (valid(shift)) highest = std::max(highest, shift.GetValue());
        }
        if (x < highest && !confirm(209, {{&m_redline, highest}})) return true;
    } else if (&field == &m_converterStall) {
        if (valid(m_redline) && !(m_redline.GetValue() - kStallToRedline > x) &&
            !confirm(210, {{&m_converterStall, x}, {&m_redline, x + 2 * kStallToRedline}}))
            return true;
        float highestShift = 0.0f;
        for (const CFloatPtSpec& shift : m_shiftRpm) {
            if (valid(shift)) highestShift = std::max(highestShift, shift.GetValue());
        }
        if (highestShift > 0.0f && x >= highestShift) ErrCodeShowWarning(kNoticeStallAboveShift);
        if (valid(m_launchRpm) && m_launchRpm.GetValue() > x &&
            !confirm(218, {{&m_converterStall, x}, {&m_launchRpm, x}}))
            return true;
    } else if (&field == &m_launchRpm) {
        if (hasTop && x > top && !confirm(216, {{&m_launchRpm, top}})) return true;
        if (valid(m_shiftRpm[0]) && x > m_shiftRpm[0].GetValue() + kLaunchToFirstShift &&
            !confirm(211, {{&m_launchRpm, m_shiftRpm[0].GetValue() + kLaunchToFirstShift}}))
            return true;
        if (valid(m_converterStall) && x > m_converterStall.GetValue() &&
            !confirm(212, {{&m_launchRpm, m_converterStall.GetValue()}}))
            return true;
        if (valid(m_redline) && m_redline.GetValue() < x &&
            !confirm(213, {{&m_launchRpm, x}, {&m_redline, x}}))
            return true;
    } else {
        if (&field == &m_shiftRpm[0] && valid(m_launchRpm) &&
            x < m_launchRpm.GetValue() - kLaunchToFirstShift &&
            !confirm(214, {{&field, m_launchRpm.GetValue() - kLaunchToFirstShift}}))
            return true;
        if (hasTop && x > top && !confirm(217, {{&field, top}})) return true;
        if (valid(m_redline) && m_redline.GetValue() < x &&
            !confirm(213, {{&field, x}, {&m_redline, x}}))
            return true;
        if (valid(m_converterStall) && m_converterStall.GetValue() >= x)
            ErrCodeShowWarning(kNoticeShiftBelowStall);
    }
    return asked;
}

bool CQuilletDoc::ConfirmBaselineChange(CSimSpec&) {
    if (coarseIterator_ == nullptr || !coarseIterator_->HasResults()) return true;
    APP_ASSERT(fineIterator_ != nullptr && coarseIterator_->GetSourceDocument() == this);
    if (!baseline_) {
        if (ErrCodeAskConfirm(219) != IDOK) return false;
        baseline_ = true;
    }
    return true;
}

// ------------------------------------------------------------------ Tools

void CQuilletDoc::CreateIterators(bool baseline) {
    if (coarseIterator_ != nullptr) return;
    coarseIterator_ = new CIterator;
    fineIterator_ = new CIterator;
    if (baseline) baseline_ = true;
}

void CQuilletDoc::DeleteIterators() {
    for (CIterator** iterator : {&coarseIterator_, &fineIterator_}) {
        if (*iterator == nullptr) continue;
        QuilletDocHost().DropBestResultsIterator(**iterator);
        delete *iterator;
        *iterator = nullptr;
    }
}

// The iterator whose results the user chose from: the fine one when it
// kept results, else the coarse one.
CIterator& CQuilletDoc::ChosenIterator() const {
    return fineIterator_->GetResultCount() > 0 ? *fineIterator_ : *coarseIterator_;
}

static int CountMarkedResults(const CIterator& iterator) {
    int marked = 0;
    for (int i = 0; i < iterator.GetResultCount(); ++i) marked += iterator.IsResultMarked(i);
    return marked;
}

void CQuilletDoc::OnQuickIterator() {
    if (!ValidateOrShowCode()) return;
    CreateIterators(false);
    if (coarseIterator_->HasResults() && ErrCodeAskConfirm(220) != IDOK) return;
    for (CIterator* iterator : {coarseIterator_, fineIterator_}) {
        iterator->Clear();
        iterator->AttachDocument(this);
        iterator->Reset();
    }
    baseline_ = false;
    if (!QuilletDocHost().RunQuickIterator(*coarseIterator_, *fineIterator_)) return;
    CIterator& chosen = ChosenIterator();
    APP_ASSERT(CountMarkedResults(chosen) == 1);
    QuilletDocHost().SetBestResultsIterator(chosen);
}

void CQuilletDoc::OnProIterator() {
    if (!ValidateOrShowCode()) return;
    CreateIterators(true);
    if (baseline_ || !coarseIterator_->HasResults()) {
        for (CIterator* iterator : {coarseIterator_, fineIterator_}) {
            iterator->AttachDocument(this);
            iterator->Reset();
        }
        baseline_ = false;
    }
    if (!QuilletDocHost().RunProIterator(*coarseIterator_, *fineIterator_)) return;
    CIterator& chosen = ChosenIterator();
    if (CountMarkedResults(chosen) > 0) QuilletDocHost().SetBestResultsIterator(chosen);
}

void CQuilletDoc::OnTractionCalculator() {
    // Traction limits only the driving tyres of a piston-engine vehicle.
    if (IsJet()) return;
    if (!ValidateOrShowCode()) return;
    if (!QuilletDocHost().RunTractionCalculator(*this)) return;
    UpdateBarometerFromElevation();
    SetModifiedFlag();
    RefreshAllViews();
}

void CQuilletDoc::OnUpdateTractionCalculator(CCmdUI* cmdUI) { cmdUI->Enable(!IsJet()); }

}  // namespace quillet

#include "torvane/components/Cam.h"

#include <algorithm>

#include "common/ErrCodeException.h"
#include "common/FieldChecks.h"
#include "common/Util.h"
#include "torvane/components/ComponentFile.h"
#include "torvane/services/ErrCode.h"
#include "torvane/services/TorvaneProfile.h"

namespace torvane {

static const char kAssertModule[] = "Cam.cpp";

namespace {

const char kSeatToSeatName[] = "Seat-To-Seat";
const char kFiftyThouName[] = "0.050-inch";
const float kInchToMm = 25.4f;

const ComponentFileKind kCamFileKind = {"cam", "Cam Data Files (*.cam)|*.cam|All Files (*.*)|*.*||",
                                        "CamFiles (.CAM)"};

// Event limits (IVO, IVC, EVO, EVC) of each timing method, in degrees.
struct EventLimits {
    float min, max;
};
const EventLimits kSeatToSeatLimits[4] = {{0, 80}, {0, 120}, {0, 125}, {0, 80}};
const EventLimits kFiftyThouLimits[4] = {{-25, 50}, {-10, 95}, {-10, 105}, {-25, 50}};

CFloatPtSpec AngleField(const char* name, float min, float max) {
    return CFloatPtSpec(name, kUnitDegree, min, max, kUnitDegree, 1.0f);
}

CFloatPtSpec DerivedAngle(const char* name) {
    return AngleField(name, -720.0f, 720.0f);
}

CFloatPtSpec LiftField(const char* name) {
    return CFloatPtSpec(name, kUnitInch, 0.2f, 1.5f, kUnitMm, kInchToMm);
}

void ApplyEventLimits(CamTimingSet& set, int method) {
    const EventLimits* limits = method == kFiftyThou ? kFiftyThouLimits : kSeatToSeatLimits;
    CFloatPtSpec* events[4] = {&set.ivo, &set.ivc, &set.evo, &set.evc};
    for (int i = 0; i < 4; ++i) events[i]->SetLimits(limits[i].min, limits[i].max);
}

void ClearEvents(CamTimingSet& set) {
    for (CFloatPtSpec* event : {&set.ivo, &set.ivc, &set.evo, &set.evc}) event->Clear();
}

void SetMethod(CamTimingSet& set, int method) {
    set.method.SetType(method, method == kFiftyThou ? kFiftyThouName : kSeatToSeatName);
}

void ClearSet(CamTimingSet& set) {
    set.method.Clear();
    ClearEvents(set);
}

void AssignEvents(CamTimingSet& set, const CFloatPtSpec& ivo, const CFloatPtSpec& ivc,
                  const CFloatPtSpec& evo, const CFloatPtSpec& evc) {
    set.ivo = ivo;
    set.ivc = ivc;
    set.evo = evo;
    set.evc = evc;
}

void WriteEvents(FILE* file, const CamTimingSet& set) {
    for (const CFloatPtSpec* event : {&set.ivo, &set.ivc, &set.evo, &set.evc}) {
        event->WriteToFile(file);
    }
}

void ReadEvents(FILE* file, CamTimingSet& set) {
    for (CFloatPtSpec* event : {&set.ivo, &set.ivc, &set.evo, &set.evc}) event->ReadFromFile(file);
}

// The events that follow a method are range-checked against its limits.
void ReadMethodAndLimits(FILE* file, CamTimingSet& set) {
    set.method.ReadFromFile(file);
    ApplyEventLimits(set, set.method.GetValue());
}

bool SetHasMethod(const CamTimingSet& set, int method) {
    return set.method.IsValid() && set.method.GetValue() == method;
}

bool AllValid(const CamTimingSet& set) {
    return set.ivo.IsValid() && set.ivc.IsValid() && set.evo.IsValid() && set.evc.IsValid();
}

// A lift in inches whatever unit the field shows.
float LiftInInches(const CFloatPtSpec& lift) {
    CFloatPtSpec inches(lift);
    inches.ToBaseUnit();
    return inches.GetValue();
}

}  // namespace

// A new set holds method index 1 and seat-to-seat limits, so that its limits
// follow its method index from the start.
CamTimingSet::CamTimingSet()
    : method("Camshaft Timing Method", kSeatToSeat, kFiftyThou),
      ivo(AngleField("Nominal Intake Valve Opening", 0, 0)),
      ivc(AngleField("Nominal Intake Valve Closing", 0, 0)),
      evo(AngleField("Nominal Exhaust Valve Opening", 0, 0)),
      evc(AngleField("Nominal Exhaust Valve Closing", 0, 0)) {
    ApplyEventLimits(*this, kSeatToSeat);
}

Cam::Cam()
    : camshaftType("Camshaft Type", 1, 7),
      lifterType("Camshaft Lifter Type", 1, 5),
      lobeCenterAngle(DerivedAngle("Lobe Center Angle")),
      valveOverlap(DerivedAngle("Valve Overlap")),
      advance(AngleField("Camshaft Advance/Retard", -15, 15)),
      intakeLift(LiftField("Intake Valve Lift")),
      exhaustLift(LiftField("Exhaust Valve Lift")),
      intakeDuration(DerivedAngle("Intake Valve Duration")),
      exhaustDuration(DerivedAngle("Exhaust Valve Duration")),
      intakeCenterline(DerivedAngle("Nominal Intake Centerline Angle")),
      exhaustCenterline(DerivedAngle("Nominal Exhaust Centerline Angle")),
      actualIvo(DerivedAngle("Actual Intake Valve Opening")),
      actualIvc(DerivedAngle("Actual Intake Valve Closing")),
      actualEvo(DerivedAngle("Actual Exhaust Valve Opening")),
      actualEvc(DerivedAngle("Actual Exhaust Valve Closing")),
      actualIntakeCenterline(DerivedAngle("Actual Intake Centerline Angle")),
      actualExhaustCenterline(DerivedAngle("Actual Exhaust Centerline Angle")),
      rampRate("Lifter Ramp Rate", kUnitNone, 1.0f, 6.0f, kUnitNone, 1.0f) {}

void Cam::Clear() {
    modified_ = false;
    CSimSpec* fields[] = {&camshaftType, &lifterType,  &advance,
                          &intakeLift,   &exhaustLift, &rampRate};
    for (CSimSpec* field : fields) field->Clear();
    ClearDerived();
    ClearSet(primary);
    ClearSet(alternate);
    advance.SetValue(0.0f);
    rampRate.SetValue(3.0f);
    autoValveLift_ = false;
    moreAccurateRampRate_ = false;
    for (CString& text : texts_) text.Empty();
}

void Cam::ClearDerived() {
    CSimSpec* fields[] = {&lobeCenterAngle,
                          &valveOverlap,
                          &intakeDuration,
                          &exhaustDuration,
                          &intakeCenterline,
                          &exhaustCenterline,
                          &actualIvo,
                          &actualIvc,
                          &actualEvo,
                          &actualEvc,
                          &actualIntakeCenterline,
                          &actualExhaustCenterline};
    for (CSimSpec* field : fields) field->Clear();
}

void Cam::SetTimingSeatToSeat() {
    SetMethod(primary, kSeatToSeat);
}

void Cam::SetTiming050Inch() {
    SetMethod(primary, kFiftyThou);
}

void Cam::SetSeatToSeatLimits() {
    ApplyEventLimits(primary, kSeatToSeat);
}

void Cam::Set050InchLimits() {
    ApplyEventLimits(primary, kFiftyThou);
}

void Cam::SetPrimaryEvents(const CFloatPtSpec& ivo, const CFloatPtSpec& ivc,
                           const CFloatPtSpec& evo, const CFloatPtSpec& evc) {
    AssignEvents(primary, ivo, ivc, evo, evc);
}

void Cam::SetNominalEvents(const CFloatPtSpec& ivo, const CFloatPtSpec& ivc,
                           const CFloatPtSpec& evo, const CFloatPtSpec& evc) {
    AssignEvents(alternate, ivo, ivc, evo, evc);
}

void Cam::SwapTimingSets() {
    std::swap(primary, alternate);
    ComputeFromEvents();
}

void Cam::SetUnits(int mode) {
    APP_ASSERT(mode == 0 || mode == 1);
    // Only the lifts have two units; every angle field is in degrees in both.
    intakeLift.SetUnitSystem(mode == 0);
    exhaustLift.SetUnitSystem(mode == 0);
    unitMode_ = mode;
}

bool Cam::ComputeFromEvents() {
    unsigned short code = 0;
    if (!ValidateEvents(code)) {
        ClearDerived();
        return false;
    }
    const float ivo = primary.ivo.GetValue(), ivc = primary.ivc.GetValue();
    const float evo = primary.evo.GetValue(), evc = primary.evc.GetValue();
    const float shift = advance.GetValue();

    const float intakeSpan = ivc + ivo + 180.0f;
    const float exhaustSpan = evc + evo + 180.0f;
    const float intakeCentre = intakeSpan * 0.5f - ivo;
    const float exhaustCentre = exhaustSpan * 0.5f - evc;
    intakeDuration.SetValue(intakeSpan);
    exhaustDuration.SetValue(exhaustSpan);
    intakeCenterline.SetValue(intakeCentre);
    exhaustCenterline.SetValue(exhaustCentre);
    lobeCenterAngle.SetValue((intakeCentre + exhaustCentre) * 0.5f);
    valveOverlap.SetValue(evc + ivo);
    actualIvo.SetValue(ivo + shift);
    actualIvc.SetValue(ivc - shift);
    actualEvo.SetValue(evo + shift);
    actualEvc.SetValue(evc - shift);
    actualIntakeCenterline.SetValue(intakeCentre - shift);
    actualExhaustCenterline.SetValue(exhaustCentre + shift);
    return true;
}

void Cam::ComputeEventsFromCenters() {
    const float lobeCentre = lobeCenterAngle.GetValue();
    const float intakeCentre = intakeCenterline.GetValue();
    const float intakeSpan = intakeDuration.GetValue();
    const float exhaustSpan = exhaustDuration.GetValue();

    const float ivo = intakeSpan * 0.5f - intakeCentre;
    const float exhaustCentre = 2.0f * lobeCentre - intakeCentre;
    const float evc = exhaustSpan * 0.5f - exhaustCentre;
    const float evo = exhaustSpan - evc - 180.0f;
    const float ivc = intakeSpan - ivo - 180.0f;
    const struct {
        CFloatPtSpec* field;
        float value;
    } results[] = {{&primary.ivo, ivo},
                   {&primary.ivc, ivc},
                   {&primary.evo, evo},
                   {&primary.evc, evc},
                   {&exhaustCenterline, exhaustCentre}};
    for (const auto& result : results) {
        if (result.field->IsInRange(result.value)) {
            result.field->SetValue(result.value);
        } else {
            result.field->Clear();
        }
    }
    if (primary.ivo.IsValid() && primary.evc.IsValid()) {
        valveOverlap.SetValue(primary.evc.GetValue() + primary.ivo.GetValue());
    }
}

bool Cam::ComputeLifterRampRate() {
    APP_ASSERT(IsComplete());
    APP_ASSERT(primary.method.GetValue() != alternate.method.GetValue());
    const CamTimingSet& seat = primary.method.GetValue() == kSeatToSeat ? primary : alternate;
    const CamTimingSet& fifty = primary.method.GetValue() == kSeatToSeat ? alternate : primary;

    // Mean widening of an event from 0.050-inch lift down to the seat.
    const float widening = ((seat.evc.GetValue() - fifty.evc.GetValue()) +
                            (seat.evo.GetValue() - fifty.evo.GetValue()) +
                            (seat.ivc.GetValue() - fifty.ivc.GetValue()) +
                            (seat.ivo.GetValue() - fifty.ivo.GetValue())) *
                           0.25f;
    const float exhaustLiftTenths = 10.0f * LiftInInches(exhaustLift);
    const float intakeLiftTenths = 10.0f * LiftInInches(intakeLift);
    const float lobeFactor = 0.005f * ((seat.evc.GetValue() + seat.evo.GetValue() + 180.0f) /
                                           (0.1f * exhaustLiftTenths * exhaustLiftTenths) +
                                       (seat.ivc.GetValue() + seat.ivo.GetValue() + 180.0f) /
                                           (0.1f * intakeLiftTenths * intakeLiftTenths));
    // Typed events may put the 0.050-inch set outside the seat-to-seat one:
    // then there is no ramp to compute, which the caller reports.
    if (!(widening > 0.0f && lobeFactor > 0.0f)) {
        rampRate.Clear();
        return false;
    }
    rampRate.SetValue(std::clamp(35.0f / (widening * lobeFactor) + 1.5f, 1.0f, 6.0f));
    return true;
}

bool Cam::IsComplete() const {
    return primary.method.IsValid() && alternate.method.IsValid() && AllValid(primary) &&
           AllValid(alternate) && intakeLift.IsValid() && exhaustLift.IsValid();
}

bool Cam::Validate(unsigned short& code) const {
    const FieldCode checks[] = {{&camshaftType, 27},   {&lifterType, 29}, {&rampRate, 105},
                                {&primary.method, 30}, {&intakeLift, 32}, {&exhaustLift, 33}};
    return FirstInvalidField(checks, code) && ValidateEvents(code);
}

bool Cam::ValidateEvents(unsigned short& code) const {
    const FieldCode checks[] = {{&primary.ivo, 34},
                                {&primary.ivc, 35},
                                {&primary.evo, 36},
                                {&primary.evc, 37},
                                {&advance, 31}};
    return FirstInvalidField(checks, code);
}

bool Cam::ValidateCenters(unsigned short& code) const {
    const FieldCode checks[] = {{&lobeCenterAngle, 39},
                                {&intakeCenterline, 38},
                                {&intakeDuration, 40},
                                {&exhaustDuration, 41}};
    return FirstInvalidField(checks, code);
}

void Cam::CopyWithTimingMethod(Cam* dest, int method) const {
    APP_ASSERT(dest != nullptr && dest != this);
    APP_ASSERT(method == kSeatToSeat || method == kFiftyThou);
    *dest = *this;
    SetMethod(dest->primary, method);
    ApplyEventLimits(dest->primary, method);
    dest->ClearDerived();
    ClearEvents(dest->primary);
    ClearSet(dest->alternate);

    const CamTimingSet* source = SetHasMethod(primary, method)     ? &primary
                                 : SetHasMethod(alternate, method) ? &alternate
                                                                   : nullptr;
    if (source == nullptr) return;
    dest->SetPrimaryEvents(source->ivo, source->ivc, source->evo, source->evc);
    unsigned short code = 0;
    if (dest->ValidateEvents(code)) dest->ComputeFromEvents();
}

void Cam::WriteBlock(FILE* file) {
    EnglishUnitsScope<Cam> english(*this);
    UtilWriteLine(file, kComponentFileVersion);
    UtilWriteInt(file, unitMode_);
    camshaftType.WriteToFile(file);
    lifterType.WriteToFile(file);
    primary.method.WriteToFile(file);
    advance.WriteToFile(file);
    intakeLift.WriteToFile(file);
    exhaustLift.WriteToFile(file);
    UtilWriteInt(file, autoValveLift_ ? 1 : 0);
    WriteEvents(file, primary);
    alternate.method.WriteToFile(file);
    WriteEvents(file, alternate);
    rampRate.WriteToFile(file);
    UtilWriteInt(file, moreAccurateRampRate_ ? 1 : 0);
    for (const CString& text : texts_) UtilWriteLine(file, text);
}

void Cam::ReadBlock(FILE* file) {
    SetUnits(0);
    const bool currentVersion = ReadComponentVersion(file, kErrCamFileVersion);
    const int fileMode = UtilReadInt(file);
    if (fileMode != 0 && fileMode != 1) throw ErrCodeException(kErrFileValue);
    camshaftType.ReadFromFile(file);
    lifterType.ReadFromFile(file);
    ReadMethodAndLimits(file, primary);
    advance.ReadFromFile(file);
    intakeLift.ReadFromFile(file);
    exhaustLift.ReadFromFile(file);
    autoValveLift_ = UtilReadInt(file) != 0;
    ReadEvents(file, primary);
    if (currentVersion) {
        ReadMethodAndLimits(file, alternate);
        ReadEvents(file, alternate);
        rampRate.ReadFromFile(file);
        moreAccurateRampRate_ = UtilReadInt(file) != 0;
        for (CString& text : texts_) text = UtilReadLine(file);
    }
    SetUnits(fileMode);
}

bool Cam::SaveToFile(const char* path) {
    return SaveComponentFile(*this, path);
}

bool Cam::LoadFromFile(const char* path) {
    return LoadComponentFile(*this, path);
}

bool Cam::BrowseSave(const char* currentPath, CString& fileName, CString& fullPath) const {
    return BrowseComponentSave(*this, kCamFileKind, currentPath, fileName, fullPath);
}

bool Cam::BrowseOpen(CString& fileName, CString& fullPath) const {
    return BrowseComponentFile(kCamFileKind, false, "*.cam", fileName, fullPath);
}

const CString& Cam::GetText(int index) const {
    APP_ASSERT(index >= 0 && index < kTextCount);
    return texts_[index];
}

void Cam::SetText(int index, const char* text) {
    APP_ASSERT(index >= 0 && index < kTextCount && text != nullptr);
    texts_[index] = text;
}

}  // namespace torvane

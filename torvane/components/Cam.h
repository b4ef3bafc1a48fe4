// The camshaft of an engine: part choices, valve lifts, advance, the valve
// events in two timing conventions (1 "Seat-To-Seat", 2 "0.050-inch"), the
// durations, centre lines and actual events derived from them, and the lifter
// ramp rate. Saved on its own as a .cam file and, as the same block of 32
// lines, inside the engine document file.
#pragma once

#include <cstdio>

#include "common/SimSpec.h"

namespace torvane {

// The timing conventions of the events.
enum CamTimingMethod { kSeatToSeat = 1, kFiftyThou = 2 };

// One event set in one timing convention (angles in degrees: IVO before top
// dead centre, IVC after bottom dead centre, EVO before bottom dead centre,
// EVC after top dead centre). The event limits always follow the method index.
struct CamTimingSet {
    CamTimingSet();
    CPartTypeSpec method;  // "Camshaft Timing Method"
    CFloatPtSpec ivo, ivc, evo, evc;
};

class Cam {
public:
    static constexpr int kTextCount = 8;

    Cam();
    Cam(const Cam& other) = default;
    Cam& operator=(const Cam& other) = default;

    // Nothing set but the advance (0) and the ramp rate (3.0); texts empty.
    void Clear();

    // The primary method, and the primary events' limits for a method.
    void SetTimingSeatToSeat();
    void SetTiming050Inch();
    void SetSeatToSeatLimits();
    void Set050InchLimits();
    // Copies four event fields into the primary or the alternate set.
    void SetPrimaryEvents(const CFloatPtSpec& ivo, const CFloatPtSpec& ivc, const CFloatPtSpec& evo,
                          const CFloatPtSpec& evc);
    void SetNominalEvents(const CFloatPtSpec& ivo, const CFloatPtSpec& ivc, const CFloatPtSpec& evo,
                          const CFloatPtSpec& evc);
    // Exchanges the primary and the alternate set, then derives again.
    void SwapTimingSets();

    // 0: lifts in inches, 1: in mm.
    void SetUnits(int mode);
    int GetUnits() const { return unitMode_; }

    // Durations, centre lines, lobe centre, overlap and actual events from the
    // primary events and the advance; cleared when the events are not valid.
    // Returns whether they are.
    bool ComputeFromEvents();
    // The primary events and the exhaust centre line from the lobe centre,
    // the intake centre line and the two durations.
    void ComputeEventsFromCenters();
    // The ramp rate from the two event sets and the lifts. Needs a complete
    // cam with one set of each method. False, and the rate cleared, when the
    // events give no ramp (the 0.050-inch set not inside the seat-to-seat one).
    bool ComputeLifterRampRate();

    // Both methods, all eight events and both lifts valid.
    bool IsComplete() const;
    // The first invalid field's error code, in a fixed order.
    bool Validate(unsigned short& code) const;
    bool ValidateEvents(unsigned short& code) const;
    bool ValidateCenters(unsigned short& code) const;

    // Makes `dest` this cam in timing method `method`, its primary events
    // taken from this cam's set of that method when it has one.
    void CopyWithTimingMethod(Cam* dest, int method) const;

    // The 32-line block (16 in versions before "4.05"); lifts always in inches.
    // File errors are thrown as ErrCodeException.
    void WriteBlock(FILE* file);
    void ReadBlock(FILE* file);
    // The .cam file; errors are shown by number and give false.
    bool SaveToFile(const char* path);
    bool LoadFromFile(const char* path);
    // The system file dialogs in the program's cam folder; Cancel gives false
    // and empty outputs. BrowseSave validates the cam first.
    bool BrowseSave(const char* currentPath, CString& fileName, CString& fullPath) const;
    bool BrowseOpen(CString& fileName, CString& fullPath) const;

    // The descriptive texts (their meaning belongs to the cam dialogs).
    const CString& GetText(int index) const;
    void SetText(int index, const char* text);

    bool GetAutoValveLift() const { return autoValveLift_; }
    void SetAutoValveLift(bool on) { autoValveLift_ = on; }
    bool GetMoreAccurateRampRate() const { return moreAccurateRampRate_; }
    void SetMoreAccurateRampRate(bool on) { moreAccurateRampRate_ = on; }

    // The modified flag, set by the dialogs when the user changes the cam.
    friend bool GetLeadFlag(const Cam& cam) { return cam.modified_; }
    friend void SetLeadFlag(Cam& cam, bool value) { cam.modified_ = value; }

    // The fields; the derived ones are written only by the Compute operations.
    CPartTypeSpec camshaftType;    // 1..7
    CPartTypeSpec lifterType;      // 1..5
    CFloatPtSpec lobeCenterAngle;  // derived
    CFloatPtSpec valveOverlap;     // derived
    CFloatPtSpec advance;          // -15..15 Deg
    CFloatPtSpec intakeLift;       // 0.2..1.5 in
    CFloatPtSpec exhaustLift;      // 0.2..1.5 in
    CFloatPtSpec intakeDuration;   // derived
    CFloatPtSpec exhaustDuration;  // derived
    CamTimingSet primary;
    CFloatPtSpec intakeCenterline;                            // derived, nominal
    CFloatPtSpec exhaustCenterline;                           // derived, nominal
    CFloatPtSpec actualIvo, actualIvc, actualEvo, actualEvc;  // derived, advance applied
    CFloatPtSpec actualIntakeCenterline, actualExhaustCenterline;
    CamTimingSet alternate;
    CFloatPtSpec rampRate;  // "Lifter Ramp Rate" 1..6

private:
    void ClearDerived();

    bool modified_ = false;
    int unitMode_ = 0;
    bool autoValveLift_ = false;
    bool moreAccurateRampRate_ = false;
    CString texts_[kTextCount];
};

}  // namespace torvane

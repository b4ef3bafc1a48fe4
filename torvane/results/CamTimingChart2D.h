// CCamTimingChart2D: a camshaft drawn as the exhaust and intake valve-lift
// curves over crank degrees (60 to 660), with dimension annotations for the
// events, durations, centre lines, lobe centre and overlap, the dead-centre
// lines and the four strokes. The owner hands it the cam whenever the cam
// changes, and calls DrawDimensions on each after-paint notification.
#pragma once

#include <memory>

#include "common/Chart2D.h"
#include "torvane/components/Cam.h"
#include "torvane/results/CamLiftProfile.h"
#include "torvane/results/Dimension.h"

namespace torvane {

class CCamTimingChart2D : public CChart2D {
    DECLARE_DYNAMIC(CCamTimingChart2D)

public:
    static constexpr int kDataPoints = 300;

    CCamTimingChart2D();
    ~CCamTimingChart2D() override;

    // The chart window over `rect` in `parent` (not null), its axes, styles
    // and the two data sets (exhaust, intake). FALSE when the window fails.
    BOOL Create(const RECT& rect, CWnd* parent);
    // Keeps `cam` (not null) and redraws both curves and the y scale from it.
    void SetCam(const Cam* cam);
    // Draws the strokes, dead-centre lines and the kept cam's annotations on
    // the DC the chart painted.
    void DrawDimensions(HDC dc);

    // The y-axis maximum and spacing for the largest valve lift (inches).
    static void YScaleFor(float largestLift, double& max, double& spacing);

    ZELDATA ExhaustData() const { return exhaustData_; }
    ZELDATA IntakeData() const { return intakeData_; }

protected:
    DECLARE_MESSAGE_MAP()

private:
    enum Annotation {
        kLobeCenter,
        kOverlap,
        kIntakeOpening,
        kIntakeClosing,
        kIntakeDuration,
        kIntakeCenterline,
        kExhaustOpening,
        kExhaustClosing,
        kExhaustDuration,
        kExhaustCenterline,
        kPowerStroke,
        kExhaustStroke,
        kIntakeStroke,
        kCompressionStroke,
        kAnnotationCount
    };

    // Fills `data` from the profile when the fields are set; returns whether
    // it did (the set is shown) or not (hidden).
    bool FillCurve(CamLiftProfile& profile, ZELDATA data, const CFloatPtSpec& opening,
                   const CFloatPtSpec& closing, float openingBase, float closingBase, float openingSign,
                   const CFloatPtSpec& lift);
    // A data-unit annotation between two x values at one height, the smaller
    // x first.
    void DrawSpan(CDC* dc, Annotation which, float value, float xa, float xb, float y);

    const Cam* cam_ = nullptr;
    CamLiftProfile exhaustProfile_;
    CamLiftProfile intakeProfile_;
    ZELDATA exhaustData_ = nullptr;
    ZELDATA intakeData_ = nullptr;
    CFont labelFont_;
    CFont annotationFont_;
    std::unique_ptr<CDimension> dimensions_[kAnnotationCount];
};

}  // namespace torvane

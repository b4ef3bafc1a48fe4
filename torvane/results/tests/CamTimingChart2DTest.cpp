// The cam timing chart: the 41-point lift profile in both timing methods,
// the y scale steps, and a real chart window fed with a cam, read back
// through the chart library and drawn with its annotations.
#include <gtest/gtest.h>

#include <cmath>

#include "WindowHelpers.h"
#include "torvane/results/CamTimingChart2D.h"
#include "torvane/services/tests/TorvaneTestProfile.h"

using testing_harness::Pixels;
using torvane::CamLiftProfile;
using torvane::CCamTimingChart2D;

namespace {

TEST(CamLiftProfileTest, SeatToSeatPointsFollowTheCosineAndTheRamp) {
    // IVO 20, IVC 52: 340 to 592 crank degrees, duration 252, step 6.3;
    // ramp 2.9 gives a ramp amplitude of -0.012.
    CamLiftProfile profile;
    profile.Set(1, 340, 592, 0.5f, 2.9f);
    profile.Generate();
    EXPECT_FLOAT_EQ(340, profile.angle[0]);
    EXPECT_FLOAT_EQ(0, profile.lift[0]);
    EXPECT_FLOAT_EQ(592, profile.angle[40]);
    EXPECT_FLOAT_EQ(0, profile.lift[40]);
    struct {
        int point;
        float angle, lift;
    } const expected[] = {{10, 403.0f, 0.238f}, {20, 466.0f, 0.5f}, {30, 529.0f, 0.238f}};
    for (const auto& e : expected) {
        EXPECT_NEAR(e.angle, profile.angle[e.point], 1e-3) << e.point;
        EXPECT_NEAR(e.lift, profile.lift[e.point], 1e-4) << e.point;
    }
}

TEST(CamLiftProfileTest, RampRateThreeAndAHalfIsAPureRaisedCosine) {
    CamLiftProfile profile;
    profile.Set(1, 340, 592, 0.5f, 3.5f);
    profile.Generate();
    for (int i = 1; i < 40; ++i)
        EXPECT_NEAR(0.5 * 0.5 * (1 - std::cos(2 * 3.14159265358979 * i / 40)), profile.lift[i], 2e-5) << i;
}

TEST(CamLiftProfileTest, FiftyThouProfileIsWidenedToPassTheEventsAtFiftyThou) {
    // Duration 230 at 0.050 in with 0.5 in lift: total 289.247, events 29.624
    // in from each end.
    CamLiftProfile profile;
    profile.Set(2, 340, 570, 0.5f, 3.5f);
    profile.Generate();
    const float total = profile.angle[40] - profile.angle[0];
    EXPECT_NEAR(289.247, total, 1e-2);
    EXPECT_NEAR(340 - 29.624, profile.angle[0], 1e-2);
    // The analytic curve is 0.050 at the events; the samples straddle them.
    for (int i = 1; i < 40; ++i) {
        if (profile.angle[i - 1] <= 340 && profile.angle[i] > 340) {
            EXPECT_LT(profile.lift[i - 1], 0.05f);
            EXPECT_GT(profile.lift[i], 0.05f);
        }
    }
    const double m = (total - 230) / 2;
    EXPECT_NEAR(0.05, 0.25 * (1 - std::cos(2 * 3.14159265358979 * m / total)), 1e-5);
}

TEST(CamTimingChartTest, TheYScaleStepsWithTheLargestLift) {
    struct {
        float lift;
        double max, spacing;
    } const rows[] = {{0, 1.0, 0.1},  {0.5f, 1.0, 0.1},  {0.7f, 1.0, 0.1},   {0.71f, 1.2, 0.1},
                      {0.85f, 1.2, 0.1}, {0.867f, 1.6, 0.2}, {1.1f, 1.6, 0.2}, {1.2f, 2.2, 0.2}};
    for (const auto& row : rows) {
        double max = 0, spacing = 0;
        CCamTimingChart2D::YScaleFor(row.lift, max, spacing);
        EXPECT_EQ(row.max, max) << row.lift;
        EXPECT_EQ(row.spacing, spacing) << row.lift;
    }
}

// The camshaft dialog's part: a window that holds the chart and draws the
// annotations after each paint.
class CamOwner : public CWnd {
public:
    CamOwner() {
        CreateEx(0, AfxRegisterWndClass(0), "Cam", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 760, 520, nullptr,
                 nullptr);
    }
    ~CamOwner() override { DestroyWindow(); }
    CCamTimingChart2D chart;
    int painted = 0;

protected:
    afx_msg LRESULT OnChartPainted(WPARAM, LPARAM lParam) {
        ++painted;
        chart.DrawDimensions(*reinterpret_cast<HDC*>(lParam));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CamOwner, CWnd)
    ON_MESSAGE(ZEL2D_PAINTED, OnChartPainted)
END_MESSAGE_MAP()

class CamChartFixture : public torvane::WithTorvaneProfile, public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(owner.chart.Create(CRect(0, 0, 740, 480), &owner));
        cam.Clear();
        cam.SetTimingSeatToSeat();
        cam.SetSeatToSeatLimits();
        cam.primary.ivo.SetValue(20);
        cam.primary.ivc.SetValue(52);
        cam.primary.evo.SetValue(56);
        cam.primary.evc.SetValue(16);
        cam.intakeLift.SetValue(0.5f);
        cam.exhaustLift.SetValue(0.48f);
        cam.rampRate.SetValue(2.9f);
        cam.ComputeFromEvents();
    }
    Pixels Paint(const char* picture) {
        const int before = owner.painted;
        owner.chart.Invalidate(FALSE);
        owner.chart.UpdateWindow();
        EXPECT_TRUE(testing_harness::PumpUntil([&] { return owner.painted > before; }, 3000));
        Pixels pixels = Pixels::FromWindow(owner.chart.m_hWnd);
        pixels.SavePng(testing_harness::TestOutputPath(std::string(picture) + ".png"));
        return pixels;
    }
    POINT At(double x, double y, int axis = 1) {
        POINT p = {-1, -1};
        ZelUnmap(owner.chart.m_chart, axis, x, y, &p);
        return p;
    }
    CamOwner owner;
    torvane::Cam cam;
};

TEST_F(CamChartFixture, BothCurvesComeFromTheProfileAndAreDrawnWithTheirAnnotations) {
    owner.chart.SetCam(&cam);
    ZELDATA intake = owner.chart.IntakeData();
    ZELDATA exhaust = owner.chart.ExhaustData();
    ASSERT_EQ(300, ZelDataGetNPoints(intake, 0));
    EXPECT_EQ(0, ZelDataGetFirstPoint(intake, 0));
    EXPECT_EQ(40, ZelDataGetLastPoint(intake, 0));
    EXPECT_EQ(ZEL2D_DISPLAY_SHOW, ZelDataGetDisplay(intake, 0));
    EXPECT_EQ(ZEL2D_DISPLAY_SHOW, ZelDataGetDisplay(exhaust, 0));
    EXPECT_EQ(exhaust, zel2d::GetValue(owner.chart.m_chart, zel2d::DATA));
    EXPECT_EQ(intake, zel2d::GetValue(owner.chart.m_chart, zel2d::DATA2));
    EXPECT_EQ(60.0, zel2d::GetValue(owner.chart.m_chart, zel2d::X_MIN));
    EXPECT_EQ(660.0, zel2d::GetValue(owner.chart.m_chart, zel2d::X_MAX));
    EXPECT_EQ(0.0, zel2d::GetValue(owner.chart.m_chart, zel2d::Y_MIN));
    EXPECT_EQ(1.0, zel2d::GetValue(owner.chart.m_chart, zel2d::Y_MAX));

    const Pixels pixels = Paint("cam-seat-to-seat");
    // The intake peak (blue) at 466 degrees, the exhaust peak (red) at 250.
    const POINT intakePeak = At(466, 0.5);
    const POINT exhaustPeak = At(250, 0.48);
    auto inkNear = [&](POINT p, unsigned rgb) {
        int count = 0;
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx) count += pixels.At(p.x + dx, p.y + dy) == rgb;
        return count;
    };
    EXPECT_GT(inkNear(intakePeak, 0x0000FF), 0);
    EXPECT_GT(inkNear(exhaustPeak, 0xFF0000), 0);
    // Dead-centre lines in light grey down the plot at 180, 360 and 540.
    for (double x : {180.0, 360.0, 540.0}) {
        const POINT p = At(x, 0.3);
        EXPECT_EQ(0xC0C0C0u, pixels.At(p.x, p.y)) << x;
    }
    // Annotation ink (black dimension lines) below the axis, under the intake
    // duration, and grey stroke names above the plot.
    const POINT bottomLeft = At(60, 0), topRight = At(660, 1.0);
    RECT below = {bottomLeft.x, bottomLeft.y + 5, topRight.x, pixels.height()};
    EXPECT_GT(pixels.Count(0x000000, &below), 100);
    RECT above = {bottomLeft.x, 0, topRight.x, topRight.y - 2};
    EXPECT_GT(pixels.Count(0x808080, &above), 50);
}

TEST_F(CamChartFixture, AMissingExhaustLiftHidesTheExhaustCurve) {
    cam.exhaustLift.Clear();
    owner.chart.SetCam(&cam);
    EXPECT_EQ(ZEL2D_DISPLAY_HIDE, ZelDataGetDisplay(owner.chart.ExhaustData(), 0));
    EXPECT_EQ(ZEL2D_DISPLAY_SHOW, ZelDataGetDisplay(owner.chart.IntakeData(), 0));
    const Pixels pixels = Paint("cam-intake-only");
    EXPECT_EQ(0, pixels.Count(0xFF0000));
}

TEST_F(CamChartFixture, FiftyThouTimingStartsTheAxisAtFiftyThouAndLargeLiftsWidenIt) {
    cam.SetTiming050Inch();
    cam.Set050InchLimits();
    cam.primary.ivo.SetValue(-2);  // an opening after top dead centre
    cam.primary.ivc.SetValue(40);
    cam.primary.evo.SetValue(46);
    cam.primary.evc.SetValue(-4);
    cam.intakeLift.SetValue(0.9f);
    cam.ComputeFromEvents();
    owner.chart.SetCam(&cam);
    EXPECT_EQ(0.05, zel2d::GetValue(owner.chart.m_chart, zel2d::Y_MIN));
    EXPECT_EQ(0.05, zel2d::GetValue(owner.chart.m_chart, zel2d::Y2_MIN));
    EXPECT_EQ(1.6, zel2d::GetValue(owner.chart.m_chart, zel2d::Y_MAX));
    EXPECT_EQ(0.2, zel2d::GetValue(owner.chart.m_chart, zel2d::Y_MAJOR_SPACING));
    // Events on the far side of their dead centre still paint.
    Paint("cam-fifty-thou");
    EXPECT_GT(owner.painted, 0);
}

TEST_F(CamChartFixture, MetricLiftsAreChartedInInches) {
    cam.SetUnits(1);  // lifts now read 12.7 and 12.19 mm
    owner.chart.SetCam(&cam);
    EXPECT_EQ(1.0, zel2d::GetValue(owner.chart.m_chart, zel2d::Y_MAX));
    // The library's own range of the intake curve: half an inch at the top.
    zel2d::SetValues(owner.chart.m_chart, zel2d::Y2_AUTO_MAX(1));
    EXPECT_LE(zel2d::GetValue(owner.chart.m_chart, zel2d::Y2_MAX), 1.0);
    EXPECT_GE(zel2d::GetValue(owner.chart.m_chart, zel2d::Y2_MAX), 0.5);
}

}  // namespace

// The sweep dialog's "Optimize For" page driven through its controls: the
// criterion on both sweeps, the refused rpm window, and the preview chart's
// axis, filled window and markers.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "torvane/document/tests/TorvaneDocTestSupport.h"
#include "torvane/res/SweepPagesResources.h"
#include "torvane/results/sweep/tests/SweepPagesTestOwner.h"

using testing_harness::ModalDriver;
using testing_harness::TextOf;
using namespace torvane;

namespace {

constexpr int kCriteriaPage = 3;

class SweepCriteriaPageTest : public TorvaneDocTest {
protected:
    SweepCriteriaPageTest() {
        BuildChevy350(engine_);
        engine_.SetAutoRun(false);
        EXPECT_TRUE(engine_.RunSimulation(true, true));
    }
    CTorvaneDoc engine_;
};

TEST_F(SweepCriteriaPageTest, CriterionGoesToBothSweepsWithItsLabelAndCurve) {
    TestSweepOwner owner(engine_);
    owner.Show(kCriteriaPage, [&](HWND dialog, HWND page) {
        ZELCHART chart = owner.criteria.GetChart().m_chart;
        ASSERT_NE(chart, nullptr);
        EXPECT_TRUE(IsChecked(page, IDC_ITO_PEAK_POWER));
        EXPECT_EQ(TextOf(page, IDC_ITO_RANGE_LABEL), "RPM Range for Peak Horsepower:");
        EXPECT_EQ(SelectedItem(page, IDC_ITO_FROM), "2500");
        EXPECT_EQ(SelectedItem(page, IDC_ITO_TO), "7000");
        EXPECT_STREQ(zel2d::GetValue(chart, zel2d::X_TITLE), "Engine Speed (RPM)");

        struct CriterionCase {
            int radio;
            int criterion;
            const char* label;
            const char* yTitle;
            bool filled;
        };
        const CriterionCase cases[] = {
            {IDC_ITO_PEAK_TORQUE, 0, "RPM Range for Peak Torque:", "Torque (lb-ft)", false},
            {IDC_ITO_TORQUE_AREA, 1, "RPM Range for Area under Torque Curve:", "Torque (lb-ft)", true},
            {IDC_ITO_POWER_AREA, 3, "RPM Range for Area under Horsepower Curve:", "Power (HP)", true},
            {IDC_ITO_PEAK_POWER, 2, "RPM Range for Peak Horsepower:", "Power (HP)", false},
        };
        for (const CriterionCase& c : cases) {
            SCOPED_TRACE(c.label);
            const int resets = owner.resets;
            ClickOn(page, c.radio);
            EXPECT_EQ(owner.resets, resets + 1);
            EXPECT_EQ(owner.coarse.GetCriterion(), c.criterion);
            EXPECT_EQ(owner.fine.GetCriterion(), c.criterion);
            EXPECT_EQ(TextOf(page, IDC_ITO_RANGE_LABEL), c.label);
            EXPECT_STREQ(zel2d::GetValue(chart, zel2d::Y_TITLE), c.yTitle);
            ZELDATA window = owner.criteria.GetChart().GetWindowData();
            EXPECT_EQ(ZelDataGetDisplay(window, 0), c.filled ? ZEL2D_DISPLAY_SHOW : ZEL2D_DISPLAY_HIDE);
            ZELDATA curve = owner.criteria.GetChart().GetCurveData();
            for (int set = 0; set < 3; ++set) EXPECT_EQ(ZelDataGetDisplay(curve, set), ZEL2D_DISPLAY_SHOW);
        }
    });
}

TEST_F(SweepCriteriaPageTest, RpmWindowIsRefusedUnlessFromIsBelowTo) {
    TestSweepOwner owner(engine_);
    owner.Show(kCriteriaPage, [&](HWND dialog, HWND page) {
        struct WindowCase {
            int list;
            const char* choice;
            bool refused;
            float from, to;
        };
        const WindowCase cases[] = {
            {IDC_ITO_FROM, "7000", true, 2500.0f, 7000.0f},
            {IDC_ITO_FROM, "9000", true, 2500.0f, 7000.0f},
            {IDC_ITO_TO, "2500", true, 2500.0f, 7000.0f},
            {IDC_ITO_FROM, "6500", false, 6500.0f, 7000.0f},
            {IDC_ITO_TO, "11000", false, 6500.0f, 11000.0f},
        };
        for (const WindowCase& c : cases) {
            SCOPED_TRACE(c.choice);
            const size_t before = ModalDriver::Instance().Boxes().size();
            if (c.refused) ModalDriver::Instance().Answer("Iterator Testing Error", IDOK);
            ChooseItem(page, c.list, c.choice);
            const auto& boxes = ModalDriver::Instance().Boxes();
            ASSERT_EQ(boxes.size(), before + (c.refused ? 1u : 0u));
            if (c.refused) {
                EXPECT_EQ(boxes.back().caption, "Iterator Testing Error");
                EXPECT_EQ(boxes.back().text,
                          "The Maximum RPM value must be larger than \nMinimum RPM value when defining the RPM range.");
            }
            float from = 0.0f, to = 0.0f;
            owner.fine.GetRpmRange(&from, &to);
            EXPECT_EQ(from, c.from);
            EXPECT_EQ(to, c.to);
            owner.coarse.GetRpmRange(&from, &to);
            EXPECT_EQ(from, c.from);
            EXPECT_EQ(to, c.to);
            EXPECT_EQ(SelectedItem(page, IDC_ITO_FROM), std::to_string(static_cast<int>(c.from)));
            EXPECT_EQ(SelectedItem(page, IDC_ITO_TO), std::to_string(static_cast<int>(c.to)));
        }
    });
}

TEST_F(SweepCriteriaPageTest, PreviewFillsTheWindowAndMarksItsEnds) {
    TestSweepOwner owner(engine_);
    owner.coarse.SetCriterion(kCriterionTorqueArea);
    owner.fine.SetCriterion(kCriterionTorqueArea);
    const float* torque = engine_.GetCurve(kCurveTorque);
    owner.Show(kCriteriaPage, [&](HWND dialog, HWND page) {
        CCriterionChart2D& chart = owner.criteria.GetChart();
        struct PreviewCase {
            const char* from;
            const char* to;
            int first, last;  // curve points inside the window
        };
        // The curve's points lie 500 rpm apart from 2000 to 11000.
        const PreviewCase cases[] = {{"2000", "11000", 0, 18}, {"3000", "5000", 2, 6}};
        for (const PreviewCase& c : cases) {
            SCOPED_TRACE(c.from);
            ChooseItem(page, IDC_ITO_TO, c.to);
            ChooseItem(page, IDC_ITO_FROM, c.from);
            ZELDATA window = chart.GetWindowData();
            ZELDATA curve = chart.GetCurveData();
            const int count = c.last - c.first + 1;
            EXPECT_EQ(ZelDataGetFirstPoint(window, 0), 0);
            EXPECT_EQ(ZelDataGetLastPoint(window, 0), count - 1);
            EXPECT_EQ(ZelDataGetLastPoint(curve, 0), 18);
            // The markers rise from the axis to the curve at both ends.
            EXPECT_DOUBLE_EQ(chart.GetFromMarkerHeight(), torque[c.first]);
            EXPECT_DOUBLE_EQ(chart.GetToMarkerHeight(), torque[c.last]);
        }
        // Both y axes share the range the whole curve set.
        EXPECT_DOUBLE_EQ(zel2d::GetValue(chart.m_chart, zel2d::Y_MAX),
                         zel2d::GetValue(chart.m_chart, zel2d::Y2_MAX));
        SavePageScreenshot(dialog, "sweep-criteria-page.png");
    });
}

}  // namespace

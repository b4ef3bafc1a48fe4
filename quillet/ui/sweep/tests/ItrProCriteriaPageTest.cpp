// The drag-race sweep dialog's "Optimize For" page in a stand-in dialog
// over a run street car, driven through its controls: the criteria on both
// sweeps, the lists' enabling, the refused distance window and the preview.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "common/ui/EmbeddedPropSheet.h"
#include "quillet/document/Iterator.h"
#include "quillet/document/tests/QuilletDocTestSupport.h"
#include "quillet/res/SweepCriteriaResources.h"
#include "quillet/services/tests/QuilletTestProfile.h"
#include "quillet/ui/QuilletChartCatalogue.h"
#include "quillet/ui/sweep/ItrProCriteriaPropPage.h"
#include "quillet/ui/sweep/tests/SweepCriteriaTestHost.h"

using testing_harness::ModalDriver;
using testing_harness::TextOf;
using namespace quillet;

namespace {

// The page in an embedded sheet of a dialog that keeps both working sweeps
// and counts what the page asks of it.
class TestCriteriaOwner : public CDialog, public CItrProPageOwner {
public:
    explicit TestCriteriaOwner(CQuilletDoc& car) : CDialog(IDD_SWEEP_CRITERIA_HOST), car_(car) {
        coarse.AttachDocument(&car);
        fine.AttachDocument(&car);
        page.SetOwner(this);
        sheet.AddPage(&page);
    }
    CIterator* GetCoarseIterator() override { return &coarse; }
    CIterator* GetFineIterator() override { return &fine; }
    CQuilletDoc* GetDocument() override { return &car_; }
    void ResetRunResults() override { ++resets; }
    void UpdateAllPages(CPropertyPage* asker) override { lastAsker = asker; }
    bool IsFinePhaseEnabled() override { return false; }
    void EnableControls(bool enable) override { page.EnableControls(enable); }
    void UpdateStatus(bool) override {}
    void UpdateValues(bool) override {}
    void UpdateOkButtonText() override {}

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        CWnd* place = GetDlgItem(IDC_SWEEP_CRITERIA_PLACE);
        CRect rect;
        place->GetWindowRect(&rect);
        ScreenToClient(&rect);
        place->DestroyWindow();
        return sheet.CreateEmbedded(this, rect) ? TRUE : FALSE;
    }
    void Show(const std::function<void(HWND dialog, HWND page)>& drive) {
        bool ran = false;
        ModalDriver::Instance().Handle("Sweep Criteria", [&](HWND window) {
            ran = true;
            ::ShowWindow(window, SW_SHOW);
            testing_harness::PumpPending();
            drive(window, page.GetSafeHwnd());
            ModalDriver::PressButton(window, IDCANCEL);
        });
        DoModal();
        ASSERT_TRUE(ran);
    }

    CIterator coarse, fine;
    CEmbeddedPropSheet sheet;
    CItrProCriteriaPropPage page;
    int resets = 0;
    CPropertyPage* lastAsker = nullptr;

private:
    CQuilletDoc& car_;
};

bool IsChecked(HWND page, int id) { return ::IsDlgButtonChecked(page, id) == BST_CHECKED; }
bool IsEnabled(HWND page, int id) { return ::IsWindowEnabled(::GetDlgItem(page, id)) != FALSE; }
int Selection(HWND page, int id) { return static_cast<int>(::SendDlgItemMessageA(page, id, CB_GETCURSEL, 0, 0)); }
std::string SelectedText(HWND page, int id) {
    char text[32] = {};
    const int index = Selection(page, id);
    if (index < 0) return "(none)";
    ::SendDlgItemMessageA(page, id, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}
void Choose(HWND page, int id, const char* text) {
    testing_harness::ChooseComboText(page, id, text);
    testing_harness::PumpPending();
}

class SweepCriteriaPageTest : public WithQuilletProfile, public ::testing::Test {
protected:
    void SetUp() override {
        QuilletInstallChartCatalogue();
        car_->SetAutoRun(false);
        ChooseStreetCar(*car_);
        ASSERT_TRUE(car_->RunSimulation(true, true));
        ASSERT_GT(car_->GetNumCurvePoints(), 10);
    }
    std::unique_ptr<CQuilletDoc> car_ = NewDoc();
};

TEST_F(SweepCriteriaPageTest, CriteriaSetBothSweepsAndEnableTheListsForAreasOnly) {
    TestCriteriaOwner owner(*car_);
    owner.coarse.SetCriterion(kCriterionElapsedTime);
    owner.fine.SetCriterion(kCriterionElapsedTime);
    owner.Show([&](HWND dialog, HWND page) {
        ZELCHART chart = owner.page.GetChart().m_chart;
        EXPECT_STREQ(zel2d::GetValue(chart, zel2d::X_TITLE), "Distance (ft)");
        struct CriterionCase {
            int control;
            const char* curve;  // chosen in the curve list, or null to click `control`
            int criterion;
            const char* yTitle;
        };
        const CriterionCase cases[] = {
            {IDC_ITO_TOP_SPEED, nullptr, kCriterionTrapSpeed, "Speed (mph)"},
            {IDC_ITO_AREA, nullptr, kCriterionAccelerationArea, "Acceleration (g's)"},
            {IDC_ITO_CURVE, "Horsepower", kCriterionPowerArea, "Engine Power (HP)"},
            {IDC_ITO_CURVE, "Vehicle Speed", kCriterionSpeedArea, "Speed (mph)"},
            {IDC_ITO_CURVE, "Torque", kCriterionTorqueArea, "Engine Torque (lbft)"},
            {IDC_ITO_BEST_ET, nullptr, kCriterionElapsedTime, "Time (secs)"},
        };
        for (const CriterionCase& c : cases) {
            SCOPED_TRACE(c.criterion);
            const int resets = owner.resets;
            if (c.curve) {
                Choose(page, c.control, c.curve);
            } else {
                testing_harness::Click(::GetDlgItem(page, c.control));
                testing_harness::PumpPending();
            }
            EXPECT_EQ(owner.resets, resets + 1);
            EXPECT_EQ(owner.lastAsker, &owner.page);
            EXPECT_EQ(owner.coarse.GetCriterion(), c.criterion);
            EXPECT_EQ(owner.fine.GetCriterion(), c.criterion);
            const bool area = c.criterion >= kCriterionAccelerationArea;
            EXPECT_EQ(IsChecked(page, IDC_ITO_AREA), area);
            EXPECT_EQ(IsChecked(page, IDC_ITO_BEST_ET), c.criterion == kCriterionElapsedTime);
            EXPECT_EQ(IsEnabled(page, IDC_ITO_CURVE), area);
            EXPECT_EQ(IsEnabled(page, IDC_ITO_FROM), area);
            EXPECT_EQ(IsEnabled(page, IDC_ITO_TO), area);
            // Without an area the lists show nothing.
            EXPECT_EQ(SelectedText(page, IDC_ITO_FROM), area ? "0" : "(none)");
            EXPECT_EQ(SelectedText(page, IDC_ITO_TO), area ? "330" : "(none)");
            EXPECT_EQ(Selection(page, IDC_ITO_CURVE) >= 0, area);
            EXPECT_STREQ(zel2d::GetValue(chart, zel2d::Y_TITLE), c.yTitle);
            // The whole curve always; the window and its markers for areas.
            ZELDATA window = owner.page.GetChart().GetWindowData();
            ZELDATA curve = owner.page.GetChart().GetCurveData();
            EXPECT_EQ(ZelDataGetDisplay(curve, 0), ZEL2D_DISPLAY_SHOW);
            const int shown = area ? ZEL2D_DISPLAY_SHOW : ZEL2D_DISPLAY_HIDE;
            EXPECT_EQ(ZelDataGetDisplay(window, 0), shown);
            EXPECT_EQ(ZelDataGetDisplay(curve, 1), shown);
            EXPECT_EQ(ZelDataGetDisplay(curve, 2), shown);
            EXPECT_EQ(ZelDataGetLastPoint(curve, 0), car_->GetNumCurvePoints() - 1);
        }
        owner.EnableControls(false);
        for (int id : {IDC_ITO_BEST_ET, IDC_ITO_TOP_SPEED, IDC_ITO_AREA, IDC_ITO_RANGE_LABEL})
            EXPECT_FALSE(IsEnabled(page, id)) << id;
        owner.EnableControls(true);
    });
}

TEST_F(SweepCriteriaPageTest, DistanceWindowIsRefusedUnlessFromIsBelowTo) {
    TestCriteriaOwner owner(*car_);
    owner.coarse.SetCriterion(kCriterionSpeedArea);
    owner.fine.SetCriterion(kCriterionSpeedArea);
    owner.Show([&](HWND dialog, HWND page) {
        struct WindowCase {
            int list;
            const char* choice;
            bool refused;
            float from, to;
        };
        const WindowCase cases[] = {
            {IDC_ITO_TO, "660", false, 0.0f, 660.0f},    {IDC_ITO_FROM, "660", true, 0.0f, 660.0f},
            {IDC_ITO_FROM, "1000", true, 0.0f, 660.0f},  {IDC_ITO_TO, "0", true, 0.0f, 660.0f},
            {IDC_ITO_FROM, "60", false, 60.0f, 660.0f},  {IDC_ITO_TO, "60", true, 60.0f, 660.0f},
        };
        for (const WindowCase& c : cases) {
            SCOPED_TRACE(c.choice);
            const size_t before = ModalDriver::Instance().Boxes().size();
            if (c.refused) ModalDriver::Instance().Answer("Iterator Testing Error", IDOK);
            Choose(page, c.list, c.choice);
            const auto& boxes = ModalDriver::Instance().Boxes();
            ASSERT_EQ(boxes.size(), before + (c.refused ? 1u : 0u));
            if (c.refused) EXPECT_NE(boxes.back().text.find("Maximum Track Distance"), std::string::npos);
            for (CIterator* sweep : {&owner.coarse, &owner.fine}) {
                float from = 0.0f, to = 0.0f;
                sweep->GetDistanceRange(&from, &to);
                EXPECT_EQ(from, c.from);
                EXPECT_EQ(to, c.to);
            }
            EXPECT_EQ(SelectedText(page, IDC_ITO_FROM), std::to_string(static_cast<int>(c.from)));
            EXPECT_EQ(SelectedText(page, IDC_ITO_TO), std::to_string(static_cast<int>(c.to)));
        }
        // The markers rise to the speed at the window's ends.
        CCriterionChart2D& chart = owner.page.GetChart();
        EXPECT_GT(chart.GetFromMarkerHeight(), 0.0);
        EXPECT_GT(chart.GetToMarkerHeight(), chart.GetFromMarkerHeight());
        ::UpdateWindow(dialog);
        testing_harness::PumpPending();
        EXPECT_TRUE(testing_harness::Pixels::FromWindow(dialog).SavePng(
            testing_harness::TestOutputPath("sweep-race-criteria-page.png")));
    });
}

}  // namespace

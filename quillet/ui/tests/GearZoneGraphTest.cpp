// The "Gear" data zones in the running program: chosen on a graph's chart
// property sheet after a run, they follow the run's shifts along distance or
// time, are drawn over the plot, and follow the next run.
#include <windows.h>

#include <gtest/gtest.h>

#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "quillet/document/QuilletCommands.h"
#include "quillet/res/GraphResources.h"
#include "quillet/ui/Chart2dView.h"
#include "quillet/ui/GearZones.h"
#include "quillet/ui/QuilletChartCatalogue.h"
#include "quillet/ui/tests/RunningQuilletTest.h"

namespace quillet {

namespace {

using testing_harness::ModalDriver;

class GearZoneGraphTest : public RunningQuilletTest {
protected:
    // The upper graph of the right pane: one vehicle over the whole track.
    CChart2dView* UpperGraph() {
        Child()->GetRightTabs()->ActivateTabAt(0);
        testing_harness::PumpPending();
        CWnd* pane = Child()->GetGraphSplitter().GetPane(0, 0);
        EXPECT_TRUE(pane != nullptr && pane->IsKindOf(RUNTIME_CLASS(CChart2dView)));
        return static_cast<CChart2dView*>(pane);
    }

    // Chooses the zone preset on the graph's property sheet and OKs it.
    static void ChooseZonePreset(CChart2dView* graph, const char* preset) {
        ModalDriver::Instance().Handle("2D Chart Properties", [&](HWND sheet) {
            HWND page = testing_harness::ShowSheetPage(sheet, 2);
            testing_harness::ChooseComboText(page, IDC_RACE_ZONE_PRESET, preset);
            testing_harness::PressButton(sheet, IDOK);
        });
        testing_harness::SendCommand(graph->m_hWnd, ID_RACE_GRAPH_PROPERTIES);
    }

    // The zones' display bounds equal the run's gear ends past the start
    // line, for the gears the run reached; the others are off.
    void ExpectZonesAtGearEnds(const ZoneSettings& zones, int axisCurve) {
        const CRaceResults& results = doc_->GetResults();
        const bool byTime = axisCurve == kCurveTime;
        const float offset = byTime ? results.GetTrackRow(0).time : results.GetTrackRow(0).distance;
        EXPECT_EQ(kGearZonePreset, zones.preset);
        EXPECT_EQ(axisCurve, zones.curveIndex);
        EXPECT_TRUE(zones.applies);
        EXPECT_FALSE(zones.needsConversion);
        float end = 0;
        int reached = 0;
        for (int i = 0; i < kMaxZones; ++i) {
            SCOPED_TRACE(i);
            const bool shifted =
                i < doc_->m_gearCount.GetValue() && results.distanceAtGearEnd[i] > 0;
            ASSERT_EQ(shifted, zones.zones[i].IsEnabled());
            if (!shifted) continue;
            ++reached;
            const float start = end;
            end = byTime ? end + results.timeInGear[i] - (i == 0 ? offset : 0.0f)
                         : results.distanceAtGearEnd[i] - offset;
            EXPECT_FLOAT_EQ(start, zones.zones[i].GetDisplayMin());
            EXPECT_FLOAT_EQ(end, zones.zones[i].GetDisplayMax());
        }
        EXPECT_GE(reached, 3);
        // The top gear reached runs to the finish.
        EXPECT_NEAR(byTime ? results.elapsedTime : float(doc_->GetRaceLength()), end,
                    byTime ? 0.002f : 1.0f);
    }
};

TEST_F(GearZoneGraphTest, GearZonesFollowTheRunsShiftsOverDistanceAndTime) {
    RunStreetCar(1320);
    CChart2dView* graph = UpperGraph();
    ChooseZonePreset(graph, "Gear");
    const ZoneSettings& zones = graph->GetSettings().zones;
    ASSERT_TRUE(zones.enabled);
    EXPECT_EQ(0, zones.axis);  // the distance on x
    ExpectZonesAtGearEnds(zones, kCurveDistance);

    // Each gear's band lies over the plot in its colour where the chart is
    // wide enough to show it.
    graph->GetChart().Invalidate(FALSE);
    graph->GetChart().UpdateWindow();
    testing_harness::PumpPending();
    const testing_harness::Pixels pixels =
        testing_harness::Pixels::FromWindow(graph->GetChart().m_hWnd);
    EXPECT_TRUE(
        pixels.SavePng(testing_harness::TestOutputPath("quillet-graph-gear-zones-sheet.png")));
    ZELCHART chart = graph->GetChart().m_chart;
    const double yMin = zel2d::GetValue(chart, zel2d::Y_MIN),
                 yMax = zel2d::GetValue(chart, zel2d::Y_MAX);
    int bandsSeen = 0;
    for (int i = 0; i < kMaxZones; ++i) {
        const ZoneRange& zone = zones.zones[i];
        if (!zone.IsEnabled()) continue;
        POINT left = {-1, -1}, right = {-1, -1};
        ZelUnmap(chart, 1, zone.GetDisplayMin(), yMin, &left);
        ZelUnmap(chart, 1, zone.GetDisplayMax(), yMin, &right);
        if (right.x - left.x < 12) continue;  // first gear may be a few feet
        ++bandsSeen;
        int coloured = 0;
        for (int k = 1; k <= 9; ++k) {
            POINT p = {-1, -1};
            ZelUnmap(chart, 1, (zone.GetDisplayMin() + zone.GetDisplayMax()) / 2,
                     yMin + (yMax - yMin) * k / 10, &p);
            ASSERT_GE(p.x, 0);
            coloured += pixels.At(p.x, p.y) == testing_harness::Rgb(COLORREF(zone.GetColor()));
        }
        EXPECT_GE(coloured, 6) << "gear " << i + 1;
    }
    EXPECT_GE(bandsSeen, 2);

    // Time on x: the zones follow the gears' times instead.
    testing_harness::SendCommand(graph->m_hWnd, ID_RACE_GRAPH_X_FIRST + kCurveTime - 1);
    ExpectZonesAtGearEnds(graph->GetSettings().zones, kCurveTime);
    graph->GetChart().UpdateWindow();
    testing_harness::PumpPending();
    EXPECT_TRUE(testing_harness::Pixels::FromWindow(graph->GetChart().m_hWnd)
                    .SavePng(testing_harness::TestOutputPath("quillet-graph-gear-zones-time.png")));

    // The next run (an eighth mile) moves them with it.
    testing_harness::SendCommand(graph->m_hWnd, ID_RACE_GRAPH_X_FIRST + kCurveDistance - 1);
    FrameCommand(kCmdEighthMile);
    FrameCommand(kCmdRun);
    ASSERT_EQ(660, doc_->GetRaceLength());
    ExpectZonesAtGearEnds(graph->GetSettings().zones, kCurveDistance);

    graph->ResetChartSettings();
    graph->RefreshChart();
    doc_->SetModifiedFlag(FALSE);
}

TEST_F(GearZoneGraphTest, AnOpenedVehicleShowsTheZonesItsFileKeeps) {
    RunStreetCar(1320);
    CChart2dView* graph = UpperGraph();
    ChooseZonePreset(graph, "Gear");
    const std::string shown = testing_harness::TestOutputPath("gear-zones-shown.qlt");
    ASSERT_TRUE(doc_->WriteVehicleFile(shown.c_str()));
    ModalDriver::Instance().Handle("2D Chart Properties", [&](HWND sheet) {
        HWND page = testing_harness::ShowSheetPage(sheet, 2);
        ::SendMessageA(::GetDlgItem(page, IDC_RACE_SHOW_ZONES), BM_CLICK, 0, 0);
        testing_harness::PressButton(sheet, IDOK);
    });
    testing_harness::SendCommand(graph->m_hWnd, ID_RACE_GRAPH_PROPERTIES);
    ASSERT_FALSE(graph->GetSettings().zones.enabled);
    const std::string hidden = testing_harness::TestOutputPath("gear-zones-hidden.qlt");
    ASSERT_TRUE(doc_->WriteVehicleFile(hidden.c_str()));
    graph->ResetChartSettings();
    graph->RefreshChart();
    doc_->SetModifiedFlag(FALSE);

    CQuilletDoc* const first = doc_;
    for (const auto& file : {std::make_pair(shown, true), std::make_pair(hidden, false)}) {
        SCOPED_TRACE(file.first);
        CDocument* opened = program_->App().OpenDocumentFile(file.first.c_str());
        ASSERT_TRUE(opened != nullptr && opened->IsKindOf(RUNTIME_CLASS(CQuilletDoc)));
        testing_harness::PumpPending();
        doc_ = static_cast<CQuilletDoc*>(opened);
        const ZoneSettings& zones = UpperGraph()->GetSettings().zones;
        EXPECT_EQ(kGearZonePreset, zones.preset);
        EXPECT_EQ(file.second, zones.enabled);
        if (file.second) {
            // Attached to the distance; no band before the vehicle has run,
            // then the bands of its run.
            EXPECT_TRUE(zones.applies);
            EXPECT_EQ(kCurveDistance, zones.curveIndex);
            for (const ZoneRange& zone : zones.zones) EXPECT_FALSE(zone.IsEnabled());
            FrameCommand(kCmdRun);
            ExpectZonesAtGearEnds(UpperGraph()->GetSettings().zones, kCurveDistance);
        }
        doc_->SetModifiedFlag(FALSE);
        doc_->OnCloseDocument();
        testing_harness::PumpPending();
        doc_ = first;
    }
    ::DeleteFileA(shown.c_str());
    ::DeleteFileA(hidden.c_str());
}

}  // namespace

}  // namespace quillet

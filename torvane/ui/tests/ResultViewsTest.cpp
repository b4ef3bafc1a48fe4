// The engine document's result views in a real frame: the graph fed with
// the document's curves after a run (compare and combination modes, zones,
// its menu), its property sheet driven like a user, and the results tables
// with the document's 19 rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "DrawnText.h"
#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "common/tests/ScratchFile.h"
#include "common/ui/ChartPropertySheet.h"
#include "toolkit/ColorWell.h"
#include "torvane/document/tests/TorvaneDocTestSupport.h"
#include "torvane/res/ResultsResources.h"
#include "torvane/results/TorvaneChartCatalogue.h"
#include "torvane/ui/AppColors.h"
#include "torvane/ui/Chart2dView.h"
#include "torvane/ui/ResultsTableView.h"
#include "torvane/ui/tests/ResultPanesFrame.h"

#include <prsht.h>

using testing_harness::ChooseComboText;
using testing_harness::ModalDriver;
using testing_harness::NotifyFromControl;
using testing_harness::PressButton;
using testing_harness::ShowSheetPage;
using testing_harness::Pixels;
using namespace torvane;

namespace {

class ResultViewsTest : public TorvaneDocTest {
protected:
    void SetUp() override {
        AppColorsSetScheme(1);
        docTemplate_ = new CMultiDocTemplate(0, RUNTIME_CLASS(CTorvaneDoc), nullptr, nullptr);
        app_.AddDocTemplate(docTemplate_);
        doc_ = NewEngine("Chevy 350");
    }
    void TearDown() override {
        for (ResultPanesFrame* frame : frames_)
            if (::IsWindow(frame->m_hWnd)) frame->DestroyWindow();
        testing_harness::PumpPending();
    }
    // An engine document of the application, built and run.
    CTorvaneDoc* NewEngine(const char* title, bool paxton = false) {
        TorvaneDocClearLastCreated();
        docTemplate_->OpenDocumentFile(nullptr);
        CTorvaneDoc* doc = TorvaneDocGetLastCreated();
        EXPECT_NE(nullptr, doc);
        if (paxton) BuildPaxtonChevy350(*doc);
        else BuildChevy350(*doc);
        EXPECT_TRUE(doc->RunSimulation(false, false));
        doc->SetTitle(title);
        return doc;
    }
    ResultPanesFrame* Show(CTorvaneDoc* doc, int x = 0) {
        auto* frame = new ResultPanesFrame;
        EXPECT_TRUE(frame->Open(doc, x));
        frames_.push_back(frame);
        return frame;
    }
    // Paints the graph and reads its chart's pixels.
    Pixels PaintGraph(ResultPanesFrame* frame, const char* picture) {
        frame->graph->RefreshChart();
        frame->graph->UpdateWindow();
        frame->graph->GetChart().Invalidate(FALSE);
        frame->graph->GetChart().UpdateWindow();
        testing_harness::PumpPending();
        Pixels pixels = Pixels::FromWindow(frame->graph->GetChart().m_hWnd);
        EXPECT_TRUE(pixels.SavePng(testing_harness::TestOutputPath(std::string(picture) + ".png")));
        return pixels;
    }
    static int InkNear(const Pixels& pixels, POINT p, unsigned rgb, int radius = 2) {
        int count = 0;
        for (int dy = -radius; dy <= radius; ++dy)
            for (int dx = -radius; dx <= radius; ++dx) {
                const int x = p.x + dx, y = p.y + dy;
                if (x >= 0 && y >= 0 && x < pixels.width() && y < pixels.height()) count += pixels.At(x, y) == rgb;
            }
        return count;
    }
    // Points of `yCurve` over `xCurve` of `doc` drawn in `rgb` on y axis `axis`.
    int DrawnPoints(ResultPanesFrame* frame, const Pixels& pixels, const CTorvaneDoc& doc, int xCurve, int yCurve,
                    unsigned rgb, int axis = 1) {
        int drawn = 0;
        for (int i = 0; i < kResultPointCount; ++i) {
            POINT p = {-1, -1};
            ZelUnmap(frame->graph->GetChart().m_chart, axis, doc.GetCurvePoint(xCurve, i),
                     doc.GetCurvePoint(yCurve, i), &p);
            // The line passes under the point's symbol: look round it.
            drawn += p.x >= 0 && InkNear(pixels, p, rgb, 4) > 0;
        }
        return drawn;
    }
    static void CurveRange(const CTorvaneDoc& doc, int curve, double& lo, double& hi) {
        const float* values = doc.GetCurve(curve);
        lo = *std::min_element(values, values + kResultPointCount);
        hi = *std::max_element(values, values + kResultPointCount);
    }

    CWinApp app_{"ResultViewsTest"};
    CMultiDocTemplate* docTemplate_ = nullptr;
    CTorvaneDoc* doc_ = nullptr;
    std::vector<ResultPanesFrame*> frames_;
};

constexpr unsigned kRedRgb = 0xFF0000;
constexpr unsigned kGreenRgb = 0x008000;

TEST_F(ResultViewsTest, AfterARunTheGraphHoldsTheDocumentCurvesOnAutomaticRanges) {
    ResultPanesFrame* frame = Show(doc_);
    CChart2dView* graph = frame->graph;
    ASSERT_TRUE(graph->IsFirstChartView());
    EXPECT_EQ(graph, doc_->GetViewPointer(kChartViewSlot1));
    // The first graph: manifold pressure and volumetric efficiency over
    // engine speed, both on automatic ranges.
    ZELDATA y = graph->GetYData();
    ASSERT_NE(nullptr, y);
    EXPECT_EQ(1, ZelDataGetNSets(y));
    EXPECT_EQ(kResultPointCount, ZelDataGetNPoints(y, 0));
    EXPECT_EQ(0, ZelDataGetFirstPoint(y, 0));
    EXPECT_EQ(18, ZelDataGetLastPoint(y, 0));
    EXPECT_EQ(ZEL2D_DISPLAY_SHOW, ZelDataGetDisplay(graph->GetY2Data(), 0));

    const Pixels pixels = PaintGraph(frame, "graph-after-run");
    ZELCHART chart = graph->GetChart().m_chart;
    EXPECT_EQ(y, zel2d::GetValue(chart, zel2d::DATA));
    double lo = 0, hi = 0;
    CurveRange(*doc_, kCurveManifoldPressure, lo, hi);
    EXPECT_LE(zel2d::GetValue(chart, zel2d::Y_MIN), lo);
    EXPECT_GE(zel2d::GetValue(chart, zel2d::Y_MAX), hi);
    CurveRange(*doc_, kCurveVolumetricEfficiency, lo, hi);
    EXPECT_LE(zel2d::GetValue(chart, zel2d::Y2_MIN), lo);
    EXPECT_GE(zel2d::GetValue(chart, zel2d::Y2_MAX), hi);
    EXPECT_EQ(0.0, zel2d::GetValue(chart, zel2d::X_MIN));  // "Hi-Range" 0-11000
    EXPECT_EQ(11000.0, zel2d::GetValue(chart, zel2d::X_MAX));
    // Every point is drawn where the document's values put it.
    EXPECT_EQ(kResultPointCount,
              DrawnPoints(frame, pixels, *doc_, kCurveRpm, kCurveManifoldPressure, kRedRgb));
    EXPECT_EQ(kResultPointCount,
              DrawnPoints(frame, pixels, *doc_, kCurveRpm, kCurveVolumetricEfficiency, kGreenRgb, 2));
    EXPECT_EQ(std::string("Manifold Pressure (psi)-Chevy 350"), graph->GetGraphData(0).yLegend);
}

TEST_F(ResultViewsTest, PowerAndTorqueShareOneAutomaticScaleButNotVolumetricEfficiency) {
    ResultPanesFrame* frame = Show(doc_);
    CChart2dView* graph = frame->graph;
    ChartAxisSetting x, y, y2;
    graph->GetAxisSettings(x, y, y2);
    y.Select(2, 0);
    y2.Select(3, 0);
    graph->SetAxisSettings(x, y, y2);
    PaintGraph(frame, "graph-power-torque");
    ZELCHART chart = graph->GetChart().m_chart;
    EXPECT_EQ(zel2d::GetValue(chart, zel2d::Y_MAX), zel2d::GetValue(chart, zel2d::Y2_MAX));
    EXPECT_EQ(zel2d::GetValue(chart, zel2d::Y_MIN), zel2d::GetValue(chart, zel2d::Y2_MIN));
    y2.Select(5, 0);
    graph->SetAxisSettings(x, y, y2);
    PaintGraph(frame, "graph-power-ve");
    EXPECT_NE(zel2d::GetValue(chart, zel2d::Y_MAX), zel2d::GetValue(chart, zel2d::Y2_MAX));
}

TEST_F(ResultViewsTest, CompareModeShowsBothDocumentsAndDropsAClosedOne) {
    CTorvaneDoc* other = NewEngine("Paxton 350", true);
    ResultPanesFrame* frame = Show(doc_);
    CChart2dView* graph = frame->graph;
    GraphDataSetting setting;
    setting.title = "Paxton 350";
    setting.document = other;
    setting.serial = other->GetSerial();
    graph->SetGraphData(1, setting);
    const Pixels pixels = PaintGraph(frame, "graph-compare");
    EXPECT_EQ(2, ZelDataGetNSets(graph->GetYData()));
    EXPECT_EQ(2, ZelDataGetNSets(graph->GetY2Data()));
    ZELCHART chart = graph->GetChart().m_chart;
    double lo1, hi1, lo2, hi2;
    CurveRange(*doc_, kCurveManifoldPressure, lo1, hi1);
    CurveRange(*other, kCurveManifoldPressure, lo2, hi2);
    EXPECT_LE(zel2d::GetValue(chart, zel2d::Y_MIN), std::min(lo1, lo2));
    EXPECT_GE(zel2d::GetValue(chart, zel2d::Y_MAX), std::max(hi1, hi2));
    EXPECT_EQ(kResultPointCount, DrawnPoints(frame, pixels, *doc_, kCurveRpm, kCurveManifoldPressure, kRedRgb));
    // Its last point lies in the plot's top corner.
    EXPECT_GE(DrawnPoints(frame, pixels, *other, kCurveRpm, kCurveManifoldPressure, kRedRgb), kResultPointCount - 1);
    EXPECT_EQ(std::string("Manifold Pressure (psi)-Paxton 350"), graph->GetGraphData(1).yLegend);

    other->OnCloseDocument();
    graph->RefreshChart();
    EXPECT_EQ(1, ZelDataGetNSets(graph->GetYData()));
    EXPECT_EQ(std::string("(None)"), graph->GetGraphData(1).title);
}

TEST_F(ResultViewsTest, CombinationModeDrawsTheCombinationCurves) {
    ResultPanesFrame* frame = Show(doc_);
    CChart2dView* graph = frame->graph;
    graph->SetCompareMode(kChartCombine);
    ChartAxisSetting x, y, y2;
    graph->GetAxisSettings(x, y, y2);
    y.Select(18, 0);  // "Power combo"
    y2.Select(0, 0);
    graph->SetAxisSettings(x, y, y2);
    const Pixels pixels = PaintGraph(frame, "graph-power-combo");
    EXPECT_EQ(4, ZelDataGetNSets(graph->GetYData()));
    EXPECT_EQ(ZEL2D_DISPLAY_EXCLUDE, ZelDataGetDisplay(graph->GetY2Data(), 0));
    for (int curve : {kCurvePower, kCurveIndicatedPower, kCurveFrictionPower, kCurvePumpingPower})
        EXPECT_GE(DrawnPoints(frame, pixels, *doc_, kCurveRpm, curve, kRedRgb), kResultPointCount - 2) << curve;
}

TEST_F(ResultViewsTest, ZonesArePaintedBehindTheCurves) {
    ChartSettings& settings = doc_->GetChartSettings(kFirstChartView);
    settings.y.Select(2, 0);
    settings.y2.Select(0, 0);
    ZoneSettings& zones = settings.zones;
    zones.Reset();
    zones.preset = kPistonSpeedZonePreset;
    zones.zoneCount = ZonePresetZoneCount(zones.preset);
    const int colors[6] = {0xFFFFFF, 0xD6F7FF, 0xBDF3FF, 0x9CEFFF, 0x84EBFF, 0x6BE7FF};
    for (int i = 0; i < zones.zoneCount; ++i) {
        zones.zones[i].SetMin(float(ZonePresetZoneMin(zones.preset, i)));
        zones.zones[i].SetMax(float(ZonePresetZoneMax(zones.preset, i)));
        zones.zones[i].SetColor(colors[i]);
    }
    zones.enabled = true;
    ResultPanesFrame* frame = Show(doc_);
    const Pixels pixels = PaintGraph(frame, "graph-zones");
    // A band's colour fills the white plot, and the curve stays red on it.
    EXPECT_GT(pixels.Count(testing_harness::Rgb(0xBDF3FF)), 1000);
    EXPECT_EQ(kResultPointCount, DrawnPoints(frame, pixels, *doc_, kCurveRpm, kCurvePower, kRedRgb));
    EXPECT_EQ(0xFFFFFFu, unsigned(zel2d::GetValue(frame->graph->GetChart().m_chart, zel2d::PLOT_BACKGROUND)));
}

TEST_F(ResultViewsTest, TheContextMenuChecksTheAxesAndGreysCombinationsInCompareMode) {
    ResultPanesFrame* frame = Show(doc_);
    CChart2dView* graph = frame->graph;
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_GRAPH_MENU));
    HMENU popup = ::GetSubMenu(menu.m_hMenu, 0);
    HMENU yData = ::GetSubMenu(popup, 1);
    HMENU yRange = ::GetSubMenu(popup, 4);
    graph->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(yData), 1);
    graph->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(yRange), 4);
    auto state = [](HMENU m, UINT id) { return ::GetMenuState(m, id, MF_BYCOMMAND); };
    EXPECT_TRUE(state(yData, ID_GRAPH_Y_FIRST + 3) & MF_CHECKED);  // row 4, manifold pressure
    EXPECT_FALSE(state(yData, ID_GRAPH_Y_FIRST) & MF_CHECKED);
    for (UINT combo : {ID_GRAPH_Y_FIRST + 5, ID_GRAPH_Y_FIRST + 17, ID_GRAPH_Y_FIRST + 18})
        EXPECT_TRUE(state(yData, combo) & MF_GRAYED) << combo;
    EXPECT_TRUE(state(yRange, ID_GRAPH_Y_SCALE_FIRST) & MF_CHECKED);

    // Choosing "Torque" for y and "Mid-Range" marks the document modified.
    doc_->SetModifiedFlag(FALSE);
    testing_harness::SendCommand(graph->m_hWnd, ID_GRAPH_Y_FIRST + 2);
    testing_harness::SendCommand(graph->m_hWnd, ID_GRAPH_Y_SCALE_FIRST + 2);
    EXPECT_EQ(3, doc_->GetChartSettings(kFirstChartView).y.curveIndex);
    EXPECT_EQ(2, doc_->GetChartSettings(kFirstChartView).y.scalePreset);
    EXPECT_TRUE(doc_->IsModified());
    PaintGraph(frame, "graph-torque-mid");
    EXPECT_EQ(1000.0, zel2d::GetValue(graph->GetChart().m_chart, zel2d::Y_MAX));

    graph->SetCompareMode(kChartCombine);
    graph->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(yData), 1);
    EXPECT_FALSE(state(yData, ID_GRAPH_Y_FIRST + 17) & MF_GRAYED);
}

// The texts a table draws, with their positions.
std::vector<testing_harness::DrawnText> TableTexts(CResultsTableView* view) {
    return testing_harness::TextsDrawnBy([view](HDC metafile) {
        CDC dc;
        dc.Attach(metafile);
        view->OnDraw(&dc);
        dc.Detach();
    });
}

TEST_F(ResultViewsTest, TheTablesShowTheNineteenRowsWithTheDocumentValues) {
    ResultPanesFrame* frame = Show(doc_);
    EXPECT_EQ(frame->table, doc_->GetViewPointer(kResultsTableSlot1));
    EXPECT_EQ(frame->proTable, doc_->GetViewPointer(kResultsTableSlot2));
    struct Check {
        CResultsTableView* view;
        int columns;
        int curve;
        const char* format;
        const char* header;
    } const checks[] = {{frame->table, 6, kCurveTorque, "%.0f", "Torque"},
                        {frame->table, 6, kCurveManifoldPressure, "%.2f", "Int Man"},
                        {frame->proTable, 12, kCurveAirflow, "%.1f", "Induction"},
                        {frame->proTable, 12, kCurvePmep, "%.1f", "PMEP"}};
    for (const Check& check : checks) {
        const std::vector<testing_harness::DrawnText> texts = TableTexts(check.view);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ("CALCULATED POWER AND ENGINE PRESSURES", texts[0].text);
        // Two header lines per column, then 19 rows of values.
        EXPECT_EQ(size_t(1 + 2 * check.columns + 19 * check.columns), texts.size());
        int column = -1;
        for (int k = 0; k < check.columns; ++k)
            if (texts[1 + 2 * k].text == check.header) column = k;
        ASSERT_GE(column, 0) << check.header;
        int previousY = -1;
        for (int row = 0; row < kResultPointCount; ++row) {
            char expected[32];
            snprintf(expected, sizeof expected, check.format, double(doc_->GetCurvePoint(check.curve, row)));
            const testing_harness::DrawnText& cell = texts[1 + 2 * check.columns + row * check.columns + column];
            EXPECT_EQ(expected, cell.text) << row;
            EXPECT_GT(cell.at.y, previousY);
            previousY = cell.at.y;
        }
    }
    // Screenshots of both tables in the tab window.
    for (int tab : {1, 2}) {
        frame->tabs.ActivateTabAt(tab);
        testing_harness::PumpPending();
        CWnd* view = tab == 1 ? static_cast<CWnd*>(frame->table) : frame->proTable;
        view->Invalidate();
        view->UpdateWindow();
        EXPECT_TRUE(Pixels::FromWindow(frame->m_hWnd).SavePng(testing_harness::TestOutputPath(tab == 1 ? "table.png" : "prodata.png")));
    }
}

// ---- The chart property sheet, driven as a user drives it ----------------

TEST_F(ResultViewsTest, ABadZoneBoundKeepsTheSheetOpenOnItsEdit) {
    ResultPanesFrame* frame = Show(doc_);
    bool stayedOpen = false, focusKept = false;
    std::string caption, okText, resetText;
    ModalDriver::Instance().Handle("2D Chart Properties", [&](HWND sheet) {
        caption = testing_harness::ControlText(sheet);
        okText = testing_harness::ControlText(::GetDlgItem(sheet, IDOK));
        resetText = testing_harness::ControlText(::GetDlgItem(sheet, IDC_RESET_ALL));
        HWND page = ShowSheetPage(sheet, 2);
        ChooseComboText(page, IDC_ZONE_PRESET, ZonePresetName(kPistonSpeedZonePreset));
        ::RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Pixels::FromWindow(sheet).SavePng(testing_harness::TestOutputPath("sheet-zones.png"));
        HWND edit = ::GetDlgItem(page, IDC_ZONE_MIN_FIRST);
        ::SetFocus(edit);
        ::SetWindowTextA(edit, "-5");
        PressButton(sheet, IDOK);
        stayedOpen = ::IsWindow(sheet) && ::IsWindowVisible(sheet);
        focusKept = ::GetFocus() == edit;
        ::SetWindowTextA(edit, "100");
        PressButton(sheet, IDOK);
    });
    testing_harness::SendCommand(frame->graph->m_hWnd, ID_GRAPH_PROPERTIES);
    EXPECT_EQ("2D Chart Properties", caption);
    EXPECT_EQ("OK", okText);
    EXPECT_EQ("Reset All", resetText);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(focusKept);
    // The good entry went through with the preset.
    const ZoneSettings& zones = doc_->GetChartSettings(kFirstChartView).zones;
    EXPECT_EQ(kPistonSpeedZonePreset, zones.preset);
    EXPECT_TRUE(zones.enabled);
    EXPECT_FLOAT_EQ(100.0f, zones.zones[0].GetMin());
    EXPECT_TRUE(doc_->IsModified());
}

TEST_F(ResultViewsTest, OverlappingZonesShowTheirErrorAndKeepTheSheetOpen) {
    ResultPanesFrame* frame = Show(doc_);
    bool stayedOpen = false;
    ModalDriver::Instance().Handle("2D Chart Properties", [&](HWND sheet) {
        HWND page = ShowSheetPage(sheet, 2);
        ChooseComboText(page, IDC_ZONE_PRESET, ZonePresetName(kPistonSpeedZonePreset));
        HWND edit = ::GetDlgItem(page, IDC_ZONE_MIN_FIRST + 1);  // zone 2 starts inside zone 1
        ::SetFocus(edit);
        ::SetWindowTextA(edit, "900");
        ::SetFocus(::GetDlgItem(page, IDC_ZONE_PRESET));
        PressButton(sheet, IDOK);
        stayedOpen = ::IsWindow(sheet) && ::IsWindowVisible(sheet);
        PressButton(sheet, IDCANCEL);
    });
    ModalDriver::Instance().Answer("", IDOK);
    testing_harness::SendCommand(frame->graph->m_hWnd, ID_GRAPH_PROPERTIES);
    EXPECT_TRUE(stayedOpen);
    const auto& boxes = ModalDriver::Instance().Boxes();
    ASSERT_EQ(2u, boxes.size());
    EXPECT_NE(std::string::npos, boxes[1].text.find("zone")) << boxes[1].text;
    EXPECT_EQ(0, doc_->GetChartSettings(kFirstChartView).zones.preset);  // cancelled
}

TEST_F(ResultViewsTest, MultipleDocumentsWithAComboCurveAsksFirstAndCancelKeepsTheMode) {
    ChartSettings& settings = doc_->GetChartSettings(kFirstChartView);
    settings.mode = kChartCombine;
    settings.y.Select(18, 0);  // "Power combo"
    ResultPanesFrame* frame = Show(doc_);
    bool singleChecked = false;
    ModalDriver::Instance().Handle("2D Chart Properties", [&](HWND sheet) {
        HWND page = ShowSheetPage(sheet, 0);
        ::SendMessage(::GetDlgItem(page, IDC_MULTIPLE_DOCUMENTS), BM_SETCHECK, BST_CHECKED, 0);
        NotifyFromControl(page, IDC_MULTIPLE_DOCUMENTS, BN_CLICKED);
        testing_harness::PumpPending();
        singleChecked = ::IsDlgButtonChecked(page, IDC_SINGLE_DOCUMENT) == BST_CHECKED &&
                        ::IsDlgButtonChecked(page, IDC_MULTIPLE_DOCUMENTS) != BST_CHECKED;
        PressButton(sheet, IDOK);
    });
    ModalDriver::Instance().Answer("Important!", IDCANCEL);
    testing_harness::SendCommand(frame->graph->m_hWnd, ID_GRAPH_PROPERTIES);
    const auto& boxes = ModalDriver::Instance().Boxes();
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ(0u, boxes[1].text.find("The use of Combo Style Axis Data Types is not supported when "));
    EXPECT_TRUE(singleChecked);
    EXPECT_EQ(kChartCombine, settings.mode);
    EXPECT_EQ(18, settings.y.curveIndex);

    // Asked again and confirmed: compare mode with power on y.
    ModalDriver::Instance().Handle("2D Chart Properties", [&](HWND sheet) {
        HWND page = ShowSheetPage(sheet, 0);
        NotifyFromControl(page, IDC_MULTIPLE_DOCUMENTS, BN_CLICKED);
        testing_harness::PumpPending();
        PressButton(sheet, IDOK);
    });
    ModalDriver::Instance().Answer("Important!", IDOK);
    testing_harness::SendCommand(frame->graph->m_hWnd, ID_GRAPH_PROPERTIES);
    EXPECT_EQ(kChartCompare, settings.mode);
    EXPECT_EQ(2, settings.y.curveIndex);
    EXPECT_EQ(0, settings.y.scalePreset);
}

TEST_F(ResultViewsTest, ResetAllThenCancelLeavesTheGraphAndAxisChoicesApply) {
    ResultPanesFrame* frame = Show(doc_);
    ChartSettings& settings = doc_->GetChartSettings(kFirstChartView);
    settings.y.Select(3, 2);
    ModalDriver::Instance().Handle("2D Chart Properties", [&](HWND sheet) {
        ShowSheetPage(sheet, 1);
        PressButton(sheet, IDC_RESET_ALL);
        PressButton(sheet, IDCANCEL);
    });
    testing_harness::SendCommand(frame->graph->m_hWnd, ID_GRAPH_PROPERTIES);
    EXPECT_EQ(3, settings.y.curveIndex);
    EXPECT_EQ(2, settings.y.scalePreset);

    // The axis page: "Power (HP)" on "Low-Range" for y, shown as 0 to 500.
    std::string from, to;
    ModalDriver::Instance().Handle("2D Chart Properties", [&](HWND sheet) {
        HWND page = ShowSheetPage(sheet, 1);
        ChooseComboText(page, IDC_Y_CURVE, "Power (HP)");
        ChooseComboText(page, IDC_Y_SCALE, "Low-Range");
        ::RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Pixels::FromWindow(sheet).SavePng(testing_harness::TestOutputPath("sheet-axes.png"));
        from = testing_harness::ControlText(::GetDlgItem(page, IDC_Y_FROM));
        to = testing_harness::ControlText(::GetDlgItem(page, IDC_Y_TO));
        PressButton(sheet, IDOK);
    });
    testing_harness::SendCommand(frame->graph->m_hWnd, ID_GRAPH_PROPERTIES);
    EXPECT_EQ("0", from);
    EXPECT_EQ("500", to);
    EXPECT_EQ(2, settings.y.curveIndex);
    EXPECT_EQ(500.0, zel2d::GetValue(frame->graph->GetChart().m_chart, zel2d::Y_MAX));
}

TEST_F(ResultViewsTest, TheGraphDataPageAddsAnOpenDocumentToTheComparison) {
    CTorvaneDoc* other = NewEngine("Paxton 350", true);
    ResultPanesFrame* frame = Show(doc_);
    ModalDriver::Instance().Handle("2D Chart Properties", [&](HWND sheet) {
        HWND page = ShowSheetPage(sheet, 0);
        ChooseComboText(page, IDC_DOCUMENT_2, "Paxton 350");
        PressButton(sheet, IDOK);
    });
    testing_harness::SendCommand(frame->graph->m_hWnd, ID_GRAPH_PROPERTIES);
    EXPECT_EQ(other, frame->graph->GetGraphData(1).document);
    EXPECT_EQ(2, ZelDataGetNSets(frame->graph->GetYData()));
}

// A click on the spin's upper (up) or lower (down) arrow.
void Spin(HWND page, int delta) {
    HWND spin = ::GetDlgItem(page, IDC_ZONE_SPIN);
    RECT r;
    ::GetClientRect(spin, &r);
    testing_harness::ClickAt(spin, r.right / 2, delta > 0 ? r.bottom / 4 : r.bottom * 3 / 4);
    testing_harness::PumpPending();
}

TEST_F(ResultViewsTest, TheSpinAddsAZoneAfterTheLastOneInItsColourAndBlendsColours) {
    ResultPanesFrame* frame = Show(doc_);
    std::string count, min3, max3, countAfterBadEntry;
    bool row3Enabled = false, row4Enabled = true, blendEnabled = false;
    ModalDriver::Instance().Handle("2D Chart Properties", [&](HWND sheet) {
        HWND page = ShowSheetPage(sheet, 2);
        ChooseComboText(page, IDC_ZONE_PRESET, ZonePresetName(kPistonSpeedZonePreset));
        for (int i = 0; i < 4; ++i) Spin(page, -1);  // zones 0-1000 and 1000-2000 left
        Spin(page, 1);
        count = testing_harness::ControlText(::GetDlgItem(page, IDC_ZONE_COUNT));
        min3 = testing_harness::ControlText(::GetDlgItem(page, IDC_ZONE_MIN_FIRST + 2));
        max3 = testing_harness::ControlText(::GetDlgItem(page, IDC_ZONE_MAX_FIRST + 2));
        row3Enabled = ::IsWindowEnabled(::GetDlgItem(page, IDC_ZONE_MIN_FIRST + 2));
        row4Enabled = ::IsWindowEnabled(::GetDlgItem(page, IDC_ZONE_MIN_FIRST + 3));
        blendEnabled = ::IsWindowEnabled(::GetDlgItem(page, IDC_BLEND_COLORS));
        PressButton(page, IDC_BLEND_COLORS);
        // A bad entry stops the spin until it is mended.
        HWND edit = ::GetDlgItem(page, IDC_ZONE_MAX_FIRST);
        ::SetWindowTextA(edit, "abc");
        NotifyFromControl(page, IDC_ZONE_MAX_FIRST, EN_KILLFOCUS);
        Spin(page, 1);
        countAfterBadEntry = testing_harness::ControlText(::GetDlgItem(page, IDC_ZONE_COUNT));
        ::SetWindowTextA(edit, "1000");
        NotifyFromControl(page, IDC_ZONE_MAX_FIRST, EN_KILLFOCUS);
        PressButton(sheet, IDOK);
    });
    testing_harness::SendCommand(frame->graph->m_hWnd, ID_GRAPH_PROPERTIES);
    EXPECT_EQ("3", count);
    EXPECT_EQ("2000.00", min3);
    EXPECT_EQ("3000.00", max3);
    EXPECT_TRUE(row3Enabled);
    EXPECT_FALSE(row4Enabled);
    EXPECT_TRUE(blendEnabled);
    EXPECT_EQ("3", countAfterBadEntry);
    const ZoneSettings& zones = doc_->GetChartSettings(kFirstChartView).zones;
    ASSERT_EQ(3, zones.zoneCount);
    EXPECT_FLOAT_EQ(2000.0f, zones.zones[2].GetMin());
    EXPECT_FLOAT_EQ(3000.0f, zones.zones[2].GetMax());
    // Zone 3 took zone 2's colour (0xD6F7FF); blending from white to it
    // steps each channel evenly (the odd step of 0x29 ends one short).
    EXPECT_EQ(0xFFFFFF, zones.zones[0].GetColor());
    EXPECT_EQ(0xEBFBFF, zones.zones[1].GetColor());
    EXPECT_EQ(0xD7F7FF, zones.zones[2].GetColor());
}

TEST_F(ResultViewsTest, TableBandsShowInTheProgramsSchemeOnlyAndTheSharedBarScrollsTheTable) {
    ResultPanesFrame* frame = Show(doc_);
    frame->tabs.ActivateTabAt(1);
    testing_harness::PumpPending();
    const unsigned rpmBand = testing_harness::Rgb(0x99FFFF);
    auto paint = [&](const char* picture) {
        frame->table->Invalidate();
        frame->table->UpdateWindow();
        Pixels pixels = Pixels::FromWindow(frame->table->m_hWnd);
        pixels.SavePng(testing_harness::TestOutputPath(picture));
        return pixels;
    };
    EXPECT_GT(paint("table-scheme1.png").Count(rpmBand), 500);
    AppColorsSetScheme(0);
    EXPECT_EQ(0, paint("table-scheme0.png").Count(rpmBand));
    AppColorsSetScheme(1);

    // The tab window's vertical bar belongs to the table and scrolls it.
    CScrollBar* bar = frame->table->GetScrollBarCtrl(SB_VERT);
    ASSERT_NE(nullptr, bar);
    EXPECT_EQ(bar, frame->tabs.GetScrollBar(1, frame->table));
    EXPECT_EQ(0, frame->table->GetScrollPosition().y);
    frame->tabs.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), reinterpret_cast<LPARAM>(bar->m_hWnd));
    testing_harness::PumpPending();
    EXPECT_GT(frame->table->GetScrollPosition().y, 0);
    EXPECT_EQ(frame->table->GetScrollPosition().y, bar->GetScrollPos());
}

TEST_F(ResultViewsTest, TheGraphShowsTheSettingsItsEngineFileKept) {
    // Torque over engine speed in combination mode, low range, kept in the
    // file and read into another document.
    ChartSettings& written = doc_->GetChartSettings(kFirstChartView);
    written.mode = kChartCombine;
    written.y.Select(6, 0);  // "Power,Torque combo"
    written.y2.Select(0, 0);
    ScratchFile file("graph_settings.tvn");
    ASSERT_TRUE(doc_->WriteEngineFile(file.Path()));
    CTorvaneDoc* read = NewEngine("Read back");
    ASSERT_TRUE(read->ReadEngineFile(file.Path()));
    read->SetTitle("Read back");
    ResultPanesFrame* frame = Show(read);
    ChartAxisSetting x, y, y2;
    frame->graph->GetAxisSettings(x, y, y2);
    EXPECT_EQ(kChartCombine, frame->graph->GetCompareMode());
    EXPECT_EQ(6, y.curveIndex);
    EXPECT_EQ(2, ZelDataGetNSets(frame->graph->GetYData()));
    PaintGraph(frame, "graph-from-file");
    // An edit through the menu goes back into the document's record.
    testing_harness::SendCommand(frame->graph->m_hWnd, ID_GRAPH_Y_FIRST + 1);
    EXPECT_EQ(2, read->GetChartSettings(kFirstChartView).y.curveIndex);
}

TEST_F(ResultViewsTest, AColourPickedInAWellAppliesWithoutClosingTheSheet) {
    ResultPanesFrame* frame = Show(doc_);
    bool openAfterApply = false;
    int appliedColor = -1;
    ModalDriver::Instance().Handle("2D Chart Properties", [&](HWND sheet) {
        HWND page = ShowSheetPage(sheet, 2);
        ChooseComboText(page, IDC_ZONE_PRESET, ZonePresetName(kPistonSpeedZonePreset));
        // The well's grid hands the picked colour to its button.
        ::SendMessage(::GetDlgItem(page, IDC_ZONE_COLOR_FIRST + 1), WM_SEC_COLORCHOSEN, 0, 0x0000FF);
        PressButton(sheet, ID_APPLY_NOW);
        openAfterApply = ::IsWindow(sheet) && ::IsWindowVisible(sheet);
        appliedColor = frame->graph->GetChart().GetZoneSettings().zones[1].GetColor();
        PressButton(sheet, IDCANCEL);
    });
    testing_harness::SendCommand(frame->graph->m_hWnd, ID_GRAPH_PROPERTIES);
    EXPECT_TRUE(openAfterApply);
    EXPECT_EQ(0x0000FF, appliedColor);
    const ZoneSettings& zones = doc_->GetChartSettings(kFirstChartView).zones;
    EXPECT_EQ(kPistonSpeedZonePreset, zones.preset);  // applied, and Cancel took nothing back
    EXPECT_EQ(0x0000FF, zones.zones[1].GetColor());
}

}  // namespace

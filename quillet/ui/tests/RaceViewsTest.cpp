// The drag-race program's result windows after a run, in the running
// program: the results and Pro Data tables, the time slip and the export to
// the older program through its save dialog.
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "DrawnText.h"
#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "quillet/document/QuilletCommands.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/document/tests/QuilletDocTestSupport.h"
#include "common/ui/ChartSheetResources.h"
#include "quillet/res/GraphResources.h"
#include "quillet/res/QuilletResources.h"
#include "quillet/ui/AppColors.h"
#include "quillet/ui/Chart2dView.h"
#include "quillet/ui/ChildFrame.h"
#include "quillet/ui/MainFrame.h"
#include "quillet/ui/QuilletChartCatalogue.h"
#include "quillet/ui/ResultsTableView.h"
#include "quillet/ui/TimeSlipWnd.h"
#include "quillet/ui/tests/RunningQuilletTest.h"

namespace quillet {

namespace {

using testing_harness::DrawnText;
using testing_harness::ChooseComboText;
using testing_harness::ModalDriver;
using testing_harness::NotifyFromControl;
using testing_harness::PressButton;
using testing_harness::ShowSheetPage;

class RaceViewsTest : public RunningQuilletTest {
protected:
    template <class View>
    View* ViewOf(int slot) const {
        CView* view = doc_->GetTableView(slot);
        EXPECT_NE(nullptr, view);
        return static_cast<View*>(view);
    }
    // Activates the right pane's tab `index` and saves a picture of it.
    void ShowRightTab(int index, const char* picture) {
        Child()->GetRightTabs()->ActivateTabAt(index);
        testing_harness::PumpPending();
        CWnd* shown = Child()->GetRightTabs()->GetActiveWnd();
        ASSERT_NE(nullptr, shown);
        shown->UpdateWindow();
        testing_harness::PumpPending();
        EXPECT_TRUE(testing_harness::Pixels::FromWindow(shown->m_hWnd)
                        .SavePng(testing_harness::TestOutputPath(picture)));
    }
    template <class View>
    static std::vector<DrawnText> Texts(View* view) {
        return testing_harness::TextsDrawnBy([view](HDC hdc) {
            CDC dc;
            dc.Attach(hdc);
            view->OnDraw(&dc);
            dc.Detach();
        });
    }
    static std::vector<DrawnText> SlipTexts(CTimeSlipWnd* slip) {
        return testing_harness::TextsDrawnBy([slip](HDC hdc) {
            CDC dc;
            dc.Attach(hdc);
            slip->DrawSlip(&dc);
            dc.Detach();
        });
    }
    // The texts drawn on the line of the first text `label` (same top),
    // from it rightwards; with `x`, only a label drawn at that x counts.
    static std::vector<std::string> LineOf(const std::vector<DrawnText>& texts, const std::string& label,
                                           int occurrence = 0, int x = -1) {
        std::vector<std::string> line;
        for (const DrawnText& t : texts) {
            if (t.text != label || (x >= 0 && t.at.x != x) || occurrence-- > 0) continue;
            for (const DrawnText& u : texts)
                if (u.at.y == t.at.y && u.at.x >= t.at.x) line.push_back(u.text);
            break;
        }
        return line;
    }
    static std::string Format(const char* format, double value) {
        char text[64];
        snprintf(text, sizeof text, format, value);
        return text;
    }
    static bool Has(const std::vector<DrawnText>& texts, const std::string& text) {
        return std::any_of(texts.begin(), texts.end(), [&](const DrawnText& t) { return t.text == text; });
    }

    // The document's three graphs: the left pane's, then the two rows of
    // the right pane's graph tab.
    std::vector<CChart2dView*> Graphs() const {
        LPCSTR label = nullptr;
        BOOL selected = FALSE;
        CWnd* left = nullptr;
        void* data = nullptr;
        int extra = 0;
        Child()->GetLeftTabs()->GetTabInfo(1, label, selected, left, data, extra);
        CSplitterWnd& rows = Child()->GetGraphSplitter();
        std::vector<CChart2dView*> graphs;
        for (CWnd* wnd : {left, rows.GetPane(0, 0), rows.GetPane(1, 0)}) {
            EXPECT_TRUE(wnd != nullptr && wnd->IsKindOf(RUNTIME_CLASS(CChart2dView)));
            graphs.push_back(static_cast<CChart2dView*>(wnd));
        }
        return graphs;
    }
    // Samples of `yCurve` over `xCurve` drawn in `colour` or `under` (the
    // colour of a curve drawn later over it), every tenth.
    int DrawnSamples(CChart2dView* graph, const testing_harness::Pixels& pixels, int xCurve, int yCurve,
                     COLORREF colour, COLORREF under, int axis, int& tried) const {
        const float* xs = doc_->GetCurve(xCurve);
        const float* ys = doc_->GetCurve(yCurve);
        const unsigned rgb = testing_harness::Rgb(colour), rgbUnder = testing_harness::Rgb(under);
        int drawn = 0;
        tried = 0;
        for (int i = 0; i < doc_->GetNumCurvePoints(); i += 10) {
            POINT p = {-1, -1};
            ZelUnmap(graph->GetChart().m_chart, axis, xs[i], ys[i], &p);
            if (p.x < 2 || p.y < 2 || p.x >= pixels.width() - 2 || p.y >= pixels.height() - 2) continue;
            ++tried;
            bool ink = false;
            for (int dy = -2; dy <= 2 && !ink; ++dy)
                for (int dx = -2; dx <= 2 && !ink; ++dx) {
                    const unsigned at = pixels.At(p.x + dx, p.y + dy);
                    ink = at == rgb || at == rgbUnder;
                }
            drawn += ink;
        }
        return drawn;
    }

};

TEST_F(RaceViewsTest, TheTablesShowTheQuarterMileRunOfTheDocument) {
    RunStreetCar(1320);
    auto* table = ViewOf<CResultsTableView>(2);
    auto* pro = ViewOf<CProResultsTableView>(3);
    ASSERT_TRUE(table && pro);
    const CRaceResults& results = doc_->GetResults();

    const std::vector<DrawnText> texts = Texts(table);
    EXPECT_TRUE(Has(texts, "Vehicle Performance - 1/4 Mile"));
    EXPECT_EQ((std::vector<std::string>{"Elapsed Time", Format("%.3f secs", results.elapsedTime), "1st",
                                        Format("%.3f", results.timeInGear[0])}),
              LineOf(texts, "Elapsed Time"));
    EXPECT_EQ(Format("%.1f mph", results.trapSpeed), LineOf(texts, "Trap Speed").at(1));
    // The street car passes 60 but not 100 mph: only 0-60 has a time.
    ASSERT_LT(results.trapSpeed, 100.0f);
    ASSERT_GE(results.trapSpeed, 60.0f);
    EXPECT_EQ(Format("%.3f secs", results.time0To60), LineOf(texts, "0-60 mph").at(1));
    EXPECT_EQ("6th", LineOf(texts, "0-100 mph").at(1));
    // Track data: the rollout row and the 1320 ft row with its values.
    const TrackRow& last = results.GetTrackRow(5);
    EXPECT_EQ((std::vector<std::string>{"1320", Format("%.3f", last.time), Format("%.1f", last.speed),
                                        Format("%.0f", last.engineRpm), Format("%.2f", last.acceleration),
                                        Format("%.1f", last.tyreSpeed), Format("%.1f", last.resistance),
                                        Format("%.0f", last.clutchRpm)}),
              LineOf(texts, "1320"));
    EXPECT_EQ(8u, LineOf(texts, "Rollout").size());
    // The power curve: rows j and j + 13 side by side.
    const CPowerCurve& curve = doc_->m_powerCurve;
    const std::string firstRpm = Format("%.0f", curve.GetRpm(0));
    const std::vector<std::string> powerRow = LineOf(texts, firstRpm, 0);
    ASSERT_EQ(6u, powerRow.size());
    EXPECT_EQ(Format("%.0f", curve.GetPower(0)), powerRow[1]);
    EXPECT_EQ(Format("%.0f", curve.GetTorque(0)), powerRow[2]);
    EXPECT_EQ(Format("%.0f", curve.GetRpm(13)), powerRow[3]);

    // Pro Data: 102 distance rows, 400 twice with equal values, the marks
    // from the track rows, the gear climbing one at a time.
    const std::vector<DrawnText> proTexts = Texts(pro);
    EXPECT_TRUE(Has(proTexts, "Pro Data"));
    const int* distances = CProResultsTableView::ReportDistances();
    const int firstColumn = pro->GetBlock().ColumnLeft(0) + pro->GetColumnUnit();
    const int rows = static_cast<int>(std::count_if(proTexts.begin(), proTexts.end(), [&](const DrawnText& t) {
        return t.at.x == firstColumn && t.at.y >= pro->GetBlock().RowTop(2);
    }));
    EXPECT_EQ(102, rows);
    EXPECT_EQ(LineOf(proTexts, "400", 0, firstColumn), LineOf(proTexts, "400", 1, firstColumn));
    const TrackRow& sixty = results.GetTrackRow(1);
    std::vector<std::string> sixtyRow = LineOf(proTexts, "60", 0, firstColumn);
    ASSERT_EQ(8u, sixtyRow.size());
    sixtyRow.resize(4);
    EXPECT_EQ((std::vector<std::string>{"60", Format("%.3f", sixty.time), Format("%.1f", sixty.speed),
                                        Format("%.1f", sixty.tyreSpeed)}),
              sixtyRow);
    int gear = 1;
    for (int r = 0; r < CProResultsTableView::kDistanceCount; ++r) {
        const int repeat = r > 0 && distances[r] == distances[r - 1];
        const std::vector<std::string> line = LineOf(proTexts, std::to_string(distances[r]), repeat, firstColumn);
        ASSERT_EQ(8u, line.size()) << distances[r];
        const int shown = std::stoi(line[7]);
        EXPECT_TRUE(shown == gear || shown == gear + 1) << distances[r];
        gear = shown;
    }
    EXPECT_EQ(doc_->m_gearCount.GetValue(), gear);

    ShowRightTab(1, "quillet-table.png");
    ShowRightTab(2, "quillet-prodata.png");
    ShowRightTab(0, "quillet-graph-tab.png");
}

TEST_F(RaceViewsTest, TheThreeGraphsHoldTheRunsChannels) {
    RunStreetCar(1320);
    const std::vector<CChart2dView*> graphs = Graphs();
    ASSERT_EQ(3u, graphs.size());
    EXPECT_TRUE(graphs[0]->IsFirstChartView());
    EXPECT_TRUE(graphs[1]->IsSecondChartView());
    EXPECT_TRUE(graphs[2]->IsThirdChartView());
    const int samples = doc_->GetNumCurvePoints();
    ASSERT_GT(samples, 100);

    // The first place compares: speed and tyre speed over the first 60 ft.
    const ChartSettings& first = graphs[0]->GetSettings();
    EXPECT_EQ(kChartCompare, first.mode);
    EXPECT_EQ(2, first.x.curveIndex);
    EXPECT_EQ(60, first.x.presetMax);
    EXPECT_EQ(4, first.y.curveIndex);
    EXPECT_EQ(11, first.y2.curveIndex);
    // The second and third combine: acceleration with both speeds, drag
    // with both rpms, over the whole track.
    const struct {
        int yRow, y2Row;
    } combined[2] = {{3, kSpeedsComboRow}, {5, kRpmsComboRow}};
    for (int k = 0; k < 2; ++k) {
        const ChartSettings& settings = graphs[k + 1]->GetSettings();
        EXPECT_EQ(kChartCombine, settings.mode);
        EXPECT_EQ(1320, settings.x.presetMax);
        EXPECT_EQ(combined[k].yRow, settings.y.curveIndex);
        EXPECT_EQ(combined[k].y2Row, settings.y2.curveIndex);
    }
    // Every data set holds the run's samples.
    const int sets[3][2] = {{1, 1}, {1, 2}, {1, 2}};
    for (int g = 0; g < 3; ++g) {
        for (int axis = 0; axis < 2; ++axis) {
            ZELDATA data = axis == 0 ? graphs[g]->GetYData() : graphs[g]->GetY2Data();
            ASSERT_NE(nullptr, data);
            ASSERT_EQ(sets[g][axis], ZelDataGetNSets(data)) << g << axis;
            for (int set = 0; set < sets[g][axis]; ++set) {
                EXPECT_EQ(kRaceMaxSamples, ZelDataGetNPoints(data, set));
                EXPECT_EQ(0, ZelDataGetFirstPoint(data, set));
                EXPECT_EQ(samples - 1, ZelDataGetLastPoint(data, set));
                EXPECT_EQ(ZEL2D_DISPLAY_SHOW, ZelDataGetDisplay(data, set));
            }
        }
    }

    // The upper right graph as it shows: acceleration in slot 19's colour,
    // the two speeds in slots 23 and 24 where the chart puts the samples
    // (the speed runs under the tyre speed where the tyres do not slip).
    Child()->GetRightTabs()->ActivateTabAt(0);
    testing_harness::PumpPending();
    CChart2dView* upper = graphs[1];
    upper->RefreshChart();
    upper->GetChart().Invalidate(FALSE);
    upper->GetChart().UpdateWindow();
    testing_harness::PumpPending();
    const testing_harness::Pixels pixels = testing_harness::Pixels::FromWindow(upper->GetChart().m_hWnd);
    EXPECT_TRUE(pixels.SavePng(testing_harness::TestOutputPath("quillet-graph-upper.png")));
    const struct {
        int curve;
        int slot, slotOver;
        int axis;
    } curves[] = {{kCurveAcceleration, 19, 19, 1}, {kCurveSpeed, 23, 24, 2}, {kCurveTyreSpeed, 24, 24, 2}};
    for (const auto& c : curves) {
        int tried = 0;
        const int drawn = DrawnSamples(upper, pixels, kCurveDistance, c.curve, AppColorsGetColor(c.slot),
                                       AppColorsGetColor(c.slotOver), c.axis, tried);
        EXPECT_GT(tried, samples / 20) << c.curve;
        EXPECT_GE(drawn, tried * 9 / 10) << c.curve;
    }
    ShowRightTab(0, "quillet-graphs.png");
    Child()->GetLeftTabs()->ActivateTabAt(1);
    testing_harness::PumpPending();
    graphs[0]->UpdateWindow();
    testing_harness::PumpPending();
    EXPECT_TRUE(testing_harness::Pixels::FromWindow(graphs[0]->GetChart().m_hWnd)
                    .SavePng(testing_harness::TestOutputPath("quillet-graph-left.png")));
    Child()->GetLeftTabs()->ActivateTabAt(0);
}

TEST_F(RaceViewsTest, TheGraphMenuChecksTheAxesAndItsCommandsChangeThem) {
    RunStreetCar(1320);
    CChart2dView* graph = Graphs()[0];  // compare mode
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_RACE_GRAPH_MENU));
    HMENU top = ::GetSubMenu(menu.m_hMenu, 0);
    ASSERT_EQ(8, ::GetMenuItemCount(top));  // six lists, a separator, Properties
    const auto opened = [&](int index) {
        HMENU popup = index < 0 ? top : ::GetSubMenu(top, index);
        graph->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), index < 0 ? 0 : index);
        return popup;
    };
    const auto state = [](HMENU popup, UINT id) { return ::GetMenuState(popup, id, MF_BYCOMMAND); };
    // The checks follow the axes: distance, speed, tyre speed, presets 1.
    HMENU xData = opened(0), yData = opened(1), y2Data = opened(2), yRange = opened(4);
    EXPECT_EQ(12, ::GetMenuItemCount(xData));
    EXPECT_TRUE(state(xData, ID_RACE_GRAPH_X_FIRST + 1) & MF_CHECKED);
    EXPECT_FALSE(state(xData, ID_RACE_GRAPH_X_FIRST) & MF_CHECKED);
    EXPECT_TRUE(state(yData, ID_RACE_GRAPH_Y_FIRST + 3) & MF_CHECKED);
    EXPECT_TRUE(state(y2Data, ID_RACE_GRAPH_Y2_FIRST + 11) & MF_CHECKED);
    EXPECT_TRUE(state(yRange, ID_RACE_GRAPH_Y_SCALE_FIRST + 1) & MF_CHECKED);
    // The combination rows are greyed in compare mode; Properties is open.
    for (UINT id : {ID_RACE_GRAPH_Y_FIRST + 12, ID_RACE_GRAPH_Y_FIRST + 13})
        EXPECT_TRUE(state(yData, id) & MF_GRAYED) << id;
    for (UINT id : {ID_RACE_GRAPH_Y2_FIRST + 13, ID_RACE_GRAPH_Y2_FIRST + 14})
        EXPECT_TRUE(state(y2Data, id) & MF_GRAYED) << id;
    EXPECT_FALSE(state(yData, ID_RACE_GRAPH_Y_FIRST + 4) & MF_GRAYED);
    EXPECT_FALSE(state(opened(-1), ID_RACE_GRAPH_PROPERTIES) & MF_GRAYED);
    // ... and enabled in combination mode.
    HMENU combined = ::GetSubMenu(top, 1);
    Graphs()[1]->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(combined), 1);
    EXPECT_FALSE(state(combined, ID_RACE_GRAPH_Y_FIRST + 12) & MF_GRAYED);

    // Commands: engine rpm on y at its middle range, no second y, time on x.
    doc_->SetModifiedFlag(FALSE);
    graph->SendMessage(WM_COMMAND, ID_RACE_GRAPH_Y_FIRST + 8);
    graph->SendMessage(WM_COMMAND, ID_RACE_GRAPH_Y_SCALE_FIRST + 2);
    graph->SendMessage(WM_COMMAND, ID_RACE_GRAPH_Y2_FIRST);
    graph->SendMessage(WM_COMMAND, ID_RACE_GRAPH_X_FIRST);
    graph->SendMessage(WM_COMMAND, ID_RACE_GRAPH_X_SCALE_FIRST);
    EXPECT_TRUE(doc_->IsModified());
    const ChartSettings& settings = graph->GetSettings();
    EXPECT_EQ(9, settings.y.curveIndex);
    EXPECT_EQ(8000, settings.y.presetMax);
    EXPECT_EQ(0, settings.y2.curveIndex);
    EXPECT_EQ(1, settings.x.curveIndex);
    EXPECT_EQ(0, settings.x.scalePreset);
    ZELCHART chart = graph->GetChart().m_chart;
    EXPECT_EQ(8000.0, zel2d::GetValue(chart, zel2d::Y_MAX));
    EXPECT_EQ(ZEL2D_DISPLAY_EXCLUDE, ZelDataGetDisplay(graph->GetY2Data(), 0));
    // Time runs to the elapsed time (plus the time to the start line).
    EXPECT_GE(zel2d::GetValue(chart, zel2d::X_MAX), doc_->GetResults().elapsedTime);
    graph->ResetChartSettings();
    graph->RefreshChart();
    doc_->SetModifiedFlag(FALSE);
}

TEST_F(RaceViewsTest, TheVehicleFileKeepsEachGraphsSettings) {
    const std::vector<CChart2dView*> graphs = Graphs();
    ASSERT_EQ(3u, graphs.size());
    ChartSettings changed = graphs[1]->GetSettings();
    changed.y.Select(8, 2);  // engine power on its middle range
    changed.y2.Select(0, 0);
    graphs[1]->SetSettings(changed);
    RunStreetCar(1320);
    const std::string path = testing_harness::TestOutputPath("graphs.qlt");
    ASSERT_TRUE(doc_->WriteVehicleFile(path.c_str()));
    for (CChart2dView* graph : graphs) graph->ResetChartSettings();
    EXPECT_EQ(3, graphs[1]->GetSettings().y.curveIndex);
    ASSERT_TRUE(doc_->ReadVehicleFile(path.c_str()));
    EXPECT_EQ(8, graphs[1]->GetSettings().y.curveIndex);
    EXPECT_EQ(1000, graphs[1]->GetSettings().y.presetMax);
    EXPECT_EQ(0, graphs[1]->GetSettings().y2.curveIndex);
    EXPECT_EQ(5, graphs[2]->GetSettings().y.curveIndex);
    // A block the graph cannot show (a combination on the compare graph's
    // y axis) fails with the value code and leaves every graph as it was.
    std::ifstream in(path);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    const std::string firstBlock = "1\n2 1\n4 1\n11 1\n";
    const size_t at = text.find(firstBlock);
    ASSERT_NE(std::string::npos, at);
    text.replace(at, firstBlock.size(), "1\n2 1\n13 1\n11 1\n");
    std::ofstream(path, std::ios::trunc) << text;
    ModalDriver::Instance().Answer("", IDOK);
    EXPECT_FALSE(doc_->ReadVehicleFile(path.c_str()));
    EXPECT_EQ(4, graphs[0]->GetSettings().y.curveIndex);
    EXPECT_EQ(8, graphs[1]->GetSettings().y.curveIndex);
    graphs[1]->ResetChartSettings();
    ::DeleteFileA(path.c_str());
}

TEST_F(RaceViewsTest, AnEighthMileRunLeavesTheFartherMarksAndRowsEmpty) {
    RunStreetCar(660);
    auto* table = ViewOf<CResultsTableView>(2);
    auto* pro = ViewOf<CProResultsTableView>(3);
    ASSERT_TRUE(table && pro);
    const std::vector<DrawnText> texts = Texts(table);
    EXPECT_TRUE(Has(texts, "Vehicle Performance - 1/8 Mile"));
    for (const char* mark : {"1000", "1320"}) {
        const std::vector<std::string> line = LineOf(texts, mark);
        ASSERT_EQ(8u, line.size()) << mark;
        for (int c = 1; c < 8; ++c) EXPECT_EQ("- - - - -", line[c]) << mark;
    }
    EXPECT_NE("- - - - -", LineOf(texts, "660").at(1));
    const std::vector<DrawnText> proTexts = Texts(pro);
    const int firstColumn = pro->GetBlock().ColumnLeft(0) + pro->GetColumnUnit();
    EXPECT_NE("- - - - -", LineOf(proTexts, "660", 0, firstColumn).at(1));
    EXPECT_EQ("- - - - -", LineOf(proTexts, "680", 0, firstColumn).at(1));
    EXPECT_EQ("- - - - -", LineOf(proTexts, "1320", 0, firstColumn).at(7));
    FrameCommand(kCmdQuarterMile);
}

TEST_F(RaceViewsTest, TheTimeSlipShowsTheRunAndStaysOneWindow) {
    RunStreetCar(1320);
    ASSERT_EQ(nullptr, TimeSlipWndGetInstance());
    FrameCommand(ID_TOOLS_TIME_SLIP);
    CTimeSlipWnd* slip = TimeSlipWndGetInstance();
    ASSERT_NE(nullptr, slip);
    FrameCommand(ID_TOOLS_TIME_SLIP);
    EXPECT_EQ(slip, TimeSlipWndGetInstance());
    EXPECT_EQ(Frame(), slip->GetParent());
    CRect place;
    slip->GetWindowRect(&place);
    Frame()->ScreenToClient(&place);
    EXPECT_EQ(CRect(100, 100, 230, 280), place);
    EXPECT_EQ("1/4 Mile TimeSlip", testing_harness::ControlText(slip->m_hWnd));

    const CRaceResults& results = doc_->GetResults();
    const std::vector<DrawnText> texts = SlipTexts(slip);
    EXPECT_EQ((std::vector<std::string>{"E.T.", Format("%.3f", results.elapsedTime)}), LineOf(texts, "E.T."));
    EXPECT_EQ((std::vector<std::string>{"MPH", Format("%.1f", results.trapSpeed)}), LineOf(texts, "MPH"));
    EXPECT_EQ(Format("%.3f", results.GetTrackRow(1).time), LineOf(texts, "60'").at(1));
    EXPECT_EQ(Format("%.1f", results.GetTrackRow(3).speed), LineOf(texts, "660 mph").at(1));
    EXPECT_EQ(Format("%.3f", results.GetTrackRow(4).time), LineOf(texts, "1000'").at(1));
    CString barometer;
    doc_->FormatBarometer(barometer);
    EXPECT_EQ(std::string(barometer), LineOf(texts, "Barometer").at(1));
    testing_harness::PumpPending();
    slip->UpdateWindow();
    EXPECT_TRUE(testing_harness::Pixels::FromWindow(slip->m_hWnd)
                    .SavePng(testing_harness::TestOutputPath("quillet-time-slip.png")));
    // The slip is yellow where nothing is written.
    EXPECT_EQ(0xFFFF00u, testing_harness::Pixels::FromWindow(slip->m_hWnd).At(2, 2));

    // An eighth-mile run: no 1000 ft row, the caption follows at the next
    // repaint the run asks for.
    FrameCommand(kCmdEighthMile);
    FrameCommand(kCmdRun);
    slip->UpdateWindow();
    EXPECT_EQ("1/8 Mile TimeSlip", testing_harness::ControlText(slip->m_hWnd));
    EXPECT_FALSE(Has(SlipTexts(slip), "1000'"));
    FrameCommand(kCmdQuarterMile);

    // Closed by its caption button, the object goes; the command makes a new one.
    ::SendMessageA(slip->m_hWnd, WM_CLOSE, 0, 0);
    testing_harness::PumpPending();
    EXPECT_EQ(nullptr, TimeSlipWndGetInstance());
    FrameCommand(ID_TOOLS_TIME_SLIP);
    ASSERT_NE(nullptr, TimeSlipWndGetInstance());
    ::SendMessageA(TimeSlipWndGetInstance()->m_hWnd, WM_CLOSE, 0, 0);
    testing_harness::PumpPending();
}

TEST_F(RaceViewsTest, AVehicleFileOpensWithItsGraphsAndTheSlipFollowsTheActiveDocument) {
    RunStreetCar(1320);
    FrameCommand(ID_TOOLS_TIME_SLIP);
    CTimeSlipWnd* slip = TimeSlipWndGetInstance();
    ASSERT_NE(nullptr, slip);
    CQuilletDoc* first = doc_;
    HWND firstChild = Child()->m_hWnd;

    // The vehicle file of a two-speed car over the eighth mile, whose second
    // graph shows engine power on its middle range.
    char folder[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    CDocument* opened = program_->App().OpenDocumentFile((std::string(folder) + "\\data\\powerglide-eighth.qlt").c_str());
    ASSERT_TRUE(opened != nullptr && opened->IsKindOf(RUNTIME_CLASS(CQuilletDoc)));
    testing_harness::PumpPending();
    auto* vehicle = static_cast<CQuilletDoc*>(opened);
    ASSERT_EQ(vehicle, Child()->GetActiveDocument());
    doc_ = vehicle;
    EXPECT_EQ(660, vehicle->GetRaceLength());
    const std::vector<CChart2dView*> graphs = Graphs();
    EXPECT_EQ(8, graphs[1]->GetSettings().y.curveIndex);
    EXPECT_EQ(1000, graphs[1]->GetSettings().y.presetMax);
    EXPECT_EQ(kRpmsComboRow, graphs[1]->GetSettings().y2.curveIndex);

    FrameCommand(kCmdRun);
    ASSERT_GT(vehicle->GetResults().elapsedTime, 0.0f);
    EXPECT_EQ(vehicle->GetNumCurvePoints() - 1, ZelDataGetLastPoint(graphs[1]->GetYData(), 0));
    ASSERT_EQ(2, ZelDataGetNSets(graphs[1]->GetY2Data()));
    slip->UpdateWindow();
    EXPECT_EQ("1/8 Mile TimeSlip", testing_harness::ControlText(slip->m_hWnd));
    std::vector<DrawnText> texts = SlipTexts(slip);
    EXPECT_FALSE(Has(texts, "1000'"));
    EXPECT_EQ(Format("%.3f", vehicle->GetResults().elapsedTime), LineOf(texts, "E.T.").at(1));
    testing_harness::PumpPending();
    EXPECT_TRUE(testing_harness::Pixels::FromWindow(Frame()->m_hWnd)
                    .SavePng(testing_harness::TestOutputPath("quillet-opened-vehicle.png")));

    // Back to the first document: the slip shows its quarter-mile run.
    ::SendMessageA(Frame()->m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(firstChild), 0);
    testing_harness::PumpPending();
    slip->UpdateWindow();
    EXPECT_EQ("1/4 Mile TimeSlip", testing_harness::ControlText(slip->m_hWnd));
    doc_ = first;
    texts = SlipTexts(slip);
    EXPECT_EQ(Format("%.3f", first->GetResults().elapsedTime), LineOf(texts, "E.T.").at(1));

    vehicle->SetModifiedFlag(FALSE);
    vehicle->OnCloseDocument();
    testing_harness::PumpPending();
    ::SendMessageA(slip->m_hWnd, WM_CLOSE, 0, 0);
    testing_harness::PumpPending();
}

TEST_F(RaceViewsTest, TheExportGoesThroughItsSaveDialogIntoTheOlderProgramsRecord) {
    RunStreetCar(1320);
    // A name of at most 8.3 characters is written as it is.
    const std::string path = testing_harness::TestOutputPath("expcar.qlt");
    ::DeleteFileA(path.c_str());
    std::string title;
    ModalDriver::Instance().Handle("Export", [&](HWND box) {
        title = testing_harness::ControlText(box);
        ::SendMessageA(box, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(path.c_str()));
        ModalDriver::PressButton(box, IDOK);
    });
    FrameCommand(kCmdExportFile);
    EXPECT_EQ(0u, ModalDriver::Instance().PendingScripts());
    EXPECT_EQ("Export for the Quillet DOS 2.8.7 Program", title);
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file.good());
    std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_EQ(922u, bytes.size());
    EXPECT_EQ(std::string("KOVA/02.08.07/"), std::string(bytes.data()));
    EXPECT_EQ(std::string("'69 Dodge Charger"), std::string(&bytes[194]));
    file.close();
    ::DeleteFileA(path.c_str());
}

// ---- The chart property sheet -------------------------------------------

int ComboCount(HWND page, int id) { return int(::SendDlgItemMessageA(page, id, CB_GETCOUNT, 0, 0)); }
void SavePage(HWND sheet, const char* picture) {
    ::RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(testing_harness::Pixels::FromWindow(sheet).SavePng(testing_harness::TestOutputPath(picture)));
}

TEST_F(RaceViewsTest, ThePropertySheetSetsAnAxisAndZonesThatTheGraphAndTheFileShow) {
    RunStreetCar(1320);
    CChart2dView* graph = Graphs()[1];  // one vehicle: acceleration and the speeds over distance
    Child()->GetRightTabs()->ActivateTabAt(0);
    testing_harness::PumpPending();
    doc_->SetModifiedFlag(FALSE);
    int xRows = 0, yRows = 0, y2Rows = 0, zoneCount = 0;
    bool showZones = false;
    std::string ownTitle;
    ModalDriver::Instance().Handle("2D Chart Properties", [&](HWND sheet) {
        HWND page = ShowSheetPage(sheet, 0);
        ownTitle = testing_harness::ControlText(::GetDlgItem(page, IDC_OWN_DOCUMENT));
        SavePage(sheet, "quillet-sheet-graph-data.png");
        page = ShowSheetPage(sheet, 1);
        xRows = ComboCount(page, IDC_X_CURVE);
        yRows = ComboCount(page, IDC_Y_CURVE);
        y2Rows = ComboCount(page, IDC_Y2_CURVE);
        ChooseComboText(page, IDC_Y_CURVE, "Engine Power (HP)");
        SavePage(sheet, "quillet-sheet-axes.png");
        page = ShowSheetPage(sheet, 2);
        ChooseComboText(page, IDC_RACE_ZONE_PRESET, "Distance (ft)");
        showZones = ::IsDlgButtonChecked(page, IDC_RACE_SHOW_ZONES) == BST_CHECKED;
        zoneCount = int(::GetDlgItemInt(page, IDC_ZONE_COUNT, nullptr, FALSE));
        SavePage(sheet, "quillet-sheet-zones.png");
        PressButton(sheet, IDOK);
    });
    testing_harness::SendCommand(graph->m_hWnd, ID_RACE_GRAPH_PROPERTIES);
    EXPECT_EQ(std::string(doc_->GetTitle()), ownTitle);
    // Combination mode: x has the 12 single curves, y adds the two pairs,
    // the second y (None) too.
    EXPECT_EQ(12, xRows);
    EXPECT_EQ(14, yRows);
    EXPECT_EQ(15, y2Rows);
    EXPECT_TRUE(showZones);
    EXPECT_EQ(5, zoneCount);

    const ChartSettings& settings = graph->GetSettings();
    EXPECT_EQ(8, settings.y.curveIndex);
    EXPECT_EQ(kSpeedsComboRow, settings.y2.curveIndex);
    const ZoneSettings& zones = settings.zones;
    EXPECT_EQ(2, zones.preset);
    EXPECT_TRUE(zones.enabled);
    EXPECT_TRUE(zones.applies);
    EXPECT_EQ(0, zones.axis);  // attached to the distance on x
    // Light grey to steel blue, blended in whole steps per channel.
    const int colours[5] = {0xDCDCD7, 0xD2C8BE, 0xC8B4A5, 0xBEA08C, 0xB48C73};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(colours[i], zones.zones[i].GetColor()) << i;
    EXPECT_TRUE(doc_->IsModified());

    // The bands lie over the plot: between curves the plot takes the zone's
    // colour, across the 60-330, 330-660 and 660-1000 ft zones.
    graph->GetChart().Invalidate(FALSE);
    graph->GetChart().UpdateWindow();
    testing_harness::PumpPending();
    const testing_harness::Pixels pixels = testing_harness::Pixels::FromWindow(graph->GetChart().m_hWnd);
    EXPECT_TRUE(pixels.SavePng(testing_harness::TestOutputPath("quillet-graph-zones.png")));
    ZELCHART chart = graph->GetChart().m_chart;
    const double yMin = zel2d::GetValue(chart, zel2d::Y_MIN), yMax = zel2d::GetValue(chart, zel2d::Y_MAX);
    for (int zone = 1; zone <= 3; ++zone) {
        const double x = (zones.zones[zone].GetMin() + zones.zones[zone].GetMax()) / 2;
        int coloured = 0;
        for (int k = 1; k <= 9; ++k) {
            POINT p = {-1, -1};
            ZelUnmap(chart, 1, x, yMin + (yMax - yMin) * k / 10, &p);
            ASSERT_GE(p.x, 0);
            coloured += pixels.At(p.x, p.y) == testing_harness::Rgb(COLORREF(colours[zone]));
        }
        EXPECT_GE(coloured, 6) << zone;
    }

    // The vehicle file keeps the graph's axes and zones.
    const std::string path = testing_harness::TestOutputPath("graph-zones.qlt");
    ASSERT_TRUE(doc_->WriteVehicleFile(path.c_str()));
    std::ifstream in(path);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    EXPECT_NE(std::string::npos, text.find("0\n2 3\n8 0\n13 0\n0 2 2 5 1 1 0\n")) << text;
    graph->ResetChartSettings();
    ASSERT_TRUE(doc_->ReadVehicleFile(path.c_str()));
    EXPECT_EQ(8, graph->GetSettings().y.curveIndex);
    EXPECT_EQ(2, graph->GetSettings().zones.preset);
    EXPECT_EQ(0xD2C8BE, graph->GetSettings().zones.zones[1].GetColor());
    ::DeleteFileA(path.c_str());

    // Cancel keeps everything, even after "Reset All".
    doc_->SetModifiedFlag(FALSE);
    ModalDriver::Instance().Handle("2D Chart Properties", [&](HWND sheet) {
        PressButton(sheet, IDC_RESET_ALL);
        HWND page = ShowSheetPage(sheet, 2);
        ChooseComboText(page, IDC_RACE_ZONE_PRESET, "(None)");
        PressButton(sheet, IDCANCEL);
    });
    testing_harness::SendCommand(graph->m_hWnd, ID_RACE_GRAPH_PROPERTIES);
    EXPECT_EQ(8, graph->GetSettings().y.curveIndex);
    EXPECT_EQ(2, graph->GetSettings().zones.preset);
    EXPECT_FALSE(doc_->IsModified());
    graph->ResetChartSettings();
    graph->RefreshChart();
    doc_->SetModifiedFlag(FALSE);
}

TEST_F(RaceViewsTest, GearZonesFollowTheRunsShiftsOnADistanceGraph) {
    RunStreetCar(1320);
    CChart2dView* graph = Graphs()[1];  // distance on x
    Child()->GetRightTabs()->ActivateTabAt(0);
    testing_harness::PumpPending();
    ZoneSettings zones;
    zones.preset = kGearZonePreset;
    zones.zoneCount = ZonePresetZoneCount(kGearZonePreset);
    zones.enabled = true;
    const int colours[2] = {0xDCDCD7, 0xB48C73};
    for (int i = 0; i < zones.zoneCount; ++i) {
        zones.zones[i].SetMin(float(ZonePresetZoneMin(kGearZonePreset, i)));
        zones.zones[i].SetMax(float(ZonePresetZoneMax(kGearZonePreset, i)));
        zones.zones[i].SetColor(colours[i % 2]);
    }
    graph->SetZoneSettings(zones);
    graph->RefreshChart();
    graph->GetChart().Invalidate(FALSE);
    graph->GetChart().UpdateWindow();
    testing_harness::PumpPending();

    // Each gear the run reached is a band from the shift before to its own
    // shift, in feet past the start line.
    const CRaceResults& results = doc_->GetResults();
    const float startLine = results.GetTrackRow(0).distance;
    const ZoneSettings& shown = graph->GetChart().GetZoneSettings();
    EXPECT_TRUE(shown.applies);
    EXPECT_FALSE(shown.needsConversion);
    int reached = 0;
    float previousEnd = 0.0f;
    for (int i = 0; i < doc_->m_gearCount.GetValue(); ++i) {
        if (!(results.distanceAtGearEnd[i] > 0.0f)) break;
        SCOPED_TRACE(i);
        EXPECT_TRUE(shown.zones[i].IsEnabled());
        EXPECT_FLOAT_EQ(results.distanceAtGearEnd[i] - startLine, shown.zones[i].GetDisplayMax());
        EXPECT_FLOAT_EQ(previousEnd, shown.zones[i].GetDisplayMin());
        previousEnd = shown.zones[i].GetDisplayMax();
        ++reached;
    }
    ASSERT_GE(reached, 3);
    for (int i = doc_->m_gearCount.GetValue(); i < kMaxZones; ++i) EXPECT_FALSE(shown.zones[i].IsEnabled()) << i;

    // The second gear's band is drawn in its colour over the plot.
    const testing_harness::Pixels pixels = testing_harness::Pixels::FromWindow(graph->GetChart().m_hWnd);
    EXPECT_TRUE(pixels.SavePng(testing_harness::TestOutputPath("quillet-graph-gear-zones.png")));
    ZELCHART chart = graph->GetChart().m_chart;
    const double yMin = zel2d::GetValue(chart, zel2d::Y_MIN), yMax = zel2d::GetValue(chart, zel2d::Y_MAX);
    const double middle = (shown.zones[1].GetDisplayMin() + shown.zones[1].GetDisplayMax()) / 2;
    int coloured = 0;
    for (int k = 1; k <= 9; ++k) {
        POINT p = {-1, -1};
        ZelUnmap(chart, 1, middle, yMin + (yMax - yMin) * k / 10, &p);
        ASSERT_GE(p.x, 0);
        coloured += pixels.At(p.x, p.y) == testing_harness::Rgb(COLORREF(colours[1]));
    }
    EXPECT_GE(coloured, 6);
    graph->ResetChartSettings();
    graph->RefreshChart();
    doc_->SetModifiedFlag(FALSE);
}

TEST_F(RaceViewsTest, TheCompareGraphShowsAVehicleChosenOnTheGraphDataPageUntilItCloses) {
    RunStreetCar(1320);
    CChart2dView* graph = Graphs()[0];  // compare mode
    // A second vehicle in a window of its own, run, then this one active again.
    FrameCommand(ID_FILE_NEW);
    auto* second = static_cast<CQuilletDoc*>(Child()->GetActiveDocument());
    ASSERT_TRUE(second != nullptr && second != doc_);
    second->SetAutoRun(false);
    ChooseStreetCar(*second);
    second->m_weight.SetValue(4200.0f);
    ASSERT_TRUE(second->RunSimulation(true, true));
    second->SetTitle("Heavier");
    ModalDriver::Instance().Handle("2D Chart Properties", [&](HWND sheet) {
        HWND page = ShowSheetPage(sheet, 0);
        ChooseComboText(page, IDC_DOCUMENT_2, "Heavier");
        PressButton(sheet, IDOK);
    });
    testing_harness::SendCommand(graph->m_hWnd, ID_RACE_GRAPH_PROPERTIES);
    ASSERT_EQ(2, ZelDataGetNSets(graph->GetYData()));
    EXPECT_EQ(second, graph->GetGraphData(1).document);
    EXPECT_EQ("Speed (mph)-Heavier", graph->GetGraphData(1).yLegend);
    EXPECT_EQ(second->GetNumCurvePoints() - 1, ZelDataGetLastPoint(graph->GetYData(), 1));
    EXPECT_EQ(ZEL2D_DISPLAY_SHOW, ZelDataGetDisplay(graph->GetY2Data(), 1));
    // The heavier car is slower at the finish: its speed curve ends lower.
    const float* mine = doc_->GetCurve(kCurveSpeed);
    const float* heavier = second->GetCurve(kCurveSpeed);
    EXPECT_LT(heavier[second->GetNumCurvePoints() - 1], mine[doc_->GetNumCurvePoints() - 1]);

    // Closed, it drops out of the graph on the next update.
    ModalDriver::Instance().Answer("", IDNO);
    FrameCommand(ID_FILE_CLOSE);
    graph->RefreshChart();
    EXPECT_EQ(1, ZelDataGetNSets(graph->GetYData()));
    EXPECT_EQ("(None)", graph->GetGraphData(1).title);
    ModalDriver::Instance().Reset();
    doc_->SetModifiedFlag(FALSE);
}

}  // namespace

}  // namespace quillet

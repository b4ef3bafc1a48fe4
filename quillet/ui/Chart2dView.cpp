#include "quillet/ui/Chart2dView.h"

#include <algorithm>
#include <cstring>

#include "common/Assertion.h"
#include "common/ui/GraphViewDrawing.h"
#include "common/ui/SplitPanes.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/res/GraphResources.h"
#include "quillet/ui/AppColors.h"
#include "quillet/ui/QuilletChartCatalogue.h"

namespace quillet {

static const char kAssertModule[] = "Chart2dView";

IMPLEMENT_DYNCREATE(CChart2dView, CView)

BEGIN_MESSAGE_MAP(CChart2dView, CView)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_CONTEXTMENU()
    ON_WM_INITMENUPOPUP()
    ON_COMMAND_RANGE(ID_RACE_GRAPH_X_FIRST, ID_RACE_GRAPH_X_LAST, OnXCurve)
    ON_COMMAND_RANGE(ID_RACE_GRAPH_Y_FIRST, ID_RACE_GRAPH_Y_LAST, OnYCurve)
    ON_COMMAND_RANGE(ID_RACE_GRAPH_Y2_FIRST, ID_RACE_GRAPH_Y2_LAST, OnY2Curve)
    ON_COMMAND_RANGE(ID_RACE_GRAPH_X_SCALE_FIRST, ID_RACE_GRAPH_SCALE_LAST, OnScale)
END_MESSAGE_MAP()

namespace {

constexpr int kStylesPerAxis = 4;

// The menu lists are runs of consecutive command ids.
static_assert(ID_RACE_GRAPH_X_LAST - ID_RACE_GRAPH_X_FIRST == 11, "x curves: rows 1-12");
static_assert(ID_RACE_GRAPH_Y_LAST - ID_RACE_GRAPH_Y_FIRST == 13, "y curves: rows 1-14");
static_assert(ID_RACE_GRAPH_Y2_LAST - ID_RACE_GRAPH_Y2_FIRST == 14, "second-y curves: rows 0-14");
static_assert(ID_RACE_GRAPH_Y_SCALE_FIRST == ID_RACE_GRAPH_X_SCALE_FIRST + 5 &&
                  ID_RACE_GRAPH_Y2_SCALE_FIRST == ID_RACE_GRAPH_Y_SCALE_FIRST + 5 &&
                  ID_RACE_GRAPH_SCALE_LAST == ID_RACE_GRAPH_Y2_SCALE_FIRST + 3,
              "four scale presets per axis, five ids apart");

// The document curves of a row, with the rows that name them.
struct RowCurves {
    int count;
    int curves[2];
    int legendRows[2];
};

RowCurves CurvesOfRow(int row) {
    switch (row) {
    case kSpeedsComboRow: return {2, {kCurveSpeed, kCurveTyreSpeed}, {4, 11}};
    case kRpmsComboRow: return {2, {kCurveEngineRpm, kCurveClutchRpm}, {9, 10}};
    default: return {1, {ResultCurveResultId(row), 0}, {row, 0}};
    }
}

}  // namespace

CChart2dView::CChart2dView() {
    settings_.ResetToNewView();
    if (!font_.CreatePointFont(80, "MS Sans Serif")) font_.Attach(::GetStockObject(SYSTEM_FONT));
}

CChart2dView::~CChart2dView() {
    for (ZELTEXT& caption : captions_)
        if (caption) ZelTextAreaDestroy(caption);
    if (yData_) ZelDataDestroy(yData_);
    if (y2Data_) ZelDataDestroy(y2Data_);
}

CQuilletDoc* CChart2dView::GetQuilletDoc() const {
    CDocument* doc = GetDocument();
    if (doc == nullptr) return nullptr;
    APP_ASSERT(doc->IsKindOf(RUNTIME_CLASS(CQuilletDoc)));
    return static_cast<CQuilletDoc*>(doc);
}

BOOL CChart2dView::PreCreateWindow(CREATESTRUCT& cs) {
    // The chart covers the view: the view's own erasing must not paint over it.
    cs.style |= WS_CLIPCHILDREN;
    return CView::PreCreateWindow(cs);
}

int CChart2dView::OnCreate(LPCREATESTRUCT cs) {
    if (CView::OnCreate(cs) == -1) return -1;
    // The first free graph place of the document, with its curves.
    if (CQuilletDoc* doc = GetQuilletDoc()) {
        doc->RegisterChartView(this);
        place_ = doc->GetChartViewPlace(this);
        settings_.Reset(place_);
    }
    CRect client;
    GetClientRect(&client);
    if (chart_.Create("", WS_CHILD | WS_VISIBLE, client, this, 0)) SetUpChart();
    return 0;
}

void CChart2dView::OnDestroy() {
    if (CQuilletDoc* doc = GetQuilletDoc()) doc->UnregisterChartView(this);
    place_ = -1;
    CView::OnDestroy();
}

void CChart2dView::ResetChartSettings() {
    APP_ASSERT(place_ >= 0);
    settings_.Reset(place_);
}

void CChart2dView::RefreshChart() { OnUpdate(nullptr, 0, nullptr); }

void CChart2dView::SetUpChart() {
    ZELCHART chart = chart_.m_chart;
    HFONT font = HFONT(font_.GetSafeHandle());
    using namespace zel2d;
    SetValues(chart, Y_CHART_TYPE(ZEL2D_CHART_LINE), Y2_CHART_TYPE(ZEL2D_CHART_LINE), CHART_BORDER(0),
              NEW_CHART(1), LEGEND_TEXTS(yLegends_), LEGEND_TEXTS2(y2Legends_), GRAPH_BORDER(0),
              LEGEND_ANCHOR(ZEL2D_PLACE_BELOW), LEGEND_ORIENTATION(ZEL2D_LEGEND_ROW), FONT(font), LEGEND_FONT(font));
    const int placements[3] = {ZEL2D_PLACE_ABOVE, ZEL2D_PLACE_BELOW | ZEL2D_PLACE_RIGHT,
                               ZEL2D_PLACE_BELOW | ZEL2D_PLACE_LEFT};
    const int paddings[3] = {1, 3, 3};
    for (int i = 0; i < 3; ++i) {
        captions_[i] = ZelTextAreaCreate(chart);
        TextAreaSetValues(captions_[i], AREA_KIND(ZEL2D_AREA_DATA_ANCHORED), AREA_PLACEMENT(placements[i]),
                          AREA_FONT(font), AREA_BORDER(4), AREA_AUTO_SIZE(1), AREA_PADDING(paddings[i]),
                          AREA_LINES(captionLines_[i]));
    }
    ApplySchemeColors();
}

void CChart2dView::ApplySchemeColors() {
    ZELCHART chart = chart_.m_chart;
    using namespace zel2d;
    SetValues(chart, CHART_BACKGROUND(AppColorsGetColor(13)), GRAPH_BACKGROUND(AppColorsGetColor(13)),
              TEXT_COLOR(AppColorsGetColor(14)), PLOT_BACKGROUND(AppColorsGetColor(15)),
              AXIS_COLOR(AppColorsGetColor(16)), LEGEND_BACKGROUND(AppColorsGetColor(13)));
    for (ZELTEXT caption : captions_)
        TextAreaSetValues(caption, AREA_BACKGROUND(AppColorsGetColor(18)), AREA_TEXT_COLOR(AppColorsGetColor(17)));
    // The curve colours are the scheme's: y in slots 19..22, the second y
    // in slot 23 and then 24..26.
    for (int n = 0; n < kStylesPerAxis; ++n) {
        const COLORREF colours[2] = {AppColorsGetColor(19 + n), AppColorsGetColor(n == 0 ? 23 : 23 + n)};
        int (*const getters[2])(ZELCHART, int, ZelStyle*) = {ZelGetNthDataStyle, ZelGetNthDataStyle2};
        int (*const setters[2])(ZELCHART, int, const ZelStyle*) = {ZelSetNthDataStyle, ZelSetNthDataStyle2};
        for (int axis = 0; axis < 2; ++axis) {
            ZelStyle style = {};
            getters[axis](chart, n, &style);
            style.pattern = ZEL2D_LINE_SOLID;
            style.color = static_cast<int>(colours[axis]);
            style.symbol = ZEL2D_SYMBOL_NONE;
            style.symbol_color = static_cast<int>(colours[axis]);
            setters[axis](chart, n, &style);
        }
    }
    appliedScheme_ = AppColorsGetScheme();
}

// ---- Feeding the chart ---------------------------------------------------

void CChart2dView::EnsureSets(ZELDATA& data, int sets) {
    if (data && ZelDataGetNSets(data) == sets) return;
    if (data) ZelDataDestroy(data);
    data = ZelDataCreate(ZEL2D_DATA_OWN_X, sets, kRaceMaxSamples);
}

void CChart2dView::FillAxis(ZELDATA& data, const char** legends, const ChartAxisSetting& axis, bool shown) {
    const CQuilletDoc& doc = *GetQuilletDoc();
    const RowCurves row = CurvesOfRow(axis.curveIndex);
    EnsureSets(data, row.count);
    const int points = doc.GetNumCurvePoints();
    const float* xs = doc.GetCurve(settings_.x.resultCurve);
    for (int set = 0; set < row.count; ++set) {
        if (row.curves[set] != 0) {
            const float* ys = doc.GetCurve(row.curves[set]);
            for (int i = 0; i < kRaceMaxSamples; ++i) {
                ZelDataSetXElement(data, set, i, xs[i]);
                ZelDataSetYElement(data, set, i, ys[i]);
            }
        }
        ZelDataSetFirstPoint(data, set, 0);
        ZelDataSetLastPoint(data, set, std::max(points - 1, 0));
        ZelDataSetDisplay(data, set, shown && points > 0 ? ZEL2D_DISPLAY_SHOW : ZEL2D_DISPLAY_EXCLUDE);
        legends[set] = ResultCurveName(row.legendRows[set]);
    }
    legends[row.count] = nullptr;
}

void CChart2dView::OnUpdate(CView*, LPARAM, CObject*) {
    CQuilletDoc* doc = GetQuilletDoc();
    APP_ASSERT(doc != nullptr);
    const bool hasY2 = settings_.y2.curveIndex != 0;
    FillAxis(yData_, yLegends_, settings_.y, true);
    FillAxis(y2Data_, y2Legends_, settings_.y2, hasY2);
    if (settings_.mode == kChartCompare) {
        // One vehicle compared: its title names the curves.
        const std::string title = static_cast<const char*>(doc->GetTitle());
        compareLegends_[0] = std::string(settings_.y.name) + "-" + title;
        compareLegends_[1] = std::string(settings_.y2.name) + "-" + title;
        yLegends_[0] = compareLegends_[0].c_str();
        y2Legends_[0] = hasY2 ? compareLegends_[1].c_str() : ResultCurveName(0);
    }
    // The chart covers the view, so the view may get no paint of its own:
    // the chart is laid out now.
    if (m_hWnd) {
        CClientDC dc(this);
        OnDraw(&dc);
    }
}

// ---- Layout and drawing --------------------------------------------------

void CChart2dView::OnDraw(CDC* dc) {
    if (chart_.m_chart == nullptr || yData_ == nullptr) return;
    LayOut(dc);
    if (dc->IsPrinting()) chart_.SendMessage(WM_PAINT, reinterpret_cast<WPARAM>(dc->m_hDC), 0);
    else ValidateRect(nullptr);
}

void CChart2dView::LayOut(CDC* dc) {
    ZELCHART chart = chart_.m_chart;
    using namespace zel2d;
    SetValues(chart, DRAWING(0), DATA(yData_), DATA2(y2Data_));
    CRect rect = printRect_;
    if (!dc->IsPrinting()) GetClientRect(&rect);
    LayOutLegendAndGraph(chart, dc, rect);
    SetValues(chart, AUTO_MARGIN_TOP(1), AUTO_MARGIN_RIGHT(1));

    const ChartAxisSetting& x = settings_.x;
    const ChartAxisSetting& y = settings_.y;
    const ChartAxisSetting& y2 = settings_.y2;
    const bool hasY2 = y2.curveIndex != 0;
    if (!hasY2) SetValues(chart, Y2_AXIS_SHOW(0));
    // Curves in one unit share one automatic scale.
    SetGraphRanges(chart, {x.scalePreset, x.presetMin, x.presetMax}, {y.scalePreset, y.presetMin, y.presetMax},
                   {y2.scalePreset, y2.presetMin, y2.presetMax}, hasY2, std::strcmp(y.unit, y2.unit) == 0);
    const char* const units[3] = {x.unit, y.unit, y2.unit};
    PlaceUnitCaptions(captions_, captionLines_, units, chart, hasY2);

    if (AppColorsGetScheme() != appliedScheme_) ApplySchemeColors();
    SetValues(chart, DRAWING(1));
}

void CChart2dView::PrintChart(CDC* dc) {
    PrintGraphView(dc, this, chart_.m_chart, captions_, HFONT(font_.GetSafeHandle()), printRect_,
                   [&] { OnDraw(dc); });
}

void CChart2dView::OnPrint(CDC* dc, CPrintInfo*) { PrintChart(dc); }

// ---- File ----------------------------------------------------------------

void CChart2dView::WriteChartSettings(FILE* file) { settings_.Write(file); }

std::function<void()> CChart2dView::ReadChartSettings(FILE* file) {
    ChartSettings read = settings_;
    read.Read(file);
    return [this, read] { settings_ = read; };
}

// ---- Messages ------------------------------------------------------------

void CChart2dView::OnSize(UINT type, int cx, int cy) {
    CView::OnSize(type, cx, cy);
    if (chart_.m_hWnd) chart_.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER);
    if (yData_) {
        CClientDC dc(this);
        OnDraw(&dc);
    }
}

BOOL CChart2dView::OnEraseBkgnd(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, AppColorsGetColor(13));
    return TRUE;
}

void CChart2dView::OnContextMenu(CWnd*, CPoint point) { TrackGraphContextMenu(this, IDR_RACE_GRAPH_MENU, point); }

void CChart2dView::OnInitMenuPopup(CMenu* popup, UINT, BOOL sysMenu) {
    if (sysMenu || popup == nullptr || popup->GetMenuItemCount() == 0) return;
    const UINT first = popup->GetMenuItemID(0);
    // The combination rows only in combination mode.
    const UINT comboState = MF_BYCOMMAND | (settings_.mode == kChartCompare ? MF_GRAYED : MF_ENABLED);
    if (first == ID_RACE_GRAPH_X_FIRST) {
        CheckOneCommand(popup, ID_RACE_GRAPH_X_FIRST, ID_RACE_GRAPH_X_LAST,
                        ID_RACE_GRAPH_X_FIRST + settings_.x.curveIndex - 1);
    } else if (first == ID_RACE_GRAPH_Y_FIRST) {
        CheckOneCommand(popup, ID_RACE_GRAPH_Y_FIRST, ID_RACE_GRAPH_Y_LAST,
                        ID_RACE_GRAPH_Y_FIRST + settings_.y.curveIndex - 1);
        for (int row : {kSpeedsComboRow, kRpmsComboRow}) popup->EnableMenuItem(ID_RACE_GRAPH_Y_FIRST + row - 1, comboState);
    } else if (first == ID_RACE_GRAPH_Y2_FIRST) {
        CheckOneCommand(popup, ID_RACE_GRAPH_Y2_FIRST, ID_RACE_GRAPH_Y2_LAST,
                        ID_RACE_GRAPH_Y2_FIRST + settings_.y2.curveIndex);
        for (int row : {kSpeedsComboRow, kRpmsComboRow}) popup->EnableMenuItem(ID_RACE_GRAPH_Y2_FIRST + row, comboState);
    } else if (first == ID_RACE_GRAPH_X_SCALE_FIRST || first == ID_RACE_GRAPH_Y_SCALE_FIRST ||
               first == ID_RACE_GRAPH_Y2_SCALE_FIRST) {
        const ChartAxisSetting& axis = first == ID_RACE_GRAPH_X_SCALE_FIRST   ? settings_.x
                                       : first == ID_RACE_GRAPH_Y_SCALE_FIRST ? settings_.y
                                                                              : settings_.y2;
        CheckOneCommand(popup, first, first + 3, first + axis.scalePreset);
    } else {
        // The top pop-up: the chart's property sheet is not part of this
        // program's graph yet.
        popup->EnableMenuItem(ID_RACE_GRAPH_PROPERTIES, MF_BYCOMMAND | MF_GRAYED);
    }
}

void CChart2dView::AfterMenuEdit() {
    if (CDocument* doc = GetDocument()) doc->SetModifiedFlag(TRUE);
    OnUpdate(nullptr, 0, nullptr);
}

void CChart2dView::OnXCurve(UINT id) {
    settings_.x.Select(static_cast<int>(id - ID_RACE_GRAPH_X_FIRST) + 1, settings_.x.scalePreset);
    AfterMenuEdit();
}

void CChart2dView::OnYCurve(UINT id) {
    settings_.y.Select(static_cast<int>(id - ID_RACE_GRAPH_Y_FIRST) + 1, settings_.y.scalePreset);
    AfterMenuEdit();
}

void CChart2dView::OnY2Curve(UINT id) {
    settings_.y2.Select(static_cast<int>(id - ID_RACE_GRAPH_Y2_FIRST), settings_.y2.scalePreset);
    AfterMenuEdit();
}

void CChart2dView::OnScale(UINT id) {
    const int index = static_cast<int>(id - ID_RACE_GRAPH_X_SCALE_FIRST);
    ChartAxisSetting* axes[3] = {&settings_.x, &settings_.y, &settings_.y2};
    ChartAxisSetting& axis = *axes[index / 5];
    axis.Select(axis.curveIndex, index % 5);
    AfterMenuEdit();
}

CScrollBar* CChart2dView::GetScrollBarCtrl(int bar) const {
    if (CScrollBar* shared = TabWndScrollBarOf(this, bar)) return shared;
    return CView::GetScrollBarCtrl(bar);
}

}  // namespace quillet

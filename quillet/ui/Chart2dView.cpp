#include "quillet/ui/Chart2dView.h"

#include <algorithm>
#include <cstring>

#include "common/Assertion.h"
#include "common/ui/SplitPanes.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/ui/AppColors.h"
#include "quillet/ui/ResultCurveCatalogue.h"

namespace quillet {

static const char kAssertModule[] = "Chart2dView";

IMPLEMENT_DYNCREATE(CChart2dView, CView)

BEGIN_MESSAGE_MAP(CChart2dView, CView)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr int kStylesPerAxis = 4;

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
    HFONT legendFont = GetValue(chart, LEGEND_FONT);
    HGDIOBJ oldFont = ::SelectObject(dc->m_hDC, legendFont ? HGDIOBJ(legendFont) : ::GetStockObject(SYSTEM_FONT));
    TEXTMETRIC metrics = {};
    ::GetTextMetrics(dc->m_hDC, &metrics);
    ::SelectObject(dc->m_hDC, oldFont);

    // The legend centred along the bottom, the graph above it.
    const int width = rect.Width(), height = rect.Height();
    const int legendWidth = GetValue(chart, LEGEND_WIDTH), legendHeight = GetValue(chart, LEGEND_HEIGHT);
    const int legendX = std::max(0, (width - legendWidth) / 2);
    const int legendY = std::max(0, height - int(metrics.tmHeight) / 2 - legendHeight);
    SetValues(chart, LEGEND_X(legendX), LEGEND_Y(legendY), GRAPH_X(2), GRAPH_Y(2), GRAPH_WIDTH(std::max(0, width - 4)),
              GRAPH_HEIGHT(std::max(0, legendY - 4)), AUTO_MARGIN_TOP(1), AUTO_MARGIN_RIGHT(1), X_AXIS_SHOW(1),
              Y_AXIS_SHOW(1));

    // Fixed ranges from the presets, else the library's own.
    const ChartAxisSetting& x = settings_.x;
    const ChartAxisSetting& y = settings_.y;
    const ChartAxisSetting& y2 = settings_.y2;
    if (x.scalePreset) SetValues(chart, X_MIN(double(x.presetMin)), X_MAX(double(x.presetMax)));
    else SetValues(chart, X_AUTO_MIN(1), X_AUTO_MAX(1));
    if (y.scalePreset) SetValues(chart, Y_MIN(double(y.presetMin)), Y_MAX(double(y.presetMax)));
    else SetValues(chart, Y_AUTO_MIN(1), Y_AUTO_MAX(1));
    const bool hasY2 = y2.curveIndex != 0;
    SetValues(chart, Y2_AXIS_SHOW(hasY2 ? 1 : 0));
    if (hasY2) {
        if (y2.scalePreset) SetValues(chart, Y2_MIN(double(y2.presetMin)), Y2_MAX(double(y2.presetMax)));
        else SetValues(chart, Y2_AUTO_MIN(1), Y2_AUTO_MAX(1));
    }
    // Curves in one unit share one automatic scale.
    if (hasY2 && y.scalePreset == 0 && y2.scalePreset == 0 && std::strcmp(y.unit, y2.unit) == 0) {
        const double min = std::min(GetValue(chart, Y_MIN), GetValue(chart, Y2_MIN));
        const double max = std::max(GetValue(chart, Y_MAX), GetValue(chart, Y2_MAX));
        SetValues(chart, Y_MIN(min), Y_MAX(max), Y2_MIN(min), Y2_MAX(max));
    }
    SetValues(chart, X_GRID_SPACING(GetValue(chart, X_MINOR_SPACING)),
              Y_GRID_SPACING(GetValue(chart, Y_MINOR_SPACING)), Y2_GRID_SPACING(GetValue(chart, Y2_MINOR_SPACING)));

    // Unit captions: x under the axis, the y units at the top corners.
    const double xMin = GetValue(chart, X_MIN), xMax = GetValue(chart, X_MAX);
    const double yMin = GetValue(chart, Y_MIN), yMax = GetValue(chart, Y_MAX);
    const char* units[3] = {x.unit, y.unit, y2.unit};
    const double anchors[3][2] = {{0.55 * xMax, yMin}, {xMin, yMax}, {xMax, yMax}};
    for (int i = 0; i < 3; ++i) {
        captionLines_[i][0] = units[i];
        captionLines_[i][1] = nullptr;
        TextAreaSetValues(captions_[i], AREA_X(anchors[i][0]), AREA_Y(anchors[i][1]), AREA_LINES(captionLines_[i]));
    }
    TextAreaSetValues(captions_[2], AREA_SHOW(hasY2 ? 1 : 0));

    if (AppColorsGetScheme() != appliedScheme_) ApplySchemeColors();
    SetValues(chart, DRAWING(1));
}

void CChart2dView::PrintChart(CDC* dc) {
    APP_ASSERT(dc != nullptr && dc->IsPrinting());
    ZELCHART chart = chart_.m_chart;
    if (chart == nullptr) return;
    // Hidden while the chart takes the printer's layout; shown again only if
    // it was visible.
    const bool wasVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (wasVisible) ShowWindow(SW_HIDE);
    HFONT printFont = HFONT(::GetCurrentObject(dc->m_hDC, OBJ_FONT));
    if (printFont == nullptr) printFont = HFONT(::GetStockObject(SYSTEM_FONT));
    using namespace zel2d;
    SetValues(chart, FONT(printFont), LEGEND_FONT(printFont));
    for (ZELTEXT caption : captions_) TextAreaSetValues(caption, AREA_FONT(printFont));

    // A square of the printable area, in screen pixels at two thirds of an
    // inch of paper per screen inch.
    const int ppiX = dc->GetDeviceCaps(LOGPIXELSX), ppiY = dc->GetDeviceCaps(LOGPIXELSY);
    const int printableX = dc->GetDeviceCaps(PHYSICALWIDTH) - 2 * (dc->GetDeviceCaps(PHYSICALOFFSETX) + ppiX);
    const int printableY = dc->GetDeviceCaps(PHYSICALHEIGHT) - 2 * (dc->GetDeviceCaps(PHYSICALOFFSETY) + ppiY);
    const int side = std::min(printableX, printableY);
    CClientDC screen(this);
    const double screenX = screen.GetDeviceCaps(LOGPIXELSX), screenY = screen.GetDeviceCaps(LOGPIXELSY);
    printRect_.SetRect(0, 0, static_cast<int>(double(side) / ppiX * screenX * 2 / 3),
                       static_cast<int>(double(side) / ppiY * screenY * 2 / 3));

    const int saved[6] = {GetValue(chart, CHART_BACKGROUND), GetValue(chart, GRAPH_BACKGROUND),
                          GetValue(chart, PLOT_BACKGROUND),  GetValue(chart, LEGEND_BACKGROUND),
                          GetValue(chart, TEXT_COLOR),       GetValue(chart, AXIS_COLOR)};
    SetValues(chart, CHART_BACKGROUND(kWhite), GRAPH_BACKGROUND(kWhite), PLOT_BACKGROUND(kWhite),
              LEGEND_BACKGROUND(kWhite), TEXT_COLOR(0), AXIS_COLOR(0));
    OnDraw(dc);
    SetValues(chart, CHART_BACKGROUND(saved[0]), GRAPH_BACKGROUND(saved[1]), PLOT_BACKGROUND(saved[2]),
              LEGEND_BACKGROUND(saved[3]), TEXT_COLOR(saved[4]), AXIS_COLOR(saved[5]));
    HFONT font = HFONT(font_.GetSafeHandle());
    SetValues(chart, FONT(font), LEGEND_FONT(font));
    for (ZELTEXT caption : captions_) TextAreaSetValues(caption, AREA_FONT(font));
    if (wasVisible) ShowWindow(SW_SHOW);
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

CScrollBar* CChart2dView::GetScrollBarCtrl(int bar) const {
    if (CScrollBar* shared = TabWndScrollBarOf(this, bar)) return shared;
    return CView::GetScrollBarCtrl(bar);
}

}  // namespace quillet

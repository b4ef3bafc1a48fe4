#include "torvane/ui/Chart2dView.h"

#include <algorithm>
#include <cstring>

#include "common/Assertion.h"
#include "common/ui/GraphViewDrawing.h"
#include "toolkit/TabWnd.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/res/ResultsResources.h"
#include "torvane/results/BaseUnitValue.h"
#include "torvane/results/TorvaneChartCatalogue.h"
#include "torvane/ui/AppColors.h"
#include "torvane/ui/ChartPropertySheet.h"

namespace torvane {

static const char kAssertModule[] = "Chart2dView.cpp";

IMPLEMENT_DYNCREATE(CChart2dView, CView)

BEGIN_MESSAGE_MAP(CChart2dView, CView)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_CONTEXTMENU()
    ON_WM_INITMENUPOPUP()
    ON_MESSAGE(ZEL2D_PAINTED, OnChartPainted)
    ON_COMMAND(ID_GRAPH_PROPERTIES, OnProperties)
    ON_COMMAND_RANGE(ID_GRAPH_X_FIRST, ID_GRAPH_X_LAST, OnXCurve)
    ON_COMMAND_RANGE(ID_GRAPH_Y_FIRST, ID_GRAPH_Y_LAST, OnYCurve)
    ON_COMMAND_RANGE(ID_GRAPH_Y2_FIRST, ID_GRAPH_Y2_LAST, OnY2Curve)
    ON_COMMAND_RANGE(ID_GRAPH_X_SCALE_FIRST, ID_GRAPH_SCALE_LAST, OnScale)
END_MESSAGE_MAP()

namespace {

constexpr int kPoints = kResultPointCount;
constexpr int kPowerTorqueCombo = 6;
constexpr int kPowerCombo = 18;
constexpr int kPressuresCombo = 19;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kNavy = 0x800000;
constexpr COLORREF kGreen = 0x008000;
constexpr COLORREF kWhite = 0xFFFFFF;

// The menu lists are runs of consecutive command ids.
static_assert(ID_GRAPH_X_LAST - ID_GRAPH_X_FIRST == 15, "x curves: rows 1-5 and 7-17");
static_assert(ID_GRAPH_Y_LAST - ID_GRAPH_Y_FIRST == 18, "y curves: rows 1-19");
static_assert(ID_GRAPH_Y2_LAST - ID_GRAPH_Y2_FIRST == 19, "second-y curves: rows 0-19");
static_assert(ID_GRAPH_Y_SCALE_FIRST == ID_GRAPH_X_SCALE_FIRST + 4 && ID_GRAPH_Y2_SCALE_FIRST == ID_GRAPH_Y_SCALE_FIRST + 4 &&
                  ID_GRAPH_SCALE_LAST == ID_GRAPH_Y2_SCALE_FIRST + 3,
              "four scale presets per axis");

// The x menu skips the combination row 6.
int XRowOfCommand(UINT id) {
    const int index = static_cast<int>(id - ID_GRAPH_X_FIRST);
    return index < 5 ? index + 1 : index + 2;
}
UINT XCommandOfRow(int row) { return ID_GRAPH_X_FIRST + (row <= 5 ? row - 1 : row - 2); }

// The curves and legend rows of a combination row, or of a single row.
struct RowCurves {
    int count;
    int curves[4];
    int legendRows[4];
};
RowCurves CurvesOfRow(int row) {
    switch (row) {
    case kPowerTorqueCombo: return {2, {kCurvePower, kCurveTorque}, {2, 3}};
    case kPowerCombo:
        return {4, {kCurvePower, kCurveIndicatedPower, kCurveFrictionPower, kCurvePumpingPower}, {2, 7, 8, 9}};
    case kPressuresCombo: return {4, {kCurveBmep, kCurveImep, kCurveFmep, kCurvePmep}, {14, 15, 16, 17}};
    default: return {1, {ResultCurveResultId(row)}, {row}};
    }
}

// Rows that draw power or torque, which share one scale.
bool IsPowerRow(int row) {
    static const int rows[] = {2, 3, 6, 7, 8, 9, 18};
    return std::find(std::begin(rows), std::end(rows), row) != std::end(rows);
}

}  // namespace

CChart2dView::CChart2dView() {
    if (!font_.CreatePointFont(80, "MS Sans Serif")) font_.Attach(::GetStockObject(SYSTEM_FONT));
    for (auto& setting : graphData_) setting.Reset();
    yLegends_[0] = ResultCurveName(ownSettings_.y.curveIndex);
    y2Legends_[0] = ResultCurveName(ownSettings_.y2.curveIndex);
}

CChart2dView::~CChart2dView() {
    for (ZELTEXT& caption : captions_)
        if (caption) ZelTextAreaDestroy(caption);
    if (yData_) ZelDataDestroy(yData_);
    if (y2Data_) ZelDataDestroy(y2Data_);
}

ChartSettings& CChart2dView::Settings() {
    CTorvaneDoc* doc = registered_ ? GetTorvaneDoc() : nullptr;
    return doc ? doc->GetChartSettings(place_) : ownSettings_;
}

const ChartSettings& CChart2dView::Settings() const {
    return const_cast<CChart2dView*>(this)->Settings();
}

CTorvaneDoc* CChart2dView::GetTorvaneDoc() const {
    CDocument* doc = GetDocument();
    if (doc == nullptr) return nullptr;
    APP_ASSERT(doc->IsKindOf(RUNTIME_CLASS(CTorvaneDoc)));
    return static_cast<CTorvaneDoc*>(doc);
}

BOOL CChart2dView::PreCreateWindow(CREATESTRUCT& cs) {
    // The chart covers the view: the view's own erasing must not paint over it.
    cs.style |= WS_CLIPCHILDREN;
    return CView::PreCreateWindow(cs);
}

int CChart2dView::OnCreate(LPCREATESTRUCT cs) {
    if (CView::OnCreate(cs) == -1) return -1;
    // The document's first graph view, else its second.
    if (CTorvaneDoc* doc = GetTorvaneDoc()) {
        if (doc->GetViewPointer(kChartViewSlot1) == nullptr) {
            APP_ASSERT(doc->GetViewPointer(kChartViewSlot2) == nullptr);
            doc->SetViewPointer(kChartViewSlot1, this);
            place_ = kFirstChartView;
            registered_ = true;
        } else if (doc->GetViewPointer(kChartViewSlot2) == nullptr) {
            doc->SetViewPointer(kChartViewSlot2, this);
            place_ = kSecondChartView;
            registered_ = true;
        }
    }
    CRect client;
    GetClientRect(&client);
    if (chart_.Create("", WS_CHILD | WS_VISIBLE, client, this, 0)) SetUpChart();
    return 0;
}

void CChart2dView::OnDestroy() {
    if (CTorvaneDoc* doc = registered_ ? GetTorvaneDoc() : nullptr) {
        const DocViewSlot slot = place_ == kFirstChartView ? kChartViewSlot1 : kChartViewSlot2;
        if (doc->GetViewPointer(slot) == this) doc->SetViewPointer(slot, nullptr);
    }
    registered_ = false;
    CView::OnDestroy();
}

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
    // Own document: a red line with red dots; compared ones: red lines with
    // navy symbols. The second axis likewise in green.
    const int symbols[4] = {ZEL2D_SYMBOL_DOT, ZEL2D_SYMBOL_DIAMOND, ZEL2D_SYMBOL_BOX, ZEL2D_SYMBOL_TRIANGLE};
    int (*const getters[2])(ZELCHART, int, ZelStyle*) = {ZelGetNthDataStyle, ZelGetNthDataStyle2};
    int (*const setters[2])(ZELCHART, int, const ZelStyle*) = {ZelSetNthDataStyle, ZelSetNthDataStyle2};
    const COLORREF lines[2] = {kRed, kGreen};
    for (int axis = 0; axis < 2; ++axis) {
        for (int n = 0; n < kMaxDocuments; ++n) {
            ZelStyle style = {};
            getters[axis](chart, n, &style);
            style.color = static_cast<int>(lines[axis]);
            style.pattern = ZEL2D_LINE_SOLID;
            style.symbol = symbols[n];
            style.symbol_color = static_cast<int>(n == 0 ? lines[axis] : kNavy);
            style.symbol_size = 5;
            setters[axis](chart, n, &style);
        }
    }
    ApplySchemeColors();
}

COLORREF CChart2dView::PlotColor() const {
    return ZonesShown() ? kWhite : AppColorsGetColor(15);
}

bool CChart2dView::ZonesShown() const {
    const ZoneSettings& zones = Settings().zones;
    return zones.enabled && zones.preset != 0;
}

void CChart2dView::ApplySchemeColors() {
    using namespace zel2d;
    SetValues(chart_.m_chart, CHART_BACKGROUND(AppColorsGetColor(13)), GRAPH_BACKGROUND(AppColorsGetColor(13)),
              TEXT_COLOR(AppColorsGetColor(14)), PLOT_BACKGROUND(PlotColor()), AXIS_COLOR(AppColorsGetColor(16)),
              LEGEND_BACKGROUND(AppColorsGetColor(13)));
    for (ZELTEXT caption : captions_)
        TextAreaSetValues(caption, AREA_BACKGROUND(AppColorsGetColor(18)), AREA_TEXT_COLOR(AppColorsGetColor(17)));
    appliedScheme_ = AppColorsGetScheme();
}

// ---- Settings ------------------------------------------------------------

void CChart2dView::GetAxisSettings(ChartAxisSetting& x, ChartAxisSetting& y, ChartAxisSetting& y2) const {
    const ChartSettings& settings = Settings();
    x = settings.x;
    y = settings.y;
    y2 = settings.y2;
}

void CChart2dView::SetAxisSettings(const ChartAxisSetting& x, const ChartAxisSetting& y,
                                   const ChartAxisSetting& y2) {
    ChartSettings& settings = Settings();
    settings.x = x;
    settings.y = y;
    settings.y2 = y2;
}

const GraphDataSetting& CChart2dView::GetGraphData(int index) const {
    APP_ASSERT(index >= 0 && index < kMaxDocuments);
    return graphData_[index];
}

void CChart2dView::SetGraphData(int index, const GraphDataSetting& setting) {
    APP_ASSERT(index >= 0 && index < kMaxDocuments);
    graphData_[index] = setting;
}

void CChart2dView::SetCompareMode(int mode) {
    APP_ASSERT(mode == kChartCombine || mode == kChartCompare);
    Settings().mode = mode;
}

void CChart2dView::ResetChartSettings() {
    APP_ASSERT(registered_);
    Settings().Reset(place_);
}

void CChart2dView::RefreshChart() { OnUpdate(nullptr, 0, nullptr); }

void CChart2dView::SetDocModified() {
    if (CDocument* doc = GetDocument()) doc->SetModifiedFlag(TRUE);
}

// ---- Feeding the chart ---------------------------------------------------

void CChart2dView::OnInitialUpdate() { CView::OnInitialUpdate(); }

void CChart2dView::EnsureSets(ZELDATA& data, int sets) {
    if (data && ZelDataGetNSets(data) == sets) return;
    if (data) ZelDataDestroy(data);
    data = ZelDataCreate(ZEL2D_DATA_OWN_X, sets, kPoints);
}

void CChart2dView::FillSet(ZELDATA data, int set, const CTorvaneDoc& doc, int xCurve, int yCurve) {
    const float* xs = doc.GetCurve(xCurve);
    const float* ys = doc.GetCurve(yCurve);
    for (int i = 0; i < kPoints; ++i) {
        ZelDataSetXElement(data, set, i, xs[i]);
        ZelDataSetYElement(data, set, i, ys[i]);
    }
    ZelDataSetFirstPoint(data, set, 0);
    ZelDataSetLastPoint(data, set, kPoints - 1);
}

void CChart2dView::FillCompare() {
    const ChartSettings& settings = Settings();
    const CTorvaneDoc* open[kMaxDocuments] = {};
    GraphDataSetting* shown[kMaxDocuments] = {};
    int count = 0;
    for (int i = 0; i < kMaxDocuments; ++i) {
        GraphDataSetting& setting = graphData_[i];
        if (setting.document == nullptr) continue;
        // The own document is open while its view exists.
        const auto* doc = static_cast<const CTorvaneDoc*>(setting.document);
        if (i != 0 && !TorvaneDocIsOpen(doc, setting.serial)) {
            setting.Reset();
            continue;
        }
        open[count] = doc;
        shown[count++] = &setting;
    }
    APP_ASSERT(count >= 1 && count <= kMaxDocuments);
    EnsureSets(yData_, count);
    EnsureSets(y2Data_, count);
    const bool hasY2 = settings.y2.curveIndex != 0;
    for (int j = 0; j < count; ++j) {
        GraphDataSetting& setting = *shown[j];
        FillSet(yData_, j, *open[j], settings.x.resultCurve, settings.y.resultCurve);
        setting.yLegend = std::string(settings.y.name) + "-" + setting.title;
        yLegends_[j] = setting.yLegend.c_str();
        if (hasY2) {
            FillSet(y2Data_, j, *open[j], settings.x.resultCurve, settings.y2.resultCurve);
            setting.y2Legend = std::string(settings.y2.name) + "-" + setting.title;
            ZelDataSetDisplay(y2Data_, j, ZEL2D_DISPLAY_SHOW);
        } else {
            setting.y2Legend = ResultCurveName(0);
            ZelDataSetDisplay(y2Data_, j, ZEL2D_DISPLAY_EXCLUDE);
        }
        y2Legends_[j] = setting.y2Legend.c_str();
    }
    yLegends_[count] = y2Legends_[count] = nullptr;
}

void CChart2dView::FillCombination() {
    const ChartSettings& settings = Settings();
    for (int i = 1; i < kMaxDocuments; ++i) APP_ASSERT(graphData_[i].document == nullptr);
    const CTorvaneDoc& doc = *static_cast<const CTorvaneDoc*>(graphData_[0].document);
    const bool hasY2 = settings.y2.curveIndex != 0;
    struct Axis {
        ZELDATA& data;
        const char** legends;
        int row;
        bool shown;
    } axes[2] = {{yData_, yLegends_, settings.y.curveIndex, true},
                 {y2Data_, y2Legends_, settings.y2.curveIndex, hasY2}};
    for (Axis& axis : axes) {
        const RowCurves curves = CurvesOfRow(axis.row);
        EnsureSets(axis.data, curves.count);
        for (int j = 0; j < curves.count; ++j) {
            if (curves.curves[j] != 0) FillSet(axis.data, j, doc, settings.x.resultCurve, curves.curves[j]);
            ZelDataSetDisplay(axis.data, j, axis.shown ? ZEL2D_DISPLAY_SHOW : ZEL2D_DISPLAY_EXCLUDE);
            axis.legends[j] = ResultCurveName(curves.legendRows[j]);
        }
        axis.legends[curves.count] = nullptr;
    }
}

void CChart2dView::OnUpdate(CView*, LPARAM, CObject*) {
    CTorvaneDoc* doc = GetTorvaneDoc();
    APP_ASSERT(doc != nullptr);
    GraphDataSetting& own = graphData_[0];
    if (own.document != nullptr) APP_ASSERT(own.document == doc && own.serial == doc->GetSerial());
    own.document = doc;
    own.serial = doc->GetSerial();
    own.title = static_cast<const char*>(doc->GetTitle());
    APP_ASSERT(!own.title.empty());

    ChartSettings& settings = Settings();
    if (settings.mode == kChartCompare) FillCompare();
    else FillCombination();

    ZoneSettings& zones = settings.zones;
    if (zones.enabled && zones.preset != 0) {
        const int rows[3] = {settings.x.curveIndex, settings.y.curveIndex, settings.y2.curveIndex};
        for (int axis = 0; axis < 3; ++axis) {
            if (!zones.AttachToCurve(axis, rows[axis])) continue;
            if (zones.needsConversion) zones.ConvertPistonSpeedZones(doc->stroke.IsSet(), BaseUnitValue(doc->stroke));
            break;
        }
    }
    if (chart_.m_chart) {
        zel2d::SetValues(chart_.m_chart, zel2d::PLOT_BACKGROUND(PlotColor()));
        chart_.SetZoneSettings(zones);
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
    ZELCHART chart = chart_.m_chart;
    if (chart == nullptr || yData_ == nullptr) return;
    const ChartSettings& settings = Settings();
    const bool printing = dc->IsPrinting();
    using namespace zel2d;
    SetValues(chart, DRAWING(0), DATA(yData_), DATA2(y2Data_));

    CRect rect = printRect_;
    if (!printing) GetClientRect(&rect);
    LayOutLegendAndGraph(chart, dc, rect);

    // Room for the zones' strip and names.
    const ZoneSettings& zones = settings.zones;
    if (ZonesShown() && zones.applies) {
        int top = 0, right = 0;
        chart_.MeasureZoneLegend(dc->m_hDC, top, right);
        if (zones.axis == 0) SetValues(chart, MARGIN_TOP(top), AUTO_MARGIN_RIGHT(1));
        else SetValues(chart, MARGIN_RIGHT(right), AUTO_MARGIN_TOP(1));
    } else {
        SetValues(chart, AUTO_MARGIN_TOP(1), AUTO_MARGIN_RIGHT(1));
    }
    // Curves of one kind share one automatic scale.
    const ChartAxisSetting& x = settings.x;
    const ChartAxisSetting& y = settings.y;
    const ChartAxisSetting& y2 = settings.y2;
    APP_ASSERT(x.curveIndex != 0 && y.curveIndex != 0);
    const bool hasY2 = y2.curveIndex != 0;
    const bool shareScale =
        std::strcmp(y.unit, y2.unit) == 0 || (IsPowerRow(y.curveIndex) && IsPowerRow(y2.curveIndex));
    SetGraphRanges(chart, {x.scalePreset, x.presetMin, x.presetMax}, {y.scalePreset, y.presetMin, y.presetMax},
                   {y2.scalePreset, y2.presetMin, y2.presetMax}, hasY2, shareScale);
    const char* const units[3] = {x.unit, y.unit, y2.unit};
    PlaceUnitCaptions(captions_, captionLines_, units, chart, hasY2);

    if (AppColorsGetScheme() != appliedScheme_) ApplySchemeColors();
    SetValues(chart, DRAWING(1));
    if (printing) chart_.SendMessage(WM_PAINT, reinterpret_cast<WPARAM>(dc->m_hDC), 0);
    else ValidateRect(nullptr);
}

void CChart2dView::PrintChart(CDC* dc) {
    PrintGraphView(dc, this, chart_.m_chart, captions_, HFONT(font_.GetSafeHandle()), printRect_,
                   [&] { OnDraw(dc); });
}

void CChart2dView::OnPrint(CDC* dc, CPrintInfo*) { PrintChart(dc); }

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
    HBRUSH brush = ::CreateSolidBrush(AppColorsGetColor(13));
    ::FillRect(dc->m_hDC, &client, brush);
    ::DeleteObject(brush);
    return TRUE;
}

LRESULT CChart2dView::OnChartPainted(WPARAM, LPARAM lParam) {
    HDC dc = *reinterpret_cast<HDC*>(lParam);
    // The chart follows the view's size; a print paint (the view hidden)
    // has its own layout.
    CRect view, chart;
    GetClientRect(&view);
    chart_.GetClientRect(&chart);
    if (view.Size() != chart.Size() && IsWindowVisible())
        chart_.SetWindowPos(nullptr, 0, 0, view.Width(), view.Height(), SWP_NOMOVE | SWP_NOZORDER);
    const ZoneSettings& zones = chart_.GetZoneSettings();
    if (zones.enabled && zones.preset != 0 && !zones.needsConversion) chart_.PaintZones(dc);
    return 0;
}

void CChart2dView::OnContextMenu(CWnd*, CPoint point) { TrackGraphContextMenu(this, IDR_GRAPH_MENU, point); }

void CChart2dView::OnInitMenuPopup(CMenu* popup, UINT, BOOL sysMenu) {
    if (sysMenu || popup == nullptr || popup->GetMenuItemCount() == 0) return;
    const UINT first = popup->GetMenuItemID(0);
    const ChartSettings& settings = Settings();
    const bool compare = settings.mode == kChartCompare;
    auto greyCombos = [&](UINT base, int rowOffset) {
        for (int row : {kPowerTorqueCombo, kPowerCombo, kPressuresCombo})
            popup->EnableMenuItem(base + row - rowOffset, MF_BYCOMMAND | (compare ? MF_GRAYED : MF_ENABLED));
    };
    if (first == ID_GRAPH_X_FIRST) {
        CheckOneCommand(popup, ID_GRAPH_X_FIRST, ID_GRAPH_X_LAST, XCommandOfRow(settings.x.curveIndex));
    } else if (first == ID_GRAPH_Y_FIRST) {
        CheckOneCommand(popup, ID_GRAPH_Y_FIRST, ID_GRAPH_Y_LAST, ID_GRAPH_Y_FIRST + settings.y.curveIndex - 1);
        greyCombos(ID_GRAPH_Y_FIRST, 1);
    } else if (first == ID_GRAPH_Y2_FIRST) {
        CheckOneCommand(popup, ID_GRAPH_Y2_FIRST, ID_GRAPH_Y2_LAST, ID_GRAPH_Y2_FIRST + settings.y2.curveIndex);
        greyCombos(ID_GRAPH_Y2_FIRST, 0);
    } else if (first == ID_GRAPH_X_SCALE_FIRST || first == ID_GRAPH_Y_SCALE_FIRST || first == ID_GRAPH_Y2_SCALE_FIRST) {
        const ChartAxisSetting& axis =
            first == ID_GRAPH_X_SCALE_FIRST ? settings.x : first == ID_GRAPH_Y_SCALE_FIRST ? settings.y : settings.y2;
        CheckOneCommand(popup, first, first + 3, first + axis.scalePreset);
    }
}

void CChart2dView::OnProperties() {
    CChart2dPropSheet sheet(this, this);
    if (sheet.DoModal() == IDOK) OnUpdate(nullptr, 0, nullptr);
}

void CChart2dView::OnXCurve(UINT id) {
    Settings().x.SetCurve(XRowOfCommand(id));
    SetDocModified();
    OnUpdate(nullptr, 0, nullptr);
}

void CChart2dView::OnYCurve(UINT id) {
    Settings().y.SetCurve(static_cast<int>(id - ID_GRAPH_Y_FIRST) + 1);
    SetDocModified();
    OnUpdate(nullptr, 0, nullptr);
}

void CChart2dView::OnY2Curve(UINT id) {
    Settings().y2.SetCurve(static_cast<int>(id - ID_GRAPH_Y2_FIRST));
    SetDocModified();
    OnUpdate(nullptr, 0, nullptr);
}

void CChart2dView::OnScale(UINT id) {
    const int index = static_cast<int>(id - ID_GRAPH_X_SCALE_FIRST);
    ChartSettings& settings = Settings();
    ChartAxisSetting* axes[3] = {&settings.x, &settings.y, &settings.y2};
    axes[index / 4]->SetScale(index % 4);
    SetDocModified();
    OnUpdate(nullptr, 0, nullptr);
}

void CChart2dView::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) {
    if (activate && chart_.m_hWnd) {
        chart_.SendMessage(WM_QUERYNEWPALETTE);
        if (CWnd* main = AfxGetMainWnd())
            main->SendMessage(WM_PALETTECHANGED, reinterpret_cast<WPARAM>(chart_.m_hWnd));
    }
    CView::OnActivateView(activate, activateView, deactiveView);
}

CScrollBar* CChart2dView::GetScrollBarCtrl(int bar) const {
    CWnd* parent = GetParent();
    if (parent && parent->IsKindOf(RUNTIME_CLASS(SECTabWnd)))
        return static_cast<SECTabWnd*>(parent)->GetScrollBar(bar, this);
    return CView::GetScrollBarCtrl(bar);
}

}  // namespace torvane

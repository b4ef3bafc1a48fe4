#include "common/ui/GraphView.h"

#include <algorithm>

#include "common/Assertion.h"
#include "common/ui/ChartPropertySheet.h"
#include "common/ui/GraphViewDrawing.h"
#include "common/ui/SplitPanes.h"

static const char kAssertModule[] = "GraphView.cpp";

IMPLEMENT_DYNAMIC(CGraphView, CView)

BEGIN_MESSAGE_MAP(CGraphView, CView)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_CONTEXTMENU()
    ON_WM_INITMENUPOPUP()
    ON_MESSAGE(ZEL2D_PAINTED, OnChartPainted)
END_MESSAGE_MAP()

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;

// The x list holds the rows that are neither (None) nor a combination.
bool IsXListRow(int row) { return row != 0 && !ResultCurveIsCombo(row); }

int XRowOfIndex(int index) {
    for (int row = 0; row < ResultCurveRowCount(); ++row)
        if (IsXListRow(row) && index-- == 0) return row;
    APP_ASSERT(false);
    return 1;
}

int XIndexOfRow(int row) {
    int index = 0;
    for (int r = 0; r < row; ++r)
        if (IsXListRow(r)) ++index;
    return index;
}

}  // namespace

CGraphView::CGraphView() {
    ownSettings_.ResetToNewView();
    if (!font_.CreatePointFont(80, "MS Sans Serif")) font_.Attach(::GetStockObject(SYSTEM_FONT));
    for (auto& setting : graphData_) setting.Reset();
    yLegends_[0] = ResultCurveName(ownSettings_.y.curveIndex);
    y2Legends_[0] = ResultCurveName(ownSettings_.y2.curveIndex);
}

CGraphView::~CGraphView() {
    for (ZELTEXT& caption : captions_)
        if (caption) ZelTextAreaDestroy(caption);
    if (yData_) ZelDataDestroy(yData_);
    if (y2Data_) ZelDataDestroy(y2Data_);
}

ChartSettings& CGraphView::Settings() {
    ChartSettings* kept = place_ >= 0 ? DocumentSettings() : nullptr;
    return kept ? *kept : ownSettings_;
}

const ChartSettings& CGraphView::Settings() const { return const_cast<CGraphView*>(this)->Settings(); }

BOOL CGraphView::PreCreateWindow(CREATESTRUCT& cs) {
    // The chart covers the view: the view's own erasing must not paint over it.
    cs.style |= WS_CLIPCHILDREN;
    return CView::PreCreateWindow(cs);
}

int CGraphView::OnCreate(LPCREATESTRUCT cs) {
    if (CView::OnCreate(cs) == -1) return -1;
    if (GetDocument()) {
        place_ = RegisterWithDocument();
        // A view keeping its own settings starts with its place's.
        if (place_ >= 0 && DocumentSettings() == nullptr) ownSettings_.Reset(place_);
    }
    CRect client;
    GetClientRect(&client);
    if (chart_.Create("", WS_CHILD | WS_VISIBLE, client, this, 0)) SetUpChart();
    return 0;
}

void CGraphView::OnDestroy() {
    if (place_ >= 0 && GetDocument()) {
        // The document's record goes; the view keeps what it showed.
        ownSettings_ = Settings();
        UnregisterFromDocument();
    }
    place_ = -1;
    CView::OnDestroy();
}

void CGraphView::SetUpChart() {
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

COLORREF CGraphView::PlotColor() const { return ZonesShown() ? kWhite : SchemeColor(15); }

bool CGraphView::ZonesShown() const {
    const ZoneSettings& zones = Settings().zones;
    return zones.enabled && zones.preset != 0;
}

void CGraphView::ApplySchemeColors() {
    using namespace zel2d;
    SetValues(chart_.m_chart, CHART_BACKGROUND(SchemeColor(13)), GRAPH_BACKGROUND(SchemeColor(13)),
              TEXT_COLOR(SchemeColor(14)), PLOT_BACKGROUND(PlotColor()), AXIS_COLOR(SchemeColor(16)),
              LEGEND_BACKGROUND(SchemeColor(13)));
    for (ZELTEXT caption : captions_)
        TextAreaSetValues(caption, AREA_BACKGROUND(SchemeColor(18)), AREA_TEXT_COLOR(SchemeColor(17)));
    SetCurveStyles(chart_.m_chart);
    appliedScheme_ = AppColorsGetScheme();
}

// ---- Settings ------------------------------------------------------------

void CGraphView::GetAxisSettings(ChartAxisSetting& x, ChartAxisSetting& y, ChartAxisSetting& y2) const {
    const ChartSettings& settings = Settings();
    x = settings.x;
    y = settings.y;
    y2 = settings.y2;
}

void CGraphView::SetAxisSettings(const ChartAxisSetting& x, const ChartAxisSetting& y, const ChartAxisSetting& y2) {
    ChartSettings& settings = Settings();
    settings.x = x;
    settings.y = y;
    settings.y2 = y2;
}

const GraphDataSetting& CGraphView::GetGraphData(int index) const {
    APP_ASSERT(index >= 0 && index < kMaxDocuments);
    return graphData_[index];
}

void CGraphView::SetGraphData(int index, const GraphDataSetting& setting) {
    APP_ASSERT(index >= 0 && index < kMaxDocuments);
    graphData_[index] = setting;
}

void CGraphView::SetCompareMode(int mode) {
    APP_ASSERT(mode == kChartCombine || mode == kChartCompare);
    Settings().mode = mode;
}

void CGraphView::ResetChartSettings() {
    APP_ASSERT(place_ >= 0);
    Settings().Reset(place_);
}

void CGraphView::RefreshChart() { OnUpdate(nullptr, 0, nullptr); }

void CGraphView::SetDocModified() {
    if (CDocument* doc = GetDocument()) doc->SetModifiedFlag(TRUE);
}

// ---- Feeding the chart ---------------------------------------------------

void CGraphView::OnInitialUpdate() { CView::OnInitialUpdate(); }

void CGraphView::EnsureSets(ZELDATA& data, int sets) {
    if (data && ZelDataGetNSets(data) == sets) return;
    if (data) ZelDataDestroy(data);
    data = ZelDataCreate(ZEL2D_DATA_OWN_X, sets, PointsPerSet());
}

void CGraphView::FillSet(ZELDATA data, int set, const CDocument& doc, int xCurve, int yCurve) {
    const float* xs = DocumentCurve(&doc, xCurve);
    const float* ys = DocumentCurve(&doc, yCurve);
    const int points = PointsPerSet();
    for (int i = 0; i < points; ++i) {
        ZelDataSetXElement(data, set, i, xs[i]);
        ZelDataSetYElement(data, set, i, ys[i]);
    }
    ZelDataSetFirstPoint(data, set, 0);
    ZelDataSetLastPoint(data, set, std::max(PointsDrawn(&doc) - 1, 0));
}

void CGraphView::FillCompare() {
    const ChartSettings& settings = Settings();
    const CDocument* open[kMaxDocuments] = {};
    GraphDataSetting* shown[kMaxDocuments] = {};
    int count = 0;
    for (int i = 0; i < kMaxDocuments; ++i) {
        GraphDataSetting& setting = graphData_[i];
        if (setting.document == nullptr) continue;
        // The own document is open while its view exists.
        if (i != 0 && !DocumentIsOpen(setting.document, setting.serial)) {
            setting.Reset();
            continue;
        }
        open[count] = setting.document;
        shown[count++] = &setting;
    }
    APP_ASSERT(count >= 1 && count <= kMaxDocuments);
    EnsureSets(yData_, count);
    EnsureSets(y2Data_, count);
    const bool hasY2 = settings.y2.curveIndex != 0;
    for (int j = 0; j < count; ++j) {
        GraphDataSetting& setting = *shown[j];
        const bool drawn = PointsDrawn(open[j]) > 0;
        FillSet(yData_, j, *open[j], settings.x.resultCurve, settings.y.resultCurve);
        ZelDataSetDisplay(yData_, j, drawn ? ZEL2D_DISPLAY_SHOW : ZEL2D_DISPLAY_EXCLUDE);
        setting.yLegend = std::string(settings.y.name) + "-" + setting.title;
        yLegends_[j] = setting.yLegend.c_str();
        if (hasY2) {
            FillSet(y2Data_, j, *open[j], settings.x.resultCurve, settings.y2.resultCurve);
            setting.y2Legend = std::string(settings.y2.name) + "-" + setting.title;
            ZelDataSetDisplay(y2Data_, j, drawn ? ZEL2D_DISPLAY_SHOW : ZEL2D_DISPLAY_EXCLUDE);
        } else {
            setting.y2Legend = ResultCurveName(0);
            ZelDataSetDisplay(y2Data_, j, ZEL2D_DISPLAY_EXCLUDE);
        }
        y2Legends_[j] = setting.y2Legend.c_str();
    }
    yLegends_[count] = y2Legends_[count] = nullptr;
}

void CGraphView::FillCombination() {
    const ChartSettings& settings = Settings();
    for (int i = 1; i < kMaxDocuments; ++i) APP_ASSERT(graphData_[i].document == nullptr);
    const CDocument& doc = *graphData_[0].document;
    const bool drawn = PointsDrawn(&doc) > 0;
    const bool hasY2 = settings.y2.curveIndex != 0;
    struct Axis {
        ZELDATA& data;
        const char** legends;
        int row;
        bool shown;
    } axes[2] = {{yData_, yLegends_, settings.y.curveIndex, true},
                 {y2Data_, y2Legends_, settings.y2.curveIndex, hasY2}};
    for (Axis& axis : axes) {
        const GraphRowCurves curves = CurvesOfRow(axis.row);
        EnsureSets(axis.data, curves.count);
        for (int j = 0; j < curves.count; ++j) {
            if (curves.curves[j] != 0) FillSet(axis.data, j, doc, settings.x.resultCurve, curves.curves[j]);
            ZelDataSetDisplay(axis.data, j, axis.shown && drawn ? ZEL2D_DISPLAY_SHOW : ZEL2D_DISPLAY_EXCLUDE);
            axis.legends[j] = ResultCurveName(curves.legendRows[j]);
        }
        axis.legends[curves.count] = nullptr;
    }
}

void CGraphView::OnUpdate(CView*, LPARAM, CObject*) {
    CDocument* doc = GetDocument();
    APP_ASSERT(doc != nullptr && IsGraphDocument(doc));
    GraphDataSetting& own = graphData_[0];
    if (own.document != nullptr) APP_ASSERT(own.document == doc && own.serial == DocumentSerial(doc));
    own.document = doc;
    own.serial = DocumentSerial(doc);
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
            if (zones.needsConversion) ConvertZones(zones);
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

void CGraphView::OnDraw(CDC* dc) {
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
    const ChartAxisSetting& x = settings.x;
    const ChartAxisSetting& y = settings.y;
    const ChartAxisSetting& y2 = settings.y2;
    APP_ASSERT(x.curveIndex != 0 && y.curveIndex != 0);
    const bool hasY2 = y2.curveIndex != 0;
    SetGraphRanges(chart, {x.scalePreset, x.presetMin, x.presetMax}, {y.scalePreset, y.presetMin, y.presetMax},
                   {y2.scalePreset, y2.presetMin, y2.presetMax}, hasY2, ShareScale(y, y2));
    const char* const units[3] = {x.unit, y.unit, y2.unit};
    PlaceUnitCaptions(captions_, captionLines_, units, chart, hasY2);

    if (AppColorsGetScheme() != appliedScheme_) ApplySchemeColors();
    SetValues(chart, DRAWING(1));
    if (printing) chart_.SendMessage(WM_PAINT, reinterpret_cast<WPARAM>(dc->m_hDC), 0);
    else ValidateRect(nullptr);
}

void CGraphView::PrintChart(CDC* dc) {
    PrintGraphView(dc, this, chart_.m_chart, captions_, HFONT(font_.GetSafeHandle()), printRect_,
                   [&] { OnDraw(dc); });
}

void CGraphView::OnPrint(CDC* dc, CPrintInfo*) { PrintChart(dc); }

// ---- Messages ------------------------------------------------------------

void CGraphView::OnSize(UINT type, int cx, int cy) {
    CView::OnSize(type, cx, cy);
    if (chart_.m_hWnd) chart_.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER);
    if (yData_) {
        CClientDC dc(this);
        OnDraw(&dc);
    }
}

BOOL CGraphView::OnEraseBkgnd(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, SchemeColor(13));
    return TRUE;
}

LRESULT CGraphView::OnChartPainted(WPARAM, LPARAM lParam) {
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

void CGraphView::OnContextMenu(CWnd*, CPoint point) { TrackGraphContextMenu(this, CommandIds().menu, point); }

void CGraphView::OnInitMenuPopup(CMenu* popup, UINT, BOOL sysMenu) {
    if (sysMenu || popup == nullptr || popup->GetMenuItemCount() == 0) return;
    const GraphCommandIds& ids = CommandIds();
    const UINT first = popup->GetMenuItemID(0);
    const ChartSettings& settings = Settings();
    // The combination rows only in combination mode.
    const UINT comboState = MF_BYCOMMAND | (settings.mode == kChartCompare ? MF_GRAYED : MF_ENABLED);
    auto greyCombos = [&](UINT base, int firstRow) {
        for (int row = firstRow; row < ResultCurveRowCount(); ++row)
            if (ResultCurveIsCombo(row)) popup->EnableMenuItem(base + row - firstRow, comboState);
    };
    if (first == ids.xFirst) {
        CheckOneCommand(popup, ids.xFirst, ids.xLast, ids.xFirst + XIndexOfRow(settings.x.curveIndex));
    } else if (first == ids.yFirst) {
        CheckOneCommand(popup, ids.yFirst, ids.yLast, ids.yFirst + settings.y.curveIndex - 1);
        greyCombos(ids.yFirst, 1);
    } else if (first == ids.y2First) {
        CheckOneCommand(popup, ids.y2First, ids.y2Last, ids.y2First + settings.y2.curveIndex);
        greyCombos(ids.y2First, 0);
    } else {
        const ChartAxisSetting* axes[3] = {&settings.x, &settings.y, &settings.y2};
        for (int axis = 0; axis < 3; ++axis)
            if (first == ids.scaleFirst[axis])
                CheckOneCommand(popup, first, first + kScalePresetCount - 1, first + axes[axis]->scalePreset);
    }
}

BOOL CGraphView::OnCommand(WPARAM wParam, LPARAM lParam) {
    // The menu's lists: runs of ids that differ between the programs.
    const GraphCommandIds& ids = CommandIds();
    const UINT id = LOWORD(wParam);
    if (HIWORD(wParam) == 0 || lParam == 0) {
        ChartSettings& settings = Settings();
        if (id == ids.properties) {
            OnProperties();
            return TRUE;
        }
        if (id >= ids.xFirst && id <= ids.xLast) {
            settings.x.SetCurve(XRowOfIndex(static_cast<int>(id - ids.xFirst)));
            AfterMenuEdit();
            return TRUE;
        }
        if (id >= ids.yFirst && id <= ids.yLast) {
            settings.y.SetCurve(static_cast<int>(id - ids.yFirst) + 1);
            AfterMenuEdit();
            return TRUE;
        }
        if (id >= ids.y2First && id <= ids.y2Last) {
            settings.y2.SetCurve(static_cast<int>(id - ids.y2First));
            AfterMenuEdit();
            return TRUE;
        }
        ChartAxisSetting* axes[3] = {&settings.x, &settings.y, &settings.y2};
        for (int axis = 0; axis < 3; ++axis) {
            if (id >= ids.scaleFirst[axis] && id < ids.scaleFirst[axis] + kScalePresetCount) {
                axes[axis]->SetScale(static_cast<int>(id - ids.scaleFirst[axis]));
                AfterMenuEdit();
                return TRUE;
            }
        }
    }
    return CView::OnCommand(wParam, lParam);
}

void CGraphView::AfterMenuEdit() {
    SetDocModified();
    OnUpdate(nullptr, 0, nullptr);
}

void CGraphView::OnProperties() {
    CChart2dPropSheet sheet(this, this);
    if (sheet.DoModal() == IDOK) OnUpdate(nullptr, 0, nullptr);
}

void CGraphView::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) {
    if (activate && chart_.m_hWnd) {
        chart_.SendMessage(WM_QUERYNEWPALETTE);
        if (CWnd* main = AfxGetMainWnd())
            main->SendMessage(WM_PALETTECHANGED, reinterpret_cast<WPARAM>(chart_.m_hWnd));
    }
    CView::OnActivateView(activate, activateView, deactiveView);
}

CScrollBar* CGraphView::GetScrollBarCtrl(int bar) const {
    if (CScrollBar* shared = TabWndScrollBarOf(this, bar)) return shared;
    return CView::GetScrollBarCtrl(bar);
}

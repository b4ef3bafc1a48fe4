#include "common/sweepui/QuickCharts.h"

#include "common/Assertion.h"
#include "common/sweepui/SweepBestRange.h"

static const char kAssertModule[] = "QuickCharts.cpp";

namespace {

constexpr COLORREF kChartGrey = 0xC0C0C0;
constexpr COLORREF kPlotWhite = 0xFFFFFF;
constexpr COLORREF kBaselineGrey = 0x808080;
constexpr COLORREF kBestRed = 0x0000FF;

}  // namespace

CSweepChartFont::CSweepChartFont() { font_.CreatePointFont(80, "MS Sans Serif"); }

HFONT CSweepChartFont::Get() const {
    return IsMade() ? static_cast<HFONT>(font_.GetSafeHandle()) : static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
}

int CSweepChartFont::PointsHeight() {
    HDC screen = ::GetDC(nullptr);
    const int height = ::GetDeviceCaps(screen, LOGPIXELSY) * 8 / 72;
    ::ReleaseDC(nullptr, screen);
    return height;
}

CRect SweepTakePlaceholder(CWnd* parent, int id) {
    CWnd* place = parent->GetDlgItem(id);
    APP_ASSERT(place != nullptr);
    CRect rect;
    place->GetWindowRect(&rect);
    parent->ScreenToClient(&rect);
    place->DestroyWindow();
    return rect;
}

bool CreateChartInPlaceOf(CWnd* dialog, int placeholderId, CChart2D& chart, int chartType,
                          const CSweepChartFont& font) {
    const CRect rect = SweepTakePlaceholder(dialog, placeholderId);
    if (!chart.Create("", WS_CHILD | WS_VISIBLE, rect, dialog, placeholderId)) return false;
    using namespace zel2d;
    SetValues(chart.m_chart, Y_CHART_TYPE(chartType), CHART_BORDER(0), CHART_BACKGROUND(kChartGrey),
              GRAPH_BACKGROUND(kChartGrey), PLOT_BACKGROUND(kPlotWhite), NEW_CHART(1), GRAPH_X(0), GRAPH_Y(0),
              GRAPH_WIDTH(rect.Width()), GRAPH_HEIGHT(rect.Height()), FONT(font.Get()));
    return true;
}

void ReduceChartMargins(ZELCHART chart, const CSweepChartFont& font) {
    if (!font.IsMade()) return;
    using namespace zel2d;
    const int height = CSweepChartFont::PointsHeight();
    SetValues(chart, MARGIN_TOP(GetValue(chart, MARGIN_TOP) - height),
              MARGIN_BOTTOM(GetValue(chart, MARGIN_BOTTOM) - height));
}

CQuickBestChart::~CQuickBestChart() {
    chart_.DestroyWindow();
    if (chart_.m_chart) {
        ZelDestroy(chart_.m_chart);
        chart_.m_chart = nullptr;
    }
    if (data_) ZelDataDestroy(data_);
}

bool CQuickBestChart::Create(CWnd* dialog, int placeholderId, const CSweepChartFont& font, bool yGrid) {
    if (!CreateChartInPlaceOf(dialog, placeholderId, chart_, ZEL2D_CHART_BAR, font)) return false;
    ZELCHART chart = chart_.m_chart;
    using namespace zel2d;
    // The one group of two bars at x = 1 fills most of the x range 0.5 to
    // 1.5 that the library fits round it; its labels sit under the bars.
    SetValues(chart, BAR_GROUP_WIDTH(60), X_ANNOTATION(ZEL2D_ANNOTATE_VALUE_LABELS), X_AUTO_MIN(1), X_AUTO_MAX(1));
    ZelSetValueLabel(chart, 0, 0.85, "Baseline");
    ZelSetValueLabel(chart, 0, 1.15, "Best");
    if (!yGrid) SetValues(chart, Y_GRID(0));
    APP_ASSERT(data_ == nullptr);
    data_ = ZelDataCreate(ZEL2D_DATA_SHARED_X, 2, 1);
    ZelDataSetXElement(data_, 0, 0, 1.0);
    SetValues(chart, Y_AXIS_SHOW(1), DATA(data_));
    ZelStyle style = {};
    ZelGetNthDataStyle(chart, 0, &style);
    style.color = kBaselineGrey;
    ZelSetNthDataStyle(chart, 0, &style);
    style.color = kBestRed;
    ZelSetNthDataStyle(chart, 1, &style);
    // Only the top margin is reduced: the bottom one holds the bars' labels,
    // which the reduced margin would cut.
    if (font.IsMade())
        SetValues(chart, MARGIN_TOP(GetValue(chart, MARGIN_TOP) - CSweepChartFont::PointsHeight()));
    return true;
}

void CQuickBestChart::Update(double baseline, bool kept, double lo, double hi, double best) {
    ZELCHART chart = chart_.m_chart;
    APP_ASSERT(chart != nullptr && data_ != nullptr);
    using namespace zel2d;
    SetValues(chart, DRAWING(0));
    // Without a result the range starts from 0 to the baseline.
    ZelDataSetDisplay(data_, 1, kept ? ZEL2D_DISPLAY_SHOW : ZEL2D_DISPLAY_HIDE);
    if (!kept) {
        SetValues(chart, Y_MIN(0.0), Y_MAX(baseline));
        lo = 0.0;
        hi = baseline;
    }
    const SweepYRange current = {GetValue(chart, Y_MIN), GetValue(chart, Y_MAX)};
    const SweepYRange range = SweepBestYRange(lo, hi, baseline, current);
    if (range.minimum != current.minimum || range.maximum != current.maximum)
        SetValues(chart, Y_MIN(range.minimum), Y_MAX(range.maximum));
    SetValues(chart, Y_TICK_ANCHOR(GetValue(chart, Y_MIN)));
    ZelDataSetYElement(data_, 0, 0, baseline);
    ZelDataSetYElement(data_, 1, 0, best);
    SetValues(chart, DATA(data_), DRAWING(1));
}

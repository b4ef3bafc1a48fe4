#include "common/sweepui/QuickCharts.h"

#include "common/Assertion.h"
#include "common/sweepui/SweepBestRange.h"

static const char kAssertModule[] = "QuickCharts.cpp";

namespace {

constexpr COLORREF kBaselineGrey = 0x808080;
constexpr COLORREF kBestRed = 0x0000FF;

}  // namespace

CQuickBestChart::~CQuickBestChart() {
    chart_.DestroyWindow();
    if (chart_.m_chart) {
        ZelDestroy(chart_.m_chart);
        chart_.m_chart = nullptr;
    }
    if (data_) ZelDataDestroy(data_);
}

bool CQuickBestChart::Create(CWnd* dialog, int placeholderId, const CDialogChartFont& font, bool yGrid) {
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
        SetValues(chart, MARGIN_TOP(GetValue(chart, MARGIN_TOP) - CDialogChartFont::PointsHeight()));
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

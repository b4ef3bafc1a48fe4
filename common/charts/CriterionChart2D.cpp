#include "common/charts/CriterionChart2D.h"

#include "common/Assertion.h"

static const char kAssertModule[] = "CriterionChart2D.cpp";

IMPLEMENT_DYNAMIC(CCriterionChart2D, CChart2D)

namespace {

constexpr COLORREF kGrey = 0x808080;
constexpr COLORREF kMarkerSymbol = 0x808000;
enum { kCurveSeries = 0, kFromMarker = 1, kToMarker = 2 };

void SetStyle(ZELCHART chart, bool secondAxis, int set, int pattern, int width, int symbol,
              COLORREF symbolColor, int symbolSize) {
    ZelStyle style = {};
    if (secondAxis) {
        ZelGetNthDataStyle2(chart, set, &style);
    } else {
        ZelGetNthDataStyle(chart, set, &style);
    }
    style.pattern = pattern;
    style.color = static_cast<int>(kGrey);
    if (width >= 0) style.width = width;
    if (symbol >= 0) style.symbol = symbol;
    if (symbolColor != CLR_INVALID) style.symbol_color = static_cast<int>(symbolColor);
    if (symbolSize >= 0) style.symbol_size = symbolSize;
    if (secondAxis) {
        ZelSetNthDataStyle2(chart, set, &style);
    } else {
        ZelSetNthDataStyle(chart, set, &style);
    }
}

void SetMarker(ZELDATA data, int set, double x, double height) {
    ZelDataSetXElement(data, set, 0, x);
    ZelDataSetYElement(data, set, 0, 0.0);
    ZelDataSetXElement(data, set, 1, x);
    ZelDataSetYElement(data, set, 1, height);
    ZelDataSetFirstPoint(data, set, 0);
    ZelDataSetLastPoint(data, set, 1);
}

}  // namespace

CCriterionChart2D::~CCriterionChart2D() {
    DestroyWindow();
    if (curve_) ZelDataDestroy(curve_);
    if (window_) ZelDataDestroy(window_);
}

bool CCriterionChart2D::CreateInPlaceOf(CWnd* parent, int placeholderId, int points,
                                        const ChartAxisSetting& x, const ChartAxisSetting& y) {
    APP_ASSERT(parent != nullptr && points >= 2 && m_chart == nullptr);
    if (!CreateChartInPlaceOf(parent, placeholderId, *this, 5, font_) || m_chart == nullptr) return false;

    using namespace zel2d;
    SetValues(m_chart, Y2_CHART_TYPE(1), Y_FILL(2), Y2_ANNOTATION(2), TITLE_FONT(font_.Get()));
    SetValues(m_chart, X_TITLE(x.name), X_AXIS_SHOW(1), Y_TITLE(y.name), Y_AXIS_SHOW(1),
              X_MIN(x.presetMin), X_MAX(x.presetMax), Y_MIN(y.presetMin), Y_MAX(y.presetMax),
              Y2_MIN(y.presetMin), Y2_MAX(y.presetMax));

    SetStyle(m_chart, false, 0, ZEL2D_LINE_SOLID, 1, ZEL2D_SYMBOL_DOT, CLR_INVALID, 5);
    SetStyle(m_chart, true, kCurveSeries, ZEL2D_LINE_SOLID, 1, ZEL2D_SYMBOL_DOT, CLR_INVALID, 5);
    SetStyle(m_chart, true, kFromMarker, ZEL2D_LINE_DASHED, -1, -1, kMarkerSymbol, -1);
    SetStyle(m_chart, true, kToMarker, ZEL2D_LINE_DASHED, -1, -1, kMarkerSymbol, -1);

    points_ = points;
    window_ = ZelDataCreate(ZEL2D_DATA_OWN_X, 1, points);
    curve_ = ZelDataCreate(ZEL2D_DATA_OWN_X, 3, points);
    SetValues(m_chart, DATA(window_), DATA2(curve_));
    ReduceChartMargins(m_chart, font_);
    return true;
}

void CCriterionChart2D::SetYTitle(const ChartAxisSetting& y) {
    if (m_chart) zel2d::SetValues(m_chart, zel2d::Y_TITLE(y.name));
}

void CCriterionChart2D::ShowCurve(const float* x, const float* y, int count, double from, double to,
                                  bool showWindow, bool showMarkers) {
    APP_ASSERT(x != nullptr && y != nullptr && count >= 0 && count <= points_);
    if (window_ == nullptr || curve_ == nullptr) return;
    int inside = 0;
    double firstHeight = 0.0, lastHeight = 0.0;
    for (int i = 0; i < count; ++i) {
        ZelDataSetXElement(curve_, kCurveSeries, i, x[i]);
        ZelDataSetYElement(curve_, kCurveSeries, i, y[i]);
        if (x[i] < from || x[i] > to) continue;
        ZelDataSetXElement(window_, 0, inside, x[i]);
        ZelDataSetYElement(window_, 0, inside, y[i]);
        if (inside == 0) firstHeight = y[i];
        lastHeight = y[i];
        ++inside;
    }
    ZelDataSetFirstPoint(curve_, kCurveSeries, 0);
    ZelDataSetLastPoint(curve_, kCurveSeries, count > 0 ? count - 1 : 0);
    ZelDataSetDisplay(curve_, kCurveSeries, count > 0 ? ZEL2D_DISPLAY_SHOW : ZEL2D_DISPLAY_HIDE);
    // A window without a sample has nothing to fill.
    ZelDataSetFirstPoint(window_, 0, 0);
    ZelDataSetLastPoint(window_, 0, inside > 0 ? inside - 1 : 0);
    ZelDataSetDisplay(window_, 0, showWindow && inside > 0 ? ZEL2D_DISPLAY_SHOW : ZEL2D_DISPLAY_HIDE);
    fromHeight_ = firstHeight;
    toHeight_ = lastHeight;
    SetMarker(curve_, kFromMarker, from, firstHeight);
    SetMarker(curve_, kToMarker, to, lastHeight);
    const int markers = showMarkers ? ZEL2D_DISPLAY_SHOW : ZEL2D_DISPLAY_HIDE;
    ZelDataSetDisplay(curve_, kFromMarker, markers);
    ZelDataSetDisplay(curve_, kToMarker, markers);

    using namespace zel2d;
    SetValues(m_chart, DATA(window_), DATA2(curve_), Y2_AUTO_MAX(1));
    SetValues(m_chart, Y_MIN(GetValue(m_chart, Y2_MIN)), Y_MAX(GetValue(m_chart, Y2_MAX)));
}

#include "common/DialogChart.h"

#include "common/Assertion.h"

static const char kAssertModule[] = "DialogChart.cpp";

namespace {

constexpr COLORREF kChartGrey = 0xC0C0C0;
constexpr COLORREF kPlotWhite = 0xFFFFFF;

}  // namespace

CDialogChartFont::CDialogChartFont() { font_.CreatePointFont(80, "MS Sans Serif"); }

HFONT CDialogChartFont::Get() const {
    return IsMade() ? static_cast<HFONT>(font_.GetSafeHandle()) : static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
}

int CDialogChartFont::PointsHeight() {
    HDC screen = ::GetDC(nullptr);
    const int height = ::GetDeviceCaps(screen, LOGPIXELSY) * 8 / 72;
    ::ReleaseDC(nullptr, screen);
    return height;
}

CRect TakePlaceholderRect(CWnd* parent, int id) {
    CWnd* place = parent->GetDlgItem(id);
    APP_ASSERT(place != nullptr);
    CRect rect;
    place->GetWindowRect(&rect);
    parent->ScreenToClient(&rect);
    place->DestroyWindow();
    return rect;
}

void CLegendSwatches::Add(CWnd* dialog, int id, COLORREF colour) {
    CWnd* control = dialog->GetDlgItem(id);
    APP_ASSERT(control != nullptr);
    CRect rect;
    control->GetWindowRect(&rect);
    dialog->ScreenToClient(&rect);
    control->ShowWindow(SW_HIDE);
    swatches_.push_back({rect, colour});
}

void CLegendSwatches::Paint(CDC& dc) const {
    for (const auto& swatch : swatches_) dc.FillSolidRect(&swatch.first, swatch.second);
}

bool CreateChartInPlaceOf(CWnd* dialog, int placeholderId, CChart2D& chart, int chartType,
                          const CDialogChartFont& font) {
    const CRect rect = TakePlaceholderRect(dialog, placeholderId);
    if (!chart.Create("", WS_CHILD | WS_VISIBLE, rect, dialog, placeholderId)) return false;
    using namespace zel2d;
    SetValues(chart.m_chart, Y_CHART_TYPE(chartType), CHART_BORDER(0), CHART_BACKGROUND(kChartGrey),
              GRAPH_BACKGROUND(kChartGrey), PLOT_BACKGROUND(kPlotWhite), NEW_CHART(1), GRAPH_X(0), GRAPH_Y(0),
              GRAPH_WIDTH(rect.Width()), GRAPH_HEIGHT(rect.Height()), FONT(font.Get()));
    return true;
}

void ReduceChartMargins(ZELCHART chart, const CDialogChartFont& font) {
    if (!font.IsMade()) return;
    using namespace zel2d;
    const int height = CDialogChartFont::PointsHeight();
    SetValues(chart, MARGIN_TOP(GetValue(chart, MARGIN_TOP) - height),
              MARGIN_BOTTOM(GetValue(chart, MARGIN_BOTTOM) - height));
}

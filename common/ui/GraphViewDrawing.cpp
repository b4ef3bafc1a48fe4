#include "common/ui/GraphViewDrawing.h"

#include <algorithm>

#include "common/Assertion.h"

static const char kAssertModule[] = "GraphViewDrawing";

namespace {
constexpr int kWhite = 0xFFFFFF;
}  // namespace

void LayOutLegendAndGraph(ZELCHART chart, CDC* dc, const CRect& rect) {
    using namespace zel2d;
    HFONT legendFont = GetValue(chart, LEGEND_FONT);
    HGDIOBJ oldFont = ::SelectObject(dc->m_hDC, legendFont ? HGDIOBJ(legendFont) : ::GetStockObject(SYSTEM_FONT));
    TEXTMETRIC metrics = {};
    ::GetTextMetrics(dc->m_hDC, &metrics);
    ::SelectObject(dc->m_hDC, oldFont);
    const int textHeight = metrics.tmHeight;
    const int width = rect.Width(), height = rect.Height();
    const int legendWidth = GetValue(chart, LEGEND_WIDTH), legendHeight = GetValue(chart, LEGEND_HEIGHT);
    const int legendX = std::max(0, (width - legendWidth) / 2);
    const int legendY = std::max(0, height - textHeight / 2 - legendHeight);
    SetValues(chart, LEGEND_X(legendX), LEGEND_Y(legendY), GRAPH_X(2), GRAPH_Y(2), GRAPH_WIDTH(std::max(0, width - 4)),
              GRAPH_HEIGHT(std::max(0, legendY - 4)));
}

void SetGraphRanges(ZELCHART chart, const GraphAxisScale& x, const GraphAxisScale& y, const GraphAxisScale& y2,
                    bool hasY2, bool shareScale) {
    using namespace zel2d;
    SetValues(chart, X_AXIS_SHOW(1));
    if (x.preset) SetValues(chart, X_MIN(double(x.min)), X_MAX(double(x.max)));
    else SetValues(chart, X_AUTO_MIN(1), X_AUTO_MAX(1));
    SetValues(chart, Y_AXIS_SHOW(1));
    if (y.preset) SetValues(chart, Y_MIN(double(y.min)), Y_MAX(double(y.max)));
    else SetValues(chart, Y_AUTO_MIN(1), Y_AUTO_MAX(1));
    if (hasY2) {
        SetValues(chart, Y2_AXIS_SHOW(1));
        if (y2.preset) SetValues(chart, Y2_MIN(double(y2.min)), Y2_MAX(double(y2.max)));
        else SetValues(chart, Y2_AUTO_MIN(1), Y2_AUTO_MAX(1));
    }
    if (hasY2 && shareScale && y.preset == 0 && y2.preset == 0) {
        const double min = std::min(GetValue(chart, Y_MIN), GetValue(chart, Y2_MIN));
        const double max = std::max(GetValue(chart, Y_MAX), GetValue(chart, Y2_MAX));
        SetValues(chart, Y_MIN(min), Y_MAX(max), Y2_MIN(min), Y2_MAX(max));
    }
    SetValues(chart, X_GRID_SPACING(GetValue(chart, X_MINOR_SPACING)),
              Y_GRID_SPACING(GetValue(chart, Y_MINOR_SPACING)), Y2_GRID_SPACING(GetValue(chart, Y2_MINOR_SPACING)));
}

void PlaceUnitCaptions(ZELTEXT (&captions)[3], const char* (&lines)[3][2], const char* const (&units)[3],
                       ZELCHART chart, bool hasY2) {
    using namespace zel2d;
    const double xMin = GetValue(chart, X_MIN), xMax = GetValue(chart, X_MAX);
    const double yMin = GetValue(chart, Y_MIN), yMax = GetValue(chart, Y_MAX);
    const double anchors[3][2] = {{0.55 * xMax, yMin}, {xMin, yMax}, {xMax, yMax}};
    for (int i = 0; i < 3; ++i) {
        lines[i][0] = units[i];
        lines[i][1] = nullptr;
        TextAreaSetValues(captions[i], AREA_X(anchors[i][0]), AREA_Y(anchors[i][1]), AREA_LINES(lines[i]));
    }
    TextAreaSetValues(captions[2], AREA_SHOW(hasY2 ? 1 : 0));
}

void PrintGraphView(CDC* dc, CWnd* view, ZELCHART chart, ZELTEXT (&captions)[3], HFONT screenFont,
                    CRect& printRect, const std::function<void()>& draw) {
    APP_ASSERT(dc != nullptr && dc->IsPrinting() && view != nullptr);
    if (chart == nullptr) return;
    const bool wasVisible = (view->GetStyle() & WS_VISIBLE) != 0;
    if (wasVisible) view->ShowWindow(SW_HIDE);
    HFONT printFont = HFONT(::GetCurrentObject(dc->m_hDC, OBJ_FONT));
    if (printFont == nullptr) printFont = HFONT(::GetStockObject(SYSTEM_FONT));
    using namespace zel2d;
    SetValues(chart, FONT(printFont), LEGEND_FONT(printFont));
    for (ZELTEXT caption : captions) TextAreaSetValues(caption, AREA_FONT(printFont));

    const int ppiX = dc->GetDeviceCaps(LOGPIXELSX), ppiY = dc->GetDeviceCaps(LOGPIXELSY);
    const int printableX = dc->GetDeviceCaps(PHYSICALWIDTH) - 2 * (dc->GetDeviceCaps(PHYSICALOFFSETX) + ppiX);
    const int printableY = dc->GetDeviceCaps(PHYSICALHEIGHT) - 2 * (dc->GetDeviceCaps(PHYSICALOFFSETY) + ppiY);
    const int side = std::min(printableX, printableY);
    CClientDC screen(view);
    const double screenX = screen.GetDeviceCaps(LOGPIXELSX), screenY = screen.GetDeviceCaps(LOGPIXELSY);
    printRect.SetRect(0, 0, static_cast<int>(double(side) / ppiX * screenX * 2 / 3),
                      static_cast<int>(double(side) / ppiY * screenY * 2 / 3));

    const int saved[6] = {GetValue(chart, CHART_BACKGROUND), GetValue(chart, GRAPH_BACKGROUND),
                          GetValue(chart, PLOT_BACKGROUND),  GetValue(chart, LEGEND_BACKGROUND),
                          GetValue(chart, TEXT_COLOR),       GetValue(chart, AXIS_COLOR)};
    SetValues(chart, CHART_BACKGROUND(kWhite), GRAPH_BACKGROUND(kWhite), PLOT_BACKGROUND(kWhite),
              LEGEND_BACKGROUND(kWhite), TEXT_COLOR(0), AXIS_COLOR(0));
    draw();
    SetValues(chart, CHART_BACKGROUND(saved[0]), GRAPH_BACKGROUND(saved[1]), PLOT_BACKGROUND(saved[2]),
              LEGEND_BACKGROUND(saved[3]), TEXT_COLOR(saved[4]), AXIS_COLOR(saved[5]));
    SetValues(chart, FONT(screenFont), LEGEND_FONT(screenFont));
    for (ZELTEXT caption : captions) TextAreaSetValues(caption, AREA_FONT(screenFont));
    if (wasVisible) view->ShowWindow(SW_SHOW);
}

void TrackGraphContextMenu(CWnd* view, UINT menuId, CPoint point) {
    CMenu menu;
    if (!menu.LoadMenu(menuId)) return;
    if (point.x == -1 && point.y == -1) {
        CRect client;
        view->GetClientRect(&client);
        point = client.CenterPoint();
        view->ClientToScreen(&point);
    }
    ::TrackPopupMenu(::GetSubMenu(menu.m_hMenu, 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0,
                     view->m_hWnd, nullptr);
}

void CheckOneCommand(CMenu* popup, UINT first, UINT last, UINT checked) {
    for (UINT id = first; id <= last; ++id)
        popup->CheckMenuItem(id, MF_BYCOMMAND | (id == checked ? MF_CHECKED : MF_UNCHECKED));
}

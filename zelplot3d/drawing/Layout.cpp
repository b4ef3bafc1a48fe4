#include "drawing/Layout.h"

#include <algorithm>

#include "chart/Chart.h"
#include "drawing/Legend.h"
#include "drawing/Redraw.h"

namespace {

int Clamp(int value, int high) { return std::clamp(value, 0, std::max(high, 0)); }

// The usable area inside the border and the outer margin.
Rect UsableArea(const Zel3dChart* chart) {
    int b = chart->border_width + chart->scene.outer_margin;
    return {b, b, chart->width - 2 * b, chart->height - 2 * b};
}

struct LineHeights {
    int header, footer, legend;
};

void PlaceLegend(Zel3dChart* chart, const Rect& a, const LineHeights& lines) {
    LegendArea& legend = chart->legend;
    int vertical = legend.anchor & 0xF0, horizontal = legend.anchor & 0x0F;
    double ll = lines.legend * 0.75;
    if (legend.y.use_default) {
        double y;
        if (vertical == 16) {
            y = legend.anchor == 16 ? ll + lines.header * 1.5 + a.y + chart->header.height : ll + a.y;
        } else if (vertical == 32) {
            double above = legend.anchor == 32 ? ll + lines.footer * 1.5 + chart->footer.height + legend.height
                                               : ll + legend.height;
            y = (a.y + a.height) - above;
        } else {
            y = (a.height - legend.height) / 2;
        }
        legend.y.value = Clamp(int(y), a.height);
    }
    if (legend.x.use_default) {
        double x;
        if (horizontal == 1) x = (a.x + a.width) - (ll + legend.width);
        else if (horizontal == 2) x = ll + a.x;
        else x = (a.width - legend.width) / 2;
        legend.x.value = Clamp(int(x), a.width);
    }
    legend.rect = {legend.x.value, legend.y.value, legend.width, legend.height};
}

void PlaceTextArea(TextArea& area, const Rect& a, int line_height, bool at_top) {
    if (area.x.use_default) area.x.value = Clamp((a.width - area.width) / 2, a.width);
    if (area.y.use_default) {
        double y = at_top ? line_height * 0.75 + a.y : (a.y + a.height - area.height) - line_height * 0.75;
        area.y.value = Clamp(int(y), a.height);
    }
    area.rect = {area.x.value, area.y.value, area.width, area.height};
}

// The band a header or footer takes away from the graph: the full width
// when its x is defaulted.
Rect TakenBy(const TextArea& area, const Rect& a) {
    return area.x.use_default ? Rect{0, area.y.value, a.width, area.height} : area.rect;
}

void Subtract(const Rect& cut, RectList* free_list) {
    if (cut.width > 0 && cut.height > 0 && free_list->head) zel3d_rect_list_subtract(cut, free_list);
}

void PlaceGraph(Zel3dChart* chart, const Rect& a) {
    GraphArea& graph = chart->graph;
    if (!graph.x.use_default && !graph.y.use_default && !graph.width.use_default && !graph.height.use_default) {
        graph.rect = {graph.x.value, graph.y.value, graph.width.value, graph.height.value};
        return;
    }
    RectList free_list = {nullptr, nullptr};
    zel3d_rect_node_new(a, &free_list);
    Subtract(chart->legend.rect, &free_list);
    Subtract(TakenBy(chart->header, a), &free_list);
    Subtract(TakenBy(chart->footer, a), &free_list);
    Rect r = free_list.head ? zel3d_largest_free_rect(&free_list) : Rect{0, 0, 0, 0};
    zel3d_rect_list_free(&free_list);

    // A margin of a 24th of the free rectangle on each side.
    Rect g = {r.x + r.width / 24, r.y + r.height / 24, r.width - 2 * (r.width / 24), r.height - 2 * (r.height / 24)};
    if (!graph.x.use_default) {
        if (graph.width.use_default) g.width += g.x - graph.x.value;  // the right edge stays
        g.x = graph.x.value;
    }
    if (!graph.y.use_default) {
        if (graph.height.use_default) g.height += g.y - graph.y.value;
        g.y = graph.y.value;
    }
    if (!graph.height.use_default) g.height = graph.height.value;
    if (!graph.width.use_default) g.width = graph.width.value;
    graph.rect = g;
}

}  // namespace

void zel3d_layout_areas(Zel3dChart* chart) {
    Rect a = UsableArea(chart);
    LineHeights lines = {0, 0, 0};
    zel3d_measure_text_area(chart, &chart->header, &lines.header, &chart->header.width, &chart->header.height);
    zel3d_measure_text_area(chart, &chart->footer, &lines.footer, &chart->footer.width, &chart->footer.height);
    zel3d_legend_measure(chart, &lines.legend, &chart->legend.width, &chart->legend.height);

    PlaceLegend(chart, a, lines);
    PlaceTextArea(chart->header, a, lines.header, true);
    PlaceTextArea(chart->footer, a, lines.footer, false);
    PlaceGraph(chart, a);

    Rect& g = chart->graph.rect;
    if (g.width > 32767) g.width = 0;
    if (g.height > 32767) g.height = 0;
    // Defaulted header and footer are centred over the graph.
    for (TextArea* area : {&chart->header, &chart->footer}) {
        if (!area->x.use_default) continue;
        area->x.value = g.x + (g.width - area->width) / 2;
        area->rect.x = area->x.value;
    }
    chart->graph.x.value = g.x;
    chart->graph.y.value = g.y;
    chart->graph.width.value = g.width;
    chart->graph.height.value = g.height;
}

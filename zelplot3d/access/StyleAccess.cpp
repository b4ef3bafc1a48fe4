#include "access/StyleAccess.h"

#include "drawing/Repaint.h"
#include "properties/ContourStyles.h"

namespace {

Zel3dContourStyle g_shared_style;

bool ColorsShown(const Zel3dChart* chart, int projection_bit) {
    return ((chart->project_zmin | chart->project_zmax) & projection_bit) != 0;
}

}  // namespace

const Zel3dContourStyle* get_cstyle(Zel3dChart* chart, int index, int by_level) {
    const ContourStyleList& styles = chart->contour_styles;
    if (!styles.items) return nullptr;
    int limit = by_level ? chart->levels.count : styles.count - 1;
    if (index < 0 || index > limit) {
        zel3d_debug_printf(chart, "ZEL/3d: Bad index %d to get_cstyle.\n", index);
        zel3d_debug_printf(chart, "        Attempt to get style failed.\n");
        return nullptr;
    }
    if (by_level) index = zel3d_style_of_level(index, chart->levels.count, styles.count);
    g_shared_style = *styles.items[index];
    return &g_shared_style;
}

void set_cstyle(Zel3dChart* chart, int index, const Zel3dContourStyle* style, int by_level) {
    const ContourStyleList& styles = chart->contour_styles;
    if (!styles.items) return;
    if (!style) {
        zel3d_debug_printf(chart, "ZEL/3d: NULL cstyle passed to set_cstyle.\n");
        zel3d_debug_printf(chart, "        Attempt to change style failed.\n");
        return;
    }
    int limit = by_level ? chart->levels.count : styles.count - 1;
    if (index < 0 || index > limit) {
        zel3d_debug_printf(chart, "ZEL/3d: Bad index %d to set_cstyle.\n", index);
        zel3d_debug_printf(chart, "        Attempt to change style failed.\n");
        return;
    }
    if (by_level) index = zel3d_style_of_level(index, chart->levels.count, styles.count);
    Zel3dContourStyle& target = *styles.items[index];
    bool zones_shown = chart->draw_zones || ColorsShown(chart, 2);
    bool contours_shown = chart->draw_contours || ColorsShown(chart, 1);
    bool visible = (zones_shown && target.zone_color != style->zone_color) ||
                   (contours_shown && (target.line_color != style->line_color ||
                                       target.line_width != style->line_width ||
                                       target.line_pattern != style->line_pattern));
    target = *style;
    if (visible) zel3d_repaint(chart, kDamageAll);
}

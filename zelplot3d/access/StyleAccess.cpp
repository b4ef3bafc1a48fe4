#include "access/StyleAccess.h"

#include "drawing/Redraw.h"
#include "drawing/Repaint.h"
#include "kernel/ContourTrace.h"
#include "kernel/ExportGuard.h"
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

extern "C" {

ZEL3D_API const Zel3dContourStyle* Zel3dGetNthContourStyle(Zel3dChart* chart, int n) try {
    return chart ? get_cstyle(chart, n, 0) : nullptr;
} catch (...) {
    return zel3d_export_failure<const Zel3dContourStyle*>(nullptr);
}

ZEL3D_API void Zel3dSetNthContourStyle(Zel3dChart* chart, int n, const Zel3dContourStyle* style) try {
    if (chart) set_cstyle(chart, n, style, 0);
} catch (...) {
    zel3d_export_failure();
}

ZEL3D_API Zel3dContourStyle** Zel3dResetContourStyles(Zel3dChart* chart) try {
    if (!chart) return nullptr;
    zel3d_default_cstyles(chart);
    zel3d_repaint(chart, kDamageAll);
    return chart->contour_styles.items;
} catch (...) {
    return zel3d_export_failure<Zel3dContourStyle**>(nullptr);
}

ZEL3D_API Zel3dDistnTable* Zel3dGetDistnTable(Zel3dChart* chart) try {
    if (!chart) return nullptr;
    if (!chart->up_to_date) zel3d_bring_up_to_date(chart, chart->damage_mask);
    return zel3d_distn_table_current(chart);
} catch (...) {
    return zel3d_export_failure<Zel3dDistnTable*>(nullptr);
}

ZEL3D_API int Zel3dDistnIndex(Zel3dChart* chart, double z) try {
    if (!chart) return 0;
    if (!chart->up_to_date) zel3d_bring_up_to_date(chart, chart->damage_mask);
    if (!chart->levels.levels) zel3d_compute_levels(chart);
    return zel3d_band_of(chart->levels.levels, chart->levels.count, z);
} catch (...) {
    return zel3d_export_failure<int>(0);
}

}  // extern "C"

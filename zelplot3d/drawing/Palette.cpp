#include "drawing/Palette.h"

#include <cstdlib>

#include "chart/Chart.h"
#include "data/ValueLists.h"
#include "drawing/Repaint.h"
#include "kernel/ExportGuard.h"

namespace {

const Zel3dDataStyle* g_auto_data_styles = nullptr;

Zel3dXYColor** ListOf(const Zel3dChart* chart) { return chart->xy_colors.items; }

}  // namespace

void zel3d_init_auto_colors(Zel3dChart* chart) {
    if (!g_auto_data_styles) g_auto_data_styles = zel3d_default_data_styles(chart->device_depth);
}

const Zel3dDataStyle* zel3d_auto_data_styles() {
    return g_auto_data_styles ? g_auto_data_styles : zel3d_default_data_styles(32);
}

int zel3d_xy_color(const Zel3dChart* chart, int x, int y) {
    const Zel3dXYColor* entry = zel3d_xy_color_entry(chart, x, y);
    return entry ? entry->color : -1;
}

const Zel3dXYColor* zel3d_xy_color_entry(const Zel3dChart* chart, int x, int y) {
    for (int k = chart->xy_colors.count - 1; k >= 0; --k) {
        const Zel3dXYColor* entry = ListOf(chart)[k];
        if ((entry->x == -1 || entry->x == x) && (entry->y == -1 || entry->y == y)) return entry;
    }
    return nullptr;
}

int zel3d_palette_size_estimate(const Zel3dChart* chart) {
    int texts = 0;
    for (Zel3dText** text = chart->text_objects; text && *text; ++text) ++texts;
    return chart->xy_colors.count + 4 * texts + 2 * chart->data_styles.count + 2 * chart->effective_levels + 35;
}

extern "C" {

ZEL3D_API HPALETTE Zel3dGetPalette(Zel3dChart* chart) try {
    if (!chart) return nullptr;
    if (!chart->palette) {
        bool took = !chart->device.draw_dc && Zel3dGetAndInitDC(chart);
        zel3d_build_palette(chart);
        if (took) Zel3dReleaseDC(chart);
    }
    return chart->palette;
} catch (...) {
    return zel3d_export_failure<HPALETTE>(nullptr);
}

ZEL3D_API int Zel3dSetWorkColor(Zel3dChart* chart, int color) try {
    if (!chart) return -1;
    chart->scene.work_color = color;
    chart->scene.work_color_set = color != -1;
    if (color != -1) zel3d_build_palette(chart);
    return color;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API int Zel3dGetXYColor(Zel3dChart* chart, int x, int y) try {
    if (!chart) return -1;
    if ((x < 0 && x != -1) || (y < 0 && y != -1)) {
        zel3d_debug_printf(chart, "Zel3dGetXYColor: Negative x or y index not equal to -1\n");
        return -1;
    }
    return zel3d_xy_color(chart, x, y);
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API void Zel3dSetXYColor(Zel3dChart* chart, int x, int y, int color) try {
    if (!chart) return;
    if ((x < 0 && x != -1) || (y < 0 && y != -1)) {
        zel3d_debug_printf(chart, "Zel3dSetXYColor: Negative x or y index not equal to -1\n");
        return;
    }
    XYColorList& list = chart->xy_colors;
    Zel3dXYColor* entry = nullptr;
    if (color != -1) {
        entry = static_cast<Zel3dXYColor*>(malloc(sizeof(Zel3dXYColor)));
        if (!entry) return;
        *entry = {x, y, color};
    }
    // Later entries win the lookup: the pair moves to the end.
    int kept = 0;
    for (int k = 0; k < list.count; ++k) {
        if (list.items[k]->x == x && list.items[k]->y == y) free(list.items[k]);
        else list.items[kept++] = list.items[k];
    }
    int count = kept + (entry ? 1 : 0);
    if (count == 0) {
        free(list.items);
        list = {nullptr, 0};
    } else {
        Zel3dXYColor** grown =
            static_cast<Zel3dXYColor**>(realloc(list.items, sizeof(Zel3dXYColor*) * (size_t(count) + 1)));
        if (!grown) {
            free(entry);
            if (list.items) list.items[kept] = nullptr;
            list.count = kept;
            return;
        }
        if (entry) grown[kept] = entry;
        grown[count] = nullptr;
        list = {grown, count};
    }
    zel3d_repaint(chart, kDamageGraph);
} catch (...) {
    zel3d_export_failure();
}

}  // extern "C"

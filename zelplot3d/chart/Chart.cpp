#include "chart/Chart.h"

#include "data/ValueLists.h"
#include "kernel/ColorShades.h"
#include "kernel/Helpers.h"

void zel3d_normalize_scales(Zel3dChart* chart) {
    bool from_table = chart->distn_method == 1 && chart->distn_table;
    chart->effective_levels = from_table ? chart->distn_table->count : chart->num_distn_levels;
    AxisSettings& x = chart->x_axis;
    AxisSettings& y = chart->y_axis;
    AxisSettings& z = chart->z_axis;
    if (chart->type == 1 || chart->draw_mesh || chart->draw_shaded) {
        double largest = x.scale > y.scale ? x.scale : y.scale;
        if (z.scale > largest) largest = z.scale;
        x.normalized_scale = x.scale / largest;
        y.normalized_scale = y.scale / largest;
        z.normalized_scale = z.scale / largest;
    } else {
        double larger = x.scale > y.scale ? x.scale : y.scale;
        x.normalized_scale = x.scale / larger;
        y.normalized_scale = y.scale / larger;
        z.normalized_scale = 1.0;
    }
}

void zel3d_reset_grid_line_styles(Zel3dChart* chart) {
    int color = chart->graph.foreground.color != -1 ? chart->graph.foreground.color : chart->foreground.color;
    for (AxisSettings* axis : {&chart->x_axis, &chart->y_axis, &chart->z_axis}) {
        GridLineStyle& style = axis->grid_style;
        if (style.use_default) {
            style.current = zel3d_default_line_style();
            style.current.color = color;
        }
        style.handed_out = &style.current;
    }
}

const Zel3dDataStyle& zel3d_data_style(const Zel3dChart* chart, int index) {
    const DataStyleList& styles = chart->data_styles;
    if (styles.items && index >= 0 && index < styles.count && styles.items[index]) return *styles.items[index];
    const Zel3dDataStyle* defaults = styles.defaults ? styles.defaults : zel3d_default_data_styles(32);
    return defaults[((index % kDefaultDataStyleCount) + kDefaultDataStyleCount) % kDefaultDataStyleCount];
}

int zel3d_border_shades(ColorRecord* record) {
    int color = record->color & 0xFFFFFF;
    if (record->shade_dark == -1) record->shade_dark = zel3d_dark_shade(color);
    if (record->shade_light == -1) record->shade_light = zel3d_light_shade(color);
    return record->shade_dark;
}

void zel3d_debug_vprintf(const Zel3dChart* chart, const char* format, va_list args) {
    if (chart && !chart->debug) return;
    zel3d_vtrace(format, args);
}

void zel3d_debug_printf(const Zel3dChart* chart, const char* format, ...) {
    va_list args;
    va_start(args, format);
    zel3d_debug_vprintf(chart, format, args);
    va_end(args);
}

void zel3d_error(const Zel3dChart* chart, const char* text) { zel3d_debug_printf(chart, "%s", text); }

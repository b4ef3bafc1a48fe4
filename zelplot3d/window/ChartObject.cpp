#include "window/ChartObject.h"

#include <initializer_list>
#include <cstdlib>
#include <cstring>

#include "data/ValueLists.h"
#include "device/AreaImage.h"
#include "device/DeviceOps.h"
#include "drawing/Contours.h"
#include "drawing/Palette.h"
#include "drawing/Redraw.h"
#include "properties/ContourStyles.h"
#include "properties/FontText.h"
#include "properties/PropertyTable.h"
#include "window/Actions.h"
#include "window/Window.h"
#include "kernel/ExportGuard.h"

namespace {

HINSTANCE g_module = nullptr;

const char kDefaultFont[] = "Arial,12";

void SetDefaultedInt(DefaultedInt& value, int v) { value = {v, 1}; }

void SetAuto(ColorRecord& record) { record = {-1, -1, -1}; }

void SetAxisDefaults(AxisSettings& axis, double rotation) {
    axis.show = 1;
    axis.mesh_show = 1;
    axis.mesh_filter = 1;
    axis.grid_lines = 0;
    axis.grid_style.current = zel3d_default_line_style();
    axis.grid_style.handed_out = &axis.grid_style.current;
    axis.grid_style.use_default = 1;
    axis.anno_method = 1;
    axis.bar_format = 0;
    axis.bar_spacing = 80.0;
    axis.rotation = rotation;
    axis.scale = 1.0;
    axis.normalized_scale = 1.0;
    axis.min = {kUnsetDouble, 1};
    axis.max = {kUnsetDouble, 1};
}

void SetImageSlotDefaults(ImageSlot& slot) { slot.layout = 1; }

void SetAreaFrameDefaults(AreaFrame& area, int tag) {
    SetAuto(area.background);
    SetAuto(area.foreground);
    area.tag = tag;
    SetImageSlotDefaults(area.image);
    area.rect = area.last_rect = Rect{0, 0, 0, 0};
    area.border = 0;
    area.border_width = 2;
}

void SetTextAreaDefaults(TextArea& area, int tag) {
    SetAreaFrameDefaults(area, tag);
    SetDefaultedInt(area.x, kDefaultPosition);
    SetDefaultedInt(area.y, kDefaultPosition);
    area.width = area.height = 0;
    area.adjust = 3;
}

void FreeStringList(StringList& list) {
    zel3d_strings_free(list.items);
    list = {nullptr, 0};
}

void FreeValueLabels(ValueLabelList& list) {
    zel3d_value_labels_free(list.items);
    list = {nullptr, 0};
}

void FreeAxis(AxisSettings& axis) {
    free(axis.title);
    axis.title = nullptr;
    FreeStringList(axis.data_labels);
    FreeValueLabels(axis.value_labels);
}

void DeleteFont(FontRecord& font) {
    if (font.handle) DeleteObject(font.handle);
    font.handle = nullptr;
}

// The font values of a chart that carry a handle of their own.
template <class Visit>
void ForEachChartFont(Zel3dChart* chart, Visit visit) {
    visit(chart->header.font);
    visit(chart->footer.font);
    visit(chart->legend.font);
    visit(chart->axis_font);
    visit(chart->axis_title_font);
}

// Builds "Arial,12" into every font value and the working font slot.
void InitFonts(Zel3dChart* chart) {
    FontRecord font = {};
    zel3d_font_from_text(kDefaultFont, font);
    ForEachChartFont(chart, [&font](FontRecord& target) {
        DeleteFont(target);
        target.logfont = font.logfont;
        zel3d_recreate_font(target);
    });
    DeleteFont(font);
    DeleteFont(chart->working_font);
    chart->working_font = chart->legend.font;
    chart->working_font.handle = nullptr;
    zel3d_recreate_font(chart->working_font);
}

void SetTextDefaults(Zel3dText* text) {
    SetAuto(text->background);
    SetAuto(text->foreground);
    text->tag = kTagText;
    SetImageSlotDefaults(text->image);
    text->adjust = 3;
    text->border = 0;
    text->border_width = 2;
    text->attach_method = 0;
    text->line_show = 1;
    text->show = 1;
    text->plane = 2;
    text->stroke_font = 13;
    text->stroke_size = 80;
    text->visible = 1;
}

void FreeTextObject(Zel3dText* text) {
    free(text->print_font);
    zel3d_strings_free(text->strings.items);
    free(text->work_buffer);
    zel3d_image_slot_free(&text->image, true);
    DeleteFont(text->font);
    free(text);
}

// Builds a chart's defaults on a screen DC, as creation and
// re-initialisation both do.
void ApplyDefaults(Zel3dChart* chart) {
    Zel3dGetAndInitDC(chart);
    zel3d_init_auto_colors(chart);
    zel3d_set_defaults(chart);
    zel3d_reset_grid_line_styles(chart);
    Zel3dReleaseDC(chart);
}

void InitRecord(Zel3dChart* chart) {
    chart->device.draw_dc = chart->device.front_dc = chart->device.memory_dc = nullptr;
    chart->offscreen_bitmap = nullptr;
    zel3d_bind_device_ops(chart, zel3d_windows_device_ops());
    zel3d_reset_device_state(&chart->device);
    GetObjectA(GetStockObject(BLACK_BRUSH), sizeof chart->black_brush, &chart->black_brush);
    InitFonts(chart);
}

// Releases the chart's GDI objects and device contexts.
void ReleaseDeviceObjects(Zel3dChart* chart) {
    if (chart->device.memory_dc) {
        zel3d_select_stock_objects(chart->device.memory_dc);
        if (chart->memory_dc_original_bitmap) SelectObject(chart->device.memory_dc, chart->memory_dc_original_bitmap);
        DeleteDC(chart->device.memory_dc);
        chart->device.memory_dc = nullptr;
    }
    if (chart->offscreen_bitmap) DeleteObject(chart->offscreen_bitmap);
    chart->offscreen_bitmap = nullptr;
    Zel3dReleaseDC(chart);
    if (chart->palette) DeleteObject(chart->palette);
    chart->palette = nullptr;
    zel3d_free_device_caches(&chart->device);
    ForEachChartFont(chart, DeleteFont);
    DeleteFont(chart->working_font);
}

}  // namespace

HINSTANCE zel3d_module() { return g_module ? g_module : GetModuleHandleA(nullptr); }

void zel3d_set_defaults(Zel3dChart* chart) {
    chart->debug = 0;
    chart->double_buffer = 1;
    chart->draw_contours = chart->draw_hidden_lines = chart->draw_shaded = chart->draw_zones = 0;
    chart->draw_drop_lines = 0;
    chart->draw_mesh = 1;
    chart->repaint = 1;
    chart->solid_surface = 0;
    chart->view_normalized = 1;
    chart->use_truetype = 0;

    SetTextAreaDefaults(chart->header, kTagHeader);
    SetTextAreaDefaults(chart->footer, kTagFooter);

    SetAuto(chart->data_area_background);
    chart->background = {0xFFFFFF, -1, -1};
    chart->foreground = {0, -1, -1};
    chart->surface_top_color = 0xD3D3D3;
    chart->surface_bottom_color = 0x707070;
    chart->mesh_top_color = 0;
    chart->mesh_bottom_color = 0;
    SetImageSlotDefaults(chart->image);

    chart->border = 0;
    chart->border_width = 0;

    GraphArea& graph = chart->graph;
    SetAreaFrameDefaults(graph, kTagGraph);
    for (DefaultedInt* position : {&graph.x, &graph.y, &graph.width, &graph.height})
        SetDefaultedInt(*position, kDefaultPosition);

    LegendArea& legend = chart->legend;
    SetAreaFrameDefaults(legend, kTagLegend);
    SetDefaultedInt(legend.x, kDefaultPosition);
    SetDefaultedInt(legend.y, kDefaultPosition);
    legend.width = legend.height = 0;
    legend.show = 1;
    legend.orientation = 1;
    legend.anchor = 1;
    legend.style = 2;
    legend.distn_range = 1;
    legend.label_func = nullptr;
    legend.label_filter = 1;
    legend.reserved = -1;

    chart->perspective_depth = 2.5;
    chart->view_scale = 1.0;
    chart->view_xtranslate = chart->view_ytranslate = 0.0;
    chart->zorigin = 0.0;
    SetAxisDefaults(chart->x_axis, 45.0);
    SetAxisDefaults(chart->y_axis, 0.0);
    SetAxisDefaults(chart->z_axis, 45.0);
    chart->project_zmin = chart->project_zmax = 0;

    chart->axis_stroke_font = chart->axis_title_stroke_font = 13;
    chart->axis_stroke_size = chart->axis_title_stroke_size = 80;
    chart->font_rotation = 2;

    chart->data_zmin = chart->data_zmax = kUnsetDouble;
    chart->distn_min = chart->distn_max = kUnsetDouble;
    for (double& limit : chart->cached_zlimits) limit = kUnsetDouble;

    chart->distn_method = 0;
    chart->num_distn_levels = 10;
    chart->data_styles.count = 0;
    chart->data_styles.use_default = 1;
    chart->data_styles.defaults = zel3d_auto_data_styles();

    chart->type = 0;
    chart->preview_method = 0;
    chart->zone_method = 0;

    chart->drawn = 0;
    chart->interaction_state = 0;
    chart->interaction = {{-1, -1}, {-1, -1}, kRotationAboutX, 0, {}};
    chart->damage_mask = 0;
    chart->ready_to_draw = 1;

    zel3d_install_default_actions(chart);
    zel3d_default_cstyles(chart);
    zel3d_normalize_scales(chart);
}

void zel3d_free_chart(Zel3dChart* chart) {
    zel3d_free_actions(chart);
    for (ImageSlot* slot : {&chart->image, &chart->graph.image, &chart->header.image, &chart->footer.image,
                            &chart->legend.image})
        zel3d_image_slot_free(slot, true);
    zel3d_data_styles_free(chart->data_styles.items);
    chart->data_styles.items = nullptr;
    chart->data_styles.count = 0;
    zel3d_reset_contours(chart);
    zel3d_free_levels(&chart->levels);
    zel3d_distn_table_free(chart->distn_table);
    chart->distn_table = nullptr;
    zel3d_cstyles_free(chart->contour_styles.items);
    chart->contour_styles = {nullptr, 0};
    FreeStringList(chart->footer.strings);
    FreeStringList(chart->header.strings);
    FreeStringList(chart->legend.strings);
    free(chart->legend.title);
    chart->legend.title = nullptr;
    for (AxisSettings* axis : {&chart->x_axis, &chart->y_axis, &chart->z_axis}) FreeAxis(*axis);
    zel3d_xy_colors_free(chart->xy_colors.items);
    chart->xy_colors = {nullptr, 0};
    if (chart->text_objects) {
        for (Zel3dText** text = chart->text_objects; *text; ++text) FreeTextObject(*text);
        free(chart->text_objects);
        chart->text_objects = nullptr;
    }
    zel3d_data_view_free(&chart->surface_view);
    zel3d_data_view_free(&chart->zone_view);
    zel3d_free_scene(chart);
    chart->surface_data = chart->zone_data = nullptr;
    free(chart->name);
    chart->name = nullptr;
}

extern "C" {

ZEL3D_API Zel3dChart* Zel3dCreate(void) try {
    Zel3dChart* chart = static_cast<Zel3dChart*>(calloc(1, sizeof(Zel3dChart)));
    if (!chart) return nullptr;
    InitRecord(chart);
    ApplyDefaults(chart);
    return chart;
} catch (...) {
    return zel3d_export_failure<Zel3dChart*>(nullptr);
}

ZEL3D_API void Zel3dReinitialize(Zel3dChart* chart) try {
    if (!chart) return;
    zel3d_free_chart(chart);
    InitFonts(chart);
    ApplyDefaults(chart);
    if (chart->window) zel3d_attach(chart, chart->window);
} catch (...) {
    zel3d_export_failure();
}

ZEL3D_API void Zel3dDestroy(Zel3dChart* chart) try {
    if (!chart) return;
    // Destroying the window detaches it (WM_DESTROY); detaching again covers
    // a window of another thread that could not be destroyed from here.
    if (chart->window) DestroyWindow(chart->window);
    Zel3dDetachWindow(chart);
    ReleaseDeviceObjects(chart);
    zel3d_free_chart(chart);
    memset(chart, 0, sizeof *chart);
    free(chart);
} catch (...) {
    zel3d_export_failure();
}

ZEL3D_API Zel3dText* Zel3dTextCreate(Zel3dChart* chart) try {
    if (!chart) return nullptr;
    Zel3dText* text = static_cast<Zel3dText*>(calloc(1, sizeof(Zel3dText)));
    if (!text) return nullptr;
    int count = zel3d_list_count(reinterpret_cast<void* const*>(chart->text_objects));
    Zel3dText** list = static_cast<Zel3dText**>(realloc(chart->text_objects, (size_t(count) + 2) * sizeof(Zel3dText*)));
    if (!list) {
        free(text);
        return nullptr;
    }
    text->chart = chart;
    SetTextDefaults(text);
    zel3d_font_from_text(kDefaultFont, text->font);
    list[count] = text;
    list[count + 1] = nullptr;
    chart->text_objects = list;
    if (chart->drawn) zel3d_repaint(chart, kDamageGraph);
    return text;
} catch (...) {
    return zel3d_export_failure<Zel3dText*>(nullptr);
}

ZEL3D_API void Zel3dTextDestroy(Zel3dText* text) try {
    if (!text) return;
    Zel3dChart* chart = text->chart;
    if (chart && chart->text_objects) {
        Zel3dText** list = chart->text_objects;
        int out = 0;
        for (int i = 0; list[i]; ++i)
            if (list[i] != text) list[out++] = list[i];
        list[out] = nullptr;
        if (out == 0) {
            free(list);
            chart->text_objects = nullptr;
        }
    }
    FreeTextObject(text);
    if (chart && chart->drawn) zel3d_repaint(chart, kDamageAll);
} catch (...) {
    zel3d_export_failure();
}

ZEL3D_API int Zel3dRegisterClass(HINSTANCE instance) try {
    g_module = instance;
    if (!zel3d_index_property_table()) return 0;
    WNDCLASSA window_class = {};
    window_class.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_GLOBALCLASS;
    window_class.lpfnWndProc = Zel3dWndProc;
    window_class.cbWndExtra = sizeof(LONG_PTR);
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
    window_class.lpszClassName = kChartClassName;
    if (RegisterClassA(&window_class) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS) return 1;
    MessageBoxA(nullptr, "The 3D chart library cannot be initialised.", "Error", MB_OK | MB_ICONWARNING);
    return 0;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API int Zel3dUnregisterClass(HINSTANCE instance) try {
    return UnregisterClassA(kChartClassName, instance);
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API void Zel3dInitCtrl(void) try {
    
} catch (...) {
    zel3d_export_failure();
}

ZEL3D_API void Zel3dExitCtrl(void) try {
    
} catch (...) {
    zel3d_export_failure();
}

}  // extern "C"

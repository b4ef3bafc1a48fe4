// The chart's device context: taken from its window and released, or
// handed in by the caller and prepared for drawing.
#include <initializer_list>

#include "chart/Chart.h"
#include "device/DeviceOps.h"
#include "kernel/ExportGuard.h"

extern "C" {

ZEL3D_API int Zel3dGetDC(Zel3dChart* chart) try {
    if (!chart) return 0;
    if (!chart->device.draw_dc) {
        chart->taken_dc = GetDC(chart->window);
        chart->device.draw_dc = chart->device.front_dc = chart->taken_dc;
    }
    return chart->device.draw_dc != nullptr;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API void Zel3dReleaseDC(Zel3dChart* chart) try {
    if (!chart) return;
    if (chart->taken_dc) {
        zel3d_select_stock_objects(chart->taken_dc);
        ReleaseDC(chart->window, chart->taken_dc);
        chart->taken_dc = nullptr;
    }
    chart->device.draw_dc = chart->device.front_dc = nullptr;
} catch (...) {
    zel3d_export_failure();
}

ZEL3D_API void Zel3dInitDC(Zel3dChart* chart, HDC dc) try {
    if (!chart || !dc) return;
    chart->device.draw_dc = dc;
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_BASELINE);
    chart->device_depth = zel3d_is_metafile_dc(dc) ? 2 : GetDeviceCaps(dc, BITSPIXEL);
    chart->system_font = GetStockObject(SYSTEM_FONT);
    SelectObject(dc, chart->system_font);
    if (chart->working_font.handle) DeleteObject(chart->working_font.handle);
    chart->working_font.handle = nullptr;
    chart->device.current_font.handle = nullptr;
    for (FontRecord* font : {&chart->header.font, &chart->footer.font, &chart->legend.font, &chart->axis_font,
                             &chart->axis_title_font})
        zel3d_font_metrics(chart, font);
    for (Zel3dText** text = chart->text_objects; text && *text; ++text) zel3d_font_metrics(chart, &(*text)->font);
} catch (...) {
    zel3d_export_failure();
}

ZEL3D_API int Zel3dGetAndInitDC(Zel3dChart* chart) try {
    if (!Zel3dGetDC(chart)) return 0;
    Zel3dInitDC(chart, chart->device.draw_dc);
    return 1;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

}  // extern "C"

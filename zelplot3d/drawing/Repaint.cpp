#include "drawing/Repaint.h"

#include <initializer_list>

#include "device/DeviceOps.h"
#include "device/DevicePalette.h"
#include "drawing/Redraw.h"
#include "kernel/PictureRows.h"
#include "properties/FontText.h"
#include "kernel/ExportGuard.h"

namespace {

void Notify(Zel3dChart* chart, UINT message, LPARAM payload) {
    if (chart->notify_window) SendMessageA(chart->notify_window, message, WPARAM(chart->window), payload);
}

void ShowPalette(Zel3dChart* chart, HDC dc) {
    if (!chart->palette || !dc) return;
    SelectPalette(dc, chart->palette, FALSE);
    RealizePalette(dc);
}

void CopyOffscreen(Zel3dChart* chart) {
    ShowPalette(chart, chart->device.front_dc);
    BitBlt(chart->device.front_dc, 0, 0, chart->width, chart->height, chart->device.memory_dc, 0, 0, SRCCOPY);
}

// The off-screen picture: 32-bit pixels the drawing may write itself, except
// on palette displays, where the picture keeps the display's own format so
// that the realised palette maps its colours.
HBITMAP OffscreenBitmap(HDC front, int width, int height) {
    if (GetDeviceCaps(front, RASTERCAPS) & RC_PALETTE) return CreateCompatibleBitmap(front, width, height);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(front, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    return bitmap ? bitmap : CreateCompatibleBitmap(front, width, height);
}

}  // namespace

bool zel3d_offscreen_ready(Zel3dChart* chart) {
    return chart->double_buffer && (chart->device.memory_dc || zel3d_make_offscreen(chart));
}

int zel3d_make_offscreen(Zel3dChart* chart) {
    chart->damage_mask = kDamageAll;
    chart->offscreen_valid = 0;
    bool took = !chart->device.draw_dc && Zel3dGetDC(chart);
    int made = 0;
    if (chart->double_buffer && chart->device.front_dc) {
        if (!chart->device.memory_dc) {
            chart->device.memory_dc = CreateCompatibleDC(chart->device.front_dc);
            if (chart->device.memory_dc) {
                SetBkMode(chart->device.memory_dc, TRANSPARENT);
                SetTextAlign(chart->device.memory_dc, TA_BASELINE);
            }
        }
        if (chart->device.memory_dc) {
            int width = chart->width > 0 ? chart->width : 1, height = chart->height > 0 ? chart->height : 1;
            // A size no bitmap can have is refused before anything is allocated.
            HBITMAP bitmap = zel3d_picture_fits(width, height) ? OffscreenBitmap(chart->device.front_dc, width, height)
                                                                : nullptr;
            if (bitmap) {
                HGDIOBJ previous = SelectObject(chart->device.memory_dc, bitmap);
                if (chart->offscreen_bitmap) {
                    DeleteObject(chart->offscreen_bitmap);
                } else {
                    chart->memory_dc_original_bitmap = static_cast<HBITMAP>(previous);
                }
                chart->offscreen_bitmap = bitmap;
                made = 1;
            }
        }
    }
    if (took) Zel3dReleaseDC(chart);
    return made;
}

int zel3d_resize_offscreen(Zel3dChart* chart, int width, int height) {
    chart->width = width;
    chart->height = height;
    return zel3d_make_offscreen(chart);
}

int zel3d_realize_palette(Zel3dChart* chart, int background) {
    if (!chart->palette) return 0;
    bool took = !chart->device.draw_dc && Zel3dGetDC(chart);
    HDC dc = chart->device.draw_dc;
    if (dc) {
        HPALETTE previous = SelectPalette(dc, chart->palette, background);
        UINT changed = RealizePalette(dc);
        if (changed > 0 || !background) {
            if (chart->double_buffer && chart->device.memory_dc) zel3d_make_offscreen(chart);
            if (chart->window) InvalidateRect(chart->window, nullptr, TRUE);
        }
        SelectPalette(dc, previous, TRUE);
        RealizePalette(dc);
    }
    if (took) Zel3dReleaseDC(chart);
    return 1;
}

int zel3d_repaint(Zel3dChart* chart, int mask) {
    if (!chart) return 0;
    if (!chart->repaint) {
        // Only the last finished picture is shown.
        if (chart->double_buffer && chart->device.memory_dc && chart->offscreen_valid && chart->device.front_dc)
            CopyOffscreen(chart);
        return 0;
    }
    if (chart->interaction_state && !chart->interaction_redraw) return 0;
    chart->damage_mask |= mask;
    if (chart->creator == 1 && !chart->interaction_redraw && !chart->painting) return 0;

    bool took = false;
    if (!chart->device.draw_dc) {
        if (!chart->window) return 0;
        took = Zel3dGetAndInitDC(chart) != 0;
        if (!took) return 0;
    }
    Zel3dRepaintFrame frame = {chart->device.draw_dc, {0, 0, 0, 0}};
    Zel3dGetDamagedRect(chart, &frame.damaged);

    bool shown = false;
    if (zel3d_offscreen_ready(chart)) {
        if (!chart->drawn || !chart->offscreen_valid || chart->damage_mask) {
            if (!chart->offscreen_valid) chart->damage_mask = kDamageAll;
            chart->device.draw_dc = chart->device.memory_dc;
            zel3d_draw_parts(chart, chart->damage_mask);
            chart->device.draw_dc = chart->device.front_dc;
            chart->offscreen_valid = 1;
        }
        CopyOffscreen(chart);
        shown = true;
    } else {
        shown = chart->damage_mask != 0;
        zel3d_draw_parts(chart, chart->damage_mask);
    }
    chart->drawn = 1;
    chart->damage_mask = 0;
    zel3d_select_stock_objects(chart->device.draw_dc);
    zel3d_select_stock_objects(chart->device.memory_dc);

    if (shown) Notify(chart, ZEL3D_NOTIFY_REPAINT, LPARAM(&frame));
    if (took) Zel3dReleaseDC(chart);
    zel3d_refresh_fonts(chart);
    return shown ? 1 : 0;
}

void zel3d_refresh_fonts(Zel3dChart* chart) {
    for (FontRecord* font : {&chart->header.font, &chart->footer.font, &chart->legend.font, &chart->axis_font,
                             &chart->axis_title_font})
        zel3d_recreate_font(*font);
    for (Zel3dText** text = chart->text_objects; text && *text; ++text) zel3d_recreate_font((*text)->font);
    if (chart->working_font.handle) DeleteObject(chart->working_font.handle);
    chart->working_font = chart->legend.font;
    chart->working_font.handle = nullptr;
    chart->device.current_font.handle = nullptr;
    zel3d_free_device_caches(&chart->device);
}

extern "C" {

ZEL3D_API void Zel3dComputePalette(Zel3dChart* chart) try {
    if (!chart) return;
    bool took = !chart->device.draw_dc && Zel3dGetDC(chart);
    zel3d_build_palette(chart);
    if (took) Zel3dReleaseDC(chart);
} catch (...) {
    zel3d_export_failure();
}

ZEL3D_API int Zel3dForceRedraw(Zel3dChart* chart) try {
    return chart ? zel3d_realize_palette(chart, 0) : 0;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API void Zel3dGetDamagedRect(Zel3dChart* chart, RECT* rect) try {
    if (!chart || !rect) return;
    int mask = chart->damage_mask;
    if (mask != kDamageAll && chart->text_objects) {
        Rect graph = chart->graph.rect;
        for (Zel3dText** text = chart->text_objects; *text; ++text) {
            if (!(*text)->placed) continue;
            for (const POINT& corner : (*text)->box) {
                if (corner.x < graph.x || corner.y < graph.y || corner.x > graph.x + graph.width ||
                    corner.y > graph.y + graph.height)
                    mask = kDamageAll;
            }
        }
    }
    zel3d_bring_up_to_date(chart, mask);
    RECT damaged = {0, 0, 0, 0};
    if (mask == kDamageAll && chart->window) {
        GetClientRect(chart->window, &damaged);
    } else {
        Rect area = zel3d_damaged_area(chart, mask);
        damaged = {area.x, area.y, area.x + area.width, area.y + area.height};
    }
    UnionRect(rect, &damaged, &chart->update_rect);
} catch (...) {
    zel3d_export_failure();
}

}  // extern "C"

#include "device/RasterTarget.h"

#include <cstdlib>
#include <vector>

#include "chart/Chart.h"
#include "device/DeviceOps.h"
#include "kernel/PixelCanvas.h"

struct RasterTarget {
    PixelCanvas canvas;
    HDC dc;
    POINT offset;          // device = logical + offset
    bool winding;          // the DC's polygon fill mode
    bool gdi_pending;      // GDI drew since the last pixel was written
    std::vector<CanvasPoint> points;
};

namespace {

// The DC's clip box in device pixels; false when the clip is no rectangle.
bool ClipOf(HDC dc, RECT* box) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (!region) return false;
    int clipped = GetClipRgn(dc, region);
    bool simple = true;
    if (clipped == 1) simple = GetRgnBox(region, box) == SIMPLEREGION;
    else if (clipped == 0) SetRect(box, -0x40000000, -0x40000000, 0x40000000, 0x40000000);
    else simple = false;
    DeleteObject(region);
    return simple;
}

// Whether the first row in memory is the picture's bottom row (the header
// kept by the system does not tell reliably): the first pixel is changed
// and read back through the DC at the top left corner (x0, y0 in logical
// units).
bool BottomUp(HDC dc, uint32_t* first, int x0, int y0) {
    uint32_t saved = *first;
    *first = saved ^ 0x00FFFFFF;
    COLORREF seen = GetPixel(dc, x0, y0);
    *first = saved;
    return seen != RGB((~saved >> 16) & 0xFF, (~saved >> 8) & 0xFF, ~saved & 0xFF);
}

RasterTarget* Open(const DeviceState* device) {
    HDC dc = device->draw_dc;
    if (!dc || GetObjectType(dc) != OBJ_MEMDC) return nullptr;
    DIBSECTION dib = {};
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    if (!bitmap || GetObjectA(bitmap, sizeof dib, &dib) != int(sizeof dib)) return nullptr;
    if (!dib.dsBm.bmBits || dib.dsBm.bmBitsPixel != 32 || dib.dsBmih.biCompression != BI_RGB) return nullptr;
    if (GetMapMode(dc) != MM_TEXT || GetGraphicsMode(dc) != GM_COMPATIBLE || GetROP2(dc) != R2_COPYPEN)
        return nullptr;
    RECT clip;
    if (!ClipOf(dc, &clip)) return nullptr;
    POINT window_origin, viewport_origin;
    GetWindowOrgEx(dc, &window_origin);
    GetViewportOrgEx(dc, &viewport_origin);

    int width = dib.dsBm.bmWidth, height = dib.dsBm.bmHeight;
    int row_pixels = dib.dsBm.bmWidthBytes / 4;
    uint32_t* bits = static_cast<uint32_t*>(dib.dsBm.bmBits);
    GdiFlush();
    bool bottom_up = BottomUp(dc, bits, window_origin.x - viewport_origin.x, window_origin.y - viewport_origin.y);
    uint32_t* top_row = bottom_up ? bits + size_t(height - 1) * row_pixels : bits;
    RasterTarget* target = new RasterTarget{PixelCanvas(top_row, width, height, bottom_up ? -row_pixels : row_pixels),
                                            dc,
                                            {viewport_origin.x - window_origin.x, viewport_origin.y - window_origin.y},
                                            GetPolyFillMode(dc) == WINDING,
                                            false,
                                            {}};
    target->canvas.SetClip(clip.left, clip.top, clip.right, clip.bottom);
    return target;
}

// The session of a chart, ready for pixels; null when there is none.
RasterTarget* Ready(DeviceState* device) {
    RasterTarget* target = device->raster;
    if (!target || target->dc != device->draw_dc) return nullptr;
    if (target->gdi_pending) {
        GdiFlush();
        target->gdi_pending = false;
    }
    return target;
}

const CanvasPoint* Device(RasterTarget* target, const POINT* points, int count) {
    target->points.resize(size_t(count));
    for (int k = 0; k < count; ++k)
        target->points[size_t(k)] = {int32_t(points[k].x + target->offset.x), int32_t(points[k].y + target->offset.y)};
    return target->points.data();
}

// The pen in the DC is one pixel wide and solid.
bool ThinSolidPen(const DeviceState& device) {
    return device.current_pen && device.pen.width <= 1 && (device.pen.style & PS_TYPE_MASK) == PS_COSMETIC &&
           (device.pen.style & PS_STYLE_MASK) == PS_SOLID;
}

bool SolidBrush(const DeviceState& device) {
    return device.current_brush && device.fill_style == kFillSolid && device.brush.lbStyle == BS_SOLID;
}

}  // namespace

RasterSession::RasterSession(Zel3dChart* chart) : chart_(chart) {
    if (chart->device.raster || zel3d_ops(chart).fill_polygon2 != zel3d_windows_device_ops()->fill_polygon2)
        return;
    chart->device.raster = Open(&chart->device);
    opened_ = chart->device.raster != nullptr;
}

RasterSession::~RasterSession() {
    if (!opened_) return;
    delete chart_->device.raster;
    chart_->device.raster = nullptr;
}

bool zel3d_raster_fill_polygon(DeviceState* device, const POINT* points, int count) {
    RasterTarget* target = Ready(device);
    if (!target || !SolidBrush(*device)) return false;
    const CanvasPoint* corners = Device(target, points, count);
    target->canvas.FillPolygon(corners, count, PixelCanvas::PixelOf(uint32_t(device->brush.lbColor)), target->winding);
    return true;
}

bool zel3d_raster_polyline(DeviceState* device, const POINT* points, int count) {
    RasterTarget* target = Ready(device);
    if (!target || !ThinSolidPen(*device)) return false;
    const CanvasPoint* corners = Device(target, points, count);
    target->canvas.Polyline(corners, count, PixelCanvas::PixelOf(uint32_t(device->pen.color)));
    return true;
}

bool zel3d_raster_line(DeviceState* device, int x1, int y1, int x2, int y2) {
    const POINT ends[2] = {{x1, y1}, {x2, y2}};
    return zel3d_raster_polyline(device, ends, 2);
}

void zel3d_raster_note_gdi(DeviceState* device) {
    if (device->raster) device->raster->gdi_pending = true;
}

void zel3d_raster_clip_changed(DeviceState* device) {
    RasterTarget* target = device->raster;
    if (!target) return;
    RECT clip;
    if (target->dc == device->draw_dc && ClipOf(target->dc, &clip)) {
        target->canvas.SetClip(clip.left, clip.top, clip.right, clip.bottom);
    } else {
        // A clip the pixels cannot follow: everything goes to GDI from now on.
        target->dc = nullptr;
    }
}

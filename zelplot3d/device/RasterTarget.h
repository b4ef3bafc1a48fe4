// Drawing straight into a bitmap's pixels: while a raster session is open on
// a chart whose DC is a memory DC holding a 32-bit device-independent
// bitmap, in plain pixel mapping with the copy mix and a rectangular clip,
// the Windows table's solid polygon fills and thin solid lines write the
// pixels themselves, by the same pixel rules, instead of calling GDI once
// per shape. Every other DC (screens, printers, metafiles, other bitmaps)
// and every other operation keeps the GDI path.
#pragma once

#include <windows.h>

struct Zel3dChart;
struct DeviceState;

// An open session for the scope's life, when the chart's DC allows one.
class RasterSession {
public:
    explicit RasterSession(Zel3dChart* chart);
    ~RasterSession();
    RasterSession(const RasterSession&) = delete;
    RasterSession& operator=(const RasterSession&) = delete;

    bool open() const { return opened_; }

private:
    Zel3dChart* chart_;
    bool opened_ = false;
};

// The operations of the Windows table ask these first; false means "draw
// it with GDI" (no session, or a brush or pen the pixels cannot stand for).
bool zel3d_raster_fill_polygon(DeviceState* device, const POINT* points, int count);
bool zel3d_raster_polyline(DeviceState* device, const POINT* points, int count);
bool zel3d_raster_line(DeviceState* device, int x1, int y1, int x2, int y2);
// GDI drew into the session's bitmap: its pending work is finished before
// the next pixel is written.
void zel3d_raster_note_gdi(DeviceState* device);
// The DC's clip changed.
void zel3d_raster_clip_changed(DeviceState* device);

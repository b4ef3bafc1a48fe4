// The shape of a device-operation table and the device state a chart keeps:
// every pixel the chart puts on a device goes through one table of
// operations shaped like a classic X drawing interface (rectangles as x, y,
// width, height; arcs in 64ths of a degree; dash lists).
#pragma once

#include <windows.h>

#include "data/ValueLists.h"

struct Zel3dChart;
struct ImageSlot;
struct RasterTarget;
struct DeviceState;
struct Rect;

// Palette-relative flag ORed into every colour handed to GDI.
constexpr COLORREF kPaletteFlag = 0x02000000;

// A font: metrics filled by zel3d_font_metrics, the handle made on demand
// from the LOGFONT.
struct FontRecord {
    int ascent;
    int descent;
    int height;
    int char_width;
    int reserved[2];
    HFONT handle;
    LOGFONTA logfont;
};

struct PenState {
    DWORD style;  // GDI pen style bits: dash style, end cap, join, pen type
    int width;
    int unused1;
    int color;
    int unused2;
    int dash_count;
    const DWORD* dashes;
};

struct PenCacheNode {
    PenState state;
    HPEN pen;
    PenCacheNode* next;
};

struct BrushCacheNode {
    UINT style;
    COLORREF color;
    ULONG_PTR hatch;
    HBRUSH brush;
    BrushCacheNode* next;
};

// Fill styles: 1 solid, 3 pattern-AND stipple; others are only stored.
enum FillStyle { kFillSolid = 1, kFillStippled = 3 };
// Point list modes.
enum CoordMode { kCoordAbsolute = 1, kCoordRelative = 2 };

// The 34 slots of a device-operation table, in slot order. Slots 7-13
// repeat 0-6; slot 32 is a number, not an operation.
struct DeviceOps {
    void (*line)(DeviceState*, int x1, int y1, int x2, int y2);
    void (*lines)(DeviceState*, const POINT* points, int count, int mode);
    void (*rectangle)(DeviceState*, int x, int y, int width, int height);
    void (*arc)(DeviceState*, int x, int y, int width, int height, int start, int extent);
    void (*fill_polygon)(DeviceState*, const POINT* points, int count, int shape, int mode);
    void (*fill_rectangle)(DeviceState*, int x, int y, int width, int height);
    void (*fill_arc)(DeviceState*, int x, int y, int width, int height, int start, int extent);
    void (*line2)(DeviceState*, int x1, int y1, int x2, int y2);
    void (*lines2)(DeviceState*, const POINT* points, int count, int mode);
    void (*rectangle2)(DeviceState*, int x, int y, int width, int height);
    void (*arc2)(DeviceState*, int x, int y, int width, int height, int start, int extent);
    void (*fill_polygon2)(DeviceState*, const POINT* points, int count, int shape, int mode);
    void (*fill_rectangle2)(DeviceState*, int x, int y, int width, int height);
    void (*fill_arc2)(DeviceState*, int x, int y, int width, int height, int start, int extent);
    void (*text)(DeviceState*, int x, int y, const char* text);
    void (*text_aligned)(DeviceState*, int x, int y, const char* text, int alignment);
    void (*set_clip)(DeviceState*, const Rect* clip);
    void (*set_background)(DeviceState*, int color);
    void (*set_dashes)(DeviceState*, int pattern, int offset, const DWORD* dashes, int count);
    void (*set_fill_style)(DeviceState*, int style);
    void (*set_solid_fill)(DeviceState*, int color);
    void (*set_thin_line)(DeviceState*, int color);
    void (*set_font)(DeviceState*, FontRecord* font);
    void (*set_foreground)(DeviceState*, int color);
    void (*set_fill_color)(DeviceState*, int color);
    void (*set_line_attributes)(DeviceState*, int width, int style, int cap, int join);
    void (*set_stipple)(DeviceState*, int pattern);
    void (*set_dither)(DeviceState*);
    void (*text_extents)(DeviceState*, const char* text, int* a, int* b, int* c);
    int (*text_width)(DeviceState*, const char* text);
    int (*dither_index)(DeviceState*);
    int (*draw_image)(Zel3dChart*, ImageSlot* slot, int x, int y, int width, int height,
                      int clip_x, int clip_y, int clip_width, int clip_height);
    int coordinate_divisor;
    void (*make_pen)(DeviceState*, PenCacheNode* node);
};

// What the device operations work on: the DCs, the drawing state, and the
// operations the drawing calls (copied from the table bound last).
struct DeviceState {
    HDC draw_dc;    // every operation draws here (window, off-screen, printer or metafile DC)
    HDC front_dc;   // the window's DC: text measurement falls back to it
    HDC memory_dc;  // the off-screen DC
    HPEN current_pen;
    HBRUSH current_brush;
    int clip_save_level;
    FontRecord current_font;
    PenState pen;
    LOGBRUSH brush;
    int fill_style;
    PenCacheNode* pen_cache;
    BrushCacheNode* brush_cache;
    RasterTarget* raster;  // while fills and thin lines go straight into the bitmap's pixels
    const DeviceOps* bound;  // the table bound last
    DeviceOps ops;           // the operations drawing calls
};

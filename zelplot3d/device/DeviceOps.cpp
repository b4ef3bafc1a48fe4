#include "device/DeviceOps.h"

#include <float.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "chart/Chart.h"
#include "device/RasterTarget.h"
#include "kernel/Helpers.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kMaxRelativePoints = 16;

HBITMAP g_stipple = nullptr;

HDC Dc(const DeviceState* device) { return device->draw_dc; }

COLORREF GdiColor(int color) { return (COLORREF(color) & 0xFFFFFF) | kPaletteFlag; }

bool OnMetafile(const DeviceState* device) { return device->draw_dc && zel3d_is_metafile_dc(device->draw_dc); }

// A GDI object that is about to be deleted must not stay selected in any
// device context of the chart.
void DeleteDeselected(DeviceState* device, HGDIOBJ object, UINT type, int stock) {
    if (!object) return;
    for (HDC dc : {device->draw_dc, device->front_dc, device->memory_dc})
        if (dc && GetCurrentObject(dc, type) == object) SelectObject(dc, GetStockObject(stock));
    DeleteObject(object);
}

void win_make_pen_simple(DeviceState* device, PenCacheNode* node) {
    const PenState& pen = node->state;
    node->pen = CreatePen(int(pen.style & PS_STYLE_MASK), pen.width, GdiColor(pen.color));
    device->current_pen = node->pen;
}

void win_make_pen(DeviceState* device, PenCacheNode* node) {
    if (OnMetafile(device)) {
        win_make_pen_simple(device, node);
        return;
    }
    const PenState& pen = node->state;
    LOGBRUSH brush = {BS_SOLID, GdiColor(pen.color), 0};
    bool user_style = (pen.style & PS_STYLE_MASK) == PS_USERSTYLE;
    node->pen = ExtCreatePen(pen.style, DWORD(pen.width), &brush, user_style ? DWORD(pen.dash_count) : 0,
                             user_style ? pen.dashes : nullptr);
    device->current_pen = node->pen;
}

void win_polyline(DeviceState* device, const POINT* points, int count) {
    HDC dc = Dc(device);
    if (!dc || count < 1) return;
    if (zel3d_raster_polyline(device, points, count)) return;
    zel3d_raster_note_gdi(device);
    bool x_changes = false, y_changes = false;
    for (int i = 1; i < count; ++i) {
        x_changes = x_changes || points[i].x != points[i - 1].x;
        y_changes = y_changes || points[i].y != points[i - 1].y;
    }
    if (x_changes && y_changes && Polyline(dc, points, count)) return;
    POINT previous;
    MoveToEx(dc, points[0].x, points[0].y, &previous);
    for (int i = 1; i < count; ++i) LineTo(dc, points[i].x, points[i].y);
    MoveToEx(dc, previous.x, previous.y, nullptr);
}

void win_line(DeviceState* device, int x1, int y1, int x2, int y2) {
    HDC dc = Dc(device);
    if (!dc || zel3d_raster_line(device, x1, y1, x2, y2)) return;
    zel3d_raster_note_gdi(device);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void win_lines(DeviceState* device, const POINT* points, int count, int mode) {
    HDC dc = Dc(device);
    if (!dc || !points || count < 1) return;
    if (mode == kCoordAbsolute) {
        win_polyline(device, points, count);
    } else if (mode == kCoordRelative) {
        zel3d_raster_note_gdi(device);
        POINT at = points[0];
        MoveToEx(dc, at.x, at.y, nullptr);
        for (int i = 1; i < count; ++i) {
            at.x += points[i].x;
            at.y += points[i].y;
            LineTo(dc, at.x, at.y);
        }
    }
}

// Windows 95/98 draw wide lines through paths, and wide dashed lines as
// bundles of thin copies.
bool PenIsWide(const DeviceState* device) { return device->pen.width > 1; }
bool PenIsDashed(const DeviceState* device) { return (device->pen.style & 0xF) != 0; }

void win_line_wide(DeviceState* device, int x1, int y1, int x2, int y2) {
    HDC dc = Dc(device);
    if (!dc) return;
    if (!PenIsWide(device)) {
        win_line(device, x1, y1, x2, y2);
        return;
    }
    if (PenIsDashed(device)) {
        int half = device->pen.width / 2;
        bool horizontal = std::abs(x2 - x1) >= 10 * std::abs(y2 - y1);
        for (int offset = -half; offset < half; ++offset) {
            int dx = horizontal ? 0 : offset, dy = horizontal ? offset : 0;
            win_line(device, x1 + dx, y1 + dy, x2 + dx, y2 + dy);
        }
        return;
    }
    BeginPath(dc);
    win_line(device, x1, y1, x2, y2);
    EndPath(dc);
    StrokePath(dc);
}

void win_lines_wide(DeviceState* device, const POINT* points, int count, int mode) {
    HDC dc = Dc(device);
    if (!dc) return;
    if (!PenIsWide(device)) {
        win_lines(device, points, count, mode);
        return;
    }
    if (PenIsDashed(device) && mode == kCoordAbsolute && count > 0) {
        int width = device->pen.width;
        std::vector<POINT> shifted(points, points + count);
        for (int offset = -width / 2; offset < width / 2; ++offset) {
            for (int i = 0; i < count; ++i) shifted[i].y = points[i].y + offset;
            win_lines(device, shifted.data(), count, mode);
        }
        return;
    }
    BeginPath(dc);
    win_lines(device, points, count, mode);
    EndPath(dc);
    StrokePath(dc);
}

void win_rectangle(DeviceState* device, int x, int y, int width, int height) {
    if (width == 0 || height == 0) return;
    const POINT outline[6] = {{x, y}, {x + width, y}, {x + width, y + height}, {x, y + height}, {x, y}, {x + 1, y}};
    device->ops.lines(device, outline, 6, kCoordAbsolute);
}

struct ArcEnds {
    POINT first;
    POINT second;
    int span;
};

ArcEnds ArcEndPoints(int x, int y, int width, int height, int start, int extent) {
    int e1 = start, e2 = start + extent;
    if (e1 > e2) std::swap(e1, e2);
    auto end_point = [&](int angle) {
        double radians = angle * kPi / 11520.0;
        return POINT{x + width / 2 + int(cos(radians) * width), y + height / 2 - int(sin(radians) * height)};
    };
    return {end_point(e1), end_point(e2), e2 - e1};
}

bool SamePoint(const POINT& a, const POINT& b) { return a.x == b.x && a.y == b.y; }

void win_arc(DeviceState* device, int x, int y, int width, int height, int start, int extent) {
    HDC dc = Dc(device);
    if (!dc) return;
    zel3d_raster_note_gdi(device);
    ArcEnds ends = ArcEndPoints(x, y, width, height, start, extent);
    if (!SamePoint(ends.first, ends.second) || std::abs(ends.span) > 11520)
        Arc(dc, x + 1, y + 1, x + width + 1, y + height + 1, ends.first.x, ends.first.y, ends.second.x,
            ends.second.y);
}

void win_fill_arc(DeviceState* device, int x, int y, int width, int height, int start, int extent) {
    HDC dc = Dc(device);
    if (!dc) return;
    zel3d_raster_note_gdi(device);
    ArcEnds ends = ArcEndPoints(x, y, width, height, start, extent);
    SetBkMode(dc, OPAQUE);
    if (!SamePoint(ends.first, ends.second)) {
        Pie(dc, x + 1, y + 1, x + width + 1, y + height + 1, ends.first.x, ends.first.y, ends.second.x,
            ends.second.y);
    } else if (std::abs(ends.span) > 11520) {
        Ellipse(dc, x, y, x + width, y + height);
    }
    SetBkMode(dc, TRANSPARENT);
}

void win_fill_polygon(DeviceState* device, const POINT* points, int count, int, int mode) {
    HDC dc = Dc(device);
    if (!dc || !points || count < 1) return;
    POINT absolute[kMaxRelativePoints];
    if (mode == kCoordRelative) {
        count = std::min(count, kMaxRelativePoints);
        absolute[0] = points[0];
        for (int i = 1; i < count; ++i)
            absolute[i] = {absolute[i - 1].x + points[i].x, absolute[i - 1].y + points[i].y};
        points = absolute;
    } else if (mode != kCoordAbsolute) {
        return;
    }
    if (zel3d_raster_fill_polygon(device, points, count)) return;
    zel3d_raster_note_gdi(device);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(NULL_PEN));
    SetBkMode(dc, OPAQUE);
    Polygon(dc, points, count);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, previous);
}

void win_fill_rectangle(DeviceState* device, int x, int y, int width, int height) {
    HDC dc = Dc(device);
    if (!dc) return;
    zel3d_raster_note_gdi(device);
    HBRUSH brush = device->current_brush;
    if (device->fill_style != kFillStippled) {
        RECT area = {x, y, x + width, y + height};
        FillRect(dc, &area, brush);
    } else if (GetDeviceCaps(dc, RASTERCAPS) & RC_BITBLT) {
        HGDIOBJ previous = SelectObject(dc, brush);
        PatBlt(dc, x, y, width, height, 0xA000C9);
        SelectObject(dc, previous);
    } else {
        for (int j = 0; j < height; ++j) {
            for (int i = 0; i < width; ++i) {
                if (((x + i) ^ (y + j)) & 1) {
                    RECT pixel = {x + i, y + j, x + i + 1, y + j + 1};
                    FillRect(dc, &pixel, brush);
                }
            }
        }
    }
}

void win_text(DeviceState* device, int x, int y, const char* text) {
    HDC dc = Dc(device);
    if (!dc || !text) return;
    zel3d_raster_note_gdi(device);
    TextOutA(dc, x, y, text, int(strlen(text)));
}

void win_text_aligned(DeviceState* device, int x, int y, const char* text, int alignment) {
    if (!text) return;
    if (alignment == 2) {
        x -= device->ops.text_width(device, text);
    } else if (alignment != 1) {
        x -= device->ops.text_width(device, text) / 2;
    }
    win_text(device, x, y, text);
}

// Everything RestoreDC would reset, captured so that a clip can be dropped
// without losing what the drawing code selected.
struct DcState {
    int map_mode, rop2, fill_mode, stretch_mode, char_extra, bk_mode;
    SIZE viewport_ext, window_ext;
    POINT viewport_org, window_org, position, brush_org;
    COLORREF bk_color, text_color;
    HGDIOBJ brush, pen, font;
    HPALETTE palette;
};

DcState CaptureAndClear(HDC dc) {
    DcState s;
    s.map_mode = GetMapMode(dc);
    GetViewportExtEx(dc, &s.viewport_ext);
    GetWindowExtEx(dc, &s.window_ext);
    GetViewportOrgEx(dc, &s.viewport_org);
    GetWindowOrgEx(dc, &s.window_org);
    s.rop2 = GetROP2(dc);
    s.fill_mode = GetPolyFillMode(dc);
    s.stretch_mode = GetStretchBltMode(dc);
    s.char_extra = GetTextCharacterExtra(dc);
    GetCurrentPositionEx(dc, &s.position);
    s.bk_color = GetBkColor(dc);
    s.bk_mode = GetBkMode(dc);
    s.text_color = GetTextColor(dc);
    GetBrushOrgEx(dc, &s.brush_org);
    s.brush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    s.pen = SelectObject(dc, GetStockObject(BLACK_PEN));
    s.font = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    s.palette = SelectPalette(dc, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
    return s;
}

void PutBack(HDC dc, const DcState& s) {
    SetMapMode(dc, s.map_mode);
    SetWindowExtEx(dc, s.window_ext.cx, s.window_ext.cy, nullptr);
    SetViewportExtEx(dc, s.viewport_ext.cx, s.viewport_ext.cy, nullptr);
    SetWindowOrgEx(dc, s.window_org.x, s.window_org.y, nullptr);
    SetViewportOrgEx(dc, s.viewport_org.x, s.viewport_org.y, nullptr);
    SetROP2(dc, s.rop2);
    SetPolyFillMode(dc, s.fill_mode);
    SetStretchBltMode(dc, s.stretch_mode);
    SetTextCharacterExtra(dc, s.char_extra);
    MoveToEx(dc, s.position.x, s.position.y, nullptr);
    SetBkColor(dc, s.bk_color);
    SetBkMode(dc, s.bk_mode);
    SetTextColor(dc, s.text_color);
    SetBrushOrgEx(dc, s.brush_org.x, s.brush_org.y, nullptr);
    SelectObject(dc, s.brush);
    SelectObject(dc, s.pen);
    SelectObject(dc, s.font);
    SelectPalette(dc, s.palette, FALSE);
    RealizePalette(dc);
}

void win_set_clip(DeviceState* device, const Rect* clip) {
    HDC dc = Dc(device);
    if (!dc || OnMetafile(device)) return;
    if (device->clip_save_level) {
        DcState state = CaptureAndClear(dc);
        RestoreDC(dc, device->clip_save_level);
        device->clip_save_level = 0;
        PutBack(dc, state);
        device->current_font.handle = static_cast<HFONT>(state.font);
    }
    if (clip) {
        HGDIOBJ brush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
        HGDIOBJ pen = SelectObject(dc, GetStockObject(BLACK_PEN));
        HGDIOBJ font = SelectObject(dc, GetStockObject(SYSTEM_FONT));
        device->clip_save_level = SaveDC(dc);
        IntersectClipRect(dc, clip->x, clip->y, clip->x + clip->width, clip->y + clip->height);
        SelectObject(dc, brush);
        SelectObject(dc, pen);
        SelectObject(dc, font);
    }
    zel3d_raster_clip_changed(device);
}

void win_set_background(DeviceState* device, int color) {
    if (Dc(device)) SetBkColor(Dc(device), GdiColor(color));
}

void win_set_dashes_simple(DeviceState* device, int pattern, int, const DWORD*, int) {
    DWORD style;
    switch (pattern) {
    case kLpatLongDash: style = PS_DASH; break;
    case kLpatDotted: style = PS_DOT; break;
    case kLpatShortDash:
    case kLpatDashDot: style = PS_DASHDOT; break;
    case kLpatLslDash: style = PS_DASHDOTDOT; break;
    default: style = PS_SOLID; break;
    }
    device->pen.style = style;
    zel3d_win_apply_pen(device);
}

void win_set_dashes(DeviceState* device, int pattern, int offset, const DWORD* dashes, int count) {
    if (OnMetafile(device)) {
        win_set_dashes_simple(device, pattern, offset, dashes, count);
        return;
    }
    PenState& pen = device->pen;
    pen.style = PS_GEOMETRIC | PS_USERSTYLE;
    pen.dashes = dashes;
    pen.dash_count = dashes ? count : 0;
    zel3d_win_apply_pen(device);
}

void win_set_fill_style(DeviceState* device, int style) {
    device->fill_style = style;
    if (style == kFillSolid) {
        device->brush.lbStyle = BS_SOLID;
        device->brush.lbHatch = 0;
        zel3d_win_apply_brush(device);
    }
}

void win_set_solid_fill(DeviceState* device, int color) {
    device->ops.set_fill_color(device, color);
    device->ops.set_fill_style(device, kFillSolid);
}

void win_set_thin_line(DeviceState* device, int color) {
    device->ops.set_foreground(device, color);
    device->ops.set_line_attributes(device, 1, 1, 2, 3);
}

void win_set_font(DeviceState* device, FontRecord* font) {
    if (!font) return;
    if (!font->handle) font->handle = CreateFontIndirectA(&font->logfont);
    HDC dc = Dc(device);
    FontRecord& current = device->current_font;
    if (OnMetafile(device)) {
        SelectObject(dc, font->handle);
        GetObjectA(font->handle, sizeof font->logfont, &font->logfont);
        current.handle = font->handle;
    } else if (font->handle != current.handle) {
        current = *font;
        if (dc) SelectObject(dc, font->handle);
    }
}

void win_set_foreground(DeviceState* device, int color) {
    if (Dc(device)) SetTextColor(Dc(device), GdiColor(color));
    device->pen.color = color;
    zel3d_win_apply_pen(device);
}

void win_set_fill_color(DeviceState* device, int color) {
    device->brush.lbColor = COLORREF(color);
    zel3d_win_apply_brush(device);
}

void win_set_line_width(DeviceState* device, int width, int style, int, int) {
    PenState& pen = device->pen;
    pen.width = width;
    if (style == 1 || width > 1) pen.style = PS_SOLID;
    zel3d_win_apply_pen(device);
}

void win_set_line_attributes(DeviceState* device, int width, int style, int cap, int join) {
    if (OnMetafile(device)) {
        win_set_line_width(device, width, style, cap, join);
        return;
    }
    PenState& pen = device->pen;
    if (style == 1) {
        pen.style = 0;
        pen.dash_count = 0;
        pen.dashes = nullptr;
    }
    if (width < 2 && style == 1) {
        pen.width = 1;
    } else {
        pen.width = width == 0 ? 1 : width;
        DWORD end_cap = (cap == 1 || cap == 2) ? PS_ENDCAP_FLAT : cap == 3 ? PS_ENDCAP_ROUND : PS_ENDCAP_SQUARE;
        DWORD join_style = join == 2 ? PS_JOIN_ROUND : join == 3 ? PS_JOIN_BEVEL : PS_JOIN_MITER;
        pen.style = PS_GEOMETRIC | end_cap | join_style | (pen.style & 0xFF);
    }
    zel3d_win_apply_pen(device);
}

void win_set_stipple(DeviceState* device, int) {
    LOGBRUSH& brush = device->brush;
    if (OnMetafile(device)) {
        brush.lbStyle = BS_SOLID;
        brush.lbHatch = 0;
    } else {
        brush.lbStyle = BS_PATTERN;
        brush.lbHatch = ULONG_PTR(zel3d_stipple_create());
    }
    zel3d_win_apply_brush(device);
}

void win_setdither(DeviceState*) { zel3d_trace("I am in zel3d_win_setdither.  Yipes!!!"); }

void win_textextents(DeviceState*, const char*, int* a, int* b, int* c) {
    if (a) *a = 0;
    if (b) *b = 0;
    if (c) *c = 0;
    zel3d_trace("I am in zel3d_win_textextents.  Yipes!!!");
}

int win_dith_index(DeviceState*) {
    zel3d_trace("I am in zel3d_win_dith_index.  Yipes!!!");
    return 0;
}

using ExtentFn = BOOL(WINAPI*)(HDC, LPCSTR, int, LPSIZE);

int MeasureText(DeviceState* device, const char* text, ExtentFn extent) {
    if (!text) return 0;
    int length = int(strlen(text));
    SIZE size = {0, 0};
    HDC dc = Dc(device);
    if (dc && !OnMetafile(device)) {
        if (!extent(dc, text, length, &size)) {
            SetLastError(0);
            if (!device->front_dc || !extent(device->front_dc, text, length, &size)) return 0;
        }
        TEXTMETRICA metrics;
        if (GetTextMetricsA(dc, &metrics) && metrics.tmOverhang > 0) size.cx += metrics.tmOverhang;
        return size.cx;
    }
    HDC screen = GetDC(nullptr);
    if (!screen) return 0;
    HGDIOBJ previous = device->current_font.handle ? SelectObject(screen, device->current_font.handle)
                                                         : nullptr;
    BOOL measured = extent(screen, text, length, &size);
    if (previous) SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return measured ? size.cx : 0;
}

int win_text_width(DeviceState* device, const char* text) { return MeasureText(device, text, GetTextExtentPoint32A); }

int win_text_width_16(DeviceState* device, const char* text) { return MeasureText(device, text, GetTextExtentPointA); }

DeviceOps g_windows_ops = {
    win_line, win_lines, win_rectangle, win_arc, win_fill_polygon, win_fill_rectangle, win_fill_arc,
    win_line, win_lines, win_rectangle, win_arc, win_fill_polygon, win_fill_rectangle, win_fill_arc,
    win_text, win_text_aligned, win_set_clip, win_set_background, win_set_dashes, win_set_fill_style,
    win_set_solid_fill, win_set_thin_line, win_set_font, win_set_foreground, win_set_fill_color,
    win_set_line_attributes, win_set_stipple, win_setdither, win_textextents, win_text_width, win_dith_index,
    zel3d_win_draw_image, 1, win_make_pen,
};

// Copies a slot of `from` over `to` when it is set.
template <class T>
void Take(T& to, T from) {
    if (from) to = from;
}

}  // namespace

const DeviceOps* zel3d_windows_device_ops() { return &g_windows_ops; }

const DeviceOps* zel3d_bind_device_ops(Zel3dChart* chart, const DeviceOps* table) {
    const DeviceOps* previous = chart->device.bound;
    chart->device.bound = table;
    if (!table) return previous;
    DeviceOps& ops = chart->device.ops;
    Take(ops.line, table->line);
    Take(ops.lines, table->lines);
    Take(ops.rectangle, table->rectangle);
    Take(ops.arc, table->arc);
    Take(ops.fill_polygon, table->fill_polygon);
    Take(ops.fill_rectangle, table->fill_rectangle);
    Take(ops.fill_arc, table->fill_arc);
    Take(ops.line2, table->line2);
    Take(ops.lines2, table->lines2);
    Take(ops.rectangle2, table->rectangle2);
    Take(ops.arc2, table->arc2);
    Take(ops.fill_polygon2, table->fill_polygon2);
    Take(ops.fill_rectangle2, table->fill_rectangle2);
    Take(ops.fill_arc2, table->fill_arc2);
    Take(ops.text, table->text);
    Take(ops.text_aligned, table->text_aligned);
    Take(ops.set_clip, table->set_clip);
    Take(ops.set_background, table->set_background);
    Take(ops.set_dashes, table->set_dashes);
    Take(ops.set_fill_style, table->set_fill_style);
    Take(ops.set_solid_fill, table->set_solid_fill);
    Take(ops.set_thin_line, table->set_thin_line);
    Take(ops.set_font, table->set_font);
    Take(ops.set_foreground, table->set_foreground);
    Take(ops.set_fill_color, table->set_fill_color);
    Take(ops.set_line_attributes, table->set_line_attributes);
    Take(ops.set_stipple, table->set_stipple);
    Take(ops.set_dither, table->set_dither);
    Take(ops.text_extents, table->text_extents);
    Take(ops.text_width, table->text_width);
    Take(ops.dither_index, table->dither_index);
    Take(ops.draw_image, table->draw_image);
    ops.coordinate_divisor = table->coordinate_divisor;
    // Pens are always made by the Windows table's own slot.
    ops.make_pen = g_windows_ops.make_pen;
    return previous;
}

const DeviceOps& zel3d_ops(const Zel3dChart* chart) { return chart->device.ops; }

void zel3d_select_backend() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    if (version.dwPlatformId == VER_PLATFORM_WIN32s) {
        g_windows_ops.set_dashes = win_set_dashes_simple;
        g_windows_ops.set_line_attributes = win_set_line_width;
        g_windows_ops.text_width = win_text_width_16;
        g_windows_ops.make_pen = win_make_pen_simple;
        return;
    }
    if (version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) {
        g_windows_ops.set_dashes = win_set_dashes_simple;
        g_windows_ops.line = g_windows_ops.line2 = win_line_wide;
        g_windows_ops.lines = g_windows_ops.lines2 = win_lines_wide;
    }
    _controlfp(_MCW_EM, _MCW_EM);
}

void zel3d_reset_device_state(DeviceState* device) {
    device->pen = PenState{};
    device->pen.width = 1;
    device->brush = LOGBRUSH{BS_SOLID, 0, 0};
    device->fill_style = kFillSolid;
}

void zel3d_win_apply_pen(DeviceState* device) {
    if (!device->pen_cache) device->pen_cache = new PenCacheNode{};
    PenCacheNode* node = device->pen_cache;
    HPEN old_pen = node->pen;
    node->state = device->pen;
    g_windows_ops.make_pen(device, node);
    if (device->draw_dc && node->pen) SelectObject(device->draw_dc, node->pen);
    DeleteDeselected(device, old_pen, OBJ_PEN, BLACK_PEN);
}

void zel3d_win_apply_brush(DeviceState* device) {
    LOGBRUSH brush = device->brush;
    if (brush.lbStyle == BS_SOLID) brush.lbColor = GdiColor(int(brush.lbColor));
    HBRUSH made = CreateBrushIndirect(&brush);
    device->current_brush = made;
    if (device->draw_dc && made) SelectObject(device->draw_dc, made);
    if (!device->brush_cache) device->brush_cache = new BrushCacheNode{};
    BrushCacheNode* node = device->brush_cache;
    DeleteDeselected(device, node->brush, OBJ_BRUSH, WHITE_BRUSH);
    *node = {device->brush.lbStyle, device->brush.lbColor, device->brush.lbHatch, made, nullptr};
}

void zel3d_free_device_caches(DeviceState* device) {
    if (device->pen_cache) DeleteDeselected(device, device->pen_cache->pen, OBJ_PEN, BLACK_PEN);
    if (device->brush_cache) DeleteDeselected(device, device->brush_cache->brush, OBJ_BRUSH, WHITE_BRUSH);
    delete device->pen_cache;
    delete device->brush_cache;
    device->pen_cache = nullptr;
    device->brush_cache = nullptr;
    device->current_pen = nullptr;
    device->current_brush = nullptr;
}

void zel3d_font_metrics(Zel3dChart* chart, FontRecord* font) {
    bool took_dc = false;
    if (!chart->device.draw_dc) took_dc = Zel3dGetAndInitDC(chart) != 0;
    HDC dc = chart->device.draw_dc;
    HDC screen = nullptr;
    if (!dc || zel3d_is_metafile_dc(dc)) dc = screen = GetDC(nullptr);
    if (!font->handle) {
        font->handle = CreateFontIndirectA(&font->logfont);
    } else {
        GetObjectA(font->handle, sizeof font->logfont, &font->logfont);
    }
    TEXTMETRICA metrics;
    if (dc && font->handle) {
        HGDIOBJ previous = SelectObject(dc, font->handle);
        if (GetTextMetricsA(dc, &metrics)) {
            font->ascent = metrics.tmAscent;
            font->descent = metrics.tmDescent;
            font->height = metrics.tmHeight;
            font->char_width = (metrics.tmMaxCharWidth + metrics.tmAveCharWidth) / 2;
        }
        SelectObject(dc, previous);
    }
    if (screen) ReleaseDC(nullptr, screen);
    if (took_dc) Zel3dReleaseDC(chart);
}

bool zel3d_is_metafile_dc(HDC dc) { return dc && GetDeviceCaps(dc, TECHNOLOGY) == DT_METAFILE; }

void zel3d_select_stock_objects(HDC dc) {
    if (!dc) return;
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
}

HBITMAP zel3d_stipple_create() {
    if (!g_stipple) {
        static const WORD rows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
        g_stipple = CreateBitmap(8, 8, 1, 1, rows);
    }
    return g_stipple;
}

void zel3d_stipple_delete() {
    if (g_stipple) DeleteObject(g_stipple);
    g_stipple = nullptr;
}

int zel3d_image_layout_mode(int layout, int image_width, int image_height, int box_width, int box_height,
                            double* aspect) {
    double ratio = image_height ? double(image_width) / image_height : 1.0;
    if (aspect) *aspect = ratio;
    if (layout != 3 && layout != 7) return layout;
    double shorter = std::min(box_width, box_height);
    // A box at least as wide (relative to its height) as the image keeps the
    // height; equal proportions fit either way.
    bool keep_height = (ratio > 1 && box_width >= ratio * shorter) || (ratio <= 1 && box_height <= shorter / ratio);
    bool fitted = layout == 3;
    return keep_height == fitted ? 6 : 5;
}

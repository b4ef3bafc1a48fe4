#include "Window.h"

#include <algorithm>

#include "Layout.h"
#include "Legend.h"
#include "Render.h"

namespace zel2d_core {

namespace {

ZELCHART ChartOf(HWND window) {
    ZELCHART chart = reinterpret_cast<ZELCHART>(GetWindowLongPtrA(window, kChartSlot));
    return IsLiveChart(chart) && chart->window == window ? chart : nullptr;
}

// The off-screen bitmap, kept between paints while the size stays.
HDC Offscreen(ZelChartRecord& chart, HDC screen, SIZE size) {
    if (chart.memory_dc && chart.memory_size.cx == size.cx && chart.memory_size.cy == size.cy) return chart.memory_dc;
    ReleaseOffscreen(chart);
    chart.memory_dc = CreateCompatibleDC(screen);
    chart.memory_bitmap = CreateCompatibleBitmap(screen, size.cx, size.cy);
    if (!chart.memory_dc || !chart.memory_bitmap) {
        ReleaseOffscreen(chart);
        return nullptr;
    }
    chart.memory_original = SelectObject(chart.memory_dc, chart.memory_bitmap);
    chart.memory_size = size;
    return chart.memory_dc;
}

void PaintWindow(HWND window) {
    PAINTSTRUCT ps;
    HDC screen = BeginPaint(window, &ps);
    if (!screen) return;
    RECT client;
    GetClientRect(window, &client);
    const SIZE size = {client.right, client.bottom};
    ZELCHART chart = ChartOf(window);
    if (size.cx > 0 && size.cy > 0) {
        HDC memory = chart ? Offscreen(*chart, screen, size) : nullptr;
        if (memory) {
            PaintInto(*chart, memory, size, true);
            BitBlt(screen, 0, 0, size.cx, size.cy, memory, 0, 0, SRCCOPY);
        } else if (chart) {
            // No memory for the picture: draw straight onto the screen.
            PaintInto(*chart, screen, size, true);
        } else {
            FillRect(screen, &client, GetSysColorBrush(COLOR_BTNFACE));
        }
    }
    EndPaint(window, &ps);
}

// Printing: the chart and the owner's drawing over it go into a bitmap at
// the printer's resolution in the printer DC's logical units, which is then
// copied onto the page. Raster operations such as R2_MASKPEN, which many
// printer drivers ignore, then work on paper as on screen. Too large a
// picture is drawn straight into the printer DC.
void PrintWindowChart(ZelChartRecord& chart, HDC printer, SIZE client) {
    const ZelLayout layout = ComputeLayout(chart, printer, client);
    const SIZE legend = MeasureLegend(chart, printer);
    RECT bounds = layout.graph;
    bounds.left = std::min(bounds.left, 0L);
    bounds.top = std::min(bounds.top, 0L);
    bounds.right = std::max(bounds.right, LONG(chart.legend_x + legend.cx));
    bounds.bottom = std::max(bounds.bottom, LONG(chart.legend_y + legend.cy));
    POINT corners[2] = {{bounds.left, bounds.top}, {bounds.right, bounds.bottom}};
    LPtoDP(printer, corners, 2);
    const RECT device = {std::min(corners[0].x, corners[1].x), std::min(corners[0].y, corners[1].y),
                         std::max(corners[0].x, corners[1].x), std::max(corners[0].y, corners[1].y)};
    const LONG width = device.right - device.left, height = device.bottom - device.top;
    constexpr LONG kLargest = 8000;
    if (width <= 0 || height <= 0 || width > kLargest || height > kLargest) {
        PaintInto(chart, printer, client, false);
        return;
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = bitmap ? CreateCompatibleDC(nullptr) : nullptr;
    if (!memory) {
        if (bitmap) DeleteObject(bitmap);
        PaintInto(chart, printer, client, false);
        return;
    }
    HGDIOBJ original = SelectObject(memory, bitmap);
    const RECT all = {0, 0, width, height};
    FillRect(memory, &all, HBRUSH(GetStockObject(WHITE_BRUSH)));
    // The printer's mapping, moved so that the picture's corner is the
    // bitmap's.
    SIZE window_extent, viewport_extent;
    POINT window_origin, viewport_origin;
    GetWindowExtEx(printer, &window_extent);
    GetViewportExtEx(printer, &viewport_extent);
    GetWindowOrgEx(printer, &window_origin);
    GetViewportOrgEx(printer, &viewport_origin);
    SetMapMode(memory, GetMapMode(printer));
    if (GetMapMode(printer) == MM_ANISOTROPIC || GetMapMode(printer) == MM_ISOTROPIC) {
        SetWindowExtEx(memory, window_extent.cx, window_extent.cy, nullptr);
        SetViewportExtEx(memory, viewport_extent.cx, viewport_extent.cy, nullptr);
    }
    SetWindowOrgEx(memory, window_origin.x, window_origin.y, nullptr);
    SetViewportOrgEx(memory, viewport_origin.x - device.left, viewport_origin.y - device.top, nullptr);
    SelectObject(memory, GetCurrentObject(printer, OBJ_FONT));
    PaintInto(chart, memory, client, false);
    GdiFlush();
    // Onto the page in device units.
    const int saved = SaveDC(printer);
    SetMapMode(printer, MM_TEXT);
    SetWindowOrgEx(printer, 0, 0, nullptr);
    SetViewportOrgEx(printer, 0, 0, nullptr);
    StretchDIBits(printer, device.left, device.top, width, height, 0, 0, width, height, bits, &info, DIB_RGB_COLORS,
                  SRCCOPY);
    RestoreDC(printer, saved);
    SelectObject(memory, original);
    DeleteDC(memory);
    DeleteObject(bitmap);
}

}  // namespace

void ReleaseOffscreen(ZelChartRecord& chart) {
    if (chart.memory_dc && chart.memory_original) SelectObject(chart.memory_dc, chart.memory_original);
    if (chart.memory_bitmap) DeleteObject(chart.memory_bitmap);
    if (chart.memory_dc) DeleteDC(chart.memory_dc);
    chart.memory_dc = nullptr;
    chart.memory_bitmap = nullptr;
    chart.memory_original = nullptr;
    chart.memory_size = {0, 0};
}

void PaintInto(ZelChartRecord& chart, HDC dc, SIZE client, bool fill_window) {
    const ZelLayout layout = ComputeLayout(chart, dc, client);
    const RECT window = fill_window ? RECT{0, 0, client.cx, client.cy} : RECT{0, 0, 0, 0};
    RenderChart(chart, dc, layout, window);
    HWND parent = chart.window ? GetParent(chart.window) : nullptr;
    if (!parent) return;
    chart.painting = &layout;
    HWND self = chart.window;
    HDC painted = dc;
    SendMessageA(parent, ZEL2D_PAINTED, WPARAM(self), LPARAM(&painted));
    // The owner may have destroyed the chart meanwhile.
    if (IsLiveChart(&chart)) chart.painting = nullptr;
}

bool RegisterChartClass(HINSTANCE instance) {
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, ZEL2D_WINDOW_CLASS, &existing)) return true;
    WNDCLASSEXA window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.style = CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW;
    window_class.lpfnWndProc = ChartWindowProc;
    window_class.cbWndExtra = sizeof(LONG_PTR);
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
    window_class.lpszClassName = ZEL2D_WINDOW_CLASS;
    return RegisterClassExA(&window_class) != 0;
}

void UnregisterChartClass(HINSTANCE instance) { UnregisterClassA(ZEL2D_WINDOW_CLASS, instance); }

LRESULT CALLBACK ChartWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_ERASEBKGND: return 1;  // the paint covers every pixel
        case WM_PAINT:
            if (wParam && GetObjectType(HDC(wParam))) {
                // Printing, in the given DC's logical units.
                if (ZELCHART chart = ChartOf(window)) {
                    RECT client;
                    GetClientRect(window, &client);
                    PrintWindowChart(*chart, HDC(wParam), SIZE{client.right, client.bottom});
                }
                return 0;
            }
            PaintWindow(window);
            return 0;
        case WM_SIZE: InvalidateRect(window, nullptr, FALSE); return 0;
        case WM_NCDESTROY:
            if (ZELCHART chart = ChartOf(window)) {
                ReleaseOffscreen(*chart);
                chart->window = nullptr;
            }
            SetWindowLongPtrA(window, kChartSlot, 0);
            break;
        default: break;
        }
    } catch (...) {
        // Nothing crosses into the system's dispatch.
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace zel2d_core

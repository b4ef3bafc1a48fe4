/* A stand-in for the 2D chart library behind the same import names, linked
 * in place of it: it registers the window class, counts the calls of the
 * chart window wrapper and can fail to make a chart. */
#include <windows.h>

#define ZEL2D_BUILD
#include "FakeChartLibrary.h"

static int g_fail_create;
static int g_created, g_attached, g_destroyed;
static struct ZelChartRecord* g_last;
struct ZelChartRecord {
    int unused;
};
static struct ZelChartRecord g_chart;

ZEL2D_API ZELCHART ZelCreate(void) {
    if (g_fail_create) return NULL;
    ++g_created;
    g_last = &g_chart;
    return g_last;
}

ZEL2D_API int ZelAttachWindow(ZELCHART chart, HWND window) {
    ++g_attached;
    return chart == g_last && IsWindow(window);
}

ZEL2D_API void ZelDestroy(ZELCHART chart) {
    (void)chart;
    ++g_destroyed;
}

ZEL2D_API void FakeChartFailCreate(int fail) { g_fail_create = fail; }

ZEL2D_API void FakeChartCounts(int* created, int* attached, int* destroyed) {
    *created = g_created;
    *attached = g_attached;
    *destroyed = g_destroyed;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        WNDCLASSA window_class = {0};
        window_class.style = CS_GLOBALCLASS;
        window_class.lpfnWndProc = DefWindowProcA;
        window_class.hInstance = instance;
        window_class.lpszClassName = ZEL2D_WINDOW_CLASS;
        return RegisterClassA(&window_class) != 0;
    }
    return TRUE;
}

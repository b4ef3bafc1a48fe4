// Entry point of the chart library: registers the window class when the
// library is loaded, so that windows of the class can be made before the
// first chart.
#include "Window.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) return zel2d_core::RegisterChartClass(instance) ? TRUE : FALSE;
    if (reason == DLL_PROCESS_DETACH) zel2d_core::UnregisterChartClass(instance);
    return TRUE;
}

// Entry point of the chart library: registers the window class when the
// library is loaded and unregisters it when it goes.
#include "device/DeviceOps.h"
#include "window/ChartObject.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        zel3d_select_backend();
        return Zel3dRegisterClass(instance);
    case DLL_PROCESS_DETACH:
        Zel3dUnregisterClass(zel3d_module());
        return TRUE;
    default:
        return TRUE;
    }
}

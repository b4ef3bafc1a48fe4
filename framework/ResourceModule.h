// The module that holds the program's code and the one its resources are
// loaded from. Both default to the program's own module; the application
// object may set them at start-up.
#pragma once

#include <windows.h>

HINSTANCE AfxGetInstanceHandle();
void AfxSetInstanceHandle(HINSTANCE instance);
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE resources);
// The module that holds the named resource: the resource module when it has
// one, else the instance module.
HINSTANCE AfxFindResourceHandle(LPCSTR name, LPCSTR type);

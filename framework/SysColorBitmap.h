// Bitmaps in the current system colours.
#pragma once

#include <windows.h>

// A bitmap resource (a palette picture) made into a device bitmap with its
// black, dark grey, light grey and white mapped to the current button text,
// shadow, face and highlight colours; the first match wins. Null for a
// resource that is not a palette picture or does not hold all it claims.
HBITMAP AfxLoadSysColorBitmap(HINSTANCE instance, HRSRC resource);

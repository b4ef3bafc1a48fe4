#pragma once

// A strip of eleven 16x15 images (4 bpp).
#define IDB_BUTTON_STRIP 301
// The same strip drawn at the large size elsewhere.
#define IDB_BUTTON_STRIP_LARGE 302

#define IDD_TEST_DIALOGBAR 310
#define IDC_BAR_BUTTON 311
#define IDC_BAR_CHECK 312
#define IDC_BAR_EDIT 313

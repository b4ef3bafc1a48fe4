#pragma once

// A strip of eleven 16x15 images (4 bpp).
#define IDB_BUTTON_STRIP 301
// The same strip drawn at the large size elsewhere.
#define IDB_BUTTON_STRIP_LARGE 302

#define IDD_TEST_DIALOGBAR 310
// Controls of the dialog bar, by command ids: with and without handlers
// of the frame.
#define ID_BAR_GO 0x8101
#define ID_BAR_METRIC 0x8102
#define IDC_BAR_LABEL 0x8103
#define IDC_BAR_LIST 0x8104
#define ID_BAR_STOP 0x8105

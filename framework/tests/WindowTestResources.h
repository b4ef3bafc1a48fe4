// Resource ids of the window, dialog and application tests.
#pragma once

#define IDD_ENTRY 200
#define IDC_ENTRY_EDIT 201
#define IDC_ENTRY_FIELD 202
#define IDS_TEST_APP_TITLE 0xE000

#define IDD_PAGE_NUMBER 210
#define IDC_PAGE_NUMBER 211
#define IDD_PAGE_NAME 212
#define IDC_PAGE_NAME 213
#define IDD_PAGE_OPTIONS 214
#define IDC_PAGE_OPTION 215
#define IDD_SHEET_HOST 216
#define IDC_HOST_EDIT 217
#define IDC_HOST_PLACE 218
#define IDB_SYSCOLOR_GREYS 219
#define IDB_SYSCOLOR_SHORT_TABLE 220
#define IDB_SYSCOLOR_TRUE_COLOUR 221

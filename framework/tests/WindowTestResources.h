// Resource ids of the window, dialog and application tests.
#pragma once

#define IDD_ENTRY 200
#define IDC_ENTRY_EDIT 201
#define IDC_ENTRY_FIELD 202
#define IDS_TEST_APP_TITLE 0xE000

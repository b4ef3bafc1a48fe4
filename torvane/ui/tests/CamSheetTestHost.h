// The stand-in camshaft dialog's template: a placeholder for the sheet.
#pragma once

#define IDD_CAM_SHEET_HOST 9300
#define IDC_CAM_SHEET_PLACE 9301

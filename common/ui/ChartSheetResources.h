// Control ids of the "2D Chart Properties" sheet that both programs share:
// the sheet's "Reset All", the graph-data page, the axis page and the
// data-zone page's zone count, spin and "Blend Colors". (The data-zone
// page's other controls have each program's own ids.)
#pragma once

#define IDC_RESET_ALL 1610

// Graph data page.
#define IDC_OWN_DOCUMENT 1368
#define IDC_SINGLE_DOCUMENT 1717
#define IDC_MULTIPLE_DOCUMENTS 1718
#define IDC_DOCUMENT_2 1361
#define IDC_DOCUMENT_3 1362
#define IDC_DOCUMENT_4 1363

// Axis page.
#define IDC_X_CURVE 1328
#define IDC_Y_CURVE 1329
#define IDC_Y2_CURVE 1330
#define IDC_X_SCALE 1335
#define IDC_Y_SCALE 1336
#define IDC_Y2_SCALE 1337
#define IDC_X_FROM 1345
#define IDC_X_TO 1347
#define IDC_X_UNITS 1352
#define IDC_Y_FROM 1353
#define IDC_Y_TO 1355
#define IDC_Y_UNITS 1356
#define IDC_Y2_FROM 1357
#define IDC_Y2_LABEL 1358
#define IDC_Y2_TO 1359
#define IDC_Y2_UNITS 1360

// Data zones page.
#define IDC_ZONE_COUNT 1669
#define IDC_ZONE_SPIN 1670
#define IDC_BLEND_COLORS 1715

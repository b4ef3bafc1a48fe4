// Resource and command ids of the engine graphs, their property sheet and
// the results tables. The command ids of each menu list are consecutive.
#pragma once

#define IDR_GRAPH_MENU 140
#define IDD_GRAPH_DATA_PAGE 181
#define IDD_AXIS_PAGE 182
#define IDD_DATA_ZONES_PAGE 183

#define ID_GRAPH_PROPERTIES 33350
#define ID_GRAPH_X_FIRST 33351
#define ID_GRAPH_X_LAST 33366
#define ID_GRAPH_Y_FIRST 33370
#define ID_GRAPH_Y_LAST 33388
#define ID_GRAPH_Y2_FIRST 33390
#define ID_GRAPH_Y2_LAST 33409
#define ID_GRAPH_X_SCALE_FIRST 33420
#define ID_GRAPH_Y_SCALE_FIRST 33424
#define ID_GRAPH_Y2_SCALE_FIRST 33428
#define ID_GRAPH_SCALE_LAST 33431

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
#define IDC_SHOW_ZONES 1666
#define IDC_ZONE_PRESET 1667
#define IDC_ZONE_COUNT 1669
#define IDC_ZONE_SPIN 1670
#define IDC_ZONE_MIN_FIRST 1690
#define IDC_ZONE_MAX_FIRST 1696
#define IDC_ZONE_MAX_LAST 1701
#define IDC_ZONE_COLOR_FIRST 1708
#define IDC_ZONE_COLOR_LAST 1713
#define IDC_BLEND_COLORS 1715

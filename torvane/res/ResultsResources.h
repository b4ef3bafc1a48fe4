// Resource and command ids of the engine graphs, their property sheet and
// the results tables. The command ids of each menu list are consecutive.
#pragma once

#include "common/ui/ChartSheetResources.h"

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

// Data zones page.
#define IDC_SHOW_ZONES 1666
#define IDC_ZONE_PRESET 1667
#define IDC_ZONE_MIN_FIRST 1690
#define IDC_ZONE_MAX_FIRST 1696
#define IDC_ZONE_MAX_LAST 1701
#define IDC_ZONE_COLOR_FIRST 1708
#define IDC_ZONE_COLOR_LAST 1713

// Resource ids of the drag-race graph view's context menu and its
// commands: the x rows 1..12, the y rows 1..14, the second-y rows 0..14 and
// the four scale presets of each axis.
#pragma once

#define IDR_RACE_GRAPH_MENU 115
#define ID_RACE_GRAPH_PROPERTIES 32922
#define ID_RACE_GRAPH_X_FIRST 32923
#define ID_RACE_GRAPH_X_LAST 32934
#define ID_RACE_GRAPH_Y_FIRST 32935
#define ID_RACE_GRAPH_Y_LAST 32948
#define ID_RACE_GRAPH_Y2_FIRST 32960
#define ID_RACE_GRAPH_Y2_LAST 32974
#define ID_RACE_GRAPH_X_SCALE_FIRST 32980
#define ID_RACE_GRAPH_Y_SCALE_FIRST 32985
#define ID_RACE_GRAPH_Y2_SCALE_FIRST 32990
#define ID_RACE_GRAPH_SCALE_LAST 32993

// The property sheet's page templates and the data-zone page's own ids.
#define IDD_RACE_GRAPH_DATA_PAGE 108
#define IDD_RACE_AXIS_PAGE 182
#define IDD_RACE_DATA_ZONES_PAGE 183
#define IDC_RACE_ZONE_PRESET 1377
#define IDC_RACE_SHOW_ZONES 1689
#define IDC_RACE_ZONE_MIN_FIRST 1426
#define IDC_RACE_ZONE_MAX_FIRST 1432
#define IDC_RACE_ZONE_COLOR_FIRST 1623

// Resource ids of the drag-race program: its resource script and its code
// share them. The document's own command ids are in
// quillet/document/QuilletCommands.h; these are the same numbers for the
// resource compiler.
#pragma once

// The framework's standard command and string ids.
#include "framework/StandardResourceIds.h"

// Frames, menus, toolbar, accelerators and icons.
#define IDR_MAINFRAME 103
#define IDR_QUILLET_DOC 104

// Dialogs.
#define IDD_ABOUT 100
#define IDD_VEHICLE_FORM 101
#define IDD_FIELD_EDITOR 102
#define IDD_LOW_COLOR_NOTICE 135
#define IDD_NOTES_EDITOR 180

// Pictures and the hover sound.
#define IDB_VALID 105
#define IDB_INVALID 106
#define IDB_EDITOR_OK 109
#define IDB_EDITOR_CANCEL 110
#define IDB_SPLASH 118
#define IDB_CAPTION_VEHICLE 138
#define IDB_CAPTION_ENGINE 139
#define IDB_CAPTION_DRIVETRAIN 140
#define IDB_CAPTION_TIRES 141
#define IDB_CAPTION_DRIVING 142
#define IDB_CAPTION_WEATHER 143
#define IDB_CAPTION_NOTES 146
#define IDW_HOVER 144

// The choice menu of a field that has none.
#define IDM_NO_CHOICES 111

// Commands of the application and the main frame.
#define ID_VIEW_WORKBOOK 32771
#define ID_HELP_USER_MANUAL 33305
#define ID_PRODUCT_INFO 33306
#define ID_TIMER1_COMMAND 33328
#define ID_CREATE_BEST_RESULT_DOCS 33329
#define ID_TOOLS_TIME_SLIP 33501
#define ID_COLORS_QUILLET 33675
#define ID_COLORS_WINDOWS 33676

// Commands of the document the menus and the toolbar name.
#define ID_UNITS_ENGLISH 32871
#define ID_UNITS_METRIC 32872
#define ID_RUN 32902
#define ID_AUTO_RUN 32906
#define ID_EXPORT_OLDER_PROGRAMS 33307
#define ID_CUSTOM_POWER_CURVE 33471
#define ID_IMPORT_ENGINE_FILE 33500
#define ID_EIGHTH_MILE 33677
#define ID_QUARTER_MILE 33678
#define ID_QUICK_ITERATOR 33679
#define ID_PRO_ITERATOR 33680
#define ID_TRACTION_CALCULATOR 33682

// Controls of the about box and the low-colour notice.
#define IDC_ABOUT_VERSION 1327
#define IDC_ABOUT_DATE 1611
#define IDC_ABOUT_COPY_WARNING 1613
#define IDC_ABOUT_CONTRIBUTORS 1614
#define IDC_ABOUT_COPYRIGHT 1615
#define IDC_ABOUT_DISCLAIMER 1616
#define IDC_DONT_SHOW_AGAIN 1686
#define IDC_NOTICE_ICON 1687

// Controls of the field editors.
#define IDC_EDITOR_CHOICES 1017
#define IDC_EDITOR_OK 1018
#define IDC_EDITOR_EDIT 1202
#define IDC_NOTES_EDIT 1663

// The vehicle form's buttons.
#define IDC_HP_CURVE 1860
#define IDC_TRACTION_CALC 1861

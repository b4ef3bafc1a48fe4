// Resource ids of the engine program: its resource script and its code
// share them.
#pragma once

// Frames, menus, toolbar, accelerators and icons.
#define IDR_MAINFRAME 103
#define IDR_TORVANE_DOC 104

// Dialog templates.
#define IDD_ABOUT 100
#define IDD_ENGINE_FORM 101
#define IDD_FIELD_EDITOR 102
#define IDD_LOW_COLOR_NOTICE 171
#define IDD_NOTES_EDITOR 180

// Pictures and the hover sound.
#define IDB_VALID 108
#define IDB_INVALID 110
#define IDB_EDITOR_OK 114
#define IDB_EDITOR_CANCEL 115
#define IDB_SPLASH 149
#define IDB_CAPTION_SHORT_BLOCK 172
#define IDB_CAPTION_HEADS 173
#define IDB_CAPTION_COMPRESSION 174
#define IDB_CAPTION_INDUCTION 175
#define IDB_CAPTION_EXHAUST 176
#define IDB_CAPTION_CAMSHAFT 177
#define IDB_CAPTION_NOTES 178
#define IDW_HOVER 179

// The empty choice menu of fields without one.
#define IDM_NO_CHOICES 117

// Commands of the application and the main frame.
#define ID_VIEW_WORKBOOK 32771
#define ID_HELP_USER_MANUAL 33305
#define ID_PRODUCT_INFO 33306
#define ID_EXPORT_OLDER_PROGRAMS 33307
#define ID_EXPORT_GAME 33308
#define ID_TIMER1_COMMAND 33328
#define ID_CREATE_BEST_RESULT_DOCS 33329
#define ID_QUICK_ITERATOR_MAIN 33336
#define ID_COLORS_WINDOWS 33337
#define ID_COLORS_TORVANE 33338

// Commands of the document the menus and the toolbar name.
#define ID_CUSTOM_AIRFLOW 32811
#define ID_CAM_MATH 32869
#define ID_AIRFLOW_MATH 32870
#define ID_UNITS_ENGLISH 32871
#define ID_UNITS_METRIC 32872
#define ID_COMPRESSION_MATH 32873
#define ID_RUN 32902
#define ID_AUTO_VALVE_SIZES 32904
#define ID_AUTO_VALVE_LIFT 32905
#define ID_AUTO_RUN 32906
#define ID_AIRFLOW_FILE_OPEN 32918
#define ID_AIRFLOW_FILE_SAVE 32919
#define ID_CAM_FILE_OPEN 32920
#define ID_CAM_FILE_SAVE 32921
#define ID_QUICK_ITERATOR_TOOLBAR 32963
#define ID_CAM_MANAGER 33432
#define ID_AUTO_CAM_ACCURATE 33433
#define ID_SWEEP 33450
#define ID_QUICK_ITERATOR 33451

// Controls of the about box and the low-colour notice.
#define IDC_ABOUT_VERSION 1322
#define IDC_ABOUT_DATE 1533
#define IDC_ABOUT_COPY_WARNING 1535
#define IDC_ABOUT_CONTRIBUTORS 1536
#define IDC_ABOUT_COPYRIGHT 1537
#define IDC_ABOUT_DISCLAIMER 1538
#define IDC_DONT_SHOW_AGAIN 1659
#define IDC_NOTICE_ICON 1660

// Controls of the field editors.
#define IDC_EDITOR_CHOICES 1015
#define IDC_EDITOR_OK 1018
#define IDC_EDITOR_EDIT 1203
#define IDC_NOTES_EDIT 1663

// The framework's standard command and string ids.
#include "framework/StandardResourceIds.h"

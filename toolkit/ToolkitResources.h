// Resource ids of the toolkit; a program's resource script includes
// Toolkit.rc, which holds them.
#pragma once

#define IDC_SEC_SPLITH 30980
#define IDS_SEC_SPLASH_TITLE 20661
#define IDS_SEC_SPLASH_OWNER_TITLE 20662
#define IDS_SEC_WELL_OTHER 23100
#define IDB_SEC_MENU_ARROW_DOWN 23000
#define IDB_SEC_MENU_ARROW_RIGHT 23001
#define IDB_SEC_MENU_CHECK 20525

// Resource ids of the drag-race program's Zuv Oradizov dialog, its run page,
// and the lamp pictures that both sweep dialogs show.
#pragma once

#define IDB_LAMP_RED_LIT 148
#define IDB_LAMP_RED_UNLIT 149
#define IDB_LAMP_GREEN_LIT 150
#define IDB_LAMP_GREEN_UNLIT 151

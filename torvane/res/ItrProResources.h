// Resource ids of the engine program's Zuv Oradizov dialog, its run page,
// and the lamp pictures that both sweep dialogs show.
#pragma once

#define IDB_LAMP_RED_LIT 200
#define IDB_LAMP_RED_UNLIT 201
#define IDB_LAMP_GREEN_LIT 202
#define IDB_LAMP_GREEN_UNLIT 203

// Resource ids of the core test program.
#pragma once

#define IDS_GREETING 101
#define IDS_LONG_TEXT 102
#define IDS_FORMAT 103
#define IDS_MISSING 199

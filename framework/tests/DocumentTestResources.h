// Resource ids of the command-target and document test program.
#pragma once

#define IDR_WIDGET 301
#define IDR_NO_STRINGS 302

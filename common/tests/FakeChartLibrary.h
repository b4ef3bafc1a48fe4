/* The fake chart library's controls, beside the real interface's names. */
#ifndef FAKE_CHART_LIBRARY_H
#define FAKE_CHART_LIBRARY_H

#include "zelplot2d/zelplot2d.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Makes ZelCreate fail (1) or succeed (0). */
ZEL2D_API void FakeChartFailCreate(int fail);
/* How often ZelCreate succeeded, ZelAttachWindow and ZelDestroy ran. */
ZEL2D_API void FakeChartCounts(int* created, int* attached, int* destroyed);

#ifdef __cplusplus
}
#endif

#endif

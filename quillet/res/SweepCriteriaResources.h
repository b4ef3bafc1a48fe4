// Resource ids of the sweep dialog's "Optimize For" page.
#pragma once

#define IDD_ITRPRO_CRITERIA 159

#define IDC_ITO_BEST_ET 2360
#define IDC_ITO_TOP_SPEED 2361
#define IDC_ITO_AREA 2362
#define IDC_ITO_FROM 2363
#define IDC_ITO_TO 2364
#define IDC_ITO_RANGE_LABEL 2365
#define IDC_ITO_FROM_LABEL 2366
#define IDC_ITO_TO_LABEL 2367
#define IDC_ITO_OPTIMIZE_GROUP 2368
#define IDC_ITO_RANGE_GROUP 2369
#define IDC_ITO_CHART_GROUP 2370
#define IDC_ITO_CHART 2371
#define IDC_ITO_CURVE 2372

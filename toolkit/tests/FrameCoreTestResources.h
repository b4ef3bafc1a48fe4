// Resource ids of the toolkit frame tests.
#pragma once

#define IDR_CORE_MAIN 500
#define IDR_CORE_ENGINE 501
#define IDR_CORE_SDI 502

#define ID_CORE_ROUTE 41001
#define ID_CORE_PLUGIN_ONLY 41002
#define ID_CORE_DISABLED 41003

#define IDD_CORE_IDLE 510

// The stand-in sweep dialog's template: a placeholder for the sheet.
#pragma once

#define IDD_SWEEP_PAGES_HOST 9310
#define IDC_SWEEP_PAGES_PLACE 9311

// The stand-in sweep dialog's template: a placeholder for the sheet.
#pragma once

#define IDD_SWEEP_CRITERIA_HOST 9320
#define IDC_SWEEP_CRITERIA_PLACE 9321

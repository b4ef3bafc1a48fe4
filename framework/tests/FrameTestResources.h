// Resource ids of the frame and view tests.
#pragma once

#define IDR_MAINFRAME 400
#define IDR_ENGINE 401
#define IDR_VEHICLE 402

#define ID_TEST_ROUTE 40001
#define ID_TEST_RUN 40002
#define ID_TEST_NO_HANDLER 40003
#define ID_TEST_ENABLE_EDIT 40004

#define IDS_TEST_APP_TITLE 0xE000
#define IDS_TEST_IDLE 0xE001

#define IDD_TEST_FORM 410
#define IDC_FORM_EDIT 411
#define IDC_FORM_CHECK 412
#define IDC_FORM_APPLY 413
#define IDC_FORM_LABEL 414

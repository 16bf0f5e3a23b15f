// Resource IDs of the framework test program's own templates.
#pragma once

#define IDD_TEST_DLG 3001
#define IDD_TEST_SCROLL 3002
#define IDD_TEST_PAGE1 3003
#define IDD_TEST_PAGE2 3004
#define IDD_TEST_PAGE3 3005

#define IDR_ACCEL_A 3010
#define IDR_ACCEL_B 3011
#define IDR_ACCEL_EDIT 3012
#define IDR_ACCEL_PAGE 3013

#define IDC_T_INT 3101
#define IDC_T_TEXT 3102
#define IDC_T_BUTTON 3103
#define IDC_T_LIST 3104
#define IDC_T_SPIN 3105

#define ID_CMD_A 4001
#define ID_CMD_B 4002
#define ID_CMD_EDIT 4003
#define ID_CMD_PAGE 4004

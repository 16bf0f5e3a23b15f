// Resource IDs of the list test page.
#pragma once

#define IDD_LIST_PAGE 9201
#define IDC_L_MAIN 9211
#define IDC_L_SUB 9212
#define IDC_L_NAME 9213
#define IDC_L_COUNT 9214
#define IDC_L_SUB_NAME 9215
#define IDD_TEST_CHOOSER 9202

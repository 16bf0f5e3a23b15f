// Resource IDs of the editor's dialogs and their controls.
#pragma once

// Dialogs of the window framework.
#define IDD_INPUT_VALUE 101
#define IDD_INPUT_STRING 102
#define IDD_MESSAGE_WND 132
#define IDD_ENV_INFO_WAIT 285

// Controls shared by many dialogs.
#define IDC_OK 1000
#define IDC_CANCEL 1001
#define IDC_INPUT_EDIT 1003
#define IDC_PICTURE 1006
#define IDC_OWN_HSCROLL 1008
#define IDC_OWN_VSCROLL 1009
#define IDC_INPUT_SPIN 1011
#define IDC_MESSAGE_TEXT 1017
#define IDC_INPUT_LABEL 1075

// The stage editor window: its dialog, icon, menu, toolbar and status bar.
#define IDD_STAGE_EDIT 104
#define IDI_STAGE_EDIT 103
#define IDR_MENU_STAGE 128
#define IDC_STAGE_TOOLBAR 124
#define IDC_STATUS_BAR 1

// The stage options dialog.
#define IDD_STAGE_OPTION 195
#define IDC_UNDO_DEPTH 1036
#define IDC_UNDO_DEPTH_SPIN 1037
#define IDC_WHEEL_MODE 1288

// The chara group window: check boxes 1453 (group 0), 1413 to 1452 (groups
// 1 to 40) and 1454 to 1472 (groups 41 to 59).
#define IDD_CHARA_GROUP 271
#define IDC_GROUP_FIRST 1413
#define IDC_GROUP_LAST 1472

// The palette windows: the icons of a palette list on the picture 1006
// with the own scroll bar 1009, the menu bar 168 and the popup menu 179.
#define IDD_PALETTE 103
#define IDR_MENU_PALETTE 168
#define IDR_MENU_PALETTE_POPUP 179
#define IDC_PALETTE_TOOLBAR 122

// The new-stage dialog.
#define IDD_NEW_STAGE 247
#define IDC_NEW_TEMPLATE 1247
#define IDC_NEW_TEMPLATE_BROWSE 1248
#define IDC_NEW_PALETTE 1310
#define IDC_NEW_PALETTE_FILE 1311
#define IDC_NEW_PALETTE_BROWSE 1312

// The stand-in of a window that is still to come.
#define IDD_STANDIN 9000
#define IDC_STANDIN_TEXT 9001

// Accelerator tables of the lists (the first also carries the stage
// window's keys) and the lists' popup menus, by (main or sub-list, set).
#define IDR_ACCEL_MAIN1 105
#define IDR_ACCEL_MAIN2 106
#define IDR_ACCEL_MAIN3 107
#define IDR_ACCEL_SUB1 108
#define IDR_ACCEL_SUB3 109
#define IDR_ACCEL_SUB2 110
#define IDR_ACCEL_MAIN4 111
#define IDR_ACCEL_SUB4 112
#define IDR_MENU_LIST_MAIN1 112
#define IDR_MENU_LIST_MAIN2 113
#define IDR_MENU_LIST_MAIN3 114
#define IDR_MENU_LIST_SUB1 115
#define IDR_MENU_LIST_SUB2 116
#define IDR_MENU_LIST_SUB3 117
#define IDR_MENU_LIST_MAIN4 176
#define IDR_MENU_LIST_SUB4 177

// The data move dialog.
#define IDD_DATA_MOVE 138
#define IDC_MOVE_TO 1004
#define IDC_MOVE_DEST 1005
#define IDC_MOVE_TO_SPIN 1012
#define IDC_MOVE_DEST_SPIN 1013
#define IDC_MOVE_FROM 1038
#define IDC_MOVE_FROM_SPIN 1039
#define IDC_MOVE_MODE 1040

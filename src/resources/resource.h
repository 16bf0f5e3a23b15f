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

// The stage editor window.
#define IDD_STAGE_EDIT 104

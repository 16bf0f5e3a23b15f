// The test host page's template and controls.
#pragma once

#define IDD_TEST_HOST_PAGE 9200
#define IDC_HOST_COMMANDS 9201
#define IDC_HOST_INSERT 9202
#define IDC_HOST_EDIT 9203
#define IDC_HOST_DELETE 9204
#define IDC_HOST_CONDITIONS 9211

// Ids of the test form of the dialog kit's tests.
#pragma once
#define IDD_TEST_FORM 100
#define IDC_PLAIN 1001
#define IDC_DATE 1002
#define IDC_DECIMAL 1003
#define IDC_AMOUNT 1004
#define IDC_PASSWORD 1005
#define IDC_ACCOUNT 1006
#define IDC_OTHER 1007
#define IDC_BRANCH 1008
#define IDC_DAY 1009
#define IDC_LIST 1010
#define IDC_TABS 1011

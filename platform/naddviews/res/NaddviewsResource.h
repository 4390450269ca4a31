// Ids of the shared views library's resource script.
#define IDD_SELECT_PRD_NV 312
#define IDD_SELECT_PRD 313
#define IDD_SELECT_TN 398
#define IDC_SELECT_GRID 1001
#define IDC_SELECT_ALL 1002
#define IDC_SELECT_CLEAR 1003
#define IDC_SELECT_SHEETS 1004

// Ids of the grid tests' resource script.
#define IDD_GRIDFORM 514
#define IDD_LISTFORM 130
#define IDC_GRID 10051
#define IDC_NOTE 1001
#define IDD_JOURNAL 502
#define IDC_ROWSHEET 10004

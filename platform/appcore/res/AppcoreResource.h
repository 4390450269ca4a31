// Ids of the application core's resource script.
#define IDD_SPR_PICKER 7001
#define IDD_SPR_PICKER_MULTI 7002
#define IDC_PICKER_SEARCH 7011
#define IDC_PICKER_LIST 7012
#define IDC_PICKER_COUNT 7013

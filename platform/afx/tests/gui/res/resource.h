// Ids of the GUI tests' resource script.
#define IDD_LOGIN 910
#define IDD_OPTIONS 911
#define IDC_NUMBER 112
#define IDC_PASSWORD 1001
#define IDC_REMEMBER 1017
#define IDC_KIND 1006
#define IDC_AMOUNT 1015
#define IDC_NOTE 1020
#define IDC_RADIO_A 1030
#define IDC_RADIO_B 1031
#define IDC_RADIO_C 1032
#define IDC_LIST 1040
#define IDC_TITLE 1044
#define IDB_MARK 533
#define IDS_GREETING 303
#define IDR_MAIN 128
#define ID_SETTINGS 10007

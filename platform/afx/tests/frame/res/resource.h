// Ids of the frame tests' resource script.
#define IDR_MAINFRAME 128
#define IDR_PKO 504
#define IDR_BANK 576
#define IDD_PKO 504
#define IDD_SHARED 572
#define IDC_NUMBER 1001
#define IDC_KIND 1006
#define IDC_GRID 1002
#define ID_PRINT 32792
#define ID_DELETE 32790
#define ID_NEW 40020
#define ID_VIEW_CMD 33001
#define ID_DOC_CMD 33002
#define ID_FRAME_CMD 33003
#define ID_APP_CMD 33004
#define ID_DISABLED_CMD 33005
#define IDS_VIEW_TIP 33001

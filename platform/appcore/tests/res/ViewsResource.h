// Ids of the view tests' resource script.
#define IDR_TEST_MAIN 7960
#define IDD_TEST_DOC 7950
#define IDD_TEST_FORM_VIEW 7951
#define IDC_TEST_NUMBER 1102
#define ID_TEST_SAVE_AND_CLOSE 7970
#define IDR_TEST_STORNO 7953
#define IDR_TEST_DOC_PROV 7954

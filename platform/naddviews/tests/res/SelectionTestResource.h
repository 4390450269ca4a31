// Ids of the selection forms' test program: templates of its own numbers on the library's dialogs.
#define IDR_SELECTION_MAIN 8000
#define IDR_TEST_TN 8398
#define IDR_TEST_PRD 8313
#define IDR_TEST_PRD_NV 8312

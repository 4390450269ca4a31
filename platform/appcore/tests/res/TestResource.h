// Ids of the application core tests' resource script.
#define IDD_TEST_FORM 7901
#define IDC_TEST_CODE 1021
#define IDC_TEST_CODES 1144

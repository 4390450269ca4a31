// Ids of the dialog kit's own dialogs and of their controls, for the forms
// and the tests that drive them (a test script names the dialog by its id).
#pragma once

// The fragment search dialog.
#define IDD_DLGKIT_SIRCH 30500
#define IDC_SIRCH_PROMPT 30501
#define IDC_SIRCH_TEXT 30502
#define IDC_SIRCH_WHOLE 30503

// The calculator.
#define IDD_DLGKIT_CALCULATOR 30520
#define IDC_CALC_DISPLAY 30521
#define IDC_CALC_0 30530
#define IDC_CALC_1 30531
#define IDC_CALC_2 30532
#define IDC_CALC_3 30533
#define IDC_CALC_4 30534
#define IDC_CALC_5 30535
#define IDC_CALC_6 30536
#define IDC_CALC_7 30537
#define IDC_CALC_8 30538
#define IDC_CALC_9 30539
#define IDC_CALC_POINT 30540
#define IDC_CALC_PLUS 30541
#define IDC_CALC_MINUS 30542
#define IDC_CALC_TIMES 30543
#define IDC_CALC_DIVIDE 30544
#define IDC_CALC_EQUALS 30545
#define IDC_CALC_CLEAR 30546
#define IDC_CALC_BACK 30547
